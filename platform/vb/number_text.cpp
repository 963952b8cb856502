#include "platform/vb/number_text.h"

#include <cmath>
#include <cstdlib>

#include "platform/vb/decimal_digits.h"

namespace ks::vb {
namespace {

// Not-a-number and infinities cannot come from the toolkit's arithmetic
// without an error; they are written in a form that reads back as a failure.
std::string NonFinite(double value) {
  if (std::isnan(value)) return "NaN";
  return value < 0 ? "-Infinity" : "Infinity";
}

std::string ExponentForm(const detail::DecimalDigits& d) {
  std::string out = d.negative ? "-" : "";
  out += d.digits[0];
  if (d.digits.size() > 1) {
    out += '.';
    out.append(d.digits, 1);
  }
  out += d.exponent < 0 ? "E-" : "E+";
  const int magnitude = std::abs(d.exponent);
  if (magnitude < 10) out += '0';
  out += std::to_string(magnitude);
  return out;
}

std::string PlainForm(const detail::DecimalDigits& d) {
  const auto fixed = detail::ToFixedDigits(d, static_cast<int>(d.digits.size()) - d.exponent - 1);
  std::string out = fixed.negative ? "-" : "";
  out += fixed.integer;
  if (!fixed.fraction.empty()) out += "." + fixed.fraction;
  return out.empty() || out == "-" ? "0" : out;
}

std::string FormatSignificant(double value, int significant) {
  if (!std::isfinite(value)) return NonFinite(value);
  const auto d = detail::ToDecimalDigits(value, significant);
  if (d.digits == "0") return "0";
  if (d.exponent >= significant || d.exponent < -4) return ExponentForm(d);
  return PlainForm(d);
}

std::string WithSignBlank(std::string text) { return text.front() == '-' ? text : " " + text; }

}  // namespace

std::string FormatSingle(float value) { return FormatSignificant(static_cast<double>(value), 7); }
std::string FormatDouble(double value) { return FormatSignificant(value, 15); }

std::string Str(double value) { return WithSignBlank(FormatDouble(value)); }
std::string Str(float value) { return WithSignBlank(FormatSingle(value)); }
std::string Str(long long value) { return WithSignBlank(std::to_string(value)); }

std::string CStr(double value) { return FormatDouble(value); }
std::string CStr(float value) { return FormatSingle(value); }
std::string CStr(long long value) { return std::to_string(value); }
std::string CStr(int value) { return std::to_string(value); }
std::string CStr(bool value) { return value ? "True" : "False"; }

}  // namespace ks::vb
