#pragma once
// A line that keys the transmitter: the CW key or push-to-talk, on a serial port's DTR or
// RTS line or on the parallel port. Down keys the transmitter, up releases it.
namespace ks {

class KeyLine {
 public:
  virtual ~KeyLine() = default;
  virtual void Key(bool down) = 0;
};

}  // namespace ks
