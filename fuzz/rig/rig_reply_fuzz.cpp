// A radio's reply, of any length and any bytes, through its family's parsers, with either
// request last, and the request texts taken from the input's first line. A reply that is not
// taken leaves the reading exactly as it was, and one without a frequency answer its
// frequency; one that is taken leaves a frequency that is a number and a mode the parsers
// know, and a frequency answer a frequency above zero (zero hertz is no reading).
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "rig/protocol/families.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  const auto& family = ks::rig::FindRigFamily(RIG_FAMILY);
  if (family.name != RIG_FAMILY) std::abort();
  ks::rig::RigRequests requests{"FA;", "MD0;"};
  if (size_t newline = input.find('\n'); newline != std::string_view::npos && newline < 40) {
    requests.freq = std::string(input.substr(0, newline / 2));
    requests.mode = std::string(input.substr(newline / 2, newline - newline / 2));
    input.remove_prefix(newline + 1);
  }
  for (std::uint8_t alternate : {0, 1}) {
    const ks::rig::RigReading before{7.0f, "XX", 10};
    ks::rig::RigReading reading = before;
    const ks::rig::ReplyTaken taken = ks::rig::ParseReply(family, input, requests, alternate, reading);
    if (!taken.answer && (reading.frequency != before.frequency || reading.mode != before.mode ||
                          reading.kenwood_vfo != before.kenwood_vfo))
      std::abort();
    if (!taken.frequency && reading.frequency != before.frequency) std::abort();
    if (taken.frequency && !(reading.frequency > 0)) std::abort();
    if (!std::isfinite(reading.frequency) || reading.frequency < 0) std::abort();
    if (reading.mode != "XX" && reading.mode != "CW" && reading.mode != "PH" && reading.mode != "AM" &&
        reading.mode != "FM")
      std::abort();
    std::uint8_t turn = alternate;
    (void)ks::rig::PollRequestBytes(family, requests, turn, alternate == 1);
    (void)ks::rig::SetFrequencyCommand(family, reading.frequency, requests, reading.kenwood_vfo);
    (void)ks::rig::SetModeCommand(family, reading.mode, requests);
  }
  return 0;
}
