#include "logstore/table_values.h"

#include "platform/vb/parse.h"

namespace ks {

void TableValues::Fail(std::size_t line, std::string reason) {
  if (failed_) return;
  failed_ = true;
  report_.Add(line, std::move(reason));
}

std::optional<std::string> TableValues::Text() {
  if (failed_) return std::nullopt;
  std::optional<std::string> value = in_.ReadText();
  if (!value) Fail(record_line_, "the file ends in the middle of this record.");
  return value;
}

std::optional<float> TableValues::Single() {
  const std::optional<std::string> text = Text();
  if (!text) return std::nullopt;
  const std::optional<float> number = vb::CSng(*text);
  if (!number) Fail(in_.LastValueLine(), ShownValue(*text) + " is not a number.");
  return number;
}

}  // namespace ks
