#pragma once
// The parallel port's control register, written through Linux ppdev. The usual PC addresses
// name the ports: 0x378 is /dev/parport0, 0x278 /dev/parport1 and 0x3BC /dev/parport2.
// An open port is released when the program ends or crashes with the value given to
// OpenParallelPort written to its control register, so a line it keys never stays keyed.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace ks::io {

class ParallelPort {
 public:
  virtual ~ParallelPort() = default;
  // Writes the control register; false with the reason when the device refuses.
  virtual bool WriteControl(std::uint8_t value, std::string& why) = 0;
};

// The ppdev port number of a base address, when it is one of the usual three.
std::optional<int> ParallelPortNumber(int address);

// Opens and claims the port at `address`; nothing, with the reason in `why`, when there is
// no such port or it cannot be claimed. `release_value` is written to the control register
// when the port is closed and when the program ends or takes a crash signal.
std::unique_ptr<ParallelPort> OpenParallelPort(int address, std::uint8_t release_value, std::string& why);

}  // namespace ks::io
