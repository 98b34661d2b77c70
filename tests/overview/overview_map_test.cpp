// The map drawn offscreen at 1200 x 900: stations at their places on the coasts, dots
// in their categories' colours (hollow when old), labels that never overlap, and a
// click that picks the station under it.
#include "overview/overview_map.hpp"

#include <gtest/gtest.h>

#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <cmath>

#include "corpus_reports.hpp"
#include "geography/japan_coasts.hpp"

namespace aerolume {
namespace {

using std::chrono::minutes;

// Ten minutes after RJAA's report: the others are old by then.
const UtcMinutes kNow =
    std::chrono::sys_days(std::chrono::year(2026) / 7 / 29) + std::chrono::hours(21) + minutes(40);

class OverviewMapTest : public testing::Test {
 protected:
  void SetUp() override {
    for (const Report& report : kReports) m_overview.SetMetarFile(report.code, report.file);
    m_overview.SetFailure("ROIG", "NOT FOUND");
    m_map.resize(1200, 900);
    m_map.SetOverview(&m_overview, kNow);
    m_map.ShowAllOfJapan();
  }

  QImage Frame() { return m_map.grab().toImage(); }
  QPointF Dot(const char* code) { return m_map.StationPoint(*m_overview.Find(code)); }

  // The distance from a point to the nearest coast, in the map's pixels.
  double PixelsToCoast(QPointF point) {
    double nearest = 1e9;
    for (const CoastRing& ring : JapanCoasts()) {
      for (std::size_t i = 1; i < ring.size(); ++i) {
        nearest =
            std::min(nearest, SegmentDistance(point, ScreenOf(ring[i - 1]), ScreenOf(ring[i])));
      }
    }
    return nearest;
  }

  StationOverview m_overview;
  OverviewMap m_map;

 private:
  QPointF ScreenOf(GeoPoint point) {
    OverviewStation probe;
    probe.position = point;
    return m_map.StationPoint(probe);
  }
  static double SegmentDistance(QPointF p, QPointF a, QPointF b) {
    const QPointF ab = b - a;
    const double length = QPointF::dotProduct(ab, ab);
    const double t =
        length == 0 ? 0 : std::clamp(QPointF::dotProduct(p - a, ab) / length, 0.0, 1.0);
    const QPointF closest = a + ab * t;
    return std::hypot(p.x() - closest.x(), p.y() - closest.y());
  }
};

// Haneda on Tokyo Bay's western shore, Ishigaki and Wakkanai on theirs.
TEST_F(OverviewMapTest, StationsLieOnTheirShoresWithinTwoPixels) {
  for (const char* code : {"RJTT", "ROIG", "RJCW"}) {
    EXPECT_LE(PixelsToCoast(Dot(code)), 2.0) << code;
  }
  EXPECT_GT(Dot("RJCW").y(), 0);
  EXPECT_LT(Dot("RJCW").y(), Dot("RJTT").y());  // Wakkanai north of Tokyo
  EXPECT_LT(Dot("ROIG").x(), Dot("RJTT").x());  // Ishigaki west of it
  EXPECT_LT(Dot("ROIG").y(), 900);
}

// Each report shown fresh, ten minutes after its observation.
TEST_F(OverviewMapTest, DotsHaveTheirCategoriesColours) {
  for (const Report& report : kReports) {
    StationOverview single;
    single.SetMetarFile(report.code, report.file);
    m_map.SetOverview(&single, *single.Find(report.code)->observed + minutes(10));
    const QImage frame = Frame();
    EXPECT_EQ(frame.pixelColor(Dot(report.code).toPoint()),
              OverviewMap::CategoryColour(report.category))
        << report.code;
    EXPECT_EQ(frame.pixelColor(Dot("ROIG").toPoint()),
              OverviewMap::CategoryColour(FlightCategory::Unknown));
  }
}

TEST_F(OverviewMapTest, AnOldReportIsHollow) {
  const QImage frame = Frame();
  EXPECT_EQ(frame.pixelColor(Dot("RJTT").toPoint()), QColor(Qt::white));
  EXPECT_EQ(frame.pixelColor(Dot("RJAA").toPoint()),
            OverviewMap::CategoryColour(FlightCategory::Vfr));
}

TEST_F(OverviewMapTest, WatchedStationsHaveARing) {
  // Around the dot, half-way through the ring's stroke, on the four sides.
  const auto ringAround = [&](const QImage& frame, const char* code) {
    const QPointF dot = Dot(code);
    int ringPixels = 0;
    for (const QPointF side :
         {QPointF(8.5, 0), QPointF(-8.5, 0), QPointF(0, 8.5), QPointF(0, -8.5)}) {
      // Antialiasing blends the stroke's edges: near the ring's colour is enough.
      const QColor seen = frame.pixelColor((dot + side).toPoint());
      const QColor ring = OverviewMap::WatchRingColour();
      ringPixels += std::abs(seen.red() - ring.red()) + std::abs(seen.green() - ring.green()) +
                        std::abs(seen.blue() - ring.blue()) <
                    48;
    }
    return ringPixels;
  };
  EXPECT_EQ(ringAround(Frame(), "RJAA"), 0);
  m_map.SetWatchedStations({"RJAA"});
  const QImage frame = Frame();
  EXPECT_GE(ringAround(frame, "RJAA"), 2);  // a label or a coast may cover a side
  EXPECT_EQ(ringAround(frame, "RJTT"), 0);
}

TEST_F(OverviewMapTest, NoTwoLabelsOverlapAtAnyZoom) {
  for (const double zoom : {1.0, 2.0, 4.0, 8.0, 16.0}) {
    m_map.ShowAllOfJapan();
    m_map.ZoomBy(zoom);
    Frame();
    const std::vector<QRectF>& labels = m_map.LabelRects();
    int shown = 0;
    for (std::size_t i = 0; i < labels.size(); ++i) {
      if (labels[i].isEmpty()) continue;
      ++shown;
      for (std::size_t j = i + 1; j < labels.size(); ++j) {
        EXPECT_FALSE(labels[i].intersects(labels[j])) << "zoom " << zoom << ": " << i << ", " << j;
      }
    }
    EXPECT_GT(shown, 0) << "zoom " << zoom;
  }
}

TEST_F(OverviewMapTest, MoreLabelsAppearAsTheUserZoomsIn) {
  const auto shownAt = [&](double zoom) {
    m_map.ShowAllOfJapan();
    m_map.ZoomBy(zoom);
    Frame();
    return std::ranges::count_if(m_map.LabelRects(), [](const QRectF& r) { return !r.isEmpty(); });
  };
  EXPECT_LT(shownAt(1.0), 104);
  EXPECT_GT(shownAt(1.0), 0);
}

TEST_F(OverviewMapTest, HomeReturnsToAllOfJapan) {
  const QPointF before = Dot("RJTT");
  QTest::keyClick(&m_map, Qt::Key_Plus);
  QTest::keyClick(&m_map, Qt::Key_Left);
  EXPECT_NE(Dot("RJTT"), before);
  QTest::keyClick(&m_map, Qt::Key_Home);
  EXPECT_EQ(Dot("RJTT"), before);
}

TEST_F(OverviewMapTest, AClickPicksTheStationUnderIt) {
  QSignalSpy picked(&m_map, &OverviewMap::stationPicked);
  m_map.ZoomBy(8.0);
  QTest::mouseClick(&m_map, Qt::LeftButton, {}, Dot("RJAH").toPoint());
  ASSERT_EQ(picked.count(), 1);
  EXPECT_EQ(picked.at(0).at(0).toString(), "RJAH");
}

// Tab and Shift+Tab walk the stations from north to south and back, Enter picks the
// one selected; each case is the keys from no selection on.
struct KeysCase {
  const char* name;
  std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> keys;
  const char* selected;
  const char* picked;  // nullptr: nothing picked
};

void PrintTo(const KeysCase& c, std::ostream* out) {
  *out << c.name;
}

// Wakkanai lies furthest north, Monbetsu next; Ishigaki furthest south.
const KeysCase kKeysCases[] = {
    {"TabSelectsTheNorthernmost", {{Qt::Key_Tab, {}}}, "RJCW", nullptr},
    {"TabAgainTheNextSouth", {{Qt::Key_Tab, {}}, {Qt::Key_Tab, {}}}, "RJEB", nullptr},
    {"ShiftTabGoesBack",
     {{Qt::Key_Tab, {}}, {Qt::Key_Tab, {}}, {Qt::Key_Tab, Qt::ShiftModifier}},
     "RJCW",
     nullptr},
    {"ShiftTabFirstSelectsTheSouthernmost", {{Qt::Key_Tab, Qt::ShiftModifier}}, "ROIG", nullptr},
    {"EnterPicksTheSelected", {{Qt::Key_Tab, {}}, {Qt::Key_Return, {}}}, "RJCW", "RJCW"},
    {"EnterWithoutASelectionPicksNothing", {{Qt::Key_Return, {}}}, "", nullptr},
};

class OverviewMapKeysTest : public OverviewMapTest, public testing::WithParamInterface<KeysCase> {};

TEST_P(OverviewMapKeysTest, SelectAndPick) {
  QSignalSpy selected(&m_map, &OverviewMap::stationSelected);
  QSignalSpy picked(&m_map, &OverviewMap::stationPicked);
  for (const auto& [key, modifiers] : GetParam().keys) QTest::keyClick(&m_map, key, modifiers);
  EXPECT_EQ(m_map.SelectedStation(), QString(GetParam().selected));
  if (!QString(GetParam().selected).isEmpty()) {
    EXPECT_EQ(selected.last().at(0).toString(), GetParam().selected);
  }
  ASSERT_EQ(picked.count(), GetParam().picked ? 1 : 0);
  if (GetParam().picked) {
    EXPECT_EQ(picked.at(0).at(0).toString(), GetParam().picked);
  }
}

INSTANTIATE_TEST_SUITE_P(Keyboard, OverviewMapKeysTest, testing::ValuesIn(kKeysCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(OverviewMapTest, ATabPastTheLastStationLeavesTheMap) {
  for (std::size_t i = 0; i <= m_overview.Stations().size(); ++i) {
    QTest::keyClick(&m_map, Qt::Key_Tab);
  }
  EXPECT_EQ(m_map.SelectedStation(), "ROIG");
}

TEST_F(OverviewMapTest, AStationSelectedOutsideTheViewComesIntoIt) {
  m_map.ZoomBy(8.0);
  m_map.SelectStation("ROIG");
  const QPointF dot = Dot("ROIG");
  EXPECT_TRUE(QRectF(m_map.rect()).contains(dot)) << dot.x() << ", " << dot.y();
}

}  // namespace
}  // namespace aerolume
