// The overview's reports from servers on 127.0.0.1: the 104 station files from a
// weather server that takes 100 ms over every answer (six workers, each on a kept-alive
// connection), and all 104 METARs in one request to a Data API. Wall time; counters
// say how many stations came with a report.
#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>
#include <string>
#include <thread>
#include <vector>

#include "../tests/net/loopback_servers.hpp"
#include "overview_reports.hpp"
#include "retrieval/overview_files.hpp"

namespace {

using aerolume::OverviewAnswer;
using aerolume::bench_support::MixedStationReports;
using aerolume::bench_support::StationReport;
using aerolume::testing_support::HttpTestServer;

constexpr auto kAnswerDelay = std::chrono::milliseconds(100);

std::vector<std::string> Codes(const std::vector<StationReport>& stations) {
  std::vector<std::string> codes;
  for (const StationReport& station : stations) codes.push_back(station.code);
  return codes;
}

const StationReport* Find(const std::vector<StationReport>& stations, const std::string& code) {
  for (const StationReport& station : stations) {
    if (station.code == code) return &station;
  }
  return nullptr;
}

// The answers as the overview takes them: a station whose file is missing has none.
void CountReports(benchmark::State& state, const std::vector<OverviewAnswer>& answers) {
  aerolume::StationOverview overview;
  aerolume::ApplyAnswers(overview, answers);
  int withReport = 0;
  for (const aerolume::OverviewStation& station : overview.Stations()) {
    withReport += station.HasReport() ? 1 : 0;
  }
  state.counters["stations"] = static_cast<double>(answers.size());
  state.counters["with_report"] = withReport;
}

void BM_StationFilesFromSlowServer(benchmark::State& state) {
  aerolume::testing_support::NoProxies noProxies;
  const std::vector<StationReport> stations = MixedStationReports();
  HttpTestServer server([&](httplib::Server& routes) {
    routes.Get(R"(/data/observations/metar/stations/(\w+)\.TXT)",
               [&](const httplib::Request& request, httplib::Response& reply) {
                 std::this_thread::sleep_for(kAnswerDelay);
                 const StationReport* station = Find(stations, request.matches[1]);
                 if (station == nullptr || station->report.empty()) {
                   reply.status = 404;
                   reply.set_content("Not Found", "text/html");
                   return;
                 }
                 reply.set_content(aerolume::bench_support::StationFileOf(*station), "text/plain");
               });
  });
  aerolume::DownloadSettings settings;
  settings.serverBase = server.Url("/data");
  const std::vector<std::string> codes = Codes(stations);
  std::vector<OverviewAnswer> answers;
  for (auto _ : state) {
    answers = aerolume::DownloadOverviewFiles(settings, codes, std::stop_token(), {});
  }
  CountReports(state, answers);
}
BENCHMARK(BM_StationFilesFromSlowServer)
    ->Iterations(3)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// The Data API's answer for all stations, in its recorded shape (tests/data/api).
std::string ApiAnswer(const std::vector<StationReport>& stations) {
  std::string json = "[";
  for (const StationReport& station : stations) {
    if (station.report.empty()) continue;
    const auto observed = aerolume::UtcOfTimeLine(station.timeLine)->time_since_epoch();
    if (json.size() > 1) json += ",\n";
    json += R"({"icaoId":")" + station.code + R"(","obsTime":)" +
            std::to_string(std::chrono::duration_cast<std::chrono::seconds>(observed).count()) +
            R"(,"metarType":"METAR","rawOb":"METAR )" + station.report + R"("})";
  }
  return json + "]";
}

void BM_DataApiInOneRequest(benchmark::State& state) {
  aerolume::testing_support::NoProxies noProxies;
  const std::vector<StationReport> stations = MixedStationReports();
  const std::string answer = ApiAnswer(stations);
  HttpTestServer api([&](httplib::Server& routes) {
    routes.Get("/api/data/metar", [&](const httplib::Request&, httplib::Response& reply) {
      reply.set_content(answer, "application/json");
    });
  });
  const std::vector<std::string> codes = Codes(stations);
  std::vector<OverviewAnswer> answers;
  for (auto _ : state) {
    const aerolume::OverviewBatch batch = aerolume::DownloadOverviewFromApi(
        aerolume::DownloadLimits{}, api.Url("/api/data/"), codes, std::stop_token());
    if (!batch.answers) {
      state.SkipWithError(batch.failure.c_str());
      return;
    }
    answers = *batch.answers;
  }
  CountReports(state, answers);
  state.counters["answer_bytes"] = static_cast<double>(answer.size());
}
BENCHMARK(BM_DataApiInOneRequest)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
