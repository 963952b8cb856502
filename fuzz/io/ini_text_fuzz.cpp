// The text of a per-user settings file (Keystone.ini), as an editor or a damaged disk may
// leave it. What it reads, written again, reads back the same: a save never moves a value to
// another section or key.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/io/ini_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const ks::io::IniSections sections = ks::io::ParseIniText(text);
  if (ks::io::ParseIniText(ks::io::FormatIniText(sections)) != sections) std::abort();
  return 0;
}
