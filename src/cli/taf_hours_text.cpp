#include "cli/taf_hours_text.hpp"

#include "cli/values_json.hpp"
#include "cli/values_text.hpp"
#include "conditions/taf_hour_text.hpp"
#include "conditions/taf_hours.hpp"

namespace aerolume::cli {

namespace {

constexpr std::string_view kSeparator = " | ";

std::string GroupName(const TafAlternative& alternative) {
  return AlternativeName(alternative.kind, alternative.probabilityPercent);
}

std::string ConditionsText(const WeatherValues& values) {
  std::string text = CategoryText(JudgeCategory(values).category);
  for (const std::string& part :
       {WindText(values.wind), VisibilityText(values), WeatherText(values), CeilingText(values)}) {
    text.append(kSeparator).append(part);
  }
  return text;
}

std::string HourLine(const TafValues& taf, const TafHour& hour) {
  std::string line = JapanTimeText(hour.time) + " JST" + std::string(kSeparator) +
                     ConditionsText(PrevailingAt(taf, hour.time)) + '\n';
  for (const TafAlternative& alternative : AlternativeGroupsAt(taf, hour.time)) {
    line += "    " + GroupName(alternative) + ": " + ConditionsText(alternative.values) + '\n';
  }
  return line;
}

nlohmann::json AlternativeJson(const TafAlternative& alternative) {
  return {{"group", GroupName(alternative)},
          {"probability_percent", alternative.probabilityPercent < 0
                                      ? nlohmann::json()
                                      : nlohmann::json(alternative.probabilityPercent)},
          {"conditions", WeatherValuesJson(alternative.values)}};
}

nlohmann::json HourJson(const TafValues& taf, const TafHour& hour) {
  nlohmann::json alternatives = nlohmann::json::array();
  for (const TafAlternative& alternative : AlternativeGroupsAt(taf, hour.time)) {
    alternatives.push_back(AlternativeJson(alternative));
  }
  const std::string_view worst = CategoryName(hour.worstAlternative);
  return {{"time", IsoUtc(hour.time)},
          {"time_jst", JapanTimeText(hour.time)},
          {"conditions", WeatherValuesJson(PrevailingAt(taf, hour.time))},
          {"alternatives", alternatives},
          {"worst_category", worst.empty() ? nlohmann::json() : nlohmann::json(worst)}};
}

}  // namespace

std::string TafHoursText(const TafValues& taf) {
  std::string text;
  for (const TafHour& hour : TafHours(taf)) text += HourLine(taf, hour);
  return text;
}

nlohmann::json TafHoursListJson(const TafValues& taf) {
  nlohmann::json hours = nlohmann::json::array();
  for (const TafHour& hour : TafHours(taf)) hours.push_back(HourJson(taf, hour));
  return hours;
}

}  // namespace aerolume::cli
