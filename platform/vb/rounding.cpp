#include "platform/vb/rounding.h"

#include <cmath>
#include <limits>

namespace ks::vb {
namespace {

double RoundWholeHalfEven(double value) {
  const double floor = std::floor(value);
  const double rest = value - floor;
  if (rest > 0.5) return floor + 1.0;
  if (rest < 0.5) return floor;
  return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

template <typename Int>
std::optional<Int> ToInteger(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  const double rounded = RoundWholeHalfEven(value);
  if (rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
      rounded > static_cast<double>(std::numeric_limits<Int>::max())) {
    return std::nullopt;
  }
  return static_cast<Int>(rounded);
}

}  // namespace

double RoundHalfEven(double value, int digits) {
  if (!std::isfinite(value)) return value;
  if (digits <= 0) return RoundWholeHalfEven(value);
  const double scale = std::pow(10.0, digits);
  const double scaled = value * scale;
  // Beyond 2^52 a double has no fraction left to round.
  if (!std::isfinite(scaled) || std::fabs(scaled) >= 4503599627370496.0) return value;
  return RoundWholeHalfEven(scaled) / scale;
}

std::optional<std::int16_t> CInt(double value) { return ToInteger<std::int16_t>(value); }
std::optional<std::int32_t> CLng(double value) { return ToInteger<std::int32_t>(value); }
std::optional<std::uint8_t> CByte(double value) { return ToInteger<std::uint8_t>(value); }

}  // namespace ks::vb
