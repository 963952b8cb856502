#include "entry/no_case_set.h"

namespace ks {
namespace {

constexpr unsigned char Upper(unsigned char c) { return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 32) : c; }

}  // namespace

std::size_t NoCaseHash::operator()(std::string_view text) const noexcept {
  std::size_t hash = 14695981039346656037ull;  // FNV-1a over the upper-cased bytes
  for (char c : text) {
    hash ^= Upper(static_cast<unsigned char>(c));
    hash *= 1099511628211ull;
  }
  return hash;
}

bool NoCaseEqual::operator()(std::string_view a, std::string_view b) const noexcept {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (Upper(static_cast<unsigned char>(a[i])) != Upper(static_cast<unsigned char>(b[i]))) return false;
  return true;
}

bool NoCaseSet::Add(std::string_view text) {
  if (index_.find(text) != index_.end()) return false;
  items_.emplace_back(text);
  index_.emplace(items_.back(), items_.size() - 1);
  return true;
}

void NoCaseSet::Clear() {
  items_.clear();
  index_.clear();
}

}  // namespace ks
