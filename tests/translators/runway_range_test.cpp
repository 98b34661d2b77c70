#include "translators/runway_range.hpp"

#include <gtest/gtest.h>

namespace aerolume {
namespace {

struct RangeCase {
  const char* group;
  const char* text;
};

class RunwayRangeTest : public testing::TestWithParam<RangeCase> {};

TEST_P(RunwayRangeTest, ReadsRunwayValuesAndTendency) {
  EXPECT_EQ(TranslateRunwayRange(GetParam().group), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Groups, RunwayRangeTest,
    testing::Values(RangeCase{"R34L/P1500N", "RWY34L視程 1500m以上 変化なし"},
                    RangeCase{"R16/0800V1200U", "RWY16視程 0800m～1200m 回復傾向"},
                    RangeCase{"R34/M0050D", "RWY34視程 0050m以下 悪化傾向"},
                    RangeCase{"R34R/1000", "RWY34R視程 1000m"},
                    RangeCase{"R34L/////N", "RWY34L視程 ////m 変化なし"},
                    RangeCase{"R16R/M0600VP1500U", "RWY16R視程 0600m以下～1500m以上 回復傾向"},
                    RangeCase{"R20C/1600D", "RWY20C視程 1600m 悪化傾向"},
                    // Feet, with the metres they make to the nearest 10 m.
                    RangeCase{"R34/1500FT", "RWY34視程 1500フィート(約460m)"},
                    RangeCase{"R34/M0600FT/U", "RWY34視程 0600フィート以下(約180m以下) 回復傾向"},
                    RangeCase{"R34/1500FT/N", "RWY34視程 1500フィート(約460m) 変化なし"},
                    // A leftover that is no item stays in the line after what was read.
                    RangeCase{"R34/1500FTX", "RWY34視程 1500mFTX"},
                    RangeCase{"R34/15000", "RWY34視程 1500m0"},
                    RangeCase{"R34/1500UFT", "RWY34視程 1500m 回復傾向FT"},
                    // A bound with fewer than four bytes after it takes what there is.
                    RangeCase{"R34/P15", "RWY34視程 15m以上"},
                    // Cut-short groups, which the decoder never hands over, still give a text.
                    RangeCase{"R34L", "RWY34L視程 "}, RangeCase{"R", "RWY視程 "},
                    RangeCase{"", "RWY視程 "}));

}  // namespace
}  // namespace aerolume
