#include "conditions/taf_hours.hpp"

#include <algorithm>

namespace aerolume {

namespace {

bool IsAlternative(PeriodKind kind) {
  return kind == PeriodKind::Temporary || kind == PeriodKind::Probability ||
         kind == PeriodKind::ProbabilityTemporary;
}

bool Covers(const TafPeriod& period, UtcMinutes time) {
  return period.from && period.to && *period.from <= time && time < *period.to;
}

// `change` over `base`: only the parts the change names.
WeatherValues Changed(WeatherValues base, const WeatherValues& change) {
  if (change.wind) base.wind = change.wind;
  if (change.visibility) {
    base.visibility = change.visibility;
    base.cavok = change.cavok;
  }
  if (change.weatherNamed) {
    base.weatherNamed = true;
    base.weather = change.weather;
  }
  if (change.cloudsNamed) {
    base.cloudsNamed = true;
    base.clouds = change.clouds;
    base.skyWord = change.skyWord;
    base.verticalVisibilityFeet = change.verticalVisibilityFeet;
    base.cavok = change.cavok;
  }
  return base;
}

}  // namespace

WeatherValues PrevailingAt(const TafValues& taf, UtcMinutes time) {
  WeatherValues prevailing;
  for (const TafPeriod& period : taf.periods) {
    switch (period.kind) {
      case PeriodKind::Base:
        prevailing = period.values;
        break;
      case PeriodKind::From:
        if (period.from && *period.from <= time) prevailing = period.values;
        break;
      case PeriodKind::Becoming:
        if (period.to && *period.to <= time) prevailing = Changed(prevailing, period.values);
        break;
      default:
        break;
    }
  }
  return prevailing;
}

std::vector<WeatherValues> AlternativesAt(const TafValues& taf, UtcMinutes time) {
  std::vector<WeatherValues> alternatives;
  for (TafAlternative& group : AlternativeGroupsAt(taf, time)) {
    alternatives.push_back(std::move(group.values));
  }
  return alternatives;
}

std::vector<TafAlternative> AlternativeGroupsAt(const TafValues& taf, UtcMinutes time) {
  std::vector<TafAlternative> alternatives;
  const WeatherValues prevailing = PrevailingAt(taf, time);
  for (const TafPeriod& period : taf.periods) {
    if (IsAlternative(period.kind) && Covers(period, time)) {
      alternatives.push_back(
          {period.kind, period.probabilityPercent, Changed(prevailing, period.values), &period});
    }
  }
  return alternatives;
}

std::vector<TafHour> TafHours(const TafValues& taf) {
  std::vector<TafHour> hours;
  if (taf.periods.empty() || taf.periods.front().kind != PeriodKind::Base) return hours;
  const TafPeriod& validity = taf.periods.front();
  if (!validity.from || !validity.to) return hours;
  for (UtcMinutes time = *validity.from; time < *validity.to; time += std::chrono::hours(1)) {
    TafHour hour{time, JudgeCategory(PrevailingAt(taf, time)), FlightCategory::Unknown};
    for (const WeatherValues& alternative : AlternativesAt(taf, time)) {
      hour.worstAlternative = std::max(hour.worstAlternative, JudgeCategory(alternative).category);
    }
    hours.push_back(hour);
  }
  return hours;
}

}  // namespace aerolume
