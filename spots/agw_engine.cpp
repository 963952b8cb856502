#include "spots/agw_engine.h"

#include <chrono>

namespace ks {

namespace {
constexpr std::uint8_t kTextPid = 0xF0;
}  // namespace

AgwEngine::AgwEngine(std::string host, std::int32_t port) : host_(std::move(host)), port_(port) {
  socket_.DataArrival = [this](const std::string& bytes) {
    decoder_.Append(bytes);
    while (auto frame = decoder_.Next()) Take(*frame);
    if (decoder_.Failed()) {
      failure_ = decoder_.Error();
      socket_.Close();
      open_ = false;
    }
  };
  socket_.Error = [this](int number, const std::string& description) {
    failure_ = description.empty() ? "socket error " + std::to_string(number) : description;
    open_ = false;
  };
}

void AgwEngine::Take(const AgwFrame& frame) {
  switch (frame.kind) {
    case 'X': registered_ = !frame.data.empty() && frame.data[0] == 1; return;
    case 'C': frames_.push_back({frame.call_from, frame.data, 'c'}); break;
    case 'd': frames_.push_back({frame.call_from, frame.data, 'd'}); break;
    case 'D':
    case 'U':
    case 'I':
    case 'S':
    case 'T': frames_.push_back({frame.call_from, frame.data, static_cast<unsigned char>(frame.kind)}); break;
    default: return;  // port information, versions, counters: not the window's business
  }
  while (frames_.size() > kMaxQueuedFrames) frames_.pop_front();
}

void AgwEngine::Send(char kind, const std::string& to, const std::string& data) {
  AgwFrame frame;
  frame.kind = kind;
  frame.pid = kind == 'D' ? kTextPid : 0;
  frame.call_from = own_call_;
  frame.call_to = to;
  frame.data = data;
  socket_.Send(EncodeAgwFrame(frame));
}

int AgwEngine::AGWStartPoll(const std::string& own_call, const std::string& application, int timeout_ms) {
  (void)application;
  AGWClose();
  failure_.clear();
  own_call_ = own_call;
  if (!socket_.Connect(host_, port_)) return 0;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  const auto left = [&] {
    return static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()).count());
  };
  bool sent = false;
  while (left() > 0 && failure_.empty() && !registered_) {
    socket_.WaitForActivity(std::min(left(), 50));
    socket_.Poll();
    if (socket_.GetState() == io::TcpClient::State::kConnected && !sent) {
      Send('X', "", "");
      sent = true;
    }
  }
  if (!registered_) {
    socket_.Close();
    return 0;
  }
  Send('m', "", "");
  open_ = true;
  return 1;
}

void AgwEngine::Pump() {
  if (open_) socket_.Poll();
}

bool AgwEngine::AGWGetData(AgwReceived& frame) {
  Pump();
  if (frames_.empty()) return false;
  frame = frames_.front();
  frames_.pop_front();
  return true;
}

void AgwEngine::AGWPutData(const std::string& destination, const std::string& data, int kind) {
  if (!open_) return;
  switch (kind) {
    case 'c': Send('C', destination, ""); break;
    case 'd': Send('d', destination, ""); break;
    case 'D': Send('D', destination, data); break;
    default: break;  // nothing else needs a frame of the engine's own
  }
}

void AgwEngine::AGWClose() {
  socket_.Close();
  frames_.clear();
  decoder_ = AgwFrameDecoder();
  open_ = false;
  registered_ = false;
}

}  // namespace ks
