#include "rig/protocol/reading.h"

#include <algorithm>

#include "platform/vb/parse.h"
#include "platform/vb/rounding.h"

namespace ks::rig {

std::optional<std::string_view> Slice(std::string_view text, size_t at, size_t count) {
  if (at > text.size() || count > text.size() - at) return std::nullopt;
  return text.substr(at, count);
}

std::optional<double> ReadDecimal(std::string_view text) { return vb::CDbl(text); }

float HertzToMhz(double hertz) { return UnitsToMhz(hertz, 1000000.0); }

bool TakeFrequency(float mhz, RigReading& reading) {
  if (!(mhz > 0)) return false;
  reading.frequency = mhz;
  return true;
}

float UnitsToMhz(double units, double per_mhz) {
  return static_cast<float>(vb::RoundHalfEven(units / per_mhz, 5));
}

long long MhzToUnits(float mhz, double per_mhz) {
  double units = vb::RoundHalfEven(static_cast<double>(mhz) * per_mhz);
  if (!(units > 0)) return 0;  // negative or not a number
  return units < 1e15 ? static_cast<long long>(units) : 999999999999999LL;
}

std::string ZeroPadded(long long value, int width) {
  std::string digits = std::to_string(value < 0 ? 0 : value);
  if (static_cast<int>(digits.size()) < width) digits.insert(0, static_cast<size_t>(width) - digits.size(), '0');
  return digits;
}

int DigitAt(std::string_view text, size_t at) {
  if (at >= text.size() || text[at] < '0' || text[at] > '9') return -1;
  return text[at] - '0';
}

bool AllDigits(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

std::optional<double> ReadPaddedNumber(std::string_view field) {
  const size_t first = field.find_first_not_of(' ');
  if (first == std::string_view::npos || !AllDigits(field.substr(first))) return std::nullopt;
  return ReadDecimal(field.substr(first));
}

bool PackedDecimal(std::string_view bytes) {
  for (char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte / 16 > 9 || byte % 16 > 9) return false;
  }
  return true;
}

bool TakeModeDigit(std::string_view reply, std::string_view key, char end, std::initializer_list<int> cw_digits,
                   RigReading& reading) {
  return TakeFirstAnswer(reply, key, end, [&](std::string_view answer) {
    const int digit = answer.size() == key.size() + 2 ? DigitAt(answer, key.size()) : -1;
    if (digit < 0) return false;
    reading.mode = std::find(cw_digits.begin(), cw_digits.end(), digit) != cw_digits.end() ? "CW" : "PH";
    return true;
  });
}

}  // namespace ks::rig
