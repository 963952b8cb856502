#pragma once
// Watches the poll for a radio that has stopped answering: after five seconds of polling
// without a well-formed reply the operator is told once; the next good reply ends the silence
// without a word, and a later silence is told again.
#include <cstdint>

namespace ks::rig {

class SilenceWatch {
 public:
  static constexpr std::int64_t kSilenceMs = 5000;

  // Polling starts (or starts again): the silence is counted from now.
  void Start(std::int64_t now_ms) {
    quiet_since_ms_ = now_ms;
    told_ = false;
  }
  // One read tick's outcome. True when the operator is to be told now.
  bool Note(bool answered, std::int64_t now_ms) {
    if (answered) {
      Start(now_ms);
      return false;
    }
    if (told_ || now_ms - quiet_since_ms_ < kSilenceMs) return false;
    told_ = true;
    return true;
  }

 private:
  std::int64_t quiet_since_ms_ = 0;
  bool told_ = false;
};

}  // namespace ks::rig
