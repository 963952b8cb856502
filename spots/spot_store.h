#pragma once
// The store of the last 50 spots that both band maps draw: four parallel arrays, slot 49 the
// newest. One store per run (app.State<SpotStore>()), in memory only and empty at start.
#include <array>
#include <string>
#include <string_view>

#include "platform/vb/datetime.h"

namespace ks {

inline constexpr int kSpotSlots = 50;
inline constexpr int kNewestSpotSlot = kSpotSlots - 1;

struct SpotStore {
  std::array<std::string, kSpotSlots> SpotCall;
  std::array<float, kSpotSlots> SpotFreq{};  // MHz; 0: the slot is shown on no map
  std::array<vb::DateTime, kSpotSlots> SpotTime;  // local time of arrival
  std::array<std::string, kSpotSlots> SpotLabel;

  // Shifts every spot one slot down (slot 0 is lost), puts the new spot into slot 49 and
  // takes the older spot of the same call (ignoring case; slots 48 down to 1, the first
  // found) off the maps.
  void Add(const std::string& call, float mhz, const vb::DateTime& arrived);
};

// The short band-map caption of a call: the call up to its last digit ("K1ABC" -> "K1"),
// the prefix before a slash in the first half ("VE3/K1ABC" -> "VE3"), or the part after a
// later slash ("K1ABC/VE3" -> "VE3", "K1ABC/4" -> "K4"). Calls under 3 characters give "".
std::string MakeSpotLabel(std::string_view call);

}  // namespace ks
