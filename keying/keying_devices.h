#pragma once
// The devices the keyers drive: serial ports (the CW key and push-to-talk on DTR or RTS, the
// WinKeyer), the parallel port, the waits that time Morse, and sound. The program uses the
// machine's; a test puts doubles in their place with UseKeyingDevices.
#include <cstdint>
#include <memory>
#include <string>

#include "keying/key_line.h"
#include "keying/unit_waits.h"

namespace ks::forms {
class Application;
}
namespace ks::io {
class ParallelPort;
class SerialPort;
class SoundPlayer;
}  // namespace ks::io

namespace ks {

enum class ModemSignal { DTR, RTS };

// Values written to the parallel port's control register (base address + 2).
inline constexpr std::uint8_t kParallelKeyDown = 3;
inline constexpr std::uint8_t kParallelKeyUp = 2;

class KeyingDevices {
 public:
  virtual ~KeyingDevices() = default;
  // A closed serial port.
  virtual std::unique_ptr<io::SerialPort> NewSerialPort() = 0;
  // The DTR or RTS line of `port` as a keying line; keying a closed port moves nothing.
  virtual std::unique_ptr<KeyLine> ModemLine(io::SerialPort& port, ModemSignal signal) = 0;
  // The keying line of the parallel port at base address `address`; nothing, with the
  // reason in `why`, when that port cannot be opened.
  virtual std::unique_ptr<KeyLine> ParallelLine(int address, std::string& why) = 0;
  virtual UnitWaits& Waits() = 0;
  // A sound player, idle.
  virtual std::unique_ptr<io::SoundPlayer> NewSoundPlayer() = 0;
};

// DTR or RTS of `port` as a keying line: a key-down on an open port that has no such
// line is refused (KeyDownRefused); keying a closed port moves nothing.
std::unique_ptr<KeyLine> SerialPortLine(io::SerialPort& port, ModemSignal signal);

// The keying line of an open parallel port: key-down and key-up write kParallelKeyDown and
// kParallelKeyUp to its control register.
std::unique_ptr<KeyLine> ParallelPortLine(std::unique_ptr<io::ParallelPort> port);

KeyingDevices& Devices(forms::Application& app);
void UseKeyingDevices(forms::Application& app, std::unique_ptr<KeyingDevices> devices);

}  // namespace ks
