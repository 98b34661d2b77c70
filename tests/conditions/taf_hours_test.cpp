#include "conditions/taf_hours.hpp"

#include <gtest/gtest.h>

#include <map>

#include "decoded_values.hpp"

namespace aerolume {
namespace {

// An hour of the TAF and what it should be: the prevailing category and the worst
// that a TEMPO or PROB allows ("" when none covers the hour).
struct ExpectedHour {
  const char* time;
  const char* category;
  const char* worst;
};

struct TafHoursCase {
  const char* name;
  const char* timeLine;
  const char* groups;  // after the TAF's issue time
  std::size_t hourCount;
  std::vector<ExpectedHour> hours;
};

void PrintTo(const TafHoursCase& c, std::ostream* out) {
  *out << c.groups;
}

class TafHoursTest : public testing::TestWithParam<TafHoursCase> {};

TEST_P(TafHoursTest, ForecastsEachHour) {
  const TafHoursCase& c = GetParam();
  const ReportState state = testing_support::DecodedValues(c.groups, false, c.timeLine);
  const std::vector<TafHour> hours = TafHours(state.m_tafValues);
  EXPECT_EQ(hours.size(), c.hourCount);
  std::map<std::string, const TafHour*> byTime;
  for (const TafHour& hour : hours) byTime[IsoUtc(hour.time)] = &hour;
  for (const ExpectedHour& expected : c.hours) {
    ASSERT_TRUE(byTime.count(expected.time)) << expected.time;
    const TafHour& hour = *byTime[expected.time];
    EXPECT_EQ(CategoryName(hour.prevailing.category), expected.category) << expected.time;
    EXPECT_EQ(CategoryName(hour.worstAlternative), expected.worst) << expected.time;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Changes, TafHoursTest,
    testing::Values(
        TafHoursCase{"FromReplacesEverything",
                     "2026/12/01 05:00",
                     "0106/0206 18010KT 9999 FEW030 FM1200 20015KT 3000 BR BKN008",
                     24,
                     {{"2026-12-01T06:00:00Z", "VFR", ""},
                      {"2026-12-01T11:00:00Z", "VFR", ""},
                      {"2026-12-01T12:00:00Z", "IFR", ""},
                      {"2026-12-02T05:00:00Z", "IFR", ""}}},
        // What the FM does not name is not kept from before it: no cloud, no ceiling.
        TafHoursCase{"FromKeepsNothingOfBefore",
                     "2026/12/01 05:00",
                     "0106/0206 18010KT 9999 BKN008 FM1200 20015KT 9999",
                     24,
                     {{"2026-12-01T11:00:00Z", "IFR", ""}, {"2026-12-01T12:00:00Z", "VFR", ""}}},
        TafHoursCase{"BecomingFromItsEnd",
                     "2026/12/01 05:00",
                     "0106/0206 18010KT 3000 BR BKN008 BECMG 0110/0112 9999 NSW",
                     24,
                     {{"2026-12-01T10:00:00Z", "IFR", ""},
                      {"2026-12-01T11:00:00Z", "IFR", ""},
                      // The BKN008 it does not name stays.
                      {"2026-12-01T12:00:00Z", "IFR", ""}}},
        TafHoursCase{"BecomingNamesTheClouds",
                     "2026/12/01 05:00",
                     "0106/0206 18010KT 9999 BKN008 BECMG 0110/0112 SCT020",
                     24,
                     {{"2026-12-01T11:00:00Z", "IFR", ""}, {"2026-12-01T12:00:00Z", "VFR", ""}}},
        TafHoursCase{"TemporaryAsTheWorst",
                     "2026/12/01 05:00",
                     "0106/0206 18010KT 9999 FEW030 TEMPO 0108/0110 3000 SHRA "
                     "TEMPO 0109/0111 0800 FG",
                     24,
                     {{"2026-12-01T07:00:00Z", "VFR", ""},
                      {"2026-12-01T08:00:00Z", "VFR", "IFR"},
                      {"2026-12-01T09:00:00Z", "VFR", "LIFR"},
                      {"2026-12-01T10:00:00Z", "VFR", "LIFR"},
                      {"2026-12-01T11:00:00Z", "VFR", ""}}},
        TafHoursCase{
            "ProbabilityTemporary",
            "2026/12/01 05:00",
            "0106/0206 18010KT 9999 FEW030 PROB30 TEMPO 0118/0121 BKN004",
            24,
            {{"2026-12-01T18:00:00Z", "VFR", "LIFR"}, {"2026-12-01T21:00:00Z", "VFR", ""}}},
        TafHoursCase{"ProbabilityAlone",
                     "2026/12/01 05:00",
                     "0106/0206 18010KT 9999 FEW030 PROB40 0118/0121 4000 BR",
                     24,
                     {{"2026-12-01T18:00:00Z", "VFR", "IFR"}}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Calendar, TafHoursTest,
    testing::Values(
        TafHoursCase{"AcrossMidnight",
                     "2026/12/01 17:00",
                     "0118/0224 18010KT 9999 FEW030 FM0300 4000 BR",
                     30,
                     {{"2026-12-01T23:00:00Z", "VFR", ""},
                      {"2026-12-02T00:00:00Z", "VFR", ""},
                      {"2026-12-02T03:00:00Z", "IFR", ""},
                      {"2026-12-02T23:00:00Z", "IFR", ""}}},
        // Issued on the 30th of a 30-day month, it runs into the next month.
        TafHoursCase{"AcrossTheMonthsEnd",
                     "2026/11/30 17:00",
                     "3018/0124 18010KT 9999 FEW030 BECMG 0102/0104 BKN009 TEMPO 3022/0101 0500",
                     30,
                     {{"2026-11-30T18:00:00Z", "VFR", ""},
                      {"2026-11-30T22:00:00Z", "VFR", "LIFR"},
                      {"2026-12-01T00:00:00Z", "VFR", "LIFR"},
                      {"2026-12-01T01:00:00Z", "VFR", ""},
                      {"2026-12-01T04:00:00Z", "IFR", ""},
                      {"2026-12-01T23:00:00Z", "IFR", ""}}},
        TafHoursCase{"AcrossTheYearsEnd",
                     "2026/12/31 11:00",
                     "3112/0118 18010KT 9999 FEW030 FM0000 1500 BR",
                     30,
                     {{"2026-12-31T23:00:00Z", "VFR", ""}, {"2027-01-01T00:00:00Z", "LIFR", ""}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TafPeriods, CarryTheirTimesInUtc) {
  const ReportState state = testing_support::DecodedValues(
      "3018/0124 18010KT 9999 FEW030 FM0300 4000 BR PROB30 TEMPO 0106/0109 BKN004", false,
      "2026/11/30 17:00");
  const std::vector<TafPeriod>& periods = state.m_tafValues.periods;
  ASSERT_EQ(periods.size(), 3u);
  EXPECT_EQ(IsoUtc(*periods[0].from), "2026-11-30T18:00:00Z");
  EXPECT_EQ(IsoUtc(*periods[0].to), "2026-12-02T00:00:00Z");
  EXPECT_EQ(periods[1].kind, PeriodKind::From);
  EXPECT_EQ(IsoUtc(*periods[1].from), "2026-12-01T03:00:00Z");
  EXPECT_EQ(IsoUtc(*periods[1].to), "2026-12-02T00:00:00Z");
  EXPECT_EQ(periods[2].kind, PeriodKind::ProbabilityTemporary);
  EXPECT_EQ(periods[2].probabilityPercent, 30);
  EXPECT_EQ(IsoUtc(*periods[2].from), "2026-12-01T06:00:00Z");
}

}  // namespace
}  // namespace aerolume
