// The Yaesu FTdx9000 text protocol ("FA14250000;", "MD03;"): one reply may answer either
// request, so both keys are looked for.
#include "rig/protocol/commands.h"
#include "rig/protocol/parsers.h"

namespace ks::rig {
namespace {

bool IsModeCode(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); }

}  // namespace

// "FA", 8 digits of hertz, ";" and "MD0", one mode code (a hex digit), ";"; the keys come
// from the request boxes (the first two and three characters).
bool ParseFTdx9000Reply(std::string_view reply, const RigRequests& requests, RigReading& reading) {
  const std::string_view freq_key = std::string_view(requests.freq).substr(0, 2);
  const std::string_view mode_key = std::string_view(requests.mode).substr(0, 3);
  const bool frequency = freq_key.size() == 2 && TakeFirstAnswer(reply, freq_key, ';', [&](std::string_view answer) {
    if (answer.size() != 11 || !AllDigits(answer.substr(2, 8))) return false;
    reading.frequency = HertzToMhz(*ReadDecimal(answer.substr(2, 8)));
    return true;
  });
  const bool mode = mode_key.size() == 3 && TakeFirstAnswer(reply, mode_key, ';', [&](std::string_view answer) {
    if (answer.size() != 5 || !IsModeCode(answer[3])) return false;
    reading.mode = answer[3] == '3' ? "CW" : "PH";
    return true;
  });
  return frequency || mode;
}

}  // namespace ks::rig

namespace ks::rig {

std::string FTdx9000SetFrequency(float mhz, const RigRequests& requests) {
  return requests.freq.substr(0, 2) + ZeroPadded(MhzToUnits(mhz, 1e6), 8) + ";";
}

}  // namespace ks::rig
