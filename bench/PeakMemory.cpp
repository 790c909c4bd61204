// peak_memory FILE PROGRAM [ARGUMENTS...]: runs the program and writes the
// largest resident set it reached, in bytes, to FILE; ends as the program
// ends. A benchmark cannot learn this of a program it starts itself: the
// kernel counts a child from the size of the process that started it, and
// a benchmark is large, while this process is small.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

int main(int argc, char** argv) {
  if (argc < 3) {
    return 2;
  }
  const pid_t child = fork();
  if (child == 0) {
    execvp(argv[2], argv + 2);
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (child < 0 || wait4(child, &status, 0, &usage) != child) {
    return 1;
  }
  std::ofstream(argv[1]) << usage.ru_maxrss * 1024L << '\n';
  return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}
