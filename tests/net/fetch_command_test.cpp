#include <gtest/gtest.h>

#include <sstream>

#include "../cli_runner.hpp"
#include "loopback_servers.hpp"

namespace aerolume {
namespace {

using testing_support::HttpTestServer;
using testing_support::RunCliWords;
using testing_support::StationFile;

const std::string kMetarFile =
    StationFile("2012/05/06 12:00", "RJTT 061200Z 34005KT 300V020 9999 FEW020 25/18 Q1012");
const std::string kTafFile =
    StationFile("2012/05/06 05:00", "TAF RJTT 060500Z 0606/0712 18010KT 9999 FEW020");

// The station files of RJTT as a static file server keeps them; without a METAR
// file when `withMetar` is false.
std::function<void(httplib::Server&)> StaticFiles(bool withMetar) {
  return [withMetar](httplib::Server& routes) {
    routes.Get("/pub/data/observations/metar/stations/RJTT.TXT",
               [withMetar](const httplib::Request&, httplib::Response& response) {
                 if (withMetar) {
                   response.set_content(kMetarFile, "text/plain");
                 } else {
                   response.status = 404;
                   response.set_content("File not found", "text/html");
                 }
               });
    routes.Get("/pub/data/forecasts/taf/stations/RJTT.TXT",
               [](const httplib::Request&, httplib::Response& response) {
                 response.set_content(kTafFile, "text/plain");
               });
  };
}

testing_support::CliRun Fetch(const std::string& server, std::vector<std::string> extra = {}) {
  testing_support::NoProxies noProxies;
  std::vector<std::string> words{"fetch", "--server", server};
  words.insert(words.end(), extra.begin(), extra.end());
  words.push_back("RJTT");
  return RunCliWords(words);
}

TEST(FetchCommandTest, PrintsBothReportsAndTheWind) {
  HttpTestServer server(StaticFiles(true));
  const auto run = Fetch(server.Url("/pub/data"));
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_TRUE(
      run.out.starts_with("METAR\ntime: 2012/05/06 21:00\nraw: RJTT 061200Z 34005KT "
                          "300V020 9999 FEW020 25/18 Q1012\n\n340方向 5KTの風\n"))
      << run.out;
  EXPECT_NE(run.out.find("\n\nTAF\ntime: 2012/05/06 14:00\nraw: TAF RJTT 060500Z"),
            std::string::npos)
      << run.out;
  // RJTT's four runways, worst case over 300V020: 34L and 34R tie on the headwind, and
  // 34R is the longer.
  EXPECT_NE(run.out.find("\ncategory: VFR (no ceiling, visibility 10 km or more)\n"
                         "wind: 340 5 300 20\nrunway: RWY"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("\nrunway: RWY34R 向かい風3KT 横風4KT(右から) (favoured)\n"),
            std::string::npos)
      << run.out;
  EXPECT_EQ(run.out.find("(favoured)"), run.out.rfind("(favoured)"));
}

TEST(FetchCommandTest, JsonCarriesTheDecodeObjects) {
  HttpTestServer server(StaticFiles(true));
  const auto run = Fetch(server.Url("/pub/data"), {"--json"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const nlohmann::json fetched = run.Json();
  EXPECT_EQ(fetched["station"], "RJTT");
  EXPECT_EQ(fetched["ok"], true);
  EXPECT_TRUE(fetched["messages"].empty());
  EXPECT_EQ(fetched["details"], nlohmann::json::array());
  EXPECT_EQ(
      fetched["wind"],
      (nlohmann::json{
          {"direction", 340}, {"speed", 5}, {"var_from", 300}, {"var_to", 20}, {"gust", -1}}));
  const nlohmann::json& runways = fetched["metar"]["runways"];
  ASSERT_EQ(runways.size(), 8u);
  const auto favoured = std::find_if(runways.begin(), runways.end(),
                                     [](const nlohmann::json& end) { return end["favoured"]; });
  ASSERT_NE(favoured, runways.end());
  EXPECT_EQ(*favoured, (nlohmann::json{{"ident", "34R"},
                                       {"bearing", (*favoured)["bearing"]},
                                       {"approximate", false},
                                       {"headwind", 3},
                                       {"crosswind", 4},
                                       {"gust_headwind", nullptr},
                                       {"gust_crosswind", nullptr},
                                       {"favoured", true}}));
  EXPECT_TRUE(fetched["taf"]["runways"].is_null());

  const auto decodeJson = [](const std::vector<std::string>& words, const std::string& file) {
    return RunCliWords(words, file).Json();
  };
  // Beside decode's objects, where each report came from.
  nlohmann::json metar = fetched["metar"];
  nlohmann::json taf = fetched["taf"];
  EXPECT_EQ(metar["source"], "primary");
  EXPECT_EQ(taf["source"], "primary");
  metar.erase("source");
  taf.erase("source");
  EXPECT_EQ(metar, decodeJson({"decode", "--json", "--station", "RJTT"}, kMetarFile));
  EXPECT_EQ(taf, decodeJson({"decode", "--json", "--taf", "--station", "RJTT"}, kTafFile));
}

TEST(FetchCommandTest, MissingMetarShowsNotFoundAndTheTaf) {
  HttpTestServer server(StaticFiles(false));
  const auto run = Fetch(server.Url("/pub/data"), {"--json"});
  ASSERT_EQ(run.exitCode, 1) << "a report not shown";
  const nlohmann::json fetched = run.Json();
  EXPECT_EQ(fetched["metar"]["time"], "NOT FOUND");
  EXPECT_EQ(fetched["metar"]["raw"], "");
  EXPECT_EQ(fetched["taf"]["time"], "2012/05/06 14:00");
  EXPECT_EQ(fetched["wind"]["direction"], -1);

  const auto text = Fetch(server.Url("/pub/data"));
  EXPECT_TRUE(text.out.starts_with("METAR\ntime: NOT FOUND\nraw: \n\nTAF\n")) << text.out;
}

TEST(FetchCommandTest, NothingListeningFailsWithBothMessages) {
  const std::string server =
      testing_support::LoopbackUrl(testing_support::UnusedPort(), "/pub/data");
  const auto text = Fetch(server);
  EXPECT_EQ(text.exitCode, 1);
  EXPECT_EQ(text.out, "");
  const std::string metarUrl = server + "/observations/metar/stations/RJTT.TXT";
  const std::string tafUrl = server + "/forecasts/taf/stations/RJTT.TXT";
  EXPECT_TRUE(text.err.starts_with("InternetOpenUrl(hInternet, ...) Error\nMETAR: " + metarUrl +
                                   "\n接続が拒否されました (Failed to connect to 127.0.0.1 port "))
      << text.err;
  EXPECT_NE(text.err.find(")\nInternetOpenUrl(hInternet, ...) Error\nTAF: " + tafUrl +
                          "\n接続が拒否されました ("),
            std::string::npos)
      << text.err;

  const nlohmann::json fetched = Fetch(server, {"--json"}).Json();
  EXPECT_EQ(fetched["ok"], false);
  EXPECT_EQ(fetched["messages"],
            nlohmann::json(std::vector<std::string>(2, "InternetOpenUrl(hInternet, ...) Error")));
  ASSERT_EQ(fetched["details"].size(), 2u);
  EXPECT_EQ(fetched["details"][0]["report"], "metar");
  EXPECT_EQ(fetched["details"][0]["url"], metarUrl);
  EXPECT_EQ(fetched["details"][1]["report"], "taf");
  EXPECT_EQ(fetched["details"][1]["url"], tafUrl);
  EXPECT_EQ(fetched["details"][1]["cause"], "接続が拒否されました");
  EXPECT_TRUE(fetched["details"][1]["curl"].get<std::string>().starts_with("Failed to connect"));
  EXPECT_TRUE(fetched["metar"].is_null());
  EXPECT_TRUE(fetched["taf"].is_null());
  EXPECT_TRUE(fetched["wind"].is_null());
}

TEST(FetchCommandTest, UsageErrors) {
  const std::vector<std::vector<std::string>> cases = {
      {"fetch"},
      {"fetch", "RJXX"},
      {"fetch", "RJTT", "RJXX"},
      {"fetch", "--server", "ftp://127.0.0.1/pub/data", "RJTT"},
      {"fetch", "--server"},
  };
  for (const auto& words : cases) {
    const auto run = RunCliWords(words);
    EXPECT_EQ(run.exitCode, 2) << words.back();
    EXPECT_EQ(run.out, "") << words.back();
  }
  EXPECT_TRUE(
      RunCliWords({"fetch", "RJXX"}).err.starts_with("aerolume-cli fetch: unknown station RJXX\n"));
}

// A report is text from a stranger: no byte of it may steer the terminal.
TEST(FetchCommandTest, ControlCharactersOfAReportNeverReachTheTerminal) {
  HttpTestServer server([](httplib::Server& routes) {
    routes.Get(".*", [](const httplib::Request&, httplib::Response& response) {
      response.set_content(StationFile("2012/05/06 12:00", "RJTT 061200Z 34005KT\x1b[2J 9999"),
                           "text/plain");
    });
  });
  const auto run = Fetch(server.Url("/pub/data"));
  EXPECT_EQ(run.out.find('\x1b'), std::string::npos);
  EXPECT_NE(run.out.find("raw: RJTT 061200Z 34005KT\xEF\xBF\xBD[2J 9999\n"), std::string::npos)
      << run.out;
  EXPECT_NE(Fetch(server.Url("/pub/data"), {"--json"}).out.find("34005KT\\u001b[2J"),
            std::string::npos);
}

// RJTT's files, served under any station's name with the code put in.
void AnyStation(httplib::Server& routes) {
  routes.Get(R"(/pub/data/(observations/metar|forecasts/taf)/stations/([A-Z]{4})\.TXT)",
             [](const httplib::Request& request, httplib::Response& response) {
               std::string file = request.matches[1] == "forecasts/taf" ? kTafFile : kMetarFile;
               file.replace(file.find("RJTT"), 4, request.matches[2].str());
               response.set_content(file, "text/plain");
             });
}

TEST(FetchCommandTest, SeveralStationsInAnyCaseGiveABlockOrAJsonLineEach) {
  HttpTestServer server(AnyStation);
  const auto text = Fetch(server.Url("/pub/data"), {"rjaa"});  // and RJTT, which Fetch adds
  ASSERT_EQ(text.exitCode, 0) << text.err;
  EXPECT_TRUE(text.out.starts_with("station: RJAA\nMETAR\ntime: 2012/05/06 21:00\nraw: RJAA "))
      << text.out;
  EXPECT_NE(text.out.find("(favoured)\n\nstation: RJTT\nMETAR\n"), std::string::npos) << text.out;

  const auto json = Fetch(server.Url("/pub/data"), {"--json", "rjaa"});
  std::istringstream lines(json.out);
  std::vector<std::string> stations;
  for (std::string line; std::getline(lines, line);) {
    stations.push_back(nlohmann::json::parse(line)["metar"]["station"]);
  }
  EXPECT_EQ(stations, (std::vector<std::string>{"RJAA", "RJTT"}));
}

}  // namespace
}  // namespace aerolume
