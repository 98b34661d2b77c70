#include "translators/shown_text.hpp"

#include <gtest/gtest.h>

namespace aerolume {
namespace {

TEST(ShownTextTest, ControlsAndBrokenSequencesBecomeReplacementCharacters) {
  struct Case {
    const char* name;
    std::string text;
    std::string shown;
  };
  const Case cases[] = {
      {"escape sequence", "A\x1b[31mB", "A\uFFFD[31mB"},
      {"tab", "A\tB", "A\uFFFDB"},
      {"lone CR", "A\rB", "A\uFFFDB"},
      {"NUL", std::string("A\0B", 3), "A\uFFFDB"},
      {"DEL", "A\x7f", "A\uFFFD"},
      {"each byte of a run", "\x01\x1f", "\uFFFD\uFFFD"},
      {"C1 CSI",
       "A\xc2\x9b"
       "2J",
       "A\uFFFD2J"},
      {"first and last C1", "\xc2\x80\xc2\x9f", "\uFFFD\uFFFD"},
      {"stray C1 byte",
       "A\x9b"
       "2J",
       "A\uFFFD2J"},
      {"right-to-left override",
       "\xe2\x80\xae"
       "KT",
       "\uFFFDKT"},
      {"embeddings and isolates", "\xe2\x80\xaa\xe2\x81\xa6\xe2\x81\xa9", "\uFFFD\uFFFD\uFFFD"},
      {"sequence cut short",
       "\xe3\x81"
       "X",
       "\uFFFDX"},
      {"sequence cut short at the end", "X\xf0\x9f\x98", "X\uFFFD"},
      {"overlong slash", "\xc0\xaf", "\uFFFD\uFFFD"},
      {"surrogate", "\xed\xa0\x80", "\uFFFD\uFFFD\uFFFD"},
      {"past U+10FFFF", "\xf4\x90\x80\x80", "\uFFFD\uFFFD\uFFFD\uFFFD"},
      {"LF kept", "A\nB\n", "A\nB\n"},
      {"printable ASCII kept", " ~", " ~"},
      {"U+00A0 and the marks beside the controls kept", "\xc2\xa0\xe2\x80\x8f\xe2\x80\xaf",
       "\xc2\xa0\xe2\x80\x8f\xe2\x80\xaf"},
      {"report characters kept", "ﾟC～煙霧", "ﾟC～煙霧"},
      {"four-byte character kept", "\xf0\x9f\x98\x80", "\xf0\x9f\x98\x80"},
      {"empty", "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReplaceUnsafeCharacters(c.text), c.shown) << c.name;
  }
}

TEST(ShownTextTest, DecodedLineEndsBecomeLf) {
  EXPECT_EQ(ToLfLineEnds("A\r\nB\r\n"), "A\nB\n");
  EXPECT_EQ(ToLfLineEnds("A\rB\r"), "A\rB\r") << "a CR alone is the report's, not a line end";
  EXPECT_EQ(ReplaceUnsafeCharacters(ToLfLineEnds("A\r\n\r")), "A\n\uFFFD");
}

}  // namespace
}  // namespace aerolume
