#include "geography/projection.hpp"

#include <cmath>
#include <numbers>

namespace aerolume {

namespace {

// The mean radius: a sphere is accurate to a few tenths of a percent at this scale.
constexpr double kEarthRadiusKm = 6371.0;

double Radians(double degrees) {
  return degrees * std::numbers::pi / 180.0;
}

double Degrees(double radians) {
  return radians * 180.0 / std::numbers::pi;
}

double HalfColatitudeTangent(double latitude) {
  return std::tan(std::numbers::pi / 4 + Radians(latitude) / 2);
}

}  // namespace

ConformalConic::ConformalConic(double firstParallel, double secondParallel, GeoPoint origin)
    : m_centralMeridian(origin.lon) {
  const double phi1 = Radians(firstParallel);
  const double phi2 = Radians(secondParallel);
  m_cone = std::log(std::cos(phi1) / std::cos(phi2)) /
           std::log(HalfColatitudeTangent(secondParallel) / HalfColatitudeTangent(firstParallel));
  m_factor = kEarthRadiusKm * std::cos(phi1) *
             std::pow(HalfColatitudeTangent(firstParallel), m_cone) / m_cone;
  m_originRadius = RadiusAt(origin.lat);
}

double ConformalConic::RadiusAt(double latitude) const {
  return m_factor / std::pow(HalfColatitudeTangent(latitude), m_cone);
}

PlanePoint ConformalConic::Project(GeoPoint point) const {
  const double radius = RadiusAt(point.lat);
  const double angle = m_cone * Radians(point.lon - m_centralMeridian);
  return {radius * std::sin(angle), m_originRadius - radius * std::cos(angle)};
}

GeoPoint ConformalConic::Unproject(PlanePoint point) const {
  const double dy = m_originRadius - point.y;
  const double radius = std::copysign(std::hypot(point.x, dy), m_cone);
  const double angle = std::atan2(point.x, dy);
  const double latitude =
      2 * std::atan(std::pow(m_factor / radius, 1 / m_cone)) - std::numbers::pi / 2;
  return {Degrees(latitude), m_centralMeridian + Degrees(angle / m_cone)};
}

double ConformalConic::ScaleAt(double latitude) const {
  return m_cone * RadiusAt(latitude) / (kEarthRadiusKm * std::cos(Radians(latitude)));
}

const ConformalConic& JapanProjection() {
  static const ConformalConic projection(30.0, 40.0, GeoPoint{36.0, 136.0});
  return projection;
}

}  // namespace aerolume
