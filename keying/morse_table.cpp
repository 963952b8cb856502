#include "keying/morse_table.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "platform/vb/rounding.h"

namespace ks {
namespace {

struct Sign {
  char character;
  std::string_view elements;
};

constexpr std::array<Sign, 47> kSigns{{
    {' ', "00000000"},
    {'A', "10111000"},
    {'B', "111010101000"},
    {'C', "11101011101000"},
    {'D', "1110101000"},
    {'E', "1000"},
    {'F', "101011101000"},
    {'G', "111011101000"},
    {'H', "1010101000"},
    {'I', "101000"},
    {'J', "1011101110111000"},
    {'K', "111010111000"},
    {'L', "101110101000"},
    {'M', "1110111000"},
    {'N', "11101000"},
    {'O', "11101110111000"},
    {'P', "10111011101000"},
    {'Q', "1110111010111000"},
    {'R', "1011101000"},
    {'S', "10101000"},
    {'T', "111000"},
    {'U', "1010111000"},
    {'V', "101010111000"},
    {'W', "101110111000"},
    {'X', "11101010111000"},
    {'Y', "1110101110111000"},
    {'Z', "11101110101000"},
    {'0', "1110111011101110111000"},
    {'1', "10111011101110111000"},
    {'2', "101011101110111000"},
    {'3', "1010101110111000"},
    {'4', "10101010111000"},
    {'5', "101010101000"},
    {'6', "11101010101000"},
    {'7', "1110111010101000"},
    {'8', "111011101110101000"},
    {'9', "11101110111011101000"},
    {'.', "10111010111010111000"},
    {',', "1110111010101110111000"},
    {'?', "101011101110101000"},
    {'/', "1110101011101000"},
    {'-', "1110101010111000"},          // BT
    {'[', "1011101011101000"},          // AR
    {']', "101010111010111000"},        // SK
    {';', "111010111011101000"},        // KN
    {'\\', "111010111010101110101000"}, // CL
    {'=', "1110101010111000"},          // BT
}};

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

std::string_view ElementString(char c) {
  const char upper = Upper(c);
  for (const Sign& sign : kSigns) {
    if (sign.character == upper) return sign.elements;
  }
  return {};
}

std::string CharacterElements(char c, double word_space) {
  std::string elements(ElementString(c));
  if (c != ' ' || !std::isfinite(word_space)) return elements;
  if (word_space > 0) {
    // A huge adjustment is bounded: a minute of key-up at any sane speed is plenty.
    const double extra = std::min(std::floor(word_space), 1000.0);
    elements.append(static_cast<std::size_t>(extra), '0');
  } else if (word_space < 0) {
    const double kept = vb::RoundHalfEven(8 + word_space);
    elements.resize(kept <= 0 ? 0 : static_cast<std::size_t>(std::min(kept, 8.0)));
  }
  return elements;
}

}  // namespace ks
