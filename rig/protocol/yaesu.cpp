// Yaesu radios: the five-byte reply of the first models (packed decimal frequency in tens
// of hertz, then the mode), and the 757 GX II status record. Binary records have no end
// mark: a reply is taken only at the record's exact length, so a record cut between two
// polls, or followed by noise, is no answer.
#include <algorithm>

#include "rig/protocol/hex.h"
#include "rig/protocol/commands.h"
#include "rig/protocol/parsers.h"

namespace ks::rig {
namespace {

// The status record the 757 GX II sends for its update command.
constexpr size_t kYaesu757StatusLength = 75;

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

// Exactly five bytes: four of packed-decimal frequency and the mode byte, itself two
// decimal digits.
bool ParseYaesuReply(std::string_view reply, RigReading& reading) {
  if (reply.size() != 5 || !PackedDecimal(reply)) return false;
  const std::string digits = BytesToHexDigits(reply);
  const auto mhz = ReadDecimal(FormatYaesuFrequency(std::string_view(digits).substr(0, 8)));
  if (!mhz || !TakeFrequency(static_cast<float>(*mhz), reading)) return false;
  if (auto mode = FiveByteMode(digits.substr(8, 2))) reading.mode = *mode;
  return true;
}

// The whole status record: the frequency in bytes 9, 8, 7 and 6 and the mode in byte 10,
// all packed decimal.
bool ParseYaesu757Reply(std::string_view reply, RigReading& reading) {
  if (reply.size() != kYaesu757StatusLength || !PackedDecimal(reply.substr(5, 5))) return false;
  const std::string digits = BytesToHexDigits(reply.substr(5, 5));
  const std::string frequency = digits.substr(6, 2) + digits.substr(4, 2) + digits.substr(2, 2) + digits.substr(0, 2);
  if (!TakeFrequency(UnitsToMhz(*ReadDecimal(frequency), 100000.0), reading)) return false;
  const int mode = DigitAt(digits, 8) * 10 + DigitAt(digits, 9);
  static constexpr const char* kModes[] = {"PH", "PH", "CW", "CW", "AM", "FM"};
  if (mode < 6) reading.mode = kModes[mode];
  return true;
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
