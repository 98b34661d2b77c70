// A recorded wind in the wind line's words.
#include "translators/wind_phrase.hpp"

#include <gtest/gtest.h>

namespace aerolume {
namespace {

struct WindCase {
  const char* name;
  WindValue wind;
  const char* phrase;
};

void PrintTo(const WindCase& c, std::ostream* out) {
  *out << c.name;
}

const WindCase kWindCases[] = {
    {"Calm", {0, false, 0, -1, -1, -1, true}, "無風"},
    {"Variable", {-1, true, 2, -1, -1, -1, false}, "方向不定 2KTの風"},
    {"DirectionPadded", {90, false, 24, -1, -1, -1, false}, "090方向 24KTの風"},
    {"Gust", {80, false, 34, 44, -1, -1, false}, "080方向 34KT 最大44KTの風"},
    {"SpeedNotReported", {270, false, -1, -1, -1, -1, false}, ""},
};

class WindPhraseTest : public testing::TestWithParam<WindCase> {};

TEST_P(WindPhraseTest, SaysTheWindAsTheWindLineDoes) {
  EXPECT_EQ(WindPhrase(GetParam().wind), GetParam().phrase);
}

INSTANTIATE_TEST_SUITE_P(Winds, WindPhraseTest, testing::ValuesIn(kWindCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace aerolume
