#include "conditions/history_series.hpp"

#include <cmath>
#include <cstdlib>

#include "stations/runway_wind.hpp"

namespace aerolume {

namespace {

constexpr double kHectopascalPerInch = 33.8639;
constexpr int kTenKilometres = 10000;
constexpr std::chrono::minutes kPressureSpan{180};
constexpr std::chrono::minutes kPressureTolerance{30};

// The report's wind as the runway arithmetic takes it.
WindValues RunwayWindOf(const std::optional<WindValue>& wind) {
  if (!wind) return {};
  return {wind->directionDegrees,  wind->speedKt, wind->variableFromDegrees,
          wind->variableToDegrees, wind->gustKt,  wind->calm};
}

std::optional<int> Known(int value) {
  return value < 0 ? std::nullopt : std::optional<int>(value);
}

std::optional<int> CrosswindOn(std::span<const Runway> runways, const WindValue& wind,
                               std::string_view runwayEnd) {
  for (const RunwayEndWind& end : RunwayWinds(runways, RunwayWindOf(wind))) {
    if (end.end.ident == runwayEnd && end.mean) return std::abs(end.mean->crosswind);
  }
  return std::nullopt;
}

std::optional<double> QnhOf(const MetarValues& values) {
  if (values.qnhHectopascal) return values.qnhHectopascal;
  if (values.qnhInchesOfMercury) return *values.qnhInchesOfMercury * kHectopascalPerInch;
  return std::nullopt;
}

void SetWind(HistoryPoint& point, const WindValue& wind) {
  point.speedKt = wind.calm ? 0 : Known(wind.speedKt);
  point.gustKt = Known(wind.gustKt);
  if (!wind.calm && !wind.variable) point.directionDegrees = Known(wind.directionDegrees);
}

void SetSky(HistoryPoint& point, const WeatherValues& observed) {
  if (observed.visibility) {
    point.visibilityMetres =
        observed.visibility->tenKmOrMore ? kTenKilometres : observed.visibility->metres;
  }
  if (const std::optional<Ceiling> ceiling = CeilingOf(observed)) point.ceilingFeet = ceiling->feet;
}

}  // namespace

std::string FavouredRunwayEnd(const StationHistory& history, std::span<const Runway> runways) {
  for (auto report = history.reports.rbegin(); report != history.reports.rend(); ++report) {
    for (const RunwayEndWind& end :
         RunwayWinds(runways, RunwayWindOf(report->values.observed.wind))) {
      if (end.favoured) return std::string(end.end.ident);
    }
  }
  return {};
}

std::vector<HistoryPoint> HistoryPoints(const StationHistory& history,
                                        std::span<const Runway> runways,
                                        std::string_view runwayEnd) {
  std::vector<HistoryPoint> points;
  points.reserve(history.reports.size());
  for (const HistoryReport& report : history.reports) {
    HistoryPoint point;
    point.time = report.observed;
    point.speci = report.speci;
    const WeatherValues& observed = report.values.observed;
    if (observed.wind) {
      SetWind(point, *observed.wind);
      if (!runwayEnd.empty()) point.crosswindKt = CrosswindOn(runways, *observed.wind, runwayEnd);
    }
    SetSky(point, observed);
    point.temperatureCelsius = report.values.temperatureCelsius;
    point.dewPointCelsius = report.values.dewPointCelsius;
    point.qnhHectopascal = QnhOf(report.values);
    point.category = report.judgement.category;
    points.push_back(point);
  }
  return points;
}

std::optional<double> PressureChange(const std::vector<HistoryPoint>& points) {
  const HistoryPoint* latest = nullptr;
  for (auto point = points.rbegin(); point != points.rend() && !latest; ++point) {
    if (point->qnhHectopascal) latest = &*point;
  }
  if (!latest) return std::nullopt;
  const UtcMinutes wanted = latest->time - kPressureSpan;
  const HistoryPoint* before = nullptr;
  for (const HistoryPoint& point : points) {
    if (!point.qnhHectopascal || std::chrono::abs(point.time - wanted) > kPressureTolerance) {
      continue;
    }
    if (!before ||
        std::chrono::abs(point.time - wanted) < std::chrono::abs(before->time - wanted)) {
      before = &point;
    }
  }
  if (!before) return std::nullopt;
  return *latest->qnhHectopascal - *before->qnhHectopascal;
}

}  // namespace aerolume
