#pragma once
// Great-circle bearing and distance from the own station to a target, in degrees and statute
// miles, as the in-state window shows them beside the entry line. Positions are degrees of
// latitude and longitude, longitude counting positive to the west.
#include <optional>
#include <string>

namespace ks {

struct BearingDistance {
  // Clockwise from true north, 0 up to 360; none for a target at the own position or at its
  // antipode, where every direction leads there.
  std::optional<double> bearing;
  double miles = 0;
};

BearingDistance ComputeBearingDistance(float own_latitude, float own_longitude, float latitude, float longitude);

// The read-outs: the bearing in whole degrees and the distance in whole miles with a
// thousands separator, each followed by one blank; a value that rounds to 0 (or no bearing)
// leaves only the blank.
std::string BearingText(const BearingDistance& result);
std::string DistanceText(const BearingDistance& result);

}  // namespace ks
