#include "cli/values_json.hpp"

#include <string_view>

#include "conditions/flight_category.hpp"
#include "conditions/taf_hours.hpp"

namespace aerolume::cli {

namespace {

using nlohmann::json;

json IntOrNull(int value) {
  return value < 0 ? json() : json(value);
}

template <typename T>
json OrNull(const std::optional<T>& value) {
  return value ? json(*value) : json();
}

template <std::size_t N>
json CodeOrNull(const std::array<char, N>& code) {
  // Codes are shorter than their array, which ends them with a zero.
  return code[0] == '\0' ? json() : json(std::string(code.data()));
}

json BoundJson(Bound bound) {
  if (bound == Bound::LessThan) return "less_than";
  if (bound == Bound::MoreThan) return "more_than";
  return json();
}

json CategoryJson(FlightCategory category) {
  return category == FlightCategory::Unknown ? json() : json(CategoryName(category));
}

json ReportedWindJson(const std::optional<WindValue>& wind) {
  if (!wind) return json();
  return {{"direction_deg", IntOrNull(wind->directionDegrees)},
          {"variable", wind->variable},
          {"speed_kt", IntOrNull(wind->speedKt)},
          {"gust_kt", IntOrNull(wind->gustKt)},
          {"variable_from_deg", IntOrNull(wind->variableFromDegrees)},
          {"variable_to_deg", IntOrNull(wind->variableToDegrees)},
          {"calm", wind->calm}};
}

json VisibilityJson(const std::optional<VisibilityValue>& visibility) {
  if (!visibility) return json();
  return {
      {"distance_m", visibility->metres},
      {"qualifier", BoundJson(visibility->bound)},
      {"ten_km_or_more", visibility->tenKmOrMore},
      {"statute_miles", visibility->statuteMiles < 0 ? json() : json(visibility->statuteMiles)}};
}

json TendencyJson(char tendency) {
  if (tendency == 'U') return "up";
  if (tendency == 'D') return "down";
  if (tendency == 'N') return "no_change";
  return json();
}

json RunwayRangesJson(const WeatherValues& values) {
  json ranges = json::array();
  for (const RunwayRangeValue& range : values.runwayRanges) {
    ranges.push_back({{"runway", CodeOrNull(range.runway)},
                      {"distance_m", IntOrNull(range.metres)},
                      {"qualifier", BoundJson(range.bound)},
                      {"variation_max_m", IntOrNull(range.variationMaxMetres)},
                      {"variation_max_qualifier", BoundJson(range.variationMaxBound)},
                      {"tendency", TendencyJson(range.tendency)},
                      {"reported_in_feet", range.reportedInFeet}});
  }
  return ranges;
}

std::string_view IntensityName(char sign) {
  if (sign == '-') return "light";
  if (sign == '+') return "heavy";
  return "moderate";
}

template <typename List>
json WeatherListJson(const List& groups) {
  json list = json::array();
  for (const WeatherGroupValue& group : groups) {
    json codes = json::array();
    for (int i = 0; i < group.codeCount; ++i) {
      const auto& code = group.codes[static_cast<std::size_t>(i)];
      codes.push_back(std::string(code.data(), code.size()));
    }
    list.push_back({{"intensity", IntensityName(group.intensity)}, {"codes", codes}});
  }
  return list;
}

json CloudsJson(const WeatherValues& values) {
  json clouds = json::array();
  for (const CloudLayerValue& layer : values.clouds) {
    clouds.push_back({{"amount", CodeOrNull(layer.amount)},
                      {"base_ft", IntOrNull(layer.baseFeet)},
                      {"type", CodeOrNull(layer.type)}});
  }
  return clouds;
}

std::string_view PeriodKindName(PeriodKind kind) {
  switch (kind) {
    case PeriodKind::Base:
      return "base";
    case PeriodKind::From:
      return "from";
    case PeriodKind::Becoming:
      return "becoming";
    case PeriodKind::Temporary:
      return "temporary";
    case PeriodKind::Probability:
      return "probability";
    case PeriodKind::ProbabilityTemporary:
      return "probability_temporary";
  }
  return {};
}

json TimeJson(const std::optional<UtcMinutes>& time) {
  return time ? json(IsoUtc(*time)) : json();
}

}  // namespace

json WeatherValuesJson(const WeatherValues& values) {
  const CategoryJudgement judgement = JudgeCategory(values);
  return {{"wind", ReportedWindJson(values.wind)},
          {"visibility", VisibilityJson(values.visibility)},
          {"cavok", values.cavok},
          {"runway_visual_ranges", RunwayRangesJson(values)},
          {"weather", values.weatherNamed ? WeatherListJson(values.weather) : json()},
          {"sky", CodeOrNull(values.skyWord)},
          {"clouds", values.cloudsNamed ? CloudsJson(values) : json()},
          {"vertical_visibility_ft", IntOrNull(values.verticalVisibilityFeet)},
          {"ceiling_ft", judgement.ceiling ? json(judgement.ceiling->feet) : json()},
          {"flight_category", CategoryJson(judgement.category)}};
}

json MetarValuesJson(const MetarValues& values) {
  json object = WeatherValuesJson(values.observed);
  object["recent_weather"] = WeatherListJson(values.recentWeather);
  object["temperature_c"] = OrNull(values.temperatureCelsius);
  object["dew_point_c"] = OrNull(values.dewPointCelsius);
  object["qnh_hpa"] = OrNull(values.qnhHectopascal);
  object["qnh_inhg"] = OrNull(values.qnhInchesOfMercury);
  object["nosig"] = values.noSignificantChange;
  object["auto"] = values.automatic;
  object["correction"] = values.correction;
  object["nil"] = values.missing;
  return object;
}

json TafPeriodsJson(const TafValues& taf) {
  json periods = json::array();
  for (const TafPeriod& period : taf.periods) {
    periods.push_back({{"kind", PeriodKindName(period.kind)},
                       {"probability_percent", IntOrNull(period.probabilityPercent)},
                       {"from", TimeJson(period.from)},
                       {"to", TimeJson(period.to)},
                       {"values", WeatherValuesJson(period.values)}});
  }
  return periods;
}

json TafHoursJson(const TafValues& taf) {
  json hours = json::array();
  for (const TafHour& hour : TafHours(taf)) {
    const CategoryJudgement& prevailing = hour.prevailing;
    hours.push_back(
        {{"time", IsoUtc(hour.time)},
         {"category", CategoryJson(prevailing.category)},
         {"ceiling_ft", prevailing.ceiling ? json(prevailing.ceiling->feet) : json()},
         {"visibility_m", prevailing.visibility ? json(prevailing.visibility->metres) : json()},
         {"worst_category", CategoryJson(hour.worstAlternative)}});
  }
  return hours;
}

void AddValuesJson(json& report, ReportKind kind, const ShownReport& shown,
                   const ReportState& state) {
  const bool decoded = !shown.error && !shown.raw.empty();
  const bool metar = decoded && kind == ReportKind::Metar;
  const bool taf = decoded && kind == ReportKind::Taf;
  report["values"] = metar ? MetarValuesJson(state.m_metarValues) : json();
  report["periods"] = taf ? TafPeriodsJson(state.m_tafValues) : json();
  report["hours"] = taf ? TafHoursJson(state.m_tafValues) : json();
}

}  // namespace aerolume::cli
