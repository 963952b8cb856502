#include "spots/agw_frame.h"

#include <algorithm>

namespace ks {

namespace {

constexpr std::size_t kCallField = 10;

void PutCall(std::string& header, std::size_t at, const std::string& call) {
  const std::size_t n = std::min(call.size(), kCallField - 1);
  header.replace(at, n, call.substr(0, n));
}

std::string GetCall(std::string_view header, std::size_t at) {
  std::string_view field = header.substr(at, kCallField);
  const auto nul = field.find('\0');
  if (nul != std::string_view::npos) field = field.substr(0, nul);
  return std::string(field);
}

std::uint32_t GetLength(std::string_view header) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(header[28 + static_cast<std::size_t>(i)]);
  return value;
}

}  // namespace

std::string EncodeAgwFrame(const AgwFrame& frame) {
  std::string header(kAgwHeaderSize, '\0');
  header[0] = static_cast<char>(frame.port);
  header[4] = frame.kind;
  header[6] = static_cast<char>(frame.pid);
  PutCall(header, 8, frame.call_from);
  PutCall(header, 18, frame.call_to);
  const auto length = static_cast<std::uint32_t>(frame.data.size());
  for (int i = 0; i < 4; ++i) header[28 + static_cast<std::size_t>(i)] = static_cast<char>((length >> (8 * i)) & 0xFF);
  return header + frame.data;
}

void AgwFrameDecoder::Append(std::string_view bytes) {
  if (Failed()) return;
  buffer_.append(bytes);
}

std::optional<AgwFrame> AgwFrameDecoder::Next() {
  if (Failed() || buffer_.size() < kAgwHeaderSize) return std::nullopt;
  const std::string_view header(buffer_.data(), kAgwHeaderSize);
  const std::uint32_t length = GetLength(header);
  if (length > kAgwMaxDataLength) {
    error_ = "a frame announces " + std::to_string(length) + " bytes of data";
    buffer_.clear();
    return std::nullopt;
  }
  if (buffer_.size() < kAgwHeaderSize + length) return std::nullopt;
  AgwFrame frame;
  frame.port = static_cast<std::uint8_t>(header[0]);
  frame.kind = header[4];
  frame.pid = static_cast<std::uint8_t>(header[6]);
  frame.call_from = GetCall(header, 8);
  frame.call_to = GetCall(header, 18);
  frame.data = buffer_.substr(kAgwHeaderSize, length);
  buffer_.erase(0, kAgwHeaderSize + length);
  return frame;
}

}  // namespace ks
