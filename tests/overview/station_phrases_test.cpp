// What the table and the tooltip say of a station, in the words of the report's own
// lines and the category badge.
#include "overview/station_phrases.hpp"

#include <gtest/gtest.h>

#include "corpus_reports.hpp"

namespace aerolume {
namespace {

struct PhrasesCase {
  const char* code;
  StationPhrases phrases;
};

void PrintTo(const PhrasesCase& c, std::ostream* out) {
  *out << c.code;
}

// Each an hour and five minutes after its report (kReports, in its order).
const PhrasesCase kPhrasesCases[] = {
    {"RJAA", {"1時間5分前", "VFR", "CAVOK", "方向不定 2KTの風", "視程 10km以上", "雲底なし", ""}},
    {"RJCW",
     {"1時間5分前", "MVFR", "雲底 2000フィート (BKN020)", "200方向 15KTの風", "視程 10km以上",
      "雲底 2000フィート (BKN020)", "弱いにわか雨"}},
    {"RJTT",
     {"1時間5分前", "IFR", "視程 2000m", "090方向 24KTの風", "視程 2000m",
      "雲底 1000フィート (BKN010)", "強いにわか雨、靄"}},
    {"RJAH",
     {"1時間5分前", "LIFR", "雲底 100フィート (VV001)、視程 600m", "250方向 4KTの風", "視程 600m",
      "雲底 100フィート (VV001)", "霧"}},
};

class StationPhrasesTest : public testing::TestWithParam<PhrasesCase> {};

TEST_P(StationPhrasesTest, SayEachPartAsTheReportsLinesDo) {
  StationOverview overview;
  for (const Report& report : kReports) overview.SetMetarFile(report.code, report.file);
  const OverviewStation& station = *overview.Find(GetParam().code);
  const StationPhrases phrases = PhrasesOf(station, *station.observed + std::chrono::minutes(65));
  const StationPhrases& expected = GetParam().phrases;
  EXPECT_EQ(phrases.age, expected.age);
  EXPECT_EQ(phrases.category, expected.category);
  EXPECT_EQ(phrases.reason, expected.reason);
  EXPECT_EQ(phrases.wind, expected.wind);
  EXPECT_EQ(phrases.visibility, expected.visibility);
  EXPECT_EQ(phrases.ceiling, expected.ceiling);
  EXPECT_EQ(phrases.weather, expected.weather);
}

INSTANTIATE_TEST_SUITE_P(Corpus, StationPhrasesTest, testing::ValuesIn(kPhrasesCases),
                         [](const auto& info) { return std::string(info.param.code); });

TEST(StationTooltipTest, OnePartALineAndWhyThereIsNoReport) {
  StationOverview overview;
  overview.SetMetarFile("RJTT", kReports[2].file);
  overview.SetFailure("ROIG", "NOT FOUND");
  const OverviewStation& tokyo = *overview.Find("RJTT");
  EXPECT_EQ(StationTooltip(tokyo, *tokyo.observed + std::chrono::minutes(12)),
            "RJTT 東京国際空港（羽田）\n観測 12分前\nIFR (視程 2000m)\n"
            "090方向 24KTの風\n視程 2000m\n雲底 1000フィート (BKN010)\n強いにわか雨、靄");
  EXPECT_EQ(StationTooltip(*overview.Find("ROIG"), *tokyo.observed),
            "ROIG 石垣空港\n報告なし (NOT FOUND)");
  EXPECT_EQ(StationTooltip(*overview.Find("RJAA"), *tokyo.observed), "RJAA 成田国際空港\n報告なし");
}

}  // namespace
}  // namespace aerolume
