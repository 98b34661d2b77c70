#include "wind/wind_frame.hpp"

#include <QPainter>
#include <QTransform>
#include <algorithm>
#include <cmath>

namespace aerolume {
namespace {

constexpr double kHueAtCalm = 180.0;
constexpr double kHuePerKnot = 4.5;  // red at 40 knots
constexpr int kDarkestShown = 128;   // arrow pixels darker than this in every channel vanish
constexpr double kArrowOpacity = 0.5;
constexpr int kDiagramRunwayGrey = 128;  // designator ink is darker than the runways
constexpr int kBadgeMargin = 1;          // pixels of badge around the designator's ink box

bool IsDark(QRgb pixel) {
  return qRed(pixel) < kDarkestShown && qGreen(pixel) < kDarkestShown &&
         qBlue(pixel) < kDarkestShown;
}

// Keyed-out background is transparent black, which must not count as ink.
bool IsDesignatorInk(QRgb diagramPixel) {
  return qAlpha(diagramPixel) == 255 && qRed(diagramPixel) < kDiagramRunwayGrey &&
         qGreen(diagramPixel) < kDiagramRunwayGrey && qBlue(diagramPixel) < kDiagramRunwayGrey;
}

int Scale(int channel, int factor) {
  return (channel * factor + 127) / 255;
}

}  // namespace

QColor SpeedColour(int speed) {
  const double hue = std::max(0.0, kHueAtCalm - kHuePerKnot * speed);
  return QColor::fromHsvF(static_cast<float>(hue / 360.0), 1.0f, 1.0f).toRgb();
}

QImage KeyOutDiagram(const QImage& diagram) {
  if (diagram.isNull()) return {};
  QImage keyed = diagram.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < keyed.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(keyed.scanLine(y));
    for (int x = 0; x < keyed.width(); ++x) {
      const QRgb opaque = row[x] | 0xFF000000u;
      row[x] = opaque == kDiagramKeyColour ? 0u : opaque;
    }
  }
  // Only fully opaque and fully transparent pixels remain, which read the same
  // premultiplied; saying so lets the painter take its fast path.
  keyed.reinterpretAsFormat(QImage::Format_ARGB32_Premultiplied);
  return keyed;
}

QImage TintArrow(const QImage& arrow, const QColor& colour) {
  if (arrow.isNull()) return {};
  QImage tinted = arrow.convertToFormat(QImage::Format_ARGB32);
  const int red = colour.red();
  const int green = colour.green();
  const int blue = colour.blue();
  for (int y = 0; y < tinted.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(tinted.scanLine(y));
    for (int x = 0; x < tinted.width(); ++x) {
      const QRgb pixel = row[x];
      if (IsDark(pixel)) {
        row[x] = 0;
        continue;
      }
      const int alpha = static_cast<int>(std::lround(qAlpha(pixel) * kArrowOpacity));
      row[x] = qPremultiply(qRgba(Scale(qRed(pixel), red), Scale(qGreen(pixel), green),
                                  Scale(qBlue(pixel), blue), alpha));
    }
  }
  tinted.reinterpretAsFormat(QImage::Format_ARGB32_Premultiplied);
  return tinted;
}

QImage ComposeWindBackground(const QImage& ring, const QImage& keyedDiagram, int scale) {
  QImage background(kWindFrameSide * scale, kWindFrameSide * scale, QImage::Format_RGB32);
  background.setDevicePixelRatio(scale);
  background.fill(Qt::white);
  QPainter painter(&background);
  // The painter works in the 240-pixel picture's units: a picture of the background's
  // density is copied pixel for pixel, one of ordinary density stretched to it.
  if (!ring.isNull()) painter.drawImage(QPointF(0, 0), ring);
  // A diagram of another size is stretched to the frame.
  if (!keyedDiagram.isNull()) {
    painter.drawImage(QRectF(0, 0, kWindFrameSide, kWindFrameSide), keyedDiagram);
  }
  return background;
}

QRect MarkDesignator(QImage& background, const QImage& keyedDiagram, const QRect& box,
                     const QColor& colour) {
  if (background.isNull() || keyedDiagram.size() != background.size()) return {};
  const int scale = qRound(background.devicePixelRatio());
  const QRect inkBox(box.topLeft() * scale, box.size() * scale);
  const int margin = kBadgeMargin * scale;
  const QRect badge = inkBox.adjusted(-margin, -margin, margin, margin) & background.rect();
  const QImage diagram = keyedDiagram.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const QRgb fill = colour.rgb();
  for (int y = badge.top(); y <= badge.bottom(); ++y) {
    const auto* ink = reinterpret_cast<const QRgb*>(diagram.constScanLine(y));
    for (int x = badge.left(); x <= badge.right(); ++x) {
      const bool inBox = inkBox.contains(x, y);
      background.setPixel(x, y, inBox && IsDesignatorInk(ink[x]) ? kDesignatorInk : fill);
    }
  }
  return badge;
}

void DrawWindArrow(QPainter& painter, const QImage& tintedArrow, int angle) {
  if (tintedArrow.isNull()) return;
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  QTransform turn;
  turn.translate(kWindRotationCentre.x(), kWindRotationCentre.y());
  turn.rotate(angle);
  turn.translate(-kWindRotationCentre.x(), -kWindRotationCentre.y());
  painter.setTransform(turn, true);
  painter.drawImage(0, 0, tintedArrow);
  painter.restore();
}

QImage ComposeWindFrame(const QImage& background, const QImage& tintedArrow, int angle,
                        bool showArrow) {
  QImage frame = background;
  if (showArrow) {
    QPainter painter(&frame);
    DrawWindArrow(painter, tintedArrow, angle);
  }
  return frame;
}

QImage ScaleWindFrame(const QImage& frame, int side) {
  if (side <= 0 || frame.isNull()) return {};
  if (frame.width() == side && frame.height() == side) return frame;
  return frame.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace aerolume
