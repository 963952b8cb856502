#include "entry/bearing_distance.h"

#include <algorithm>
#include <cmath>

#include "platform/vb/format.h"

namespace ks {
namespace {

constexpr double kDegreesPerRadian = 57.29577951;
// 69.041 statute miles per degree of arc, times the degrees per radian.
constexpr double kMilesPerRadian = 3955.75791314991;
// Nearer than this (in radians of arc, some 6 m) to the own position or to its antipode, or
// to a pole for the own station, the direction that the formula gives is rounding noise.
constexpr double kNoDirection = 1e-6;

// The arc cosine as atn(-y / sqrt(1 - y^2)) + 2 atn(1), the form the figures were first
// computed with; at y = +-1 (where that form divides by zero) the exact 0 and pi. Rounding can
// carry a cosine just past +-1, which is taken as +-1.
double ArcCos(double y) {
  y = std::clamp(y, -1.0, 1.0);
  if (y == 1.0) return 0.0;
  if (y == -1.0) return 4 * std::atan(1.0);
  return std::atan(-y / std::sqrt(1 - y * y)) + 2 * std::atan(1.0);
}

}  // namespace

BearingDistance ComputeBearingDistance(float own_latitude, float own_longitude, float latitude, float longitude) {
  const double k = kDegreesPerRadian;
  const double phi1 = own_latitude / k;
  const double phi2 = latitude / k;
  const double dlambda = (static_cast<double>(own_longitude) - longitude) / k;
  const double x = std::sin(phi2) * std::sin(phi1) + std::cos(phi2) * std::cos(phi1) * std::cos(dlambda);
  const double central = ArcCos(x);
  BearingDistance result;
  result.miles = central * kMilesPerRadian;
  // At the own position, its antipode or a pole of the own station the direction is undefined.
  if (std::sin(central) < kNoDirection || std::abs(std::cos(phi1)) < kNoDirection) return result;
  const double c = (std::sin(phi2) - x * std::sin(phi1)) / (std::cos(phi1) * std::sin(central));
  const double theta = ArcCos(c) * k;
  // Straight north or south (no difference in longitude) is 0 or 180 degrees.
  result.bearing = std::sin(dlambda) > 0 || (std::sin(dlambda) == 0 && theta == 0) ? theta : 360 - theta;
  return result;
}

std::string BearingText(const BearingDistance& result) {
  return (result.bearing ? vb::Format(*result.bearing, "###") : std::string()) + " ";
}

std::string DistanceText(const BearingDistance& result) { return vb::Format(result.miles, "##,###") + " "; }

}  // namespace ks
