// Bytes from the packet engine: cut into frames in pieces whose sizes come from the input.
// Every frame comes out within its bounds, and what a frame encodes reads back the same.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "spots/agw_frame.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  ks::AgwFrameDecoder decoder;
  std::size_t at = 0;
  while (at < input.size()) {
    const std::size_t piece = 1 + static_cast<unsigned char>(input[at]) % 64;
    decoder.Append(input.substr(at, piece));
    at += piece;
    while (auto frame = decoder.Next()) {
      if (frame->data.size() > ks::kAgwMaxDataLength || frame->call_from.size() > 10 || frame->call_to.size() > 10)
        std::abort();
      ks::AgwFrameDecoder again;
      again.Append(ks::EncodeAgwFrame(*frame));
      const auto round = again.Next();
      if (!round || round->data != frame->data || round->kind != frame->kind) std::abort();
    }
  }
  return 0;
}
