// aerolume-cli taf-hours against a weather server on 127.0.0.1: the TAF fetched as
// fetch fetches it, then hour by hour; a TAF that is not there exits 1.
#include <gtest/gtest.h>

#include "../api_answer_files.hpp"
#include "../cli_runner.hpp"
#include "loopback_servers.hpp"

namespace aerolume {
namespace {

using testing_support::HttpTestServer;
using testing_support::RunCliWords;
using testing_support::TestDataFile;

// RJAA's METAR and TAF files as the weather server keeps them (tests/data), the TAF
// answered with `tafStatus`.
std::function<void(httplib::Server&)> RjaaFiles(int tafStatus) {
  return [tafStatus](httplib::Server& routes) {
    routes.Get("/data/observations/metar/stations/RJAA.TXT",
               [](const httplib::Request&, httplib::Response& reply) {
                 reply.set_content(TestDataFile("RJAA-metar-1.TXT"), "text/plain");
               });
    routes.Get("/data/forecasts/taf/stations/RJAA.TXT", [tafStatus](const httplib::Request&,
                                                                    httplib::Response& reply) {
      reply.status = tafStatus;
      reply.set_content(tafStatus == 200 ? TestDataFile("RJAA-taf-2.TXT") : "gone", "text/plain");
    });
  };
}

testing_support::CliRun TafHours(const HttpTestServer& server, std::vector<std::string> extra) {
  testing_support::NoProxies noProxies;
  std::vector<std::string> words{"taf-hours", "--server", server.Url("/data")};
  words.insert(words.end(), extra.begin(), extra.end());
  words.push_back("rjaa");
  return RunCliWords(words);
}

// RJAA-taf-2.TXT (japan-taf.txt, RJAA 261705Z): valid 2618/2800, 30 hours.
TEST(TafHoursCommandTest, PrintsTheReportThenEachHour) {
  HttpTestServer server(RjaaFiles(200));
  const auto run = TafHours(server, {});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_TRUE(run.out.starts_with(
      "TAF RJAA 261705Z 2618/2800 12006KT 9999 -SHRA FEW005 BKN012 TEMPO 2618/2620 4000 "))
      << run.out;
  EXPECT_NE(run.out.find("\n2026-06-27 03:00 JST | MVFR | 120 6 kt | 10 km or more | -SHRA | "
                         "ceiling 1200 ft\n"
                         "    TEMPO: IFR | 120 6 kt | 4000 m | -SHRA BR | ceiling 800 ft\n"
                         "2026-06-27 04:00 JST"),
            std::string::npos)
      << run.out;
  EXPECT_TRUE(
      run.out.ends_with("    TEMPO: IFR | 070 6 kt | 10 km or more | -SHRA | "
                        "ceiling 500 ft\n"))
      << run.out;
}

TEST(TafHoursCommandTest, JsonHoldsEveryHour) {
  HttpTestServer server(RjaaFiles(200));
  const auto run = TafHours(server, {"--json"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const nlohmann::json taf = run.Json();
  EXPECT_EQ(taf["station"], "RJAA");
  EXPECT_EQ(taf["issued"], "2026-06-26T17:05:00Z");
  ASSERT_EQ(taf["hours"].size(), 30u);
  EXPECT_EQ(taf["hours"][0]["time_jst"], "2026-06-27 03:00");
  EXPECT_EQ(taf["hours"][0]["worst_category"], "IFR");
}

TEST(TafHoursCommandTest, NoTafExitsOne) {
  HttpTestServer server(RjaaFiles(404));
  const auto run = TafHours(server, {"--no-fallback"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "TAF: NOT FOUND\n");
}

TEST(TafHoursCommandTest, UsageErrorsExitTwo) {
  EXPECT_EQ(RunCliWords({"taf-hours"}).exitCode, 2);
  EXPECT_EQ(RunCliWords({"taf-hours", "RJAA", "RJTT"}).exitCode, 2);
  EXPECT_EQ(RunCliWords({"taf-hours", "XXXX"}).exitCode, 2);
  EXPECT_EQ(RunCliWords({"taf-hours", "--server", "ftp://example.invalid", "RJAA"}).exitCode, 2);
}

}  // namespace
}  // namespace aerolume
