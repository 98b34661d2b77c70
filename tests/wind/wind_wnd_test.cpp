#include "wind/wind_wnd.hpp"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <QTimerEvent>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "decoder/report_state.hpp"
#include "frame_probe.hpp"
#include "stations/runway_wind.hpp"
#include "stations/station_runways.hpp"
#include "wind/designator_boxes.hpp"
#include "wind/message_sink.hpp"
#include "wind/resource_image.hpp"
#include "wind/wind_frame.hpp"

namespace {

using Motion = aerolume::WindAnimation::Motion;
using aerolume::probe::CentreOfChange;
using aerolume::probe::ChannelDistance;
using aerolume::probe::Turned;

class RecordingSink : public aerolume::MessageSink {
 public:
  void ShowMessage(const QString& text, QMessageBox::Icon /*icon*/) override {
    texts.push_back(text);
  }
  std::vector<QString> texts;
};

struct Wind {
  int direction, speed, varFrom, varTo;
};

constexpr Wind kCalm{-1, -1, -1, -1};

QImage LoadRing(aerolume::MessageSink& sink) {
  CMyCImage ring(sink);
  ring.LoadFromResource(135);
  return ring.Image().convertToFormat(QImage::Format_RGB32);
}

int ChangedPixels(const QImage& a, const QImage& b) {
  int changed = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x)
      changed += ChannelDistance(a.pixel(x, y), b.pixel(x, y)) > 8;
  }
  return changed;
}

class WindWndTest : public testing::Test {
 protected:
  // A window as the dialog sets it up: a square of side pixels.
  std::unique_ptr<CWindWnd> MakeWindow(int side = aerolume::kWindFrameSide) {
    auto window = std::make_unique<CWindWnd>(m_sink);
    window->setGeometry(0, 0, side, side);
    window->m_size = side;
    return window;
  }

  // The picture a window shows for a station and wind, right after the restart.
  QImage Show(CWindWnd& window, const std::string& station, Wind wind) {
    window.SetWind(station, wind.direction, wind.speed, wind.varFrom, wind.varTo);
    window.RestartAnimation();
    return Picture(window);
  }

  static QImage Picture(const CWindWnd& window) {
    return window.Picture() ? window.Picture()->convertToFormat(QImage::Format_RGB32) : QImage();
  }

  static QImage Painted(CWindWnd& window) {
    return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
  }

  static void SendTick(CWindWnd& window, int timerId) {
    QTimerEvent tick(timerId);
    QCoreApplication::sendEvent(&window, &tick);
  }

  RecordingSink m_sink;
};

TEST_F(WindWndTest, BeforeAnyStationTheRingAlone) {
  auto window = MakeWindow();
  EXPECT_FALSE(window->Picture().has_value());
  EXPECT_EQ(Painted(*window), LoadRing(m_sink));
}

struct ReportCase {
  const char* report;
  Wind wind;
  bool arrow;
  Motion motion;
};

class WindWndReportTest : public WindWndTest, public testing::WithParamInterface<ReportCase> {};

TEST_P(WindWndReportTest, ArrowAndTimerAsTheWindCallsFor) {
  const ReportCase& c = GetParam();
  auto calm = MakeWindow();
  const QImage still = Show(*calm, "RJTT", kCalm);
  auto window = MakeWindow();
  const QImage picture = Show(*window, "RJTT", c.wind);
  EXPECT_EQ(window->Animation().CurrentMotion(), c.motion) << c.report;
  EXPECT_EQ(window->Animation().TimerId() != 0, c.motion != Motion::Still) << c.report;
  if (c.arrow) {
    EXPECT_GT(ChangedPixels(picture, still), 2000) << c.report;
  } else {
    EXPECT_EQ(picture, still) << c.report;
  }
  EXPECT_EQ(Painted(*window), picture) << c.report;
  EXPECT_TRUE(m_sink.texts.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Reports, WindWndReportTest,
    testing::Values(ReportCase{"34005KT", {340, 5, -1, -1}, true, Motion::Still},
                    ReportCase{"27015G25KT 240V300", {270, 15, 240, 300}, true, Motion::Swing},
                    ReportCase{"VRB03KT", {-1, 3, -1, -1}, true, Motion::Spin},
                    ReportCase{"00000KT", {-1, -1, -1, -1}, false, Motion::Still},
                    ReportCase{"00000KT 240V300", {-1, -1, 240, 300}, false, Motion::Still},
                    ReportCase{"27000KT", {270, 0, -1, -1}, false, Motion::Still}));

TEST_F(WindWndTest, TicksOfItsOwnTimerMoveTheArrowOthersNothing) {
  auto window = MakeWindow();
  Show(*window, "RJTT", {270, 15, 240, 300});
  const int timerId = window->Animation().TimerId();
  const qint64 firstFrame = window->Picture()->cacheKey();

  SendTick(*window, timerId + 1);
  EXPECT_EQ(window->Animation().Angle(), 270);
  EXPECT_EQ(window->Picture()->cacheKey(), firstFrame);

  SendTick(*window, timerId);
  EXPECT_EQ(window->Animation().Angle(), 275);
  EXPECT_NE(window->Picture()->cacheKey(), firstFrame);
}

TEST_F(WindWndTest, TheTimerRunsOnItsOwn) {
  auto window = MakeWindow();
  Show(*window, "RJTT", {-1, 3, -1, -1});
  QEventLoop loop;
  QTimer::singleShot(300, &loop, &QEventLoop::quit);
  loop.exec();
  // About 15 ticks of 20 ms; far fewer on a loaded machine, but some.
  EXPECT_GT(window->Animation().Angle(), 44);
}

TEST_F(WindWndTest, ANewStationStopsTheOldAnimationFirst) {
  auto window = MakeWindow();
  Show(*window, "RJTT", {-1, 5, -1, -1});
  const int spinTimer = window->Animation().TimerId();
  ASSERT_NE(spinTimer, 0);
  Show(*window, "RJAA", {90, 12, -1, -1});
  EXPECT_EQ(window->Animation().TimerId(), 0);
  SendTick(*window, spinTimer);
  EXPECT_EQ(window->Animation().Angle(), 90);
  EXPECT_EQ(window->Station(), "RJAA");
}

TEST_F(WindWndTest, AMissingDiagramIsReportedOncePerRestart) {
  auto window = MakeWindow();
  const QImage picture = Show(*window, "ZZZZ", {-1, 5, -1, -1});
  ASSERT_EQ(m_sink.texts.size(), 1u);
  EXPECT_EQ(m_sink.texts[0], QString::fromUtf8("リソースが見つかりません。"));
  for (int tick = 0; tick < 20; ++tick) SendTick(*window, window->Animation().TimerId());
  EXPECT_EQ(m_sink.texts.size(), 1u);
  // The frame goes on without the diagram: the ring and the arrow.
  EXPECT_GT(ChangedPixels(picture, LoadRing(m_sink)), 2000);
  window->RestartAnimation();
  EXPECT_EQ(m_sink.texts.size(), 2u);
}

TEST_F(WindWndTest, TheDiagramsKeyColourNeverHidesTheRing) {
  auto window = MakeWindow();
  const QImage picture = Show(*window, "RJTT", kCalm);
  const QImage ring = LoadRing(m_sink);
  CMyCImage diagram(m_sink);
  diagram.LoadResourceImage("rjtt.png", "PNG");
  const QImage raw = diagram.Image().convertToFormat(QImage::Format_ARGB32);
  int keyed = 0;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      const QRgb opaque = raw.pixel(x, y) | 0xFF000000u;
      const bool key = opaque == aerolume::kDiagramKeyColour;
      keyed += key;
      ASSERT_EQ(picture.pixel(x, y), key ? ring.pixel(x, y) : opaque) << x << "," << y;
    }
  }
  EXPECT_GT(keyed, 240 * 240 / 2);
}

class WindWndQuarterTest : public WindWndTest, public testing::WithParamInterface<int> {};

// The tip points at the ring's label of the reported direction: 36 at the bottom,
// 09 at the left, 18 at the top, 27 at the right.
TEST_P(WindWndQuarterTest, TipCoversWhereItMustPointAndNotOpposite) {
  const int direction = GetParam();
  auto calm = MakeWindow();
  const QImage still = Show(*calm, "RJTT", kCalm);
  auto window = MakeWindow();
  const QImage picture = Show(*window, "RJTT", {direction, 10, -1, -1});
  const QPoint nearTip = Turned({119, 178}, direction);
  const QPoint opposite = Turned({121, 62}, direction);
  EXPECT_GT(ChannelDistance(picture.pixel(nearTip), still.pixel(nearTip)), 30);
  EXPECT_EQ(picture.pixel(opposite), still.pixel(opposite));
}

INSTANTIATE_TEST_SUITE_P(Quarters, WindWndQuarterTest, testing::Values(360, 90, 180, 270));

class WindWndSizeTest : public WindWndTest, public testing::WithParamInterface<int> {};

// At any size of the window the arrow turns about the ring's centre. A station
// without a diagram leaves only the plain inside of the ring under the arrow.
TEST_P(WindWndSizeTest, RingCentreStaysTheRotationCentre) {
  const int side = GetParam();
  const double scale = side / double(aerolume::kWindFrameSide);
  auto window = MakeWindow(side);
  const QImage ringAlone = Show(*window, "ZZZZ", kCalm);
  ASSERT_EQ(ringAlone.size(), QSize(side, side));
  QImage plain(ringAlone.size(), QImage::Format_RGB32);
  plain.fill(aerolume::kDiagramKeyColour);
  // The circle and its ticks, without the labels outside them.
  const QPointF ring = CentreOfChange(ringAlone, plain, 80 * scale, 99 * scale);
  for (const int angle : {360, 45, 90, 135}) {
    const QPointF forth = CentreOfChange(Show(*window, "ZZZZ", {angle, 20, -1, -1}), ringAlone);
    const QPointF back =
        CentreOfChange(Show(*window, "ZZZZ", {angle + 180, 20, -1, -1}), ringAlone);
    const QPointF turnsAbout = (forth + back) / 2;
    // A centre that failed to scale with the ring would be off by many pixels, one
    // that missed the ring's middle pixel by half a pixel.
    EXPECT_NEAR(turnsAbout.x(), ring.x(), 0.25 * scale) << "angle " << angle;
    EXPECT_NEAR(turnsAbout.y(), ring.y(), 0.25 * scale) << "angle " << angle;
  }
}

INSTANTIATE_TEST_SUITE_P(Sides, WindWndSizeTest, testing::Values(200, 240, 480));

TEST_F(WindWndTest, ClosingDropsThePictureAndStopsTheTimer) {
  auto window = MakeWindow();
  Show(*window, "RJTT", {-1, 5, -1, -1});
  window->close();
  EXPECT_FALSE(window->Picture().has_value());
  EXPECT_EQ(window->Animation().TimerId(), 0);
  EXPECT_EQ(Painted(*window), LoadRing(m_sink));
}

// The window set up as the dialog does it for a station and its METAR's wind values.
void ShowRunwayWinds(CWindWnd& window, const std::string& station,
                     const aerolume::WindValues& wind) {
  window.SetWind(station, wind.m_windDirection, wind.m_windSpeed, wind.m_windVarFrom,
                 wind.m_windVarTo, wind.m_windGust);
  window.SetRunwayWinds(aerolume::RunwayWinds(aerolume::StationRunways(station), wind));
  window.RestartAnimation();
}

// The black of a designator as the diagram draws it: darker than the runways.
bool IsInk(QRgb diagramPixel) {
  return qAlpha(diagramPixel) == 255 && qRed(diagramPixel) < 128 && qGreen(diagramPixel) < 128 &&
         qBlue(diagramPixel) < 128;
}

struct MarkCase {
  const char* report;
  const char* station;
  aerolume::WindValues wind;
  const char* favoured;  // "" for none
};

void PrintTo(const MarkCase& c, std::ostream* out) {
  *out << c.report;
}

class WindWndMarkTest : public WindWndTest, public testing::WithParamInterface<MarkCase> {};

TEST_P(WindWndMarkTest, TheFavouredDesignatorAloneStandsOnABadgeOfTheArrowsColour) {
  const MarkCase& c = GetParam();
  auto window = MakeWindow();
  ShowRunwayWinds(*window, c.station, c.wind);
  EXPECT_EQ(window->FavouredEnd(), c.favoured) << c.report;
  // The same wind without runway components: the picture as it was before marking.
  auto unmarked = MakeWindow();
  unmarked->SetWind(c.station, c.wind.m_windDirection, c.wind.m_windSpeed, c.wind.m_windVarFrom,
                    c.wind.m_windVarTo);
  unmarked->RestartAnimation();

  CMyCImage diagram(m_sink);
  diagram.LoadResourceImage(std::string(c.station) + ".PNG", "PNG");
  const QImage raw = diagram.Image().convertToFormat(QImage::Format_ARGB32);
  QImage marked = window->Background();
  const QImage& plain = unmarked->Background();
  const QRgb colour = aerolume::SpeedColour(c.wind.m_windSpeed).rgb();
  bool badgeSeen = false;
  for (const aerolume::DesignatorBox& designator : aerolume::StationDesignators(c.station)) {
    int ink = 0;
    for (int y = designator.box.top(); y <= designator.box.bottom(); ++y) {
      for (int x = designator.box.left(); x <= designator.box.right(); ++x)
        ink += IsInk(raw.pixel(x, y));
    }
    EXPECT_GT(ink, 30) << designator.ident;
    if (designator.ident != c.favoured) continue;
    badgeSeen = true;
    const QRect badge = designator.box.adjusted(-1, -1, 1, 1);
    for (int y = badge.top(); y <= badge.bottom(); ++y) {
      for (int x = badge.left(); x <= badge.right(); ++x) {
        const bool letter = designator.box.contains(x, y) && IsInk(raw.pixel(x, y));
        ASSERT_EQ(marked.pixel(x, y), letter ? aerolume::kDesignatorInk : colour)
            << c.report << ": " << designator.ident << " at " << x << "," << y;
        marked.setPixel(x, y, plain.pixel(x, y));
      }
    }
  }
  EXPECT_EQ(badgeSeen, *c.favoured != '\0') << c.report;
  EXPECT_EQ(ChangedPixels(marked, plain), 0) << c.report << ": nothing beyond the badge changes";
  // Marked once per restart: the ticks only lay the arrow over the same background.
  const qint64 background = window->Background().cacheKey();
  if (window->Animation().TimerId() != 0) SendTick(*window, window->Animation().TimerId());
  EXPECT_EQ(window->Background().cacheKey(), background);
  EXPECT_TRUE(m_sink.texts.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Winds, WindWndMarkTest,
    testing::Values(MarkCase{"RJTT 34012KT", "RJTT", {340, 12, -1, -1, -1, false}, "34R"},
                    MarkCase{"RJTT 16025G35KT", "RJTT", {160, 25, -1, -1, 35, false}, "16L"},
                    MarkCase{"RJAA 33020KT 300V360", "RJAA", {330, 20, 300, 360, -1, false}, "34L"},
                    MarkCase{"ROAH 09008KT", "ROAH", {90, 8, -1, -1, -1, false}, "18R"},
                    MarkCase{"RJTT VRB05KT", "RJTT", {-1, 5, -1, -1, -1, false}, ""},
                    MarkCase{"RJTT 00000KT", "RJTT", {-1, -1, -1, -1, -1, true}, ""},
                    MarkCase{"RJTT no wind group", "RJTT", {}, ""},
                    MarkCase{"RJTI 34012KT (helipad)", "RJTI", {340, 12, -1, -1, -1, false}, ""}));

// The favoured designator must be legible whatever the speed's colour: its letters
// against the pixels just around its ink box, in the finished frame with the arrow
// across them (the wind from 340 points it over 34R), at least 4.5:1.
class DesignatorContrastTest : public WindWndTest, public testing::WithParamInterface<int> {};

TEST_P(DesignatorContrastTest, LettersStandOutFromTheirSurround) {
  const int speed = GetParam();
  auto window = MakeWindow();
  ShowRunwayWinds(*window, "RJTT", {340, speed, -1, -1, -1, false});
  ASSERT_EQ(window->FavouredEnd(), "34R");
  const QImage frame = Picture(*window);
  // In the frame's pixels: twice the picture's on a HiDPI screen.
  const int scale = qRound(window->devicePixelRatioF());
  const QRect designator = *aerolume::FindDesignator("RJTT", "34R");
  const QRect box(designator.topLeft() * scale, designator.size() * scale);
  // The letters' lightest pixel and the surround's darkest: the weakest pair.
  QRgb letters = 0xFF000000;
  double lettersLuminance = 2;
  for (int y = box.top(); y <= box.bottom(); ++y) {
    for (int x = box.left(); x <= box.right(); ++x) {
      const double luminance = aerolume::probe::RelativeLuminance(frame.pixel(x, y));
      if (luminance < lettersLuminance) {
        lettersLuminance = luminance;
        letters = frame.pixel(x, y);
      }
    }
  }
  const QRect surround = box.adjusted(-scale, -scale, scale, scale);
  double weakest = 21;
  for (int y = surround.top(); y <= surround.bottom(); ++y) {
    for (int x = surround.left(); x <= surround.right(); ++x) {
      if (box.contains(x, y)) continue;
      weakest = std::min(weakest, aerolume::probe::ContrastRatio(letters, frame.pixel(x, y)));
    }
  }
  EXPECT_GE(weakest, 4.5) << speed << " KT, colour " << std::hex
                          << aerolume::SpeedColour(speed).rgb();
}

// Cyan, green, yellow (the weakest before), orange and red (the darkest).
INSTANTIATE_TEST_SUITE_P(SpeedColours, DesignatorContrastTest,
                         testing::Values(1, 10, 20, 27, 33, 40),
                         [](const auto& info) { return std::to_string(info.param) + "KT"; });

// Pixels from the ring's outer edge to where it meets the background, along one
// axis; 0 and 1 are sharp, more is a picture scaled up.
int WidestGreyRun(const QImage& frame, QPoint from, QPoint step, int count) {
  int widest = 0;
  int run = 0;
  for (int i = 0; i < count; ++i, from += step) {
    const QRgb pixel = frame.pixel(from);
    const int darkest = std::min({qRed(pixel), qGreen(pixel), qBlue(pixel)});
    const int lightest = std::max({qRed(pixel), qGreen(pixel), qBlue(pixel)});
    const bool ink = lightest <= 72 + 24;         // the ring's grey 72
    const bool background = darkest >= 240 - 24;  // the picture's grey 240
    run = ink || background ? 0 : run + 1;
    widest = std::max(widest, run);
  }
  return widest;
}

// Run with QT_SCALE_FACTOR=2 (ctest: WindDisplayAtScale2): the frame has twice the
// pixels, and the ring's edges are as sharp as the pictures drawn at that density.
TEST_F(WindWndTest, AtTwiceThePixelDensityTheRingIsSharp) {
  auto window = MakeWindow();
  if (window->devicePixelRatioF() != 2) GTEST_SKIP() << "needs a device pixel ratio of 2";
  const QImage frame = Show(*window, "RJTT", {340, 12, -1, -1});
  ASSERT_EQ(frame.size(), QSize(480, 480));
  // From radius 85 to 100.5 of the 240-pixel picture, about its centre (241, 241) in
  // device pixels: the ring at 92 and the tick on each axis, clear of runways and labels.
  const int inner = 170;
  const int count = 31;
  EXPECT_LE(WidestGreyRun(frame, {240, 241 - inner}, {0, -1}, count), 1) << "towards 18";
  EXPECT_LE(WidestGreyRun(frame, {240, 240 + inner}, {0, 1}, count), 1) << "towards 36";
  EXPECT_LE(WidestGreyRun(frame, {240 + inner, 240}, {1, 0}, count), 1) << "towards 27";
  EXPECT_LE(WidestGreyRun(frame, {241 - inner, 240}, {-1, 0}, count), 1) << "towards 09";
  EXPECT_TRUE(m_sink.texts.empty());
}

TEST_F(WindWndTest, TheTooltipListsEveryEndAndMarksTheFavoured) {
  const aerolume::WindValues wind{340, 12, -1, -1, 20, false};
  const std::vector<aerolume::RunwayEndWind> ends =
      aerolume::RunwayWinds(aerolume::StationRunways("RJTT"), wind);
  ASSERT_EQ(ends.size(), 8u);
  auto window = MakeWindow();
  ShowRunwayWinds(*window, "RJTT", wind);
  EXPECT_EQ(window->WindGust(), 20);
  const QStringList lines = window->toolTip().split('\n');
  ASSERT_EQ(lines.size(), 8);
  for (std::size_t i = 0; i < ends.size(); ++i) {
    const std::string mark = ends[i].favoured ? " ←" : "";
    EXPECT_EQ(lines[static_cast<qsizetype>(i)].toStdString(),
              aerolume::RunwayEndText(ends[i]) + mark);
  }
  EXPECT_TRUE(
      lines.contains(QString::fromUtf8("RWY34R 向かい風12KT 横風2KT(右から) 突風時 "
                                       "向かい風20KT 横風3KT(右から) ←")))
      << window->toolTip().toStdString();

  // A new wind forgets the old ends until the dialog sets them again.
  window->SetWind("RJTT", -1, 5, -1, -1);
  EXPECT_EQ(window->WindGust(), -1);
  EXPECT_TRUE(window->toolTip().isEmpty());
  EXPECT_TRUE(window->FavouredEnd().empty());
  window->SetRunwayWinds({});
  EXPECT_TRUE(window->toolTip().isEmpty());
}

TEST_F(WindWndTest, DiagramNameIsTheStationInLowerCase) {
  auto window = MakeWindow();
  window->SetWind("RJTT", -1, -1, -1, -1);
  EXPECT_EQ(window->GetDiagramName(), "rjtt.png");
  window->SetWind("ROAH", -1, -1, -1, -1);
  EXPECT_EQ(window->GetDiagramName(), "roah.png");
}

}  // namespace
