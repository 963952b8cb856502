#include "platform/io/wav.h"

#include <cstdint>

namespace ks::io {
namespace {

constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;

std::uint32_t Le32(std::string_view b, std::size_t at) {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}
std::uint16_t Le16(std::string_view b, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8);
}

bool ReadFormat(std::string_view chunk, WavInfo& info, std::string& why) {
  if (chunk.size() < 16) {
    why = "its format chunk is too short";
    return false;
  }
  std::uint16_t tag = Le16(chunk, 0);
  // The extensible form names the real format in the first two bytes of its sub-format.
  if (tag == kFormatExtensible && chunk.size() >= 26) tag = Le16(chunk, 24);
  if (tag != kFormatPcm) {
    why = "it is not plain PCM sound";
    return false;
  }
  info.channels = Le16(chunk, 2);
  const std::uint32_t rate = Le32(chunk, 4);
  info.bits_per_sample = Le16(chunk, 14);
  if (info.channels < 1 || info.channels > 8) {
    why = "it has " + std::to_string(info.channels) + " channels";
    return false;
  }
  if (rate < 1000 || rate > 384000) {
    why = "its sample rate of " + std::to_string(rate) + " Hz is not playable";
    return false;
  }
  info.sample_rate = static_cast<int>(rate);
  const int bits = info.bits_per_sample;
  if (bits != 8 && bits != 16 && bits != 24 && bits != 32) {
    why = "it has " + std::to_string(bits) + "-bit samples";
    return false;
  }
  return true;
}

}  // namespace

double WavInfo::DurationMs() const {
  const double bytes_per_second = static_cast<double>(sample_rate) * BlockAlign();
  return bytes_per_second > 0 ? static_cast<double>(data_size) / bytes_per_second * 1000.0 : 0.0;
}

std::optional<WavInfo> ReadWavHeader(std::string_view bytes, std::string& why) {
  if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE") {
    why = "it is not a WAV file";
    return std::nullopt;
  }
  WavInfo info;
  bool have_format = false;
  std::size_t at = 12;
  while (bytes.size() - at >= 8) {
    const std::string_view id = bytes.substr(at, 4);
    const std::uint32_t size = Le32(bytes, at + 4);
    const std::size_t body = at + 8;
    if (size > bytes.size() - body) {
      why = "its " + std::string(id) + " chunk claims more bytes than the file holds";
      return std::nullopt;
    }
    if (id == "fmt ") {
      if (!ReadFormat(bytes.substr(body, size), info, why)) return std::nullopt;
      have_format = true;
    } else if (id == "data") {
      if (!have_format) {
        why = "its sound data comes before its format";
        return std::nullopt;
      }
      info.data_offset = body;
      // Whole sample frames only.
      info.data_size = size - size % static_cast<std::uint32_t>(info.BlockAlign());
      return info;
    }
    // Chunks are padded to an even length.
    const std::size_t next = body + size + (size & 1u);
    if (next <= at || next > bytes.size()) break;
    at = next;
  }
  why = have_format ? "it holds no sound data" : "it has no format chunk";
  return std::nullopt;
}

}  // namespace ks::io
