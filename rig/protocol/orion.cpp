// The Ten Tec Orion ("@AF14250000<CR>", "@RMM3<CR>").
#include <string>

#include "rig/protocol/commands.h"
#include "rig/protocol/parsers.h"

namespace ks::rig {

// "@AF", the frequency in hertz, a carriage return. The radio writes the hertz in a field of
// eight, so below 10 MHz a blank stands before the seven digits ("@AF 7040000"). A shorter
// field lost characters on the way ("@AF1407400" is 14.074 MHz cut, not 1.4074), and a
// number of more than nine digits (a gigahertz and up) is no frequency of the radio.
bool ParseOrionFrequency(std::string_view reply, RigReading& reading) {
  constexpr size_t kFieldWidth = 8;
  return TakeFirstAnswer(reply, "@AF", '\r', [&](std::string_view answer) {
    const std::string_view field = answer.substr(3, answer.size() - 4);
    const auto hertz = field.size() >= kFieldWidth ? ReadPaddedNumber(field) : std::nullopt;
    return hertz && *hertz < 1e9 && TakeFrequency(HertzToMhz(*hertz), reading);
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
