#include <benchmark/benchmark.h>

#include <QApplication>

// The main of the benchmarks that need windows. They measure the program's
// painting, not a display server, so they run offscreen unless a platform is
// exported (QT_QPA_PLATFORM=xcb to measure against an X server).
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
