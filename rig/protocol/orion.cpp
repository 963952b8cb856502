// The Ten Tec Orion ("@AF14250000<CR>", "@RMM3").
#include "platform/vb/number_text.h"
#include "rig/protocol/commands.h"
#include "rig/protocol/parsers.h"

namespace ks::rig {

void ParseOrionFrequency(std::string_view reply, RigReading& reading) {
  auto p = FindKey(reply, "@AF");
  if (!p) return;
  size_t cr = reply.find('\r', *p);
  if (cr == std::string_view::npos) return;
  if (auto hz = ReadDecimal(reply.substr(*p + 3, cr - (*p + 3)))) reading.frequency = HertzToMhz(*hz);
}

void ParseOrionMode(std::string_view reply, RigReading& reading) {
  auto p = FindKey(reply, "@RMM");
  if (!p) return;
  reading.mode = "PH";
  int digit = DigitAt(reply, *p + 4);
  if (digit == 2 || digit == 3) reading.mode = "CW";
}

}  // namespace ks::rig

namespace ks::rig {

// "*AF14.25" and a carriage return: up to seven significant digits, trailing zeros dropped.
std::string OrionSetFrequency(float mhz) { return "*AF" + vb::FormatSingle(mhz) + "\r"; }

}  // namespace ks::rig
