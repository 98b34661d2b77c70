// The main of a benchmark that needs a Qt application: offscreen unless told otherwise,
// so that it runs without a display.
#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>

namespace aerolume::bench_support {

inline int RunQtBenchmarks(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace aerolume::bench_support
