#include "translators/time_range.hpp"

#include "translators/japan_time.hpp"
#include "translators/text.hpp"

namespace aerolume {

namespace {

constexpr int kEndOfDay = 24;
constexpr int kLastDay = 31;
constexpr int kLastMonth = 12;

// Aviation writes the end of a day as hour 24. A period's end at 24 is hour 0 of
// the next day; the day limit is 31 whatever the month, because the Japan-time
// conversion carries the days past a short month's end on its own.
CivilTime EndOfDayAsNextDay(CivilTime utc) {
  if (utc.hour != kEndOfDay) return utc;
  utc.hour = 0;
  if (++utc.day > kLastDay) {
    utc.day = 1;
    if (++utc.month > kLastMonth) {
      utc.month = 1;
      ++utc.year;
    }
  }
  return utc;
}

// FM times and hour pairs show no day, so hour 24 simply becomes hour 0.
int EndOfDayAsMidnight(int hour) {
  return hour == kEndOfDay ? 0 : hour;
}

// One bound of a period: the day and hour of DDHH at `first`, on the time line's year and month.
std::optional<CivilTime> PeriodBound(std::string_view group, int first, const CivilTime& line) {
  CivilTime utc{line.year, line.month, ToInt(Mid(group, first, 2)), ToInt(Mid(group, first + 2, 2)),
                0};
  return ToJapanTime(EndOfDayAsNextDay(utc));
}

// An hour and minute on the time line's date.
std::optional<CivilTime> OnIssueDate(int hour, int minute, const CivilTime& line) {
  return ToJapanTime(CivilTime{line.year, line.month, line.day, EndOfDayAsMidnight(hour), minute});
}

std::string ClockText(const CivilTime& time) {
  return FormatInt(time.hour) + "時" + FormatInt(time.minute) + "分";
}

// The hour that minutes alone belong to.
int HourOfMinutes(int minute, const CivilTime& line) {
  constexpr int kHoursPerDay = 24;
  return minute > line.minute ? (line.hour + kHoursPerDay - 1) % kHoursPerDay : line.hour;
}

}  // namespace

std::optional<std::string> FormatValidityPeriod(std::string_view group, std::string_view timeLine) {
  const CivilTime line = ReadTimeLine(timeLine);
  const std::optional<CivilTime> start = PeriodBound(group, 0, line);
  const std::optional<CivilTime> end = PeriodBound(group, 5, line);
  if (!start || !end) return std::nullopt;
  return FormatInt(start->day) + "日" + FormatInt(start->hour) + "時～" + FormatInt(end->day) +
         "日" + FormatInt(end->hour) + "時";
}

std::optional<std::string> FormatFromTime(std::string_view group, std::string_view timeLine) {
  const std::optional<CivilTime> from =
      OnIssueDate(ToInt(Mid(group, 2, 2)), ToInt(Right(group, 2)), ReadTimeLine(timeLine));
  if (!from) return std::nullopt;
  return FormatInt(from->hour) + "時" + FormatInt(from->minute) + "分から";
}

std::optional<std::string> FormatHourRange(std::string_view group, std::string_view timeLine) {
  const CivilTime line = ReadTimeLine(timeLine);
  const std::optional<CivilTime> first = OnIssueDate(ToInt(Left(group, 2)), 0, line);
  const std::optional<CivilTime> second = OnIssueDate(ToInt(Right(group, 2)), 0, line);
  if (!first || !second) return std::nullopt;
  return FormatInt(first->hour) + "時～" + FormatInt(second->hour) + "時";
}

std::optional<std::string> FormatDayHour(std::string_view group, std::string_view timeLine) {
  if (group.size() != 4 || !IsAllDigits(group)) return std::nullopt;
  const std::optional<CivilTime> time = PeriodBound(group, 0, ReadTimeLine(timeLine));
  if (!time) return std::nullopt;
  return FormatInt(time->day) + "日" + FormatInt(time->hour) + "時";
}

std::optional<std::string> FormatRemarkTime(std::string_view digits, std::string_view timeLine) {
  if ((digits.size() != 2 && digits.size() != 4) || !IsAllDigits(digits)) return std::nullopt;
  const CivilTime line = ReadTimeLine(timeLine);
  const int minute = ToInt(Right(digits, 2));
  const int hour = digits.size() == 4 ? ToInt(Left(digits, 2)) : HourOfMinutes(minute, line);
  const std::optional<CivilTime> time = OnIssueDate(hour, minute, line);
  if (!time) return std::nullopt;
  return ClockText(*time);
}

}  // namespace aerolume
