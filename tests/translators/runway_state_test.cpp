#include "translators/runway_state.hpp"

#include <gtest/gtest.h>

#include <ostream>

namespace aerolume {
namespace {

struct StateCase {
  const char* group;
  const char* text;  // nullptr: no runway state group
};

void PrintTo(const StateCase& c, std::ostream* os) {
  *os << c.group;
}

class RunwayStateTest : public testing::TestWithParam<StateCase> {};

TEST_P(RunwayStateTest, ReadsTheStateCode) {
  const StateCase& c = GetParam();
  ASSERT_EQ(IsRunwayStateGroup(c.group), c.text != nullptr);
  if (c.text) {
    EXPECT_EQ(TranslateRunwayState(c.group), c.text);
  }
}

// The deposit, extent, depth and friction codes the corpus does not hold.
INSTANTIATE_TEST_SUITE_P(
    Codes, RunwayStateTest,
    testing::Values(
        StateCase{"R16L/729594", "RWY16L 路面状態: 氷 11～25% 深さ25cm 制動効果やや良好"},
        StateCase{"R34/859891", "RWY34 路面状態: 圧雪 26～50% 深さ40cm以上 制動効果不良"},
        StateCase{"R34C/6/9999",
                  "RWY34C 路面状態: シャーベット状の雪 範囲不明 滑走路使用不能 制動効果測定不能"},
        StateCase{"R05/CLRD//", "RWY05 路面状態: 除去済み 制動効果不明"},
        // Runway visual ranges and cut-short groups are no runway state.
        StateCase{"R05/1100", nullptr}, StateCase{"R34L/P2000N", nullptr},
        StateCase{"R10/29055", nullptr}, StateCase{"R/", nullptr}, StateCase{"", nullptr}));

}  // namespace
}  // namespace aerolume
