#include <algorithm>

#include "platform/vb/ascii.h"
#include "platform/vb/line_format.h"
#include "platform/vb/parse.h"
#include "platform/vb/rounding.h"
#include "platform/vb/text.h"

namespace ks::vb {
LineReader::LineReader(std::string data) : data_(std::move(data)), scanner_(data_) {}

bool LineReader::AtEnd() const { return scanner_.AtEnd(); }

void LineReader::SkipBlankLines() { scanner_.SkipBlankLines(); }

std::size_t LineReader::LineNumber() const { return LineAt(scanner_.Position()); }

// Readers ask for lines in the order they read, so the count goes on from the last answer
// instead of from the start of the file: a whole file costs one pass, not one per value.
std::size_t LineReader::LineAt(std::size_t position) const {
  const std::size_t end = std::min(position, data_.size());
  if (end < counted_to_) {
    counted_to_ = 0;
    counted_lines_ = 1;
  }
  for (std::size_t i = counted_to_; i < end; ++i) {
    if (data_[i] == '\n' || (data_[i] == '\r' && (i + 1 >= data_.size() || data_[i + 1] != '\n'))) ++counted_lines_;
  }
  counted_to_ = end;
  return counted_lines_;
}

std::optional<LineReader::RawValue> LineReader::ReadRaw() {
  std::string_view text;
  bool quoted = false;
  last_start_ = scanner_.Position();
  if (!scanner_.Next(text, quoted)) return std::nullopt;
  return RawValue{std::string(text), quoted};
}

std::optional<std::string> LineReader::ReadText() {
  auto raw = ReadRaw();
  if (!raw) return std::nullopt;
  return std::move(raw->text);
}

std::optional<double> LineReader::ReadNumber() {
  const auto raw = ReadRaw();
  return raw ? CDbl(raw->text) : std::nullopt;
}

std::optional<float> LineReader::ReadSingle() {
  const auto raw = ReadRaw();
  return raw ? CSng(raw->text) : std::nullopt;
}

std::optional<std::int32_t> LineReader::ReadLong() {
  const auto number = ReadNumber();
  return number ? CLng(*number) : std::nullopt;
}

std::optional<std::int16_t> LineReader::ReadInteger() {
  const auto number = ReadNumber();
  return number ? CInt(*number) : std::nullopt;
}

std::optional<std::uint8_t> LineReader::ReadByte() {
  const auto number = ReadNumber();
  return number ? CByte(*number) : std::nullopt;
}

std::optional<bool> LineReader::ReadBool() {
  const auto raw = ReadRaw();
  if (!raw) return std::nullopt;
  if (EqualsNoCase(raw->text, "#TRUE#")) return true;
  if (EqualsNoCase(raw->text, "#FALSE#")) return false;
  return std::nullopt;
}

std::optional<AnyValue> LineReader::ReadAny() {
  auto raw = ReadRaw();
  if (!raw) return std::nullopt;
  if (raw->quoted) return AnyValue{std::move(raw->text)};
  if (raw->text.empty()) return AnyValue{std::monostate{}};
  if (EqualsNoCase(raw->text, "#TRUE#")) return AnyValue{true};
  if (EqualsNoCase(raw->text, "#FALSE#")) return AnyValue{false};
  if (const auto number = CDbl(raw->text)) return AnyValue{*number};
  return AnyValue{std::move(raw->text)};
}

}  // namespace ks::vb
