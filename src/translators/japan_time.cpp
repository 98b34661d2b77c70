#include "translators/japan_time.hpp"

#include <chrono>

#include "translators/text.hpp"

namespace aerolume {

namespace {

constexpr std::chrono::hours kJapanOffset{9};
// Time lines and the times shown have four digits for the year.
constexpr int kLastYear = 9999;

bool FieldsInRange(const CivilTime& t) {
  return t.year >= 1900 && t.year <= kLastYear && t.month >= 1 && t.month <= 12 && t.day >= 1 &&
         t.day <= 31 && t.hour >= 0 && t.hour <= 23 && t.minute >= 0 && t.minute <= 59;
}

bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

}  // namespace

int DaysInMonth(int year, int month) {
  constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

std::optional<CivilTime> ToJapanTime(const CivilTime& utc) {
  using namespace std::chrono;
  if (!FieldsInRange(utc)) return std::nullopt;
  // Most times stay inside their month, nine hours on: no calendar arithmetic.
  const int hour = utc.hour + static_cast<int>(kJapanOffset.count());
  const int monthDays = DaysInMonth(utc.year, utc.month);
  if (hour < 24 && utc.day <= monthDays) {
    return CivilTime{utc.year, utc.month, utc.day, hour, utc.minute};
  }
  if (hour >= 24 && utc.day < monthDays) {
    return CivilTime{utc.year, utc.month, utc.day + 1, hour - 24, utc.minute};
  }
  // Day 1 of the month plus (day - 1) days carries a 31st of a 30-day month over.
  const sys_days monthStart =
      year_month_day{year{utc.year}, month{static_cast<unsigned>(utc.month)}, day{1}};
  const sys_time<minutes> moment =
      monthStart + days{utc.day - 1} + hours{utc.hour} + minutes{utc.minute} + kJapanOffset;
  const sys_days date = floor<days>(moment);
  const year_month_day ymd{date};
  if (static_cast<int>(ymd.year()) > kLastYear) return std::nullopt;
  const hh_mm_ss clock{moment - date};
  return CivilTime{
      static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
      static_cast<int>(static_cast<unsigned>(ymd.day())), static_cast<int>(clock.hours().count()),
      static_cast<int>(clock.minutes().count())};
}

CivilTime ReadTimeLine(std::string_view timeLine) {
  // The time line as the server writes it: digits where the fields stand.
  const auto digits = [&](std::size_t at, std::size_t count) {
    int value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
      if (timeLine[i] < '0' || timeLine[i] > '9') return -1;
      value = value * 10 + (timeLine[i] - '0');
    }
    return value;
  };
  if (timeLine.size() >= 16) {
    const CivilTime time{digits(0, 4), digits(5, 2), digits(8, 2), digits(11, 2), digits(14, 2)};
    if (time.year >= 0 && time.month >= 0 && time.day >= 0 && time.hour >= 0 && time.minute >= 0) {
      return time;
    }
  }
  // Anything else is read field by field as atoi would.
  return CivilTime{ToInt(Mid(timeLine, 0, 4)), ToInt(Mid(timeLine, 5, 2)),
                   ToInt(Mid(timeLine, 8, 2)), ToInt(Mid(timeLine, 11, 2)),
                   ToInt(Mid(timeLine, 14, 2))};
}

}  // namespace aerolume
