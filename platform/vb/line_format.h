#pragma once

// The line format shared by the settings files and the log: the toolkit's
// file write statement and its counterpart, the input statement.
//
// Writing: values on one line separated by single commas, the line ended by
// CR LF. Texts stand between double quotes; integers are bare decimal digits;
// Single and Double as FormatSingle / FormatDouble give them; truth values
// "#TRUE#" / "#FALSE#"; an empty value writes nothing between its commas.
//
// Reading: values in order; a comma or a line end (CR LF, LF or CR) ends a
// value, and the next value may start on the next line. Blanks before a value
// are skipped. A quoted value runs to the next double quote on its line (to
// the line end when there is none); the quotes are dropped and anything after
// the closing quote up to the next comma or line end is skipped. Any other value runs to the next comma or line end, with
// trailing blanks trimmed. Reading when no bytes remain is a failure.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "platform/vb/line_scanner.h"

namespace ks::vb {

inline constexpr std::string_view kLineEnd = "\r\n";

// Builds one line. A double quote inside a text is dropped, so that no stored
// text can cut its record short and shift the values after it on reading.
class LineWriter {
 public:
  LineWriter& Text(std::string_view text);
  // A text of a line that is one record (of the log, of an export): a line end (CR or LF)
  // inside it is dropped as well, since it would end the record there and leave the rest of
  // it a line that reads as no record.
  LineWriter& TextOnItsLine(std::string_view text);
  LineWriter& Int(long long value);
  LineWriter& Single(float value);
  LineWriter& Double(double value);
  LineWriter& Bool(bool value);
  LineWriter& Empty();

  // The values so far, joined by commas, with CR LF at the end.
  std::string Line() const;

 private:
  void Separate();
  void Quoted(std::string_view text, bool drop_line_ends);

  std::string line_;
  bool first_ = true;
};

// A value read without a fixed type: nothing (an empty unquoted value), text
// (a quoted value, or an unquoted one that is not a number), a number or a
// truth value.
using AnyValue = std::variant<std::monostate, std::string, double, bool>;

// Reads values from a whole file held in memory. Any bytes are safe: every
// read either gives a value or fails, and never reads outside the buffer. A
// read whose conversion fails still consumes the value.
class LineReader {
 public:
  explicit LineReader(std::string data);
  LineReader(LineReader&& other) noexcept
      : data_(std::move(other.data_)), scanner_(data_, other.scanner_.Position()) {}
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  std::optional<std::string> ReadText();
  // The value as a number ("." as the point); fails when it is not numeric,
  // empty included.
  std::optional<double> ReadNumber();
  std::optional<float> ReadSingle();
  // Integer kinds round half to even and fail outside their range.
  std::optional<std::int32_t> ReadLong();
  std::optional<std::int16_t> ReadInteger();
  std::optional<std::uint8_t> ReadByte();
  // "#TRUE#" or "#FALSE#" (any case); anything else fails.
  std::optional<bool> ReadBool();
  std::optional<AnyValue> ReadAny();

  // True when no bytes remain, as the toolkit's end-of-file test: a file that
  // ends with a blank line is not at its end before that line is read.
  bool AtEnd() const;
  // Passes over lines that hold only blanks (and blanks before the end), so
  // a trailing blank line no longer looks like one more record.
  void SkipBlankLines();

  // The 1-based line on which the next value starts, for messages.
  std::size_t LineNumber() const;
  // The 1-based line of the last value read (1 before any).
  std::size_t LastValueLine() const { return LineAt(last_start_); }

  // For files of one value per line: passes over whatever follows the last value on its
  // line, so that the next read takes the first value of the next line.
  void SkipRestOfLine() { scanner_.SkipRestOfLine(); }

 private:
  struct RawValue {
    std::string text;
    bool quoted = false;
  };
  std::optional<RawValue> ReadRaw();
  std::size_t LineAt(std::size_t position) const;

  std::string data_;
  std::size_t last_start_ = 0;
  LineScanner scanner_{data_};
  // Where LineAt last stopped counting, and the line it had reached there.
  mutable std::size_t counted_to_ = 0;
  mutable std::size_t counted_lines_ = 1;
};

}  // namespace ks::vb
