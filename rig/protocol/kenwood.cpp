// Kenwood and Elecraft ("FA00014250000;", "MD3;"), Kenwood with the IF status record.
#include "rig/protocol/commands.h"
#include "rig/protocol/parsers.h"

namespace ks::rig {
namespace {

// "FA", the frequency in hertz as 11 digits, ";".
constexpr size_t kFrequencyAnswer = 14;
// The status record that answers "IF;": 38 characters with its ";", the frequency in hertz
// at 2, the mode digit at 29 and the VFO digit at 30.
constexpr size_t kStatusRecord = 38;
constexpr size_t kStatusMode = 29;
constexpr size_t kStatusVfo = 30;

// The frequency field of both answers: 11 characters of hertz from position 2, zero- (or
// blank-) padded.
std::optional<double> HertzOf(std::string_view answer) { return ReadPaddedNumber(answer.substr(2, 11)); }

bool IsStatusRecord(std::string_view answer) {
  return answer.size() == kStatusRecord && HertzOf(answer) && DigitAt(answer, kStatusMode) >= 0 &&
         DigitAt(answer, kStatusVfo) >= 0;
}

float FrequencyOf(std::string_view answer) { return HertzToMhz(*HertzOf(answer)); }

}  // namespace

// The key is the request's first two letters: the usual "FA;" answers FA and 11 digits;
// an "IF;" request is answered by the whole status record.
bool ParseKenwoodFrequency(std::string_view reply, const RigRequests& requests, RigReading& reading) {
  if (requests.freq.size() < 3) return false;
  const std::string_view key = std::string_view(requests.freq).substr(0, 2);
  return TakeFirstAnswer(reply, key, ';', [&](std::string_view answer) {
    const bool well_formed = key == "IF" ? IsStatusRecord(answer)
                                         : answer.size() == kFrequencyAnswer && HertzOf(answer);
    return well_formed && TakeFrequency(FrequencyOf(answer), reading);
  });
}

// "MD", one mode digit, ";": 3 (CW) and 7 (CW reverse) are CW, every other mode phone.
bool ParseKenwoodMode(std::string_view reply, RigReading& reading) {
  return TakeModeDigit(reply, "MD", ';', {3, 7}, reading);
}

bool ParseKenwood2Reply(std::string_view reply, RigReading& reading) {
  return TakeFirstAnswer(reply, "IF", ';', [&](std::string_view answer) {
    if (!IsStatusRecord(answer) || !TakeFrequency(FrequencyOf(answer), reading)) return false;
    reading.mode = DigitAt(answer, kStatusMode) == 3 ? "CW" : "PH";
    reading.kenwood_vfo = static_cast<std::uint8_t>(DigitAt(answer, kStatusVfo));
    return true;
  });
}

}  // namespace ks::rig

namespace ks::rig {

std::string KenwoodSetFrequency(float mhz, const RigRequests& requests) {
  return requests.freq.substr(0, 2) + ZeroPadded(MhzToUnits(mhz, 1e6), 11) + ";";
}

std::string Kenwood2SetFrequency(float mhz, std::uint8_t kenwood_vfo) {
  return (kenwood_vfo == 1 ? "FB" : "FA") + ZeroPadded(MhzToUnits(mhz, 1e6), 11) + ";";
}

std::string ElecraftSetFrequency(float mhz) { return "FA" + ZeroPadded(MhzToUnits(mhz, 1e6), 11) + ";"; }

}  // namespace ks::rig
