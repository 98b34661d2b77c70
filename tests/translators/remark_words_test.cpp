#include "translators/remark_words.hpp"

#include <gtest/gtest.h>

#include <string>

namespace aerolume {
namespace {

using Translator = std::string (*)(std::string_view);

struct WordCase {
  const char* name;
  Translator translate;
  const char* group;
  const char* text;  // "" when the group is not a word of that kind
};

class RemarkWordTest : public testing::TestWithParam<WordCase> {};

TEST_P(RemarkWordTest, TranslatesOnlyItsOwnKindOfWord) {
  const WordCase& c = GetParam();
  EXPECT_EQ(c.translate(c.group), c.text) << c.name << "(" << c.group << ")";
}

INSTANTIATE_TEST_SUITE_P(Intensities, RemarkWordTest,
                         testing::Values(WordCase{"IntensityName", IntensityName, "FBL", "弱い"},
                                         WordCase{"IntensityName", IntensityName, "HVY", "強い"},
                                         WordCase{"IntensityName", IntensityName, "MOD",
                                                  "並みの強さの"},
                                         WordCase{"IntensityName", IntensityName, "fbl", ""},
                                         WordCase{"IntensityName", IntensityName, "MODERATE", ""},
                                         WordCase{"IntensityName", IntensityName, "", ""}));

INSTANTIATE_TEST_SUITE_P(
    Phenomena, RemarkWordTest,
    testing::Values(WordCase{"RemarkCloudName", RemarkCloudName, "CB", "雷雲"},
                    WordCase{"RemarkCloudName", RemarkCloudName, "TS", "雷"},
                    WordCase{"RemarkCloudName", RemarkCloudName, "TCU", "雄大積雲"},
                    WordCase{"RemarkCloudName", RemarkCloudName, "VIRGA", "尾流雲"},
                    WordCase{"RemarkCloudName", RemarkCloudName, "CBS", ""},
                    WordCase{"RemarkCloudName", RemarkCloudName, "TSRA", ""},
                    WordCase{"RemarkCloudName", RemarkCloudName, "CU", ""}));

INSTANTIATE_TEST_SUITE_P(
    Distances, RemarkWordTest,
    testing::Values(WordCase{"TranslateDistance", TranslateDistance, "10KM", "10km"},
                    WordCase{"TranslateDistance", TranslateDistance, "5KM", "5km"},
                    WordCase{"TranslateDistance", TranslateDistance, "800M", "800m"},
                    WordCase{"TranslateDistance", TranslateDistance, "0800M", "0800m"},
                    WordCase{"TranslateDistance", TranslateDistance, "KM", ""},
                    WordCase{"TranslateDistance", TranslateDistance, "M", ""},
                    WordCase{"TranslateDistance", TranslateDistance, "XKM", ""},
                    WordCase{"TranslateDistance", TranslateDistance, "10NM", ""},
                    WordCase{"TranslateDistance", TranslateDistance, "10km", ""},
                    WordCase{"TranslateDistance", TranslateDistance, "10", ""}));

INSTANTIATE_TEST_SUITE_P(
    Directions, RemarkWordTest,
    testing::Values(WordCase{"DirectionName", DirectionName, "N", "北"},
                    WordCase{"DirectionName", DirectionName, "SW", "南西"},
                    WordCase{"DirectionName", DirectionName, "UNKNOWN", "何処か"},
                    WordCase{"DirectionName", DirectionName, "NNE", ""},
                    WordCase{"JoinDirections", JoinDirections, "N-NE", "北と北東"},
                    WordCase{"JoinDirections", JoinDirections, "E-SE-S", "東と南東と南"},
                    WordCase{"JoinDirections", JoinDirections, "NE", "北東"},
                    WordCase{"JoinDirections", JoinDirections, "OHD", "真上"},
                    WordCase{"JoinDirections", JoinDirections, "N--E", "北と東"},
                    WordCase{"JoinDirections", JoinDirections, "-N-", "北"},
                    WordCase{"JoinDirections", JoinDirections, "N-XX-E", "北と東"},
                    WordCase{"JoinDirections", JoinDirections, "NNE-E", "東"},
                    WordCase{"JoinDirections", JoinDirections, "W-NW", "西と北西"},
                    WordCase{"JoinDirections", JoinDirections, "ALQDS", ""},
                    WordCase{"JoinDirections", JoinDirections, "-", ""},
                    WordCase{"JoinDirections", JoinDirections, "", ""}));

INSTANTIATE_TEST_SUITE_P(Movements, RemarkWordTest,
                         testing::Values(WordCase{"MovementName", MovementName, "MOV", "移動中"},
                                         WordCase{"MovementName", MovementName, "STNR", "停滞中"},
                                         WordCase{"MovementName", MovementName, "MOVG", ""}));

}  // namespace
}  // namespace aerolume
