#pragma once

// Numbers as the toolkit writes them with Str, CStr and the file write
// statement: the nearest decimal with 7 (Single) or 15 (Double) significant
// digits, trailing zeros dropped, "." always as the point whatever the locale,
// no zero before the point (".5", "-.25"), whole numbers without a point, and
// the exponent form "1.234568E+07" / "1E-05" when the decimal exponent is 7
// (Single) or 15 (Double) or more, or below -4.

#include <cstdint>
#include <string>

namespace ks::vb {

std::string FormatSingle(float value);
std::string FormatDouble(double value);

// Str: the same text with a leading blank for a value that is not negative.
std::string Str(double value);
std::string Str(float value);
std::string Str(long long value);

// CStr: the same text without the blank ("True" / "False" for truth values).
std::string CStr(double value);
std::string CStr(float value);
std::string CStr(long long value);
std::string CStr(int value);
std::string CStr(bool value);

}  // namespace ks::vb
