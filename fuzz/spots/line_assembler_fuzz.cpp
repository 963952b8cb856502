// Received text in pieces, as a TNC or a cluster sends it: each piece follows a control byte
// of the input that gives its length and whether it is added as a plain piece or as a block
// as the source delivered it. Every line comes out whole, the unfinished tail stays bounded, and a block that begins
// with "DX" after a waiting text that is not a spot leaves that text as a line of its own.
// Cleaned for showing, a line keeps no control character but its line end.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "spots/line_intake.h"

namespace {

bool BeginsWithDX(std::string_view text) {
  return text.size() >= 2 && (text[0] | 0x20) == 'd' && (text[1] | 0x20) == 'x';
}

std::string WithoutCrLf(std::string_view text) {
  std::string kept(text);
  for (auto at = kept.find("\r\n"); at != std::string::npos; at = kept.find("\r\n")) kept.erase(at, 2);
  return kept;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  ks::LineAssembler lines(64);
  std::string shown;
  std::size_t at = 0;
  while (at < input.size()) {
    const auto control = static_cast<unsigned char>(input[at]);
    const std::size_t piece = 1 + control % 32;
    const std::string_view text = input.substr(at + 1, piece);
    const std::string waiting = lines.Pending();
    const bool as_block = control & 0x80;
    const bool ends_waiting = as_block && !waiting.empty() && !BeginsWithDX(waiting) && BeginsWithDX(text);
    if (as_block) {
      // What is taken in is the block with line ends added, one before the block when it
      // ended the waiting text.
      const std::string taken = lines.AppendBlock(text);
      if (ends_waiting && taken.rfind("\r\n", 0) != 0) std::abort();
      if (WithoutCrLf(taken) != WithoutCrLf(text)) std::abort();
    } else {
      lines.Append(text);
    }
    at += 1 + piece;
    bool first = true;
    while (auto line = lines.NextLine()) {
      if (line->empty() || line->back() != '\n') std::abort();
      if (first && ends_waiting && *line != waiting + "\r\n") std::abort();
      first = false;
      const std::string cleaned = ks::WithoutControlCharacters(*line);
      if (cleaned.size() > line->size() || cleaned.back() != '\n') std::abort();
      for (const char c : cleaned)
        if ((static_cast<unsigned char>(c) < 0x20 && c != '\r' && c != '\n') || c == '\x7f') std::abort();
      if (!ks::IsRecentRepeat(*line, shown)) shown += *line;
      ks::TrimShownText(shown);
      if (shown.size() > ks::kShownTextLimit) std::abort();
    }
    if (lines.Pending().size() > 64 || lines.Pending().find('\n') != std::string::npos) std::abort();
  }
  return 0;
}
