// The status records of the Yaesu 890, 920, 990, 1000 D and 1000: the frequency as hex
// digits at a place that differs by model, the mode in the low half of byte 8.
#include "rig/protocol/hex.h"
#include "rig/protocol/parsers.h"

namespace ks::rig {
namespace {

struct StatusLayout {
  size_t first_digit;  // 1-based hex digit of the record
  size_t digit_count;
  double per_mhz;      // units of the number per MHz
  bool cw_on_one;      // the 920's mode digit: 1 is CW, anything else phone
};

constexpr StatusLayout k890{5, 6, 100000.0, false};
constexpr StatusLayout k1000{4, 6, 100000.0, false};
constexpr StatusLayout k990{3, 6, 100000.0, false};
constexpr StatusLayout k920{3, 8, 1000000.0, true};

void ParseStatusRecord(std::string_view reply, const StatusLayout& layout, RigReading& reading) {
  if (reply.size() < 5) return;
  const std::string digits = BytesToHexDigits(reply);
  auto number = ReadHex(std::string_view(digits).substr(layout.first_digit - 1, layout.digit_count));
  if (!number) return;
  reading.frequency = UnitsToMhz(static_cast<double>(*number), layout.per_mhz);
  if (layout.cw_on_one) {
    reading.mode = DigitAt(digits, 15) == 1 ? "CW" : "PH";
    return;
  }
  int mode = DigitAt(digits, 15);  // -1 past the end or for a letter
  if (mode == 2) {
    reading.mode = "CW";
  } else if (mode >= 0 && mode <= 7) {
    reading.mode = "PH";
  }
}

}  // namespace

void ParseYaesu890Reply(std::string_view reply, RigReading& reading) { ParseStatusRecord(reply, k890, reading); }
void ParseYaesu920Reply(std::string_view reply, RigReading& reading) { ParseStatusRecord(reply, k920, reading); }
void ParseYaesu990Reply(std::string_view reply, RigReading& reading) { ParseStatusRecord(reply, k990, reading); }
void ParseYaesu1000Reply(std::string_view reply, RigReading& reading) { ParseStatusRecord(reply, k1000, reading); }

}  // namespace ks::rig
