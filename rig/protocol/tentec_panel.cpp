// The Ten Tec front-panel protocol: the frequency in hertz in bytes 2 to 5, most
// significant first; the mode in the low half of byte 2 of the mode answer.
#include <algorithm>

#include "rig/protocol/hex.h"
#include "rig/protocol/commands.h"
#include "rig/protocol/parsers.h"

namespace ks::rig {

void ParseTenTecFrequency(std::string_view reply, RigReading& reading) {
  if (reply.size() < 5) return;
  auto hz = ReadHex(BytesToHexDigits(reply.substr(1, 4)));
  if (hz) reading.frequency = HertzToMhz(static_cast<double>(*hz));
}

void ParseTenTecMode(std::string_view reply, RigReading& reading) {
  if (reply.size() < 3) return;
  const int mode = static_cast<unsigned char>(reply[1]) % 16;
  if (mode == 3) {
    reading.mode = "CW";
  } else if (mode == 0 || mode == 1 || mode == 2 || mode == 4) {
    reading.mode = "PH";
  }
}

}  // namespace ks::rig

namespace ks::rig {

// 2A 41 ("*A"), the hertz as a 32-bit number most significant byte first, 0D.
std::string TenTecPanelSetFrequency(float mhz) {
  const auto hz = static_cast<unsigned long long>(std::min<long long>(MhzToUnits(mhz, 1e6), 0xFFFFFFFFLL));
  std::string command = "*A";
  for (int shift = 24; shift >= 0; shift -= 8) command += static_cast<char>((hz >> shift) & 0xFF);
  return command + "\r";
}

}  // namespace ks::rig
