#pragma once
// Morse code as element strings: one character per Morse unit, "1" key down and "0" key up.
// A dot is "1", a dash "111", the gap inside a sign "0", and every sign ends in "000" so
// that it carries its own letter space. The space character is a word space of 8 units.
#include <string>
#include <string_view>

namespace ks {

// The element string of a character, looked up after upper-casing; empty for a character
// with no sign ("!", "(", accented letters ...). "-" and "=" both send BT; "[" AR, "]" SK,
// ";" KN and "\" CL.
std::string_view ElementString(char c);

// What one character sends: its element string, with the word space lengthened by
// `word_space` units (its whole part) or shortened by -`word_space` units (8 + n rounded
// half to even), so that -8 or less leaves nothing.
std::string CharacterElements(char c, double word_space);

}  // namespace ks
