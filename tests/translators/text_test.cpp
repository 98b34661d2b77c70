#include "translators/text.hpp"

#include <gtest/gtest.h>

#include <stdexcept>

namespace aerolume {
namespace {

TEST(TextTest, SubstringsCutAtTheEdges) {
  EXPECT_EQ(Left("RJTT", 10), "RJTT");
  EXPECT_EQ(Left("RJTT", 0), "");
  EXPECT_EQ(Left("RJTT", -3), "");
  EXPECT_EQ(Right("RJTT", -1), "");
  EXPECT_EQ(Right("RJTT", 2), "TT");
  EXPECT_EQ(Right("RJTT", 9), "RJTT");
  EXPECT_EQ(Mid("R34L/P1500N", 1, 2), "34");
  EXPECT_EQ(Mid("KT", 5, 2), "");
  EXPECT_EQ(Mid("KT", -4, 1), "K");
  EXPECT_EQ(Mid("KT", 0, -1), "");
  EXPECT_EQ(Mid("KT", 1, 9), "T");
  EXPECT_EQ(Mid("R34L", 1), "34L");
  EXPECT_EQ(Mid("R34L", 4), "");
  EXPECT_EQ(Mid("R34L", -2), "R34L");
  // Dropping more bytes than the text has leaves it empty.
  EXPECT_EQ(Right("N", 1 - 5), "");
}

TEST(TextTest, DecimalConversionReadsLikeAtoi) {
  struct Case {
    const char* text;
    int value;
  };
  const Case cases[] = {{"08", 8},
                        {"", 0},
                        {"1A", 1},
                        {"  -12", -12},
                        {"+7", 7},
                        {"M03", 0},
                        {"\t\n42", 42},
                        {"--1", 0},
                        {"-", 0},
                        {"2147483647", 2147483647},
                        {"99999999999999999999", 2147483647},
                        {"-99999999999999999999", -2147483647 - 1}};
  for (const Case& c : cases) EXPECT_EQ(ToInt(c.text), c.value) << '"' << c.text << '"';
}

TEST(TextTest, FormatsWithoutPadding) {
  EXPECT_EQ(FormatInt(0), "0");
  EXPECT_EQ(FormatInt(5), "5");
  EXPECT_EQ(FormatInt(-1), "-1");
}

TEST(TextTest, GreaterThanIsByteOrder) {
  EXPECT_FALSE(IsGreaterThan("24", "24"));
  EXPECT_TRUE(IsGreaterThan("25", "24"));
  EXPECT_TRUE(IsGreaterThan("3", "24"));
  EXPECT_FALSE(IsGreaterThan("09", "24"));
  EXPECT_FALSE(IsGreaterThan("2", "24"));
  EXPECT_TRUE(IsGreaterThan("\x82\x4f", "24"));  // a double-byte character sorts by its bytes
}

TEST(TextTest, GroupAtChecksTheRange) {
  const GroupList groups{"A", "B", "C"};
  EXPECT_EQ(GroupAt(groups, 2), "C");
  EXPECT_THROW(GroupAt(groups, 3), std::invalid_argument);
  EXPECT_THROW(GroupAt(groups, -1), std::invalid_argument);
  EXPECT_THROW(GroupAt(GroupList{}, 0), std::invalid_argument);
}

struct TokenCase {
  bool (*test)(std::string_view);
  const char* name;
  const char* text;
  bool expected;
};

class TokenTest : public testing::TestWithParam<TokenCase> {};

TEST_P(TokenTest, RecognisesItsShapeOnly) {
  const TokenCase& c = GetParam();
  EXPECT_EQ(c.test(c.text), c.expected) << c.name << "(" << c.text << ")";
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, TokenTest,
    testing::Values(TokenCase{IsAllDigits, "IsAllDigits", "", true},
                    TokenCase{IsAllDigits, "IsAllDigits", "0800", true},
                    TokenCase{IsAllDigits, "IsAllDigits", "08 0", false},
                    TokenCase{IsAllDigits, "IsAllDigits", "/", false},
                    TokenCase{IsAllDigits, "IsAllDigits", "\xef\xbc\x90", false},  // full-width 0
                    TokenCase{IsPeriodGroup, "IsPeriodGroup", "0606/0712", true},
                    TokenCase{IsPeriodGroup, "IsPeriodGroup", "0606-0712", false},
                    TokenCase{IsPeriodGroup, "IsPeriodGroup", "0606/071", false},
                    TokenCase{IsPeriodGroup, "IsPeriodGroup", "060A/0712", false},
                    TokenCase{IsPeriodGroup, "IsPeriodGroup", "0606/0712Z", false},
                    TokenCase{IsFromGroup, "IsFromGroup", "FM0130", true},
                    TokenCase{IsFromGroup, "IsFromGroup", "FM061200", false},
                    TokenCase{IsFromGroup, "IsFromGroup", "fm0130", false},
                    TokenCase{IsFromGroup, "IsFromGroup", "FM01:3", false},
                    TokenCase{IsFromGroup, "IsFromGroup", "FM", false},
                    TokenCase{IsKnotSpeed, "IsKnotSpeed", "35KT", true},
                    TokenCase{IsKnotSpeed, "IsKnotSpeed", "5KT", true},
                    TokenCase{IsKnotSpeed, "IsKnotSpeed", "27015KT", true},
                    TokenCase{IsKnotSpeed, "IsKnotSpeed", "KT", false},
                    TokenCase{IsKnotSpeed, "IsKnotSpeed", "35kt", false},
                    TokenCase{IsKnotSpeed, "IsKnotSpeed", "VRB03KT", false},
                    TokenCase{IsKnotSpeed, "IsKnotSpeed", "27015G25KT", false},
                    TokenCase{IsKnotSpeed, "IsKnotSpeed", "35MPS", false}));

}  // namespace
}  // namespace aerolume
