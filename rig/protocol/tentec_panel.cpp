// The Ten Tec front-panel protocol: the frequency in hertz in bytes 2 to 5, most
// significant first; the mode in the low half of byte 2 of the mode answer.
#include <algorithm>

#include "rig/protocol/hex.h"
#include "rig/protocol/commands.h"
#include "rig/protocol/parsers.h"

namespace ks::rig {

// "A", the four frequency bytes, a carriage return: exactly six bytes.
bool ParseTenTecFrequency(std::string_view reply, RigReading& reading) {
  if (reply.size() != 6 || reply.front() != 'A' || reply.back() != '\r') return false;
  auto hz = ReadHex(BytesToHexDigits(reply.substr(1, 4)));
  return hz && TakeFrequency(HertzToMhz(static_cast<double>(*hz)), reading);
}

// "M", the mode of the main receiver (and of the sub receiver), a carriage return; the low
// half of the mode byte is 0 to 4, of which 3 is CW.
bool ParseTenTecMode(std::string_view reply, RigReading& reading) {
  if ((reply.size() != 3 && reply.size() != 4) || reply.front() != 'M' || reply.back() != '\r') return false;
  const int mode = static_cast<unsigned char>(reply[1]) % 16;
  if (mode > 4) return false;
  reading.mode = mode == 3 ? "CW" : "PH";
  return true;
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
