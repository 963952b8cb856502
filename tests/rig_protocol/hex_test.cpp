// Byte and hex text conversions.
#include <gtest/gtest.h>

#include "rig/protocol/hex.h"

namespace ks::rig {
namespace {

TEST(Hex, DumpAndSpacedHexAreInverse) {
  EXPECT_EQ(HexDump("\x3F\x41\x0D"), "3F 41 0D ");
  EXPECT_EQ(SpacedHexToBytes("3F 41 0D "), "\x3F\x41\x0D");
  EXPECT_EQ(HexDump(""), "");
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(SpacedHexToBytes(HexDump(all)), all);
  EXPECT_EQ(BytesToHexDigits("\x0E\xFF"), "0EFF");
}

TEST(Hex, BadPairsGiveNothing) {
  EXPECT_EQ(SpacedHexToBytes("3F 4G 0D"), "");
  EXPECT_EQ(SpacedHexToBytes("3F-41-0D"), "\x3F\x41\x0D");  // any one separator
  EXPECT_EQ(SpacedHexToBytes("3F 4"), "\x3F\x04");
  EXPECT_EQ(HexToBytes("FEFE64E005"), "\xFE\xFE\x64\xE0\x05");
  EXPECT_EQ(HexToBytes("FEF"), "\xFE\x0F");
  EXPECT_EQ(HexToBytes("FE FE"), "");
  EXPECT_EQ(HexPairsToBytes("FE FE 64 E0 03 FD junk", 6), std::optional<std::string>("\xFE\xFE\x64\xE0\x03\xFD"));
  EXPECT_EQ(HexPairsToBytes("FE FE 64 E0 03 F", 6), std::nullopt);
  EXPECT_EQ(HexPairsToBytes("FE FE 6X E0 03 FD", 6), std::nullopt);
}

TEST(Hex, Nibbles) {
  EXPECT_EQ(NibbleToHex(0), "0");
  EXPECT_EQ(NibbleToHex(10), "A");
  EXPECT_EQ(NibbleToHex(15), "F");
  EXPECT_EQ(NibbleToHex(16), "");
  EXPECT_EQ(NibbleToHex(-1), "");
}

}  // namespace
}  // namespace ks::rig
