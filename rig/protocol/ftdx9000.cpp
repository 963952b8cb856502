// The Yaesu FTdx9000 text protocol ("FA14250000;", "MD03;"): one reply may answer either
// request, so both keys are looked for.
#include "rig/protocol/commands.h"
#include "rig/protocol/parsers.h"

namespace ks::rig {
namespace {

bool IsModeCode(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); }

}  // namespace

// "FA", 8 digits of hertz (zero- or blank-padded), ";"; the key is the first two characters
// of the frequency request.
bool ParseFTdx9000Frequency(std::string_view reply, const RigRequests& requests, RigReading& reading) {
  const std::string_view key = std::string_view(requests.freq).substr(0, 2);
  return key.size() == 2 && TakeFirstAnswer(reply, key, ';', [&](std::string_view answer) {
    const auto hertz = answer.size() == 11 ? ReadPaddedNumber(answer.substr(2, 8)) : std::nullopt;
    return hertz && TakeFrequency(HertzToMhz(*hertz), reading);
  });
}

// "MD0", one mode code (a hex digit), ";"; the key is the first three characters of the mode
// request.
bool ParseFTdx9000Mode(std::string_view reply, const RigRequests& requests, RigReading& reading) {
  const std::string_view key = std::string_view(requests.mode).substr(0, 3);
  return key.size() == 3 && TakeFirstAnswer(reply, key, ';', [&](std::string_view answer) {
    if (answer.size() != 5 || !IsModeCode(answer[3])) return false;
    reading.mode = answer[3] == '3' ? "CW" : "PH";
    return true;
  });
}

}  // namespace ks::rig

namespace ks::rig {

std::string FTdx9000SetFrequency(float mhz, const RigRequests& requests) {
  return requests.freq.substr(0, 2) + ZeroPadded(MhzToUnits(mhz, 1e6), 8) + ";";
}

}  // namespace ks::rig
