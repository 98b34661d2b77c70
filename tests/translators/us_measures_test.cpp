#include "translators/us_measures.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace aerolume {
namespace {

enum class Measure { Celsius, SeaLevel, Precipitation, Snow, Tendency, Miles };

struct MeasureCase {
  Measure measure;
  const char* digits;
  std::optional<std::string> text;  // nothing: not digits of that shape
};

std::optional<std::string> Convert(const MeasureCase& c) {
  switch (c.measure) {
    case Measure::Celsius:
      return TenthsCelsius(c.digits);
    case Measure::SeaLevel:
      return SeaLevelPressure(c.digits);
    case Measure::Precipitation:
      return InchesOfPrecipitation(c.digits);
    case Measure::Snow:
      return InchesOfSnow(c.digits);
    case Measure::Tendency:
      return PressureTendency(c.digits);
    case Measure::Miles:
      return MilesWithKilometres(c.digits);
  }
  return std::nullopt;
}

void PrintTo(const MeasureCase& c, std::ostream* os) {
  *os << static_cast<int>(c.measure) << " '" << c.digits << "'";
}

class UsMeasureTest : public testing::TestWithParam<MeasureCase> {};

TEST_P(UsMeasureTest, ShowsTheValueInItsUnits) {
  EXPECT_EQ(Convert(GetParam()), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Temperatures, UsMeasureTest,
                         testing::Values(MeasureCase{Measure::Celsius, "0256", "25.6ﾟC"},
                                         MeasureCase{Measure::Celsius, "1015", "-1.5ﾟC"},
                                         // A sign of 1 on zero is kept, as the group gives it.
                                         MeasureCase{Measure::Celsius, "1000", "-0.0ﾟC"},
                                         MeasureCase{Measure::Celsius, "0000", "0.0ﾟC"},
                                         MeasureCase{Measure::Celsius, "2015", std::nullopt},
                                         MeasureCase{Measure::Celsius, "025", std::nullopt},
                                         MeasureCase{Measure::Celsius, "02A6", std::nullopt}));

INSTANTIATE_TEST_SUITE_P(
    Pressures, UsMeasureTest,
    testing::Values(MeasureCase{Measure::SeaLevel, "162", "1016.2hPa"},
                    // 499 is the highest of the 1000s, 500 the lowest of the 900s.
                    MeasureCase{Measure::SeaLevel, "499", "1049.9hPa"},
                    MeasureCase{Measure::SeaLevel, "500", "950.0hPa"},
                    MeasureCase{Measure::SeaLevel, "000", "1000.0hPa"},
                    MeasureCase{Measure::SeaLevel, "999", "999.9hPa"},
                    MeasureCase{Measure::SeaLevel, "NO", std::nullopt},
                    MeasureCase{Measure::Tendency, "2003", "+0.3hPa(上昇)"},
                    MeasureCase{Measure::Tendency, "4000", "0.0hPa(変化なし)"},
                    MeasureCase{Measure::Tendency, "7012", "-1.2hPa(下降)"},
                    MeasureCase{Measure::Tendency, "8105", "-10.5hPa(下降)"},
                    MeasureCase{Measure::Tendency, "9003", std::nullopt}));

INSTANTIATE_TEST_SUITE_P(
    Inches, UsMeasureTest,
    testing::Values(MeasureCase{Measure::Precipitation, "0012", "0.12インチ(3.0mm)"},
                    MeasureCase{Measure::Precipitation, "0001", "0.01インチ(0.3mm)"},
                    // 1.25 in is 31.75 mm: a half rounds up.
                    MeasureCase{Measure::Precipitation, "0125", "1.25インチ(31.8mm)"},
                    MeasureCase{Measure::Precipitation, "1000", "10.00インチ(254.0mm)"},
                    MeasureCase{Measure::Precipitation, "////", std::nullopt},
                    MeasureCase{Measure::Snow, "021", "21インチ(53.3cm)"},
                    MeasureCase{Measure::Snow, "000", "0インチ(0.0cm)"},
                    MeasureCase{Measure::Snow, "21", std::nullopt}));

INSTANTIATE_TEST_SUITE_P(
    Miles, UsMeasureTest,
    testing::Values(MeasureCase{Measure::Miles, "1/4", "1/4マイル(約0.4km)"},
                    MeasureCase{Measure::Miles, "1 1/2", "1 1/2マイル(約2.4km)"},
                    MeasureCase{Measure::Miles, "2 1/2", "2 1/2マイル(約4.0km)"},
                    // One decimal below 10 km, whole kilometres from 10 km on.
                    MeasureCase{Measure::Miles, "6", "6マイル(約9.7km)"},
                    MeasureCase{Measure::Miles, "7", "7マイル(約11km)"},
                    MeasureCase{Measure::Miles, "10", "10マイル(約16km)"},
                    MeasureCase{Measure::Miles, "1/0", std::nullopt},
                    MeasureCase{Measure::Miles, "1 1", std::nullopt},
                    MeasureCase{Measure::Miles, "100", std::nullopt},
                    MeasureCase{Measure::Miles, "/2", std::nullopt}));

}  // namespace
}  // namespace aerolume
