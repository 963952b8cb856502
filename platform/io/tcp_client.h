#pragma once
// A TCP client that never blocks its caller: host names are resolved on a worker thread,
// the connection is made with a non-blocking socket, and everything that happens (connected,
// data arrived, the far end closed, an error) is found by Poll(), which the owner calls from
// a timer of its event loop and which raises the events on the caller's thread.
//
// Error numbers follow the numbering of the socket control the spot windows were written
// for (10061 refused, 10054 reset, 10060 timed out, 11001 host not found ...), so that one
// table of messages serves; errors without such a number carry the system's errno.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace ks::io {

class TcpClient {
 public:
  // The socket control's states; only these occur.
  enum class State { kClosed = 0, kResolving = 4, kConnecting = 6, kConnected = 7, kError = 9 };

  static constexpr int kRefused = 10061;
  static constexpr int kReset = 10054;
  static constexpr int kTimedOut = 10060;
  static constexpr int kShutDown = 10058;
  static constexpr int kHostNotFound = 11001;
  static constexpr int kTryAgain = 11002;
  static constexpr int kNonRecoverable = 11003;
  static constexpr int kNoData = 11004;
  static constexpr int kInvalidArgument = 380;

  TcpClient();
  ~TcpClient();
  TcpClient(const TcpClient&) = delete;
  TcpClient& operator=(const TcpClient&) = delete;

  // Starts connecting (closing any earlier connection first). False, with nothing started,
  // for an empty host or a port outside 1 to 65535.
  bool Connect(const std::string& host, std::int32_t port);
  // Queues bytes for a connected socket; false when not connected or when more than the
  // bound is already waiting to go out (a far end that takes nothing).
  bool Send(std::string_view bytes);
  void Close();
  State GetState() const { return state_; }
  const std::string& RemoteHost() const { return host_; }
  std::int32_t RemotePort() const { return port_; }

  // Does what is due without waiting: finishes a resolution or a connection, sends queued
  // bytes, reads what has arrived (at most kMaxReadPerPoll bytes per call) and raises events.
  void Poll();
  // Waits up to `timeout_ms` until there is something for Poll() to do (for tests and tools).
  void WaitForActivity(int timeout_ms);

  // How long a connection may take before it fails as timed out.
  int ConnectTimeoutMs = 30000;
  static constexpr std::size_t kMaxReadPerPoll = 65536;
  static constexpr std::size_t kMaxQueuedOutput = 65536;

  std::function<void()> Connected;
  std::function<void(const std::string& data)> DataArrival;
  std::function<void(int number, const std::string& description)> Error;

 private:
  struct Resolution;
  void StartConnect(const void* address, unsigned length);
  void FinishConnect();
  void ReadAvailable();
  void FlushOutput();
  void Fail(int number, const std::string& description);

  State state_ = State::kClosed;
  std::string host_;
  std::int32_t port_ = 0;
  int fd_ = -1;
  std::int64_t connect_started_ms_ = 0;
  std::shared_ptr<Resolution> resolution_;
  std::string output_;
};

// The socket control's number for a system errno.
int SocketErrorNumber(int errnum);

}  // namespace ks::io
