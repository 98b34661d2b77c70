#include "decoder/value_recording.hpp"

#include <algorithm>

#include "translators/us_measures.hpp"

namespace aerolume {

namespace {

constexpr double kMetresPerMile = 1609.344;
constexpr double kHectopascalPerInch = 33.8639;
constexpr int kTenKilometres = 10000;

// The conditions the current group describes, or nothing where its values belong
// to no observation or period (a METAR's trend, any remarks, a TAF's head).
WeatherValues* ConditionsOf(DecodeContext& c) {
  if (c.inRemarks) return nullptr;
  if (c.isMetar) return c.state.m_pastObservation ? nullptr : &c.state.m_metarValues.observed;
  std::vector<TafPeriod>& periods = c.state.m_tafValues.periods;
  return periods.empty() ? nullptr : &periods.back().values;
}

MetarValues* ObservationOf(DecodeContext& c) {
  return c.isMetar && !c.state.m_pastObservation ? &c.state.m_metarValues : nullptr;
}

// Into a code still all zeros. Three letters at most, copied one by one: a library
// copy of so few bytes costs more than the bytes themselves.
template <std::size_t N>
void CopyLetters(std::array<char, N>& to, std::string_view code) {
  for (std::size_t i = 0; i + 1 < N && i < code.size(); ++i) to[i] = code[i];
}

template <std::size_t N>
void CopyCode(std::array<char, N>& to, std::string_view code) {
  to.fill('\0');
  CopyLetters(to, code);
}

WindValue& WindOf(WeatherValues& values) {
  if (!values.wind) values.wind.emplace();
  return *values.wind;
}

// Clouds named by this group replace none that the same period named before: a
// period's layers are one list.
void NameClouds(WeatherValues& values) {
  values.cloudsNamed = true;
}

double RoundedTo(double value, double step) {
  return static_cast<double>(static_cast<long long>(value / step + 0.5)) * step;
}

TafValues& TafOf(DecodeContext& c) {
  return c.state.m_tafValues;
}

TafPeriod& OpenPeriod(DecodeContext& c, PeriodKind kind) {
  std::vector<TafPeriod>& periods = TafOf(c).periods;
  // A TAF has a handful of periods: room for them at once rather than growing.
  constexpr std::size_t kUsualPeriods = 8;
  if (periods.capacity() == 0) periods.reserve(kUsualPeriods);
  return periods.emplace_back(kind);
}

// Where a time without a day follows on: the start of the period before, or the issue.
std::optional<UtcMinutes> AnchorOf(const TafValues& taf) {
  for (auto period = taf.periods.rbegin(); period != taf.periods.rend(); ++period) {
    if (period->from) return period->from;
  }
  return taf.issued;
}

std::optional<UtcMinutes> ValidityEnd(const TafValues& taf) {
  return taf.periods.empty() ? std::nullopt : taf.periods.front().to;
}

// The months around the TAF's issue, nothing without an issue time.
const NearbyMonths* IssueMonthsOf(DecodeContext& c) {
  const std::optional<UtcMinutes>& issued = TafOf(c).issued;
  if (!issued) return nullptr;
  // The issue is the time line's, whose date the context has read.
  if (!c.issueMonths) c.issueMonths.emplace(*issued, c.TimeLine());
  return &*c.issueMonths;
}

// The two digits at `at` of a group whose shape has already been checked.
int DigitPairAt(std::string_view group, std::size_t at) {
  constexpr int kTens = 10;
  return (group[at] - '0') * kTens + (group[at + 1] - '0');
}

// DDHH/DDHH (as IsPeriodGroup accepts it), against the issue time; the end follows the
// start. The times are worked out as times and then stored: an optional taken from a
// call is copied through memory wider than it was written, and the copy waits.
void TimePeriodGroup(TafPeriod& period, std::string_view group, const NearbyMonths* issueMonths) {
  if (!issueMonths) return;
  const int startDay = DigitPairAt(group, 0);
  const int startHour = DigitPairAt(group, 2);
  if (!IsDayHour(startDay, startHour)) {
    period.from = std::nullopt;
    return;
  }
  const UtcMinutes from = issueMonths->NearestOfDayHour(startDay, startHour);
  period.from = from;
  const int endDay = DigitPairAt(group, 5);
  const int endHour = DigitPairAt(group, 7);
  // The start lies on its own day, unless at hour 24 on the next.
  constexpr int kEndOfDay = 24;
  if (startHour >= kEndOfDay) {
    period.to = NearestDayHour(endDay, endHour, from);
    return;
  }
  if (!IsDayHour(endDay, endHour)) {
    period.to = std::nullopt;
    return;
  }
  // An end on a later day of the start's month never needs the month's length.
  const int startMonthDays = endDay < startDay ? issueMonths->DaysInMonthOf(from) : 0;
  const UtcMinutes to = NearestOfDayHourFrom(endDay, endHour, from, startDay, startMonthDays);
  period.to = to;
}

// hhhh: an hour pair after the period before.
void TimeHourPair(TafPeriod& period, std::string_view group, std::optional<UtcMinutes> anchor) {
  if (!anchor) return;
  period.from = ClockTimeFrom(ToInt(Left(group, 2)), 0, *anchor);
  if (period.from) period.to = ClockTimeFrom(ToInt(Right(group, 2)), 0, *period.from);
}

// FMhhmm follows on from the period before; FMDDhhmm names its day, read against the
// issue time as the validity period's days are.
std::optional<UtcMinutes> FromTimeOf(std::string_view group, DecodeContext& c) {
  constexpr std::size_t kFromWithDay = 8;
  if (group.size() == kFromWithDay) {
    const NearbyMonths* issueMonths = IssueMonthsOf(c);
    if (!issueMonths) return std::nullopt;
    const std::optional<UtcMinutes> hour =
        issueMonths->NearestDayHour(ToInt(Mid(group, 2, 2)), ToInt(Mid(group, 4, 2)));
    if (!hour) return std::nullopt;
    return *hour + std::chrono::minutes(ToInt(Right(group, 2)));
  }
  const std::optional<UtcMinutes> anchor = AnchorOf(TafOf(c));
  if (!anchor) return std::nullopt;
  return ClockTimeFrom(ToInt(Mid(group, 2, 2)), ToInt(Right(group, 2)), *anchor);
}

}  // namespace

void ClearValues(ReportState& state, bool isMetar) {
  if (isMetar) {
    state.m_metarValues = MetarValues{};
    return;
  }
  state.m_tafValues.Clear();
  state.m_tafValues.issued = UtcOfTimeLine(state.m_timeLine);
}

void RecordCalm(DecodeContext& c) {
  if (WeatherValues* values = ConditionsOf(c)) {
    WindValue& wind = WindOf(*values);
    wind.calm = true;
    wind.directionDegrees = 0;
    wind.speedKt = 0;
  }
}

void RecordWind(DecodeContext& c, int directionDegrees, int speedKt, int gustKt) {
  if (WeatherValues* values = ConditionsOf(c)) {
    WindValue& wind = WindOf(*values);
    wind.directionDegrees = directionDegrees;
    wind.variable = directionDegrees < 0;
    wind.speedKt = speedKt;
    wind.gustKt = gustKt;
    wind.calm = false;
  }
}

void RecordWindSector(DecodeContext& c, int fromDegrees, int toDegrees) {
  if (WeatherValues* values = ConditionsOf(c)) {
    WindValue& wind = WindOf(*values);
    wind.variableFromDegrees = fromDegrees;
    wind.variableToDegrees = toDegrees;
  }
}

void RecordVisibilityMetres(DecodeContext& c, std::string_view digits) {
  if (WeatherValues* values = ConditionsOf(c)) {
    const bool tenKm = digits == "9999";
    values->visibility =
        VisibilityValue{tenKm ? kTenKilometres : ToInt(digits), Bound::None, tenKm};
  }
}

void RecordVisibilityMiles(DecodeContext& c, std::string_view miles, Bound bound) {
  WeatherValues* values = ConditionsOf(c);
  const std::optional<double> read = MilesValue(miles);
  if (!values || !read) return;
  constexpr double kTenKmInMiles = 6.2;
  const int metres = static_cast<int>(*read * kMetresPerMile + 0.5);
  values->visibility = VisibilityValue{metres, bound, *read >= kTenKmInMiles, *read};
}

void RecordCavok(DecodeContext& c) {
  if (WeatherValues* values = ConditionsOf(c)) {
    values->cavok = true;
    values->visibility = VisibilityValue{kTenKilometres, Bound::None, true};
    NameClouds(*values);
    values->weatherNamed = true;
  }
}

void RecordRunwayRange(DecodeContext& c, const RunwayRangeValue& range) {
  if (WeatherValues* values = ConditionsOf(c)) values->runwayRanges.Push(range);
}

void RecordWeather(DecodeContext& c, WeatherGroupValue weather) {
  if (weather.codeCount == 0) return;
  if (weather.codeCount > 0 && weather.codes[0] == std::array<char, 2>{'R', 'E'}) {
    std::copy(weather.codes.begin() + 1, weather.codes.end(), weather.codes.begin());
    --weather.codeCount;
    if (MetarValues* observation = ObservationOf(c)) observation->recentWeather.Push(weather);
    return;
  }
  if (WeatherValues* values = ConditionsOf(c)) {
    values->weatherNamed = true;
    values->weather.Push(weather);
  }
}

void RecordNoSignificantWeather(DecodeContext& c) {
  if (WeatherValues* values = ConditionsOf(c)) {
    values->weatherNamed = true;
    values->weather.clear();
  }
}

void RecordSkyWord(DecodeContext& c, std::string_view word) {
  if (WeatherValues* values = ConditionsOf(c)) {
    NameClouds(*values);
    CopyCode(values->skyWord, word);
  }
}

void RecordCloudLayer(DecodeContext& c, std::string_view amount, int baseFeet,
                      std::string_view type) {
  if (WeatherValues* values = ConditionsOf(c)) {
    NameClouds(*values);
    // Filled where it is kept: its codes start zero-filled, which ends the letters.
    if (CloudLayerValue* layer = values->clouds.Add()) {
      CopyLetters(layer->amount, amount);
      layer->baseFeet = baseFeet;
      CopyLetters(layer->type, type);
    }
  }
}

void RecordVerticalVisibility(DecodeContext& c, int feet) {
  if (WeatherValues* values = ConditionsOf(c)) {
    NameClouds(*values);
    values->verticalVisibilityFeet = feet;
  }
}

void RecordTemperature(DecodeContext& c, int celsius, std::optional<int> dewPointCelsius) {
  if (MetarValues* observation = ObservationOf(c)) {
    observation->temperatureCelsius = celsius;
    observation->dewPointCelsius = dewPointCelsius;
  }
}

void RecordTenthsTemperature(DecodeContext& c, double celsius,
                             std::optional<double> dewPointCelsius) {
  if (!c.isMetar) return;
  MetarValues& values = c.state.m_metarValues;
  values.temperatureCelsius = celsius;
  if (dewPointCelsius) values.dewPointCelsius = dewPointCelsius;
}

void RecordPressureHectopascal(DecodeContext& c, int hectopascal) {
  if (MetarValues* observation = ObservationOf(c)) {
    observation->qnhHectopascal = hectopascal;
  }
}

void RecordPressureHundredthsOfInch(DecodeContext& c, int hundredths) {
  if (MetarValues* observation = ObservationOf(c)) {
    const double inches = hundredths / 100.0;
    observation->qnhInchesOfMercury = inches;
    // Both kept: the hectopascals to a tenth, as a hectopascal QNH would be compared.
    if (!observation->qnhHectopascal) {
      observation->qnhHectopascal = RoundedTo(inches * kHectopascalPerInch, 0.1);
    }
  }
}

void RecordReportWord(DecodeContext& c, ReportWord word) {
  if (c.isMetar) {
    MetarValues& values = c.state.m_metarValues;
    if (word == ReportWord::NoSignificantChange) values.noSignificantChange = true;
    if (word == ReportWord::Automatic) values.automatic = true;
    if (word == ReportWord::Correction) values.correction = true;
    if (word == ReportWord::Missing) values.missing = true;
    return;
  }
  TafValues& taf = TafOf(c);
  if (word == ReportWord::Correction) taf.correction = true;
  if (word == ReportWord::Missing) taf.missing = true;
  if (word == ReportWord::Amended) taf.amended = true;
  if (word == ReportWord::Cancelled) taf.cancelled = true;
}

void RecordValidityPeriod(DecodeContext& c, std::string_view group) {
  if (c.isMetar || !IsPeriodGroup(group)) return;
  TafValues& taf = TafOf(c);
  if (!taf.periods.empty() && !taf.periods.back().from) {
    TimePeriodGroup(taf.periods.back(), group, IssueMonthsOf(c));
    return;
  }
  if (taf.periods.empty()) {
    TimePeriodGroup(OpenPeriod(c, PeriodKind::Base), group, IssueMonthsOf(c));
  }
}

void StartFromPeriod(DecodeContext& c, std::string_view group) {
  if (c.isMetar) return;
  TafValues& taf = TafOf(c);
  const std::optional<UtcMinutes> from = FromTimeOf(group, c);
  // The FM forecast before it ends where this one begins.
  for (auto period = taf.periods.rbegin(); period != taf.periods.rend(); ++period) {
    if (period->kind != PeriodKind::From) continue;
    period->to = from;
    break;
  }
  const std::optional<UtcMinutes> end = ValidityEnd(taf);
  TafPeriod& period = OpenPeriod(c, PeriodKind::From);
  period.from = from;
  period.to = end;
}

void StartChangePeriod(DecodeContext& c, PeriodKind kind, std::string_view timeGroup) {
  if (c.isMetar) return;
  TafValues& taf = TafOf(c);
  const bool afterProbability = !taf.periods.empty() &&
                                taf.periods.back().kind == PeriodKind::Probability &&
                                !taf.periods.back().from && Left(c.Neighbour(-1), 4) == "PROB";
  TafPeriod& period = afterProbability ? taf.periods.back() : OpenPeriod(c, kind);
  if (afterProbability) period.kind = PeriodKind::ProbabilityTemporary;
  if (IsPeriodGroup(timeGroup)) {
    TimePeriodGroup(period, timeGroup, IssueMonthsOf(c));
  } else if (IsFromGroup(timeGroup)) {
    period.from = FromTimeOf(timeGroup, c);
    period.to = ValidityEnd(taf);
  } else if (timeGroup.size() == 4 && IsAllDigits(timeGroup)) {
    TimeHourPair(period, timeGroup, AnchorOf(taf));
  }
}

void StartProbabilityPeriod(DecodeContext& c, int percent) {
  if (c.isMetar) return;
  OpenPeriod(c, PeriodKind::Probability).probabilityPercent = percent;
}

}  // namespace aerolume
