// The Yaesu FTdx9000 text protocol ("FA14250000;", "MD03;"): one reply may answer either
// request, so both keys are looked for.
#include "rig/protocol/commands.h"
#include "rig/protocol/parsers.h"

namespace ks::rig {

void ParseFTdx9000Reply(std::string_view reply, const RigRequests& requests, RigReading& reading) {
  if (auto p = FindKey(reply, std::string_view(requests.freq).substr(0, 2))) {
    if (auto digits = Slice(reply, *p + 2, 8)) {
      if (auto hz = ReadDecimal(*digits)) reading.frequency = HertzToMhz(*hz);
    }
  }
  if (auto p = FindKey(reply, std::string_view(requests.mode).substr(0, 3))) {
    if (*p + 3 < reply.size()) reading.mode = reply[*p + 3] == '3' ? "CW" : "PH";
  }
}

}  // namespace ks::rig

namespace ks::rig {

std::string FTdx9000SetFrequency(float mhz, const RigRequests& requests) {
  return requests.freq.substr(0, 2) + ZeroPadded(MhzToUnits(mhz, 1e6), 8) + ";";
}

}  // namespace ks::rig
