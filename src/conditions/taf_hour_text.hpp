// A TAF's hour in words: the short codes the timeline writes where the forecast
// changes ("20015G25KT 3000 BR"), and the forecast for the hour in Japanese that
// hovering the hour shows.
#pragma once

#include <string>

#include "decoder/report_values.hpp"

namespace aerolume {

// Wind, visibility and weather as a TAF writes them; each part left out when not
// known. "CAVOK" stands for visibility and weather both.
std::string ForecastCodes(const WeatherValues& values);

// The layers as a TAF writes them ("FEW004 BKN007", "VV001", "NSC"); empty when the
// period names no sky.
std::string SkyCodes(const WeatherValues& values);

// "TEMPO", "PROB30", "PROB40 TEMPO"; empty for the other kinds.
std::string AlternativeName(PeriodKind kind, int probabilityPercent);

// Lines: the hour in Japan time ("8日 15時～16時"), the prevailing forecast with its
// category and why ("IFR（雲底 800フィート (BKN008)） 風 200° 15KT 視程 3000m 霧"),
// then one line for each TEMPO or PROB covering the hour.
std::string TafHourJapanese(const TafValues& taf, UtcMinutes hour);

}  // namespace aerolume
