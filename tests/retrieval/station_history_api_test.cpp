// A station's history from the Data API's answer: every observation decoded by the
// rule table, oldest first, each once, SPECIs marked, bad entries listed, not fatal.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../api_answer_files.hpp"
#include "conditions/station_history.hpp"
#include "retrieval/history_download.hpp"

namespace aerolume {
namespace {

using testing_support::ApiAnswerFile;

struct HistoryCase {
  const char* name;
  const char* code;
  std::string json;  // the answer's body; "@file" for one of tests/data/api
  // Each report as "time category", "SPECI" after the time for one; oldest first.
  std::vector<std::string> reports;
  std::vector<std::string> failures;
};

void PrintTo(const HistoryCase& c, std::ostream* out) {
  *out << c.name;
}

std::string Summary(const HistoryReport& report) {
  const std::string_view category = CategoryName(report.judgement.category);
  return IsoUtc(report.observed) + (report.speci ? " SPECI " : " ") +
         (category.empty() ? "unknown" : std::string(category));
}

// An entry in the API's shape with only the fields the history reads, and a few it does not.
std::string Entry(const std::string& fields) {
  return R"({"icaoId":"RJCC","wdir":"VRB","visib":"10+",)" + fields + "}";
}

const HistoryCase kHistoryCases[] = {
    // history-RJCC.json: japan-metar.txt:232 to 237, newest first, 19:30 twice, 17:00 last.
    {"FogAtDawnOldestFirstEachOnce",
     "RJCC",
     "@history-RJCC.json",
     {"2026-07-23T17:00:00Z LIFR", "2026-07-23T19:00:00Z LIFR", "2026-07-23T19:30:00Z LIFR",
      "2026-07-23T20:00:00Z LIFR", "2026-07-23T20:30:00Z LIFR", "2026-07-23T21:00:00Z LIFR"},
     {}},
    // history-RJTY.json: japan-metar.txt:1133 (10SM, visib "10+") and the SPECIs of 1134 to 1137.
    {"SpecisMarked",
     "RJTY",
     "@history-RJTY.json",
     {"2026-07-22T10:55:00Z VFR", "2026-07-24T10:11:00Z SPECI VFR",
      "2026-07-24T10:16:00Z SPECI MVFR", "2026-07-24T10:26:00Z SPECI VFR",
      "2026-07-24T10:34:00Z SPECI VFR"},
     {}},
    {"EmptyAnswer", "RJCC", "[]", {}, {}},
    // japan-metar.txt:233 and 232: the leading word alone, and the type alone, mark a SPECI.
    {"SpeciByWordOrByType",
     "RJCC",
     "[" +
         Entry(
             R"("obsTime":1784833200,"rawOb":"SPECI RJCC 231900Z 22004KT 0900 FG VV001 20/19 Q1011")") +
         "," +
         Entry(
             R"("obsTime":1784826000,"metarType":"SPECI","rawOb":"RJCC 231700Z VRB02KT 2000 BR FEW001 BKN002 19/19 Q1011")") +
         "]",
     {"2026-07-23T17:00:00Z SPECI LIFR", "2026-07-23T19:00:00Z SPECI LIFR"},
     {}},
    // japan-metar.txt:237 and 236 with a field missing or wrong in three more entries.
    {"BadEntriesListedByPlace",
     "RJCC",
     "[" +
         Entry(
             R"("obsTime":1784840400,"rawOb":"METAR RJCC 232100Z 18005KT 0500 FG VV001 20/20 Q1012")") +
         "," + Entry(R"("rawOb":"METAR RJCC 232030Z 22004KT 0500 FG VV001 20/20 Q1012")") + "," +
         Entry(R"("obsTime":1784838600,"rawOb":null)") + "," +
         Entry(R"("obsTime":"2026-07-23 20:30","rawOb":"METAR RJCC 232030Z 22004KT")") + "," +
         Entry(
             R"("obsTime":1784838600,"rawOb":"METAR RJCC 232030Z 22004KT 0500 FG VV001 20/20 Q1012")") +
         "]",
     {"2026-07-23T20:30:00Z LIFR", "2026-07-23T21:00:00Z LIFR"},
     {"entry 2: no obsTime", "entry 3: no rawOb",
      "entry 4: JSON: obsTime is not a time in Unix seconds"}},
    // japan-metar.txt:1134 and its correction: two reports of one minute, both kept in order.
    {"SameTimeDifferentTextKept",
     "RJTY",
     "[" +
         Entry(
             R"("obsTime":1784887860,"rawOb":"SPECI RJTY 241011Z 19005KT 6SM -RA SCT014 BKN050 OVC070 27/26 A2989")") +
         "," +
         Entry(
             R"("obsTime":1784887860,"rawOb":"SPECI RJTY 241011Z COR 19005KT 6SM -RA SCT014 BKN050 OVC070 27/26 A2989")") +
         "]",
     {"2026-07-24T10:11:00Z SPECI VFR", "2026-07-24T10:11:00Z SPECI VFR"},
     {}},
};

class StationHistoryFromApiTest : public testing::TestWithParam<HistoryCase> {};

TEST_P(StationHistoryFromApiTest, ReportsOldestFirstEachOnce) {
  const HistoryCase& c = GetParam();
  const std::string json = c.json.starts_with('@') ? ApiAnswerFile(c.json.substr(1)) : c.json;
  ASSERT_FALSE(json.empty()) << c.json;
  const auto read = StationHistoryFromApi(c.code, json);
  ASSERT_TRUE(std::holds_alternative<StationHistory>(read)) << std::get<std::string>(read);
  const StationHistory& history = std::get<StationHistory>(read);
  EXPECT_EQ(history.code, c.code);
  std::vector<std::string> reports;
  for (const HistoryReport& report : history.reports) reports.push_back(Summary(report));
  EXPECT_EQ(reports, c.reports);
  EXPECT_EQ(history.failures, c.failures);
}

INSTANTIATE_TEST_SUITE_P(DataApi, StationHistoryFromApiTest, testing::ValuesIn(kHistoryCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct UnreadableCase {
  const char* name;
  const char* json;
  const char* why;  // as the Data API's other answers say it
};

void PrintTo(const UnreadableCase& c, std::ostream* out) {
  *out << c.name;
}

const UnreadableCase kUnreadableCases[] = {
    {"NotJson", "<html>Service Unavailable</html>", "JSON syntax error at byte 1"},
    {"ObjectNotArray", R"({"error":"rate limited"})", "JSON: expected an array of reports"},
};

class UnreadableHistoryTest : public testing::TestWithParam<UnreadableCase> {};

TEST_P(UnreadableHistoryTest, IsAnErrorThatSaysWhy) {
  const auto read = StationHistoryFromApi("RJCC", GetParam().json);
  ASSERT_TRUE(std::holds_alternative<std::string>(read));
  EXPECT_EQ(std::get<std::string>(read), GetParam().why);
}

INSTANTIATE_TEST_SUITE_P(DataApi, UnreadableHistoryTest, testing::ValuesIn(kUnreadableCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The values the strips draw come from the rule table: the fog of japan-metar.txt:236
// and the variable wind of 232, both in history-RJCC.json.
TEST(StationHistoryValuesTest, FogAtDawnReadByTheRuleTable) {
  const auto read = StationHistoryFromApi("RJCC", ApiAnswerFile("history-RJCC.json"));
  const StationHistory& history = std::get<StationHistory>(read);
  ASSERT_EQ(history.reports.size(), 6u);
  const HistoryReport& first = history.reports.front();
  EXPECT_EQ(first.report,
            "RJCC 231700Z VRB02KT 2000 R19R/P2000N R19L/2000N BR FEW001 BKN002 "
            "BKN003 19/19 Q1011");
  ASSERT_TRUE(first.values.observed.wind);
  EXPECT_TRUE(first.values.observed.wind->variable);
  EXPECT_EQ(first.values.observed.wind->speedKt, 2);
  const HistoryReport& fog = history.reports[4];
  ASSERT_TRUE(fog.values.observed.visibility);
  EXPECT_EQ(fog.values.observed.visibility->metres, 500);
  EXPECT_EQ(fog.values.temperatureCelsius, 20.0);
  EXPECT_EQ(fog.values.dewPointCelsius, 20.0);
  EXPECT_EQ(fog.values.qnhHectopascal, 1012.0);
  EXPECT_FALSE(fog.lines.empty());
}

}  // namespace
}  // namespace aerolume
