// The flight category of reported conditions, by the US definitions that pilots
// use everywhere: the worse of what the ceiling and the visibility allow.
#pragma once

#include <optional>
#include <string_view>

#include "decoder/report_values.hpp"

namespace aerolume {

// Ordered from the best to the worst.
enum class FlightCategory { Unknown, Vfr, Mvfr, Ifr, Lifr };

// "VFR", "MVFR", "IFR", "LIFR"; empty for Unknown.
std::string_view CategoryName(FlightCategory category);

// The lowest BKN, OVC or VV layer, and how it was reported.
struct Ceiling {
  int feet = 0;
  bool verticalVisibility = false;
  CloudLayerValue layer;  // the BKN or OVC layer; empty for a vertical visibility
};

// Nothing when no layer makes a ceiling (FEW and SCT never do, nor a layer of
// unknown height).
std::optional<Ceiling> CeilingOf(const WeatherValues& values);

FlightCategory CategoryOfCeiling(int feet);
FlightCategory CategoryOfVisibility(int metres);

// The category with what decided it: the part or parts whose own category is the
// result's (both on a tie).
struct CategoryJudgement {
  FlightCategory category = FlightCategory::Unknown;
  std::optional<Ceiling> ceiling;
  bool cloudsReported = false;  // layers or a word for none: a ceiling known to be absent
  bool cavok = false;
  std::optional<VisibilityValue> visibility;
  bool byCeiling = false;
  bool byVisibility = false;
};

// Unknown when neither the sky nor the visibility is reported; CAVOK is VFR.
CategoryJudgement JudgeCategory(const WeatherValues& values);

}  // namespace aerolume
