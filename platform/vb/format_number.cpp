#include <cmath>

#include "platform/vb/decimal_digits.h"
#include "platform/vb/format.h"
#include "platform/vb/number_text.h"

namespace ks::vb {
namespace {

struct NumberPattern {
  std::string prefix;
  std::string suffix;
  int integerPlaceholders = 0;
  int integerMinimum = 0;  // placeholders from the first "0" to the point
  int decimalMaximum = 0;
  int decimalMinimum = 0;  // up to and including the last "0" after the point
  bool hasPoint = false;
  bool grouping = false;
};

// Reads one literal at `i` (an escaped character, a quoted text or a plain
// character) into `out` and returns the index after it.
size_t TakeLiteral(std::string_view pattern, size_t i, std::string& out) {
  if (pattern[i] == '\\') {
    if (i + 1 < pattern.size()) out += pattern[i + 1];
    return i + 2;
  }
  if (pattern[i] == '"') {
    const size_t close = pattern.find('"', i + 1);
    const size_t end = close == std::string_view::npos ? pattern.size() : close;
    out.append(pattern.substr(i + 1, end - i - 1));
    return end + 1;
  }
  out += pattern[i];
  return i + 1;
}

NumberPattern ParseNumberPattern(std::string_view pattern) {
  NumberPattern p;
  bool seenPlaceholder = false;
  bool seenIntegerZero = false;
  for (size_t i = 0; i < pattern.size();) {
    const char c = pattern[i];
    if (c == ';') break;
    if (c == '#' || c == '0') {
      seenPlaceholder = true;
      if (p.hasPoint) {
        ++p.decimalMaximum;
        if (c == '0') p.decimalMinimum = p.decimalMaximum;
      } else {
        ++p.integerPlaceholders;
        seenIntegerZero = seenIntegerZero || c == '0';
        if (seenIntegerZero) ++p.integerMinimum;
      }
      ++i;
    } else if (c == '.' && !p.hasPoint) {
      p.hasPoint = true;
      seenPlaceholder = true;
      ++i;
    } else if (c == ',' && seenPlaceholder && !p.hasPoint) {
      p.grouping = true;
      ++i;
    } else {
      i = TakeLiteral(pattern, i, seenPlaceholder ? p.suffix : p.prefix);
    }
  }
  return p;
}

std::string GroupByThousands(const std::string& digits) {
  std::string out;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
    out += digits[i];
  }
  return out;
}

std::string FormatWithPattern(double value, int significant, std::string_view pattern) {
  const NumberPattern p = ParseNumberPattern(pattern);
  if (!std::isfinite(value)) return significant == 7 ? FormatSingle(static_cast<float>(value)) : FormatDouble(value);
  if (p.integerPlaceholders == 0 && !p.hasPoint) return p.prefix;
  const auto fixed = detail::ToFixedDigits(detail::ToDecimalDigits(value, significant), p.decimalMaximum);
  std::string integer = fixed.integer;
  if (static_cast<int>(integer.size()) < p.integerMinimum) {
    integer.insert(0, static_cast<size_t>(p.integerMinimum) - integer.size(), '0');
  }
  if (p.grouping) integer = GroupByThousands(integer);
  std::string fraction = fixed.fraction;
  while (static_cast<int>(fraction.size()) > p.decimalMinimum && fraction.back() == '0') fraction.pop_back();

  std::string out = fixed.negative ? "-" : "";
  out += p.prefix + integer;
  if (p.hasPoint) out += "." + fraction;
  return out + p.suffix;
}

}  // namespace

std::string Format(double value, std::string_view pattern) {
  return pattern.empty() ? FormatDouble(value) : FormatWithPattern(value, 15, pattern);
}

std::string Format(float value, std::string_view pattern) {
  return pattern.empty() ? FormatSingle(value) : FormatWithPattern(static_cast<double>(value), 7, pattern);
}

std::string Format(long long value, std::string_view pattern) {
  return pattern.empty() ? std::to_string(value) : FormatWithPattern(static_cast<double>(value), 15, pattern);
}

std::string Format(int value, std::string_view pattern) { return Format(static_cast<long long>(value), pattern); }

}  // namespace ks::vb
