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

std::optional<UtcMinutes> AtDayHour(std::chrono::year_month month, int day, int hour) {
  const std::chrono::year_month_day date{month / std::chrono::day(static_cast<unsigned>(day))};
  if (!date.ok()) return std::nullopt;
  return UtcMinutes(std::chrono::sys_days(date)) + hours(hour);
}

void AppendTwoDigits(std::string& text, int value) {
  text.push_back(static_cast<char>('0' + value / 10));
  text.push_back(static_cast<char>('0' + value % 10));
}

}  // namespace

std::optional<UtcMinutes> UtcOfTimeLine(std::string_view timeLine) {
  const CivilTime line = ReadTimeLine(timeLine);
  if (line.month < 1 || line.month > 12 || line.hour > 23 || line.minute > 59) return std::nullopt;
  const std::chrono::year_month month{std::chrono::year(line.year),
                                      std::chrono::month(static_cast<unsigned>(line.month))};
  const std::optional<UtcMinutes> start = AtDayHour(month, line.day, line.hour);
  if (!start) return std::nullopt;
  return *start + minutes(line.minute);
}

std::optional<UtcMinutes> NearestDayHour(int day, int hour, UtcMinutes issue) {
  if (day < 1 || day > 31 || hour < 0 || hour > kHoursPerDay) return std::nullopt;
  const std::chrono::year_month_day issueDate{std::chrono::floor<days>(issue)};
  const std::chrono::year_month issueMonth = issueDate.year() / issueDate.month();
  std::optional<UtcMinutes> nearest;
  for (const std::chrono::months offset :
       {std::chrono::months(0), std::chrono::months(1), std::chrono::months(-1)}) {
    // The day of a bound at hour 24 need not exist (the 31st, 24 of a 30-day month is no
    // date), so the hour is added to the day before it.
    const std::optional<UtcMinutes> candidate = AtDayHour(issueMonth + offset, day, 0);
    if (!candidate) continue;
    const UtcMinutes time = *candidate + hours(hour);
    if (!nearest || std::abs((time - issue).count()) < std::abs((*nearest - issue).count())) {
      nearest = time;
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
  const std::chrono::year_month_day date{dayStart};
  const std::chrono::hh_mm_ss clock{time - dayStart};
  std::string text;
  text.reserve(20);
  AppendAnyInt(text, static_cast<int>(date.year()));
  text += '-';
  AppendTwoDigits(text, static_cast<int>(static_cast<unsigned>(date.month())));
  text += '-';
  AppendTwoDigits(text, static_cast<int>(static_cast<unsigned>(date.day())));
  text += 'T';
  AppendTwoDigits(text, static_cast<int>(clock.hours().count()));
  text += ':';
  AppendTwoDigits(text, static_cast<int>(clock.minutes().count()));
  text += ":00Z";
  return text;
}

}  // namespace aerolume
