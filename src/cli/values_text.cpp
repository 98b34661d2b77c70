#include "cli/values_text.hpp"

#include <chrono>
#include <cstdio>

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
  const UtcMinutes japan = time + std::chrono::hours(9);
  const auto day = std::chrono::floor<std::chrono::days>(japan);
  const std::chrono::year_month_day date(day);
  const std::chrono::hh_mm_ss clock(japan - day);
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u %02d:%02d", static_cast<int>(date.year()),
                static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                static_cast<int>(clock.hours().count()), static_cast<int>(clock.minutes().count()));
  return text;
}

}  // namespace aerolume::cli
