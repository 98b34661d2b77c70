// aerolume-cli watch against a Data API and a weather server on 127.0.0.1: one check
// with its exit status, and a watch that prints exactly the changes of a sequence.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
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

// A weather server with RJAA's file only (tests/data/RJAA-metar-1.TXT:
// RJAA 261945Z 36020KT 4000 -SHRA BR FEW003 SCT004 BKN006 ..., IFR).
HttpTestServer RjaaOnlyServer() {
  return HttpTestServer([](httplib::Server& routes) {
    testing_support::ServeOneMetarFile(routes, "RJAA", TestDataFile("RJAA-metar-1.TXT"));
  });
}

struct OnceCase {
  const char* name;
  std::vector<std::string> words;  // after "watch"
  int exitCode;
  const char* out;
};

void PrintTo(const OnceCase& c, std::ostream* out) {
  *out << c.name;
}

class WatchOnceTest : public testing::TestWithParam<OnceCase> {};

TEST_P(WatchOnceTest, ExitsByWhatItFound) {
  const OnceCase& c = GetParam();
  testing_support::NoProxies noProxies;
  const HttpTestServer weather = RjaaOnlyServer();
  std::vector<std::string> words = {"watch", "--no-fallback", "--server", weather.Url("/data")};
  words.insert(words.end(), c.words.begin(), c.words.end());
  const auto run = RunCliWords(words);
  EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
  EXPECT_EQ(run.out, c.out);
}

INSTANTIATE_TEST_SUITE_P(
    Statuses, WatchOnceTest,
    testing::Values(
        OnceCase{"WithinLimits",
                 {"RJAA", "--category", "IFR"},
                 0,
                 "RJAA 成田国際空港: 限度内 (261945Z)\n"},
        OnceCase{"Crossed",
                 {"rjaa", "--category", "MVFR", "--ceiling", "500", "--once"},
                 3,
                 "RJAA 成田国際空港: IFR (雲底 600フィート、視程 4000m)\n"},
        OnceCase{"NotFetched",
                 {"RJAA", "RJTT", "--category", "IFR"},
                 1,
                 "RJAA 成田国際空港: 限度内 (261945Z)\nRJTT 東京国際空港（羽田）: 取得失敗 (NOT "
                 "FOUND)\n"},
        OnceCase{
            "CrossedWinsOverNotFetched",
            {"RJTT", "RJAA", "--visibility", "5000"},
            3,
            "RJTT 東京国際空港（羽田）: 取得失敗 (NOT FOUND)\nRJAA 成田国際空港: 視程 4000m (限度 "
            "5000m)\n"},
        OnceCase{"NoLimit", {"RJAA"}, 2, ""},
        OnceCase{"UnknownStation", {"XXXX", "--thunder"}, 2, ""},
        OnceCase{"BadCategory", {"RJAA", "--category", "LIFR"}, 2, ""},
        OnceCase{"OnceAndInterval", {"RJAA", "--speci", "--once", "--interval", "1"}, 2, ""},
        OnceCase{"ChecksWithoutInterval", {"RJAA", "--speci", "--checks", "2"}, 2, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WatchOnce, AsksTheDataApiOnceForAllStations) {
  testing_support::NoProxies noProxies;
  const HttpTestServer weather = RjaaOnlyServer();
  const HttpTestServer api([](httplib::Server& routes) {
    routes.Get("/api/metar", [](const httplib::Request&, httplib::Response& reply) {
      reply.set_content(ApiAnswerFile("metar-batch.json"), "application/json");
    });
  });
  // metar-batch.json: RJTT 022200Z 09024KT 2000 ...: 24 sin 47.6° = 17.7 kt across 05 (42.4°).
  const auto run = RunCliWords({"watch", "RJTT", "RJAA", "--crosswind", "15", "--json", "--server",
                                weather.Url("/data"), "--fallback", api.Url("/api")});
  EXPECT_EQ(run.exitCode, 3) << run.err;
  ASSERT_EQ(api.Requests().size(), 1u);
  EXPECT_TRUE(weather.Requests().empty());
  const nlohmann::json answer = run.Json();
  EXPECT_EQ(answer["crossed"], true);
  EXPECT_EQ(answer["failed"], false);
  const nlohmann::json& rjtt = answer["stations"][0];
  EXPECT_EQ(rjtt["code"], "RJTT");
  EXPECT_EQ(rjtt["within_limits"], false);
  EXPECT_EQ(rjtt["crossed"][0]["limit"], "crosswind");
  EXPECT_EQ(rjtt["crossed"][0]["text"], "横風 18KT (RWY05, 限度 15KT)");
  EXPECT_EQ(answer["stations"][1]["within_limits"], true);  // 360° 4 kt on 34L/34R
}

// A weather server whose RJAA file is the next of `reports` at each request (the last
// one once they run out), each observed `ageMinutes` before now.
struct ScriptedReport {
  int ageMinutes;
  const char* report;
};

std::string FileAtAge(const ScriptedReport& scripted) {
  const auto time = std::chrono::floor<std::chrono::minutes>(std::chrono::system_clock::now()) -
                    std::chrono::minutes(scripted.ageMinutes);
  const auto day = std::chrono::floor<std::chrono::days>(time);
  const std::chrono::year_month_day date{day};
  const std::chrono::hh_mm_ss clock{time - day};
  char line[32];
  std::snprintf(line, sizeof line, "%04d/%02u/%02u %02d:%02d\n", int(date.year()),
                unsigned(date.month()), unsigned(date.day()), int(clock.hours().count()),
                int(clock.minutes().count()));
  return line + std::string(scripted.report) + '\n';
}

// japan-metar.txt:40-42, RJAA on 2026-08-11, then line 40's report once more.
const std::vector<ScriptedReport> kSequence = {
    {50, "RJAA 110830Z 26010KT 210V290 8000 -SHRA FEW020 BKN040 23/20 Q0991"},
    {40, "RJAA 111030Z 26011G22KT 230V300 3000 SHRA BR FEW005 BKN008 22/21 Q0989"},
    {30, "RJAA 111100Z 24011KT 210V280 8000 -SHRA FEW005 BKN012 22/21 Q0989"},
    {20, "RJAA 110830Z 26010KT 210V290 8000 -SHRA FEW020 BKN040 23/20 Q0991"},
};

std::vector<std::string> Lines(const std::string& text) {
  std::istringstream stream(text);
  std::vector<std::string> lines;
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

TEST(WatchInterval, PrintsExactlyTheChanges) {
  for (const bool json : {false, true}) {
    testing_support::NoProxies noProxies;
    std::vector<std::string> files;
    for (const ScriptedReport& scripted : kSequence) files.push_back(FileAtAge(scripted));
    std::atomic<std::size_t> served = 0;
    const HttpTestServer weather([&](httplib::Server& routes) {
      routes.Get("/data/observations/metar/stations/RJAA.TXT",
                 [&](const httplib::Request&, httplib::Response& reply) {
                   const std::size_t next = served++;
                   reply.set_content(files[std::min(next, files.size() - 1)], "text/plain");
                 });
    });
    std::vector<std::string> words = {"watch",         "RJAA",     "--category",        "MVFR",
                                      "--interval",    "0.0005",   "--checks",          "5",
                                      "--no-fallback", "--server", weather.Url("/data")};
    if (json) words.push_back("--json");
    const auto run = RunCliWords(words);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(served, 5u);
    if (!json) {
      EXPECT_EQ(run.out,
                "RJAA 成田国際空港: MVFR → IFR (雲底 800フィート、視程 3000m)\n"
                "RJAA 成田国際空港: 回復 IFR → MVFR (視程 8000m)\n");
      continue;
    }
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 2u) << run.out;
    const nlohmann::json crossed = nlohmann::json::parse(lines[0]);
    const nlohmann::json cleared = nlohmann::json::parse(lines[1]);
    EXPECT_EQ(crossed["event"], "crossed");
    EXPECT_EQ(crossed["limit"], "category");
    EXPECT_EQ(crossed["code"], "RJAA");
    EXPECT_EQ(cleared["event"], "cleared");
    EXPECT_EQ(cleared["message"], "RJAA 成田国際空港: 回復 IFR → MVFR (視程 8000m)");
  }
}

TEST(WatchInterval, AStationWithoutAReportIsNotedOnceAndAlertsNobody) {
  testing_support::NoProxies noProxies;
  const HttpTestServer weather = RjaaOnlyServer();
  const auto run = RunCliWords({"watch", "RJTT", "--thunder", "--interval", "0.0005", "--checks",
                                "3", "--no-fallback", "--server", weather.Url("/data")});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "RJTT 東京国際空港（羽田）: 取得失敗 (NOT FOUND)\n");
  EXPECT_EQ(weather.Requests().size(), 3u);
}

}  // namespace
}  // namespace aerolume
