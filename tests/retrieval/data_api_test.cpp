#include "retrieval/data_api.hpp"

#include <gtest/gtest.h>

#include "../api_answer_files.hpp"

namespace aerolume {
namespace {

using Outcome = ApiReport::Outcome;
using testing_support::ApiAnswerFile;

struct ApiCase {
  const char* name;
  bool taf;
  std::string json;  // the answer's body; "@file" for one of tests/data/api
  Outcome outcome;
  std::string text;  // the station file, or for Unreadable what is said about it
};

void PrintTo(const ApiCase& c, std::ostream* out) {
  *out << c.name;
}

class ApiAnswerTest : public testing::TestWithParam<ApiCase> {};

TEST_P(ApiAnswerTest, BecomesStationFile) {
  const ApiCase& c = GetParam();
  const std::string json = c.json.starts_with('@') ? ApiAnswerFile(c.json.substr(1)) : c.json;
  if (c.json.starts_with('@')) {
    ASSERT_FALSE(json.empty()) << c.json;
  }
  const ApiReport report = c.taf ? TafFileFromApi(json) : MetarFileFromApi(json);
  EXPECT_EQ(report.outcome, c.outcome);
  EXPECT_EQ(report.text, c.text);
}

const std::string kTafAmd =
    "TAF AMD RJTT 220837Z 2208/2312 14006KT 6000 -SHRA FEW008 BKN015 TEMPO 2208/2210 1500 "
    "+TSRA BR FEW003 BKN008 SCT020CB TEMPO 2210/2212 3000 TSRA BR FEW008 BKN015 SCT020CB TEMPO "
    "2212/2214 4000 -TSRA BR FEW008 BKN015 FEW020CB BECMG 2213/2215 05010KT BECMG 2300/2303 "
    "07010KT\n";

const ApiCase kApiCases[] = {
    // tests/data/api: real reports in the API's answer (see SOURCES.tsv).
    {"LatestOfTwoObservations", false, "@metar-RJTT.json", Outcome::File,
     "2026/06/02 22:00\nRJTT 022200Z 09024KT 2000 R34L/P2000N R22/2000N R34R/1800D R05/P2000N "
     "+SHRA BR FEW004 BKN010 19/18 Q1000 BECMG 08034KT TEMPO 08034G44KT 1500 +SHRA BR FEW003 "
     "BKN005\n"},
    {"SpeciWithoutWordAndEquals", false, "@metar-RJTT-speci.json", Outcome::File,
     "2018/09/30 15:45\nRJTT 301545Z 19038G56KT 3000 R34L/M0050VP2000U R22/0400VP2000U "
     "R16L/0450VP2000U R23/0400V1000D SHRA BR FEW005 SCT015 BKN020 25/24 Q0982 RMK 1ST005 "
     "3CU015 6CU020 A2900\n"},
    {"TafMarkedMostRecentIsoTime", true, "@taf-RJTT-iso.json", Outcome::File,
     "2026/08/22 08:37\n" + kTafAmd},
    {"TafLatestUnixTimeGainsWord", true, "@taf-RJTT-unix.json", Outcome::File,
     "2026/08/22 08:37\n" + kTafAmd},
    {"TafIsoWithSpace", true,
     R"([{"issueTime":"2023-11-03 21:54:03.000Z","rawTAF":"TAF RJTT 032154Z 0400/0506 18010KT"}])",
     Outcome::File, "2023/11/03 21:54\nTAF RJTT 032154Z 0400/0506 18010KT\n"},
    {"MostRecentOverLaterTime", true,
     R"([{"issueTime":1787387820,"rawTAF":"TAF B","mostRecent":0},)"
     R"({"issueTime":1787375280,"rawTAF":"TAF A","mostRecent":1}])",
     Outcome::File, "2026/08/22 05:08\nTAF A\n"},
    // Nothing to show: the field reads NOT FOUND.
    {"EmptyArray", false, "[]", Outcome::NotFound, ""},
    {"NoRawOb", false, R"([{"icaoId":"RJTT","obsTime":1780437600}])", Outcome::NotFound, ""},
    {"NullRawOb", false, R"([{"obsTime":1780437600,"rawOb":null}])", Outcome::NotFound, ""},
    {"NoObsTime", false, R"([{"rawOb":"RJTT 022200Z 09024KT"}])", Outcome::NotFound, ""},
    {"EmptyRawOb", false, R"([{"obsTime":1780437600,"rawOb":"METAR ="}])", Outcome::NotFound, ""},
    {"TafEmptyArray", true, "[]", Outcome::NotFound, ""},
    {"TafNoIssueTime", true, R"([{"rawTAF":"TAF RJTT","mostRecent":1}])", Outcome::NotFound, ""},
    {"TafNoRawTaf", true, R"([{"issueTime":1787387820}])", Outcome::NotFound, ""},
    // Not what the API sends: a failure that says why, and never the bytes themselves.
    {"NotJson", false, "<html>Service Unavailable</html>", Outcome::Unreadable,
     "JSON syntax error at byte 1"},
    {"EmptyBody", false, "", Outcome::Unreadable, "JSON syntax error at byte 1"},
    {"CutShort", false, R"([{"obsTime":17804)", Outcome::Unreadable,
     "JSON syntax error at byte 18"},
    {"BadUtf8", false, "[{\"rawOb\":\"\xff\"}]", Outcome::Unreadable,
     "JSON syntax error at byte 12"},
    {"ObjectNotArray", false, R"({"error":"rate limited"})", Outcome::Unreadable,
     "JSON: expected an array of reports"},
    // Found by fuzzing: the parser's range error is not a syntax error.
    {"NumberOverflow", false, R"([{"obsTime":178E7387820,"rawOb":"RJTT"}])", Outcome::Unreadable,
     "JSON value out of range"},
    {"ArrayOfNumbers", false, "[1,2]", Outcome::Unreadable,
     "JSON: expected a report object in the array"},
    {"ObsTimeText", false, R"([{"obsTime":"yesterday","rawOb":"RJTT"}])", Outcome::Unreadable,
     "JSON: obsTime is not a time in Unix seconds"},
    {"ObsTimeFraction", false, R"([{"obsTime":1.5,"rawOb":"RJTT"}])", Outcome::Unreadable,
     "JSON: obsTime is not a time in Unix seconds"},
    {"ObsTimeNegative", false, R"([{"obsTime":-1,"rawOb":"RJTT"}])", Outcome::Unreadable,
     "JSON: obsTime is not a time in Unix seconds"},
    {"ObsTimeAfterYear9999", false, R"([{"obsTime":18446744073709551615,"rawOb":"RJTT"}])",
     Outcome::Unreadable, "JSON: obsTime is not a time in Unix seconds"},
    {"RawObNumber", false, R"([{"obsTime":1780437600,"rawOb":42}])", Outcome::Unreadable,
     "JSON: rawOb is not text"},
    {"TafIssueTimeNotIso", true, R"([{"issueTime":"2026-13-01T00:00Z","rawTAF":"TAF A"}])",
     Outcome::Unreadable, "JSON: issueTime is not a time"},
    {"TafIssueTimeShort", true, R"([{"issueTime":"2026-08-22","rawTAF":"TAF A"}])",
     Outcome::Unreadable, "JSON: issueTime is not a time"},
};

INSTANTIATE_TEST_SUITE_P(DataApi, ApiAnswerTest, testing::ValuesIn(kApiCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ApiAnswerDepthTest, DeepNestingIsAFailureNotACrash) {
  const std::string nested = std::string(30000, '[') + std::string(30000, ']');
  EXPECT_EQ(MetarFileFromApi(nested).outcome, Outcome::Unreadable);
}

}  // namespace
}  // namespace aerolume
