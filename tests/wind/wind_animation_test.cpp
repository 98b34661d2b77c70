#include "wind/wind_animation.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace aerolume {
namespace {

using Motion = WindAnimation::Motion;

struct SequenceCase {
  const char* report;
  int direction, speed, varFrom, varTo;
  Motion motion;
  int intervalMs;
  std::vector<int> angles;  // the restart frame, then one per tick
};

class WindAnimationTest : public testing::TestWithParam<SequenceCase> {};

TEST_P(WindAnimationTest, DrawsTheSequenceTickByTick) {
  const SequenceCase& c = GetParam();
  WindAnimation animation;
  animation.SetWind(c.direction, c.speed, c.varFrom, c.varTo);
  ASSERT_EQ(animation.Restart(), c.motion) << c.report;
  EXPECT_EQ(animation.IntervalMs(), c.intervalMs) << c.report;
  animation.TimerStarted(7);
  std::vector<int> angles{animation.Angle()};
  while (angles.size() < c.angles.size()) {
    if (!animation.OnTimer(7)) break;
    angles.push_back(animation.Angle());
  }
  EXPECT_EQ(angles, c.angles) << c.report;
}

std::vector<int> Range(int from, int to, int step) {
  std::vector<int> values;
  for (int v = from; step > 0 ? v <= to : v >= to; v += step) values.push_back(v);
  return values;
}

std::vector<int> Join(std::initializer_list<std::vector<int>> parts) {
  std::vector<int> all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

INSTANTIATE_TEST_SUITE_P(
    Reports, WindAnimationTest,
    testing::Values(
        // Spins from -1 in 45 degree steps, wrapping after a full turn.
        SequenceCase{"VRB05KT", -1, 5, -1, -1, Motion::Spin, 20, {-1,  44,  89,  134, 179, 224, 269,
                                                                  314, 359, 404, 45,  90,  135, 180,
                                                                  225, 270, 315, 360, 45,  90}},
        SequenceCase{"27015KT 240V300", 270, 15, 240, 300, Motion::Swing, 40,
                     Join({Range(270, 300, 5), Range(295, 240, -5), Range(245, 300, 5)})},
        SequenceCase{"01010KT 340V020", 10, 10, 340, 20, Motion::Swing, 40,
                     Join({{370, 375, 380}, Range(375, 340, -5), Range(345, 380, 5)})},
        // A first bound of 360 is 0; the arrow comes back from 360 into the sector.
        SequenceCase{"36010KT 360V030", 360, 10, 360, 30, Motion::Swing, 40,
                     Join({Range(360, 0, -5), Range(5, 30, 5), Range(25, 0, -5)})},
        // A variable direction in a sector overshoots each bound by 4 degrees.
        SequenceCase{"VRB03KT 240V300", -1, 3, 240, 300, Motion::Swing, 40,
                     Join({Range(-1, 304, 5), Range(299, 239, -5), Range(244, 304, 5)})},
        SequenceCase{"VRB03KT 350V010", -1, 3, 350, 10, Motion::Swing, 40,
                     Join({{359, 364, 369, 374}, Range(369, 349, -5), Range(354, 374, 5)})},
        SequenceCase{"27015KT", 270, 15, -1, -1, Motion::Still, 0, {270}},
        SequenceCase{"00000KT 240V300", -1, -1, 240, 300, Motion::Still, 0, {-1}},
        SequenceCase{"calm with speed 0", 270, 0, 240, 300, Motion::Still, 0, {270}},
        SequenceCase{"no wind group", -1, -1, -1, -1, Motion::Still, 0, {-1}}));

TEST(WindAnimationTimerTest, ForeignTimerChangesNothing) {
  WindAnimation animation;
  animation.SetWind(270, 15, 240, 300);
  animation.Restart();
  animation.TimerStarted(3);
  EXPECT_FALSE(animation.OnTimer(4));
  EXPECT_EQ(animation.Angle(), 270);
  EXPECT_EQ(animation.Step(), 5);
  EXPECT_TRUE(animation.OnTimer(3));
  EXPECT_EQ(animation.Angle(), 275);
  animation.TimerStopped();
  EXPECT_FALSE(animation.OnTimer(3));
  EXPECT_EQ(animation.Angle(), 275);
}

TEST(WindAnimationTimerTest, RestartForANewStationStartsFromItsValues) {
  WindAnimation animation;
  animation.SetWind(-1, 5, -1, -1);
  EXPECT_EQ(animation.Restart(), Motion::Spin);
  animation.SetWind(90, 5, -1, -1);
  EXPECT_EQ(animation.Restart(), Motion::Still);
  EXPECT_EQ(animation.Angle(), 90);
  EXPECT_TRUE(animation.ShowsArrow());
}

}  // namespace
}  // namespace aerolume
