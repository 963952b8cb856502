// A cluster's byte stream with Telnet commands in it, cut into reads anywhere: the data taken
// out is the same however the reads cut it, every CR in it ends a line (an LF follows it), and
// it is never longer than what was received with an LF more for each CR.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "spots/telnet_commands.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // The first byte gives the length of the reads; the rest is the stream.
  const std::size_t read_length = 1 + data[0] % 16;
  const std::string_view stream(reinterpret_cast<const char*>(data) + 1, size - 1);
  ks::TelnetCommandFilter whole;
  const std::string at_once = whole.Data(stream);
  ks::TelnetCommandFilter pieces;
  std::string in_reads;
  for (std::size_t at = 0; at < stream.size(); at += read_length) in_reads += pieces.Data(stream.substr(at, read_length));
  if (in_reads != at_once) std::abort();
  std::size_t returns = 0;
  for (const char c : stream) returns += c == '\r' ? 1 : 0;
  if (at_once.size() > stream.size() + returns) std::abort();
  for (std::size_t cr = at_once.find('\r'); cr != std::string::npos; cr = at_once.find('\r', cr + 1)) {
    if (cr + 1 == at_once.size() || at_once[cr + 1] != '\n') std::abort();
  }
  return 0;
}
