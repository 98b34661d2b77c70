// Where a station diagram puts its runways and designators, in pixels of the 240 x 240
// picture: one scale per airfield, true north up, everything inside the compass ring.
#pragma once

#include <QColor>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QSizeF>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "airfield_data.hpp"

namespace aerolume {

inline constexpr int kPictureSize = 240;
inline constexpr double kPictureCentre = 120.0;
// The light grey behind everything; the wind window leaves it out of the diagrams.
inline constexpr QRgb kPictureBackground = 0xFFF0F0F0;
// Runways and designators stay inside this radius, clear of the ring at 92.
inline constexpr double kDiagramRadius = 80.0;
// Narrower runways would swallow their centre line.
inline constexpr double kMinRunwayWidthPx = 8.0;
// Japan's magnetic variation, about 8 degrees west, for runways known only by designator.
inline constexpr double kMagneticVariationDeg = -8.0;

// A flat projection around one point: x east, y south, in metres.
class LocalProjection {
 public:
  explicit LocalProjection(GeoPoint origin);
  QPointF ToLocal(GeoPoint point) const;
  GeoPoint Origin() const { return m_origin; }
  double CosLat() const { return m_cosLat; }

 private:
  GeoPoint m_origin;
  double m_cosLat;
};

struct RunwayStrip {
  QPointF le;  // centre of each end, pixels
  QPointF he;
  double width = 0;  // pixels
  std::string leIdent;
  std::string heIdent;

  QPolygonF Outline() const;
};

struct DesignatorLabel {
  std::string text;
  QPointF end;      // the runway end it names
  QPointF outward;  // unit vector pointing away from the runway at that end
  QRectF box;       // the ink of the text
};

struct DiagramLayout {
  std::vector<RunwayStrip> runways;
  std::vector<DesignatorLabel> labels;
  bool helipad = false;  // a field without runways: a pad in the middle
  // The projection as drawn: pixel x = 120 + pxPerDegLon * (lon - centre.lon),
  // pixel y = 120 - pxPerDegLat * (lat - centre.lat). Unset for a helipad.
  GeoPoint centre;
  double pxPerDegLat = 0;
  double pxPerDegLon = 0;
};

// Size of a designator's ink in pixels, as the painter will draw it.
using TextMeasure = std::function<QSizeF(const std::string&)>;

DiagramLayout LayoutDiagram(const AirfieldRecord& field, const TextMeasure& measure);

// True bearing of a runway end from its designator alone: "03L" gives 30 - 8 degrees.
double DesignatorBearing(std::string_view ident);

}  // namespace aerolume
