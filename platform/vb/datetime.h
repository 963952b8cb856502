#pragma once

// A date and time of day as the toolkit's Date holds it, with the parsing the
// operators' date and time boxes need (en-US conventions).

#include <compare>
#include <optional>
#include <string_view>

namespace ks::vb {

struct DateTime {
  int year = 1899;
  int month = 12;
  int day = 30;
  int hour = 0;
  int minute = 0;
  int second = 0;

  friend auto operator<=>(const DateTime&, const DateTime&) = default;
};

// Years 100 to 9999 as the toolkit allows, a real day of the month, hours
// 0 to 23, minutes and seconds 0 to 59.
bool IsValid(const DateTime& value);

// The toolkit's serial form: days since 1899-12-30, the fraction the time of
// day. Before that day the whole part counts back while the fraction still
// counts forward (-1.25 is 1899-12-29 06:00), as the toolkit does.
double ToSerial(const DateTime& value);
// Rounded to the nearest second; nothing when outside the years 100 to 9999.
std::optional<DateTime> FromSerial(double serial);

// Calendar arithmetic; the result of an invalid start or a result outside the
// years 100 to 9999 is nothing.
std::optional<DateTime> AddSeconds(const DateTime& value, long long seconds);
std::optional<DateTime> AddMinutes(const DateTime& value, long long minutes);
std::optional<DateTime> AddHours(const DateTime& value, long long hours);
std::optional<DateTime> AddDays(const DateTime& value, long long days);
// `value` moved by a fraction of hours rounded to the whole minute (half to even); nothing,
// too, when the hours are not a number or too many for the calendar.
std::optional<DateTime> AddHoursToTheMinute(const DateTime& value, double hours);

// DateDiff: `to` minus `from`. In minutes it counts the minute boundaries
// crossed, as the toolkit does (10:00:59 to 10:01:00 is 1 minute).
long long DateDiffSeconds(const DateTime& from, const DateTime& to);
long long DateDiffMinutes(const DateTime& from, const DateTime& to);

// The forms operators type, blanks around allowed:
//   dates  "yyyy/mm/dd", "yyyy-mm-dd", "mm/dd/yyyy", "m/d/yy" (also with "-");
//          a two-digit year 00-29 is 2000-2029, 30-99 is 1930-1999;
//   times  "h:mm", "h:mm:ss", each optionally followed by "AM" or "PM"
//          (12-hour, hours 0 to 12), and "h AM" / "h PM";
//   a date, one or more blanks, and a time.
// A date alone has the time 00:00:00; a time alone the date 1899-12-30.
// Impossible values (February 30, month 13, 25:00) are refused; unlike the
// toolkit, a day-first reading is never tried for a month above 12.
std::optional<DateTime> CDate(std::string_view text);
bool IsDate(std::string_view text);

}  // namespace ks::vb
