#include "cli/time_line.hpp"

#include <cstdio>

#include "retrieval/station_file.hpp"
#include "translators/japan_time.hpp"
#include "translators/text.hpp"

namespace aerolume::cli {

namespace {

constexpr std::string_view kPattern = "9999/99/99 99:99";
constexpr int kMonthsLookedBack = 12;

}  // namespace

bool IsTimeLine(std::string_view text) {
  if (text.size() != kPattern.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool digit = text[i] >= '0' && text[i] <= '9';
    if (kPattern[i] == '9' ? !digit : text[i] != kPattern[i]) return false;
  }
  return FormatIssueTime(text).has_value();
}

bool IsCalendarTimeLine(std::string_view text) {
  using namespace std::chrono;
  if (!IsTimeLine(text)) return false;
  const CivilTime utc = ReadTimeLine(text);
  return year_month_day{year{utc.year}, month{static_cast<unsigned>(utc.month)},
                        day{static_cast<unsigned>(utc.day)}}
      .ok();
}

std::string TimeLineOf(std::chrono::sys_seconds instant) {
  using namespace std::chrono;
  const sys_days date = floor<days>(instant);
  const year_month_day ymd{date};
  const hh_mm_ss clock{instant - date};
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%04d/%02u/%02u %02d:%02d", static_cast<int>(ymd.year()),
                static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()),
                static_cast<int>(clock.hours().count()), static_cast<int>(clock.minutes().count()));
  return buffer;
}

std::string TimeLineFromDayTime(std::string_view dayTimeGroup, std::chrono::sys_seconds now) {
  using namespace std::chrono;
  if (dayTimeGroup.size() != 7 || dayTimeGroup.back() != 'Z' ||
      !IsAllDigits(dayTimeGroup.substr(0, 6))) {
    return TimeLineOf(now);
  }
  const auto number = [&](std::size_t at) {
    return (dayTimeGroup[at] - '0') * 10 + (dayTimeGroup[at + 1] - '0');
  };
  const int day = number(0);
  const hours hour{number(2)};
  const minutes minute{number(4)};
  if (hour >= hours{24} || minute >= minutes{60}) return TimeLineOf(now);
  year_month month =
      year_month_day{floor<days>(now)}.year() / year_month_day{floor<days>(now)}.month();
  for (int back = 0; back <= kMonthsLookedBack; ++back, month -= months{1}) {
    const year_month_day date = month / static_cast<unsigned>(day);
    if (!date.ok()) continue;
    const sys_seconds instant = sys_days{date} + hour + minute;
    if (instant <= now) return TimeLineOf(instant);
  }
  return TimeLineOf(now);
}

}  // namespace aerolume::cli
