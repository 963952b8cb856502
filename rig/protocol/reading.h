#pragma once
// What a radio's reply tells (its frequency and mode) and what the parsers and command
// builders read of the operator's request texts; small number helpers shared by them.
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace ks::rig {

// The polled values. A parser overwrites only what it finds in a reply.
struct RigReading {
  float frequency = 0;  // MHz
  std::string mode;     // "CW", "PH", "AM" or "FM"
  std::uint8_t kenwood_vfo = 10;
};

// The request texts of the rig window (frequency box and mode box).
struct RigRequests {
  std::string freq;
  std::string mode;
};

// `count` characters from `at` when they all lie inside the text.
std::optional<std::string_view> Slice(std::string_view text, size_t at, size_t count);
// The characters as a decimal number, as the toolkit converts a text; nothing if they are not.
std::optional<double> ReadDecimal(std::string_view text);
// Hertz to MHz rounded to five decimals, in single precision.
float HertzToMhz(double hertz);
// Takes a frequency the radio reported into the reading. Zero (all the digits of the field
// zero, or a count too small for the five decimals) is no frequency: a radio sends it while
// it starts up or when its interface has nothing to say, and the contact logged after it must
// not be stored on a frequency of nothing. False, and the reading as it was, for that.
bool TakeFrequency(float mhz, RigReading& reading);
// A count of `unit` (1 for hertz, 10 for tens of hertz) in MHz, rounded to five decimals.
float UnitsToMhz(double units, double per_mhz);
// MHz to whole hertz (or tens of hertz with per_mhz 100000), an exact half to the even side.
long long MhzToUnits(float mhz, double per_mhz);
// The value as decimal digits, at least `width` of them with leading zeros.
std::string ZeroPadded(long long value, int width);
// The digit value of the character, or -1.
int DigitAt(std::string_view text, size_t at);
// At least one character, and every one a decimal digit.
bool AllDigits(std::string_view text);
// A number field as the radios write it: digits, which may have leading zeros or stand after
// leading blanks (a printf field of fixed width), and nothing else. Its value; nothing for a
// field that holds anything else (a sign, a point, a blank after a digit, a letter), which
// only noise puts there.
std::optional<double> ReadPaddedNumber(std::string_view field);
// Every half of every byte is a decimal digit (packed decimal, "\x14\x25" is 1425).
bool PackedDecimal(std::string_view bytes);

// Offers `take` each answer in the reply that begins with `key` and runs to the first `end`
// after it (both included), from the first on, until `take` returns true, that is until it
// has found one well formed and read it. An empty key finds nothing. True when one was taken.
template <typename Take>
bool TakeFirstAnswer(std::string_view reply, std::string_view key, char end, Take take) {
  if (key.empty()) return false;
  for (size_t p = reply.find(key); p != std::string_view::npos; p = reply.find(key, p + 1)) {
    const size_t e = reply.find(end, p + key.size());
    if (e == std::string_view::npos) return false;
    if (take(reply.substr(p, e - p + 1))) return true;
  }
  return false;
}

// Takes the first answer that is `key`, one mode digit and `end`: "CW" for the digits of
// `cw_digits`, "PH" for any other. True when one was taken.
bool TakeModeDigit(std::string_view reply, std::string_view key, char end, std::initializer_list<int> cw_digits,
                   RigReading& reading);

}  // namespace ks::rig
