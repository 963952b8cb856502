#pragma once
// The far end of a real serial line for device tests: a pseudo-terminal pair whose slave
// path the program opens as its port, while the test reads and writes the master.
// Reads wait on the descriptor with a deadline (poll), never by sleeping, and give up
// after it, so a test that expects bytes that never come fails instead of hanging.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <string>
#include <string_view>

namespace ks::testing {

class PtyPeer {
 public:
  PtyPeer() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
      ADD_FAILURE() << "no pseudo-terminal: " << errno;
      return;
    }
    slave_path_ = ::ptsname(master_);
    // Raw from the start, so nothing is echoed or translated before the program sets it.
    termios t{};
    ::tcgetattr(master_, &t);
    ::cfmakeraw(&t);
    ::tcsetattr(master_, TCSANOW, &t);
  }
  ~PtyPeer() { Hangup(); }
  PtyPeer(const PtyPeer&) = delete;
  PtyPeer& operator=(const PtyPeer&) = delete;

  // The device path the program opens.
  const std::string& SlavePath() const { return slave_path_; }

  void Write(std::string_view bytes) {
    while (!bytes.empty()) {
      ssize_t n = ::write(master_, bytes.data(), bytes.size());
      if (n > 0) {
        bytes.remove_prefix(static_cast<size_t>(n));
      } else if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
        if (!WaitFor(POLLOUT, 2000)) {
          ADD_FAILURE() << "the program's side takes no more bytes";
          return;
        }
      } else {
        ADD_FAILURE() << "write to the pseudo-terminal failed: " << errno;
        return;
      }
    }
  }

  // Everything that has arrived by now.
  std::string ReadAvailable() {
    std::string bytes;
    ReadInto(bytes);
    return bytes;
  }

  // Waits up to `timeout_ms` until at least `count` bytes have arrived; returns what came.
  std::string ReadAtLeast(size_t count, int timeout_ms = 2000) {
    std::string bytes;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
    ReadInto(bytes);
    while (bytes.size() < count) {
      auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
      if (left.count() <= 0 || !WaitFor(POLLIN, static_cast<int>(left.count()))) break;
      ReadInto(bytes);
    }
    return bytes;
  }

  // The line settings the program gave its end (on Linux the master reads the slave's).
  termios LineSettings() const {
    termios t{};
    if (::tcgetattr(master_, &t) != 0) ADD_FAILURE() << "no line settings: " << errno;
    return t;
  }

  // Closes the master: to the program, the device has gone away.
  void Hangup() {
    if (master_ >= 0) ::close(master_);
    master_ = -1;
  }

 private:
  bool WaitFor(short events, int timeout_ms) {
    pollfd p{master_, events, 0};
    int n;
    do n = ::poll(&p, 1, timeout_ms);
    while (n < 0 && errno == EINTR);
    return n > 0 && (p.revents & events);
  }

  void ReadInto(std::string& bytes) {
    char buffer[4096];
    for (;;) {
      ssize_t n = ::read(master_, buffer, sizeof buffer);
      if (n > 0) {
        bytes.append(buffer, static_cast<size_t>(n));
      } else if (n < 0 && errno == EINTR) {
        continue;
      } else {
        return;  // nothing now (EAGAIN), or no slave open (EIO)
      }
    }
  }

  int master_ = -1;
  std::string slave_path_;
};

}  // namespace ks::testing
