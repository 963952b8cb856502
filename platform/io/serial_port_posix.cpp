// The serial port on the Linux terminal interface. termios2 sets any baud rate the
// hardware can make (BOTHER), so 14400, 28800 and 56000 work like the standard rates.
#include <asm/termbits.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/io/files.h"
#include "platform/io/serial_port.h"

namespace ks::io {
namespace {

// Bytes read ahead of the caller and held here; beyond this the kernel keeps them.
constexpr size_t kReceiveLimit = 64 * 1024;

class PosixSerialPort final : public SerialPort {
 public:
  explicit PosixSerialPort(const SettingsStore& store) : store_(store) {}
  ~PosixSerialPort() override { Close(); }

  SerialResult SetPortNumber(int number) override {
    if (number < 1 || number > 255) return SerialResult::Failure("invalid port number " + std::to_string(number));
    if (IsOpen()) return SerialResult::Failure("port is open");
    number_ = number;
    return {};
  }
  int PortNumber() const override { return number_; }

  SerialResult SetSettings(std::string_view text) override {
    std::string why;
    auto parsed = ParseSerialSettings(text, &why);
    if (!parsed) return SerialResult::Failure(why);
    SerialSettings before = settings_;
    settings_ = *parsed;
    if (IsOpen()) {
      if (auto r = ApplyLineSettings(); !r) {
        settings_ = before;
        ApplyLineSettings();
        return r;
      }
    }
    return {};
  }
  std::string Settings() const override { return FormatSerialSettings(settings_); }

  SerialResult SetHandshake(Handshake handshake) override {
    handshake_ = handshake;
    return IsOpen() ? ApplyLineSettings() : SerialResult{};
  }
  Handshake GetHandshake() const override { return handshake_; }

  SerialResult SetDtr(bool on) override {
    dtr_ = on;
    return IsOpen() ? SetModemLine(TIOCM_DTR, on) : SerialResult{};
  }
  SerialResult SetRts(bool on) override {
    rts_ = on;
    return IsOpen() ? SetModemLine(TIOCM_RTS, on) : SerialResult{};
  }
  bool Dtr() const override { return dtr_; }
  bool Rts() const override { return rts_; }
  bool HasModemLines() const override { return modem_lines_; }

  SerialResult Open() override {
    if (IsOpen()) return SerialResult::Failure("port is already open");
    const std::string path = SerialDevicePath(store_, number_);
    fd_ = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) return SerialResult::Failure(path + ": " + ErrorText(errno));
    modem_lines_ = true;
    SerialResult result;
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
      result = SerialResult::Failure(path + ": in use by another program");
    } else if (auto applied = ApplyLineSettings(); !applied) {
      result = SerialResult::Failure(path + ": " + applied.error);
    } else if (auto dtr = SetModemLine(TIOCM_DTR, dtr_); !dtr) {
      result = dtr;
    } else if (auto rts = SetModemLine(TIOCM_RTS, rts_); !rts) {
      result = rts;
    }
    if (!result) CloseDevice();
    return result;
  }
  bool IsOpen() const override { return fd_ >= 0; }

  void Close() override {
    if (!IsOpen()) return;
    // What was written goes out if the line takes it within a moment; then the rest is
    // dropped, so that closing never waits on a line held up by its handshaking.
    for (int waited = 0; waited < 250; waited += 5) {
      int queued = 0;
      if (!Flush() || !IsOpen()) break;
      if (outgoing_.empty() && (::ioctl(fd_, TIOCOUTQ, &queued) != 0 || queued == 0)) break;
      ::usleep(5000);
    }
    if (!IsOpen()) return;
    int queued = 0;
    if (::ioctl(fd_, TIOCOUTQ, &queued) == 0 && queued > 0) ::ioctl(fd_, TCFLSH, TCOFLUSH);
    int lines = TIOCM_DTR | TIOCM_RTS;
    ::ioctl(fd_, TIOCMBIC, &lines);  // no line stays raised, whatever the driver does on close
    CloseDevice();
  }

  SerialResult Write(std::string_view bytes) override {
    if (!IsOpen()) return NotOpen();
    outgoing_.append(bytes);
    return Flush();
  }

  SerialResult Read(std::string& bytes) override {
    if (auto r = Pump(); !r) return r;
    bytes += received_;
    received_.clear();
    return Pump();  // what the kernel held back beyond the limit
  }

  SerialResult DiscardInput() override {
    if (!IsOpen()) return NotOpen();
    received_.clear();
    if (::ioctl(fd_, TCFLSH, TCIFLUSH) != 0) return Vanished(errno);
    return {};
  }

  SerialResult BytesWaiting(int& count) override {
    count = 0;
    if (auto r = Pump(); !r) return r;
    count = static_cast<int>(received_.size());
    return {};
  }

  SerialResult OutputPending(int& count) override {
    count = 0;
    if (!IsOpen()) return NotOpen();
    if (auto r = Flush(); !r) return r;
    int queued = 0;
    if (::ioctl(fd_, TIOCOUTQ, &queued) != 0) return Vanished(errno);
    count = static_cast<int>(outgoing_.size()) + queued;
    return {};
  }

 private:
  static SerialResult NotOpen() { return SerialResult::Failure("port is not open"); }

  SerialResult Vanished(int errnum) {
    CloseDevice();
    return SerialResult::Failure("serial device lost: " + ErrorText(errnum));
  }

  void CloseDevice() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    outgoing_.clear();
    received_.clear();
  }

  SerialResult ApplyLineSettings() {
    termios2 t{};
    if (::ioctl(fd_, TCGETS2, &t) != 0) return SerialResult::Failure("not a serial port: " + ErrorText(errno));
    t.c_iflag &= ~(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON | IXOFF | IXANY | INPCK);
    t.c_oflag &= ~OPOST;
    t.c_lflag &= ~(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    t.c_cflag &= ~(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS | CBAUD | (CBAUD << IBSHIFT));
    t.c_cflag |= CREAD | CLOCAL | HUPCL | BOTHER | (BOTHER << IBSHIFT);
    static constexpr tcflag_t kSizes[] = {CS5, CS6, CS7, CS8};
    t.c_cflag |= kSizes[settings_.data_bits - 5];
    if (settings_.parity != 'N') t.c_cflag |= PARENB;
    if (settings_.parity == 'O' || settings_.parity == 'M') t.c_cflag |= PARODD;
    if (settings_.parity == 'M' || settings_.parity == 'S') t.c_cflag |= CMSPAR;
    if (settings_.stop_bits == 2) t.c_cflag |= CSTOPB;
    if (handshake_ == Handshake::kRtsCts || handshake_ == Handshake::kRtsCtsXonXoff) t.c_cflag |= CRTSCTS;
    if (handshake_ == Handshake::kXonXoff || handshake_ == Handshake::kRtsCtsXonXoff) t.c_iflag |= IXON | IXOFF;
    t.c_ispeed = t.c_ospeed = static_cast<speed_t>(settings_.baud);
    // A read of nothing then fails with EAGAIN, and a read of 0 bytes means a hang-up.
    t.c_cc[VMIN] = 1;
    t.c_cc[VTIME] = 0;
    if (::ioctl(fd_, TCSETS2, &t) != 0) return SerialResult::Failure("settings refused: " + ErrorText(errno));
    termios2 got{};
    if (::ioctl(fd_, TCGETS2, &got) != 0) return SerialResult::Failure("settings refused: " + ErrorText(errno));
    // The port makes the rate from its clock; more than 3% off will not talk to a radio.
    if (std::abs(static_cast<long>(got.c_ospeed) - settings_.baud) * 100 > 3L * settings_.baud)
      return SerialResult::Failure("baud rate " + std::to_string(settings_.baud) + " refused by the port");
    return {};
  }

  SerialResult SetModemLine(int line, bool on) {
    int bits = line;
    if (::ioctl(fd_, on ? TIOCMBIS : TIOCMBIC, &bits) == 0) return {};
    // A pseudo-terminal or a three-wire adapter has no modem-control lines.
    if (errno == ENOTTY || errno == EINVAL) {
      modem_lines_ = false;
      return {};
    }
    return Vanished(errno);
  }

  // Hands queued bytes to the device, as many as it takes now.
  SerialResult Flush() {
    while (!outgoing_.empty()) {
      ssize_t n = ::write(fd_, outgoing_.data(), outgoing_.size());
      if (n > 0) {
        outgoing_.erase(0, static_cast<size_t>(n));
      } else if (n < 0 && errno == EINTR) {
        continue;
      } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
        break;
      } else {
        return Vanished(n < 0 ? errno : EIO);
      }
    }
    return {};
  }

  // Sends what is queued and takes what has arrived, up to the limit.
  SerialResult Pump() {
    if (!IsOpen()) return NotOpen();
    if (auto r = Flush(); !r) return r;
    char buffer[4096];
    while (received_.size() < kReceiveLimit) {
      size_t room = std::min(sizeof buffer, kReceiveLimit - received_.size());
      ssize_t n = ::read(fd_, buffer, room);
      if (n > 0) {
        received_.append(buffer, static_cast<size_t>(n));
      } else if (n < 0 && errno == EINTR) {
        continue;
      } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
        break;
      } else {
        return Vanished(n < 0 ? errno : ENODEV);  // 0 bytes: the line was hung up
      }
    }
    return {};
  }

  const SettingsStore& store_;
  int number_ = 1;
  SerialSettings settings_;
  Handshake handshake_ = Handshake::kNone;
  bool dtr_ = false;
  bool rts_ = false;
  bool modem_lines_ = true;
  int fd_ = -1;
  std::string outgoing_;
  std::string received_;
};

}  // namespace

std::unique_ptr<SerialPort> MakePosixSerialPort(const SettingsStore& store) {
  return std::make_unique<PosixSerialPort>(store);
}

}  // namespace ks::io
