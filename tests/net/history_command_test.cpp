// aerolume-cli history against a Data API on 127.0.0.1: a line per report oldest first,
// CSV and JSON, what was left out on standard error, and the exit status.
#include <gtest/gtest.h>

#include <mutex>
#include <sstream>

#include "../api_answer_files.hpp"
#include "../cli_runner.hpp"
#include "loopback_servers.hpp"

namespace aerolume {
namespace {

using testing_support::ApiAnswerFile;
using testing_support::HttpTestServer;
using testing_support::RunCliWords;

// A Data API answering every history request with `status` and `body`, keeping the query.
class HistoryApi {
 public:
  HistoryApi(int status, std::string body)
      : m_server([this, status, body](httplib::Server& routes) {
          routes.Get("/api/metar", [this, status, body](const httplib::Request& request,
                                                        httplib::Response& reply) {
            std::lock_guard lock(m_mutex);
            m_query = "ids=" + request.get_param_value("ids") +
                      "&format=" + request.get_param_value("format") +
                      "&hours=" + request.get_param_value("hours");
            reply.status = status;
            reply.set_content(body, "application/json");
          });
        }) {}

  std::string Url() const { return m_server.Url("/api"); }
  std::string Query() const {
    std::lock_guard lock(m_mutex);
    return m_query;
  }

 private:
  mutable std::mutex m_mutex;
  std::string m_query;
  HttpTestServer m_server;
};

std::vector<std::string> Lines(const std::string& text) {
  std::istringstream stream(text);
  std::vector<std::string> lines;
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

struct HistoryCommandCase {
  const char* name;
  std::vector<std::string> words;  // after "history", before "--fallback URL"
  int status;
  std::string body;  // "@file" for a file of tests/data/api
  int exitCode;
  std::string query;
  std::vector<std::string> out;  // the lines expected on standard output, all of them
  std::string err;               // the first line of standard error
};

void PrintTo(const HistoryCommandCase& c, std::ostream* out) {
  *out << c.name;
}

const HistoryCommandCase kHistoryCases[] = {
    // history-RJCC.json: japan-metar.txt:232 to 237 newest first, 19:30 twice.
    {"FogAtDawnOldestFirst",
     {"rjcc"},
     200,
     "@history-RJCC.json",
     0,
     "ids=RJCC&format=json&hours=24",
     {"2026-07-24 02:00 JST METAR | LIFR | VRB 2 kt | 2000 m | BR | ceiling 200 ft | 19/19 °C | "
      "Q1011 hPa",
      "2026-07-24 04:00 JST METAR | LIFR | 220 4 kt | 900 m | FG | vertical visibility 100 ft | "
      "20/19 °C | Q1011 hPa",
      "2026-07-24 04:30 JST METAR | LIFR | 230 4 kt | 800 m | FG | vertical visibility 100 ft | "
      "19/19 °C | Q1012 hPa",
      "2026-07-24 05:00 JST METAR | LIFR | 200 4 kt | 800 m | FG | vertical visibility 100 ft | "
      "20/19 °C | Q1012 hPa",
      "2026-07-24 05:30 JST METAR | LIFR | 220 4 kt | 500 m | FG | vertical visibility 100 ft | "
      "20/20 °C | Q1012 hPa",
      "2026-07-24 06:00 JST METAR | LIFR | 180 5 kt | 500 m | FG | vertical visibility 100 ft | "
      "20/20 °C | Q1012 hPa"},
     ""},
    // history-RJTY.json: japan-metar.txt:1133 (10SM, the temperature in tenths) and 1134.
    {"SpecisMarkedOverThreeDays",
     {"RJTY", "--hours", "72"},
     200,
     "@history-RJTY.json",
     0,
     "ids=RJTY&format=json&hours=72",
     {"2026-07-22 19:55 JST METAR | VFR | 170 9 kt | 10 km or more | TS | no ceiling | 31.4/25.7 "
      "°C "
      "| A29.74 inHg (1007.1 hPa)",
      "2026-07-24 19:11 JST SPECI | VFR | 190 5 kt | 9656 m | -RA | ceiling 5000 ft | 27/26 °C | "
      "A29.89 inHg (1012.2 hPa)",
      "2026-07-24 19:16 JST SPECI | MVFR | 170 4 kt | 9656 m | +RA BR | ceiling 2900 ft | 27/26 °C "
      "| "
      "A29.88 inHg (1011.9 hPa)",
      "2026-07-24 19:26 JST SPECI | VFR | 140 4 kt | 9656 m | -RA BR | ceiling 7000 ft | 27/26 °C "
      "| "
      "A29.88 inHg (1011.9 hPa)",
      "2026-07-24 19:34 JST SPECI | VFR | 130 3 kt | 9656 m | BR | ceiling 7000 ft | 27/26 °C | "
      "A29.88 inHg (1011.9 hPa)"},
     ""},
    // japan-metar.txt:237 after an entry without its time.
    {"EntryWithoutTimeLeftOut",
     {"RJCC"},
     200,
     R"([{"rawOb":"METAR RJCC 232030Z 22004KT 0500 FG VV001 20/20 Q1012"},)"
     R"({"obsTime":1784840400,"wdir":180,"visib":"0.25","rawOb":"METAR RJCC 232100Z 18005KT 0500 FG VV001 20/20 Q1012"}])",
     0,
     "ids=RJCC&format=json&hours=24",
     {"2026-07-24 06:00 JST METAR | LIFR | 180 5 kt | 500 m | FG | vertical visibility 100 ft | "
      "20/20 °C | Q1012 hPa"},
     "Data API: entry 1: no obsTime, left out"},
    {"NoReportExitsOne",
     {"RJCC", "--hours", "3"},
     200,
     "[]",
     1,
     "ids=RJCC&format=json&hours=3",
     {},
     "RJCC: no report in the last 3 hours"},
    {"ServerErrorExitsOne",
     {"RJCC"},
     503,
     "",
     1,
     "ids=RJCC&format=json&hours=24",
     {},
     "Data API: HTTP 503"},
};

class HistoryCommandTest : public testing::TestWithParam<HistoryCommandCase> {};

TEST_P(HistoryCommandTest, PrintsEachReportOnceOldestFirst) {
  const HistoryCommandCase& c = GetParam();
  testing_support::NoProxies noProxies;
  HistoryApi api(c.status, c.body.starts_with('@') ? ApiAnswerFile(c.body.substr(1)) : c.body);
  std::vector<std::string> words = {"history"};
  words.insert(words.end(), c.words.begin(), c.words.end());
  words.insert(words.end(), {"--fallback", api.Url()});
  const auto run = RunCliWords(words);
  EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
  EXPECT_EQ(api.Query(), c.query);
  EXPECT_EQ(Lines(run.out), c.out);
  const std::vector<std::string> err = Lines(run.err);
  EXPECT_EQ(err.empty() ? "" : err.front(), c.err);
}

INSTANTIATE_TEST_SUITE_P(Answers, HistoryCommandTest, testing::ValuesIn(kHistoryCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(HistoryCommand, JsonHoldsEachReportsValuesAndCategory) {
  testing_support::NoProxies noProxies;
  HistoryApi api(200, ApiAnswerFile("history-RJTY.json"));
  const auto run = RunCliWords({"history", "RJTY", "--json", "--fallback", api.Url()});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const nlohmann::json history = run.Json();
  EXPECT_EQ(history["station"], "RJTY");
  EXPECT_EQ(history["hours"], 24);
  ASSERT_EQ(history["reports"].size(), 5u);
  // japan-metar.txt:1135: SPECI RJTY 241016Z 17004KT 6SM +RA BR FEW014 BKN029 BKN070 ...
  const nlohmann::json& speci = history["reports"][2];
  EXPECT_EQ(speci["type"], "SPECI");
  EXPECT_EQ(speci["observed"], "2026-07-24T10:16:00Z");
  EXPECT_EQ(speci["category"], "MVFR");
  EXPECT_EQ(speci["values"]["ceiling_ft"], 2900);
  EXPECT_EQ(speci["values"]["visibility"]["statute_miles"], 6.0);
  EXPECT_TRUE(speci["raw"].get<std::string>().starts_with("RJTY 241016Z 17004KT 6SM"));
}

TEST(HistoryCommand, WithoutTheDataApiSaysSoAndExitsOne) {
  const auto run = RunCliWords({"history", "RJCC", "--no-fallback"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "history needs the Data API, and --no-fallback leaves none\n");
}

class HistoryUsageTest : public testing::TestWithParam<std::vector<std::string>> {};

TEST_P(HistoryUsageTest, ExitsTwo) {
  std::vector<std::string> words = {"history"};
  words.insert(words.end(), GetParam().begin(), GetParam().end());
  const auto run = RunCliWords(words);
  EXPECT_EQ(run.exitCode, 2) << run.err;
  EXPECT_TRUE(run.err.starts_with("aerolume-cli history: ")) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Words, HistoryUsageTest,
    testing::Values(std::vector<std::string>{}, std::vector<std::string>{"RJCC", "RJTT"},
                    std::vector<std::string>{"XXXX"},
                    std::vector<std::string>{"RJCC", "--hours", "0"},
                    std::vector<std::string>{"RJCC", "--hours", "73"},
                    std::vector<std::string>{"RJCC", "--hours", "24h"},
                    std::vector<std::string>{"RJCC", "--json", "--csv"},
                    std::vector<std::string>{"RJCC", "--fallback", "ftp://example.invalid"},
                    std::vector<std::string>{"RJCC", "--server", "http://127.0.0.1:1"}),
    [](const auto& info) {
      std::string name = "Words";
      for (const std::string& word : info.param) {
        for (char c : word) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        name += '_';
      }
      return name;
    });

}  // namespace
}  // namespace aerolume
