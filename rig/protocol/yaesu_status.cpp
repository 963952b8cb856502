// The status records of the Yaesu 890, 920, 990, 1000 D and 1000: the frequency as hex
// digits at a place that differs by model, the mode in the low half of byte 8. A record has
// no end mark, so it is taken only at a length the model sends for its update command
// (00 00 00 02 10) and with a decimal mode digit.
#include <array>

#include "rig/protocol/hex.h"
#include "rig/protocol/parsers.h"

namespace ks::rig {
namespace {

struct StatusLayout {
  std::array<size_t, 2> lengths;  // the record's lengths in bytes (one or two VFOs)
  size_t first_digit;             // 1-based hex digit of the record
  size_t digit_count;
  double per_mhz;                 // units of the number per MHz
  bool cw_on_one;                 // the 920's mode digit: 1 is CW, anything else phone
};

constexpr StatusLayout k890{{19, 19}, 5, 6, 100000.0, false};
constexpr StatusLayout k1000{{16, 32}, 4, 6, 100000.0, false};
constexpr StatusLayout k990{{16, 32}, 3, 6, 100000.0, false};
constexpr StatusLayout k920{{28, 28}, 3, 8, 1000000.0, true};
constexpr size_t kModeDigit = 15;  // the low half of byte 8

bool ParseStatusRecord(std::string_view reply, const StatusLayout& layout, RigReading& reading) {
  if (reply.size() != layout.lengths[0] && reply.size() != layout.lengths[1]) return false;
  const std::string digits = BytesToHexDigits(reply);
  const int mode = DigitAt(digits, kModeDigit);
  auto number = ReadHex(std::string_view(digits).substr(layout.first_digit - 1, layout.digit_count));
  if (mode < 0 || !number || !TakeFrequency(UnitsToMhz(static_cast<double>(*number), layout.per_mhz), reading)) {
    return false;
  }
  if (layout.cw_on_one) {
    reading.mode = mode == 1 ? "CW" : "PH";
  } else if (mode == 2) {
    reading.mode = "CW";
  } else if (mode <= 7) {
    reading.mode = "PH";
  }
  return true;
}

}  // namespace

bool ParseYaesu890Reply(std::string_view reply, RigReading& reading) { return ParseStatusRecord(reply, k890, reading); }
bool ParseYaesu920Reply(std::string_view reply, RigReading& reading) { return ParseStatusRecord(reply, k920, reading); }
bool ParseYaesu990Reply(std::string_view reply, RigReading& reading) { return ParseStatusRecord(reply, k990, reading); }
bool ParseYaesu1000Reply(std::string_view reply, RigReading& reading) { return ParseStatusRecord(reply, k1000, reading); }

}  // namespace ks::rig
