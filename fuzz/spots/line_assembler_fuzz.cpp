// Received text in pieces, as a TNC or a cluster sends it: each piece follows a control byte
// of the input that gives its length and whether it is added as a plain piece or as a block
// as the source delivered it. Every line comes out whole and the unfinished tail stays bounded.
// A plain piece goes in unchanged. A block loses nothing and gains only line ends, each put
// before a "DX" and after a non-empty line that does not begin with "DX" (a line that begins
// with "DX" is never cut); a block that begins with "DX" after waiting text starts a line unless
// it continues a line beginning with "DX"; and no line a block ends holds a "DX de " after its
// start unless it begins with "DX". Cleaned for showing, a line keeps no control character but
// its line end.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "spots/line_intake.h"

namespace {

constexpr std::size_t kMaxPending = 64;

bool BeginsWithDX(std::string_view text) {
  return text.size() >= 2 && (text[0] | 0x20) == 'd' && (text[1] | 0x20) == 'x';
}

// The text of the current line of `out` that begins at `begin`, to its line feed.
std::string_view LineAt(const std::string& out, std::size_t begin) {
  const auto lf = out.find('\n', begin);
  return std::string_view(out).substr(begin, lf == std::string::npos ? std::string::npos : lf + 1 - begin);
}

// `out` is the first `end` characters of `in` with line ends put in only where a block may put
// them; `block_at` is where the block begins in `in`.
bool OnlyLineEndsBeforeSpots(std::string_view in, const std::string& out, std::size_t block_at, std::size_t end) {
  const bool block_is_spot = block_at > 0 && BeginsWithDX(in.substr(block_at));
  std::size_t i = 0, j = 0, begin = 0;
  while (i < end) {
    if (j < out.size() && out[j] == in[i]) {
      if (i == block_at && block_is_spot && j != begin && !BeginsWithDX(LineAt(out, begin))) return false;
      if (out[j] == '\n') begin = j + 1;
      ++i, ++j;
      continue;
    }
    const bool put_in = std::string_view(out).substr(j, 2) == "\r\n" && BeginsWithDX(in.substr(i));
    if (!put_in || j == begin || BeginsWithDX(LineAt(out, begin))) return false;
    j += 2;
    begin = j;
  }
  return j == out.size();
}

// `given` is `text` with line ends put in before "DX" only.
bool WithLineEndsBeforeDX(std::string_view text, std::string_view given) {
  std::size_t i = 0, j = 0;
  while (j < given.size()) {
    if (i < text.size() && given[j] == text[i]) {
      ++i, ++j;
    } else if (given.substr(j, 2) == "\r\n" && BeginsWithDX(text.substr(i))) {
      j += 2;
    } else {
      return false;
    }
  }
  return i == text.size();
}

bool HoldsNoSpotAfterItsStart(std::string_view line) {
  return BeginsWithDX(line) || line.find("DX de ", 1) == std::string_view::npos;
}

void CheckShownLine(const std::string& line, std::string& shown) {
  const std::string cleaned = ks::WithoutControlCharacters(line);
  if (cleaned.size() > line.size() || cleaned.back() != '\n') std::abort();
  for (const char c : cleaned)
    if ((static_cast<unsigned char>(c) < 0x20 && c != '\r' && c != '\n') || c == '\x7f') std::abort();
  if (!ks::IsRecentRepeat(line, shown)) shown += line;
  ks::TrimShownText(shown);
  if (shown.size() > ks::kShownTextLimit) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  ks::LineAssembler lines(kMaxPending);
  std::string shown;
  std::size_t at = 0;
  while (at < input.size()) {
    const auto control = static_cast<unsigned char>(input[at]);
    const std::size_t piece = 1 + control % 32;
    const std::string_view text = input.substr(at + 1, piece);
    at += 1 + piece;
    const std::string waiting = lines.Pending();
    const bool as_block = control & 0x80;
    std::string given;
    if (as_block) {
      given = lines.AppendBlock(text);
    } else {
      lines.Append(text);
    }
    std::string out;
    while (auto line = lines.NextLine()) {
      if (line->empty() || line->back() != '\n') std::abort();
      if (as_block && !HoldsNoSpotAfterItsStart(*line)) std::abort();
      CheckShownLine(*line, shown);
      out += *line;
    }
    const std::string& pending = lines.Pending();
    if (pending.size() > kMaxPending || pending.find('\n') != std::string::npos) std::abort();
    // A tail cut to its bound lost its oldest part: only what was given is compared then.
    const bool cut = pending.size() == kMaxPending;
    out += pending;
    const std::string in = waiting + std::string(text);
    if (!as_block) {
      if (!cut && out != in) std::abort();
      continue;
    }
    // The block as given back for showing holds its own text and the line ends put in it.
    if (!WithLineEndsBeforeDX(text, given)) std::abort();
    if (cut) continue;
    if (!HoldsNoSpotAfterItsStart(pending) || !OnlyLineEndsBeforeSpots(in, out, waiting.size(), in.size()))
      std::abort();
    if (!out.ends_with(given)) std::abort();
    const std::string before_block = out.substr(0, out.size() - given.size());
    // A line end put before a "DX de " whose start came earlier stays out of the shown block.
    if (!OnlyLineEndsBeforeSpots(in, before_block, waiting.size(), waiting.size())) std::abort();
  }
  return 0;
}
