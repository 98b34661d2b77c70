// Bytes a server controls must never act on the terminal: every character that does
// (C0 but LF, DEL, C1 as UTF-8 and as stray bytes, the bidirectional controls) and
// every sequence that is not UTF-8 is shown as U+FFFD, "?" in code page 932, and
// escaped in JSON. Each case puts its bytes into a report, as a server could.
#include <gtest/gtest.h>

#include "../cli_runner.hpp"
#include "cli/encoding.hpp"

namespace aerolume {
namespace {

using testing_support::RunCliWords;

struct UnsafeCase {
  const char* name;
  std::string bytes;  // put between the day-time group and the wind of a report
  std::string text;   // what the text output shows for them
  std::string cp932;  // the same in code page 932
  std::string json;   // how the JSON output writes them
};

void PrintTo(const UnsafeCase& c, std::ostream* os) {
  *os << c.name;
}

std::string StationFileWith(const std::string& bytes) {
  return "2026/01/15 03:00\nRJTT 150300Z " + bytes + " 34005KT\n";
}

class TerminalSafetyTest : public testing::TestWithParam<UnsafeCase> {};

TEST_P(TerminalSafetyTest, TextShowsReplacementCharacters) {
  const auto run = RunCliWords({"decode"}, StationFileWith(GetParam().bytes));
  EXPECT_NE(run.out.find("\nraw: RJTT 150300Z " + GetParam().text + " 34005KT\n"),
            std::string::npos)
      << run.out;
}

TEST_P(TerminalSafetyTest, Cp932ShowsQuestionMarks) {
  const auto run =
      RunCliWords({"decode", "--encoding", "cp932"}, StationFileWith(GetParam().bytes));
  EXPECT_NE(run.out.find("\nraw: RJTT 150300Z " + GetParam().cp932 + " 34005KT\n"),
            std::string::npos)
      << run.out;
}

TEST_P(TerminalSafetyTest, JsonEscapesThem) {
  const auto run = RunCliWords({"decode", "--json"}, StationFileWith(GetParam().bytes));
  EXPECT_NE(run.out.find("\"raw\": \"RJTT 150300Z " + GetParam().json + " 34005KT\""),
            std::string::npos)
      << run.out;
  EXPECT_NO_THROW(run.Json());
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, TerminalSafetyTest,
    testing::Values(UnsafeCase{"escape", "\x1b[2J", "\uFFFD[2J", "?[2J", "\\u001b[2J"},
                    UnsafeCase{"NUL_and_tab", std::string("A\0\tB", 4), "A\uFFFD\uFFFDB", "A??B",
                               "A\\u0000\\tB"},
                    UnsafeCase{"DEL", "A\x7f", "A\uFFFD", "A?", "A\\u007f"},
                    // ../shared/corpus holds none of these; the reproducer of the fault.
                    UnsafeCase{"C1_CSI_as_UTF8",
                               "\xc2\x9b"
                               "2J",
                               "\uFFFD2J", "?2J", "\\u009b2J"},
                    UnsafeCase{"C1_OSC_and_ST_as_UTF8",
                               "\xc2\x9d"
                               "0;X\xc2\x9c",
                               "\uFFFD0;X\uFFFD", "?0;X?", "\\u009d0;X\\u009c"},
                    UnsafeCase{"C1_CSI_as_a_stray_byte",
                               "\x9b"
                               "2J",
                               "\uFFFD2J", "?2J", "\uFFFD2J"},
                    UnsafeCase{"right_to_left_override",
                               "\xe2\x80\xae"
                               "TK50043",
                               "\uFFFDTK50043", "?TK50043", "\\u202eTK50043"},
                    UnsafeCase{"isolates", "\xe2\x81\xa6X\xe2\x81\xa9", "\uFFFDX\uFFFD", "?X?",
                               "\\u2066X\\u2069"},
                    UnsafeCase{"invalid_UTF8_cut_short",
                               "\xe3\x81"
                               "X",
                               "\uFFFDX", "?X", "\uFFFDX"},
                    UnsafeCase{"invalid_UTF8_overlong", "\xc0\xaf", "\uFFFD\uFFFD", "??",
                               "\uFFFD\uFFFD"},
                    UnsafeCase{"Japanese_kept", "煙霧", "煙霧", "\x89\x8C\x96\xB6", "煙霧"}),
    [](const testing::TestParamInfo<UnsafeCase>& info) { return std::string(info.param.name); });

// No byte of the whole text output acts on a terminal: the decoded lines show the
// unknown group too.
TEST(TerminalSafetyReproducerTest, NoC1ByteReachesTheTerminal) {
  const auto run = RunCliWords({"decode"},
                               "2026/01/15 03:00\nRJTT 150300Z \xc2\x9b"
                               "2J 34005KT\n");
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out.find("\xc2\x9b"), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find('\x9b'), std::string::npos);
}

// The message for an unreadable time line quotes the file's bytes on standard error,
// and writes them as the text is written: safe, and in code page 932 when asked.
TEST(TerminalSafetyMessageTest, ErrorMessagesAreSafeAndInTheChosenEncoding) {
  const std::string file =
      "\xc2\x9b"
      "2J0123456789ABCD\nRJTT 150300Z 34005KT\n";
  struct Case {
    const char* name;
    std::vector<std::string> words;
    std::string err;
  };
  const Case cases[] = {
      {"decode", {"decode"}, "時刻を読み取れません: \uFFFD2J0123456789AB\n"},
      {"decode cp932",
       {"decode", "--encoding", "cp932"},
       cli::ToCp932("時刻を読み取れません: ") + "?2J0123456789AB\n"},
  };
  for (const Case& c : cases) {
    const auto run = RunCliWords(c.words, file);
    EXPECT_EQ(run.exitCode, 1) << c.name;
    EXPECT_EQ(run.err, c.err) << c.name;
  }
}

TEST(TerminalSafetyMessageTest, UsageErrorsQuoteTheCommandLineSafely) {
  const auto unknown = RunCliWords({"\x1b]0;X\x07"});
  EXPECT_EQ(unknown.exitCode, 2);
  EXPECT_TRUE(unknown.err.starts_with("aerolume-cli: unknown command \uFFFD]0;X\uFFFD\n"))
      << unknown.err;
  const auto option = RunCliWords({"decode", "--bogus\xc2\x9b"});
  EXPECT_EQ(option.exitCode, 2);
  EXPECT_EQ(option.err.find("\xc2\x9b"), std::string::npos) << option.err;
}

}  // namespace
}  // namespace aerolume
