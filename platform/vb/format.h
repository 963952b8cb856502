#pragma once

// The toolkit's Format for numbers and for dates and times, pinned to the
// en-US conventions ("." point, "," thousands separator, ":" and "/"
// separators, "AM"/"PM", short date m/d/yyyy).

#include <string>
#include <string_view>

#include "platform/vb/datetime.h"

namespace ks::vb {

// Number patterns of "#", "0", "." and ",", with literal text around them:
//   - "0" before the point sets the least number of integer digits, counted
//     from the first "0" to the point ("#0.0", "00", "000"); with only "#"
//     there a value below 1 has no digit before the point ("#.000" -> ".500");
//   - the placeholders after the point give the number of decimals; the
//     digits up to the last "0" are always shown, later zeros are dropped
//     ("###.####0" -> 14.20000, "####.#####" -> "7.");
//   - the point is written whenever the pattern has one;
//   - a "," among the integer placeholders groups the digits by three;
//   - "\x" and "text in quotes" are literal; other characters are literal
//     too and are written before the number when they stand before the
//     first placeholder, after it otherwise.
// Rounding is half away from zero on the value's 15 significant digits (7 for
// a Single), as the toolkit's Format does (1.005 with "0.00" gives "1.01");
// a negative value that rounds to zero has no "-". Only the first section of a
// pattern with ";" is used. An empty pattern gives CStr of the value.
std::string Format(double value, std::string_view pattern);
std::string Format(float value, std::string_view pattern);
std::string Format(long long value, std::string_view pattern);
std::string Format(int value, std::string_view pattern);

// Date and time patterns; tokens ignore case:
//   yyyy yy   year;            mmmm mmm mm m   month (name, abbreviation,
//   dddd ddd  day name, short;                 two digits, digits);
//   dd d      day;             hh h  hour;     nn n  minute;   ss s  second;
//   ddddd     short date (m/d/yyyy);  ttttt   long time (h:nn:ss AMPM);
//   AMPM, AM/PM, am/pm, A/P, a/p: the day half, which makes hours 12-hour.
// "mm" / "m" right after an hour token (literals between allowed) or right
// before a seconds token means minutes, as in "hh:mm:ss". "\x" and
// "text in quotes" are literal; every other character is copied.
std::string Format(const DateTime& value, std::string_view pattern);

}  // namespace ks::vb
