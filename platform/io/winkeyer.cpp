#include "platform/io/winkeyer.h"

#include <chrono>
#include <string_view>
#include <thread>

#include "platform/io/serial_port.h"

namespace ks::io {
namespace winkey {
namespace {

constexpr char kAdmin = 0x00;
constexpr char kAdminOpen = 0x02;
constexpr char kAdminClose = 0x03;
constexpr char kAdminEcho = 0x04;

constexpr char kSetSpeed = 0x02;
constexpr char kSetWeight = 0x03;
constexpr char kSetLeadTail = 0x04;
constexpr char kBackspace = 0x08;
constexpr char kSetPinConfig = 0x09;
constexpr char kClearBuffer = 0x0A;
constexpr char kSetMode = 0x0E;
constexpr char kSetRatio = 0x17;
constexpr char kMergeLetters = 0x1B;

// Bits of a status byte.
constexpr std::uint8_t kStatusXoff = 0x01;
constexpr std::uint8_t kStatusBusy = 0x04;

std::string Bytes(std::initializer_list<std::uint8_t> values) {
  std::string out;
  for (std::uint8_t v : values) out += static_cast<char>(v);
  return out;
}

}  // namespace

std::string HostOpen() { return {kAdmin, kAdminOpen}; }
std::string HostClose() { return {kAdmin, kAdminClose}; }
std::string EchoTest(std::uint8_t value) { return Bytes({0x00, kAdminEcho, value}); }
std::string Speed(std::uint8_t wpm) { return Bytes({kSetSpeed, wpm}); }
std::string Weight(std::uint8_t weight) { return Bytes({kSetWeight, weight}); }
std::string LeadTail(std::uint8_t lead_in, std::uint8_t tail) { return Bytes({kSetLeadTail, lead_in, tail}); }
std::string Ratio(std::uint8_t ratio) { return Bytes({kSetRatio, ratio}); }
std::string PinConfig(std::uint8_t config) { return Bytes({kSetPinConfig, config}); }
std::string Mode(std::uint8_t mode) { return Bytes({kSetMode, mode}); }
std::string ClearBuffer() { return {kClearBuffer}; }
std::string Backspace() { return {kBackspace}; }
std::string MergeLetters(char first, char second) { return {kMergeLetters, first, second}; }

bool IsStatusByte(std::uint8_t b) { return (b & 0xE0) == 0xC0; }
bool IsPotByte(std::uint8_t b) { return (b & 0xC0) == 0x80; }

void Decode(std::string_view bytes, KeyerState& state) {
  for (char c : bytes) {
    const auto b = static_cast<std::uint8_t>(c);
    if (IsStatusByte(b)) {
      state.busy = (b & kStatusBusy) != 0;
      state.full = (b & kStatusXoff) != 0;
      ++state.statuses;
    } else if ((b & 0x80) == 0) {
      ++state.echoes;
    }
    // The speed pot's bytes and anything else are passed over.
  }
}

bool IsKeyable(char c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == ' ') return true;
  return std::string_view("\"$'()+,-./:;=?@!&_").find(c) != std::string_view::npos;
}

std::string CharacterBytes(char c) {
  switch (c) {
    case '[': return MergeLetters('A', 'R');
    case ']': return MergeLetters('S', 'K');
    case '\\': return MergeLetters('C', 'L');
    default: return IsKeyable(c) ? std::string(1, c) : std::string();
  }
}

}  // namespace winkey

WinKeyer::WinKeyer(std::unique_ptr<SerialPort> port, int reply_timeout_ms)
    : port_(std::move(port)), reply_timeout_ms_(reply_timeout_ms) {}

WinKeyer::~WinKeyer() { Close(); }

bool WinKeyer::IsOpen() const { return open_ && port_ && port_->IsOpen(); }

int WinKeyer::Open(std::uint8_t& version, int port_number) {
  if (IsOpen()) return kWinKeyAlreadyOpen;
  failure_.clear();
  state_ = {};
  handed_over_ = saw_busy_ = false;
  if (port_->IsOpen()) port_->Close();
  if (!port_->SetPortNumber(port_number) || !port_->SetSettings("1200,N,8,2")) return kWinKeySetComFailed;
  if (!port_->Open()) return kWinKeyComOpenFailed;
  std::string stale;
  port_->Read(stale);
  constexpr std::uint8_t kEchoValue = 0x55;
  Send(winkey::EchoTest(kEchoValue));
  std::uint8_t reply = 0;
  int status = kWinKeySuccess;
  if (!AwaitReply(reply)) {
    status = kWinKeyNoEchoResponse;
  } else if (reply != kEchoValue) {
    status = kWinKeyEchoMismatch;
  } else {
    Send(winkey::HostOpen());
    if (!AwaitReply(reply)) status = kWinKeyNoOpenResponse;
  }
  if (status != kWinKeySuccess) {
    port_->Close();
    return status;
  }
  version = reply;
  open_ = true;
  return kWinKeySuccess;
}

void WinKeyer::Close() {
  if (IsOpen()) Send(winkey::HostClose());
  open_ = false;
  if (port_ && port_->IsOpen()) port_->Close();
}

void WinKeyer::Send(std::string_view bytes) {
  // Settings sent while no keyer is open go nowhere, as the window allows.
  if (!port_ || !port_->IsOpen()) return;
  if (SerialResult written = port_->Write(bytes); !written) {
    failure_ = written.error;
    open_ = false;
  }
}

void WinKeyer::Poll() {
  if (!port_ || !port_->IsOpen()) return;
  std::string bytes;
  if (SerialResult read = port_->Read(bytes); !read) {
    failure_ = read.error;
    open_ = false;
    return;
  }
  for (char c : bytes) {
    const int statuses = state_.statuses;
    winkey::Decode(std::string_view(&c, 1), state_);
    if (state_.statuses == statuses) continue;
    if (state_.busy) {
      saw_busy_ = true;
    } else if (saw_busy_) {
      handed_over_ = saw_busy_ = false;
    }
  }
}

bool WinKeyer::AwaitReply(std::uint8_t& byte) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(reply_timeout_ms_);
  std::string bytes;
  for (;;) {
    bytes.clear();
    if (!port_->Read(bytes)) return false;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      const auto b = static_cast<std::uint8_t>(bytes[i]);
      if ((b & 0x80) == 0) {
        byte = b;
        // What came with the answer (a status byte, say) still counts.
        winkey::Decode(std::string_view(bytes).substr(i + 1), state_);
        return true;
      }
      winkey::Decode(std::string_view(bytes).substr(i, 1), state_);
    }
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
}

int WinKeyer::GetStatus() {
  Poll();
  if (state_.full) return kWinKeyFull;
  return state_.busy || handed_over_ ? 1 : 0;
}

void WinKeyer::Char(char c) {
  const std::string bytes = winkey::CharacterBytes(c);
  if (bytes.empty()) return;
  Send(bytes);
  handed_over_ = true;
  saw_busy_ = false;
}

void WinKeyer::ClearBuffer() {
  Send(winkey::ClearBuffer());
  handed_over_ = saw_busy_ = false;
}
void WinKeyer::Backspace() { Send(winkey::Backspace()); }
void WinKeyer::Wpm(std::uint8_t wpm) { Send(winkey::Speed(wpm)); }
void WinKeyer::Weight(std::uint8_t weight) { Send(winkey::Weight(weight)); }
void WinKeyer::LeadTail(std::uint8_t lead_in, std::uint8_t tail) { Send(winkey::LeadTail(lead_in, tail)); }
void WinKeyer::Ratio(std::uint8_t ratio) { Send(winkey::Ratio(ratio)); }
void WinKeyer::PinConfig(std::uint8_t config) { Send(winkey::PinConfig(config)); }
void WinKeyer::SetMode(std::uint8_t mode) { Send(winkey::Mode(mode)); }

}  // namespace ks::io
