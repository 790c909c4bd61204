#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <sstream>
#include <thread>

#include "engine/FieldCommands.h"
#include "engine/Random.h"
#include "files/lifexml/LifeXmlWriter.h"
#include "settings/SettingsRecord.h"
#include "tests/support/DocumentFiles.h"
#include "tests/support/TempFolder.h"
#include "tools/Cli.h"
#include "tools/ProgressLine.h"

extern char** environ;

namespace orvalis::cli {
namespace {

using namespace std::chrono_literals;

TEST(ProgressLine, AppearsAfterASecondAtMostTenTimesASecondAndIsWipedAtTheEnd) {
  const auto start = std::chrono::steady_clock::time_point{};
  auto now = start;
  std::ostringstream terminal;
  {
    ProgressLine line(&terminal, 2000, [&] { return now; });
    now = start + 900ms;
    line.update(100);
    EXPECT_EQ(terminal.str(), "");
    now = start + 1100ms;
    line.update(150);
    EXPECT_EQ(terminal.str(), "\rgeneration 150 of 2000 (7%)");
    now = start + 1150ms;
    line.update(160);
    EXPECT_EQ(terminal.str(), "\rgeneration 150 of 2000 (7%)");
    now = start + 1250ms;
    line.update(1999);
    EXPECT_EQ(terminal.str(), "\rgeneration 150 of 2000 (7%)\rgeneration 1999 of 2000 (99%)");
    terminal.str("");
  }
  EXPECT_EQ(terminal.str(), "\r" + std::string(29, ' ') + "\r");

  // Not a terminal: nothing, however long it takes.
  ProgressLine quiet(nullptr, 10, [&] { return now += 10s; });
  quiet.update(5);
}

// orvalis-cli as the user starts it, its error output going to `errorFd`.
pid_t startCli(const std::vector<std::string>& args, int errorFd) {
  std::vector<std::string> all{ORVALIS_CLI_PATH};
  all.insert(all.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& arg : all) {
    argv.push_back(arg.data());
  }
  argv.push_back(nullptr);
  posix_spawn_file_actions_t files;
  posix_spawn_file_actions_init(&files);
  posix_spawn_file_actions_adddup2(&files, errorFd, STDERR_FILENO);
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t defaults;
  sigemptyset(&defaults);
  sigaddset(&defaults, SIGINT);
  posix_spawnattr_setsigdefault(&attributes, &defaults);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
  pid_t pid = -1;
  EXPECT_EQ(posix_spawn(&pid, argv[0], &files, &attributes, argv.data(), environ), 0);
  posix_spawn_file_actions_destroy(&files);
  posix_spawnattr_destroy(&attributes);
  return pid;
}

// Reads what arrives at `fd` until it holds `wanted` or `patience` passes.
std::string readUntil(int fd, const std::string& wanted, std::chrono::milliseconds patience) {
  std::string text;
  const auto end = std::chrono::steady_clock::now() + patience;
  while (text.find(wanted) == std::string::npos && std::chrono::steady_clock::now() < end) {
    pollfd ready{fd, POLLIN, 0};
    if (::poll(&ready, 1, 100) == 1) {
      char buffer[256];
      const ssize_t count = ::read(fd, buffer, sizeof buffer);
      if (count <= 0) {
        break;
      }
      text.append(buffer, static_cast<std::size_t>(count));
    }
  }
  return text;
}

int exitCode(pid_t pid) {
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

// The size of the one file in `folder` that is not among `known`: the
// output being written; -1 when there is not exactly one.
long long sizeOfNewFile(const test::TempFolder& folder, const std::vector<std::string>& known) {
  std::vector<std::string> added;
  for (const std::string& name : folder.entries()) {
    if (std::find(known.begin(), known.end(), name) == known.end()) {
      added.push_back(name);
    }
  }
  return added.size() == 1
             ? static_cast<long long>(std::filesystem::file_size(folder.path(added[0])))
             : -1;
}

// Ctrl+C on a terminal, SIGTERM elsewhere.
TEST(OrvalisCliProgress, CtrlCAndSigtermLeaveTheOldOutputsAndNoOtherFile) {
  const test::TempFolder folder;
  SettingsRecord settings;
  settings.setGadgetValue(GadgetId::SizeXSpin, 100);
  settings.setGadgetValue(GadgetId::SizeYSpin, 100);
  settings.setGadgetValue(GadgetId::InfiniteCheck, 1);
  LifeField soup;
  Random random(3);
  randomFill(soup, {100, 100}, 50, random);
  const std::string start = folder.path("suppe.lxm");
  ASSERT_TRUE(test::saveAs(FormatId::LifeXml, start, settings, soup.cells));
  const std::string lxm = folder.write("alt.lxm", "alt");
  const std::string gif = folder.write("alt.gif", "alt");
  const std::string csv = folder.write("alt.csv", "alt");
  const std::vector<std::string> known = folder.entries();

  for (const auto& [command, output] : {std::pair{"run", lxm}, {"animate", gif}}) {
    std::vector<std::string> args{command, start, output, "--generations", "1000000000"};
    if (std::string(command) == "run") {
      args.insert(args.end(), {"--population", csv});
    }
    // On a terminal the progress shows after a second.
    int terminal = -1;
    int errors = -1;
    ASSERT_EQ(::openpty(&terminal, &errors, nullptr, nullptr, nullptr), 0);
    pid_t pid = startCli(args, errors);
    ::close(errors);
    const std::string shown = readUntil(terminal, "%)", 20s);
    EXPECT_NE(shown.find("\rgeneration "), std::string::npos) << command << ": " << shown;
    ::kill(pid, SIGINT);
    EXPECT_EQ(exitCode(pid), exitInterrupted) << command;
    ::close(terminal);

    // Elsewhere nothing but the end. Meanwhile the table or the frames
    // stream into a file of their own, not into memory.
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    pid = startCli(args, pipeEnds[1]);
    ::close(pipeEnds[1]);
    std::this_thread::sleep_for(1500ms);
    EXPECT_GT(sizeOfNewFile(folder, known), 0) << command;
    ::kill(pid, SIGTERM);
    EXPECT_EQ(readUntil(pipeEnds[0], "\n", 20s), "orvalis-cli: interrupted, nothing written\n");
    EXPECT_EQ(exitCode(pid), exitInterrupted) << command;
    ::close(pipeEnds[0]);
  }
  EXPECT_EQ(test::fileContent(lxm), "alt");
  EXPECT_EQ(test::fileContent(gif), "alt");
  EXPECT_TRUE(test::fileContent(csv) == "alt") << "the old population file stays";
  EXPECT_EQ(folder.entries(), known);
}

}  // namespace
}  // namespace orvalis::cli
