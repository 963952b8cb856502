#include "platform/forms/pasted_keys.h"

#include <cstddef>
#include <string>

#include "platform/forms/types.h"

namespace ks::forms {
namespace {

// The keys of the US keyboard's punctuation: unshifted, then shifted.
struct PunctuationKey {
  char plain, shifted;
  int key_code;
};
constexpr PunctuationKey kPunctuation[] = {
    {';', ':', 186}, {'=', '+', 187}, {',', '<', 188}, {'-', '_', 189}, {'.', '>', 190}, {'/', '?', 191},
    {'`', '~', 192}, {'[', '{', 219}, {'\\', '|', 220}, {']', '}', 221}, {'\'', '"', 222},
};
// The digit keys' shifted characters, from 0 to 9.
constexpr std::string_view kShiftedDigits = ")!@#$%^&*(";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }
bool IsControl(char c) {
  const auto u = static_cast<unsigned char>(c);
  return u < kSpace || u == kDeleteChar;
}

// The first line that holds anything but blanks, its blanks trimmed and its Tabs made blanks;
// its other control characters dropped.
std::string OneLine(std::string_view text) {
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = start;
    while (end < text.size() && !IsLineEnd(text[end])) ++end;
    std::string line;
    for (std::size_t i = start; i < end; ++i) {
      if (IsBlank(text[i])) {
        line += ' ';
      } else if (!IsControl(text[i])) {
        line += text[i];
      }
    }
    const std::size_t first = line.find_first_not_of(' ');
    if (first != std::string::npos) return line.substr(first, line.find_last_not_of(' ') + 1 - first);
    start = end + 1;
  }
  return {};
}

// Every line, each line end made one CR; control characters other than Tab dropped.
std::string AllLines(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;  // CR LF is one line end
    if (IsLineEnd(c)) {
      out += '\r';
    } else if (c == '\t' || !IsControl(c)) {
      out += c;
    }
  }
  return out;
}

}  // namespace

TypedKey KeyOfCharacter(unsigned char ch) {
  if (ch >= 'a' && ch <= 'z') return {ch - 'a' + 'A', ch, 0};
  if (ch >= 'A' && ch <= 'Z') return {ch, ch, kShiftMask};
  if (ch >= '0' && ch <= '9') return {ch, ch, 0};
  if (ch == ' ' || ch == kEnter || ch == kTab || ch == kBackspace) return {ch, ch, 0};
  if (const std::size_t digit = kShiftedDigits.find(static_cast<char>(ch)); digit != std::string_view::npos)
    return {'0' + static_cast<int>(digit), ch, kShiftMask};
  for (const PunctuationKey& p : kPunctuation) {
    if (ch == static_cast<unsigned char>(p.plain)) return {p.key_code, ch, 0};
    if (ch == static_cast<unsigned char>(p.shifted)) return {p.key_code, ch, kShiftMask};
  }
  return {0, ch, 0};  // a character of the upper half: typed, as on a keyboard, without a key code
}

PastedKeys KeysOfPaste(std::string_view text, bool multi_line) {
  const std::string typed = multi_line ? AllLines(text) : OneLine(text);
  PastedKeys result;
  result.cut = typed.size() > kMaxPastedKeys;
  const std::size_t count = result.cut ? kMaxPastedKeys : typed.size();
  result.keys.reserve(count);
  for (std::size_t i = 0; i < count; ++i) result.keys.push_back(KeyOfCharacter(static_cast<unsigned char>(typed[i])));
  return result;
}

}  // namespace ks::forms
