// aerolume-cli overview against a Data API and a weather server on 127.0.0.1: a line
// per station (or JSON), the count per category, and the exit status by what failed.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "../api_answer_files.hpp"
#include "../cli_runner.hpp"
#include "loopback_servers.hpp"

namespace aerolume {
namespace {

using testing_support::ApiAnswerFile;
using testing_support::HttpTestServer;
using testing_support::RunCliWords;
using testing_support::TestDataFile;

// A Data API answering the batch with `status` and `body`, and a weather server that
// has RJAA's file only (tests/data/RJAA-metar-1.TXT, 2018-09-26 19:45Z).
struct Servers {
  Servers(int status, std::string body)
      : api([status, body](httplib::Server& routes) {
          routes.Get("/api/metar", [status, body](const httplib::Request&, httplib::Response& r) {
            r.status = status;
            r.set_content(body, "application/json");
          });
        }),
        weather([](httplib::Server& routes) {
          testing_support::ServeOneMetarFile(routes, "RJAA", TestDataFile("RJAA-metar-1.TXT"));
        }) {}
  HttpTestServer api;
  HttpTestServer weather;
};

struct OverviewCase {
  const char* name;
  int apiStatus;
  const char* apiBody;  // "@file" for a file of tests/data/api
  bool noFallback;
  const char* rjaaLine;  // a pattern of RJAA's line
  const char* countLine;
  const char* err;  // the start of what standard error says
};

void PrintTo(const OverviewCase& c, std::ostream* out) {
  *out << c.name;
}

const OverviewCase kCases[] = {
    // metar-batch.json: RJAA 262000Z ... 2500 +RA BR FEW002 SCT026 BKN030 ...
    {"FromTheDataApi", 200, "@metar-batch.json", false,
     R"(RJAA \S+ \| \d+ min \| IFR \| 360 4 kt \| 2500 m \| ceiling 3000 ft)",
     "VFR 1 · MVFR 0 · IFR 2 · LIFR 0 · 不明 101", ""},
    // RJAA-metar-1.TXT: SPECI RJAA 261945Z 36020KT 4000 -SHRA BR FEW003 SCT004 BKN006 ...
    {"StationFilesWithoutTheApi", 200, "[]", true,
     R"(RJAA \S+ \| \d+ min \| IFR \| 360 20 kt \| 4000 m \| ceiling 600 ft)",
     "VFR 0 · MVFR 0 · IFR 1 · LIFR 0 · 不明 103", ""},
    {"StationFilesWhenTheApiFails", 200, "[{\"icaoId\":", false,
     R"(RJAA \S+ \| \d+ min \| IFR \| 360 20 kt \| 4000 m \| ceiling 600 ft)",
     "VFR 0 · MVFR 0 · IFR 1 · LIFR 0 · 不明 103", "Data API: JSON syntax error"},
};

class OverviewCommandTest : public testing::TestWithParam<OverviewCase> {};

TEST_P(OverviewCommandTest, PrintsEveryStationAndTheCounts) {
  const OverviewCase& c = GetParam();
  testing_support::NoProxies noProxies;
  const std::string body = c.apiBody[0] == '@' ? ApiAnswerFile(c.apiBody + 1) : c.apiBody;
  Servers servers(c.apiStatus, body);
  std::vector<std::string> words = {"overview", "--server", servers.weather.Url("/data")};
  if (c.noFallback) {
    words.push_back("--no-fallback");
  } else {
    words.insert(words.end(), {"--fallback", servers.api.Url("/api")});
  }
  const auto run = RunCliWords(words);
  EXPECT_EQ(run.exitCode, 1) << run.err;  // most stations have no report
  EXPECT_TRUE(run.err.starts_with(c.err)) << run.err;
  std::istringstream lines(run.out);
  std::vector<std::string> all;
  for (std::string line; std::getline(lines, line);) all.push_back(line);
  ASSERT_EQ(all.size(), 105u);
  EXPECT_TRUE(std::regex_match(all[0], std::regex(c.rjaaLine))) << all[0];
  EXPECT_EQ(all.back(), c.countLine);
  EXPECT_EQ(all[1], "RJAF 松本空港 | NOT FOUND");
}

INSTANTIATE_TEST_SUITE_P(Sources, OverviewCommandTest, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(OverviewCommand, JsonHoldsEachStationsValuesAndCategory) {
  testing_support::NoProxies noProxies;
  Servers servers(200, ApiAnswerFile("metar-batch.json"));
  const auto run = RunCliWords({"overview", "--json", "--server", servers.weather.Url("/data"),
                                "--fallback", servers.api.Url("/api")});
  EXPECT_EQ(run.exitCode, 1);
  const nlohmann::json list = run.Json();
  ASSERT_EQ(list.size(), 104u);
  const auto station = [&](const std::string& code) {
    for (const auto& entry : list) {
      if (entry["code"] == code) return entry;
    }
    return nlohmann::json();
  };
  // RJTT 022200Z 09024KT 2000 ... FEW004 BKN010, the latest of its two.
  EXPECT_EQ(station("RJTT")["category"], "IFR");
  EXPECT_EQ(station("RJTT")["observed"], "2026-06-02T22:00:00Z");
  EXPECT_EQ(station("RJTT")["values"]["wind"]["speed_kt"], 24);
  EXPECT_TRUE(station("RJBB")["category"].is_null());
  EXPECT_EQ(station("RJBB")["failure"], "NOT FOUND");
}

TEST(OverviewCommand, UsageErrorsExitTwo) {
  EXPECT_EQ(RunCliWords({"overview", "RJTT"}).exitCode, 2);
  EXPECT_EQ(RunCliWords({"overview", "--server", "ftp://example.invalid"}).exitCode, 2);
}

}  // namespace
}  // namespace aerolume
