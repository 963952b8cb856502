#include "platform/vb/line_format.h"
#include "platform/vb/number_text.h"

namespace ks::vb {

void LineWriter::Separate() {
  if (!first_) line_ += ',';
  first_ = false;
}

void LineWriter::Quoted(std::string_view text, bool drop_line_ends) {
  Separate();
  line_ += '"';
  for (char c : text) {
    if (c == '"' || (drop_line_ends && (c == '\r' || c == '\n'))) continue;
    line_ += c;
  }
  line_ += '"';
}

LineWriter& LineWriter::Text(std::string_view text) {
  Quoted(text, false);
  return *this;
}

LineWriter& LineWriter::TextOnItsLine(std::string_view text) {
  Quoted(text, true);
  return *this;
}

LineWriter& LineWriter::Int(long long value) {
  Separate();
  line_ += std::to_string(value);
  return *this;
}

LineWriter& LineWriter::Single(float value) {
  Separate();
  line_ += FormatSingle(value);
  return *this;
}

LineWriter& LineWriter::Double(double value) {
  Separate();
  line_ += FormatDouble(value);
  return *this;
}

LineWriter& LineWriter::Bool(bool value) {
  Separate();
  line_ += value ? "#TRUE#" : "#FALSE#";
  return *this;
}

LineWriter& LineWriter::Empty() {
  Separate();
  return *this;
}

std::string LineWriter::Line() const { return line_ + std::string(kLineEnd); }

}  // namespace ks::vb
