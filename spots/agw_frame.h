#pragma once
// Frames of the packet engine's TCP interface: a 36-byte header (radio port, kind, PID,
// the calls from and to, the data length) followed by the data. Frames from the engine are
// untrusted: a header whose data length is past the bound is refused and the stream is
// then unusable.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ks {

struct AgwFrame {
  std::uint8_t port = 0;
  char kind = 0;
  std::uint8_t pid = 0;
  std::string call_from;  // up to 9 characters
  std::string call_to;
  std::string data;
  friend bool operator==(const AgwFrame&, const AgwFrame&) = default;
};

inline constexpr std::size_t kAgwHeaderSize = 36;
// Far more than any frame the engine sends (a packet carries at most a few hundred bytes).
inline constexpr std::uint32_t kAgwMaxDataLength = 8192;

std::string EncodeAgwFrame(const AgwFrame& frame);

// Cuts frames out of the byte stream from the engine.
class AgwFrameDecoder {
 public:
  void Append(std::string_view bytes);
  // The next whole frame; nothing while one is incomplete or after a refused header.
  std::optional<AgwFrame> Next();
  bool Failed() const { return !error_.empty(); }
  const std::string& Error() const { return error_; }

 private:
  std::string buffer_;
  std::string error_;
};

}  // namespace ks
