// The strips drawn offscreen for RJCC's foggy dawn of tests/data/corpus-japan-metar.txt
// (lines 232-237): each report's point lies at its time and its value, at one and at
// two device pixels per pixel, and hovering it shows the report.
#include "history/history_strips.hpp"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>

#include "../corpus_history.hpp"
#include "stations/station_runways.hpp"
#include "wind/category_colour.hpp"

namespace aerolume {
namespace {

using std::chrono::hours;
using std::chrono::minutes;

// Ten minutes after the last report.
const UtcMinutes kNow = *UtcOfTimeLine("2026/07/23 21:10");

struct Expected {
  const char* time;
  double speed;
  std::optional<double> crosswind;
  double visibility;
  double ceiling;
  double temperature;
  double dewPoint;
  double qnh;
};

// The values each report of the run reads as, from its raw text; the crosswind on
// runway 19L (173.7° true), which the last report's 180° favours.
const Expected kExpected[] = {
    {"2026/07/23 17:00", 2, std::nullopt, 2000, 200, 19, 19, 1011},
    {"2026/07/23 19:00", 4, 3, 900, 100, 20, 19, 1011},
    {"2026/07/23 19:30", 4, 3, 800, 100, 19, 19, 1012},
    {"2026/07/23 20:00", 4, 2, 800, 100, 20, 19, 1012},
    {"2026/07/23 20:30", 4, 3, 500, 100, 20, 20, 1012},
    {"2026/07/23 21:00", 5, 1, 500, 100, 20, 20, 1012},
};

struct SeriesCase {
  const char* name;
  HistoryStrip strip;
  bool right;  // on the strip's right-hand scale
  QColor SeriesColours::*colour;
  std::optional<double> (*value)(const Expected&);
  bool logarithmic;
};

void PrintTo(const SeriesCase& c, std::ostream* out) {
  *out << c.name;
}

// The series whose points are drawn last where two coincide.
const SeriesCase kSeries[] = {
    {"Speed", HistoryStrip::Wind, false, &SeriesColours::speed,
     [](const Expected& e) { return std::optional(e.speed); }, false},
    {"Visibility", HistoryStrip::Sky, false, &SeriesColours::visibility,
     [](const Expected& e) { return std::optional(e.visibility); }, true},
    {"Temperature", HistoryStrip::Temperature, false, &SeriesColours::temperature,
     [](const Expected& e) { return std::optional(e.temperature); }, false},
    {"DewPointBelowTemperature", HistoryStrip::Temperature, false, &SeriesColours::dewPoint,
     [](const Expected& e) {
       return e.dewPoint < e.temperature ? std::optional(e.dewPoint) : std::nullopt;
     },
     false},
    {"Qnh", HistoryStrip::Pressure, false, &SeriesColours::qnh,
     [](const Expected& e) { return std::optional(e.qnh); }, false},
};

class HistoryStripsTest : public testing::TestWithParam<std::tuple<SeriesCase, double>> {
 protected:
  void SetUp() override {
    m_strips.resize(1000, 640);
    m_strips.SetHistory(testing_support::HistoryOf("RJCC", testing_support::RjccFogMorning()),
                        StationRunways("RJCC"), kNow);
  }

  QImage Render(double ratio) {
    QImage image(m_strips.size() * ratio, QImage::Format_ARGB32);
    image.setDevicePixelRatio(ratio);
    m_strips.render(&image);
    return image;
  }

  // Where a time and a value should be drawn, worked out from the strip's frame and
  // the ends of its scale alone: the axis runs from 24 hours before now to half an
  // hour after it.
  QPointF Expect(HistoryStrip strip, bool right, UtcMinutes time, double value,
                 bool logarithmic) const {
    const QRectF plot = m_strips.StripRect(strip);
    const StripScale scale = m_strips.Scale(strip, right);
    const double span = static_cast<double>((hours(24) + minutes(30)).count());
    const double x = plot.left() +
                     static_cast<double>((time - (kNow - hours(24))).count()) / span * plot.width();
    const auto position = [&](double v) { return logarithmic ? std::log10(v) : v; };
    const double fraction =
        (position(value) - position(scale.low)) / (position(scale.high) - position(scale.low));
    return {x, plot.bottom() - fraction * plot.height()};
  }

  HistoryStrips m_strips;
};

TEST_P(HistoryStripsTest, PointsLieAtTheirTimesAndValues) {
  const auto& [series, ratio] = GetParam();
  const QImage image = Render(ratio);
  const QColor colour = HistoryColours().*(series.colour);
  for (const Expected& expected : kExpected) {
    const std::optional<double> value = series.value(expected);
    if (!value) continue;
    const QPointF point = Expect(series.strip, series.right, *UtcOfTimeLine(expected.time), *value,
                                 series.logarithmic);
    const QPoint pixel(static_cast<int>(std::lround(point.x() * ratio - 0.5)),
                       static_cast<int>(std::lround(point.y() * ratio - 0.5)));
    EXPECT_EQ(image.pixelColor(pixel).name(), colour.name()) << expected.time << " " << *value;
  }
}

INSTANTIATE_TEST_SUITE_P(RjccFogMorning, HistoryStripsTest,
                         testing::Combine(testing::ValuesIn(kSeries), testing::Values(1.0, 2.0)),
                         [](const testing::TestParamInfo<std::tuple<SeriesCase, double>>& info) {
                           return std::string(std::get<0>(info.param).name) + "AtScale" +
                                  std::to_string(static_cast<int>(std::get<1>(info.param)));
                         });

TEST_F(HistoryStripsTest, CeilingAndCrosswindOnTheirOwnScales) {
  const QImage image = Render(1);
  // The ceiling of the 17:00 report, 200 ft, on the right-hand scale; the fog's VV001
  // under the visibility points is not checked.
  const QPointF ceiling =
      Expect(HistoryStrip::Sky, true, *UtcOfTimeLine("2026/07/23 17:00"), 200, true);
  EXPECT_EQ(image.pixelColor(ceiling.toPoint()).name(), HistoryColours().ceiling.name());
  EXPECT_EQ(m_strips.RunwayEnd(), "19L");
  const QPointF crosswind =
      Expect(HistoryStrip::Wind, false, *UtcOfTimeLine("2026/07/23 20:00"), 2, false);
  EXPECT_EQ(image.pixelColor(crosswind.toPoint()).name(), HistoryColours().crosswind.name());
}

TEST_F(HistoryStripsTest, SkyBackgroundInTheCategorysColour) {
  const QImage image = Render(1);
  const QRectF sky = m_strips.StripRect(HistoryStrip::Sky);
  // Near the top of the strip between 19:00 and 19:30, both LIFR: nothing but the band.
  const QPointF at = Expect(HistoryStrip::Sky, false, *UtcOfTimeLine("2026/07/23 19:15"), 1, false);
  const QColor band = image.pixelColor(
      QPoint(static_cast<int>(at.x()) + 3, static_cast<int>(sky.top() + sky.height() * 0.6)));
  const QColor lifr = CategoryColour(FlightCategory::Lifr);
  // Tinted towards magenta: more red and blue than green.
  EXPECT_GT(band.red(), band.green() + 20)
      << band.name().toStdString() << lifr.name().toStdString();
  EXPECT_GT(band.blue(), band.green() + 20) << band.name().toStdString();
}

TEST_F(HistoryStripsTest, HoveringAReportShowsItsTextAndDecodedLines) {
  const QPointF speci =
      Expect(HistoryStrip::Wind, false, *UtcOfTimeLine("2026/07/23 20:30"), 4, false);
  const QString tip = m_strips.ToolTipAt(speci + QPointF(3, 0));
  EXPECT_TRUE(tip.startsWith(QStringLiteral("24日 05:30（日本時間）\nSPECI RJCC 232030Z")))
      << tip.toStdString();
  EXPECT_TRUE(tip.contains(QStringLiteral("\n\n"))) << tip.toStdString();
  EXPECT_TRUE(m_strips.ToolTipAt(QPointF(speci.x() - 200, speci.y())).isEmpty());
}

}  // namespace
}  // namespace aerolume
