#include "supersample.hpp"

namespace aerolume {

namespace {

constexpr int kSamplesPerSide = 16;

bool Inside(const QPolygonF& polygon, double x, double y) {
  bool inside = false;
  for (qsizetype i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
    const QPointF& a = polygon[i];
    const QPointF& b = polygon[j];
    if ((a.y() > y) == (b.y() > y)) continue;
    const double crossing = a.x() + (y - a.y()) * (b.x() - a.x()) / (b.y() - a.y());
    if (x < crossing) inside = !inside;
  }
  return inside;
}

}  // namespace

double PixelCoverage(const QPolygonF& polygon, int column, int row) {
  int hits = 0;
  for (int i = 0; i < kSamplesPerSide; ++i) {
    for (int j = 0; j < kSamplesPerSide; ++j) {
      const double x = column + (i + 0.5) / kSamplesPerSide;
      const double y = row + (j + 0.5) / kSamplesPerSide;
      if (Inside(polygon, x, y)) ++hits;
    }
  }
  return static_cast<double>(hits) / (kSamplesPerSide * kSamplesPerSide);
}

}  // namespace aerolume
