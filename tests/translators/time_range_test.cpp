#include "translators/time_range.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace aerolume {
namespace {

enum class Formatter { ValidityPeriod, FromTime, FromDayTime, HourRange, DayHour, RemarkTime };

struct TimeRangeCase {
  Formatter formatter;
  const char* group;
  const char* timeLine;
  std::optional<std::string> text;  // nothing: not a time that can be shown
};

std::optional<std::string> Format(const TimeRangeCase& c) {
  const CivilTime timeLine = ReadTimeLine(c.timeLine);
  switch (c.formatter) {
    case Formatter::ValidityPeriod:
      return FormatValidityPeriod(c.group, timeLine);
    case Formatter::FromTime:
      return FormatFromTime(c.group, timeLine);
    case Formatter::FromDayTime:
      return FormatFromDayTime(c.group, timeLine);
    case Formatter::HourRange:
      return FormatHourRange(c.group, timeLine);
    case Formatter::DayHour:
      return FormatDayHour(c.group, timeLine);
    case Formatter::RemarkTime:
      return FormatRemarkTime(c.group, timeLine);
  }
  return std::nullopt;
}

void PrintTo(const TimeRangeCase& c, std::ostream* out) {
  *out << c.group << " against " << c.timeLine;
}

class TimeRangeJapanTimeTest : public testing::TestWithParam<TimeRangeCase> {};

TEST_P(TimeRangeJapanTimeTest, ShowsTheUtcGroupInJapanTime) {
  EXPECT_EQ(Format(GetParam()), GetParam().text) << GetParam().group;
}

constexpr const char* kMay6 = "2012/05/06 05:00";

INSTANTIATE_TEST_SUITE_P(
    ValidityPeriods, TimeRangeJapanTimeTest,
    testing::Values(
        TimeRangeCase{Formatter::ValidityPeriod, "0606/0712", kMay6, "6日15時～7日21時"},
        // The end at 24 is 00 UTC of the next day.
        TimeRangeCase{Formatter::ValidityPeriod, "0615/0624", kMay6, "7日0時～7日9時"},
        // The next month's day keeps the issue month: only day and hour are shown.
        TimeRangeCase{Formatter::ValidityPeriod, "3106/0112", "2012/05/31 03:00",
                      "31日15時～1日21時"},
        // 31 24 rolls to 1 January of the next year before the nine hours.
        TimeRangeCase{Formatter::ValidityPeriod, "3118/3124", "2012/12/31 12:00", "1日3時～1日9時"},
        // 30 24 in April is the 31st at 00, which the calendar carries to 1 May.
        TimeRangeCase{Formatter::ValidityPeriod, "3012/3024", "2012/04/30 05:00",
                      "30日21時～1日9時"},
        // 29 February of a common year is 1 March.
        TimeRangeCase{Formatter::ValidityPeriod, "2812/2912", "2013/02/28 05:00",
                      "28日21時～1日21時"},
        TimeRangeCase{Formatter::ValidityPeriod, "0006/0012", kMay6, std::nullopt},
        TimeRangeCase{Formatter::ValidityPeriod, "3206/3212", kMay6, std::nullopt},
        TimeRangeCase{Formatter::ValidityPeriod, "0606/0625", kMay6, std::nullopt},
        TimeRangeCase{Formatter::ValidityPeriod, "0606/0712", "NOT FOUND", std::nullopt},
        TimeRangeCase{Formatter::ValidityPeriod, "0606/0712", "", std::nullopt},
        TimeRangeCase{Formatter::ValidityPeriod, "0606/0712", "1899/05/06 05:00", std::nullopt},
        TimeRangeCase{Formatter::ValidityPeriod, "0606/0712", "2012/13/06 05:00", std::nullopt}));

INSTANTIATE_TEST_SUITE_P(
    FromDayTimes, TimeRangeJapanTimeTest,
    testing::Values(TimeRangeCase{Formatter::FromDayTime, "FM061200", kMay6, "6日21時から"},
                    TimeRangeCase{Formatter::FromDayTime, "FM061330", kMay6, "6日22時30分から"},
                    // The day moves on with the nine hours, into the next month too.
                    TimeRangeCase{Formatter::FromDayTime, "FM311800", "2012/05/31 03:00",
                                  "1日3時から"},
                    TimeRangeCase{Formatter::FromDayTime, "FM062400", kMay6, "7日9時から"},
                    TimeRangeCase{Formatter::FromDayTime, "FM320000", kMay6, std::nullopt},
                    TimeRangeCase{Formatter::FromDayTime, "FM061260", kMay6, std::nullopt}));

INSTANTIATE_TEST_SUITE_P(
    FromTimes, TimeRangeJapanTimeTest,
    testing::Values(TimeRangeCase{Formatter::FromTime, "FM0130", kMay6, "10時30分から"},
                    TimeRangeCase{Formatter::FromTime, "FM1500", kMay6, "0時0分から"},
                    TimeRangeCase{Formatter::FromTime, "FM2400", kMay6, "9時0分から"},
                    TimeRangeCase{Formatter::FromTime, "FM2359", kMay6, "8時59分から"},
                    TimeRangeCase{Formatter::FromTime, "FM0160", kMay6, std::nullopt},
                    TimeRangeCase{Formatter::FromTime, "FM2500", kMay6, std::nullopt},
                    // The day comes from the time line, so it must exist there.
                    TimeRangeCase{Formatter::FromTime, "FM0130", "2012/05/00 05:00",
                                  std::nullopt}));

INSTANTIATE_TEST_SUITE_P(
    HourRanges, TimeRangeJapanTimeTest,
    testing::Values(TimeRangeCase{Formatter::HourRange, "0312", kMay6, "12時～21時"},
                    TimeRangeCase{Formatter::HourRange, "2203", kMay6, "7時～12時"},
                    TimeRangeCase{Formatter::HourRange, "0024", kMay6, "9時～9時"},
                    TimeRangeCase{Formatter::HourRange, "2424", kMay6, "9時～9時"},
                    TimeRangeCase{Formatter::HourRange, "1225", kMay6, std::nullopt},
                    TimeRangeCase{Formatter::HourRange, "0312", "XXXX/05/06 05:00", std::nullopt}));

// The day and hour of TX/TN groups, and the times of remarks (hhmm, or minutes alone).
INSTANTIATE_TEST_SUITE_P(
    DayHoursAndRemarkTimes, TimeRangeJapanTimeTest,
    testing::Values(TimeRangeCase{Formatter::DayHour, "0620", kMay6, "7日5時"},
                    // Hour 24 of the last day of April is 1 May, 09 in Japan.
                    TimeRangeCase{Formatter::DayHour, "3024", "2012/04/30 05:00", "1日9時"},
                    TimeRangeCase{Formatter::DayHour, "0625", kMay6, std::nullopt},
                    TimeRangeCase{Formatter::DayHour, "062", kMay6, std::nullopt},
                    TimeRangeCase{Formatter::RemarkTime, "1832", kMay6, "3時32分"},
                    TimeRangeCase{Formatter::RemarkTime, "0255", "2012/05/06 03:55", "11時55分"},
                    // Minutes up to the observation's belong to its hour...
                    TimeRangeCase{Formatter::RemarkTime, "55", "2012/05/06 13:55", "22時55分"},
                    // ...later ones to the hour before, across midnight too.
                    TimeRangeCase{Formatter::RemarkTime, "58", "2012/05/06 13:55", "21時58分"},
                    TimeRangeCase{Formatter::RemarkTime, "58", "2012/05/06 00:10", "8時58分"},
                    TimeRangeCase{Formatter::RemarkTime, "60", kMay6, std::nullopt},
                    TimeRangeCase{Formatter::RemarkTime, "2460", kMay6, std::nullopt},
                    TimeRangeCase{Formatter::RemarkTime, "123", kMay6, std::nullopt},
                    TimeRangeCase{Formatter::RemarkTime, "1A", kMay6, std::nullopt}));

}  // namespace
}  // namespace aerolume
