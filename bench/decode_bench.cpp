// The decoder's throughput on the real reports of the shared corpus, on one core:
// the whole path of one report as the program shows it (the station file to the issue
// time, raw and decoded text, and wind), and the decoder alone on groups already split.
// Counters: reports and groups per second.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "../tests/corpus_station_files.hpp"
#include "decoder/decode_report.hpp"
#include "retrieval/report_display.hpp"
#include "retrieval/station_file.hpp"

namespace {

using aerolume::cli::LineStationFile;

const std::vector<LineStationFile>& CorpusFiles() {
  static const std::vector<LineStationFile> files =
      aerolume::testing_support::CorpusStationFiles(AEROLUME_CORPUS_DIR);
  return files;
}

struct SplitReport {
  std::string stationCode;
  bool isMetar = true;
  aerolume::GroupList groups;
};

const std::vector<SplitReport>& SplitReports() {
  static const std::vector<SplitReport> reports = [] {
    std::vector<SplitReport> split;
    for (const LineStationFile& file : CorpusFiles()) {
      split.push_back({file.stationCode, !file.isTaf,
                       aerolume::SplitReportGroups(aerolume::BodyOf(file.text), file.stationCode)});
    }
    return split;
  }();
  return reports;
}

std::size_t GroupCount() {
  std::size_t groups = 0;
  for (const SplitReport& report : SplitReports()) groups += report.groups.size();
  return groups;
}

void SetRates(benchmark::State& state) {
  const auto passes = static_cast<double>(state.iterations());
  state.counters["reports/s"] = benchmark::Counter(
      passes * static_cast<double>(SplitReports().size()), benchmark::Counter::kIsRate);
  state.counters["groups/s"] =
      benchmark::Counter(passes * static_cast<double>(GroupCount()), benchmark::Counter::kIsRate);
}

// What choosing a station costs for its reports: ComposeReport and the wind, per report.
void BM_ReportPath(benchmark::State& state) {
  const std::vector<LineStationFile>& files = CorpusFiles();
  for (auto _ : state) {
    for (const LineStationFile& file : files) {
      aerolume::ReportState report;
      report.m_stationCode = file.stationCode;
      const aerolume::ShownReport shown = aerolume::ComposeReport(
          report, file.isTaf ? aerolume::ReportKind::Taf : aerolume::ReportKind::Metar, file.text);
      benchmark::DoNotOptimize(shown);
      benchmark::DoNotOptimize(report.Wind());
    }
  }
  SetRates(state);
}
BENCHMARK(BM_ReportPath)->Unit(benchmark::kMillisecond);

// The rule table alone: groups already split, the decoded text joined.
void BM_DecoderOnSplitGroups(benchmark::State& state) {
  const std::vector<SplitReport>& reports = SplitReports();
  for (auto _ : state) {
    for (const SplitReport& split : reports) {
      aerolume::ReportState report;
      report.m_stationCode = split.stationCode;
      report.m_timeLine = aerolume::testing_support::kCorpusTimeLine;
      benchmark::DoNotOptimize(aerolume::DecodeReport(report, split.isMetar, split.groups));
    }
  }
  SetRates(state);
}
BENCHMARK(BM_DecoderOnSplitGroups)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
