// The settings files' line format (QSOpref.txt, cw.txt, the tables), as a damaged file may
// hold it: every kind of read, chosen by the input's first byte, until the reader is at its
// end. Each read must consume bytes or fail, so the loop ends.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/vb/line_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const unsigned kinds = data[0];
  ks::vb::LineReader reader(std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
  std::size_t reads = 0;
  std::size_t line = reader.LineNumber();
  while (!reader.AtEnd()) {
    // Every value takes at least one byte, so there are never more reads than bytes.
    if (++reads > size) std::abort();
    switch ((kinds >> (reads % 4 * 2)) & 3) {
      case 0: (void)reader.ReadText(); break;
      case 1: (void)reader.ReadLong(); break;
      case 2: (void)reader.ReadSingle(); break;
      default: (void)reader.ReadAny(); break;
    }
    if (reads % 5 == 0) reader.SkipBlankLines();
    if (reads % 7 == 0) reader.SkipRestOfLine();
    // Line numbers only grow, and stay within the bytes' line count.
    const std::size_t now = reader.LineNumber();
    if (now < line || now > size + 1) std::abort();
    line = now;
  }
  return 0;
}
