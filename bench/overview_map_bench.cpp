// The map of Japan's cost: one whole frame at 1200 x 900 with all 104 stations, their
// dots in every category's colour, wind arrows and codes, drawn offscreen into an image
// as a repaint would draw it into the window.
#include <benchmark/benchmark.h>

#include <QImage>

#include "overview/overview_map.hpp"
#include "overview_reports.hpp"
#include "qt_benchmark_main.hpp"

namespace {

using aerolume::bench_support::MixedStationReports;
using aerolume::bench_support::StationReport;

aerolume::StationOverview MixedOverview() {
  aerolume::StationOverview overview;
  for (const StationReport& station : MixedStationReports()) {
    if (station.report.empty()) {
      overview.SetFailure(station.code, "NOT FOUND");
    } else {
      overview.SetMetarFile(station.code, aerolume::bench_support::StationFileOf(station));
    }
  }
  return overview;
}

void BM_DrawWholeMap(benchmark::State& state) {
  const aerolume::StationOverview overview = MixedOverview();
  aerolume::OverviewMap map;
  map.resize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  map.SetOverview(&overview, aerolume::bench_support::OverviewNow());
  map.ShowAllOfJapan();
  QImage frame(map.size(), QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    map.render(&frame);
    benchmark::DoNotOptimize(frame.constBits());
  }
  int labels = 0;
  for (const QRectF& label : map.LabelRects()) labels += label.isEmpty() ? 0 : 1;
  state.counters["labels"] = labels;
}
// Qt may spread painting over worker threads; count all of their time.
BENCHMARK(BM_DrawWholeMap)
    ->Args({1200, 900})
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return aerolume::bench_support::RunQtBenchmarks(argc, argv);
}
