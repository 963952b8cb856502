#pragma once
// The score panels' number formats ("###,##0", "###,##0.0" ...) with the digit-grouping and
// decimal characters of the system's locale. The program reads the locale once; a test
// pins the characters in app.State<NumberSeparators>() before the first use.
#include <string>
#include <string_view>

namespace ks::forms {
class Application;
}

namespace ks {

// app.State<NumberSeparators>()
struct NumberSeparators {
  bool known = false;  // false until read from the locale (or set by a test)
  char group = ',';
  char point = '.';
};

// The separators of the process's environment locale (LC_NUMERIC, LANG ...); "," and "."
// when it gives no grouping (the C locale). A character outside ASCII becomes the
// Windows-1252 no-break space.
NumberSeparators SystemNumberSeparators();

// The separators in use, read from the system on first use.
const NumberSeparators& DisplaySeparators(forms::Application& app);

// vb::Format of the value with the pattern, "," and "." then written as the separators say.
// A single-precision tally is passed as the exact value it holds: formatted as a Single it
// would be cut to 7 significant digits (a score of 1,234,567.5 would show as 1,234,568.0).
std::string FormatScore(double value, std::string_view pattern, const NumberSeparators& separators);

}  // namespace ks
