// All stations' METARs in one request to a Data API on 127.0.0.1: what came goes into
// the overview station by station, and what did not is marked there.
#include "retrieval/overview_download.hpp"

#include <gtest/gtest.h>

#include <mutex>
#include <string>
#include <vector>

#include "../api_answer_files.hpp"
#include "loopback_servers.hpp"
#include "stations/station_catalogue.hpp"

namespace aerolume {
namespace {

using testing_support::ApiAnswerFile;
using testing_support::HttpTestServer;

std::vector<std::string> CatalogueCodes() {
  std::vector<std::string> codes;
  for (std::string_view entry : StationCatalogue()) codes.emplace_back(StationCode(entry));
  return codes;
}

struct BatchCase {
  const char* name;
  int status;
  const char* body;  // "@file" for a file of tests/data/api
  bool answered;     // every station gets an answer; otherwise the request failed as a whole
  std::vector<std::pair<const char*, const char*>> reports;  // station, its report's time line
  const char* unreadableStation;  // a station whose entry alone is bad, or nullptr
};

void PrintTo(const BatchCase& c, std::ostream* out) {
  *out << c.name;
}

// metar-batch.json: RJAA's METARs of 18:00 and 20:00, RJFK's SPECI of 21:46 and METAR
// of 22:00, RJTT's two recorded METARs; the latest of each wins, the rest are missing.
const BatchCase kBatchCases[] = {
    {"RecordedShape",
     200,
     "@metar-batch.json",
     true,
     {{"RJAA", "2026/06/26 20:00"}, {"RJFK", "2018/09/13 22:00"}, {"RJTT", "2026/06/02 22:00"}},
     nullptr},
    {"EmptyArray", 200, "[]", true, {}, nullptr},
    {"OneBadTimeCostsItsStation",
     200,
     R"([{"icaoId":"RJAA","obsTime":"soon","rawOb":"METAR RJAA 262000Z CAVOK"},
         {"icaoId":"RJTT","obsTime":1780437600,"rawOb":"METAR RJTT 022200Z 09024KT CAVOK"}])",
     true,
     {{"RJTT", "2026/06/02 22:00"}},
     "RJAA"},
    {"InvalidJson", 200, "[{\"icaoId\":", false, {}, nullptr},
    {"NotAnArray", 200, "{\"error\":\"too many ids\"}", false, {}, nullptr},
    {"ServerError", 500, "", false, {}, nullptr},
};

class OverviewBatchTest : public testing::TestWithParam<BatchCase> {};

TEST_P(OverviewBatchTest, EachStationGetsWhatCameForIt) {
  const BatchCase& c = GetParam();
  std::mutex mutex;
  std::string ids;
  std::string format;
  HttpTestServer api([&](httplib::Server& routes) {
    routes.Get("/api/data/metar", [&](const httplib::Request& request, httplib::Response& reply) {
      {
        std::lock_guard lock(mutex);
        ids = request.get_param_value("ids");
        format = request.get_param_value("format");
      }
      reply.status = c.status;
      const std::string body = c.body[0] == '@' ? ApiAnswerFile(c.body + 1) : c.body;
      reply.set_content(body, "application/json");
    });
  });
  const std::vector<std::string> codes = CatalogueCodes();
  const OverviewBatch batch =
      DownloadOverviewFromApi(DownloadLimits{}, api.Url("/api/data/"), codes, std::stop_token());

  const auto requests = api.Requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].userAgent, "Aerolume");
  {
    std::lock_guard lock(mutex);
    EXPECT_EQ(ids.substr(0, 10), "RJAA,RJAF,");
    EXPECT_EQ(std::count(ids.begin(), ids.end(), ','), 103);
    EXPECT_EQ(format, "json");
  }
  EXPECT_FALSE(batch.stopped);
  ASSERT_EQ(batch.answers.has_value(), c.answered) << batch.failure;
  if (!c.answered) {
    EXPECT_FALSE(batch.failure.empty());
    return;
  }
  StationOverview overview;
  ApplyAnswers(overview, *batch.answers);
  int reported = 0;
  for (const OverviewStation& station : overview.Stations()) {
    if (station.HasReport()) ++reported;
  }
  EXPECT_EQ(reported, static_cast<int>(c.reports.size()));
  for (const auto& [code, timeLine] : c.reports) {
    const OverviewStation& station = *overview.Find(code);
    ASSERT_TRUE(station.HasReport()) << code << ": " << station.failure;
    EXPECT_EQ(IsoUtc(*station.observed).substr(0, 16),
              std::string(timeLine).replace(4, 1, "-").replace(7, 1, "-").replace(10, 1, "T"));
    EXPECT_TRUE(station.report.starts_with(code)) << station.report;
    EXPECT_FALSE(station.report.ends_with('\n')) << station.report;
  }
  if (const OverviewStation* rjfk = overview.Find("RJFK"); rjfk->HasReport()) {
    EXPECT_EQ(rjfk->values.qnhHectopascal, 1016.0) << "the report's last group is read too";
  }
  EXPECT_EQ(overview.Find("RJBB")->failure, "NOT FOUND");
  if (c.unreadableStation != nullptr) {
    EXPECT_NE(overview.Find(c.unreadableStation)->failure.find("obsTime"), std::string::npos);
  }
}

INSTANTIATE_TEST_SUITE_P(Answers, OverviewBatchTest, testing::ValuesIn(kBatchCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(OverviewBatchUrl, NamesEveryStationOnce) {
  const std::vector<std::string> codes = {"RJAA", "RJTT", "ROAH"};
  EXPECT_EQ(ApiMetarBatchUrl("https://example.invalid/api/data/", codes),
            "https://example.invalid/api/data/metar?ids=RJAA,RJTT,ROAH&format=json");
}

}  // namespace
}  // namespace aerolume
