// Numbers of US-style groups shown in the units a Japanese reader uses: tenths of
// degrees, sea-level pressure, inches with millimetres and statute miles with
// kilometres after them. Each answers nothing when its digits are not of the
// group's shape, so a rule can use it as its own test.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace aerolume {

// snTTT (sign digit 1 = below zero, then tenths): "0256" -> "25.6ﾟC", "1015" -> "-1.5ﾟC",
// "1000" -> "-0.0ﾟC" as the group gives it.
std::optional<std::string> TenthsCelsius(std::string_view signAndTenths);

// The same tenths as a number: "1015" -> -1.5.
std::optional<double> TenthsCelsiusValue(std::string_view signAndTenths);

// ppp in tenths with the leading 9 or 10 dropped: below 500 it is 1000 + ppp/10
// ("013" -> "1001.3hPa"), from 500 on 900 + ppp/10 ("500" -> "950.0hPa").
std::optional<std::string> SeaLevelPressure(std::string_view ppp);

// Hundredths of an inch: "0012" -> "0.12インチ(3.0mm)".
std::optional<std::string> InchesOfPrecipitation(std::string_view hundredths);

// Whole inches of snow: "021" -> "21インチ(53.3cm)".
std::optional<std::string> InchesOfSnow(std::string_view inches);

// appp of the 3-hour pressure tendency: "2003" -> "+0.3hPa(上昇)", "4000" ->
// "0.0hPa(変化なし)", "7012" -> "-1.2hPa(下降)".
std::optional<std::string> PressureTendency(std::string_view appp);

// A visibility in statute miles as US reports write it: "10", "1/2" or "1 1/2"
// (the whole number and the fraction are two groups joined by one space).
bool IsMiles(std::string_view miles);
// "1 1/2マイル(約2.4km)"; a qualifier stands after the unit ("1/4マイル未満(約0.4km)").
std::optional<std::string> MilesWithKilometres(std::string_view miles,
                                               std::string_view qualifier = {});

// The same miles as a number: "1 1/2" -> 1.5.
std::optional<double> MilesValue(std::string_view miles);

// A whole number of miles, or a fraction of one: the pieces of a US visibility.
bool IsWholeMiles(std::string_view group);     // 1 or 2 digits
bool IsMilesFraction(std::string_view group);  // n/d

}  // namespace aerolume
