#include "cli/values_text.hpp"

#include <chrono>
#include <cstdio>

#include "translators/utc_time.hpp"

namespace aerolume::cli {

std::string CategoryText(FlightCategory category) {
  const std::string_view name = CategoryName(category);
  return name.empty() ? "unknown" : std::string(name);
}

std::string WindText(const std::optional<WindValue>& wind) {
  if (!wind || wind->speedKt < 0) return "-";
  if (wind->calm) return "calm";
  char text[32];
  if (wind->variable || wind->directionDegrees < 0) {
    std::snprintf(text, sizeof text, "VRB %d kt", wind->speedKt);
  } else {
    std::snprintf(text, sizeof text, "%03d %d kt", wind->directionDegrees, wind->speedKt);
  }
  std::string shown = text;
  if (wind->gustKt >= 0) shown += " gusts " + std::to_string(wind->gustKt);
  return shown;
}

std::string VisibilityText(const WeatherValues& values) {
  if (values.cavok) return "CAVOK";
  if (!values.visibility) return "-";
  if (values.visibility->tenKmOrMore) return "10 km or more";
  const char* bound = values.visibility->bound == Bound::LessThan   ? "less than "
                      : values.visibility->bound == Bound::MoreThan ? "more than "
                                                                    : "";
  return bound + std::to_string(values.visibility->metres) + " m";
}

std::string CeilingText(const WeatherValues& values) {
  if (const std::optional<Ceiling> ceiling = CeilingOf(values)) {
    return (ceiling->verticalVisibility ? "vertical visibility " : "ceiling ") +
           std::to_string(ceiling->feet) + " ft";
  }
  return values.cloudsNamed || values.cavok ? "no ceiling" : "-";
}

std::string WeatherText(const WeatherValues& values) {
  if (!values.weatherNamed) return "-";
  if (values.weather.empty()) return "NSW";
  std::string text;
  for (const WeatherGroupValue& group : values.weather) {
    if (!text.empty()) text += ' ';
    if (group.intensity != 0) text += group.intensity;
    for (int i = 0; i < group.codeCount; ++i) {
      text.append(group.codes[static_cast<std::size_t>(i)].data(), 2);
    }
  }
  return text;
}

std::string JapanTimeText(UtcMinutes time) {
  // Japan has no daylight saving: the UTC calendar nine hours on, "2026-07-24T02:00:00Z".
  std::string text = IsoUtc(time + std::chrono::hours(9)).substr(0, 16);
  text[10] = ' ';
  return text;
}

}  // namespace aerolume::cli
