// The overview's stations: a report gives its values and category, anything else
// marks the station as without one, and the counts and ages follow.
#include "conditions/station_overview.hpp"

#include <gtest/gtest.h>

#include <string>

#include "stations/station_catalogue.hpp"

namespace aerolume {
namespace {

using std::chrono::hours;
using std::chrono::minutes;

UtcMinutes At(int year, unsigned month, unsigned day, int hour, int minute) {
  return std::chrono::sys_days(std::chrono::year(year) / month / day) + hours(hour) +
         minutes(minute);
}

struct ReportCase {
  const char* name;
  const char* code;
  const char* file;  // a station file: time line, line end, report
  FlightCategory category;
};

void PrintTo(const ReportCase& c, std::ostream* out) {
  *out << c.name;
}

// The reports are lines of tests/data/corpus-japan-metar.txt.
constexpr ReportCase kReports[] = {
    // line 32
    {"Cavok", "RJAA", "2026/07/29 21:30\nRJAA 292130Z VRB02KT CAVOK 27/24 Q1004 NOSIG",
     FlightCategory::Vfr},
    // line 2
    {"BrokenAt1700", "RJAA",
     "2026/12/07 09:00\nRJAA 070900Z 03010KT 350V050 9999 -SHRA FEW010 BKN017 16/14 Q1004",
     FlightCategory::Mvfr},
    // line 1
    {"OvercastAt500", "RJAA",
     "2026/12/06 19:30\nRJAA 061930Z AUTO 31010KT 9999 SCT002 OVC005 16/16 Q0993",
     FlightCategory::Ifr},
    // line 111
    {"FogVerticalVisibility100", "RJAH",
     "2026/07/28 18:00\nRJAH 281800Z 25004KT 0600 R21/0400V0550U FG VV001 24/24 Q1004",
     FlightCategory::Lifr},
};

class OverviewReport : public testing::TestWithParam<ReportCase> {};

TEST_P(OverviewReport, GivesTheStationItsCategory) {
  StationOverview overview;
  overview.SetMetarFile(GetParam().code, GetParam().file);
  const OverviewStation& station = *overview.Find(GetParam().code);
  EXPECT_TRUE(station.HasReport());
  EXPECT_TRUE(station.failure.empty());
  EXPECT_EQ(CategoryOf(station), GetParam().category);
  EXPECT_EQ(station.report, std::string(GetParam().file).substr(17));
}

INSTANTIATE_TEST_SUITE_P(Corpus, OverviewReport, testing::ValuesIn(kReports),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StationOverview, StartsWithEveryCatalogueStationAndNoReport) {
  const StationOverview overview;
  ASSERT_EQ(overview.Stations().size(), StationCatalogue().size());
  const CategoryCounts counts = CountCategories(overview.Stations());
  EXPECT_EQ(counts.unknown, 104);
  EXPECT_EQ(overview.Find("RJTT")->name, "東京国際空港（羽田）");
  EXPECT_NEAR(overview.Find("RJTT")->position.lat, 35.55, 0.01);
}

TEST(StationOverview, AFailureReplacesTheReportAndANotFoundIsOne) {
  StationOverview overview;
  overview.SetMetarFile("RJAA", kReports[0].file);
  overview.SetMetarFile("RJAA", "404");
  EXPECT_FALSE(overview.Find("RJAA")->HasReport());
  EXPECT_EQ(overview.Find("RJAA")->failure, "NOT FOUND");
  overview.SetMetarFile("RJAA", "yesterday\nRJAA 292130Z CAVOK");
  EXPECT_FALSE(overview.Find("RJAA")->HasReport());
  EXPECT_FALSE(overview.Find("RJAA")->failure.empty());
}

// A refresh from the report of 2026/12/06 19:30 (kReports[2]): what the station shows after
// each answer.
struct RefreshCase {
  const char* name;
  const char* answer;    // a station file, or a status or failure text
  bool failure;          // the answer comes as a failure, not as a file
  const char* observed;  // the time line of the report shown after it
};

void PrintTo(const RefreshCase& c, std::ostream* out) {
  *out << c.name;
}

const RefreshCase kRefreshCases[] = {
    {"NewerReplaces", kReports[1].file, false, "2026/12/07 09:00"},
    {"OlderIsIgnored", kReports[0].file, false, "2026/12/06 19:30"},
    {"NotFoundKeeps", "404", false, "2026/12/06 19:30"},
    {"FailureKeeps", "応答がありません(タイムアウト)", true, "2026/12/06 19:30"},
};

class StationOverviewRefresh : public testing::TestWithParam<RefreshCase> {};

TEST_P(StationOverviewRefresh, KeepsTheNewestReport) {
  StationOverview overview;
  overview.RefreshMetarFile("RJAA", kReports[2].file);
  if (GetParam().failure) {
    overview.RefreshFailure("RJAA", GetParam().answer);
  } else {
    overview.RefreshMetarFile("RJAA", GetParam().answer);
  }
  ASSERT_TRUE(overview.Find("RJAA")->HasReport());
  EXPECT_EQ(*overview.Find("RJAA")->observed, *UtcOfTimeLine(GetParam().observed));
}

INSTANTIATE_TEST_SUITE_P(Answers, StationOverviewRefresh, testing::ValuesIn(kRefreshCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StationOverview, ARefreshFailureMarksAStationWithoutAReport) {
  StationOverview overview;
  overview.RefreshFailure("RJAA", "NOT FOUND");
  EXPECT_EQ(overview.Find("RJAA")->failure, "NOT FOUND");
}

TEST(StationOverview, CodesOutsideTheCatalogueAreIgnored) {
  StationOverview overview;
  overview.SetMetarFile("KJFK", kReports[0].file);
  EXPECT_EQ(overview.Find("KJFK"), nullptr);
}

TEST(StationOverview, CountsEachCategoryOnce) {
  StationOverview overview;
  for (const ReportCase& report : kReports) overview.SetMetarFile(report.code, report.file);
  // RJAA's three reports leave the last one; RJAH has its own.
  EXPECT_EQ(CountLine(CountCategories(overview.Stations())),
            "VFR 0 · MVFR 0 · IFR 1 · LIFR 1 · 不明 102");
}

TEST(StationOverview, AReportIsOldAfterNinetyMinutes) {
  StationOverview overview;
  overview.SetMetarFile("RJAA", kReports[0].file);  // observed 21:30
  const OverviewStation& station = *overview.Find("RJAA");
  EXPECT_FALSE(IsOldReport(station, At(2026, 7, 29, 23, 0)));
  EXPECT_TRUE(IsOldReport(station, At(2026, 7, 29, 23, 1)));
  EXPECT_FALSE(IsOldReport(*overview.Find("RJTT"), At(2026, 7, 29, 23, 1)));
}

}  // namespace
}  // namespace aerolume
