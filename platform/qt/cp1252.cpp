#include "platform/qt/cp1252.h"

#include <array>

namespace ks::qt {
namespace {

// Bytes 0x80 to 0x9F; 0 marks the five bytes the code page leaves undefined, which map to
// the C1 control character of the same number.
constexpr std::array<char16_t, 32> kHighTable = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char16_t UnicodeOf(unsigned char byte) {
  if (byte < 0x80 || byte > 0x9F) return byte;
  const char16_t mapped = kHighTable[byte - 0x80];
  return mapped != 0 ? mapped : byte;
}

}  // namespace

QString FromCp1252(std::string_view bytes) {
  QString text;
  text.reserve(static_cast<qsizetype>(bytes.size()));
  for (char c : bytes) text.append(QChar(UnicodeOf(static_cast<unsigned char>(c))));
  return text;
}

std::optional<unsigned char> Cp1252ByteOf(QChar ch) {
  const char16_t u = ch.unicode();
  if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<unsigned char>(u);
  for (unsigned i = 0; i < kHighTable.size(); ++i) {
    const unsigned char byte = static_cast<unsigned char>(0x80 + i);
    if (UnicodeOf(byte) == u) return byte;
  }
  return std::nullopt;
}

bool HoldsInCp1252(const QString& text) {
  for (QChar ch : text)
    if (!Cp1252ByteOf(ch)) return false;
  return true;
}

QValidator::State Cp1252Validator::validate(QString& input, int& /*position*/) const {
  return HoldsInCp1252(input) ? Acceptable : Invalid;
}

std::string ToCp1252(const QString& text) {
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(text.size()));
  for (QChar ch : text) {
    if (ch.isLowSurrogate()) continue;  // one "?" for a character outside the basic plane
    const auto byte = Cp1252ByteOf(ch);
    bytes.push_back(static_cast<char>(byte.value_or('?')));
  }
  return bytes;
}

}  // namespace ks::qt
