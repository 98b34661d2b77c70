// The Data API standing in for a weather server that fails, against servers on
// 127.0.0.1: the answers in tests/data/api are real reports in the API's shape.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "../api_answer_files.hpp"
#include "../cli_runner.hpp"
#include "loopback_servers.hpp"
#include "retrieval/report_download.hpp"

namespace aerolume {
namespace {

using testing_support::ApiAnswerFile;
using testing_support::HttpTestServer;
using testing_support::LoopbackUrl;
using testing_support::UnusedPort;

// One answer of the API: its status and, for 200, its body ("@file" for a test file).
struct ApiAnswer {
  int status = 200;
  std::string body;
};

// The Data API, answering each report's request with the answer given for it.
std::function<void(httplib::Server&)> DataApi(ApiAnswer metar, ApiAnswer taf) {
  return [metar, taf](httplib::Server& routes) {
    const auto serve = [](const ApiAnswer& answer) {
      return [answer](const httplib::Request&, httplib::Response& response) {
        response.status = answer.status;
        const std::string body =
            answer.body.starts_with('@') ? ApiAnswerFile(answer.body.substr(1)) : answer.body;
        if (!body.empty()) response.set_content(body, "application/json");
      };
    };
    routes.Get("/api/data/metar", serve(metar));
    routes.Get("/api/data/taf", serve(taf));
  };
}

// A weather server that answers every file with one status.
std::function<void(httplib::Server&)> ServerAnswering(int status) {
  return [status](httplib::Server& routes) {
    routes.Get(".*", [status](const httplib::Request&, httplib::Response& response) {
      response.status = status;
      response.set_content(status == 404 ? "Not Found" : "<html>Error</html>", "text/html");
    });
  };
}

std::string DownServer() {
  return LoopbackUrl(UnusedPort(), "/data");
}

DownloadResult Download(const std::string& server, const std::string& api) {
  testing_support::NoProxies noProxies;
  DownloadSettings settings;
  settings.serverBase = server;
  settings.fallbackBase = api;
  return DownloadStationFiles("RJTT", settings);
}

const std::string kLatestMetar =
    "2026/06/02 22:00 RJTT 022200Z 09024KT 2000 R34L/P2000N R22/2000N R34R/1800D R05/P2000N "
    "+SHRA BR FEW004 BKN010 19/18 Q1000 BECMG 08034KT TEMPO 08034G44KT 1500 +SHRA BR FEW003 "
    "BKN005";
const std::string kAmendedTaf =
    "2026/08/22 08:37 TAF AMD RJTT 220837Z 2208/2312 14006KT 6000 -SHRA FEW008 BKN015 TEMPO "
    "2208/2210 1500 +TSRA BR FEW003 BKN008 SCT020CB TEMPO 2210/2212 3000 TSRA BR FEW008 BKN015 "
    "SCT020CB TEMPO 2212/2214 4000 -TSRA BR FEW008 BKN015 FEW020CB BECMG 2213/2215 05010KT "
    "BECMG 2300/2303 07010KT";

struct StandInCase {
  const char* name;
  int serverStatus;  // 0: nothing listens
  ApiAnswer metar;
  ApiAnswer taf;
  std::string metarText;
  std::string tafText;
};

void PrintTo(const StandInCase& c, std::ostream* out) {
  *out << c.name;
}

class FallbackStandsInTest : public testing::TestWithParam<StandInCase> {};

TEST_P(FallbackStandsInTest, ReportsComeFromTheApi) {
  const StandInCase& c = GetParam();
  std::optional<HttpTestServer> server;
  if (c.serverStatus != 0) server.emplace(ServerAnswering(c.serverStatus));
  HttpTestServer api(DataApi(c.metar, c.taf));
  const DownloadResult result =
      Download(server ? server->Url("/data") : DownServer(), api.Url("/api/data/"));
  EXPECT_TRUE(result.Succeeded());
  EXPECT_EQ(result.metarText, c.metarText);
  EXPECT_EQ(result.tafText, c.tafText);
  EXPECT_EQ(result.metarOrigin, ReportOrigin::Fallback);
  EXPECT_EQ(result.tafOrigin, ReportOrigin::Fallback);
  const auto requests = api.Requests();
  ASSERT_EQ(requests.size(), 2u);
  // Both files are fetched at once: either request may come first.
  std::vector<std::string> paths{requests[0].path, requests[1].path};
  std::sort(paths.begin(), paths.end());
  EXPECT_EQ(paths, (std::vector<std::string>{"/api/data/metar", "/api/data/taf"}));
  EXPECT_EQ(requests[0].userAgent, "Aerolume");
}

const StandInCase kStandInCases[] = {
    {"ServerDownIsoTimes",
     0,
     {200, "@metar-RJTT.json"},
     {200, "@taf-RJTT-iso.json"},
     kLatestMetar,
     kAmendedTaf},
    {"ServerDownUnixAndSpacedTimes",
     0,
     {200, "@metar-RJTT.json"},
     {200, "@taf-RJTT-unix.json"},
     kLatestMetar,
     kAmendedTaf},
    {"ServerDownSpeci",
     0,
     {200, "@metar-RJTT-speci.json"},
     {204, ""},
     "2018/09/30 15:45 RJTT 301545Z 19038G56KT 3000 R34L/M0050VP2000U R22/0400VP2000U "
     "R16L/0450VP2000U R23/0400V1000D SHRA BR FEW005 SCT015 BKN020 25/24 Q0982 RMK 1ST005 "
     "3CU015 6CU020 A2900",
     "404"},
    {"ServerDownApiHasNothing", 0, {204, ""}, {200, "[]"}, "404", "404"},
    {"Server503",
     503,
     {200, "@metar-RJTT.json"},
     {200, "@taf-RJTT-iso.json"},
     kLatestMetar,
     kAmendedTaf},
    {"Server403",
     403,
     {200, "@metar-RJTT.json"},
     {200, "@taf-RJTT-iso.json"},
     kLatestMetar,
     kAmendedTaf},
};

INSTANTIATE_TEST_SUITE_P(Fallback, FallbackStandsInTest, testing::ValuesIn(kStandInCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FallbackRequestTest, AsksForTheStationAsJson) {
  HttpTestServer api([](httplib::Server& routes) {
    routes.Get(".*", [](const httplib::Request& request, httplib::Response& response) {
      response.set_content(request.target, "text/plain");  // unreadable, but tells the target
    });
  });
  const std::string base = api.Url("/api/data");
  const DownloadResult result = Download(DownServer(), base);
  ASSERT_EQ(result.failures.size(), 2u);
  ASSERT_TRUE(result.failures[0].fallback);
  EXPECT_EQ(result.failures[0].fallback->url, base + "/metar?ids=RJTT&format=json&hours=3");
  EXPECT_EQ(result.failures[1].fallback->url, base + "/taf?ids=RJTT&format=json");
  std::vector<std::string> paths;
  for (const auto& request : api.Requests()) paths.push_back(request.path);
  std::sort(paths.begin(), paths.end());  // asked at once, in either order
  EXPECT_EQ(paths, (std::vector<std::string>{"/api/data/metar", "/api/data/taf"}));
}

struct BothFailCase {
  const char* name;
  ApiAnswer answer;  // for both reports
  std::string cause;
  std::string words;
};

void PrintTo(const BothFailCase& c, std::ostream* out) {
  *out << c.name;
}

class FallbackFailsTest : public testing::TestWithParam<BothFailCase> {};

TEST_P(FallbackFailsTest, MessageNamesBothAddressesAndCauses) {
  const BothFailCase& c = GetParam();
  HttpTestServer api(DataApi(c.answer, c.answer));
  const std::string server = DownServer();
  const DownloadResult result = Download(server, api.Url("/api/data"));
  EXPECT_FALSE(result.Succeeded());
  EXPECT_EQ(result.metarText, "");
  ASSERT_EQ(result.failures.size(), 2u);
  const std::string message = FailureMessageText(result.failures[0]);
  const std::string serverPart = "InternetOpenUrl(hInternet, ...) Error\nMETAR: " + server +
                                 "/observations/metar/stations/RJTT.TXT\n接続が拒否されました (";
  const std::string apiPart = ")\n予備の配信元: " + api.Url("/api/data") +
                              "/metar?ids=RJTT&format=json&hours=3\n" + c.cause + " (" + c.words;
  EXPECT_TRUE(message.starts_with(serverPart)) << message;
  EXPECT_NE(message.find(apiPart), std::string::npos) << message;
  EXPECT_TRUE(message.ends_with(")")) << message;
}

const BothFailCase kBothFailCases[] = {
    {"TooManyRequests", {429, "{}"}, "要求が多すぎます", "HTTP 429"},
    {"ServerError", {502, ""}, "サーバーがエラーを返しました", "HTTP 502"},
    {"NotFoundAtApi", {404, ""}, "サーバーが報告を返しません", "HTTP 404"},
    {"MalformedJson",
     {200, "[{\"rawOb\": \"RJTT"},
     "応答を読み取れません",
     "JSON syntax error at byte 17"},
    {"WrongShape",
     {200, R"({"metar":{"rawOb":"RJTT 022200Z"}})"},
     "応答を読み取れません",
     "JSON: expected an array of reports"},
    {"OneMegabyte",
     {200, "[" + std::string(1 << 20, ' ') + "]"},
     "応答が大きすぎます(64KiB超)",
     ""},
};

INSTANTIATE_TEST_SUITE_P(Fallback, FallbackFailsTest, testing::ValuesIn(kBothFailCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A 404 says the station issues no such report: the API is not asked.
TEST(FallbackNotAskedTest, ServerNotFoundOrNoFallback) {
  HttpTestServer server(ServerAnswering(404));
  HttpTestServer api(DataApi({200, "@metar-RJTT.json"}, {200, "@taf-RJTT-iso.json"}));
  const DownloadResult notFound = Download(server.Url("/data"), api.Url("/api/data"));
  EXPECT_TRUE(notFound.Succeeded());
  EXPECT_EQ(notFound.metarText, "404");
  EXPECT_EQ(notFound.tafText, "404");
  EXPECT_EQ(notFound.metarOrigin, ReportOrigin::Primary);

  // A server error with no second source stays the status text it always was.
  HttpTestServer failing(ServerAnswering(503));
  const DownloadResult alone = Download(failing.Url("/data"), "");
  EXPECT_TRUE(alone.Succeeded());
  EXPECT_EQ(alone.metarText, "503");
  EXPECT_TRUE(api.Requests().empty());
}

// A server error and a failing API: the status is no longer shown as the report, the
// message says what both did.
TEST(FallbackNotAskedTest, ServerStatusAndApiFailureBecomeOneMessage) {
  HttpTestServer server(ServerAnswering(503));
  HttpTestServer api(DataApi({429, ""}, {429, ""}));
  const DownloadResult result = Download(server.Url("/data"), api.Url("/api/data"));
  ASSERT_EQ(result.failures.size(), 2u);
  EXPECT_EQ(FailureMessageText(result.failures[1]),
            "InternetOpenUrl(hInternet, ...) Error\nTAF: " + server.Url("/data") +
                "/forecasts/taf/stations/RJTT.TXT\nサーバーがエラーを返しました (HTTP 503)\n"
                "予備の配信元: " +
                api.Url("/api/data") + "/taf?ids=RJTT&format=json\n要求が多すぎます (HTTP 429)");
}

TEST(ChooseFallbackBaseTest, OptionsDecide) {
  const std::string mirror = "http://mirror/api";
  EXPECT_EQ(ChooseFallbackBase(false, std::nullopt, false), kDefaultFallbackBase);
  EXPECT_EQ(ChooseFallbackBase(true, std::nullopt, false), "");  // a mirror is its user's choice
  EXPECT_EQ(ChooseFallbackBase(true, mirror, false), mirror);
  EXPECT_EQ(ChooseFallbackBase(false, std::nullopt, true), "");
  EXPECT_EQ(ChooseFallbackBase(true, mirror, true), "");  // --no-fallback wins
}

// aerolume-cli fetch: where each report came from, and --no-fallback.
TEST(FetchFallbackTest, JsonSaysWhereEachReportCameFrom) {
  testing_support::NoProxies noProxies;
  HttpTestServer api(DataApi({200, "@metar-RJTT.json"}, {204, ""}));
  const std::vector<std::string> words{
      "fetch", "--json", "--server", DownServer(), "--fallback", api.Url("/api/data"), "RJTT"};
  const auto run = testing_support::RunCliWords(words);
  EXPECT_EQ(run.exitCode, 1) << "the TAF reads NOT FOUND";
  EXPECT_EQ(run.err, "");
  const nlohmann::json fetched = run.Json();
  EXPECT_EQ(fetched["ok"], true);
  EXPECT_EQ(fetched["metar"]["source"], "fallback");
  EXPECT_EQ(fetched["metar"]["time"], "2026/06/03 07:00");
  EXPECT_EQ(fetched["metar"]["raw"].get<std::string>().substr(0, 26), "RJTT 022200Z 09024KT 2000 ");
  EXPECT_EQ(fetched["taf"]["source"], "fallback");
  EXPECT_EQ(fetched["taf"]["time"], "NOT FOUND");

  std::vector<std::string> noFallback = words;
  noFallback.insert(noFallback.end() - 1, "--no-fallback");
  const nlohmann::json refused = testing_support::RunCliWords(noFallback).Json();
  EXPECT_EQ(refused["ok"], false);
  EXPECT_TRUE(refused["details"][0]["fallback"].is_null());
  EXPECT_EQ(api.Requests().size(), 2u) << "only the first run asked the API";
}

// The Data API's strings are a stranger's too: its JSON escapes can carry a C1 CSI or a
// direction override into the report, which the terminal must not get.
TEST(FetchFallbackTest, ApiStringsNeverActOnTheTerminal) {
  testing_support::NoProxies noProxies;
  const std::string metar = R"([{"icaoId":"RJTT","obsTime":1768446000,)"
                            R"("rawOb":"METAR RJTT 150300Z \u009b2J \u202e34005KT 9999"}])";
  HttpTestServer api(DataApi({200, metar}, {204, ""}));
  const std::vector<std::string> words{"fetch",      "--server",           DownServer(),
                                       "--fallback", api.Url("/api/data"), "RJTT"};
  const auto text = testing_support::RunCliWords(words);
  EXPECT_NE(text.out.find("raw: RJTT 150300Z \uFFFD2J \uFFFD34005KT 9999\n"), std::string::npos)
      << text.out;
  std::vector<std::string> json = words;
  json.insert(json.begin() + 1, "--json");
  const auto escaped = testing_support::RunCliWords(json);
  EXPECT_NE(escaped.out.find(R"(RJTT 150300Z \u009b2J \u202e34005KT 9999)"), std::string::npos)
      << escaped.out;
}

TEST(FetchFallbackTest, BothFailingInJsonDetails) {
  testing_support::NoProxies noProxies;
  HttpTestServer api(DataApi({429, ""}, {429, ""}));
  const auto run = testing_support::RunCliWords(
      {"fetch", "--json", "--server", DownServer(), "--fallback", api.Url("/api/data"), "RJTT"});
  const nlohmann::json detail = run.Json()["details"][1];
  EXPECT_EQ(detail["fallback"],
            (nlohmann::json{{"url", api.Url("/api/data/taf?ids=RJTT&format=json")},
                            {"cause", "要求が多すぎます"},
                            {"curl", "HTTP 429"}}));
  EXPECT_NE(run.err.find("\n予備の配信元: " + api.Url("/api/data/metar")), std::string::npos)
      << run.err;
}

}  // namespace
}  // namespace aerolume
