// Scripts rely on aerolume-cli's exit status and on its batch forms.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "../cli_runner.hpp"
#include "cli/decode_lines.hpp"
#include "cli/time_line.hpp"

namespace aerolume {
namespace {

using testing_support::RunCliWords;

std::string TestFile(const std::string& name) {
  std::ifstream file(std::string(AEROLUME_TEST_DATA) + "/" + name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

// japan-metar.txt line 1 and japan-taf.txt line 1 of ../shared/corpus.
const std::string kCorpusMetarLine =
    "lilopkins/metar-rs/tests/features/parsing.feature@931fa28\tRJAA 061930Z AUTO 31010KT 9999 "
    "SCT002 OVC005 16/16 Q0993 TEMPO 3000 -RA BR RMK A2933";
const std::string kCorpusTafLine =
    "nnaumenko/metaf/test/testdata_real.cpp@9e78826 [2018-09-26T17:06Z]\tTAF RJAA 261706Z "
    "2618/2800 01015KT 8000 -SHRA FEW008 BKN012 TEMPO 2618/2623 3000 SHRA BR FEW002 BKN004 "
    "BECMG 2715/2718 34005KT";

struct StatusCase {
  const char* name;
  std::vector<std::string> words;
  std::string input;
  int exitCode;
  std::string errHolds;
};

void PrintTo(const StatusCase& c, std::ostream* os) {
  *os << c.name;
}

class ExitStatusTest : public testing::TestWithParam<StatusCase> {};

TEST_P(ExitStatusTest, SaysWhetherEveryReportWasShown) {
  const StatusCase& c = GetParam();
  const auto run = RunCliWords(c.words, c.input);
  EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
  EXPECT_NE(run.err.find(c.errHolds), std::string::npos) << run.err;
}

const std::string kGoodMetar = TestFile("RJAA-metar-1.TXT");

INSTANTIATE_TEST_SUITE_P(
    Cases, ExitStatusTest,
    testing::Values(
        StatusCase{"decode_shown", {"decode"}, kGoodMetar, 0, ""},
        StatusCase{"decode_empty", {"decode"}, "", 1, "decode: no report in the input"},
        StatusCase{"decode_status_text", {"decode"}, "404", 1, ""},
        StatusCase{"decode_unreadable_time",
                   {"decode"},
                   "ABCD\nRJAA 261945Z",
                   1,
                   "時刻を読み取れません: ABCD"},
        StatusCase{"decode_over_1MiB",
                   {"decode"},
                   std::string(1024 * 1024 + 1, 'A'),
                   1,
                   "standard input: larger than 1 MiB"},
        StatusCase{
            "decode_dev_zero", {"decode", "/dev/zero"}, "", 1, "/dev/zero: larger than 1 MiB"},
        StatusCase{"lines_dev_zero",
                   {"decode", "--lines", "/dev/zero"},
                   "",
                   1,
                   "/dev/zero: line 1 is longer than 1 MiB"},
        StatusCase{"decode_missing_file",
                   {"decode", "/nonexistent/RJTT.TXT"},
                   "",
                   2,
                   "cannot read /nonexistent/RJTT.TXT: No such file or directory"},
        StatusCase{"decode_directory", {"decode", "/"}, "", 2, "cannot read /: Is a directory"},
        StatusCase{"decode_time_line_without_lines",
                   {"decode", "--time-line", "2012/05/06 12:00"},
                   kGoodMetar,
                   2,
                   "--lines"},
        StatusCase{"lines_with_station",
                   {"decode", "--lines", "--station", "RJAA"},
                   kCorpusMetarLine,
                   2,
                   "--station"},
        StatusCase{"lines_empty", {"decode", "--lines"}, "\n\n", 1, "no report in the input"},
        StatusCase{"lines_bad_own_time_line_is_report_text",
                   {"decode", "--lines", "--time-line", "2012/05/06 12:00"},
                   kCorpusMetarLine + "\n2012/13/06 12:00 RJAA 061930Z 31010KT\n",
                   0,
                   ""},
        StatusCase{"lines_too_long",
                   {"decode", "--lines"},
                   std::string(1024 * 1024 + 2, 'A'),
                   1,
                   "line 1 is longer than 1 MiB"},
        StatusCase{"groups_none", {"groups", "--json"}, "", 2, "give at least one GROUP"},
        StatusCase{"groups_garbage_time_line",
                   {"groups", "--time-line", "garbage", "FM1030"},
                   "",
                   2,
                   "--time-line needs"},
        StatusCase{"groups_month_13",
                   {"groups", "--time-line", "2012/13/06 05:00", "FM1030"},
                   "",
                   2,
                   "--time-line needs"},
        StatusCase{
            "groups_shown", {"groups", "--time-line", "2012/05/06 05:00", "FM1030"}, "", 0, ""},
        // An option's time line names a real date and time.
        StatusCase{"groups_february_29_of_a_common_year",
                   {"groups", "--time-line", "2023/02/29 05:00", "FM1030"},
                   "",
                   2,
                   "--time-line needs"},
        StatusCase{"groups_april_31",
                   {"groups", "--time-line", "2024/04/31 05:00", "FM1030"},
                   "",
                   2,
                   "--time-line needs"},
        StatusCase{"lines_february_31",
                   {"decode", "--lines", "--time-line", "2023/02/31 05:00"},
                   kCorpusMetarLine,
                   2,
                   "--time-line needs"},
        StatusCase{
            "groups_leap_day", {"groups", "--time-line", "2024/02/29 05:00", "FM1030"}, "", 0, ""},
        StatusCase{"groups_year_10000_in_japan",
                   {"groups", "--time-line", "9999/12/31 23:59", "FM1030"},
                   "",
                   2,
                   "--time-line needs"},
        StatusCase{"decode_year_10000_in_japan",
                   {"decode"},
                   "9999/12/31 23:59\nRJAA 312359Z 31010KT\n",
                   1,
                   "時刻を読み取れません: 9999/12/31 23:59"},
        StatusCase{"coverage_missing_file",
                   {"coverage", "/nonexistent"},
                   "",
                   2,
                   "cannot read /nonexistent: No such file or directory"},
        StatusCase{"coverage_empty", {"coverage"}, "", 1, "no report in the input"},
        StatusCase{"help_unknown_command", {"help", "nonsense"}, "", 2, "no command nonsense"}),
    [](const testing::TestParamInfo<StatusCase>& info) { return std::string(info.param.name); });

// A time line "YYYY/13/06 12:00" at the head of a line is no time line: the report
// then gets --time-line's, and is shown.
TEST(DecodeLinesTest, MixesMetarAndTafLinesWithAndWithoutTheirOwnTimeLine) {
  const std::string input = kCorpusMetarLine + "\n\n" + kCorpusTafLine + "\r\n" +
                            "2018/09/26 19:45 RJAA 261945Z 36020KT 4000 -SHRA BR\n";
  const auto run =
      RunCliWords({"decode", "--lines", "--json", "--time-line", "2012/05/06 19:30"}, input);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  std::istringstream lines(run.out);
  std::vector<nlohmann::json> objects;
  for (std::string line; std::getline(lines, line);) objects.push_back(nlohmann::json::parse(line));
  ASSERT_EQ(objects.size(), 3u);
  EXPECT_EQ(objects[0]["line"], 1);
  EXPECT_EQ(objects[0]["kind"], "metar");
  EXPECT_EQ(objects[0]["time"], "2012/05/07 04:30") << "from --time-line";
  EXPECT_EQ(objects[0]["wind"]["direction"], 310);
  EXPECT_EQ(objects[1]["line"], 3);
  EXPECT_EQ(objects[1]["kind"], "taf");
  EXPECT_EQ(objects[1]["station"], "RJAA");
  EXPECT_TRUE(objects[1]["raw"].get<std::string>().starts_with("TAF RJAA 261706Z 2618/2800"));
  EXPECT_EQ(objects[2]["time"], "2018/09/27 04:45") << "the line's own time line";
  EXPECT_EQ(objects[2]["raw"], "RJAA 261945Z 36020KT 4000 -SHRA BR");

  const auto text = RunCliWords({"decode", "--lines", "--time-line", "2012/05/06 19:30"}, input);
  EXPECT_TRUE(text.out.starts_with("time: 2012/05/07 04:30\nraw: RJAA 061930Z AUTO")) << text.out;
  EXPECT_NE(text.out.find("\n\ntime: 2012/05/07 04:30\nraw: TAF RJAA 261706Z"), std::string::npos)
      << "blocks set apart by an empty line";
}

TEST(DecodeLinesTest, WithoutATimeLineTheReportsDayTimeInTheLatestMonthNotInTheFuture) {
  using namespace std::chrono;
  const sys_seconds now = sys_days{year{2026} / 3 / 1} + hours{10};
  struct Case {
    const char* group;
    const char* timeLine;
  };
  const Case cases[] = {
      {"010930Z", "2026/03/01 09:30"},  // this month, earlier today
      {"011030Z", "2026/02/01 10:30"},  // later today: a month back
      {"300000Z", "2026/01/30 00:00"},  // February has no 30th
      {"XYZ", "2026/03/01 10:00"},      // no day-time group: now
  };
  for (const Case& c : cases) {
    EXPECT_EQ(cli::TimeLineFromDayTime(c.group, now), c.timeLine) << c.group;
  }
  const auto file = cli::StationFileOfLine("RJAA 011030Z 31010KT", false, std::nullopt, now);
  ASSERT_TRUE(file);
  EXPECT_EQ(file->text, "2026/02/01 10:30 RJAA 011030Z 31010KT");
}

// A report line padded with spaces to `bytes`, the padding being no report text.
std::string CorpusMetarLineOf(std::size_t bytes) {
  return kCorpusMetarLine + std::string(bytes - kCorpusMetarLine.size(), ' ');
}

struct LineLimitCase {
  const char* name;
  std::string input;
  int exitCode;
};

void PrintTo(const LineLimitCase& c, std::ostream* os) {
  *os << c.name;
}

class LineLimitTest : public testing::TestWithParam<LineLimitCase> {};

// The limit counts a line's bytes whichever chunks of the input they arrive in.
TEST_P(LineLimitTest, OneMebibyteIsTheLongestLine) {
  const auto run = RunCliWords({"decode", "--lines", "--json"}, GetParam().input);
  EXPECT_EQ(run.exitCode, GetParam().exitCode) << run.err;
  if (GetParam().exitCode == 1) {
    EXPECT_NE(run.err.find(" is longer than 1 MiB"), std::string::npos) << run.err;
  }
}

constexpr std::size_t kMebibyte = 1024 * 1024;

INSTANTIATE_TEST_SUITE_P(
    Cases, LineLimitTest,
    testing::Values(
        LineLimitCase{"exactly_1MiB_with_LF", CorpusMetarLineOf(kMebibyte) + "\n", 0},
        LineLimitCase{"exactly_1MiB_without_LF", CorpusMetarLineOf(kMebibyte), 0},
        LineLimitCase{"one_byte_more_with_LF", CorpusMetarLineOf(kMebibyte + 1) + "\n", 1},
        LineLimitCase{"one_byte_more_without_LF", CorpusMetarLineOf(kMebibyte + 1), 1},
        LineLimitCase{"one_byte_more_across_chunks_with_LF",
                      kCorpusMetarLine + "\n" + CorpusMetarLineOf(kMebibyte + 1) + "\n", 1},
        LineLimitCase{"exactly_1MiB_across_chunks_with_LF",
                      kCorpusMetarLine + "\n" + CorpusMetarLineOf(kMebibyte) + "\n", 0}),
    [](const testing::TestParamInfo<LineLimitCase>& info) { return std::string(info.param.name); });

TEST(DecodeTest, StationFilesOneAfterAnotherAreDecodedEach) {
  const std::string input = TestFile("RJAA-metar-1.TXT") + TestFile("RJBB-metar-1.TXT");
  const auto run = RunCliWords({"decode", "--json"}, input);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  std::istringstream lines(run.out);
  std::vector<std::string> stations;
  for (std::string line; std::getline(lines, line);) {
    stations.push_back(nlohmann::json::parse(line)["station"]);
  }
  EXPECT_EQ(stations, (std::vector<std::string>{"RJAA", "RJBB"}));
  EXPECT_NE(RunCliWords({"decode"}, input).out.find("\n\ntime: 2026/07/28 16:30\nraw: RJBB"),
            std::string::npos);
}

// Files that end their lines in CR alone, as old Mac tools write them: the CR is a
// line end, never a character of the report ("NOSIG\r" is NOSIG).
TEST(DecodeTest, CrOnlyFilesReadAsTheirLfForms) {
  const std::string rjtt = "2012/05/06 12:00\rRJTT 061200Z 34005KT 9999 Q1021 NOSIG\r";
  const std::string rjaa = "2012/05/06 12:30\rRJAA 061230Z 18010KT\r";
  const auto one = RunCliWords({"decode", "--json"}, rjtt);
  ASSERT_EQ(one.exitCode, 0) << one.err;
  EXPECT_EQ(one.Json()["raw"], "RJTT 061200Z 34005KT 9999 Q1021 NOSIG");
  EXPECT_EQ(one.Json()["lines"].back(), "重要な変化なし");
  const auto lf =
      RunCliWords({"decode"}, "2012/05/06 12:00\nRJTT 061200Z 34005KT 9999 Q1021 NOSIG\n");
  EXPECT_EQ(RunCliWords({"decode"}, rjtt).out, lf.out);

  const auto two = RunCliWords({"decode", "--json"}, rjtt + rjaa);
  ASSERT_EQ(two.exitCode, 0) << two.err;
  std::istringstream lines(two.out);
  std::vector<std::string> stations;
  for (std::string line; std::getline(lines, line);) {
    stations.push_back(nlohmann::json::parse(line)["station"]);
  }
  EXPECT_EQ(stations, (std::vector<std::string>{"RJTT", "RJAA"}));
}

TEST(HelpTest, EveryCommandDescribesItsOptions) {
  for (const char* command : {"stations", "decode", "groups", "fetch", "coverage"}) {
    const auto help = RunCliWords({command, "--help"});
    EXPECT_EQ(help.exitCode, 0) << command;
    EXPECT_TRUE(help.out.starts_with(std::string("usage: aerolume-cli ") + command)) << help.out;
    EXPECT_NE(help.out.find("\n  -h, --help"), std::string::npos) << help.out;
    EXPECT_EQ(RunCliWords({command, "-h"}).out, help.out) << command;
    EXPECT_EQ(RunCliWords({"help", command}).out, help.out) << command;
  }
  EXPECT_NE(RunCliWords({"decode", "--help"}).out.find("\n  --lines "), std::string::npos);
  EXPECT_EQ(RunCliWords({"-h"}).out, RunCliWords({"help"}).out);
}

}  // namespace
}  // namespace aerolume
