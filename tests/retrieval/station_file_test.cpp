#include "retrieval/station_file.hpp"

#include <gtest/gtest.h>

namespace aerolume {
namespace {

TEST(NormalizeReportTextTest, OneLineWithSingleSpaces) {
  struct Case {
    std::string bytes;
    std::string text;
  };
  const Case cases[] = {
      {"2012/05/06 12:00\nRJTT 061200Z 18010KT 9999 FEW020 25/18 Q1012 NOSIG\n",
       "2012/05/06 12:00 RJTT 061200Z 18010KT 9999 FEW020 25/18 Q1012 NOSIG"},
      {"A FEW020\n      TEMPO 0612/0615 SHRA\n", "A FEW020 TEMPO 0612/0615 SHRA"},
      {"", ""},
      {"\n", ""},
      {"X", "X"},  // only a closing LF is dropped
      {"AB", "AB"},
      {"2012/05/06 12:00\r\nRJTT 061200Z 18010KT\r\n", "2012/05/06 12:00 RJTT 061200Z 18010KT"},
      {"A\r\nB\n", "A B"},     // CR LF is a line end
      {"A\r\n B\r\n", "A B"},  // and runs into the spaces like LF
      {"A\rB\n", "A B"},       // a lone CR is a line end too
      {"A\r", "A"},            // and closes a file like LF
      {"\r", ""},
      {"\r\n", ""},
      {"A\r\r\nB\r\r\n", "A B "},  // an empty line at the end, as "A\n\nB\n\n" reads
      {"A\r \rB", "A B"},
      {"A\n\r\nB", "A B"},
      {"A\t \n B", "A\t B"},
      {std::string("A\0B\n", 4), std::string("A\0B", 3)},
  };
  for (const Case& c : cases) EXPECT_EQ(NormalizeReportText(c.bytes), c.text) << c.bytes;
}

TEST(NormalizeReportTextTest, KeepsLongFilesWhole) {
  const std::string longLine(5000, 'A');
  EXPECT_EQ(NormalizeReportText(longLine + "\n"), longLine);
}

TEST(NormalizeReportTextTest, CrLfAndCrFilesDecodeLikeLfFile) {
  struct Case {
    const char* name;
    std::string bytes;
  };
  const Case cases[] = {
      {"LF", "2012/05/06 12:00\nRJTT 061200Z 18010KT 25/18 Q1012\n"},
      {"CR LF", "2012/05/06 12:00\r\nRJTT 061200Z 18010KT 25/18 Q1012\r\n"},
      {"CR LF without a closing line end", "2012/05/06 12:00\r\nRJTT 061200Z 18010KT 25/18 Q1012"},
      {"CR LF inside the report", "2012/05/06 12:00\r\nRJTT 061200Z 18010KT\r\n25/18 Q1012\r\n"},
      {"CR", "2012/05/06 12:00\rRJTT 061200Z 18010KT 25/18 Q1012\r"},
      {"CR inside the report", "2012/05/06 12:00\rRJTT 061200Z 18010KT\r25/18 Q1012"},
  };
  for (const Case& c : cases) {
    const std::string text = NormalizeReportText(c.bytes);
    EXPECT_EQ(TimeLineOf(text), "2012/05/06 12:00") << c.name;
    EXPECT_EQ(SplitReportGroups(BodyOf(text), "RJTT"), (GroupList{"18010KT", "25/18", "Q1012"}))
        << c.name;
  }
}

TEST(IssueTimeJapanTimeTest, ShowsUtcPlusNineHours) {
  struct Case {
    const char* line;
    std::optional<std::string> shown;
  };
  const Case cases[] = {
      {"2012/05/06 12:00", "2012/05/06 21:00"},
      {"2012/12/31 20:30", "2013/01/01 05:30"},
      {"2012/04/31 12:00", "2012/05/01 21:00"},
      {"2026/03/08 06:59", "2026/03/08 15:59"},
      {"2012/13/06 12:00", std::nullopt},
      {"2012/05/06 24:00", std::nullopt},
      {"2012/05/06 12:60", std::nullopt},
      {"1899/05/06 12:00", std::nullopt},
      {"2012/05/00 12:00", std::nullopt},
      {"RJTT", std::nullopt},
      {"", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatIssueTime(c.line), c.shown) << c.line;
}

TEST(SplitReportGroupsTest, GroupsAfterTheStationAndItsTime) {
  EXPECT_EQ(SplitReportGroups("RJTT 061200Z 18010KT 9999 FEW020 25/18 Q1012 NOSIG", "RJTT"),
            (GroupList{"18010KT", "9999", "FEW020", "25/18", "Q1012", "NOSIG"}));
  EXPECT_EQ(SplitReportGroups("TAF RJTT 061105Z 0612/0718 18010KT", "RJTT"),
            (GroupList{"0612/0718", "18010KT"}));
  // Without the code the groups start at position 12.
  EXPECT_EQ(SplitReportGroups("RJAA 061200Z 18010KT 9999", "RJTT"), (GroupList{"18010KT", "9999"}));
  EXPECT_EQ(SplitReportGroups("XX 061200Z 18010KT", "RJTT"), (GroupList{"8010KT"}));
  EXPECT_EQ(SplitReportGroups("RJTT 061200Z", "RJTT"), GroupList{});
  // A missing report may stand without its day-time group.
  EXPECT_EQ(SplitReportGroups("METAR CYSY NIL", "CYSY"), GroupList{"NIL"});
  EXPECT_EQ(SplitReportGroups("TAF EGKB 182000Z NIL", "EGKB"), GroupList{"NIL"});
  EXPECT_EQ(SplitReportGroups("", "RJTT"), GroupList{});
  EXPECT_EQ(SplitReportGroups("RJTT 061200Z  A\rB   C ", "RJTT"), (GroupList{"A\rB", "C"}));
}

}  // namespace
}  // namespace aerolume
