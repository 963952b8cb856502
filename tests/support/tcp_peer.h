#pragma once
// The far end of a real TCP connection on 127.0.0.1 for device tests: a listening socket on
// a free port that accepts one client, reads and writes, closes or resets. Waits are polls
// with a deadline, so a test that expects what never comes fails instead of hanging.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <string>
#include <string_view>

namespace ks::testing {

class TcpPeer {
 public:
  TcpPeer() {
    listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (listener_ < 0 || ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listener_, 4) != 0 || ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
      ADD_FAILURE() << "no loopback listener: " << errno;
      return;
    }
    port_ = ntohs(address.sin_port);
  }
  ~TcpPeer() {
    CloseClient();
    if (listener_ >= 0) ::close(listener_);
  }
  TcpPeer(const TcpPeer&) = delete;
  TcpPeer& operator=(const TcpPeer&) = delete;

  int Port() const { return port_; }

  // A port on which nothing listens (taken and given back at once).
  static int ClosedPort() {
    TcpPeer taken;
    const int port = taken.Port();
    return port;
  }

  // Waits for the program to connect.
  bool Accept(int timeout_ms = 2000) {
    if (!WaitFor(listener_, POLLIN, timeout_ms)) return false;
    client_ = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    return client_ >= 0;
  }

  void Send(std::string_view bytes) {
    while (!bytes.empty()) {
      const ssize_t n = ::send(client_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
      if (n > 0) {
        bytes.remove_prefix(static_cast<std::size_t>(n));
      } else if (n < 0 && errno == EINTR) {
        continue;
      } else {
        ADD_FAILURE() << "send to the program failed: " << errno;
        return;
      }
    }
  }

  // Waits up to `timeout_ms` until at least `count` bytes have come; returns what came.
  std::string ReceiveAtLeast(std::size_t count, int timeout_ms = 2000) {
    std::string bytes;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
    while (bytes.size() < count) {
      const auto left =
          std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()).count();
      if (left <= 0 || !WaitFor(client_, POLLIN, static_cast<int>(left))) break;
      char buffer[4096];
      const ssize_t n = ::recv(client_, buffer, sizeof buffer, 0);
      if (n <= 0) break;
      bytes.append(buffer, static_cast<std::size_t>(n));
    }
    return bytes;
  }

  // An orderly close, or a reset (the program sees the connection broken).
  void CloseClient() {
    if (client_ >= 0) ::close(client_);
    client_ = -1;
  }
  void Reset() {
    linger hard{1, 0};
    ::setsockopt(client_, SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
    CloseClient();
  }

 private:
  static bool WaitFor(int fd, short events, int timeout_ms) {
    pollfd p{fd, events, 0};
    int n;
    do n = ::poll(&p, 1, timeout_ms);
    while (n < 0 && errno == EINTR);
    return n > 0 && (p.revents & events);
  }

  int listener_ = -1;
  int client_ = -1;
  int port_ = 0;
};

}  // namespace ks::testing
