#include "platform/vb/datetime.h"

#include <cmath>

#include "platform/vb/rounding.h"

namespace ks::vb {
namespace {

constexpr long long kSecondsPerDay = 86400;

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Days from 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
long long DaysFromCivil(int year, int month, int day) {
  const long long y = year - (month <= 2 ? 1 : 0);
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const long long yearOfEra = y - era * 400;
  const long long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

DateTime CivilFromDays(long long days) {
  days += 719468;
  const long long era = (days >= 0 ? days : days - 146096) / 146097;
  const long long dayOfEra = days - era * 146097;
  const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const long long mp = (5 * dayOfYear + 2) / 153;
  DateTime out;
  out.day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
  out.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  out.year = static_cast<int>(yearOfEra + era * 400 + (out.month <= 2 ? 1 : 0));
  return out;
}

const long long kSerialEpochDays = DaysFromCivil(1899, 12, 30);

// Seconds since 1899-12-30 00:00:00 on a plain, continuous time line.
long long LinearSeconds(const DateTime& v) {
  return (DaysFromCivil(v.year, v.month, v.day) - kSerialEpochDays) * kSecondsPerDay + v.hour * 3600LL +
         v.minute * 60LL + v.second;
}

std::optional<DateTime> FromLinearSeconds(long long seconds) {
  long long days = seconds / kSecondsPerDay;
  long long rest = seconds % kSecondsPerDay;
  if (rest < 0) {
    rest += kSecondsPerDay;
    --days;
  }
  DateTime out = CivilFromDays(days + kSerialEpochDays);
  out.hour = static_cast<int>(rest / 3600);
  out.minute = static_cast<int>(rest / 60 % 60);
  out.second = static_cast<int>(rest % 60);
  if (!IsValid(out)) return std::nullopt;
  return out;
}

long long FloorDiv(long long a, long long b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0); }

// Keeps a step far inside the range of long long; anything larger is outside
// the years the type allows anyway.
constexpr long long kLargestStepSeconds = 400LL * 10000 * kSecondsPerDay;

std::optional<DateTime> AddScaled(const DateTime& value, long long count, long long unitSeconds) {
  if (!IsValid(value) || count > kLargestStepSeconds / unitSeconds || count < -kLargestStepSeconds / unitSeconds) {
    return std::nullopt;
  }
  return FromLinearSeconds(LinearSeconds(value) + count * unitSeconds);
}

}  // namespace

bool IsValid(const DateTime& v) {
  return v.year >= 100 && v.year <= 9999 && v.month >= 1 && v.month <= 12 && v.day >= 1 &&
         v.day <= DaysInMonth(v.year, v.month) && v.hour >= 0 && v.hour <= 23 && v.minute >= 0 &&
         v.minute <= 59 && v.second >= 0 && v.second <= 59;
}

double ToSerial(const DateTime& v) {
  const double days = static_cast<double>(DaysFromCivil(v.year, v.month, v.day) - kSerialEpochDays);
  const double fraction = (v.hour * 3600.0 + v.minute * 60.0 + v.second) / kSecondsPerDay;
  return days < 0 ? days - fraction : days + fraction;
}

std::optional<DateTime> FromSerial(double serial) {
  // Years 100 to 9999 lie within these serial days.
  if (!std::isfinite(serial) || serial < -657435.0 || serial >= 2958466.0) return std::nullopt;
  const double wholeDays = std::trunc(serial);
  // The fraction always counts forward from the start of its day, so a time
  // rounded up to 24:00 simply runs into the next day.
  const long long seconds = std::llround(std::fabs(serial - wholeDays) * kSecondsPerDay);
  const auto days = static_cast<long long>(wholeDays);
  return FromLinearSeconds(days * kSecondsPerDay + seconds);
}

std::optional<DateTime> AddSeconds(const DateTime& value, long long seconds) { return AddScaled(value, seconds, 1); }
std::optional<DateTime> AddMinutes(const DateTime& value, long long minutes) { return AddScaled(value, minutes, 60); }
std::optional<DateTime> AddHours(const DateTime& value, long long hours) { return AddScaled(value, hours, 3600); }
std::optional<DateTime> AddDays(const DateTime& value, long long days) {
  return AddScaled(value, days, kSecondsPerDay);
}

std::optional<DateTime> AddHoursToTheMinute(const DateTime& value, double hours) {
  // Checked while a double, before a conversion to an integer that could not hold it.
  const double minutes = RoundHalfEven(hours * 60.0);
  if (!std::isfinite(minutes) || std::fabs(minutes) > static_cast<double>(kLargestStepSeconds / 60)) {
    return std::nullopt;
  }
  return AddMinutes(value, static_cast<long long>(minutes));
}

long long DateDiffSeconds(const DateTime& from, const DateTime& to) { return LinearSeconds(to) - LinearSeconds(from); }

long long DateDiffMinutes(const DateTime& from, const DateTime& to) {
  return FloorDiv(LinearSeconds(to), 60) - FloorDiv(LinearSeconds(from), 60);
}

}  // namespace ks::vb
