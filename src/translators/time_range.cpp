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

// The pieces one after another: numbers as FormatInt writes them, and words.
class TimeText {
 public:
  TimeText() { m_text.reserve(48); }
  TimeText& operator<<(int number) {
    AppendInt(m_text, number);
    return *this;
  }
  TimeText& operator<<(std::string_view word) {
    m_text.append(word);
    return *this;
  }
  std::string Take() { return std::move(m_text); }

 private:
  std::string m_text;
};

std::string ClockText(const CivilTime& time) {
  return (TimeText() << time.hour << "時" << time.minute << "分").Take();
}

// The hour that minutes alone belong to.
int HourOfMinutes(int minute, const CivilTime& line) {
  constexpr int kHoursPerDay = 24;
  return minute > line.minute ? (line.hour + kHoursPerDay - 1) % kHoursPerDay : line.hour;
}

}  // namespace

bool HasValidityPeriod(std::string_view group, const CivilTime& line) {
  return PeriodBound(group, 0, line) && PeriodBound(group, 5, line);
}

bool AppendValidityPeriod(std::string& text, std::string_view group, const CivilTime& line) {
  const std::optional<CivilTime> start = PeriodBound(group, 0, line);
  const std::optional<CivilTime> end = PeriodBound(group, 5, line);
  if (!start || !end) return false;
  AppendInt(text, start->day);
  text += "日";
  AppendInt(text, start->hour);
  text += "時～";
  AppendInt(text, end->day);
  text += "日";
  AppendInt(text, end->hour);
  text += "時";
  return true;
}

std::optional<std::string> FormatValidityPeriod(std::string_view group, const CivilTime& line) {
  std::string text;
  if (!AppendValidityPeriod(text, group, line)) return std::nullopt;
  return text;
}

std::optional<std::string> FormatFromTime(std::string_view group, const CivilTime& line) {
  const std::optional<CivilTime> from =
      OnIssueDate(ToInt(Mid(group, 2, 2)), ToInt(Right(group, 2)), line);
  if (!from) return std::nullopt;
  return (TimeText() << from->hour << "時" << from->minute << "分から").Take();
}

std::optional<std::string> FormatFromDayTime(std::string_view group, const CivilTime& line) {
  const CivilTime utc{line.year, line.month, ToInt(Mid(group, 2, 2)), ToInt(Mid(group, 4, 2)),
                      ToInt(Mid(group, 6, 2))};
  const std::optional<CivilTime> from = ToJapanTime(EndOfDayAsNextDay(utc));
  if (!from) return std::nullopt;
  TimeText text;
  text << from->day << "日" << from->hour << "時";
  if (from->minute != 0) text << from->minute << "分";
  return (text << "から").Take();
}

std::optional<std::string> FormatHourRange(std::string_view group, const CivilTime& line) {
  const std::optional<CivilTime> first = OnIssueDate(ToInt(Left(group, 2)), 0, line);
  const std::optional<CivilTime> second = OnIssueDate(ToInt(Right(group, 2)), 0, line);
  if (!first || !second) return std::nullopt;
  return (TimeText() << first->hour << "時～" << second->hour << "時").Take();
}

std::optional<std::string> FormatDayHour(std::string_view group, const CivilTime& line) {
  if (group.size() != 4 || !IsAllDigits(group)) return std::nullopt;
  const std::optional<CivilTime> time = PeriodBound(group, 0, line);
  if (!time) return std::nullopt;
  return (TimeText() << time->day << "日" << time->hour << "時").Take();
}

std::optional<std::string> FormatRemarkTime(std::string_view digits, const CivilTime& line) {
  if ((digits.size() != 2 && digits.size() != 4) || !IsAllDigits(digits)) return std::nullopt;
  const int minute = ToInt(Right(digits, 2));
  const int hour = digits.size() == 4 ? ToInt(Left(digits, 2)) : HourOfMinutes(minute, line);
  const std::optional<CivilTime> time = OnIssueDate(hour, minute, line);
  if (!time) return std::nullopt;
  return ClockText(*time);
}

}  // namespace aerolume
