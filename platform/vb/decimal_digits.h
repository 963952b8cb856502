#pragma once

// Internal: a finite double as a row of decimal digits, the common ground of
// the number-to-text functions. Built with std::to_chars, so the result never
// depends on the process locale.

#include <string>

namespace ks::vb::detail {

// value = sign * d1.d2d3... * 10^exponent. `digits` holds at least one digit;
// zero is "0" with exponent 0.
struct DecimalDigits {
  bool negative = false;
  std::string digits;
  int exponent = 0;
};

// The value rounded to `significant` digits (1..17), round half to even on the
// exact binary value (what the C library does). Trailing zeros are dropped.
// The value must be finite.
DecimalDigits ToDecimalDigits(double value, int significant);

// The integer and fraction digits of the value rounded to `decimals` digits
// after the point, half away from zero on the digits given. `integer` has no
// leading zeros ("" for a whole part of zero); `fraction` has exactly
// `decimals` digits. `negative` is cleared when everything rounded to zero.
struct FixedDigits {
  bool negative = false;
  std::string integer;
  std::string fraction;
};
FixedDigits ToFixedDigits(const DecimalDigits& value, int decimals);

}  // namespace ks::vb::detail
