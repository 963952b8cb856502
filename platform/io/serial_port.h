#pragma once
// A serial port: numbered like the ports of a PC ("port 1" is the first), set up by a
// settings text such as "9600,N,8,1", read and written without ever blocking.
//
// The properties (number, settings, handshaking, DTR, RTS) may be set before or after
// Open(); set on an open port they take effect at once. Every operation on an open port that
// finds the device gone (a USB adapter unplugged, the far end of a pseudo-terminal closed)
// closes the port and reports an error; nothing here waits for the device.
//
// Where port N lives: the settings store's value app "Keystone", section "SerialPorts",
// key "Port<N>" (for example Port1=/dev/ttyUSB0), else /dev/ttyS<N-1>.
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace ks::io {

class SettingsStore;

// The outcome of a serial operation: empty error means success.
struct SerialResult {
  std::string error;
  bool ok() const { return error.empty(); }
  explicit operator bool() const { return ok(); }
  static SerialResult Failure(std::string why) { return {std::move(why)}; }
};

// Baud rate, parity ('N', 'O', 'E', 'M' mark or 'S' space), data bits (5 to 8), stop bits (1 or 2).
struct SerialSettings {
  int baud = 9600;
  char parity = 'N';
  int data_bits = 8;
  int stop_bits = 1;
  friend bool operator==(const SerialSettings&, const SerialSettings&) = default;
};

// Reads "baud,parity,data,stop" ("9600,N,8,1", "56000,n,8,2"; blanks around the values are
// allowed). Nothing, with the reason in `why`, for a rate or value the port cannot take.
std::optional<SerialSettings> ParseSerialSettings(std::string_view text, std::string* why = nullptr);
std::string FormatSerialSettings(const SerialSettings& settings);

// Flow control: none, XON/XOFF (software), RTS/CTS (hardware), or both at once.
enum class Handshake { kNone, kXonXoff, kRtsCts, kRtsCtsXonXoff };

class SerialPort {
 public:
  virtual ~SerialPort() = default;

  // 1 and up. Changing the number of an open port fails.
  virtual SerialResult SetPortNumber(int number) = 0;
  virtual int PortNumber() const = 0;
  // A text that ParseSerialSettings refuses fails and leaves the settings as they were.
  virtual SerialResult SetSettings(std::string_view text) = 0;
  virtual std::string Settings() const = 0;
  virtual SerialResult SetHandshake(Handshake handshake) = 0;
  virtual Handshake GetHandshake() const = 0;
  // The modem-control lines. A port without them (a pseudo-terminal, a three-wire port or
  // adapter) keeps the wish and reports success: the line is not there to set.
  virtual SerialResult SetDtr(bool on) = 0;
  virtual SerialResult SetRts(bool on) = 0;
  virtual bool Dtr() const = 0;
  virtual bool Rts() const = 0;
  // False once the open device has said it has no modem-control lines, so that raising
  // DTR or RTS moves nothing; true before that.
  virtual bool HasModemLines() const = 0;

  // Opens the device of the port number with the settings, the handshaking and the
  // wished DTR and RTS states. Fails if the device is absent, already in use or refuses them.
  virtual SerialResult Open() = 0;
  virtual bool IsOpen() const = 0;
  // Drops DTR and RTS (on close the driver lowers them) and releases the device.
  virtual void Close() = 0;

  // Queues the bytes; what the device cannot take at once goes out on later calls.
  virtual SerialResult Write(std::string_view bytes) = 0;
  // Appends every byte waiting in the receive buffer to `bytes`.
  virtual SerialResult Read(std::string& bytes) = 0;
  // Drops every byte received and not yet read, here and in the driver.
  virtual SerialResult DiscardInput() = 0;
  // Bytes received and not yet read.
  virtual SerialResult BytesWaiting(int& count) = 0;
  // Bytes written and not yet sent on the line.
  virtual SerialResult OutputPending(int& count) = 0;
};

// The device path of port `number`, as described at the top of this file.
std::string SerialDevicePath(const SettingsStore& store, int number);

// A port on the POSIX terminal interface. `store` names the device of each port number and
// must outlive the port.
std::unique_ptr<SerialPort> MakePosixSerialPort(const SettingsStore& store);

}  // namespace ks::io
