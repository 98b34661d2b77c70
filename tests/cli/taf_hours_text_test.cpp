// taf-hours' lines for real TAFs: each hour in Japan time with what prevails, and
// under it each TEMPO or PROB group covering the hour with the weather it allows.
#include "cli/taf_hours_text.hpp"

#include <gtest/gtest.h>

#include <sstream>

#include "../conditions/decoded_values.hpp"

namespace aerolume::cli {
namespace {

struct TafTextCase {
  const char* name;
  const char* timeLine;  // the TAF's issue time
  const char* groups;    // after the issue time
  std::size_t hourCount;
  // Blocks of lines that must stand as they are: an hour's line and its groups' lines.
  std::vector<std::string> blocks;
};

void PrintTo(const TafTextCase& c, std::ostream* out) {
  *out << c.name;
}

const TafTextCase kTafTextCases[] = {
    // japan-taf.txt:326, TAF RJTT 260505Z: TEMPO all day, the BECMG 2621/2700 from 09:00 JST.
    {"TempoAndBecmg",
     "2026/06/26 05:05",
     "2606/2712 19010KT 8000 -SHRA FEW005 BKN012 TEMPO 2606/2607 4000 -TSRA BR FEW005 BKN008 "
     "FEW020CB TEMPO 2607/2609 4000 -SHRA BR FEW005 BKN008 TEMPO 2609/2611 4000 -TSRA BR FEW005 "
     "BKN008 FEW020CB TEMPO 2611/2621 3000 TSRA BR FEW005 BKN008 FEW020CB BECMG 2621/2700 33022KT "
     "TEMPO 2621/2700 33025G35KT 1500 +TSRA BR FEW003 BKN005 FEW020CB TEMPO 2700/2709 3000 SHRA "
     "BR FEW005 BKN008 BECMG 2703/2706 17014KT BECMG 2709/2712 01020KT TEMPO 2709/2712 01022G32KT "
     "1500 +SHRA BR FEW003 BKN005",
     30,
     {"2026-06-26 15:00 JST | MVFR | 190 10 kt | 8000 m | -SHRA | ceiling 1200 ft\n"
      "    TEMPO: IFR | 190 10 kt | 4000 m | -TSRA BR | ceiling 800 ft\n"
      "2026-06-26 16:00 JST",
      "2026-06-27 08:00 JST | MVFR | 190 10 kt | 8000 m | -SHRA | ceiling 1200 ft\n"
      "    TEMPO: LIFR | 330 25 kt gusts 35 | 1500 m | +TSRA BR | ceiling 500 ft\n"
      "2026-06-27 09:00 JST | MVFR | 330 22 kt | 8000 m | -SHRA | ceiling 1200 ft\n"
      "    TEMPO: IFR | 330 22 kt | 3000 m | SHRA BR | ceiling 800 ft\n"}},
    // world.txt:34, TAF EGLC 280512Z: a PROB30 TEMPO inside a TEMPO, then a BECMG.
    {"Prob30TempoInsideTempo",
     "2018/02/28 05:12",
     "2806/2815 07004KT 9999 SCT040 TEMPO 2806/2815 4000 -SHSN FEW008 BKN014 PROB30 TEMPO "
     "2806/2807 1200 SHSN BKN008 BECMG 2809/2812 07014KT TEMPO 2812/2815 07018G28KT",
     9,
     {"2018-02-28 15:00 JST | VFR | 070 4 kt | 10 km or more | - | no ceiling\n"
      "    TEMPO: IFR | 070 4 kt | 4000 m | -SHSN | ceiling 1400 ft\n"
      "    PROB30 TEMPO: LIFR | 070 4 kt | 1200 m | SHSN | ceiling 800 ft\n"
      "2018-02-28 16:00 JST | VFR | 070 4 kt | 10 km or more | - | no ceiling\n"
      "    TEMPO: IFR | 070 4 kt | 4000 m | -SHSN | ceiling 1400 ft\n"
      "2018-02-28 17:00 JST",
      "2018-02-28 21:00 JST | VFR | 070 14 kt | 10 km or more | - | no ceiling\n"
      "    TEMPO: IFR | 070 14 kt | 4000 m | -SHSN | ceiling 1400 ft\n"
      "    TEMPO: VFR | 070 18 kt gusts 28 | 10 km or more | - | no ceiling\n"}},
    // world.txt:74, TAF KSAN 271127Z: FM replaces the forecast whole from its time on.
    {"FromReplacesTheForecast",
     "2026/05/27 11:27",
     "2712/2818 27010KT P6SM FEW025 BKN035 TEMPO 2714/2718 -DZ BKN025 FM271800 25011G18KT P6SM "
     "BKN045 FM280400 VRB04KT P6SM VCSH SCT025 BKN035",
     30,
     {"2026-05-28 02:00 JST | VFR | 270 10 kt | more than 9656 m | - | ceiling 3500 ft\n"
      "    TEMPO: MVFR | 270 10 kt | more than 9656 m | -DZ | ceiling 2500 ft\n"
      "2026-05-28 03:00 JST | VFR | 250 11 kt gusts 18 | more than 9656 m | - | ceiling 4500 ft\n",
      "2026-05-28 13:00 JST | VFR | VRB 4 kt | more than 9656 m | VCSH | ceiling 3500 ft\n"}},
};

class TafHoursTextTest : public testing::TestWithParam<TafTextCase> {};

TEST_P(TafHoursTextTest, ShowsEachHourAndItsAlternatives) {
  const TafTextCase& c = GetParam();
  const ReportState state = testing_support::DecodedValues(c.groups, false, c.timeLine);
  const std::string text = TafHoursText(state.m_tafValues);
  for (const std::string& block : c.blocks) {
    EXPECT_NE(text.find(block), std::string::npos) << block << "\nin\n" << text;
  }
  const nlohmann::json hours = TafHoursListJson(state.m_tafValues);
  EXPECT_EQ(hours.size(), c.hourCount);
}

INSTANTIATE_TEST_SUITE_P(CorpusTafs, TafHoursTextTest, testing::ValuesIn(kTafTextCases),
                         [](const auto& info) { return std::string(info.param.name); });

// world.txt:34 again: the PROB30 TEMPO of the first hour, as JSON.
TEST(TafHoursJsonTest, NamesEachGroupWithItsProbability) {
  const ReportState state = testing_support::DecodedValues(
      "2806/2815 07004KT 9999 SCT040 TEMPO 2806/2815 4000 -SHSN FEW008 BKN014 PROB30 TEMPO "
      "2806/2807 1200 SHSN BKN008",
      false, "2018/02/28 05:12");
  const nlohmann::json first = TafHoursListJson(state.m_tafValues).at(0);
  EXPECT_EQ(first["time"], "2018-02-28T06:00:00Z");
  EXPECT_EQ(first["time_jst"], "2018-02-28 15:00");
  EXPECT_EQ(first["conditions"]["flight_category"], "VFR");
  ASSERT_EQ(first["alternatives"].size(), 2u);
  EXPECT_EQ(first["alternatives"][0]["group"], "TEMPO");
  EXPECT_TRUE(first["alternatives"][0]["probability_percent"].is_null());
  EXPECT_EQ(first["alternatives"][1]["group"], "PROB30 TEMPO");
  EXPECT_EQ(first["alternatives"][1]["probability_percent"], 30);
  EXPECT_EQ(first["alternatives"][1]["conditions"]["visibility"]["distance_m"], 1200);
  EXPECT_EQ(first["worst_category"], "LIFR");
}

}  // namespace
}  // namespace aerolume::cli
