#include "spots/line_intake.h"

#include <algorithm>

namespace ks {

void LineAssembler::Append(std::string_view text) {
  pending_.append(text);
  // Bound the unfinished line after the last line feed: keep its newest part.
  const auto last_lf = pending_.rfind('\n');
  const std::size_t start = last_lf == std::string::npos ? 0 : last_lf + 1;
  const std::size_t unfinished = pending_.size() - start;
  if (unfinished <= max_pending_) return;
  const std::size_t keep = std::min(kKeptAfterOverflow, max_pending_);
  pending_.erase(start, unfinished - keep);
}

namespace {

bool BeginsWithDX(std::string_view text) {
  return text.size() >= 2 && (text[0] == 'D' || text[0] == 'd') && (text[1] == 'X' || text[1] == 'x');
}

constexpr std::string_view kSpotStart = "DX de ";

}  // namespace

std::string LineAssembler::AppendBlock(std::string_view block) {
  // The unfinished line is taken out and put back with the block, line ends put in before spots.
  const auto last_lf = pending_.rfind('\n');
  const std::size_t line_start = last_lf == std::string::npos ? 0 : last_lf + 1;
  std::string text = pending_.substr(line_start);
  const std::size_t block_at = text.size();
  text.append(block);
  pending_.resize(line_start);

  std::string lines;
  lines.reserve(text.size() + 16);
  std::size_t begin = 0;  // where the current line begins in `lines`
  std::size_t shown_at = lines.size();
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (i == block_at) shown_at = lines.size();
    const std::string_view rest = std::string_view(text).substr(i);
    const bool spot_starts = rest.starts_with(kSpotStart) || (i == block_at && BeginsWithDX(rest));
    if (spot_starts && lines.size() > begin && !BeginsWithDX(std::string_view(lines).substr(begin))) {
      lines += "\r\n";
      begin = lines.size();
    }
    lines += text[i];
    if (text[i] == '\n') begin = lines.size();
  }
  if (block_at == text.size()) shown_at = lines.size();
  Append(lines);
  return lines.substr(shown_at);
}

std::optional<std::string> LineAssembler::NextLine() {
  const auto lf = pending_.find('\n');
  if (lf == std::string::npos) return std::nullopt;
  std::string line = pending_.substr(0, lf + 1);
  pending_.erase(0, lf + 1);
  return line;
}

namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameNoCase(char a, char b) { return Lower(a) == Lower(b); }

}  // namespace

bool IsRecentRepeat(std::string_view line, std::string_view shown) {
  constexpr std::size_t kWindow = 801;
  const std::string_view tail = shown.size() > kWindow ? shown.substr(shown.size() - kWindow) : shown;
  if (line.empty()) return true;
  return std::search(tail.begin(), tail.end(), line.begin(), line.end(), SameNoCase) != tail.end();
}

bool TrimShownText(std::string& shown) {
  if (shown.size() <= kShownTextLimit) return false;
  shown.erase(0, shown.size() - kShownTextKept);
  return true;
}

std::string WithoutControlCharacters(std::string_view text) {
  std::string kept;
  kept.reserve(text.size());
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte >= 0x20 && byte != 0x7F) || c == '\r' || c == '\n') kept += c;
  }
  return kept;
}

std::string_view WithoutLineEnd(std::string_view line) {
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
  return line;
}

}  // namespace ks
