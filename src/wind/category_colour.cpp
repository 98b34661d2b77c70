#include "wind/category_colour.hpp"

namespace aerolume {

QColor CategoryColour(FlightCategory category) {
  switch (category) {
    case FlightCategory::Vfr:
      return QColor(0, 150, 0);
    case FlightCategory::Mvfr:
      return QColor(0, 70, 230);
    case FlightCategory::Ifr:
      return QColor(210, 0, 0);
    case FlightCategory::Lifr:
      return QColor(200, 0, 200);
    case FlightCategory::Unknown:
      break;
  }
  return {};
}

}  // namespace aerolume
