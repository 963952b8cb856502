// The Ten Tec Orion ("@AF14250000<CR>", "@RMM3<CR>").
#include <string>

#include "rig/protocol/commands.h"
#include "rig/protocol/parsers.h"

namespace ks::rig {

// "@AF", the frequency in hertz (at most 9 digits), a carriage return.
bool ParseOrionFrequency(std::string_view reply, RigReading& reading) {
  return TakeFirstAnswer(reply, "@AF", '\r', [&](std::string_view answer) {
    const std::string_view digits = answer.substr(3, answer.size() - 4);
    if (digits.size() > 9 || !AllDigits(digits)) return false;
    reading.frequency = HertzToMhz(*ReadDecimal(digits));
    return true;
  });
}

// "@RMM", one mode digit, a carriage return: 2 and 3 (the two CW sidebands) are CW.
bool ParseOrionMode(std::string_view reply, RigReading& reading) {
  return TakeModeDigit(reply, "@RMM", '\r', {2, 3}, reading);
}

}  // namespace ks::rig

namespace ks::rig {

// "*AF14250000" and a carriage return: the radio takes the frequency in whole hertz, as it
// reports it.
std::string OrionSetFrequency(float mhz) { return "*AF" + std::to_string(MhzToUnits(mhz, 1e6)) + "\r"; }

}  // namespace ks::rig
