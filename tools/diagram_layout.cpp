#include "diagram_layout.hpp"

#include <QLineF>
#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>

namespace aerolume {

namespace {

constexpr double kMetresPerDegree = 111195.0;
constexpr double kMetresPerFoot = 0.3048;
constexpr double kDefaultWidthM = 45.0;
// Centre-line distance at which a runway known only by designator sits beside its
// parallel partner; close parallels in Japan are about this far apart.
constexpr double kParallelSpacingM = 300.0;
constexpr double kLabelGapPx = 3.0;
// Clear space kept around a designator.
constexpr double kLabelMarginPx = 1.5;
constexpr int kMaxOutwardPx = 12;
// A designator's centre stays at least this far beyond its runway end.
constexpr int kMinBeyondPx = 2;
constexpr int kMaxSidewaysPx = 20;
constexpr double kOnRunwayCost = 60.0;
constexpr double kOnLabelCost = 1000.0;
constexpr double kNearerOtherEndCost = 25.0;
constexpr int kPlacementRounds = 3;
// Anti-aliasing spills half a pixel past the geometry.
constexpr double kAntialiasMarginPx = 1.0;
constexpr double kShrinkFactor = 0.985;
constexpr int kMaxFitPasses = 400;

double Radians(double degrees) {
  return degrees * std::numbers::pi / 180.0;
}

double Dot(QPointF a, QPointF b) {
  return a.x() * b.x() + a.y() * b.y();
}

QPointF Unit(QPointF v) {
  const double length = std::hypot(v.x(), v.y());
  return length > 0 ? v / length : QPointF(0, -1);
}

// Right-hand normal on the y-down page: north turns into east.
QPointF RightOf(QPointF u) {
  return {-u.y(), u.x()};
}

int DesignatorNumber(std::string_view ident) {
  int number = 0;
  for (char c : ident) {
    if (!std::isdigit(static_cast<unsigned char>(c))) break;
    number = number * 10 + (c - '0');
  }
  return number;
}

char DesignatorSide(std::string_view ident) {
  return ident.empty() ? '\0' : static_cast<char>(std::toupper(ident.back()));
}

// A runway in local metres.
struct LocalRunway {
  QPointF le;
  QPointF he;
  double widthM = kDefaultWidthM;
  std::string leIdent;
  std::string heIdent;

  QPointF Mid() const { return (le + he) / 2; }
};

QPointF DirectionOfBearing(double bearingDeg) {
  return {std::sin(Radians(bearingDeg)), -std::cos(Radians(bearingDeg))};
}

// A runway without end coordinates goes beside the drawn ones: parallel to a partner
// of the same number on the side its letter names, otherwise to the right of them all.
QPointF PlaceBeside(const std::vector<LocalRunway>& placed, const RunwayRecord& runway,
                    QPointF along) {
  if (placed.empty()) return {0, 0};
  const QPointF right = RightOf(along);
  const int number = DesignatorNumber(runway.leIdent);
  for (const LocalRunway& other : placed) {
    if (DesignatorNumber(other.leIdent) != number) continue;
    const double side = DesignatorSide(runway.leIdent) == 'L' ? -1.0 : 1.0;
    return other.Mid() + right * side * kParallelSpacingM;
  }
  QPointF mid(0, 0);
  double reach = 0;
  for (const LocalRunway& other : placed) mid += other.Mid() / static_cast<double>(placed.size());
  for (const LocalRunway& other : placed) {
    reach = std::max({reach, Dot(other.le - mid, right), Dot(other.he - mid, right)});
  }
  return mid + right * (reach + kParallelSpacingM);
}

std::vector<LocalRunway> PlaceRunways(const AirfieldRecord& field,
                                      const LocalProjection& projection) {
  std::vector<LocalRunway> placed;
  for (const RunwayRecord& runway : field.runways) {
    if (!runway.HasEnds()) continue;
    placed.push_back({projection.ToLocal(*runway.le), projection.ToLocal(*runway.he),
                      runway.widthFt.value_or(0) * kMetresPerFoot, runway.leIdent, runway.heIdent});
  }
  for (const RunwayRecord& runway : field.runways) {
    if (runway.HasEnds()) continue;
    const QPointF along = DirectionOfBearing(DesignatorBearing(runway.leIdent));
    const QPointF mid = PlaceBeside(placed, runway, along);
    const QPointF half = along * runway.lengthFt * kMetresPerFoot / 2;
    placed.push_back({mid - half, mid + half, runway.widthFt.value_or(0) * kMetresPerFoot,
                      runway.leIdent, runway.heIdent});
  }
  for (LocalRunway& runway : placed) {
    if (runway.widthM <= 0) runway.widthM = kDefaultWidthM;
  }
  return placed;
}

// How far a box reaches from its centre in direction u.
double Support(QPointF u, QSizeF size) {
  return std::abs(u.x()) * size.width() / 2 + std::abs(u.y()) * size.height() / 2;
}

QRectF BoxAt(QPointF centre, QSizeF size) {
  return {centre.x() - size.width() / 2, centre.y() - size.height() / 2, size.width(),
          size.height()};
}

DesignatorLabel LabelAtEnd(const std::string& text, QPointF end, QPointF from,
                           const TextMeasure& measure) {
  const QPointF outward = Unit(end - from);
  const QSizeF size = measure(text);
  const QPointF centre = end + outward * (kLabelGapPx + Support(outward, size));
  return {text, end, outward, BoxAt(centre, size)};
}

// A runway's outline, ready for the many overlap tests of label placement.
struct Obstacle {
  std::array<QPointF, 4> corners;
  std::array<QPointF, 4> normals;  // of the four edges
  QPointF le;
  QPointF he;
};

Obstacle ObstacleOf(const RunwayStrip& strip) {
  const QPolygonF outline = strip.Outline();
  Obstacle obstacle{{}, {}, strip.le, strip.he};
  for (std::size_t i = 0; i < 4; ++i) {
    obstacle.corners[i] = outline[static_cast<qsizetype>(i)];
    const QPointF edge = outline[static_cast<qsizetype>((i + 1) % 4)] - obstacle.corners[i];
    obstacle.normals[i] = {-edge.y(), edge.x()};
  }
  return obstacle;
}

bool Separated(const std::array<QPointF, 4>& a, const std::array<QPointF, 4>& b, QPointF axis) {
  double lowA = Dot(a[0], axis), highA = lowA, lowB = Dot(b[0], axis), highB = lowB;
  for (std::size_t i = 1; i < 4; ++i) {
    lowA = std::min(lowA, Dot(a[i], axis));
    highA = std::max(highA, Dot(a[i], axis));
    lowB = std::min(lowB, Dot(b[i], axis));
    highB = std::max(highB, Dot(b[i], axis));
  }
  return highA <= lowB || highB <= lowA;
}

// Separating-axis test of a box against a runway outline.
bool Overlaps(const QRectF& box, const Obstacle& obstacle) {
  const std::array<QPointF, 4> corners = {box.topLeft(), box.topRight(), box.bottomRight(),
                                          box.bottomLeft()};
  if (Separated(corners, obstacle.corners, {1, 0})) return false;
  if (Separated(corners, obstacle.corners, {0, 1})) return false;
  for (const QPointF& normal : obstacle.normals) {
    if (Separated(corners, obstacle.corners, normal)) return false;
  }
  return true;
}

QRectF Grown(const QRectF& box) {
  return box.adjusted(-kLabelMarginPx, -kLabelMarginPx, kLabelMarginPx, kLabelMarginPx);
}

bool OwnRunway(const DesignatorLabel& label, const Obstacle& obstacle) {
  return label.end == obstacle.le || label.end == obstacle.he;
}

// What a label at this box costs: its distance from the plain spot beyond the end,
// a penalty for lying on another runway (it would read white on grey) and a larger
// one for touching another label or covering its own runway. A label nearer to
// another runway end than to its own would be read as naming that one.
double PlacementCost(const std::vector<DesignatorLabel>& labels, std::size_t index,
                     const QRectF& box, double displacement,
                     const std::vector<Obstacle>& obstacles) {
  const QRectF grown = Grown(box);
  double cost = displacement;
  for (const Obstacle& obstacle : obstacles) {
    if (!Overlaps(grown, obstacle)) continue;
    cost += OwnRunway(labels[index], obstacle) ? kOnLabelCost : kOnRunwayCost;
  }
  const double ownDistance = QLineF(box.center(), labels[index].end).length();
  for (std::size_t other = 0; other < labels.size(); ++other) {
    if (other == index) continue;
    if (grown.intersects(labels[other].box)) cost += kOnLabelCost;
    if (QLineF(box.center(), labels[other].end).length() < ownDistance) cost += kNearerOtherEndCost;
  }
  return cost;
}

// Moves the label to the cheapest spot whose centre lies beyond its end: farther out
// along the runway, or sideways, down to beside the end itself.
void PlaceBest(std::vector<DesignatorLabel>& labels, std::size_t index,
               const std::vector<Obstacle>& obstacles) {
  DesignatorLabel& label = labels[index];
  const QSizeF size = label.box.size();
  const QPointF across = RightOf(label.outward);
  const int plain = static_cast<int>(std::ceil(kLabelGapPx + Support(label.outward, size)));
  QRectF best = label.box;
  double bestCost = std::numeric_limits<double>::infinity();
  for (int out = kMinBeyondPx; out <= plain + kMaxOutwardPx; ++out) {
    for (int side = 0; side <= kMaxSidewaysPx; ++side) {
      for (int sign : {1, -1}) {
        if (side == 0 && sign < 0) continue;
        const QRectF box = BoxAt(label.end + label.outward * out + across * (sign * side), size);
        const double cost =
            PlacementCost(labels, index, box, std::abs(out - plain) + side, obstacles);
        if (cost < bestCost) {
          bestCost = cost;
          best = box;
        }
      }
    }
  }
  label.box = best;
}

void PlaceLabels(std::vector<DesignatorLabel>& labels, const std::vector<RunwayStrip>& strips) {
  std::vector<Obstacle> obstacles;
  for (const RunwayStrip& strip : strips) obstacles.push_back(ObstacleOf(strip));
  for (int round = 0; round < kPlacementRounds; ++round) {
    for (std::size_t i = 0; i < labels.size(); ++i) PlaceBest(labels, i, obstacles);
  }
}

bool LabelsCollide(const std::vector<DesignatorLabel>& labels) {
  for (std::size_t i = 0; i < labels.size(); ++i) {
    for (std::size_t j = i + 1; j < labels.size(); ++j) {
      if (Grown(labels[i].box).intersects(labels[j].box)) return true;
    }
  }
  return false;
}

DiagramLayout Arrange(const std::vector<LocalRunway>& runways, double pxPerMetre,
                      const TextMeasure& measure) {
  DiagramLayout layout;
  for (const LocalRunway& runway : runways) {
    const double width = std::max(kMinRunwayWidthPx, runway.widthM * pxPerMetre);
    layout.runways.push_back(
        {runway.le * pxPerMetre, runway.he * pxPerMetre, width, runway.leIdent, runway.heIdent});
  }
  for (const RunwayStrip& strip : layout.runways) {
    if (!strip.leIdent.empty())
      layout.labels.push_back(LabelAtEnd(strip.leIdent, strip.le, strip.he, measure));
    if (!strip.heIdent.empty())
      layout.labels.push_back(LabelAtEnd(strip.heIdent, strip.he, strip.le, measure));
  }
  PlaceLabels(layout.labels, layout.runways);
  return layout;
}

std::vector<QPointF> Corners(const DiagramLayout& layout) {
  std::vector<QPointF> corners;
  for (const RunwayStrip& strip : layout.runways) {
    for (const QPointF& p : strip.Outline()) corners.push_back(p);
  }
  for (const DesignatorLabel& label : layout.labels) {
    const QRectF& b = label.box;
    corners.insert(corners.end(), {b.topLeft(), b.topRight(), b.bottomLeft(), b.bottomRight()});
  }
  return corners;
}

void Shift(DiagramLayout& layout, QPointF by) {
  for (RunwayStrip& strip : layout.runways) {
    strip.le += by;
    strip.he += by;
  }
  for (DesignatorLabel& label : layout.labels) {
    label.end += by;
    label.box.translate(by);
  }
}

// Centres the drawing's bounding box on the picture; returns how far it then reaches.
double CentreOnPicture(DiagramLayout& layout, QPointF& shift) {
  const std::vector<QPointF> corners = Corners(layout);
  QPointF low = corners.front();
  QPointF high = corners.front();
  for (const QPointF& p : corners) {
    low = {std::min(low.x(), p.x()), std::min(low.y(), p.y())};
    high = {std::max(high.x(), p.x()), std::max(high.y(), p.y())};
  }
  shift = QPointF(kPictureCentre, kPictureCentre) - (low + high) / 2;
  Shift(layout, shift);
  double reach = 0;
  for (const QPointF& p : corners) {
    reach = std::max(reach, QLineF(p + shift, QPointF(kPictureCentre, kPictureCentre)).length());
  }
  return reach;
}

double LargestSpan(const std::vector<LocalRunway>& runways) {
  double span = 1.0;
  for (const LocalRunway& a : runways) {
    for (const LocalRunway& b : runways) {
      for (QPointF p : {a.le, a.he}) {
        for (QPointF q : {b.le, b.he}) span = std::max(span, QLineF(p, q).length());
      }
    }
  }
  return span;
}

}  // namespace

LocalProjection::LocalProjection(GeoPoint origin)
    : m_origin(origin), m_cosLat(std::cos(Radians(origin.lat))) {}

QPointF LocalProjection::ToLocal(GeoPoint point) const {
  return {(point.lon - m_origin.lon) * m_cosLat * kMetresPerDegree,
          -(point.lat - m_origin.lat) * kMetresPerDegree};
}

QPolygonF RunwayStrip::Outline() const {
  const QPointF across = RightOf(Unit(he - le)) * (width / 2);
  return QPolygonF({le + across, he + across, he - across, le - across});
}

double DesignatorBearing(std::string_view ident) {
  const double bearing = 10.0 * DesignatorNumber(ident) + kMagneticVariationDeg;
  return std::fmod(bearing + 360.0, 360.0);
}

DiagramLayout LayoutDiagram(const AirfieldRecord& field, const TextMeasure& measure) {
  const LocalProjection projection(field.position);
  const std::vector<LocalRunway> runways = PlaceRunways(field, projection);
  if (runways.empty()) {
    DiagramLayout layout;
    layout.helipad = true;
    layout.centre = field.position;
    return layout;
  }
  double pxPerMetre = 2 * kDiagramRadius / LargestSpan(runways);
  for (int pass = 0;; ++pass) {
    DiagramLayout layout = Arrange(runways, pxPerMetre, measure);
    QPointF shift;
    const double reach = CentreOnPicture(layout, shift);
    const bool fits = reach <= kDiagramRadius - kAntialiasMarginPx && !LabelsCollide(layout.labels);
    if (fits || pass == kMaxFitPasses) {
      const double pxPerDegLat = pxPerMetre * kMetresPerDegree;
      layout.pxPerDegLat = pxPerDegLat;
      layout.pxPerDegLon = pxPerDegLat * projection.CosLat();
      layout.centre = {projection.Origin().lat + (shift.y() - kPictureCentre) / pxPerDegLat,
                       projection.Origin().lon - (shift.x() - kPictureCentre) / layout.pxPerDegLon};
      return layout;
    }
    pxPerMetre *= kShrinkFactor;
  }
}

}  // namespace aerolume
