#include "overview/map_view.hpp"

#include <algorithm>

#include "stations/station_positions_data.hpp"

namespace aerolume {

namespace {

constexpr double kMinPixelsPerKm = 0.05;
constexpr double kMaxPixelsPerKm = 40.0;
constexpr double kMarginPixels = 24.0;

}  // namespace

// Every station in view, with a margin: from Wakkanai to Ishigaki and out to Iwo Jima.
void MapView::Reset(QSizeF size) {
  m_size = size;
  PlanePoint low{1e9, 1e9};
  PlanePoint high{-1e9, -1e9};
  for (const StationPositionEntry& station : StationPositionTable()) {
    const PlanePoint plane = JapanProjection().Project({station.lat, station.lon});
    low = {std::min(low.x, plane.x), std::min(low.y, plane.y)};
    high = {std::max(high.x, plane.x), std::max(high.y, plane.y)};
  }
  m_centre = {(low.x + high.x) / 2, (low.y + high.y) / 2};
  m_pixelsPerKm = std::min((size.width() - 2 * kMarginPixels) / (high.x - low.x),
                           (size.height() - 2 * kMarginPixels) / (high.y - low.y));
}

void MapView::Resize(QSizeF size) {
  m_size = size;
}

QPointF MapView::ToScreen(GeoPoint point) const {
  const PlanePoint plane = JapanProjection().Project(point);
  return {m_size.width() / 2 + (plane.x - m_centre.x) * m_pixelsPerKm,
          m_size.height() / 2 - (plane.y - m_centre.y) * m_pixelsPerKm};
}

void MapView::Zoom(double factor, QPointF anchor) {
  const double scale = std::clamp(m_pixelsPerKm * factor, kMinPixelsPerKm, kMaxPixelsPerKm);
  const QPointF fromCentre = anchor - QPointF(m_size.width() / 2, m_size.height() / 2);
  // The plane point under the anchor stays under it.
  const double anchorX = m_centre.x + fromCentre.x() / m_pixelsPerKm;
  const double anchorY = m_centre.y - fromCentre.y() / m_pixelsPerKm;
  m_pixelsPerKm = scale;
  m_centre = {anchorX - fromCentre.x() / scale, anchorY + fromCentre.y() / scale};
}

void MapView::Pan(QPointF delta) {
  m_centre.x -= delta.x() / m_pixelsPerKm;
  m_centre.y += delta.y() / m_pixelsPerKm;
}

}  // namespace aerolume
