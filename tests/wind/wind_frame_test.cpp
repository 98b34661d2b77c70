#include "wind/wind_frame.hpp"

#include <gtest/gtest.h>

#include <QPainter>
#include <QPolygon>
#include <cmath>
#include <cstdlib>

#include "frame_probe.hpp"

namespace aerolume {
namespace {

using probe::CentreOfChange;
using probe::ChannelDistance;

constexpr QRgb kRingGrey = 0xFFF0F0F0;
constexpr QRgb kRingLine = 0xFF404040;
constexpr QRgb kRunway = 0xFF808080;

// A ring like the program's: light grey with a dark circle of radius 92 about (120, 120).
QImage SyntheticRing() {
  QImage ring(kWindFrameSide, kWindFrameSide, QImage::Format_RGB32);
  ring.fill(kRingGrey);
  for (int y = 0; y < ring.height(); ++y) {
    for (int x = 0; x < ring.width(); ++x) {
      const double radius = std::hypot(x - 120, y - 120);
      if (std::abs(radius - 92.0) < 1.0) ring.setPixel(x, y, kRingLine);
    }
  }
  return ring;
}

// A dart that points straight down, symmetric about column 119: tail corners at
// (82, 52) and (156, 52), the notch down to (119, 85), the tip at (119, 186).
QImage SyntheticArrow() {
  QImage arrow(kWindFrameSide, kWindFrameSide, QImage::Format_RGB32);
  arrow.fill(Qt::black);
  QPainter painter(&arrow);
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::white);
  painter.drawPolygon(QPolygon({{82, 52}, {119, 85}, {156, 52}, {119, 186}}));
  return arrow;
}

// A diagram of the key colour, its background transparent as in the program's PNGs,
// with one opaque runway block.
QImage SyntheticDiagram(const QRect& runway) {
  QImage diagram(kWindFrameSide, kWindFrameSide, QImage::Format_ARGB32);
  diagram.fill(qRgba(240, 240, 240, 0));
  for (int y = runway.top(); y <= runway.bottom(); ++y) {
    for (int x = runway.left(); x <= runway.right(); ++x) diagram.setPixel(x, y, kRunway);
  }
  return diagram;
}

TEST(SpeedColourTest, RunsFromCyanThroughGreenToRed) {
  struct Case {
    int speed;
    QRgb rgb;
  };
  const Case cases[] = {
      {1, qRgb(0, 255, 236)},   // hue 175.5
      {5, qRgb(0, 255, 159)},   // 157.5
      {10, qRgb(0, 255, 64)},   // 135
      {20, qRgb(128, 255, 0)},  // 90
      {30, qRgb(255, 191, 0)},  // 45
      {40, qRgb(255, 0, 0)},    // 0
      {50, qRgb(255, 0, 0)},    // stays red rather than turning magenta
      {99, qRgb(255, 0, 0)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SpeedColour(c.speed).rgb(), c.rgb) << "speed " << c.speed;
  }
}

TEST(TintArrowTest, LeavesOutDarkPixelsAndHalvesTheRest) {
  struct Case {
    QRgb source;
    QRgb colour;
    QRgb expected;  // not premultiplied; alpha 0 means left out
  };
  const Case cases[] = {
      {qRgb(0, 0, 0), qRgb(255, 0, 0), 0},
      {qRgb(127, 127, 127), qRgb(255, 0, 0), 0},
      {qRgb(128, 0, 0), qRgb(255, 255, 255), qRgba(128, 0, 0, 128)},
      {qRgb(0, 0, 128), qRgb(255, 255, 255), qRgba(0, 0, 128, 128)},
      {qRgb(255, 255, 255), qRgb(0, 255, 64), qRgba(0, 255, 64, 128)},
      {qRgb(200, 200, 200), qRgb(255, 0, 128), qRgba(200, 0, 100, 128)},
  };
  for (const Case& c : cases) {
    QImage source(1, 1, QImage::Format_RGB32);
    source.setPixel(0, 0, c.source);
    const QImage tinted =
        TintArrow(source, QColor::fromRgb(c.colour)).convertToFormat(QImage::Format_ARGB32);
    const QRgb pixel = tinted.pixel(0, 0);
    EXPECT_EQ(qAlpha(pixel), qAlpha(c.expected)) << std::hex << c.source;
    if (qAlpha(c.expected) != 0) {
      EXPECT_LE(ChannelDistance(pixel, c.expected), 2) << std::hex << c.source << " gave " << pixel;
    }
  }
}

TEST(KeyOutDiagramTest, OnlyTheKeyColourIsLeftOutWhateverTheAlpha) {
  struct Case {
    QRgb source;
    QRgb expected;
  };
  const Case cases[] = {
      {qRgba(240, 240, 240, 0), 0},
      {qRgba(240, 240, 240, 255), 0},
      {qRgba(128, 128, 128, 0), qRgb(128, 128, 128)},
      {qRgba(255, 255, 255, 90), qRgb(255, 255, 255)},
      {qRgba(240, 240, 241, 0), qRgb(240, 240, 241)},
      {qRgba(0, 0, 0, 255), qRgb(0, 0, 0)},
  };
  for (const Case& c : cases) {
    QImage source(1, 1, QImage::Format_ARGB32);
    source.setPixel(0, 0, c.source);
    const QImage keyed = KeyOutDiagram(source).convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(keyed.pixel(0, 0), c.expected) << std::hex << c.source;
  }
}

TEST(WindBackgroundTest, TheKeyColourNeverHidesTheRing) {
  const QImage ring = SyntheticRing();
  const QRect runway(100, 30, 20, 180);
  const QImage background = ComposeWindBackground(ring, KeyOutDiagram(SyntheticDiagram(runway)));
  int ringPixelsSeen = 0;
  for (int y = 0; y < kWindFrameSide; ++y) {
    for (int x = 0; x < kWindFrameSide; ++x) {
      const QRgb expected = runway.contains(x, y) ? kRunway : ring.pixel(x, y);
      ASSERT_EQ(background.pixel(x, y), expected) << x << "," << y;
      if (!runway.contains(x, y) && expected == kRingLine) ++ringPixelsSeen;
    }
  }
  EXPECT_GT(ringPixelsSeen, 500);
}

TEST(WindBackgroundTest, BeforeAnyStationTheRingAlone) {
  const QImage ring = SyntheticRing();
  EXPECT_EQ(ComposeWindBackground(ring, QImage()), ring);
}

// The box and a pixel around it become a badge of the colour; only the black of a
// designator inside the box stays, as black: not the pavement, the centre line, the
// light rim of the letters nor the keyed-out background.
TEST(MarkDesignatorTest, BadgeOfTheColourBehindTheDarkInkInsideTheBox) {
  struct Case {
    QRgb diagramPixel;
    QPoint at;
    QRgb marked;  // 0: as it was
  };
  const QColor colour = SpeedColour(12);
  const QRgb fill = colour.rgb();
  const QRect box(100, 100, 20, 10);
  const Case cases[] = {
      {qRgb(0, 0, 0), {100, 100}, kDesignatorInk},        // full ink, at the box's corner
      {qRgb(127, 127, 127), {119, 109}, kDesignatorInk},  // half ink, at the opposite corner
      {qRgb(128, 128, 128), {110, 105}, fill},            // pavement
      {qRgb(200, 200, 200), {110, 105}, fill},            // faint rim
      {qRgb(255, 255, 255), {110, 105}, fill},            // centre line, white ink
      {qRgb(240, 240, 240), {110, 105}, fill},            // background, keyed out
      {qRgb(0, 0, 0), {120, 105}, fill},                  // ink just right of the box: badge
      {qRgb(0, 0, 0), {110, 99}, fill},                   // and just above it
      {qRgb(0, 0, 0), {121, 105}, 0},                     // beyond the badge
      {qRgb(0, 0, 0), {110, 98}, 0},
  };
  const QRect badge = box.adjusted(-1, -1, 1, 1);
  for (const Case& c : cases) {
    QImage diagram(kWindFrameSide, kWindFrameSide, QImage::Format_ARGB32);
    diagram.fill(qRgba(240, 240, 240, 0));
    diagram.setPixel(c.at, c.diagramPixel);
    const QImage keyed = KeyOutDiagram(diagram);
    const QImage plain = ComposeWindBackground(SyntheticRing(), keyed);
    QImage marked = plain;
    MarkDesignator(marked, keyed, box, colour);
    EXPECT_EQ(marked.pixel(c.at), c.marked != 0 ? c.marked : plain.pixel(c.at))
        << std::hex << c.diagramPixel << " at " << std::dec << c.at.x() << "," << c.at.y();
    // Everywhere else: the badge's colour inside it, as it was outside.
    marked.setPixel(c.at, badge.contains(c.at) ? fill : plain.pixel(c.at));
    QImage expected = plain;
    for (int y = badge.top(); y <= badge.bottom(); ++y) {
      for (int x = badge.left(); x <= badge.right(); ++x) expected.setPixel(x, y, fill);
    }
    EXPECT_EQ(marked, expected);
  }
}

TEST(MarkDesignatorTest, ADiagramOfAnotherSizeIsLeftAlone) {
  QImage diagram(kWindFrameSide / 2, kWindFrameSide / 2, QImage::Format_ARGB32);
  diagram.fill(Qt::black);
  const QImage keyed = KeyOutDiagram(diagram);
  const QImage plain = ComposeWindBackground(SyntheticRing(), keyed);
  QImage marked = plain;
  MarkDesignator(marked, keyed, QRect(0, 0, 50, 50), SpeedColour(20));
  EXPECT_EQ(marked, plain);
}

struct BlendCase {
  int speed;
  QRgb backgroundColour;
};

class ArrowBlendTest : public testing::TestWithParam<BlendCase> {};

TEST_P(ArrowBlendTest, HalfSpeedColourHalfBackground) {
  const BlendCase& c = GetParam();
  QImage plain(kWindFrameSide, kWindFrameSide, QImage::Format_RGB32);
  plain.fill(c.backgroundColour);
  const QColor colour = SpeedColour(c.speed);
  const QImage frame = ComposeWindFrame(plain, TintArrow(SyntheticArrow(), colour), 0, true);
  const QRgb mixed = qRgb((colour.red() + qRed(c.backgroundColour)) / 2,
                          (colour.green() + qGreen(c.backgroundColour)) / 2,
                          (colour.blue() + qBlue(c.backgroundColour)) / 2);
  for (const QPoint inside : {QPoint(119, 120), QPoint(119, 170), QPoint(100, 80)}) {
    EXPECT_LE(ChannelDistance(frame.pixel(inside), mixed), 2)
        << std::hex << frame.pixel(inside) << " for " << mixed;
  }
}

INSTANTIATE_TEST_SUITE_P(SpeedsAndGrounds, ArrowBlendTest,
                         testing::Values(BlendCase{5, kRingGrey}, BlendCase{20, kRingGrey},
                                         BlendCase{45, kRingGrey}, BlendCase{10, kRunway},
                                         BlendCase{30, 0xFFFFFFFF}, BlendCase{1, 0xFF000000}));

// The centre of the ring's dark circle.
QPointF RingCentre(const QImage& frame) {
  QImage plain(frame.size(), QImage::Format_RGB32);
  plain.fill(kRingGrey);
  return CentreOfChange(frame, plain);
}

class ScaledFrameTest : public testing::TestWithParam<int> {};

// Whatever the window's size, the arrow turns about the ring's centre: the arrow
// and the arrow turned half round balance about it.
TEST_P(ScaledFrameTest, RingCentreStaysTheRotationCentre) {
  const int side = GetParam();
  const QImage background = ComposeWindBackground(SyntheticRing(), QImage());
  const QImage arrow = TintArrow(SyntheticArrow(), SpeedColour(30));
  const QImage scaledBackground = ScaleWindFrame(background, side);
  ASSERT_EQ(scaledBackground.size(), QSize(side, side));
  const QPointF ring = RingCentre(scaledBackground);
  const double scale = side / double(kWindFrameSide);
  EXPECT_NEAR(ring.x(), 120.5 * scale, 0.25);
  EXPECT_NEAR(ring.y(), 120.5 * scale, 0.25);
  for (const int angle : {0, 90, 45}) {
    const QPointF forth = CentreOfChange(
        ScaleWindFrame(ComposeWindFrame(background, arrow, angle, true), side), scaledBackground);
    const QPointF back =
        CentreOfChange(ScaleWindFrame(ComposeWindFrame(background, arrow, angle + 180, true), side),
                       scaledBackground);
    const QPointF turnsAbout = (forth + back) / 2;
    EXPECT_NEAR(turnsAbout.x(), ring.x(), 0.25) << "angle " << angle;
    EXPECT_NEAR(turnsAbout.y(), ring.y(), 0.25) << "angle " << angle;
  }
}

INSTANTIATE_TEST_SUITE_P(Sides, ScaledFrameTest, testing::Values(200, 240, 333, 480));

}  // namespace
}  // namespace aerolume
