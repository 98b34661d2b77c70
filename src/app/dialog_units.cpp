#include "app/dialog_units.hpp"

#include <QFontMetrics>
#include <QString>

namespace aerolume {

DialogBaseUnits BaseUnitsOf(const QFont& font) {
  const QFontMetrics metrics(font);
  const int alphabetWidth = metrics.horizontalAdvance(
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  return {(alphabetWidth / 26 + 1) / 2, metrics.height()};
}

int ScaleDialogUnits(int value, int numerator, int denominator) {
  const long long product = static_cast<long long>(value) * numerator;
  const long long half = denominator / 2;
  return static_cast<int>(product >= 0 ? (product + half) / denominator
                                       : (product - half) / denominator);
}

QRect MapDialogRect(const QRect& dialogUnits, const DialogBaseUnits& units) {
  return {ScaleDialogUnits(dialogUnits.x(), units.x, 4),
          ScaleDialogUnits(dialogUnits.y(), units.y, 8),
          ScaleDialogUnits(dialogUnits.width(), units.x, 4),
          ScaleDialogUnits(dialogUnits.height(), units.y, 8)};
}

QSize MapDialogSize(const QSize& dialogUnits, const DialogBaseUnits& units) {
  return {ScaleDialogUnits(dialogUnits.width(), units.x, 4),
          ScaleDialogUnits(dialogUnits.height(), units.y, 8)};
}

}  // namespace aerolume
