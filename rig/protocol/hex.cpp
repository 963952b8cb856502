#include "rig/protocol/hex.h"

namespace ks::rig {
namespace {

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// One or two hexadecimal digits as a byte.
std::optional<char> ByteOf(std::string_view pair) {
  if (pair.empty()) return std::nullopt;
  int value = 0;
  for (char c : pair) {
    int d = DigitValue(c);
    if (d < 0) return std::nullopt;
    value = value * 16 + d;
  }
  return static_cast<char>(value);
}

}  // namespace

std::string NibbleToHex(int value) {
  if (value < 0 || value > 15) return "";
  return std::string(1, "0123456789ABCDEF"[value]);
}

std::string BytesToHexDigits(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size() * 2);
  for (unsigned char b : bytes) text += NibbleToHex(b / 16) + NibbleToHex(b % 16);
  return text;
}

std::string HexDump(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size() * 3);
  for (unsigned char b : bytes) text += NibbleToHex(b / 16) + NibbleToHex(b % 16) + " ";
  return text;
}

std::string SpacedHexToBytes(std::string_view text) {
  std::string bytes;
  for (size_t i = 0; i < text.size(); i += 3) {
    auto byte = ByteOf(text.substr(i, 2));
    if (!byte) return "";
    bytes += *byte;
  }
  return bytes;
}

std::optional<std::string> HexPairsToBytes(std::string_view text, int count) {
  std::string bytes;
  for (int k = 0; k < count; ++k) {
    size_t at = static_cast<size_t>(k) * 3;
    if (at + 2 > text.size()) return std::nullopt;
    auto byte = ByteOf(text.substr(at, 2));
    if (!byte) return std::nullopt;
    bytes += *byte;
  }
  return bytes;
}

std::string HexToBytes(std::string_view text) {
  std::string bytes;
  for (size_t i = 0; i < text.size(); i += 2) {
    auto byte = ByteOf(text.substr(i, 2));
    if (!byte) return "";
    bytes += *byte;
  }
  return bytes;
}

std::optional<unsigned long> ReadHex(std::string_view digits) {
  if (digits.empty() || digits.size() > 8) return std::nullopt;
  unsigned long value = 0;
  for (char c : digits) {
    int d = DigitValue(c);
    if (d < 0) return std::nullopt;
    value = value * 16 + static_cast<unsigned long>(d);
  }
  return value;
}

}  // namespace ks::rig
