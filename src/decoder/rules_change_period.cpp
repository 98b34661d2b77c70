// Change and period groups: BECMG, TEMPO, FCST, validity periods, FM times.
// The change indicators swallow the time or visibility that follows them and open
// a new paragraph, so each change of the forecast starts after an empty line.
#include <optional>
#include <string>
#include <string_view>

#include "decoder/group_readers.hpp"
#include "decoder/rules.hpp"
#include "decoder/value_recording.hpp"
#include "translators/time_range.hpp"

namespace aerolume {

namespace {

// The words of one change indicator.
struct ChangeWords {
  const char* afterPeriod;    // after a period or an hour range
  const char* afterFromTime;  // after a FM time
  const char* beforeVisibility;
  const char* alone;  // when nothing follows that the indicator can take
};

constexpr ChangeWords kBecoming{"の間のちに", "のちに", "\r\nのちに\r\n", "\r\nのちに"};
constexpr ChangeWords kTemporary{"の間ときどき", "ときどき", "\r\nときどき\r\n", "\r\nときどき"};

constexpr const char* kNewParagraph = "\r\n";

bool IsFourDigits(std::string_view group) {
  return group.size() == 4 && IsAllDigits(group);
}

bool IsChangeIndicator(std::string_view group) {
  return group == "BECMG" || group == "TEMPO" || group == "FCST";
}

// A four-digit group after a change indicator is a visibility or a pair of hours
// (hhhh). METAR trends give their times as FM/TL/AT groups, so there it is always
// a visibility; in a TAF it is one when nothing could be the end of its change,
// or when either half is no hour.
bool IsChangeVisibility(const DecodeContext& c) {
  if (c.isMetar || !c.HasNeighbour(2) || IsChangeIndicator(c.Neighbour(2))) return true;
  const std::string_view hours = c.Neighbour(1);
  return IsGreaterThan(Left(hours, 2), "24") || IsGreaterThan(Right(hours, 2), "24");
}

// The time that the group after the indicator stands for, or nothing when it is no
// time of a shape the indicator takes or names a day or hour that does not exist.
// Written at the end of `text`; false, with nothing written, when there is none.
bool AppendChangeTime(const DecodeContext& c, const ChangeWords& words, std::string& text) {
  const std::string_view group = c.Neighbour(1);
  const CivilTime& timeLine = c.TimeLine();
  if (IsPeriodGroup(group)) {
    if (!AppendValidityPeriod(text, group, timeLine)) return false;
    text += words.afterPeriod;
    return true;
  }
  std::optional<std::string> time;
  if (IsFromGroup(group)) {
    time = FormatFromTime(group, timeLine);
    if (time) *time += words.afterFromTime;
  } else if (IsFourDigits(group) && !IsChangeVisibility(c)) {
    time = FormatHourRange(group, timeLine);
    if (time) *time += words.afterPeriod;
  }
  if (!time) return false;
  text += *time;
  return true;
}

void ApplyChange(DecodeContext& c, const ChangeWords& words, PeriodKind kind) {
  c.state.m_pastObservation = true;
  const std::string_view next = c.Neighbour(1);
  c.stepText = kNewParagraph;
  if (AppendChangeTime(c, words, c.stepText)) {
    StartChangePeriod(c, kind, next);
    c.Consume(1);
    return;
  }
  StartChangePeriod(c, kind, {});
  c.stepText.clear();
  if (IsFourDigits(next) && IsChangeVisibility(c)) {
    c.stepText = words.beforeVisibility;
    AppendMetresVisibility(c.stepText, next);
    c.Consume(1);
    RecordVisibilityMetres(c, next);
  } else {
    // Whatever follows is decoded on its own in the next step.
    c.stepText = words.alone;
  }
}

// The time after FCST; a four-digit group there is always a pair of hours.
std::optional<std::string> ForecastTime(std::string_view group, const CivilTime& timeLine) {
  if (IsPeriodGroup(group)) return FormatValidityPeriod(group, timeLine);
  if (IsFromGroup(group)) return FormatFromTime(group, timeLine);
  if (IsFourDigits(group)) return FormatHourRange(group, timeLine);
  return std::nullopt;
}

bool IsFromDayGroup(std::string_view group) {
  return group.size() == 8 && Left(group, 2) == "FM" && IsAllDigits(Mid(group, 2));
}

}  // namespace

bool TestBecoming(const DecodeContext& c) {
  return c.Group() == "BECMG";
}

void ApplyBecoming(DecodeContext& c) {
  ApplyChange(c, kBecoming, PeriodKind::Becoming);
}

bool TestTemporary(const DecodeContext& c) {
  return c.Group() == "TEMPO";
}

void ApplyTemporary(DecodeContext& c) {
  ApplyChange(c, kTemporary, PeriodKind::Temporary);
}

bool TestForecast(const DecodeContext& c) {
  return c.Group() == "FCST";
}

void ApplyForecast(DecodeContext& c) {
  c.state.m_pastObservation = true;
  std::string text(kNewParagraph);
  if (c.Neighbour(1) == "AMD") {
    text += "修正された";
    c.Consume(1);
  }
  if (const std::optional<std::string> time = ForecastTime(c.Neighbour(1), c.TimeLine())) {
    text += *time + "の予報";
    c.Consume(1);
  } else {
    text += "予報";
  }
  c.stepText = text;
}

bool TestValidityPeriod(const DecodeContext& c) {
  return IsPeriodGroup(c.Group()) && HasValidityPeriod(c.Group(), c.TimeLine());
}

// A period after PROB30 is the time of the probable change, not a forecast of its own.
void ApplyValidityPeriod(DecodeContext& c) {
  const bool afterProbability = IsProbabilityGroup(c.Neighbour(-1));
  c.stepText = FormatValidityPeriod(c.Group(), c.TimeLine()).value_or("") +
               (afterProbability ? "の間" : "の予報");
  RecordValidityPeriod(c, c.Group());
}

namespace {

// FMhhmm, or FMDDhhmm with the day of the change.
std::optional<std::string> FromTimeText(const DecodeContext& c) {
  const std::string_view g = c.Group();
  if (IsFromGroup(g)) return FormatFromTime(g, c.TimeLine());
  if (IsFromDayGroup(g)) return FormatFromDayTime(g, c.TimeLine());
  return std::nullopt;
}

}  // namespace

bool TestFromTime(const DecodeContext& c) {
  return FromTimeText(c).has_value();
}

void ApplyFromTime(DecodeContext& c) {
  c.stepText = FromTimeText(c).value_or("");
  StartFromPeriod(c, c.Group());
}

}  // namespace aerolume
