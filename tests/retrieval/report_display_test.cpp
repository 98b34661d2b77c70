#include "retrieval/report_display.hpp"

#include <gtest/gtest.h>

#include <map>

#include "retrieval/station_file.hpp"

namespace aerolume {
namespace {

// Remembers what the display steps showed, in order.
class RecordingView : public ReportView {
 public:
  void SetField(ReportField field, const std::string& text) override {
    fields[field] = text;
    calls.push_back("field");
  }
  void ShowMessage(const std::string& text, MessageIcon icon) override {
    messages.push_back(text);
    icons.push_back(icon);
  }
  void ShowWind(const std::string&, const WindValues&) override {}
  void ShowCategory(const CategoryJudgement& judgement) override {
    categories.push_back(judgement.category);
  }

  std::map<ReportField, std::string> fields;
  std::vector<FlightCategory> categories;
  std::vector<std::string> calls;
  std::vector<std::string> messages;
  std::vector<MessageIcon> icons;
};

const char* kMetarFile =
    "2012/05/06 12:00\nRJTT 061200Z 34005KT 300V020 9999 FEW020 25/18 Q1012 NOSIG\n";

TEST(ShowMetarTest, FillsTheThreeFieldsAndTheWind) {
  ReportState state;
  state.m_stationCode = "RJTT";
  state.m_pastObservation = true;
  RecordingView view;
  ShowMetar(state, view, NormalizeReportText(kMetarFile));
  EXPECT_EQ(view.fields[ReportField::MetarTime], "2012/05/06 21:00");
  EXPECT_EQ(view.fields[ReportField::MetarRaw],
            "RJTT 061200Z 34005KT 300V020 9999 FEW020 25/18 Q1012 NOSIG");
  EXPECT_TRUE(view.fields[ReportField::MetarDecoded].starts_with(
      "340方向 5KTの風\r\n方向300～020で変化\r\n"));
  EXPECT_EQ(state.m_timeLine, "2012/05/06 12:00");
  EXPECT_EQ(state.Wind(), (WindValues{340, 5, 300, 20}));
  EXPECT_TRUE(view.messages.empty());
}

TEST(ShowTafTest, NeverTouchesTheWind) {
  ReportState state;
  state.m_stationCode = "RJTT";
  RecordingView view;
  ShowTaf(state, view,
          NormalizeReportText("2012/05/06 05:00\nTAF RJTT 060500Z 0606/0712 18010KT\n"));
  EXPECT_EQ(view.fields[ReportField::TafTime], "2012/05/06 14:00");
  EXPECT_EQ(state.Wind(), WindValues{});
  EXPECT_TRUE(view.fields.count(ReportField::MetarTime) == 0);
}

// The category is judged when a METAR is shown, from the values its decoding left in
// the state; a TAF decoded after it into the same state leaves them as they were.
TEST(ShowCategoryTest, MetarsShowTheirCategoryAndTafsNone) {
  ReportState state;
  state.m_stationCode = "RJTT";
  RecordingView view;
  ShowMetar(state, view, NormalizeReportText(kMetarFile));
  ShowTaf(state, view,
          NormalizeReportText("2012/05/06 05:00\nTAF RJTT 060500Z 0606/0712 18010KT 0400 FG\n"));
  EXPECT_EQ(view.categories, std::vector<FlightCategory>{FlightCategory::Vfr});

  const ShownReport metar = ComposeReport(
      state, ReportKind::Metar,
      NormalizeReportText("2012/05/06 12:00\nRJTT 061200Z 00000KT 0400 FG VV001 12/12 Q1012\n"));
  const ShownReport taf = ComposeReport(
      state, ReportKind::Taf,
      NormalizeReportText("2012/05/06 05:00\nTAF RJTT 060500Z 0606/0712 18010KT 9999 FEW030\n"));
  SetReportFields(view, ReportKind::Metar, metar, state);
  SetReportFields(view, ReportKind::Taf, taf, state);
  EXPECT_EQ(view.categories,
            (std::vector<FlightCategory>{FlightCategory::Vfr, FlightCategory::Lifr}));
}

TEST(ShowMetarTest, StatusTextsFillOnlyTheTimeField) {
  struct Case {
    const char* text;
    const char* time;
  };
  for (const Case& c : {Case{"404", "NOT FOUND"}, Case{"500", "500"}, Case{"", ""}}) {
    ReportState state;
    state.m_timeLine = "kept";
    RecordingView view;
    ShowMetar(state, view, c.text);
    EXPECT_EQ(view.fields.size(), 1u);
    EXPECT_EQ(view.fields[ReportField::MetarTime], c.time);
    EXPECT_EQ(state.m_timeLine, "kept");
  }
}

TEST(ShowMetarTest, UnreadableTimeLineIsReportedAndLeavesTheFieldsEmpty) {
  ReportState state;
  state.m_stationCode = "RJTT";
  RecordingView view;
  ShowMetar(state, view, "ABCD");
  EXPECT_TRUE(view.fields.empty());
  ASSERT_EQ(view.messages.size(), 1u);
  EXPECT_EQ(view.messages[0], "時刻を読み取れません: ABCD");
  EXPECT_EQ(view.icons[0], MessageIcon::Stop);
  EXPECT_EQ(state.m_timeLine, "ABCD");
}

}  // namespace
}  // namespace aerolume
