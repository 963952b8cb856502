#include "keying/cw_macros.h"

#include "platform/vb/text.h"

namespace ks {
namespace {

// Replaces every `mark` of `text` by `value()`; inserted text is not searched again.
std::string ReplaceEach(const std::string& text, char mark, const std::function<std::string()>& value) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    if (c == mark) {
      out += vb::Trim(value());
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

std::string ExpandMacros(const std::string& message, MacroValues values,
                         const std::function<std::string(const std::string&)>& shorten_county) {
  std::string text = ReplaceEach(message, '$', [&] { return values.call; });
  text = ReplaceEach(text, '#', [&] { return values.serial; });
  text = ReplaceEach(text, '*', [&] {
    if (values.rst == "599" || values.rst.empty()) values.rst = "5NN";
    return values.rst;
  });
  if (text.find('^') != std::string::npos) {
    const std::string county = shorten_county(values.county);
    text = ReplaceEach(text, '^', [&] { return county; });
  }
  return text;
}

}  // namespace ks
