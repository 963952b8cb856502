#pragma once
// The voice keyer's push-to-talk: the one owner of the lines it raises (a serial port's DTR
// or RTS, the parallel port). Drop releases each of them, whatever fails, and runs on
// every way out: the end of a message, a failure, the window's unload and destruction. A
// line whose key-up fails stays raised here, so that the next Drop tries it again.
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
    if (line == nullptr) return;
    for (KeyLine*& slot : raised_) {
      if (slot == line) return;
      if (slot == nullptr) {
        slot = line;
        line->Key(true);
        return;
      }
    }
  }
  void Drop() {
    for (KeyLine*& slot : raised_) {
      if (slot != nullptr && slot->Release()) slot = nullptr;
    }
  }
  // Forgets a line that is about to go away, releasing it first.
  void Forget(KeyLine* line) {
    for (KeyLine*& slot : raised_) {
      if (slot == line && line != nullptr) {
        line->Release();
        slot = nullptr;
      }
    }
  }
  bool Keyed() const { return raised_[0] != nullptr || raised_[1] != nullptr; }

 private:
  KeyLine* raised_[2] = {nullptr, nullptr};
};

}  // namespace ks
