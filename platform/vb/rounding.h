#pragma once

// Rounding as the toolkit's Round and its integer conversions do it: to the
// nearest, a value exactly halfway going to the even neighbour
// (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).

#include <cstdint>
#include <optional>

namespace ks::vb {

// Round(value, digits): the value is scaled by 10^digits in binary, and
// "exactly halfway" is judged on the scaled binary value (so 0.125 -> 0.12,
// while 2.675, stored a little below, gives 2.67). Negative digits count as 0.
double RoundHalfEven(double value, int digits = 0);

// Integer conversions: round half to even, then check the range. Out of range
// or not a number gives nothing (the toolkit's overflow error).
std::optional<std::int16_t> CInt(double value);
std::optional<std::int32_t> CLng(double value);
std::optional<std::uint8_t> CByte(double value);

}  // namespace ks::vb
