#pragma once
// Bytes and hexadecimal text, as the radios' binary commands and replies are shown, typed
// and stored: one character per byte, each byte written as two upper-case digits.
#include <optional>
#include <string>
#include <string_view>

namespace ks::rig {

// "0" to "9", "A" to "F" for 0 to 15; the empty text for anything else.
std::string NibbleToHex(int value);
// Two digits per byte, no separators: "\x3F\x41" gives "3F41".
std::string BytesToHexDigits(std::string_view bytes);
// Two digits and a blank per byte, the blank also after the last: "3F 41 0D ".
std::string HexDump(std::string_view bytes);
// The pairs at every third position ("3F 41 0D", separated by any one character), one byte
// each; a lone last digit is a byte of its own. Empty when a pair is not hexadecimal.
std::string SpacedHexToBytes(std::string_view text);
// The first `count` pairs at every third position; nothing when the text is too short or a
// pair is not hexadecimal (the poll requests of the binary radios).
std::optional<std::string> HexPairsToBytes(std::string_view text, int count);
// Pairs taken two characters at a time from the start ("FEFE64E005"); a lone last digit is
// a byte of its own. Empty when the text is not hexadecimal.
std::string HexToBytes(std::string_view text);
// The value of a run of hexadecimal digits (at most 8), nothing when one is not.
std::optional<unsigned long> ReadHex(std::string_view digits);

}  // namespace ks::rig
