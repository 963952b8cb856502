// The settings text of a serial port, as a rig settings file may hold it.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/io/serial_port.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  std::string why;
  if (auto parsed = ks::io::ParseSerialSettings(text, &why)) {
    // What it accepts it gives back in a form that reads the same again.
    auto again = ks::io::ParseSerialSettings(ks::io::FormatSerialSettings(*parsed));
    if (!again || !(*again == *parsed)) std::abort();
  } else if (why.empty()) {
    std::abort();
  }
  return 0;
}
