// Hex text typed by the operator, turned into bytes, and bytes shown as hex.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "rig/protocol/hex.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  (void)ks::rig::SpacedHexToBytes(text);
  (void)ks::rig::HexToBytes(text);
  (void)ks::rig::HexPairsToBytes(text, 6);
  // What is shown as hex reads back as the same bytes.
  if (ks::rig::SpacedHexToBytes(ks::rig::HexDump(text)) != text) std::abort();
  return 0;
}
