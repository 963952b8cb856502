// Yaesu radios: the five-byte reply of the first models (packed decimal frequency in tens
// of hertz, then the mode), and the 757 GX II status record.
#include <algorithm>

#include "rig/protocol/hex.h"
#include "rig/protocol/commands.h"
#include "rig/protocol/parsers.h"

namespace ks::rig {
namespace {

// Mode of the five-byte reply by its fifth byte, written as two hex digits.
std::optional<const char*> FiveByteMode(std::string_view byte_digits) {
  for (const char* ph : {"00", "01", "04", "08", "84", "88"})
    if (byte_digits == ph) return "PH";
  for (const char* cw : {"02", "03", "82", "83"})
    if (byte_digits == cw) return "CW";
  return std::nullopt;
}

}  // namespace

std::string FormatYaesuFrequency(std::string_view digits) {
  auto d = [&](size_t from, size_t count) { return digits.substr(std::min(from, digits.size()), count); };
  std::string text;
  if (d(0, 1) != "0") text += d(0, 1);
  if (d(0, 2) != "00") text += d(1, 1);
  text += d(2, 1);
  text += '.';
  text += d(3, 5);
  return text;
}

void ParseYaesuReply(std::string_view reply, RigReading& reading) {
  if (reply.size() < 5) return;
  const std::string digits = BytesToHexDigits(reply.substr(0, 5));
  const std::string mode_digits = digits.substr(8, 2);
  if (DigitAt(mode_digits, 0) < 0 || DigitAt(mode_digits, 1) < 0) return;
  auto mhz = ReadDecimal(FormatYaesuFrequency(std::string_view(digits).substr(0, 8)));
  if (!mhz) return;
  reading.frequency = static_cast<float>(*mhz);
  if (auto mode = FiveByteMode(mode_digits)) reading.mode = *mode;
}

void ParseYaesu757Reply(std::string_view reply, RigReading& reading) {
  // The status record runs to byte 10; a shorter reply has no whole frequency.
  if (reply.size() < 10) return;
  const std::string digits = BytesToHexDigits(reply);
  const std::string frequency = digits.substr(16, 2) + digits.substr(14, 2) + digits.substr(12, 2) + digits.substr(10, 2);
  if (!std::all_of(frequency.begin(), frequency.end(), [](char c) { return c >= '0' && c <= '9'; })) return;
  auto tens = ReadDecimal(frequency);
  if (!tens) return;
  reading.frequency = UnitsToMhz(*tens, 100000.0);
  int mode = 0;
  for (size_t i = 18; i < 20 && DigitAt(digits, i) >= 0; ++i) mode = mode * 10 + DigitAt(digits, i);
  static constexpr const char* kModes[] = {"PH", "PH", "CW", "CW", "AM", "FM"};
  if (mode < 6) reading.mode = kModes[mode];
}

}  // namespace ks::rig

namespace ks::rig {

// Eight digits of tens of hertz packed most significant byte first, then 01.
std::string YaesuSetFrequency(float mhz) {
  const std::string digits = ZeroPadded(MhzToUnits(mhz, 1e5), 8).substr(0, 8);
  return HexToBytes(digits + "01");
}

// The same four bytes least significant first, then 0A.
std::string Yaesu890SetFrequency(float mhz) {
  const std::string digits = ZeroPadded(MhzToUnits(mhz, 1e5), 8).substr(0, 8);
  return HexToBytes(digits.substr(6, 2) + digits.substr(4, 2) + digits.substr(2, 2) + digits.substr(0, 2) + "0A");
}

}  // namespace ks::rig
