// A TAF's hour in words, from real TAFs of ../shared/corpus.
#include "conditions/taf_hour_text.hpp"

#include <gtest/gtest.h>

#include "../corpus_history.hpp"
#include "conditions/taf_hours.hpp"

namespace aerolume {
namespace {

using testing_support::TafValuesOf;

// tests/data/corpus-japan-taf.txt line 1.
const char* const kRjaa =
    "TAF RJAA 261706Z 2618/2800 01015KT 8000 -SHRA FEW008 BKN012 TEMPO 2618/2623 3000 SHRA BR "
    "FEW002 BKN004 BECMG 2715/2718 34005KT";
// ../shared/corpus/world.txt line 34.
const char* const kEglc =
    "TAF EGLC 280512Z 2806/2815 07004KT 9999 SCT040 TEMPO 2806/2815 4000 -SHSN FEW008 BKN014 "
    "PROB30 TEMPO 2806/2807 1200 SHSN BKN008 BECMG 2809/2812 07014KT TEMPO 2812/2815 07018G28KT";

// ../shared/corpus/world.txt line 18.
const char* const kCyrb =
    "TAF AMD CYRB 030204Z 0302/0324 13007KT 6SM -RA SCT008 OVC012 TEMPO 0302/0306 2SM -DZSN BR "
    "SCT002 BKN004 BKN008 OVC012 FM030600 19012G22KT 2SM -SN OVC008 TEMPO 0306/0320 6SM -RASN "
    "SCT008 OVC015 PROB30 0306/0318 1/2SM FG VV003 FM032000 22010KT P6SM SCT010 OVC020";

struct CodesCase {
  const char* name;
  const char* code;
  const char* timeLine;
  const char* taf;
  std::size_t period;
  const char* codes;
};

void PrintTo(const CodesCase& c, std::ostream* out) {
  *out << c.name;
}

class ForecastCodesTest : public testing::TestWithParam<CodesCase> {};

TEST_P(ForecastCodesTest, WritesThePeriodAsATafDoes) {
  const CodesCase& c = GetParam();
  const TafValues taf = TafValuesOf(c.code, c.timeLine, c.taf);
  ASSERT_LT(c.period, taf.periods.size());
  EXPECT_EQ(ForecastCodes(taf.periods[c.period].values), c.codes);
}

INSTANTIATE_TEST_SUITE_P(
    CorpusTafs, ForecastCodesTest,
    testing::Values(
        CodesCase{"Base", "RJAA", "2018/09/26 17:06", kRjaa, 0, "01015KT 8000 -SHRA"},
        CodesCase{"Tempo", "RJAA", "2018/09/26 17:06", kRjaa, 1, "3000 SHRA BR"},
        CodesCase{"WindOnly", "RJAA", "2018/09/26 17:06", kRjaa, 2, "34005KT"},
        CodesCase{"ProbTempo", "EGLC", "2018/02/28 05:12", kEglc, 2, "1200 SHSN"},
        CodesCase{"Gust", "EGLC", "2018/02/28 05:12", kEglc, 4, "07018G28KT"},
        CodesCase{"MilesAsWritten", "CYRB", "2018/09/03 02:04", kCyrb, 0, "13007KT 6SM -RA"},
        CodesCase{"FractionOfAMile", "CYRB", "2018/09/03 02:04", kCyrb, 4, "1/2SM FG"},
        CodesCase{"MoreThanMiles", "CYRB", "2018/09/03 02:04", kCyrb, 5, "22010KT P6SM"}),
    [](const testing::TestParamInfo<CodesCase>& info) { return std::string(info.param.name); });

TEST(SkyCodesTest, WritesTheLayersAsTheTafDoes) {
  const TafValues taf = TafValuesOf("EGLC", "2018/02/28 05:12", kEglc);
  EXPECT_EQ(SkyCodes(taf.periods[1].values), "FEW008 BKN014");
  EXPECT_EQ(SkyCodes(taf.periods[3].values), "");  // BECMG 07014KT names no sky
  const TafValues cyrb = TafValuesOf("CYRB", "2018/09/03 02:04", kCyrb);
  EXPECT_EQ(SkyCodes(cyrb.periods[4].values), "VV003");
}

TEST(TafHourJapaneseTest, NamesTheHourThePrevailingAndEachAlternative) {
  const TafValues taf = TafValuesOf("EGLC", "2018/02/28 05:12", kEglc);
  ASSERT_FALSE(TafHours(taf).empty());
  const std::string text = TafHourJapanese(taf, TafHours(taf).front().time);
  // 06Z is 15時 in Japan.
  EXPECT_EQ(text.substr(0, text.find('\n')), "28日 15時～16時（日本時間）");
  EXPECT_NE(text.find("\nVFR（"), std::string::npos) << text;
  EXPECT_NE(text.find("\nTEMPO: IFR（視程 4000m） 風 70° 4KT 弱いにわか雪"), std::string::npos)
      << text;
  EXPECT_NE(text.find("\nPROB30 TEMPO: LIFR（視程 1200m）"), std::string::npos) << text;
}

}  // namespace
}  // namespace aerolume
