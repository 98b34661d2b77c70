// A day and an hour read against an issue time: the month they fall in, across the
// ends of months and years, and the shortcuts that spare the calendar agreeing with
// the full reckoning everywhere.
#include "translators/utc_time.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <optional>
#include <string>

#include "translators/japan_time.hpp"

namespace aerolume {
namespace {

std::string Shown(std::optional<UtcMinutes> time) {
  return time ? IsoUtc(*time) : "nothing";
}

UtcMinutes At(const char* timeLine) {
  return *UtcOfTimeLine(timeLine);
}

struct DayHourCase {
  const char* name;
  const char* issue;
  int day;
  int hour;
  const char* expected;
};

void PrintTo(const DayHourCase& c, std::ostream* out) {
  *out << c.name;
}

const DayHourCase kDayHourCases[] = {
    {"SameDay", "2026/07/15 05:00", 15, 6, "2026-07-15T06:00:00Z"},
    {"NextMonthAfterTheLastDay", "2026/11/30 21:00", 1, 6, "2026-12-01T06:00:00Z"},
    {"MonthBeforeForATimeLineOnTheFirst", "2026/12/01 00:00", 30, 18, "2026-11-30T18:00:00Z"},
    {"NextYear", "2026/12/31 23:00", 1, 0, "2027-01-01T00:00:00Z"},
    {"Hour24OnTheLastDayOfA30DayMonth", "2026/04/30 05:00", 30, 24, "2026-05-01T00:00:00Z"},
    {"LeapDay", "2024/03/01 00:00", 29, 12, "2024-02-29T12:00:00Z"},
    {"NoLeapDayInACommonYear", "2026/03/01 00:00", 29, 12, "2026-03-29T12:00:00Z"},
    {"The31stSkipsA30DayMonth", "2026/04/20 00:00", 31, 0, "2026-03-31T00:00:00Z"},
    {"DayZero", "2026/07/15 05:00", 0, 6, "nothing"},
    {"Day32", "2026/07/15 05:00", 32, 6, "nothing"},
    {"Hour25", "2026/07/15 05:00", 15, 25, "nothing"},
};

class NearestDayHourTest : public testing::TestWithParam<DayHourCase> {};

TEST_P(NearestDayHourTest, FallsInTheNearestMonth) {
  const DayHourCase& c = GetParam();
  EXPECT_EQ(Shown(NearestDayHour(c.day, c.hour, At(c.issue))), c.expected);
  EXPECT_EQ(Shown(NearbyMonths(At(c.issue)).NearestDayHour(c.day, c.hour)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, NearestDayHourTest, testing::ValuesIn(kDayHourCases),
                         [](const testing::TestParamInfo<DayHourCase>& info) {
                           return std::string(info.param.name);
                         });

// The day and hour in the anchor's month, the next and the one before, the nearest of
// them; of two equally near, the first.
std::optional<UtcMinutes> FullReckoning(int day, int hour, UtcMinutes anchor) {
  if (day < 1 || day > 31 || hour < 0 || hour > 24) return std::nullopt;
  const std::chrono::year_month_day date{std::chrono::floor<std::chrono::days>(anchor)};
  const std::chrono::year_month month = date.year() / date.month();
  std::optional<UtcMinutes> nearest;
  for (const std::chrono::year_month candidate :
       {month, month + std::chrono::months(1), month - std::chrono::months(1)}) {
    const std::chrono::year_month_day candidateDate{candidate /
                                                    std::chrono::day(static_cast<unsigned>(day))};
    if (!candidateDate.ok()) continue;
    const UtcMinutes time = std::chrono::sys_days(candidateDate) + std::chrono::hours(hour);
    if (!nearest || std::chrono::abs(time - anchor) < std::chrono::abs(*nearest - anchor)) {
      nearest = time;
    }
  }
  return nearest;
}

// Every day and hour against anchors around the ends of months: the shortcuts give
// what the three months' full reckoning gives.
TEST(NearestDayHourShortcuts, AgreeWithTheFullReckoning) {
  for (const char* anchorLine :
       {"2024/02/28 23:00", "2024/02/29 12:00", "2026/01/31 18:00", "2026/04/30 06:00",
        "2026/12/01 00:00", "2026/12/31 12:00", "2026/07/15 00:00", "2026/06/16 12:00",
        "2026/02/14 00:00", "2026/03/15 12:00"}) {
    const UtcMinutes anchor = At(anchorLine);
    const NearbyMonths months(anchor);
    const int dayOfMonth = std::stoi(std::string(anchorLine).substr(8, 2));
    for (int day = 0; day <= 32; ++day) {
      for (int hour = 0; hour <= 25; ++hour) {
        const std::string expected = Shown(FullReckoning(day, hour, anchor));
        EXPECT_EQ(Shown(months.NearestDayHour(day, hour)), expected)
            << anchorLine << " day " << day << " hour " << hour;
        EXPECT_EQ(Shown(NearestDayHour(day, hour, anchor)), expected)
            << anchorLine << " day " << day << " hour " << hour;
        EXPECT_EQ(
            Shown(NearestDayHourFrom(day, hour, anchor, dayOfMonth, months.DaysInMonthOf(anchor))),
            expected)
            << anchorLine << " day " << day << " hour " << hour;
      }
    }
  }
}

// The calendar is reckoned with integers: day by day over two centuries it names the
// dates, and reads the time lines, that the library's calendar does.
TEST(UtcCalendar, AgreesWithTheLibraryDayByDay) {
  using namespace std::chrono;
  const sys_days firstDay = 1899y / January / 1;
  const sys_days lastDay = 2101y / December / 31;
  for (sys_days day = firstDay; day <= lastDay; day += days(1)) {
    const year_month_day date{day};
    char line[32];
    std::snprintf(line, sizeof line, "%04d/%02u/%02u 06:30", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    const UtcMinutes time = day + hours(6) + minutes(30);
    ASSERT_EQ(UtcOfTimeLine(line), time) << line;
    ASSERT_EQ(IsoUtc(time).substr(0, 10), std::string(line, 10).replace(4, 1, "-").replace(7, 1, "-"))
        << line;
    const int monthDays =
        static_cast<int>(static_cast<unsigned>((date.year() / date.month() / last).day()));
    ASSERT_EQ(NearbyMonths(time).DaysInMonthOf(time), monthDays) << line;
    ASSERT_EQ(NearbyMonths(time, ReadTimeLine(line)).DaysInMonthOf(time), monthDays) << line;
  }
}

struct TimeLineCase {
  const char* timeLine;
  const char* expected;
};

void PrintTo(const TimeLineCase& c, std::ostream* out) {
  *out << c.timeLine;
}

const TimeLineCase kTimeLineCases[] = {
    {"2024/02/29 12:00", "2024-02-29T12:00:00Z"},
    {"2000/02/29 00:00", "2000-02-29T00:00:00Z"},
    {"2025/02/29 00:00", "nothing"},
    {"2100/02/29 00:00", "nothing"},
    {"2026/04/31 00:00", "nothing"},
    {"2026/13/01 00:00", "nothing"},
    {"2026/12/00 00:00", "nothing"},
    {"2026/12/01 24:00", "nothing"},
    {"2026/12/01 23:60", "nothing"},
};

class UtcOfTimeLineTest : public testing::TestWithParam<TimeLineCase> {};

TEST_P(UtcOfTimeLineTest, ReadsOnlyDatesTheCalendarHas) {
  EXPECT_EQ(Shown(UtcOfTimeLine(GetParam().timeLine)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, UtcOfTimeLineTest, testing::ValuesIn(kTimeLineCases),
                         [](const testing::TestParamInfo<TimeLineCase>& info) {
                           std::string name = info.param.timeLine;
                           for (char& c : name) {
                             if (c < '0' || c > '9') c = '_';
                           }
                           return name;
                         });

TEST(NearbyMonths, KnowTheLengthsOfTheThreeMonthsOnly) {
  const NearbyMonths months(At("2026/12/01 00:00"));
  EXPECT_EQ(months.DaysInMonthOf(At("2026/10/31 23:00")), 0);
  EXPECT_EQ(months.DaysInMonthOf(At("2026/11/01 00:00")), 30);
  EXPECT_EQ(months.DaysInMonthOf(At("2026/11/30 18:00")), 30);
  EXPECT_EQ(months.DaysInMonthOf(At("2026/12/15 06:00")), 31);
  EXPECT_EQ(months.DaysInMonthOf(At("2027/01/31 23:00")), 31);
  EXPECT_EQ(months.DaysInMonthOf(At("2027/02/01 00:00")), 0);
}

}  // namespace
}  // namespace aerolume
