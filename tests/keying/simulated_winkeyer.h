#pragma once
// A WinKeyer at the far end of a real pseudo-terminal, written from the keyer's protocol
// description: it answers the echo test and the host open (with its version), takes the
// immediate commands with their values, and for each character it is given reports busy,
// echoes the character and reports idle (for two merged letters, busy and idle). It can also answer the open with a full buffer and
// then fall silent, mismatch the echo, say nothing at all, or be unplugged. Every byte it
// receives is kept for the test to compare.
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

namespace ks::testing {

// Bytes as "00 04 55": what the tests compare.
inline std::string Hex(const std::string& bytes) {
  static const char* digits = "0123456789ABCDEF";
  std::string out;
  for (char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (!out.empty()) out += ' ';
    out += digits[b >> 4];
    out += digits[b & 15];
  }
  return out;
}

class SimulatedWinKeyer {
 public:
  enum class Behaviour { Normal, FullThenSilent, WrongEcho, Mute };

  explicit SimulatedWinKeyer(Behaviour behaviour = Behaviour::Normal, unsigned char version = 31)
      : behaviour_(behaviour), version_(version) {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    ::grantpt(master_);
    ::unlockpt(master_);
    slave_path_ = ::ptsname(master_);
    termios t{};
    ::tcgetattr(master_, &t);
    ::cfmakeraw(&t);
    ::tcsetattr(master_, TCSANOW, &t);
    thread_ = std::thread([this] { Run(); });
  }
  ~SimulatedWinKeyer() { Unplug(); }
  SimulatedWinKeyer(const SimulatedWinKeyer&) = delete;
  SimulatedWinKeyer& operator=(const SimulatedWinKeyer&) = delete;

  const std::string& SlavePath() const { return slave_path_; }

  // Every byte received so far, once at least `count` have come (or after two seconds).
  std::string Received(std::size_t count = 0) {
    std::unique_lock lock(mutex_);
    arrived_.wait_for(lock, std::chrono::seconds(2), [&] { return received_.size() >= count; });
    return received_;
  }

  // The keyer's cable pulled: the far end of the line is gone.
  void Unplug() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    if (master_ >= 0) ::close(master_);
    master_ = -1;
  }

 private:
  void Run() {
    std::string pending;
    while (!stop_) {
      pollfd p{master_, POLLIN, 0};
      if (::poll(&p, 1, 5) <= 0) continue;
      char buffer[256];
      const ssize_t n = ::read(master_, buffer, sizeof buffer);
      if (n <= 0) continue;
      pending.append(buffer, static_cast<std::size_t>(n));
      {
        std::lock_guard lock(mutex_);
        received_.append(buffer, static_cast<std::size_t>(n));
      }
      arrived_.notify_all();
      Answer(pending);
    }
  }

  // Takes whole commands from the front of `pending` and answers them.
  void Answer(std::string& pending) {
    while (!pending.empty()) {
      const auto code = static_cast<unsigned char>(pending[0]);
      std::size_t length = 1;
      if (code == 0x00) length = pending.size() >= 2 && pending[1] == 0x04 ? 3 : 2;
      else if (code == 0x04 || code == 0x1B) length = 3;
      else if (code == 0x02 || code == 0x03 || code == 0x09 || code == 0x0E || code == 0x17) length = 2;
      if (pending.size() < length) return;
      const std::string command = pending.substr(0, length);
      pending.erase(0, length);
      if (behaviour_ == Behaviour::Mute || silent_) continue;
      if (code == 0x00 && command[1] == 0x04) {
        Send(std::string(1, behaviour_ == Behaviour::WrongEcho ? static_cast<char>(command[2] + 1) : command[2]));
      } else if (code == 0x00 && command[1] == 0x02) {
        std::string reply(1, static_cast<char>(version_));
        if (behaviour_ == Behaviour::FullThenSilent) {
          reply += static_cast<char>(0xC5);  // busy, buffer nearly full
          silent_ = true;
        }
        Send(reply);
      } else if (code == 0x1B) {
        // Two letters merged into one sign: busy while it is sent, then idle.
        Send(std::string{static_cast<char>(0xC4), static_cast<char>(0xC0)});
      } else if (code >= 0x20 && code < 0x80) {
        Send(std::string{static_cast<char>(0xC4), static_cast<char>(code), static_cast<char>(0xC0)});
      }
    }
  }

  void Send(const std::string& bytes) { (void)!::write(master_, bytes.data(), bytes.size()); }

  Behaviour behaviour_;
  unsigned char version_;
  bool silent_ = false;
  int master_ = -1;
  std::string slave_path_;
  std::atomic<bool> stop_{false};
  std::thread thread_;
  std::mutex mutex_;
  std::condition_variable arrived_;
  std::string received_;
};

}  // namespace ks::testing
