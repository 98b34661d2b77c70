// Present-weather groups (-SHRA, +TSRA, VCSH, RERA, ...) in Japanese.
#pragma once

#include <string>
#include <string_view>

#include "decoder/report_values.hpp"

namespace aerolume {

// Reads the group from the left, replacing each intensity sign and two-letter code
// by its word, without separators (DRSN and BLSN, blowing snow, one word each);
// from the first unknown piece on the group is copied unchanged. Empty only for an
// empty group.
std::string TranslateWeather(std::string_view group);
// The same words, written at the end of `result`; with `value`, the sign and the
// codes read are recorded there as well, unless a piece is unknown: then the value
// is left with no code.
void AppendWeather(std::string& result, std::string_view group, WeatherGroupValue* value = nullptr);

// A recorded weather group in the same words: its sign and codes put back together
// (+SHRA) and read again.
std::string TranslateWeather(const WeatherGroupValue& value);

// True for a group made wholly of an optional intensity sign and the two-letter
// codes that TranslateWeather knows (+VCTSRA, DSTS), and for nothing else: a word
// that merely starts with a code (DSNT, SNOW, SAKURAJIMA) is no weather.
bool IsWeatherGroup(std::string_view group);

// True for exactly the two-letter codes that TranslateWeather knows, so that the
// decoder takes for weather only the groups that this translator can start on.
bool IsWeatherCode(std::string_view twoLetters);

}  // namespace aerolume
