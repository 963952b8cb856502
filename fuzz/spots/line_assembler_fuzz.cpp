// Received text in pieces, as a TNC or a cluster sends it: the pieces cut at lengths taken
// from the input itself. Every line comes out whole and the unfinished tail stays bounded.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "spots/line_intake.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  ks::LineAssembler lines(64);
  std::string shown;
  std::size_t at = 0;
  while (at < input.size()) {
    const std::size_t piece = 1 + static_cast<unsigned char>(input[at]) % 17;
    lines.Append(input.substr(at, piece));
    at += piece;
    while (auto line = lines.NextLine()) {
      if (line->empty() || line->back() != '\n') std::abort();
      if (!ks::IsRecentRepeat(*line, shown)) shown += *line;
      ks::TrimShownText(shown);
      if (shown.size() > ks::kShownTextLimit) std::abort();
    }
    if (lines.Pending().size() > 64 || lines.Pending().find('\n') != std::string::npos) std::abort();
  }
  return 0;
}
