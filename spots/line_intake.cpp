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

}  // namespace

std::string_view LineAssembler::UnfinishedLine() const {
  const auto last_lf = pending_.rfind('\n');
  return std::string_view(pending_).substr(last_lf == std::string::npos ? 0 : last_lf + 1);
}

std::string LineAssembler::AppendBlock(std::string_view block) {
  constexpr std::string_view kSpotStart = "DX de ";
  const std::string_view waiting = UnfinishedLine();
  std::string taken;
  if (!waiting.empty() && !BeginsWithDX(waiting) && BeginsWithDX(block)) taken = "\r\n";
  // The block line by line; its first line continues the waiting text unless that was ended.
  for (std::size_t at = 0; at < block.size();) {
    const std::size_t lf = block.find('\n', at);
    const std::size_t end = lf == std::string_view::npos ? block.size() : lf + 1;
    const std::string_view line = block.substr(at, end - at);
    const bool continues = at == 0 && taken.empty() && !waiting.empty();
    const std::string_view head = continues ? waiting : line;
    const std::size_t spot = line.find(kSpotStart);
    if (spot != std::string_view::npos && !BeginsWithDX(head) && (spot > 0 || continues)) {
      taken.append(line.substr(0, spot)).append("\r\n").append(line.substr(spot));
    } else {
      taken.append(line);
    }
    at = end;
  }
  Append(taken);
  return taken;
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
