#include "history/strip_scale.hpp"

#include <algorithm>
#include <cmath>

namespace aerolume {

namespace {

constexpr double kSpeedStep = 10;
constexpr double kLeastSpeedTop = 20;
constexpr double kLinearMargin = 2;
constexpr int kMostLinearTicks = 5;

double Position(double value, bool logarithmic) {
  return logarithmic ? std::log10(value) : value;
}

}  // namespace

double StripScale::Y(double value, const QRectF& plot) const {
  const double clamped = std::clamp(value, low, high);
  const double fraction = (Position(clamped, logarithmic) - Position(low, logarithmic)) /
                          (Position(high, logarithmic) - Position(low, logarithmic));
  return plot.bottom() - fraction * plot.height();
}

std::vector<double> StripScale::Ticks() const {
  std::vector<double> ticks;
  if (logarithmic) {
    for (double decade = 100; decade <= high; decade *= 10) {
      if (decade >= low) ticks.push_back(decade);
      if (decade * 3 <= high) ticks.push_back(decade * 3);
    }
    return ticks;
  }
  double step = 1;
  for (double candidate : {1.0, 2.0, 5.0, 10.0, 20.0, 50.0}) {
    step = candidate;
    if ((high - low) / step <= kMostLinearTicks) break;
  }
  for (double value = std::ceil(low / step) * step; value <= high; value += step) {
    ticks.push_back(value);
  }
  return ticks;
}

StripScale SpeedScale(double largest) {
  const double top = std::ceil((largest + kLinearMargin) / kSpeedStep) * kSpeedStep;
  return {0, std::max(kLeastSpeedTop, top), false};
}

StripScale LinearScale(double smallest, double largest, double span) {
  double low = std::floor(smallest - kLinearMargin);
  double high = std::ceil(largest + kLinearMargin);
  if (high - low < span) {
    const double grow = (span - (high - low)) / 2;
    low = std::floor(low - grow);
    high = std::ceil(high + grow);
  }
  return {low, high, false};
}

StripScale LogScale() {
  return {100, 10000, true};
}

QString TickLabel(double value) {
  if (value >= 10000) return QStringLiteral("%1k").arg(value / 1000);
  return QString::number(value);
}

}  // namespace aerolume
