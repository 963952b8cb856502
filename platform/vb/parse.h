#pragma once

// Text to number as the toolkit reads it, pinned to the en-US conventions:
// "." is the decimal point and "," the thousands separator, whatever the
// process locale.

#include <optional>
#include <string_view>

namespace ks::vb {

// Val: blanks, tabs and line feeds anywhere in the text are ignored; then the
// longest number at the front is taken: an optional sign, digits, an optional
// fraction, an optional exponent ("E" or "D", sign, digits). "&H" and "&O"
// prefixes read hexadecimal and octal; up to FFFF (177777) the value is a
// 16-bit signed integer, up to FFFFFFFF a 32-bit one ("&HFFFF" gives -1).
// Nothing readable gives 0, and so does a value beyond the range of a double
// (where the toolkit raises an overflow error).
double Val(std::string_view text);

// IsNumeric: the whole text, blanks around it allowed, is one number: an
// optional leading sign, digits with optional thousands separators (","), an
// optional "." fraction, an optional exponent, or an "&H" / "&O" integer.
// At least one digit is needed. Currency signs, a trailing sign and
// parentheses for negatives are not accepted.
bool IsNumeric(std::string_view text);

// The number of a text that IsNumeric accepts; nothing otherwise. CSng also
// fails for a magnitude beyond the range of a Single.
std::optional<double> CDbl(std::string_view text);
std::optional<float> CSng(std::string_view text);

}  // namespace ks::vb
