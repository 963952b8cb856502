// Kenwood and Elecraft ("FA00014250000;", "MD3;"), Kenwood with the IF status record.
#include "rig/protocol/commands.h"
#include "rig/protocol/parsers.h"

namespace ks::rig {

void ParseKenwoodFrequency(std::string_view reply, const RigRequests& requests, RigReading& reading) {
  if (requests.freq.size() < 3) return;
  auto p = FindKey(reply, std::string_view(requests.freq).substr(0, 2));
  if (!p || reply.size() <= *p + 13) return;  // the 11 digits and one character after them
  if (auto hz = ReadDecimal(reply.substr(*p + 2, 11))) reading.frequency = HertzToMhz(*hz);
}

void ParseKenwoodMode(std::string_view reply, RigReading& reading) {
  auto p = FindKey(reply, "MD");
  if (!p || reply.size() <= *p + 2) return;
  reading.mode = "PH";
  int digit = DigitAt(reply, *p + 2);
  if (digit == 3 || digit == 7) reading.mode = "CW";
}

void ParseKenwood2Reply(std::string_view reply, RigReading& reading) {
  auto p = FindKey(reply, "IF");
  if (!p || reply.size() <= *p + 13) return;
  auto hz = ReadDecimal(reply.substr(*p + 2, 11));
  if (!hz) return;
  reading.frequency = HertzToMhz(*hz);
  reading.mode = "PH";
  if (DigitAt(reply, *p + 29) == 3) reading.mode = "CW";
  if (int vfo = DigitAt(reply, *p + 30); vfo >= 0) reading.kenwood_vfo = static_cast<std::uint8_t>(vfo);
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
