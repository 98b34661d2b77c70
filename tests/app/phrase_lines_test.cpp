// Where the line under the wind display may break: between phrases, never inside one.
#include "app/phrase_lines.hpp"

#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetrics>

#include "app/app_font.hpp"

namespace aerolume {
namespace {

struct PhraseCase {
  const char* name;
  const char* line;
  const char* widest;  // the text that just fits the width
  const char* shown;
};

void PrintTo(const PhraseCase& c, std::ostream* out) {
  *out << c.name;
}

// Lines as RunwayWindLine writes them (tests/stations/runway_wind_test.cpp).
const PhraseCase kPhraseCases[] = {
    {"FitsOnOneLine", "RWY16R 向かい風3KT 横風9KT(右から)", "RWY16R 向かい風3KT 横風9KT(右から)",
     "RWY16R 向かい風3KT 横風9KT(右から)"},
    {"GustWordStaysWithItsValue", "RWY34R 向かい風12KT 横風2KT(右から) 突風時 横風4KT(右から)",
     "RWY34R 向かい風12KT 横風2KT(右から) 突風時",
     "RWY34R 向かい風12KT 横風2KT(右から)\n突風時 横風4KT(右から)"},
    {"VariableWindBreaksAfterItsColon", "風向不定: 横風最大 3KT 突風時 15KT", "横風最大 3KT 突風時",
     "風向不定:\n横風最大 3KT\n突風時 15KT"},
    {"APhraseWiderThanTheWidthStandsAlone", "RWY34R 向かい風12KT", "RWY", "RWY34R\n向かい風12KT"},
    {"Calm", "無風", "無", "無風"},
    {"Nothing", "", "RWY34R", ""},
};

class PhraseLinesTest : public testing::TestWithParam<PhraseCase> {};

TEST_P(PhraseLinesTest, BreaksOnlyBetweenPhrases) {
  const PhraseCase& c = GetParam();
  const QFontMetrics metrics(JapaneseGothic(9));
  const int width = metrics.horizontalAdvance(QString::fromUtf8(c.widest));
  EXPECT_EQ(BreakBetweenPhrases(QString::fromUtf8(c.line), metrics, width).toStdString(), c.shown);
}

INSTANTIATE_TEST_SUITE_P(RunwayWindLines, PhraseLinesTest, testing::ValuesIn(kPhraseCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace aerolume
