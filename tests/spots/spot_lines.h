#pragma once
// Spot lines as DX clusters send them, built at the columns the parser reads: frequency in
// 16 to 24, call in 27 to 39, comment in 40 to 69, time in 71 to 75, the spotter's
// locator in 76 to 79 (where the spot list's "From" column reads it).
#include <string>

namespace ks::testing {

inline std::string Pad(std::string text, std::size_t width) {
  text.resize(width, ' ');
  return text;
}

inline std::string ClusterSpot(const std::string& spotter, const std::string& khz, const std::string& call,
                               const std::string& comment = "CW 599", const std::string& time = "1902Z",
                               const std::string& locator = "FN20") {
  std::string freq = khz;
  if (freq.size() < 9) freq = std::string(9 - freq.size(), ' ') + freq;
  return Pad("DX de " + spotter + ":", 15) + freq + "  " + Pad(call, 13) + Pad(comment, 30) + " " + time + locator;
}

}  // namespace ks::testing
