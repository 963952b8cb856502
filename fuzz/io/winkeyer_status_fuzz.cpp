// The bytes a WinKeyer sends back: status bytes, speed-pot bytes, echoes and anything else.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/io/winkeyer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  ks::io::winkey::KeyerState state;
  ks::io::winkey::Decode(bytes, state);
  // Each byte is one status, one echo or nothing.
  if (state.statuses < 0 || state.echoes < 0 || static_cast<std::size_t>(state.statuses + state.echoes) > size)
    std::abort();
  return 0;
}
