// aerolume-cli coverage: the counts on small inputs, and the figures the decoder is
// held to on the real reports of tests/data.
#include "cli/coverage.hpp"

#include <gtest/gtest.h>

#include "../cli_runner.hpp"

namespace aerolume {
namespace {

using testing_support::RunCliWords;

struct ReportLineCase {
  const char* name;
  const char* line;
  bool allTaf;
  bool isTaf;
  const char* station;
  const char* timeLine;
};

class ReportLineTest : public testing::TestWithParam<ReportLineCase> {};

TEST_P(ReportLineTest, FindsKindStationAndTime) {
  const ReportLineCase& c = GetParam();
  const std::optional<cli::ReportLine> report = cli::ParseReportLine(c.line, c.allTaf);
  ASSERT_TRUE(report.has_value());
  EXPECT_EQ(report->isTaf, c.isTaf);
  EXPECT_EQ(report->stationCode, c.station);
  EXPECT_EQ(report->timeLine, c.timeLine);
  EXPECT_TRUE(report->body.starts_with(c.station)) << report->body;
}

INSTANTIATE_TEST_SUITE_P(
    CorpusLines, ReportLineTest,
    testing::Values(
        ReportLineCase{"SourceWithTime",
                       "a/b/c.json@1 [2026-05-21T21:53Z]\tTAF AMD RJAA 212153Z 2121/2300 02020KT",
                       false, true, "RJAA", "2026/05/21 21:53"},
        ReportLineCase{"SourceWithoutTime", "a/b@9\tRJAA 061930Z AUTO 31010KT", false, false,
                       "RJAA", "2000/01/06 19:30"},
        ReportLineCase{"NoSource", "METAR RJTT 010000Z 18010KT", false, false, "RJTT",
                       "2000/01/01 00:00"},
        ReportLineCase{"SpeciWithCrLf", "SPECI RJTY 241011Z 19005KT\r", false, false, "RJTY",
                       "2000/01/24 10:11"},
        ReportLineCase{"EveryReportATaf", "RJTT 010500Z 0106/0212 18010KT", true, true, "RJTT",
                       "2000/01/01 05:00"},
        ReportLineCase{"NoDayTimeGroup", "RJTT", false, false, "RJTT", "2000/01/01 00:00"}),
    [](const testing::TestParamInfo<ReportLineCase>& info) { return info.param.name; });

TEST(ReportLineTest, BlankLineIsNoReport) {
  EXPECT_FALSE(cli::ParseReportLine("", false));
  EXPECT_FALSE(cli::ParseReportLine("src\t   ", false));
}

TEST(CoverageCommandTest, CountsRawGroupsAndTheirShapes) {
  const auto run = RunCliWords({"coverage", "--json"},
                               "src\tRJTT 061200Z 18010KT XYZ12 XYZ34 FOO\n\n"
                               "TAF RJTT 061100Z 0612/0718 ABC\n");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const nlohmann::json expected = {{"reports", 2},
                                   {"groups", 6},
                                   {"raw_groups", 4},
                                   {"raw_reports", 2},
                                   {"shapes",
                                    {{{"shape", "XYZ99"}, {"count", 2}},
                                     {{"shape", "ABC"}, {"count", 1}},
                                     {{"shape", "FOO"}, {"count", 1}}}}};
  EXPECT_EQ(run.Json(), expected);
}

TEST(CoverageCommandTest, TextGivesSharesInPercent) {
  const auto run = RunCliWords({"coverage"}, "RJTT 061200Z 18010KT FOO\n");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.out.find("groups shown as they stand: 1 (50.00%)"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("reports holding one: 1 (100.00%)"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("      1  FOO\n"), std::string::npos) << run.out;
}

TEST(CoverageCommandTest, UnreadableFileIsAUsageError) {
  const auto run = RunCliWords({"coverage", "/nonexistent/reports.txt"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.err.find("cannot read /nonexistent/reports.txt"), std::string::npos) << run.err;
}

// The promise of the decoder: on the real reports of Japanese airfields at most
// 0.5% of the groups, and at most 2% of the reports, are left as they stand.
TEST(CoverageCommandTest, RealJapaneseReportsAreNearlyAllTranslated) {
  const std::string data(AEROLUME_TEST_DATA);
  const auto run = RunCliWords(
      {"coverage", "--json", data + "/corpus-japan-metar.txt", data + "/corpus-japan-taf.txt"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const nlohmann::json counts = run.Json();
  const long groups = counts["groups"];
  const long reports = counts["reports"];
  EXPECT_GT(reports, 1800);
  EXPECT_LE(counts["raw_groups"].get<long>() * 1000, groups * 5) << counts.dump();
  EXPECT_LE(counts["raw_reports"].get<long>() * 100, reports * 2) << counts.dump();
}

}  // namespace
}  // namespace aerolume
