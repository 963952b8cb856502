#pragma once
// The voice keyer's push-to-talk: the one record of the lines it raises (a serial port's
// DTR or RTS, the parallel port). Drop releases each of them, whatever fails, and runs on
// every way out: the end of a message, a failure, the window's unload and destruction. A
// line whose key-up fails stays raised here, so that the next Drop tries it again, also
// after its owner has put a new line in its place (another port address or signal).
#include <algorithm>
#include <vector>

#include "keying/key_line.h"

namespace ks {

class PushToTalk {
 public:
  PushToTalk() = default;
  ~PushToTalk() { Drop(); }
  PushToTalk(const PushToTalk&) = delete;
  PushToTalk& operator=(const PushToTalk&) = delete;

  // Keys `line` (null: nothing); it is dropped with the others. A line that fails to key
  // is still dropped, since the attempt may have half happened.
  void Raise(KeyLine* line) {
    if (line == nullptr || std::find(raised_.begin(), raised_.end(), line) != raised_.end()) return;
    raised_.push_back(line);
    line->Key(true);
  }
  void Drop() {
    std::erase_if(raised_, [](KeyLine* line) { return line->Release(); });
  }
  // Releases a line that its owner is about to replace; true when it is up and forgotten
  // here. A line still down stays raised here: its owner keeps it until a Drop releases it.
  bool Forget(KeyLine* line) {
    if (line == nullptr) return true;
    if (!line->Release()) return false;
    std::erase(raised_, line);
    return true;
  }
  bool Holds(const KeyLine* line) const { return std::find(raised_.begin(), raised_.end(), line) != raised_.end(); }
  bool Keyed() const { return !raised_.empty(); }

 private:
  std::vector<KeyLine*> raised_;
};

}  // namespace ks
