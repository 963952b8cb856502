// The Pegasus control program's PEGASUS.OUT: written as the toolkit's file write statement
// writes, values ended by commas and line ends.
#include "platform/vb/line_format.h"
#include "rig/protocol/parsers.h"

namespace ks::rig {

bool ParsePegasusOut(std::string bytes, RigReading& reading) {
  const size_t last_end = bytes.find_last_of("\r\n");
  if (last_end == std::string::npos) return false;
  bytes.resize(last_end + 1);
  vb::LineReader reader(std::move(bytes));
  const auto value = reader.ReadSingle();
  if (!value || !TakeFrequency(*value, reading)) return false;
  auto mode = reader.ReadText();
  if (!mode) return true;
  if (!mode->empty() && *mode != "CW") *mode = "PH";
  reading.mode = std::move(*mode);
  return true;
}

}  // namespace ks::rig
