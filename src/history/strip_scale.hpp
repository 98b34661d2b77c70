// A strip's vertical scale: the values from its bottom to its top, linear or
// logarithmic, and the values worth a tick.
#pragma once

#include <QRectF>
#include <QString>
#include <vector>

namespace aerolume {

struct StripScale {
  double low = 0;
  double high = 1;
  bool logarithmic = false;

  // The pixel row of `value` in `plot`; values beyond the scale stay on its edge.
  double Y(double value, const QRectF& plot) const;
  // The values between low and high that get a tick and a label.
  std::vector<double> Ticks() const;
};

// From zero to the largest value and a little room, in steps of ten.
StripScale SpeedScale(double largest);
// The values' range and two more on each side, at least `span` wide.
StripScale LinearScale(double smallest, double largest, double span);
// 100 to 10,000, logarithmic: metres of visibility, feet of ceiling.
StripScale LogScale();

// "1000", "10k" for a tick's value.
QString TickLabel(double value);

}  // namespace aerolume
