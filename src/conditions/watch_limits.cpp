#include "conditions/watch_limits.hpp"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "conditions/category_reason.hpp"
#include "stations/runway_wind.hpp"
#include "stations/station_runways.hpp"
#include "translators/text.hpp"

namespace aerolume {

namespace {

// How far inside a limit a report must be for one report to end an alert; closer than
// this, the next report must be clear as well, so that a value hovering at the limit
// does not alert and clear by turns.
constexpr int kCeilingMarginFt = 200;
constexpr int kVisibilityMarginPercent = 20;
constexpr int kCrosswindMarginKt = 3;
constexpr int kGustMarginKt = 5;

LimitReading Unknown(LimitKind kind) {
  LimitReading reading;
  reading.kind = kind;
  reading.known = false;
  return reading;
}

LimitReading CategoryReading(FlightCategory worseThan, const OverviewStation& station) {
  LimitReading reading;
  reading.kind = LimitKind::Category;
  reading.category = CategoryOf(station);
  if (reading.category == FlightCategory::Unknown) return Unknown(LimitKind::Category);
  reading.crossed = reading.category > worseThan;
  reading.text = Concat(
      {CategoryName(reading.category), " (", CategoryReasonJapaneseBrief(station.judgement), ")"});
  return reading;
}

std::string LimitSuffix(int limit, std::string_view unit) {
  return Concat({"限度 ", FormatInt(limit), unit});
}

LimitReading CeilingReading(int limitFt, const OverviewStation& station) {
  const WeatherValues& observed = station.values.observed;
  LimitReading reading;
  reading.kind = LimitKind::Ceiling;
  if (const std::optional<Ceiling> ceiling = CeilingOf(observed)) {
    reading.crossed = ceiling->feet < limitFt;
    reading.clearByMargin = ceiling->feet >= limitFt + kCeilingMarginFt;
    reading.text = Concat(
        {"雲底 ", FormatInt(ceiling->feet), "フィート (", LimitSuffix(limitFt, "フィート"), ")"});
  } else if (observed.cloudsNamed || observed.cavok) {
    reading.clearByMargin = true;
    reading.text = Concat({"雲底なし (", LimitSuffix(limitFt, "フィート"), ")"});
  } else {
    return Unknown(LimitKind::Ceiling);
  }
  return reading;
}

LimitReading VisibilityReading(int limitM, const OverviewStation& station) {
  const WeatherValues& observed = station.values.observed;
  LimitReading reading;
  reading.kind = LimitKind::Visibility;
  if (observed.cavok || (observed.visibility && observed.visibility->tenKmOrMore)) {
    reading.clearByMargin = limitM * (100 + kVisibilityMarginPercent) <= 10000 * 100;
    reading.text = Concat({"視程 10km以上 (", LimitSuffix(limitM, "m"), ")"});
    return reading;
  }
  if (!observed.visibility) return Unknown(LimitKind::Visibility);
  const int metres = observed.visibility->metres;
  reading.crossed = metres < limitM;
  reading.clearByMargin = metres * 100 >= limitM * (100 + kVisibilityMarginPercent);
  reading.text = Concat({"視程 ", FormatInt(metres), "m (", LimitSuffix(limitM, "m"), ")"});
  return reading;
}

WindValues WindOf(const WindValue& wind) {
  return {wind.directionDegrees,  wind.speedKt, wind.variableFromDegrees,
          wind.variableToDegrees, wind.gustKt,  wind.calm};
}

// The favoured end; without one (VRB, calm) the end with the largest crosswind.
const RunwayEndWind& ChosenEnd(const std::vector<RunwayEndWind>& ends) {
  const auto favoured = std::ranges::find_if(ends, &RunwayEndWind::favoured);
  if (favoured != ends.end()) return *favoured;
  return *std::ranges::max_element(ends, {}, [](const RunwayEndWind& end) {
    return end.mean ? std::abs(end.mean->crosswind) : 0;
  });
}

LimitReading CrosswindReading(int limitKt, const OverviewStation& station) {
  const std::optional<WindValue>& wind = station.values.observed.wind;
  const std::vector<RunwayEndWind> ends =
      wind && wind->speedKt >= 0 ? RunwayWinds(StationRunways(station.code), WindOf(*wind))
                                 : std::vector<RunwayEndWind>{};
  if (ends.empty()) return Unknown(LimitKind::Crosswind);
  const RunwayEndWind& end = ChosenEnd(ends);
  const int mean = end.mean ? std::abs(end.mean->crosswind) : 0;
  const int gust = end.gust ? std::abs(end.gust->crosswind) : 0;
  LimitReading reading;
  reading.kind = LimitKind::Crosswind;
  const int worst = std::max(mean, gust);
  reading.crossed = worst > limitKt;
  reading.clearByMargin = worst <= limitKt - kCrosswindMarginKt;
  const std::string runway =
      end.favoured || !wind->variable ? Concat({"RWY", end.end.ident}) : std::string("風向不定");
  reading.text = Concat({gust > mean ? "突風時横風 " : "横風 ", FormatInt(worst), "KT (", runway,
                         ", ", LimitSuffix(limitKt, "KT"), ")"});
  return reading;
}

LimitReading GustReading(int limitKt, const OverviewStation& station) {
  const std::optional<WindValue>& wind = station.values.observed.wind;
  if (!wind || wind->speedKt < 0) return Unknown(LimitKind::Gust);
  LimitReading reading;
  reading.kind = LimitKind::Gust;
  const int gust = std::max(wind->gustKt, 0);
  reading.crossed = gust > limitKt;
  reading.clearByMargin = gust <= limitKt - kGustMarginKt;
  reading.text = wind->gustKt < 0
                     ? Concat({"突風なし (", LimitSuffix(limitKt, "KT"), ")"})
                     : Concat({"突風 ", FormatInt(gust), "KT (", LimitSuffix(limitKt, "KT"), ")"});
  return reading;
}

bool IsThunder(const WeatherGroupValue& weather) {
  return std::ranges::any_of(weather.codes.begin(), weather.codes.begin() + weather.codeCount,
                             [](const auto& code) { return code[0] == 'T' && code[1] == 'S'; });
}

std::string WeatherCode(const WeatherGroupValue& weather) {
  std::string code = weather.intensity != 0 ? std::string(1, weather.intensity) : "";
  for (int i = 0; i < weather.codeCount; ++i) code.append(weather.codes[i].data(), 2);
  return code;
}

// Whether a word of the text starts with `prefix`.
bool HasWordStarting(std::string_view text, std::string_view prefix) {
  for (std::size_t at = text.find(prefix); at != std::string_view::npos;
       at = text.find(prefix, at + 1)) {
    if (at == 0 || text[at - 1] == ' ') return true;
  }
  return false;
}

// The observation's groups: what comes before the trend and the remarks.
std::string_view ObservedPart(std::string_view report) {
  std::size_t end = report.size();
  for (std::string_view marker : {" TEMPO", " BECMG", " NOSIG", " RMK"}) {
    end = std::min(end, report.find(marker));
  }
  return report.substr(0, end);
}

// Two signs leave no values: lightning, reported only in the remarks (LTG, LTGICCG, ...),
// and a CB of unknown amount and height (//////CB).
bool ReportsLightning(std::string_view report) {
  return HasWordStarting(report, "LTG");
}
bool ReportsCbOfUnknownAmount(std::string_view report) {
  return HasWordStarting(ObservedPart(report), "//////CB");
}

LimitReading ThunderReading(const OverviewStation& station) {
  const WeatherValues& observed = station.values.observed;
  std::vector<std::string> found;
  for (const WeatherGroupValue& weather : observed.weather) {
    if (IsThunder(weather)) found.push_back(WeatherCode(weather));
  }
  if (std::ranges::any_of(observed.clouds,
                          [](const CloudLayerValue& layer) {
                            return std::string_view(layer.type.data()) == "CB";
                          }) ||
      ReportsCbOfUnknownAmount(station.report)) {
    found.emplace_back("CB");
  }
  if (ReportsLightning(station.report)) found.emplace_back("LTG");
  LimitReading reading;
  reading.kind = LimitKind::Thunder;
  reading.crossed = !found.empty();
  if (!reading.crossed) {
    reading.text = "雷・積乱雲なし";
    return reading;
  }
  std::string codes;
  for (const std::string& code : found) codes += (codes.empty() ? "" : ", ") + code;
  reading.text = Concat({"雷・積乱雲 (", codes, ")"});
  return reading;
}

LimitReading SpeciReading(const OverviewStation& station) {
  LimitReading reading;
  reading.kind = LimitKind::Speci;
  reading.crossed = IsSpeci(station);
  reading.text = Concat({reading.crossed ? "SPECI " : "METAR ", ReportDayTime(*station.observed)});
  return reading;
}

}  // namespace

bool WatchLimits::Any() const {
  return worseThan != FlightCategory::Unknown || ceilingBelowFt || visibilityBelowM ||
         crosswindAboveKt || gustAboveKt || thunder || speci;
}

std::string_view LimitName(LimitKind kind) {
  constexpr std::string_view kNames[] = {"category", "ceiling", "visibility", "crosswind",
                                         "gust",     "thunder", "speci"};
  return kNames[static_cast<int>(kind)];
}

std::vector<LimitReading> ReadLimits(const WatchLimits& limits, const OverviewStation& station) {
  std::vector<LimitReading> readings;
  if (limits.worseThan != FlightCategory::Unknown) {
    readings.push_back(CategoryReading(limits.worseThan, station));
  }
  if (limits.ceilingBelowFt) readings.push_back(CeilingReading(*limits.ceilingBelowFt, station));
  if (limits.visibilityBelowM) {
    readings.push_back(VisibilityReading(*limits.visibilityBelowM, station));
  }
  if (limits.crosswindAboveKt) {
    readings.push_back(CrosswindReading(*limits.crosswindAboveKt, station));
  }
  if (limits.gustAboveKt) readings.push_back(GustReading(*limits.gustAboveKt, station));
  if (limits.thunder) readings.push_back(ThunderReading(station));
  if (limits.speci) readings.push_back(SpeciReading(station));
  return readings;
}

std::string ReportDayTime(UtcMinutes observed) {
  const auto day = std::chrono::floor<std::chrono::days>(observed);
  const std::chrono::hh_mm_ss clock{observed - day};
  const unsigned dayOfMonth = unsigned(std::chrono::year_month_day{day}.day());
  char text[8];
  std::snprintf(text, sizeof text, "%02u%02d%02dZ", dayOfMonth % 100,
                static_cast<int>(clock.hours().count()), static_cast<int>(clock.minutes().count()));
  return text;
}

bool IsSpeci(const OverviewStation& station) {
  if (station.report.starts_with("SPECI ")) return true;
  if (!station.observed) return false;
  const auto hour = std::chrono::floor<std::chrono::hours>(*station.observed);
  const int minute = static_cast<int>((*station.observed - hour).count());
  return minute != 0 && minute != 30 && minute < 55;
}

}  // namespace aerolume
