#include "stations/runway_wind.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace aerolume {

namespace {

constexpr double kDegreesToRadians = std::numbers::pi / 180.0;

bool HasWindGroup(const WindValues& wind) {
  return wind.m_windCalm || wind.m_windSpeed >= 0;
}

bool IsVariable(const WindValues& wind) {
  return !wind.m_windCalm && wind.m_windDirection < 0 && wind.m_windSpeed >= 0;
}

bool HasSector(const WindValues& wind) {
  return wind.m_windVarFrom >= 0 && wind.m_windVarTo >= 0;
}

double Normalised(double degrees) {
  const double turned = std::fmod(degrees, 360.0);
  return turned < 0 ? turned + 360.0 : turned;
}

// Whether `direction` lies on the sector turning clockwise from `from` to `to`.
bool InSector(double direction, double from, double to) {
  return Normalised(direction - from) <= Normalised(to - from);
}

struct ExactComponents {
  double headwind;
  double crosswind;
};

ExactComponents ComponentsFrom(double direction, double speed, double bearing) {
  const double angle = (direction - bearing) * kDegreesToRadians;
  return {speed * std::cos(angle), speed * std::sin(angle)};
}

// The directions where the components over a sector reach their extremes: its
// bounds, and the points straight along and straight across the runway inside it.
std::vector<double> SectorExtremes(const WindValues& wind, double bearing) {
  const double from = wind.m_windVarFrom;
  const double to = wind.m_windVarTo;
  std::vector<double> directions{from, to};
  for (double offset : {0.0, 90.0, 180.0, 270.0}) {
    const double direction = Normalised(bearing + offset);
    if (InSector(direction, from, to)) directions.push_back(direction);
  }
  return directions;
}

WindComponents Rounded(double headwind, double crosswind) {
  return {static_cast<int>(std::lround(headwind)), static_cast<int>(std::lround(crosswind))};
}

WindComponents ComponentsFor(const WindValues& wind, int speed, double bearing) {
  if (wind.m_windCalm) return {0, 0};
  if (IsVariable(wind)) return {std::nullopt, speed};
  if (!HasSector(wind)) {
    const ExactComponents exact = ComponentsFrom(wind.m_windDirection, speed, bearing);
    return Rounded(exact.headwind, exact.crosswind);
  }
  double smallestHeadwind = speed;
  double largestCrosswind = 0;
  for (double direction : SectorExtremes(wind, bearing)) {
    const ExactComponents exact = ComponentsFrom(direction, speed, bearing);
    smallestHeadwind = std::min(smallestHeadwind, exact.headwind);
    if (std::abs(exact.crosswind) > std::abs(largestCrosswind)) largestCrosswind = exact.crosswind;
  }
  return Rounded(smallestHeadwind, largestCrosswind);
}

// Largest headwind first; then the longer runway; then the designator.
bool Favours(const RunwayEndWind& a, const RunwayEndWind& b) {
  if (*a.mean->headwind != *b.mean->headwind) return *a.mean->headwind > *b.mean->headwind;
  if (a.lengthFt != b.lengthFt) return a.lengthFt > b.lengthFt;
  return a.end.ident < b.end.ident;
}

void MarkFavoured(std::vector<RunwayEndWind>& ends, const WindValues& wind) {
  if (ends.empty() || !HasWindGroup(wind) || wind.m_windCalm || IsVariable(wind)) return;
  std::min_element(ends.begin(), ends.end(), Favours)->favoured = true;
}

std::string CrosswindText(int crosswind) {
  std::string text = "横風" + std::to_string(std::abs(crosswind)) + "KT";
  if (crosswind > 0) text += "(右から)";
  if (crosswind < 0) text += "(左から)";
  return text;
}

std::string ComponentsText(const WindComponents& components) {
  std::string text;
  if (components.headwind) {
    const int headwind = *components.headwind;
    text = (headwind < 0 ? "追い風" : "向かい風") + std::to_string(std::abs(headwind)) + "KT ";
  }
  return text + CrosswindText(components.crosswind);
}

}  // namespace

std::vector<RunwayEndWind> RunwayWinds(std::span<const Runway> runways, const WindValues& wind) {
  std::vector<RunwayEndWind> ends;
  for (const Runway& runway : runways) {
    for (const RunwayEnd& end : runway.ends) {
      RunwayEndWind endWind{end, runway.lengthFt, std::nullopt, std::nullopt, false};
      if (HasWindGroup(wind)) {
        endWind.mean = ComponentsFor(wind, std::max(wind.m_windSpeed, 0), end.bearing);
      }
      if (HasWindGroup(wind) && wind.m_windGust >= 0) {
        endWind.gust = ComponentsFor(wind, wind.m_windGust, end.bearing);
      }
      ends.push_back(endWind);
    }
  }
  MarkFavoured(ends, wind);
  return ends;
}

std::string RunwayEndText(const RunwayEndWind& end) {
  std::string text = "RWY" + std::string(end.end.ident);
  if (end.mean) text += ' ' + ComponentsText(*end.mean);
  if (end.gust) text += " 突風時 " + ComponentsText(*end.gust);
  return text;
}

std::string RunwayWindLine(const std::vector<RunwayEndWind>& ends, const WindValues& wind) {
  if (ends.empty() || !HasWindGroup(wind)) return {};
  if (wind.m_windCalm) return "無風";
  if (IsVariable(wind)) {
    std::string text = "風向不定: 横風最大 " + std::to_string(wind.m_windSpeed) + "KT";
    if (wind.m_windGust >= 0) text += " 突風時 " + std::to_string(wind.m_windGust) + "KT";
    return text;
  }
  const auto favoured =
      std::find_if(ends.begin(), ends.end(), [](const RunwayEndWind& end) { return end.favoured; });
  if (favoured == ends.end()) return {};
  std::string text =
      "RWY" + std::string(favoured->end.ident) + ' ' + ComponentsText(*favoured->mean);
  if (favoured->gust) text += " 突風時 " + CrosswindText(favoured->gust->crosswind);
  return text;
}

}  // namespace aerolume
