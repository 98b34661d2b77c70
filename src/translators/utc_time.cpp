#include "translators/utc_time.hpp"

#include <cstdlib>

#include "translators/japan_time.hpp"
#include "translators/text.hpp"

namespace aerolume {

namespace {

using std::chrono::days;
using std::chrono::hours;
using std::chrono::minutes;

constexpr int kHoursPerDay = 24;

constexpr int kMonthsPerYear = 12;

// The calendar done with integers rather than the library's date types, whose
// conversions are not inlined and cost a TAF more than the rest of its periods: the
// days from 1970-01-01 to a date, and back (the proleptic Gregorian calendar counted
// in 400-year eras from March 1st, so that February's length comes last).
constexpr int kDaysPerEra = 146097;
constexpr int kYearsPerEra = 400;
constexpr int kDaysFromEraStartTo1970 = 719468;

int DaysFromCivil(int year, int month, int day) {
  const int shiftedYear = month <= 2 ? year - 1 : year;
  const int era = (shiftedYear >= 0 ? shiftedYear : shiftedYear - (kYearsPerEra - 1)) / kYearsPerEra;
  const int yearOfEra = shiftedYear - era * kYearsPerEra;
  const int dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * kDaysPerEra + dayOfEra - kDaysFromEraStartTo1970;
}

CivilTime CivilFromDays(int daysSince1970) {
  const int z = daysSince1970 + kDaysFromEraStartTo1970;
  const int era = (z >= 0 ? z : z - (kDaysPerEra - 1)) / kDaysPerEra;
  const int dayOfEra = z - era * kDaysPerEra;
  const int yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / (kDaysPerEra - 1)) / 365;
  const int dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const int shiftedMonth = (5 * dayOfYear + 2) / 153;
  const int day = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
  const int month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
  const int year = yearOfEra + era * kYearsPerEra + (month <= 2 ? 1 : 0);
  return {year, month, day, 0, 0};
}

int DaysSince1970(UtcMinutes time) {
  return static_cast<int>(std::chrono::floor<days>(time).time_since_epoch().count());
}

// The days of the month `offset` months from `month` of `year`.
int DaysInMonthAround(int year, int month, int offset) {
  const int monthIndex = year * kMonthsPerYear + (month - 1) + offset;
  const int yearOfMonth = (monthIndex >= 0 ? monthIndex : monthIndex - (kMonthsPerYear - 1)) /
                          kMonthsPerYear;
  return DaysInMonth(yearOfMonth, monthIndex - yearOfMonth * kMonthsPerYear + 1);
}

// A day of one of the months around an anchor, as the days from the anchor's day to
// it: reckoned without converting calendar dates.
struct MonthDay {
  int daysInMonth;
  int daysFromAnchor;
};

// Every month has the days up to this one; a time within half of it from the issue is
// nearer than the same day and hour of the month before or after.
constexpr int kShortestMonth = 28;
constexpr days kSurelyNearest{kShortestMonth / 2};

void AppendTwoDigits(std::string& text, int value) {
  text.push_back(static_cast<char>('0' + value / 10));
  text.push_back(static_cast<char>('0' + value % 10));
}

}  // namespace

std::optional<UtcMinutes> UtcOfTimeLine(std::string_view timeLine) {
  const CivilTime line = ReadTimeLine(timeLine);
  if (line.month < 1 || line.month > kMonthsPerYear || line.day < 1 ||
      line.day > DaysInMonth(line.year, line.month) || line.hour > 23 || line.minute > 59) {
    return std::nullopt;
  }
  return UtcMinutes(days(DaysFromCivil(line.year, line.month, line.day))) + hours(line.hour) +
         minutes(line.minute);
}

std::optional<UtcMinutes> NearestDayHour(int day, int hour, UtcMinutes issue) {
  return NearestDayHourFrom(day, hour, issue, CivilFromDays(DaysSince1970(issue)).day, 0);
}

UtcMinutes NearestOfDayHourFrom(int day, int hour, UtcMinutes anchor, int anchorDayOfMonth,
                                int anchorMonthDays) {
  // The usual cases, a day every month has near the anchor in its month or, across the
  // month's end, in the next, need no other month.
  if (day <= kShortestMonth) {
    const UtcMinutes anchorDay = std::chrono::floor<days>(anchor);
    const UtcMinutes sameMonth = anchorDay + days(day - anchorDayOfMonth) + hours(hour);
    if (std::chrono::abs(sameMonth - anchor) <= kSurelyNearest) return sameMonth;
    const UtcMinutes nextMonth = sameMonth + days(anchorMonthDays);
    if (anchorMonthDays > 0 && std::chrono::abs(nextMonth - anchor) < kSurelyNearest) {
      return nextMonth;
    }
  }
  return NearbyMonths(anchor).NearestOfDayHour(day, hour);
}

NearbyMonths::NearbyMonths(UtcMinutes anchor)
    : NearbyMonths(anchor, CivilFromDays(DaysSince1970(anchor))) {}

NearbyMonths::NearbyMonths(UtcMinutes anchor, const CivilTime& anchorDate)
    : m_anchor(anchor),
      m_anchorDay(std::chrono::floor<days>(anchor)),
      m_dayOfMonth(anchorDate.day),
      m_daysInMonthBefore(DaysInMonthAround(anchorDate.year, anchorDate.month, -1)),
      m_daysInMonth(DaysInMonth(anchorDate.year, anchorDate.month)),
      m_daysInNextMonth(DaysInMonthAround(anchorDate.year, anchorDate.month, 1)) {}

int NearbyMonths::DaysInMonthOf(UtcMinutes time) const {
  const std::chrono::sys_days monthStart = m_anchorDay - days(m_dayOfMonth - 1);
  const std::chrono::sys_days nextMonthStart = monthStart + days(m_daysInMonth);
  if (time < monthStart - days(m_daysInMonthBefore)) return 0;
  if (time < monthStart) return m_daysInMonthBefore;
  if (time < nextMonthStart) return m_daysInMonth;
  if (time < nextMonthStart + days(m_daysInNextMonth)) return m_daysInNextMonth;
  return 0;
}

UtcMinutes NearbyMonths::NearestOfDayHour(int day, int hour) const {
  // Nearly every period starts within days of its issue, in the issue's month or the
  // one before: no other month can be nearer.
  const UtcMinutes sameMonth = m_anchorDay + days(day - m_dayOfMonth) + hours(hour);
  if (day <= kShortestMonth) {
    if (std::chrono::abs(sameMonth - m_anchor) <= kSurelyNearest) return sameMonth;
    const UtcMinutes monthBefore = sameMonth - days(m_daysInMonthBefore);
    if (std::chrono::abs(monthBefore - m_anchor) < kSurelyNearest) return monthBefore;
  }
  // The day in the anchor's month, the next and the one before, as days from the
  // anchor's day; of two equally near, the first wins. Of three months running one
  // has 31 days, so one of them always has the day.
  const MonthDay candidates[] = {
      {m_daysInMonth, day - m_dayOfMonth},
      {m_daysInNextMonth, m_daysInMonth - m_dayOfMonth + day},
      {m_daysInMonthBefore, day - m_dayOfMonth - m_daysInMonthBefore},
  };
  UtcMinutes nearest = sameMonth;
  bool found = false;
  for (const MonthDay& candidate : candidates) {
    if (day > candidate.daysInMonth) continue;
    // Hour 24 is the next day's start, which need not be a date of the month.
    const UtcMinutes time = m_anchorDay + days(candidate.daysFromAnchor) + hours(hour);
    if (!found || std::chrono::abs(time - m_anchor) < std::chrono::abs(nearest - m_anchor)) {
      nearest = time;
      found = true;
    }
  }
  return nearest;
}

std::optional<UtcMinutes> ClockTimeFrom(int hour, int minute, UtcMinutes anchor) {
  if (hour < 0 || hour > kHoursPerDay || minute < 0 || minute > 59) return std::nullopt;
  const UtcMinutes dayStart = std::chrono::floor<days>(anchor);
  UtcMinutes time = dayStart + hours(hour) + minutes(minute);
  if (time < anchor) time += days(1);
  return time;
}

std::string IsoUtc(UtcMinutes time) {
  const auto dayStart = std::chrono::floor<days>(time);
  const CivilTime date = CivilFromDays(DaysSince1970(time));
  const std::chrono::hh_mm_ss clock{time - dayStart};
  std::string text;
  text.reserve(20);
  AppendAnyInt(text, date.year);
  text += '-';
  AppendTwoDigits(text, date.month);
  text += '-';
  AppendTwoDigits(text, date.day);
  text += 'T';
  AppendTwoDigits(text, static_cast<int>(clock.hours().count()));
  text += ':';
  AppendTwoDigits(text, static_cast<int>(clock.minutes().count()));
  text += ":00Z";
  return text;
}

}  // namespace aerolume
