#pragma once
// The serial ports of the keyers: the CW key's port and the voice keyer's push-to-talk
// port. Only one user holds a serial port at a time: each closes the others (the WinKeyer
// included) before it opens its own.
#include <cstdint>
#include <memory>
#include <optional>

#include "platform/io/serial_port.h"

namespace ks {

// app.State<KeyingPorts>()
struct KeyingPorts {
  std::unique_ptr<io::SerialPort> Comm;       // the CW key (DTR or RTS)
  std::unique_ptr<io::SerialPort> CommPhone;  // push-to-talk (DTR or RTS)
  static bool IsOpen(const std::unique_ptr<io::SerialPort>& port) { return port && port->IsOpen(); }
  // Closing drops DTR and RTS.
  static void Close(std::unique_ptr<io::SerialPort>& port) {
    if (port && port->IsOpen()) port->Close();
  }
  // Opens `port` as serial port `number` with DTR and RTS down; the reason when it cannot.
  static io::SerialResult OpenLinesDown(io::SerialPort& port, std::optional<std::int16_t> number) {
    if (!number) return io::SerialResult::Failure("not a port number");
    if (auto set = port.SetPortNumber(*number); !set) return set;
    if (auto set = port.SetDtr(false); !set) return set;
    if (auto set = port.SetRts(false); !set) return set;
    return port.Open();
  }
};

}  // namespace ks
