#include "platform/vb/text.h"

#include <algorithm>

#include "platform/vb/ascii.h"

namespace ks::vb {
namespace {

using detail::AsciiLower;
using detail::AsciiUpper;

std::string_view TrimLeftView(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string_view{} : text.substr(first);
}

std::string_view TrimRightView(std::string_view text) {
  const auto last = text.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
}

}  // namespace

std::string UCase(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(), AsciiUpper);
  return out;
}

std::string LCase(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(), AsciiLower);
  return out;
}

std::string Trim(std::string_view text) { return std::string(TrimRightView(TrimLeftView(text))); }
std::string LTrim(std::string_view text) { return std::string(TrimLeftView(text)); }
std::string RTrim(std::string_view text) { return std::string(TrimRightView(text)); }

std::string Left(std::string_view text, long long length) {
  if (length <= 0) return {};
  return std::string(text.substr(0, static_cast<size_t>(std::min<long long>(length, text.size()))));
}

std::string Right(std::string_view text, long long length) {
  if (length <= 0) return {};
  const auto keep = static_cast<size_t>(std::min<long long>(length, text.size()));
  return std::string(text.substr(text.size() - keep));
}

std::string Mid(std::string_view text, long long start) {
  return Mid(text, start, static_cast<long long>(text.size()));
}

std::string Mid(std::string_view text, long long start, long long length) {
  if (start < 1 || length <= 0 || start > static_cast<long long>(text.size())) return {};
  return std::string(text.substr(static_cast<size_t>(start - 1), static_cast<size_t>(length)));
}

long long InStr(std::string_view text, std::string_view find) { return InStr(1, text, find); }

long long InStr(long long start, std::string_view text, std::string_view find) {
  if (start < 1 || start > static_cast<long long>(text.size()) + 1) return 0;
  const auto at = text.find(find, static_cast<size_t>(start - 1));
  return at == std::string_view::npos ? 0 : static_cast<long long>(at) + 1;
}

std::string Replace(std::string_view text, std::string_view find, std::string_view with) {
  if (find.empty()) return std::string(text);
  std::string out;
  out.reserve(text.size());
  size_t from = 0;
  for (auto at = text.find(find); at != std::string_view::npos; at = text.find(find, from)) {
    out.append(text.substr(from, at - from));
    out.append(with);
    from = at + find.size();
  }
  out.append(text.substr(from));
  return out;
}

std::vector<std::string> Split(std::string_view text, std::string_view delimiter) {
  std::vector<std::string> pieces;
  if (text.empty()) return pieces;
  if (delimiter.empty()) {
    pieces.emplace_back(text);
    return pieces;
  }
  size_t from = 0;
  for (auto at = text.find(delimiter); at != std::string_view::npos; at = text.find(delimiter, from)) {
    pieces.emplace_back(text.substr(from, at - from));
    from = at + delimiter.size();
  }
  pieces.emplace_back(text.substr(from));
  return pieces;
}

std::string Space(long long count) { return count <= 0 ? std::string{} : std::string(static_cast<size_t>(count), ' '); }

bool EqualsNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return AsciiUpper(x) == AsciiUpper(y); });
}

}  // namespace ks::vb
