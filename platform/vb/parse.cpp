#include "platform/vb/parse.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "platform/vb/ascii.h"

namespace ks::vb {
namespace {

using detail::IsBlank;
using detail::IsDigit;
using detail::AsciiUpper;

int DigitValue(char c, int radix) {
  int value = -1;
  if (IsDigit(c)) value = c - '0';
  else if (AsciiUpper(c) >= 'A' && AsciiUpper(c) <= 'F') value = AsciiUpper(c) - 'A' + 10;
  return value < radix ? value : -1;
}

// "&H..." or "&O..." at `pos`: consumes the prefix and the digits. Returns
// nothing (and consumes nothing) when there is no such prefix with a digit.
std::optional<double> ScanRadix(std::string_view s, size_t& pos) {
  if (pos + 2 > s.size() || s[pos] != '&') return std::nullopt;
  const char kind = AsciiUpper(s[pos + 1]);
  const int radix = kind == 'H' ? 16 : kind == 'O' ? 8 : 0;
  if (radix == 0) return std::nullopt;
  size_t at = pos + 2;
  double value = 0;
  for (; at < s.size() && DigitValue(s[at], radix) >= 0; ++at) value = value * radix + DigitValue(s[at], radix);
  if (at == pos + 2) return std::nullopt;
  pos = at;
  if (value <= 0xFFFF) return static_cast<double>(static_cast<std::int16_t>(static_cast<std::uint16_t>(value)));
  if (value <= 0xFFFFFFFFu) return static_cast<double>(static_cast<std::int32_t>(static_cast<std::uint32_t>(value)));
  return value;
}

size_t ScanDigits(std::string_view s, size_t pos, bool allowThousands, std::string& clean) {
  const size_t start = pos;
  for (; pos < s.size(); ++pos) {
    if (IsDigit(s[pos])) clean += s[pos];
    else if (!(allowThousands && s[pos] == ',' && pos > start)) break;
  }
  return pos;
}

// A decimal number at `pos`: sign, digits, fraction, exponent (taken only
// when complete). Fills `clean` with text std::from_chars reads and returns
// true when the mantissa had a digit; `pos` ends after what was taken.
bool ScanDecimal(std::string_view s, size_t& pos, bool allowThousands, std::string& clean) {
  size_t at = pos;
  if (at < s.size() && (s[at] == '+' || s[at] == '-')) {
    if (s[at] == '-') clean += '-';
    ++at;
  }
  const size_t cleanBefore = clean.size();
  at = ScanDigits(s, at, allowThousands, clean);
  if (at < s.size() && s[at] == '.') {
    clean += '.';
    at = ScanDigits(s, at + 1, false, clean);
  }
  if (clean.find_first_of("0123456789", cleanBefore) == std::string::npos) return false;
  if (at < s.size() && (AsciiUpper(s[at]) == 'E' || AsciiUpper(s[at]) == 'D')) {
    size_t exp = at + 1;
    std::string exponent = "e";
    if (exp < s.size() && (s[exp] == '+' || s[exp] == '-')) {
      if (s[exp] == '-') exponent += '-';
      ++exp;
    }
    const size_t end = ScanDigits(s, exp, false, exponent);
    if (end > exp) {
      clean += exponent;
      at = end;
    }
  }
  pos = at;
  return true;
}

double ConvertClean(const std::string& clean) {
  double value = 0;
  const auto result = std::from_chars(clean.data(), clean.data() + clean.size(), value);
  return result.ec == std::errc{} ? value : 0.0;
}

}  // namespace

double Val(std::string_view text) {
  std::string compact;
  compact.reserve(text.size());
  for (char c : text) {
    if (!IsBlank(c) && c != '\n') compact += c;
  }
  size_t pos = 0;
  if (const auto radix = ScanRadix(compact, pos)) return *radix;
  std::string clean;
  return ScanDecimal(compact, pos, false, clean) ? ConvertClean(clean) : 0.0;
}

std::optional<double> CDbl(std::string_view text) {
  size_t first = 0;
  size_t last = text.size();
  while (first < last && IsBlank(text[first])) ++first;
  while (last > first && IsBlank(text[last - 1])) --last;
  const std::string_view core = text.substr(first, last - first);
  size_t pos = 0;
  std::optional<double> value = ScanRadix(core, pos);
  if (!value) {
    std::string clean;
    pos = 0;
    if (!ScanDecimal(core, pos, true, clean)) return std::nullopt;
    double number = 0;
    const auto result = std::from_chars(clean.data(), clean.data() + clean.size(), number);
    if (result.ec != std::errc{}) return std::nullopt;
    value = number;
  }
  if (pos != core.size()) return std::nullopt;
  return value;
}

bool IsNumeric(std::string_view text) { return CDbl(text).has_value(); }

std::optional<float> CSng(std::string_view text) {
  const auto value = CDbl(text);
  if (!value || std::fabs(*value) > std::numeric_limits<float>::max()) return std::nullopt;
  return static_cast<float>(*value);
}

}  // namespace ks::vb
