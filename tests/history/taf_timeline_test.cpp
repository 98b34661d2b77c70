// The TAF's timeline drawn offscreen for real TAFs with FM, BECMG, TEMPO, PROB30 and
// PROB30 TEMPO: every hour's bar in the colour of its prevailing category, every
// TEMPO or PROB row hatched in the colour of the category it allows, both as the
// TAF's hours say.
#include "history/taf_timeline.hpp"

#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>

#include "../corpus_history.hpp"
#include "wind/category_colour.hpp"

namespace aerolume {
namespace {

struct TafCase {
  const char* name;
  const char* code;
  const char* timeLine;
  const char* taf;
  std::size_t alternativeRows;
};

void PrintTo(const TafCase& c, std::ostream* out) {
  *out << c.name;
}

const TafCase kTafs[] = {
    // tests/data/corpus-japan-taf.txt line 1: TEMPO and BECMG.
    {"RjaaTempoBecoming", "RJAA", "2018/09/26 17:06",
     "TAF RJAA 261706Z 2618/2800 01015KT 8000 -SHRA FEW008 BKN012 TEMPO 2618/2623 3000 SHRA BR "
     "FEW002 BKN004 BECMG 2715/2718 34005KT",
     1},
    // ../shared/corpus/world.txt line 34: TEMPO, PROB30 TEMPO and BECMG.
    {"EglcProbabilityTempo", "EGLC", "2018/02/28 05:12",
     "TAF EGLC 280512Z 2806/2815 07004KT 9999 SCT040 TEMPO 2806/2815 4000 -SHSN FEW008 BKN014 "
     "PROB30 TEMPO 2806/2807 1200 SHSN BKN008 BECMG 2809/2812 07014KT TEMPO 2812/2815 07018G28KT",
     3},
    // ../shared/corpus/world.txt line 13: FM and TEMPO.
    {"CyevFrom", "CYEV", "2018/09/09 18:38",
     "TAF CYEV 091838Z 0919/1007 27005KT P6SM BKN080 BKN200 FM092100 28010G20KT P6SM FEW015 "
     "SCT040 OVC070 TEMPO 0921/0923 P6SM -RA BKN015 OVC040 FM092300 30010G20KT P6SM -RA OVC015 "
     "TEMPO 0923/1007 4SM -RA BR OVC006 RMK NXT FCST BY 100010Z",
     2},
    // ../shared/corpus/world.txt line 18: FM, TEMPO and PROB30.
    {"CyrbFromProbability", "CYRB", "2018/09/03 02:04",
     "TAF AMD CYRB 030204Z 0302/0324 13007KT 6SM -RA SCT008 OVC012 TEMPO 0302/0306 2SM -DZSN BR "
     "SCT002 BKN004 BKN008 OVC012 FM030600 19012G22KT 2SM -SN OVC008 TEMPO 0306/0320 6SM -RASN "
     "SCT008 OVC015 PROB30 0306/0318 1/2SM FG VV003 FM032000 22010KT P6SM SCT010 OVC020",
     3},
};

class TafTimelineTest : public testing::TestWithParam<std::tuple<TafCase, double>> {};

TEST_P(TafTimelineTest, BarsInTheCategoriesOfTheTafsHours) {
  const auto& [c, ratio] = GetParam();
  const TafValues taf = testing_support::TafValuesOf(c.code, c.timeLine, c.taf);
  const std::vector<TafHour> hours = TafHours(taf);
  ASSERT_FALSE(hours.empty());
  TafTimeline timeline;
  // Now before the validity, so that its line crosses no bar.
  timeline.SetTaf(taf, hours.front().time - std::chrono::hours(2));
  timeline.resize(1000, timeline.sizeHint().height());
  QImage image(timeline.size() * ratio, QImage::Format_ARGB32);
  image.setDevicePixelRatio(ratio);
  timeline.render(&image);

  ASSERT_EQ(timeline.Hours().size(), hours.size());
  ASSERT_EQ(timeline.AlternativeRowCount(), c.alternativeRows);
  for (std::size_t hour = 0; hour < hours.size(); ++hour) {
    const QPointF centre = timeline.HourRect(hour).center() * ratio;
    const QColor expected = CategoryColour(hours[hour].prevailing.category);
    ASSERT_TRUE(expected.isValid()) << IsoUtc(hours[hour].time);
    EXPECT_EQ(image.pixelColor(centre.toPoint()).name(), expected.name())
        << IsoUtc(hours[hour].time);

    // The worst row of the hour is the TAF's worst alternative, and each row's hatching
    // is drawn in its own category's colour.
    FlightCategory worst = FlightCategory::Unknown;
    for (std::size_t row = 0; row < timeline.AlternativeRowCount(); ++row) {
      const FlightCategory category = timeline.AlternativeCategory(row, hour);
      worst = std::max(worst, category);
      if (category == FlightCategory::Unknown) continue;
      const QRectF box = timeline.AlternativeRect(row, hour);
      const QRect pixels(QPointF(box.topLeft() * ratio).toPoint(),
                         QPointF(box.bottomRight() * ratio).toPoint());
      int hatched = 0;
      for (int y = pixels.top(); y < pixels.bottom(); ++y) {
        for (int x = pixels.left(); x < pixels.right(); ++x) {
          hatched += image.pixelColor(x, y) == CategoryColour(category) ? 1 : 0;
        }
      }
      EXPECT_GT(hatched, 0) << IsoUtc(hours[hour].time) << " row " << row;
    }
    EXPECT_EQ(worst, hours[hour].worstAlternative) << IsoUtc(hours[hour].time);
  }
}

INSTANTIATE_TEST_SUITE_P(CorpusTafs, TafTimelineTest,
                         testing::Combine(testing::ValuesIn(kTafs), testing::Values(1.0, 2.0)),
                         [](const testing::TestParamInfo<std::tuple<TafCase, double>>& info) {
                           return std::string(std::get<0>(info.param).name) + "AtScale" +
                                  std::to_string(static_cast<int>(std::get<1>(info.param)));
                         });

TEST(TafTimelineHoverTest, AnHourShowsItsForecastInJapanese) {
  TafTimeline timeline;
  timeline.resize(1000, 160);
  timeline.SetTaf(testing_support::TafValuesOf("EGLC", kTafs[1].timeLine, kTafs[1].taf),
                  *UtcOfTimeLine("2018/02/28 06:30"));
  const QString tip = timeline.ToolTipAt(timeline.HourRect(0).center());
  EXPECT_TRUE(tip.startsWith(QStringLiteral("28日 15時～16時（日本時間）\nVFR")))
      << tip.toStdString();
  EXPECT_TRUE(tip.contains(QStringLiteral("\nPROB30 TEMPO: LIFR"))) << tip.toStdString();
  EXPECT_TRUE(timeline.ToolTipAt(QPointF(2, 2)).isEmpty());
}

}  // namespace
}  // namespace aerolume
