#pragma once
// Reads the values of the settings line format from bytes in place, without copying them.
// LineReader reads through it; the loader of log.txt uses it directly and assigns each value
// straight into the string it replaces, so that a reload of a long log allocates nothing it
// already had. The reading rules: a comma or a line end (CR LF, LF or CR) ends a value and the next value
// may start on the next line; blanks before a value are skipped; a quoted value runs to the
// next double quote on its line (to its line end when there is none: the writer never puts
// a line end inside a text, so one broken text cannot swallow the lines after it) and
// anything after the closing quote up to the separator is skipped (and told, for a reader that
// must not lose it); any other value runs to the separator, trailing blanks trimmed.
#include <cstddef>
#include <string_view>

#include "platform/io/text_encoding.h"

namespace ks::vb {

class LineScanner {
 public:
  // Reading from the start passes over a UTF-8 byte-order mark, which an editor puts before
  // the text of a file it saves: it belongs to no value.
  explicit LineScanner(std::string_view bytes, std::size_t position = 0)
      : bytes_(bytes), pos_(position == 0 ? bytes.size() - io::WithoutByteOrderMark(bytes).size() : position) {}

  bool AtEnd() const { return pos_ >= bytes_.size(); }
  // Passes over lines that hold only blanks, and blanks before the end.
  void SkipBlankLines();
  // The next value (without its quotes); false when no bytes remain. `quoted` tells whether
  // it stood between double quotes.
  bool Next(std::string_view& value, bool& quoted);
  bool Next(std::string_view& value) {
    bool quoted = false;
    return Next(value, quoted);
  }
  std::size_t Position() const { return pos_; }

  // About the last value read: whether it was the last of its line (a line end or the end of
  // the bytes followed it), and whether it was a quoted text whose line ended before its
  // closing quote (what a line cut short leaves).
  bool LastEndedLine() const { return ended_line_; }
  bool LastUnclosed() const { return unclosed_; }
  // What stood between the closing quote of the last value and the separator after it, without
  // trailing blanks: empty for every text the writer writes; A"UHA" for "K1"A"UHA", whose
  // double quote inside the text cut it short.
  std::string_view LastTextAfterQuote() const { return after_quote_; }
  // Passes over the rest of the line of the last value, when that value did not end it.
  void SkipRestOfLine();

 private:
  std::size_t ValueEnd(std::size_t from) const;
  void SkipSeparator();

  std::string_view bytes_;
  std::size_t pos_ = 0;
  bool ended_line_ = true;
  bool unclosed_ = false;
  std::string_view after_quote_;
};

}  // namespace ks::vb
