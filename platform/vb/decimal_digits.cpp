#include "platform/vb/decimal_digits.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace ks::vb::detail {

DecimalDigits ToDecimalDigits(double value, int significant) {
  DecimalDigits out;
  if (value == 0.0 || !std::isfinite(value)) {
    out.digits = "0";
    return out;
  }
  significant = std::clamp(significant, 1, 17);
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific,
                                    significant - 1);
  const std::string text(buffer, result.ptr);  // "-d.ddde+XX"
  size_t at = 0;
  if (text[at] == '-') {
    out.negative = true;
    ++at;
  }
  const size_t e = text.find('e');
  for (size_t i = at; i < e; ++i) {
    if (text[i] != '.') out.digits.push_back(text[i]);
  }
  std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(), out.exponent);
  while (out.digits.size() > 1 && out.digits.back() == '0') out.digits.pop_back();
  return out;
}

namespace {

// Adds one unit at the last place of a row of digits; returns true when the
// carry ran off the front ("999" -> "000", carry out).
bool IncrementDigits(std::string& digits) {
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return false;
    }
    *it = '0';
  }
  return true;
}

}  // namespace

FixedDigits ToFixedDigits(const DecimalDigits& value, int decimals) {
  decimals = std::max(decimals, 0);
  // Lay the digits out on a grid: `whole` digits before the point, then
  // exactly `decimals` after it, plus the first dropped digit for rounding.
  const long long whole = std::max<long long>(static_cast<long long>(value.exponent) + 1, 0);
  const long long leadingZeros = std::max<long long>(-(static_cast<long long>(value.exponent) + 1), 0);
  std::string grid;
  grid.reserve(static_cast<size_t>(whole + decimals + 1));
  std::string digits = std::string(static_cast<size_t>(std::min<long long>(leadingZeros, decimals + 1)), '0') +
                       value.digits;
  const size_t wanted = static_cast<size_t>(whole + decimals);
  const char firstDropped = digits.size() > wanted ? digits[wanted] : '0';
  digits.resize(wanted, '0');
  bool carry = false;
  if (firstDropped >= '5') carry = IncrementDigits(digits);
  if (carry) digits.insert(digits.begin(), '1');

  FixedDigits out;
  const size_t integerCount = digits.size() - static_cast<size_t>(decimals);
  out.integer = digits.substr(0, integerCount);
  out.fraction = digits.substr(integerCount);
  out.integer.erase(0, std::min(out.integer.find_first_not_of('0'), out.integer.size()));
  const bool allZero = out.integer.empty() && out.fraction.find_first_not_of('0') == std::string::npos;
  out.negative = value.negative && !allZero;
  return out;
}

}  // namespace ks::vb::detail
