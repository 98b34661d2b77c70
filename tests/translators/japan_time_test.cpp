#include "translators/japan_time.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>

namespace aerolume {
namespace {

struct JapanTimeCase {
  CivilTime utc;
  std::optional<CivilTime> japan;
};

class JapanTimeTest : public testing::TestWithParam<JapanTimeCase> {};

TEST_P(JapanTimeTest, AddsNineHoursOnTheUtcCalendar) {
  EXPECT_EQ(ToJapanTime(GetParam().utc), GetParam().japan);
}

INSTANTIATE_TEST_SUITE_P(
    Calendar, JapanTimeTest,
    testing::Values(JapanTimeCase{{2012, 5, 6, 12, 0}, CivilTime{2012, 5, 6, 21, 0}},
                    JapanTimeCase{{2012, 12, 31, 20, 30}, CivilTime{2013, 1, 1, 5, 30}},
                    JapanTimeCase{{2012, 4, 31, 12, 0},
                                  CivilTime{2012, 5, 1, 21, 0}},  // day 31 carries
                    JapanTimeCase{{2012, 2, 29, 15, 0}, CivilTime{2012, 3, 1, 0, 0}},  // leap day
                    JapanTimeCase{{2013, 2, 31, 0, 0}, CivilTime{2013, 3, 3, 9, 0}},
                    // New York's clocks change on these days; Japan time must not notice.
                    JapanTimeCase{{2026, 3, 8, 6, 30}, CivilTime{2026, 3, 8, 15, 30}},
                    JapanTimeCase{{2026, 11, 1, 5, 30}, CivilTime{2026, 11, 1, 14, 30}},
                    JapanTimeCase{{1900, 1, 1, 0, 0}, CivilTime{1900, 1, 1, 9, 0}},
                    JapanTimeCase{{1899, 12, 31, 0, 0}, std::nullopt},
                    JapanTimeCase{{9999, 12, 31, 14, 59}, CivilTime{9999, 12, 31, 23, 59}},
                    // Japan time would need a five-digit year.
                    JapanTimeCase{{9999, 12, 31, 15, 0}, std::nullopt},
                    JapanTimeCase{{10000, 1, 1, 0, 0}, std::nullopt},
                    JapanTimeCase{{2012, 13, 1, 0, 0}, std::nullopt},
                    JapanTimeCase{{2012, 0, 1, 0, 0}, std::nullopt},
                    JapanTimeCase{{2012, 5, 0, 0, 0}, std::nullopt},
                    JapanTimeCase{{2012, 5, 32, 0, 0}, std::nullopt},
                    JapanTimeCase{{2012, 5, 6, 24, 0}, std::nullopt},
                    JapanTimeCase{{2012, 5, 6, -1, 0}, std::nullopt},
                    JapanTimeCase{{2012, 5, 6, 12, 60}, std::nullopt}));

// The calendar arithmetic written out, as the conversion once did it for every time:
// whatever shortcut the conversion takes, every day and hour of these years agrees.
CivilTime OnTheCalendar(const CivilTime& utc) {
  using namespace std::chrono;
  const sys_days monthStart =
      year_month_day{year{utc.year}, month{static_cast<unsigned>(utc.month)}, day{1}};
  const sys_time<minutes> moment =
      monthStart + days{utc.day - 1} + hours{utc.hour + 9} + minutes{utc.minute};
  const sys_days date = floor<days>(moment);
  const year_month_day ymd{date};
  const hh_mm_ss clock{moment - date};
  return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
          static_cast<int>(static_cast<unsigned>(ymd.day())),
          static_cast<int>(clock.hours().count()), static_cast<int>(clock.minutes().count())};
}

TEST(JapanTimeCalendarTest, EveryDayAndHourAgreesWithTheCalendar) {
  // Leap years of each rule (2000, 2024), years that are not (1900, 2100, 2023).
  for (int year : {1900, 2000, 2023, 2024, 2100}) {
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= 31; ++day) {
        for (int hour = 0; hour <= 23; ++hour) {
          const CivilTime utc{year, month, day, hour, 59};
          ASSERT_EQ(ToJapanTime(utc), OnTheCalendar(utc))
              << year << '-' << month << '-' << day << ' ' << hour;
        }
      }
    }
  }
}

TEST(JapanTimeLineTest, ReadsFixedPositions) {
  EXPECT_EQ(ReadTimeLine("2012/05/06 12:34"), (CivilTime{2012, 5, 6, 12, 34}));
  EXPECT_EQ(ReadTimeLine("RJTT"), (CivilTime{0, 0, 0, 0, 0}));
  EXPECT_EQ(ReadTimeLine("2012/05/06"), (CivilTime{2012, 5, 6, 0, 0}));
}

}  // namespace
}  // namespace aerolume
