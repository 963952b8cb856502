// The header of a WAV file, as a voice message or prompt file may hold it.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/io/wav.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::string why;
  if (const auto info = ks::io::ReadWavHeader(bytes, why)) {
    // What it accepts lies inside the file, in whole frames of a playable format.
    if (info->data_offset > bytes.size() || info->data_size > bytes.size() - info->data_offset) std::abort();
    if (info->BlockAlign() <= 0 || info->data_size % static_cast<std::size_t>(info->BlockAlign()) != 0) std::abort();
  } else if (why.empty()) {
    std::abort();
  }
  return 0;
}
