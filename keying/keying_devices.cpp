#include "keying/keying_devices.h"

#include <stdexcept>
#include <string>

#include "platform/forms/application.h"
#include "platform/io/parallel_port.h"
#include "platform/io/serial_port.h"
#include "platform/io/sound.h"

namespace ks {
namespace {

// DTR or RTS of a serial port. A failing line raises, which ends the character being sent;
// so does raising a line on a port that has none (a three-wire port or adapter), where the
// write itself goes through and moves nothing. A port whose device went away has closed
// itself: its line is lost, and keying it again moves nothing.
class SerialModemLine final : public KeyLine {
 public:
  SerialModemLine(io::SerialPort& port, ModemSignal signal) : port_(port), signal_(signal) {}
  void Write(bool down) override {
    if (!port_.IsOpen()) return;
    const io::SerialResult result = signal_ == ModemSignal::DTR ? port_.SetDtr(down) : port_.SetRts(down);
    if (!result && !port_.IsOpen()) throw KeyLineLost(Name() + " is lost (" + result.error + ")");
    if (!result) throw std::runtime_error(Name() + " cannot be " + (down ? "raised: " : "lowered: ") + result.error);
    if (down && !port_.HasModemLines()) {
      throw KeyDownRefused(Name() + " cannot be raised: the port has no modem-control lines");
    }
  }

 private:
  std::string Name() const {
    return std::string("the ") + (signal_ == ModemSignal::DTR ? "DTR" : "RTS") + " line of port " +
           std::to_string(port_.PortNumber());
  }
  io::SerialPort& port_;
  ModemSignal signal_;
};

// The parallel port's control register. A write the device refuses raises; a refused key-up
// leaves the line counting as down.
class ParallelKeyLine final : public KeyLine {
 public:
  explicit ParallelKeyLine(std::unique_ptr<io::ParallelPort> port) : port_(std::move(port)) {}
  void Write(bool down) override {
    std::string why;
    if (!port_->WriteControl(down ? kParallelKeyDown : kParallelKeyUp, why)) {
      throw std::runtime_error(std::string("the parallel port's line cannot be ") + (down ? "raised: " : "lowered: ") +
                               why);
    }
  }

 private:
  std::unique_ptr<io::ParallelPort> port_;
};

class SystemKeyingDevices final : public KeyingDevices {
 public:
  explicit SystemKeyingDevices(forms::Application& app) : app_(app) {}
  std::unique_ptr<io::SerialPort> NewSerialPort() override { return io::MakePosixSerialPort(app_.Settings()); }
  std::unique_ptr<KeyLine> ModemLine(io::SerialPort& port, ModemSignal signal) override {
    return SerialPortLine(port, signal);
  }
  std::unique_ptr<KeyLine> ParallelLine(int address, std::string& why) override {
    std::unique_ptr<io::ParallelPort> port = io::OpenParallelPort(address, kParallelKeyUp, why);
    if (!port) return nullptr;
    return ParallelPortLine(std::move(port));
  }
  UnitWaits& Waits() override { return waits_; }
  std::unique_ptr<io::SoundPlayer> NewSoundPlayer() override { return io::MakeSystemSoundPlayer(); }

 private:
  forms::Application& app_;
  SystemUnitWaits waits_;
};

// app.State<KeyingDevicesSlot>()
struct KeyingDevicesSlot {
  std::unique_ptr<KeyingDevices> devices;
};

}  // namespace

std::unique_ptr<KeyLine> SerialPortLine(io::SerialPort& port, ModemSignal signal) {
  return std::make_unique<SerialModemLine>(port, signal);
}

std::unique_ptr<KeyLine> ParallelPortLine(std::unique_ptr<io::ParallelPort> port) {
  return std::make_unique<ParallelKeyLine>(std::move(port));
}

KeyingDevices& Devices(forms::Application& app) {
  auto& slot = app.State<KeyingDevicesSlot>();
  if (!slot.devices) slot.devices = std::make_unique<SystemKeyingDevices>(app);
  return *slot.devices;
}

void UseKeyingDevices(forms::Application& app, std::unique_ptr<KeyingDevices> devices) {
  app.State<KeyingDevicesSlot>().devices = std::move(devices);
}

}  // namespace ks
