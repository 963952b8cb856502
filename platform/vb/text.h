#pragma once

// The toolkit's text functions over 8-bit (Windows-1252) strings.
// Positions are 1-based as in the toolkit; every function is safe for any
// position or length (out of range gives an empty or shortened result, never
// an error). Case mapping is ASCII only: the Windows-1252 letters above 127
// are left as they are.

#include <string>
#include <string_view>
#include <vector>

namespace ks::vb {

std::string UCase(std::string_view text);
std::string LCase(std::string_view text);

// Trim, LTrim and RTrim remove blanks (character 32) only, as the toolkit
// does; tabs and line ends stay.
std::string Trim(std::string_view text);
std::string LTrim(std::string_view text);
std::string RTrim(std::string_view text);

// First / last `length` characters; a negative length gives "".
std::string Left(std::string_view text, long long length);
std::string Right(std::string_view text, long long length);

// Characters from the 1-based `start` to the end, or at most `length` of
// them. A start below 1 or a negative length gives "".
std::string Mid(std::string_view text, long long start);
std::string Mid(std::string_view text, long long start, long long length);

// 1-based position of `find` in `text` at or after `start`, 0 when absent.
// An empty `find` gives `start` (when start is within the text + 1).
long long InStr(std::string_view text, std::string_view find);
long long InStr(long long start, std::string_view text, std::string_view find);

// Every occurrence of `find` replaced, left to right; an empty `find` leaves
// the text unchanged.
std::string Replace(std::string_view text, std::string_view find, std::string_view with);

// Pieces between the delimiters. An empty text gives no pieces; an empty
// delimiter gives the whole text as one piece.
std::vector<std::string> Split(std::string_view text, std::string_view delimiter);

// `count` blanks; a negative count gives "".
std::string Space(long long count);

// Equal when they differ only in the case of ASCII letters.
bool EqualsNoCase(std::string_view a, std::string_view b);

}  // namespace ks::vb
