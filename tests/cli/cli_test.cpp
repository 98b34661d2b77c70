#include <gtest/gtest.h>

#include <algorithm>

#include "../cli_runner.hpp"
#include "cli/encoding.hpp"

namespace aerolume {
namespace {

using testing_support::RunCliWords;

const char* kMetarFile = "2012/05/06 12:00\nRJTT 061200Z 18010KT 9999 FEW020 25/18 Q1012 NOSIG\n";

TEST(CliDecodeTest, WorkedStationFile) {
  const auto run = RunCliWords({"decode", "--json"}, kMetarFile);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const nlohmann::json report = run.Json();
  EXPECT_EQ(report["station"], "RJTT");
  EXPECT_EQ(report["kind"], "metar");
  EXPECT_EQ(report["time"], "2012/05/06 21:00");
  EXPECT_EQ(report["raw"], "RJTT 061200Z 18010KT 9999 FEW020 25/18 Q1012 NOSIG");
  EXPECT_EQ(report["lines"].size(), 6u);
  EXPECT_EQ(report["lines"][0], "180方向 10KTの風");
  EXPECT_EQ(report["wind"]["direction"], 180);
  EXPECT_TRUE(report["error"].is_null());
}

TEST(CliDecodeTest, TextOutputHasTimeRawAndLines) {
  const auto run = RunCliWords({"decode", "--station", "RJTT"}, kMetarFile);
  ASSERT_EQ(run.exitCode, 0);
  EXPECT_TRUE(
      run.out.starts_with("time: 2012/05/06 21:00\nraw: RJTT 061200Z 18010KT 9999 FEW020 "
                          "25/18 Q1012 NOSIG\n\n180方向 10KTの風\n"))
      << run.out;
  EXPECT_EQ(run.out.find('\r'), std::string::npos);
}

TEST(CliDecodeTest, StatusTextShowsNotFound) {
  const auto report = RunCliWords({"decode", "--json", "--station", "RJTT"}, "404").Json();
  EXPECT_EQ(report["time"], "NOT FOUND");
  EXPECT_EQ(report["raw"], "");
  EXPECT_EQ(report["decoded"], "");
  EXPECT_TRUE(report["lines"].empty());
}

TEST(CliDecodeTest, TafStationComesAfterTheTafWords) {
  const auto report = RunCliWords({"decode", "--taf", "--json"},
                                  "2012/05/06 05:00\nTAF AMD RJTT 060500Z 0606/0712 18010KT\n")
                          .Json();
  EXPECT_EQ(report["station"], "RJTT");
  EXPECT_EQ(report["kind"], "taf");
  EXPECT_EQ(report["lines"][1], "180方向 10KTの風");
  EXPECT_TRUE(report["wind"].is_null());
}

// A report copied with its leading words, as the corpus keeps them, finds its station
// and day-time group after those words, as decode --lines does.
TEST(CliDecodeTest, StationComesAfterTheReportWords) {
  struct Case {
    const char* file;
    const char* station;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"2026/08/11 12:30\nMETAR RJTY 111230Z 30007KT\n", "RJTY", {"300方向 7KTの風"}},
      {"2026/08/11 13:10\nSPECI RJTY 111310Z 30007KT\n", "RJTY", {"300方向 7KTの風"}},
      {"2026/08/11 12:30\nMETAR COR RODN 111230Z 24004KT\n", "RODN", {"240方向 4KTの風"}},
      // world.txt:21: a missing report with no day-time group.
      {"2018/09/09 20:00\nMETAR CYSY NIL\n", "CYSY", {"欠測"}},
  };
  for (const Case& c : cases) {
    const auto run = RunCliWords({"decode", "--json"}, c.file);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const nlohmann::json report = run.Json();
    EXPECT_EQ(report["station"], c.station) << c.file;
    EXPECT_EQ(report["lines"].get<std::vector<std::string>>(), c.lines) << c.file;
  }
}

TEST(CliDecodeTest, UnreadableTimeLineFailsWithItsMessage) {
  const auto run = RunCliWords({"decode", "--json"}, "ABCDEFGHIJKLMNOPQRSTUVWXYZ\n");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.Json()["error"], "時刻を読み取れません: ABCDEFGHIJKLMNOP");
}

TEST(CliDecodeTest, BinaryInputNeverBreaksTheJson) {
  const char raw[] = "2012/05/06 12:00\nRJTT 061200Z \xff\xfe\x00\x80 X\n";
  const std::string bytes(raw, sizeof raw - 1);
  const auto run = RunCliWords({"decode", "--json"}, bytes);
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_NO_THROW(run.Json());
}

TEST(CliEncodingTest, Cp932BytesOfTheReportCharacters) {
  EXPECT_EQ(cli::ToCp932("ﾟC"), "\xDF\x43");
  EXPECT_EQ(cli::ToCp932("～"), "\x81\x60");
  EXPECT_EQ(cli::ToCp932("煙霧"), "\x89\x8C\x96\xB6");  // haze
  EXPECT_EQ(cli::ToCp932("靄"), "\xE8\xC9");            // mist
  EXPECT_EQ(cli::ToCp932("A\xff"
                         "B"),
            "A?B");                                  // not UTF-8
  EXPECT_EQ(cli::ToCp932("\xF0\x9F\x98\x80"), "?");  // no such character in code page 932
}

// Haze and mist read differently, in the groups command and in a real report
// (../shared/corpus/japan-metar.txt line 166: summer haze at RJBD).
TEST(CliHazeTest, HazeIsEnmuAndMistStaysMoya) {
  const auto groups = RunCliWords({"groups", "--json", "--", "HZ", "BR", "-HZ"});
  EXPECT_EQ(groups.Json()["lines"], (nlohmann::json{"煙霧", "靄", "弱い煙霧"}));
  const auto report = RunCliWords(
      {"decode", "--lines", "--json", "--time-line", "2026/07/28 06:00"},
      "yasuokun-pro/heli-nav-pwa/metar.json@1ac9930 [2026-07-28T06:00Z]\tMETAR RJBD 280600Z "
      "20006KT 110V280 5000 HZ FEW008 31/26 Q1011\n");
  const auto lines = report.Json()["lines"].get<std::vector<std::string>>();
  EXPECT_NE(std::find(lines.begin(), lines.end(), "煙霧"), lines.end()) << report.out;
}

TEST(CliEncodingTest, DecodeWritesTheSectorTildeInCp932) {
  const auto run = RunCliWords({"decode", "--encoding", "cp932"},
                               "2012/05/06 12:00\nRJTT 061200Z 34005KT 300V020\n");
  ASSERT_EQ(run.exitCode, 0);
  EXPECT_NE(run.out.find("300\x81\x60"
                         "020"),
            std::string::npos);
}

TEST(CliDecodeTest, ControlBytesOfTheReportAreShownSafely) {
  const std::string file = "2012/05/06 12:00\nRJTT 061200Z \x1b[31m18010KT\tX\n";
  struct Case {
    const char* name;
    std::vector<std::string> words;
    std::string raw;
  };
  const Case cases[] = {
      {"UTF-8", {"decode"}, "raw: RJTT 061200Z \uFFFD[31m18010KT\uFFFDX\n"},
      {"code page 932", {"decode", "--encoding", "cp932"}, "raw: RJTT 061200Z ?[31m18010KT?X\n"},
  };
  for (const Case& c : cases) {
    const auto run = RunCliWords(c.words, file);
    EXPECT_EQ(run.exitCode, 0) << c.name;
    EXPECT_NE(run.out.find(c.raw), std::string::npos) << c.name << ": " << run.out;
    EXPECT_EQ(run.out.find_first_of("\x1b\t\r"), std::string::npos) << c.name;
  }
  // JSON escapes them itself and keeps the bytes.
  const auto json = RunCliWords({"decode", "--json"}, file);
  EXPECT_NE(json.out.find("\\u001b[31m"), std::string::npos) << json.out;
  EXPECT_EQ(json.Json()["raw"], "RJTT 061200Z \x1b[31m18010KT\tX");
}

TEST(CliDecodeTest, ErrorMessageQuotesTheTimeLineSafely) {
  const auto run = RunCliWords({"decode"}, "\x1b[2JABCDEFGHIJKLMN\nRJTT 061200Z 18010KT\n");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find(": \uFFFD[2JABCDEFGHIJKL\n"), std::string::npos) << run.err;
  EXPECT_EQ(run.err.find('\x1b'), std::string::npos);
}

TEST(CliStationsTest, ListsTheCatalogue) {
  const auto run = RunCliWords({"stations", "--json"});
  const nlohmann::json list = run.Json();
  ASSERT_EQ(list.size(), 104u);
  EXPECT_EQ(list[0]["code"], "RJAA");
  EXPECT_EQ(list[0]["name"], "成田国際空港");
  const auto text = RunCliWords({"stations"});
  EXPECT_TRUE(text.out.starts_with("RJAA 成田国際空港\nRJAF 松本空港\n"));
}

TEST(CliGroupsTest, GroupsAfterDoubleDashAreNeverOptions) {
  const auto run = RunCliWords({"groups", "--json", "--", "--taf", "XYZ"});
  ASSERT_EQ(run.exitCode, 0);
  // Decoded as a group (shown as it stands), not taken as the --taf option.
  EXPECT_EQ(run.Json()["lines"], nlohmann::json({"--taf", "XYZ"}));
  EXPECT_EQ(run.Json()["past_observation"], false);
}

TEST(CliUsageTest, MistakesExitWithTwo) {
  const std::vector<std::vector<std::string>> mistakes = {
      {},
      {"nonsense"},
      {"decode", "--bogus"},
      {"decode", "--station"},
      {"decode", "a", "b"},
      {"decode", "/nonexistent/file"},
      {"stations", "--encoding", "latin1"},
      {"stations", "extra"},
  };
  for (const auto& words : mistakes) {
    const auto run = RunCliWords(words);
    EXPECT_EQ(run.exitCode, 2) << (words.empty() ? "" : words.front());
    EXPECT_NE(run.err.find("usage"), std::string::npos);
  }
  EXPECT_EQ(RunCliWords({"--help"}).exitCode, 0);
  EXPECT_EQ(RunCliWords({"--version"}).out, "aerolume-cli 2.0.0.4\n");
}

}  // namespace
}  // namespace aerolume
