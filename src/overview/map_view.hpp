// Where the map puts things on the screen: the projection's plane scaled and moved by
// the user's zoom and pan. No drawing here, so the tests can ask where a station lies.
#pragma once

#include <QPointF>
#include <QSizeF>

#include "geography/projection.hpp"

namespace aerolume {

class MapView {
 public:
  // All of Japan in `size`, with a margin.
  void Reset(QSizeF size);
  void Resize(QSizeF size);

  QPointF ToScreen(GeoPoint point) const;
  // Keeps the place under `anchor` where it is.
  void Zoom(double factor, QPointF anchor);
  void Pan(QPointF delta);
  double PixelsPerKm() const { return m_pixelsPerKm; }

 private:
  QSizeF m_size;
  PlanePoint m_centre;          // the plane point at the middle of the widget
  double m_pixelsPerKm = 0.25;  // the default scale is set by Reset
};

}  // namespace aerolume
