#include <algorithm>

#include "platform/vb/ascii.h"
#include "platform/vb/line_format.h"
#include "platform/vb/parse.h"
#include "platform/vb/rounding.h"
#include "platform/vb/text.h"

namespace ks::vb {
namespace {

using detail::IsBlank;
using detail::IsLineEnd;

}  // namespace

LineReader::LineReader(std::string data) : data_(std::move(data)) {}

bool LineReader::AtEnd() const { return pos_ >= data_.size(); }

void LineReader::SkipBlanks() {
  while (pos_ < data_.size() && IsBlank(data_[pos_])) ++pos_;
}

// Consumes one comma or one line end (CR LF counts as one) at the position.
void LineReader::SkipSeparator() {
  if (pos_ >= data_.size()) return;
  const char c = data_[pos_++];
  if (c == '\r' && pos_ < data_.size() && data_[pos_] == '\n') ++pos_;
}

std::size_t LineReader::FindValueEnd(std::size_t from) const {
  const auto end = data_.find_first_of(",\r\n", from);
  return end == std::string::npos ? data_.size() : end;
}

void LineReader::SkipBlankLines() {
  for (;;) {
    std::size_t at = pos_;
    while (at < data_.size() && IsBlank(data_[at])) ++at;
    if (at >= data_.size()) {
      pos_ = at;
      return;
    }
    if (!IsLineEnd(data_[at])) return;
    pos_ = at;
    SkipSeparator();
  }
}

std::size_t LineReader::LineNumber() const {
  std::size_t line = 1;
  const std::size_t end = std::min(pos_, data_.size());
  for (std::size_t i = 0; i < end; ++i) {
    if (data_[i] == '\n' || (data_[i] == '\r' && (i + 1 >= data_.size() || data_[i + 1] != '\n'))) ++line;
  }
  return line;
}

std::optional<LineReader::RawValue> LineReader::ReadRaw() {
  if (AtEnd()) return std::nullopt;
  SkipBlanks();
  if (AtEnd()) return std::nullopt;
  RawValue value;
  if (data_[pos_] == '"') {
    value.quoted = true;
    const std::size_t close = data_.find('"', pos_ + 1);
    // Without a closing quote the value ends with its line, so that one broken
    // text cannot swallow every line after it.
    const std::size_t end = close == std::string::npos ? data_.find_first_of("\r\n", pos_ + 1) : close;
    const std::size_t stop = end == std::string::npos ? data_.size() : end;
    value.text = data_.substr(pos_ + 1, stop - pos_ - 1);
    pos_ = FindValueEnd(close == std::string::npos ? stop : close + 1);
  } else {
    const std::size_t end = FindValueEnd(pos_);
    value.text = RTrim(std::string_view(data_).substr(pos_, end - pos_));
    pos_ = end;
  }
  SkipSeparator();
  return value;
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
