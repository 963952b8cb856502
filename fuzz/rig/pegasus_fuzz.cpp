// PEGASUS.OUT of any bytes. A file that is read gives a frequency above zero and a mode that
// is empty, "CW" or "PH"; one that is not leaves the reading as it was. Whatever stands after
// the last line end (the part of the file its program has not finished writing) changes
// nothing: the same bytes with more of an unfinished line after them read the same.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "rig/protocol/parsers.h"

namespace {

struct Outcome {
  bool taken;
  ks::rig::RigReading reading;
};

Outcome Read(const std::string& text) {
  Outcome out{false, {7.0f, "XX", 10}};
  out.taken = ks::rig::ParsePegasusOut(text, out.reading);
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const Outcome out = Read(text);
  const auto& r = out.reading;
  if (!out.taken && (r.frequency != 7.0f || r.mode != "XX")) std::abort();
  if (out.taken && !(r.frequency > 0 && std::isfinite(r.frequency))) std::abort();
  if (r.mode != "XX" && !r.mode.empty() && r.mode != "CW" && r.mode != "PH") std::abort();

  std::string unfinished;
  for (char c : text)
    if (c != '\r' && c != '\n') unfinished += c;
  const Outcome longer = Read(text + unfinished);
  if (longer.taken != out.taken || longer.reading.frequency != r.frequency || longer.reading.mode != r.mode) {
    std::abort();
  }
  return 0;
}
