#pragma once
// The header of a WAV file (RIFF, PCM samples), read from untrusted bytes: every length is
// checked against what the file holds, and anything else is refused with the reason.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace ks::io {

struct WavInfo {
  int channels = 0;
  int sample_rate = 0;
  int bits_per_sample = 0;
  // Where the samples start in the file, and how many bytes of them there are.
  std::size_t data_offset = 0;
  std::size_t data_size = 0;
  int BlockAlign() const { return channels * (bits_per_sample / 8); }
  double DurationMs() const;
};

// Reads a WAV file's header from its bytes. Nothing, with the reason in `why`, for a file
// that is not a PCM WAV of 1 to 8 channels and 8, 16, 24 or 32 bits, or whose chunks claim
// more bytes than it holds.
std::optional<WavInfo> ReadWavHeader(std::string_view bytes, std::string& why);

}  // namespace ks::io
