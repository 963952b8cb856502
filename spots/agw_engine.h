#pragma once
// The packet engine's client calls that the spotting window uses (start polling under the
// own call, take one frame, put a frame, close), done over the engine's TCP interface:
// registration of the own call, monitoring, connected frames.
#include <cstdint>
#include <deque>
#include <memory>
#include <string>

#include "platform/io/tcp_client.h"
#include "spots/agw_frame.h"

namespace ks {

// One frame as the window takes it: the sender, the data and the kind ('c' a new
// connection, 'd' a disconnection, anything else data).
struct AgwReceived {
  std::string sender;
  std::string data;
  int kind = 0;
};

class AgwEngine {
 public:
  static constexpr int kDefaultPort = 8000;
  // Frames not yet taken are kept up to this number; older ones give way.
  static constexpr std::size_t kMaxQueuedFrames = 200;

  AgwEngine(std::string host, std::int32_t port);

  // Connects (waiting at most `timeout_ms`), registers the own call and asks for the
  // monitored traffic. Nonzero when the engine took the registration.
  int AGWStartPoll(const std::string& own_call, const std::string& application, int timeout_ms = 2000);
  // One frame when there is one. False also after a failure; Failure() then says why.
  bool AGWGetData(AgwReceived& frame);
  void AGWPutData(const std::string& destination, const std::string& data, int kind);
  void AGWClose();

  bool Open() const { return open_; }
  // Waits up to `timeout_ms` for bytes from the engine (for tests and tools).
  void WaitForActivity(int timeout_ms) { socket_.WaitForActivity(timeout_ms); }
  // Why the connection ended (a refused frame, a broken connection); empty while all is well.
  const std::string& Failure() const { return failure_; }

 private:
  void Pump();
  void Take(const AgwFrame& frame);
  void Send(char kind, const std::string& to, const std::string& data);

  std::string host_;
  std::int32_t port_;
  io::TcpClient socket_;
  AgwFrameDecoder decoder_;
  std::deque<AgwReceived> frames_;
  std::string own_call_;
  bool open_ = false;
  bool registered_ = false;
  std::string failure_;
};

}  // namespace ks
