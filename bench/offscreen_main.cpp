// The entry point of the benchmarks that paint with Qt but open no window:
// a QGuiApplication on the offscreen platform (unless QT_QPA_PLATFORM names
// another), so fonts and images work on a machine without a display.

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>

int main(int argc, char **argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr)
    qputenv("QT_QPA_PLATFORM", "offscreen");
  // Qt sees only the program name; the benchmark flags are the library's.
  int qt_argc = 1;
  QGuiApplication app(qt_argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
