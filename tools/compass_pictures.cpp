#include "compass_pictures.hpp"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "diagram_layout.hpp"
#include "picture_font.hpp"
#include "supersample.hpp"

namespace aerolume {

namespace {

const QColor kBackground(kPictureBackground);
const QColor kRingColour(72, 72, 72);
constexpr double kRingPenPx = 1.5;
constexpr double kTickPenPx = 1.5;
constexpr double kTickLengthPx = 4.0;
constexpr double kMajorTickLengthPx = 6.0;
constexpr double kLabelRadius = 107.0;
constexpr int kLabelPixelSize = 11;

// The arrow's axis runs down the middle of column 119, so mirroring maps column c
// onto column 238 - c and the coordinate x onto 239 - x.
constexpr double kMirrorSum = 239.0;
constexpr int kAxisColumn = 119;
static_assert(kMirrorSum == 2 * kAxisColumn + 1);

const QColor kIconArrowColour(0, 150, 136);
constexpr double kIconAngleDeg = 45.0;

// The wind window turns the arrow about the middle of pixel (120, 120), so the ring
// is centred there too, half a pixel off the picture's geometric centre.
constexpr double kRingCentre = kPictureCentre + 0.5;

QPointF OnCircle(double radius, double degreesFromTop) {
  const double theta = degreesFromTop * std::numbers::pi / 180.0;
  return {kRingCentre + radius * std::sin(theta), kRingCentre - radius * std::cos(theta)};
}

}  // namespace

QString RingLabel(int degreesFromTop) {
  int number = ((degreesFromTop + 180) % 360) / 10;
  if (number == 0) number = 36;
  return QString::asprintf("%02d", number);
}

QImage DrawCompassRing(int scale) {
  QImage image(kPictureSize * scale, kPictureSize * scale, QImage::Format_RGB32);
  image.fill(kBackground);
  QPainter painter(&image);
  painter.scale(scale, scale);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);

  painter.setPen(QPen(kRingColour, kRingPenPx));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(QPointF(kRingCentre, kRingCentre), kRingRadius, kRingRadius);

  painter.setPen(QPen(kRingColour, kTickPenPx, Qt::SolidLine, Qt::FlatCap));
  for (int degrees = 0; degrees < 360; degrees += 10) {
    const double length = degrees % 30 == 0 ? kMajorTickLengthPx : kTickLengthPx;
    painter.drawLine(OnCircle(kRingRadius, degrees), OnCircle(kRingRadius + length, degrees));
  }

  const QFont font = PictureFont(kLabelPixelSize);
  painter.setFont(font);
  for (int degrees = 0; degrees < 360; degrees += 30) {
    const QString label = RingLabel(degrees);
    painter.drawText(BaselineForCentre(font, label, OnCircle(kLabelRadius, degrees)), label);
  }
  return image;
}

QPolygonF ArrowOutline() {
  // Left tail corner, notch, right tail corner, tip. The corners and the tip sit a
  // little outside their pixels so that those pixels come out bright, not grey.
  const QPointF leftCorner(81.7, 51.7);
  const QPointF notch(kAxisColumn + 0.5, 86.0);
  const QPointF tip(kAxisColumn + 0.5, 188.2);
  return QPolygonF({leftCorner, notch, QPointF(kMirrorSum - leftCorner.x(), leftCorner.y()), tip});
}

QImage DrawArrow(int scale) {
  const int side = kPictureSize * scale;
  QImage image(side, side, QImage::Format_RGB32);
  image.fill(Qt::black);
  const QPolygonF outline = QTransform::fromScale(scale, scale).map(ArrowOutline());
  // The coordinate x mirrors onto kMirrorSum * scale - x, so column c onto this less c.
  const int mirrorSum = static_cast<int>(kMirrorSum) * scale - 1;
  for (int row = 0; row < side; ++row) {
    for (int column = 0; column <= mirrorSum / 2; ++column) {
      const int level = static_cast<int>(std::lround(255.0 * PixelCoverage(outline, column, row)));
      image.setPixel(column, row, qRgb(level, level, level));
      image.setPixel(mirrorSum - column, row, qRgb(level, level, level));
    }
  }
  return image;
}

QImage DrawIcon(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const double scale = static_cast<double>(size) / kPictureSize;
  painter.scale(scale, scale);
  // Strokes never thinner than a pixel, so the ring survives at 16 x 16.
  const double stroke = std::max(4.0, 1.2 / scale);

  painter.setPen(Qt::NoPen);
  painter.setBrush(kBackground);
  painter.drawEllipse(QPointF(kRingCentre, kRingCentre), 118.0, 118.0);

  painter.setPen(QPen(kRingColour, stroke));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(QPointF(kRingCentre, kRingCentre), 100.0, 100.0);
  if (size >= 48) {
    painter.setPen(QPen(kRingColour, stroke, Qt::SolidLine, Qt::FlatCap));
    for (int degrees = 0; degrees < 360; degrees += 30) {
      painter.drawLine(OnCircle(100.0, degrees), OnCircle(112.0, degrees));
    }
  }

  QTransform turn;
  turn.translate(kRingCentre, kRingCentre);
  turn.rotate(kIconAngleDeg);
  turn.translate(-kPictureCentre, -kPictureCentre);
  painter.setPen(QPen(kRingColour, stroke / 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(kIconArrowColour);
  painter.drawPolygon(turn.map(ArrowOutline()));
  painter.end();
  return image.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace aerolume
