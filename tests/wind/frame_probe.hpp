// Reading wind frames pixel by pixel, shared by the frame and window tests.
#pragma once

#include <QImage>
#include <QPoint>
#include <QPointF>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace aerolume::probe {

inline int ChannelDistance(QRgb a, QRgb b) {
  return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                   std::abs(qBlue(a) - qBlue(b))});
}

// The centre of mass of the change from before to after, each pixel weighted by how
// much it changed, so that the smoothing of a scaled frame does not move it. Only
// pixels between the two radii about the image's middle count.
inline QPointF CentreOfChange(const QImage& after, const QImage& before, double minRadius = 0,
                              double maxRadius = std::numeric_limits<double>::max()) {
  const QPointF middle(after.width() / 2.0, after.height() / 2.0);
  double sumX = 0;
  double sumY = 0;
  double total = 0;
  for (int y = 0; y < after.height(); ++y) {
    for (int x = 0; x < after.width(); ++x) {
      const double radius = std::hypot(x + 0.5 - middle.x(), y + 0.5 - middle.y());
      if (radius < minRadius || radius > maxRadius) continue;
      const QRgb a = after.pixel(x, y);
      const QRgb b = before.pixel(x, y);
      const int weight = std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                         std::abs(qBlue(a) - qBlue(b));
      sumX += (x + 0.5) * weight;
      sumY += (y + 0.5) * weight;
      total += weight;
    }
  }
  return total == 0 ? QPointF(-1, -1) : QPointF(sumX / total, sumY / total);
}

// Relative luminance of an sRGB colour, as contrast ratios for legibility measure it.
inline double RelativeLuminance(QRgb pixel) {
  const auto linear = [](int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(qRed(pixel)) + 0.7152 * linear(qGreen(pixel)) +
         0.0722 * linear(qBlue(pixel));
}

// 1 for the same luminance, 21 for black on white.
inline double ContrastRatio(QRgb a, QRgb b) {
  const double la = RelativeLuminance(a);
  const double lb = RelativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Where a pixel of the arrow picture lands when the arrow is turned by a quarter
// angle: clockwise on the screen about pixel (120, 120).
inline QPoint Turned(QPoint p, int angle) {
  const int dx = p.x() - 120;
  const int dy = p.y() - 120;
  switch (angle % 360) {
    case 90:
      return {120 - dy, 120 + dx};
    case 180:
      return {120 - dx, 120 - dy};
    case 270:
      return {120 + dy, 120 - dx};
    default:
      return p;
  }
}

}  // namespace aerolume::probe
