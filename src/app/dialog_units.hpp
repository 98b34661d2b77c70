// Dialog layouts are given in dialog units: a quarter of the font's average
// character width across, an eighth of its height down. Converting with the
// dialog font's own base units keeps the layout right at any font and scale.
#pragma once

#include <QFont>
#include <QRect>

namespace aerolume {

struct DialogBaseUnits {
  int x = 0;  // average width of "A"-"Z" and "a"-"z", rounded up from the half
  int y = 0;  // the font's height

  bool operator==(const DialogBaseUnits&) const = default;
};

DialogBaseUnits BaseUnitsOf(const QFont& font);

// Rounds like the platform's MulDiv(value, numerator, denominator).
int ScaleDialogUnits(int value, int numerator, int denominator);
QRect MapDialogRect(const QRect& dialogUnits, const DialogBaseUnits& units);
QSize MapDialogSize(const QSize& dialogUnits, const DialogBaseUnits& units);

}  // namespace aerolume
