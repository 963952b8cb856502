#include "platform/vb/line_scanner.h"

#include "platform/vb/ascii.h"

namespace ks::vb {
namespace {

using detail::IsBlank;
using detail::IsLineEnd;
bool IsSeparator(char c) { return c == ',' || IsLineEnd(c); }

}  // namespace

std::size_t LineScanner::ValueEnd(std::size_t from) const {
  while (from < bytes_.size() && !IsSeparator(bytes_[from])) ++from;
  return from;
}

// One comma or one line end; CR LF counts as one.
void LineScanner::SkipSeparator() {
  if (pos_ >= bytes_.size()) return;
  const char c = bytes_[pos_++];
  if (c == '\r' && pos_ < bytes_.size() && bytes_[pos_] == '\n') ++pos_;
}

void LineScanner::SkipBlankLines() {
  for (;;) {
    std::size_t at = pos_;
    while (at < bytes_.size() && IsBlank(bytes_[at])) ++at;
    if (at >= bytes_.size()) {
      pos_ = at;
      return;
    }
    if (!IsLineEnd(bytes_[at])) return;
    pos_ = at;
    SkipSeparator();
  }
}

bool LineScanner::Next(std::string_view& value, bool& quoted) {
  while (pos_ < bytes_.size() && IsBlank(bytes_[pos_])) ++pos_;
  if (AtEnd()) return false;
  quoted = bytes_[pos_] == '"';
  unclosed_ = false;
  after_quote_ = {};
  if (quoted) {
    std::size_t stop = pos_ + 1;
    while (stop < bytes_.size() && bytes_[stop] != '"' && !IsLineEnd(bytes_[stop])) ++stop;
    unclosed_ = stop >= bytes_.size() || bytes_[stop] != '"';
    value = bytes_.substr(pos_ + 1, stop - pos_ - 1);
    const std::size_t after = unclosed_ ? stop : stop + 1;
    pos_ = ValueEnd(after);
    std::size_t last = pos_;
    while (last > after && IsBlank(bytes_[last - 1])) --last;
    after_quote_ = bytes_.substr(after, last - after);
  } else {
    const std::size_t end = ValueEnd(pos_);
    std::size_t last = end;
    while (last > pos_ && bytes_[last - 1] == ' ') --last;
    value = bytes_.substr(pos_, last - pos_);
    pos_ = end;
  }
  ended_line_ = AtEnd() || IsLineEnd(bytes_[pos_]);
  SkipSeparator();
  return true;
}

void LineScanner::SkipRestOfLine() {
  if (ended_line_) return;
  while (pos_ < bytes_.size() && !IsLineEnd(bytes_[pos_])) ++pos_;
  SkipSeparator();
  ended_line_ = true;
}

}  // namespace ks::vb
