#include "platform/io/tcp_client.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <mutex>
#include <thread>
#include <vector>

namespace ks::io {

namespace {

std::int64_t NowMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

int ResolverErrorNumber(int gai_error) {
  switch (gai_error) {
    case EAI_AGAIN: return TcpClient::kTryAgain;
    case EAI_FAIL: return TcpClient::kNonRecoverable;
#ifdef EAI_NODATA
    case EAI_NODATA: return TcpClient::kNoData;
#endif
    default: return TcpClient::kHostNotFound;
  }
}

}  // namespace

int SocketErrorNumber(int errnum) {
  switch (errnum) {
    case ECONNREFUSED: return 10061;
    case ECONNRESET: return 10054;
    case EPIPE: return 10054;
    case ETIMEDOUT: return 10060;
    case ENETUNREACH: return 10051;
    case EHOSTUNREACH: return 10065;
    case ECONNABORTED: return 10053;
    case EADDRINUSE: return 10048;
    case EADDRNOTAVAIL: return 10049;
    case ENETDOWN: return 10050;
    case ENOBUFS: return 10055;
    case EISCONN: return 10056;
    case ENOTCONN: return 10057;
    case ESHUTDOWN: return 10058;
    case ENOMEM: return 7;
    default: return errnum;
  }
}

// A name being resolved on a worker thread. The worker owns a share of it, so a client
// closed meanwhile simply stops looking at the result.
struct TcpClient::Resolution {
  std::mutex mutex;
  bool done = false;
  int error = 0;
  std::vector<sockaddr_storage> addresses;
  std::vector<socklen_t> lengths;
};

TcpClient::TcpClient() = default;

TcpClient::~TcpClient() { Close(); }

bool TcpClient::Connect(const std::string& host, std::int32_t port) {
  Close();
  if (host.empty() || port < 1 || port > 65535) return false;
  host_ = host;
  port_ = port;
  state_ = State::kResolving;
  connect_started_ms_ = NowMs();
  // A numeric address needs no resolver.
  sockaddr_in v4{};
  sockaddr_in6 v6{};
  if (::inet_pton(AF_INET, host.c_str(), &v4.sin_addr) == 1) {
    v4.sin_family = AF_INET;
    v4.sin_port = htons(static_cast<std::uint16_t>(port));
    StartConnect(&v4, sizeof v4);
    return true;
  }
  if (::inet_pton(AF_INET6, host.c_str(), &v6.sin6_addr) == 1) {
    v6.sin6_family = AF_INET6;
    v6.sin6_port = htons(static_cast<std::uint16_t>(port));
    StartConnect(&v6, sizeof v6);
    return true;
  }
  auto job = std::make_shared<Resolution>();
  resolution_ = job;
  std::thread([job, host, port] {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    const int error = ::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found);
    std::lock_guard lock(job->mutex);
    job->error = error;
    for (addrinfo* a = found; error == 0 && a != nullptr; a = a->ai_next) {
      if (a->ai_addrlen > sizeof(sockaddr_storage)) continue;
      sockaddr_storage address{};
      std::memcpy(&address, a->ai_addr, a->ai_addrlen);
      job->addresses.push_back(address);
      job->lengths.push_back(a->ai_addrlen);
    }
    if (found != nullptr) ::freeaddrinfo(found);
    job->done = true;
  }).detach();
  return true;
}

void TcpClient::StartConnect(const void* address, unsigned length) {
  const auto* generic = static_cast<const sockaddr*>(address);
  fd_ = ::socket(generic->sa_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (fd_ < 0) {
    Fail(SocketErrorNumber(errno), std::strerror(errno));
    return;
  }
  if (::connect(fd_, generic, length) == 0) {
    state_ = State::kConnected;
    if (Connected) Connected();
    return;
  }
  if (errno == EINPROGRESS) {
    state_ = State::kConnecting;
    return;
  }
  const int e = errno;
  Fail(SocketErrorNumber(e), std::strerror(e));
}

void TcpClient::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  resolution_.reset();
  output_.clear();
  state_ = State::kClosed;
}

void TcpClient::Fail(int number, const std::string& description) {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  resolution_.reset();
  output_.clear();
  state_ = State::kError;
  if (Error) Error(number, description);
}

bool TcpClient::Send(std::string_view bytes) {
  if (state_ != State::kConnected) return false;
  if (output_.size() + bytes.size() > kMaxQueuedOutput) return false;
  output_.append(bytes);
  FlushOutput();
  return true;
}

void TcpClient::FlushOutput() {
  while (!output_.empty() && fd_ >= 0) {
    const ssize_t n = ::send(fd_, output_.data(), output_.size(), MSG_NOSIGNAL);
    if (n > 0) {
      output_.erase(0, static_cast<std::size_t>(n));
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      return;
    } else {
      const int e = errno;
      Fail(SocketErrorNumber(e), std::strerror(e));
      return;
    }
  }
}

void TcpClient::Poll() {
  if (state_ == State::kResolving && resolution_) {
    std::shared_ptr<Resolution> job = resolution_;
    std::unique_lock lock(job->mutex);
    if (!job->done) {
      lock.unlock();
      if (NowMs() - connect_started_ms_ > ConnectTimeoutMs) Fail(kTryAgain, "the name could not be resolved in time");
      return;
    }
    if (job->error != 0 || job->addresses.empty()) {
      const int error = job->error;
      lock.unlock();
      Fail(ResolverErrorNumber(error), error != 0 ? ::gai_strerror(error) : "no address");
      return;
    }
    const sockaddr_storage address = job->addresses.front();
    const socklen_t length = job->lengths.front();
    lock.unlock();
    resolution_.reset();
    StartConnect(&address, length);
  }
  if (state_ == State::kConnecting) FinishConnect();
  if (state_ == State::kConnected) {
    FlushOutput();
    if (state_ == State::kConnected) ReadAvailable();
  }
}

void TcpClient::FinishConnect() {
  pollfd p{fd_, POLLOUT, 0};
  if (::poll(&p, 1, 0) <= 0) {
    if (NowMs() - connect_started_ms_ > ConnectTimeoutMs) Fail(kTimedOut, "the connection timed out");
    return;
  }
  int error = 0;
  socklen_t length = sizeof error;
  if (::getsockopt(fd_, SOL_SOCKET, SO_ERROR, &error, &length) != 0) error = errno;
  if (error != 0) {
    Fail(SocketErrorNumber(error), std::strerror(error));
    return;
  }
  state_ = State::kConnected;
  if (Connected) Connected();
}

void TcpClient::ReadAvailable() {
  std::string data;
  char buffer[8192];
  while (data.size() < kMaxReadPerPoll && fd_ >= 0) {
    const ssize_t n = ::recv(fd_, buffer, sizeof buffer, 0);
    if (n > 0) {
      data.append(buffer, static_cast<std::size_t>(n));
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) break;
    // The far end closed (n == 0) or the connection broke: what came before still counts.
    const int e = n == 0 ? ESHUTDOWN : errno;
    if (!data.empty() && DataArrival) DataArrival(data);
    if (state_ != State::kConnected) return;  // the handler closed the connection
    Fail(SocketErrorNumber(e), n == 0 ? "the far end closed the connection" : std::strerror(e));
    return;
  }
  if (!data.empty() && DataArrival) DataArrival(data);
}

void TcpClient::WaitForActivity(int timeout_ms) {
  if (state_ == State::kResolving) {
    const auto deadline = NowMs() + timeout_ms;
    while (resolution_ && NowMs() < deadline) {
      {
        std::lock_guard lock(resolution_->mutex);
        if (resolution_->done) return;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return;
  }
  if (fd_ < 0) return;
  pollfd p{fd_, static_cast<short>(state_ == State::kConnecting ? POLLOUT : POLLIN), 0};
  ::poll(&p, 1, timeout_ms);
}

}  // namespace ks::io
