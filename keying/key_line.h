#pragma once
// A line that keys the transmitter: the CW key or push-to-talk, on a serial port's DTR or
// RTS line or on the parallel port. Down keys the transmitter, up releases it.
//
// The line keeps what is known of the transmitter: it counts as down from the moment a
// key-down is tried (the write may have half happened) until a key-up has succeeded. A
// key-up that fails leaves it down, so the next Release tries again.
#include <exception>
#include <stdexcept>

namespace ks {

// A key-down that the device refused: the line cannot be raised, so nothing keys the
// transmitter. The text says which line and why.
class KeyDownRefused : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The device of the line went away while it was keyed (a USB adapter pulled, the far end of
// the line closed): nothing more moves on it until its port is opened again. Whatever the
// line was keying is stopped; the text says which line and why.
class KeyLineLost : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class KeyLine {
 public:
  virtual ~KeyLine() = default;
  // Keys the line; raises when the device refuses, a refused key-down as KeyDownRefused,
  // a device gone as KeyLineLost.
  void Key(bool down) {
    if (!down) {
      Write(false);
      down_ = false;
      return;
    }
    down_ = true;
    try {
      Write(true);
    } catch (const KeyDownRefused&) {
      throw;
    } catch (const KeyLineLost&) {
      throw;
    } catch (const std::exception& refused) {
      throw KeyDownRefused(refused.what());
    }
  }
  // Keys the line up when it may be down; never raises. True when the line is known up.
  bool Release() noexcept {
    if (!down_) return true;
    try {
      Key(false);
    } catch (...) {
    }
    return !down_;
  }
  bool MayBeDown() const { return down_; }

 protected:
  // Writes the line's state to the device; raises when the device refuses.
  virtual void Write(bool down) = 0;

 private:
  bool down_ = false;
};

}  // namespace ks
