#pragma once
// Watches the poll for a radio whose frequency is no longer read: it stopped answering (cable
// pulled, radio off), or its answers to the frequency request never read. Only frequency
// requests actually sent count: the silence begins when three of them in a row went without
// a frequency answer and five seconds have passed since the last one (or since polling
// started); the next frequency answer ends it, and a later silence begins again.
#include <cstdint>
#include <utility>

namespace ks::rig {

class SilenceWatch {
 public:
  static constexpr int kMissedRequests = 3;
  static constexpr std::int64_t kSilenceMs = 5000;

  enum class Change { kNone, kBegins, kEnds };

  // Polling starts (or starts again): the silence is counted from now. A silence already
  // told stays told until a frequency answer ends it.
  void Start(std::int64_t now_ms) {
    answered_ms_ = now_ms;
    missed_ = 0;
    asked_ = false;
  }
  // The send tick wrote a frequency request.
  void Asked() { asked_ = true; }
  // The read tick's outcome: whether it took a frequency answer.
  Change Note(bool frequency_answered, std::int64_t now_ms) {
    const bool asked = std::exchange(asked_, false);
    if (frequency_answered) {
      Start(now_ms);
      return std::exchange(silent_, false) ? Change::kEnds : Change::kNone;
    }
    if (asked) ++missed_;
    if (silent_ || missed_ < kMissedRequests || now_ms - answered_ms_ < kSilenceMs) return Change::kNone;
    silent_ = true;
    return Change::kBegins;
  }
  // Polling stops, or the port is lost: true when a silence was told, which now ends.
  bool Stop() {
    asked_ = false;
    return std::exchange(silent_, false);
  }
  // The port is lost: told at once, and ended by the next frequency answer.
  void Lost() { silent_ = true; }

 private:
  std::int64_t answered_ms_ = 0;
  int missed_ = 0;
  bool asked_ = false;
  bool silent_ = false;
};

}  // namespace ks::rig
