#pragma once
// Sets of texts compared without regard to case (ASCII letters), for the multiplier
// recounts of both main windows: a look-up costs one hash of the text, with no copy of it,
// so a recount stays one pass over the log. The set keeps the spelling that was added
// first, in the order added.
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace ks {

struct NoCaseHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view text) const noexcept;
};

struct NoCaseEqual {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const noexcept;
};

class NoCaseSet {
 public:
  // Adds `text` unless an equal one (without regard to case) is already in; true when added.
  bool Add(std::string_view text);
  bool Contains(std::string_view text) const { return index_.find(text) != index_.end(); }
  // The texts in the order added, each as first spelled.
  const std::vector<std::string>& Items() const { return items_; }
  std::size_t Size() const { return items_.size(); }
  void Clear();

 private:
  std::vector<std::string> items_;
  std::unordered_map<std::string, std::size_t, NoCaseHash, NoCaseEqual> index_;
};

}  // namespace ks
