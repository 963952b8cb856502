#pragma once
// What an editor may put around the text of a file it saves: a UTF-8 byte-order mark before
// it, or the whole text in UTF-16. The program's files are 8-bit text: its readers pass over
// the mark, and a UTF-16 file is told for what it is rather than read as bytes.
#include <cstddef>
#include <string_view>

namespace ks::io {

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// The bytes after a UTF-8 byte-order mark at their start; all of them when there is none.
constexpr std::string_view WithoutByteOrderMark(std::string_view bytes) {
  return bytes.starts_with(kUtf8ByteOrderMark) ? bytes.substr(kUtf8ByteOrderMark.size()) : bytes;
}

// Bytes that read as UTF-16 text, in either byte order: they begin with its byte-order mark,
// or, without one, the first bytes of text (some dozens) have a zero in every second place and
// nowhere else, which 8-bit text of letters, digits and punctuation never has.
constexpr bool LooksLikeUtf16(std::string_view bytes) {
  if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) return true;
  constexpr std::size_t kLooked = 64;
  const std::size_t pairs = (bytes.size() < kLooked ? bytes.size() : kLooked) / 2;
  if (pairs == 0) return false;
  std::size_t zero_even = 0, zero_odd = 0;
  for (std::size_t i = 0; i < pairs * 2; ++i) (i % 2 == 0 ? zero_even : zero_odd) += bytes[i] == '\0';
  // Most characters of a log or settings file are ASCII: their high byte is zero.
  return (zero_even == 0 && zero_odd * 2 > pairs) || (zero_odd == 0 && zero_even * 2 > pairs);
}

}  // namespace ks::io
