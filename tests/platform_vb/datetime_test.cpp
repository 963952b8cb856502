#include <gtest/gtest.h>

#include <limits>
#include <optional>

#include "platform/vb/datetime.h"

namespace ks::vb {
namespace {

TEST(DateSerial, CountsDaysFrom1899December30) {
  EXPECT_DOUBLE_EQ(ToSerial(DateTime{1899, 12, 30, 0, 0, 0}), 0.0);
  EXPECT_DOUBLE_EQ(ToSerial(DateTime{1900, 1, 1, 18, 0, 0}), 2.75);
  EXPECT_DOUBLE_EQ(ToSerial(DateTime{2024, 2, 29, 12, 0, 0}), 45351.5);
  EXPECT_DOUBLE_EQ(ToSerial(DateTime{1899, 12, 29, 6, 0, 0}), -1.25);
}

TEST(DateSerial, RoundTripsToTheNearestSecond) {
  const DateTime samples[] = {{1899, 12, 30, 0, 0, 0}, {1899, 12, 29, 6, 0, 0},  {2026, 12, 8, 23, 59, 59},
                              {100, 1, 1, 0, 0, 0},    {9999, 12, 31, 23, 59, 59}, {2000, 2, 29, 12, 34, 56}};
  for (const auto& d : samples) {
    SCOPED_TRACE(ToSerial(d));
    EXPECT_EQ(FromSerial(ToSerial(d)), d);
  }
  EXPECT_EQ(FromSerial(45351.99999999), (DateTime{2024, 3, 1, 0, 0, 0}));
  EXPECT_EQ(FromSerial(3e6), std::nullopt);
  EXPECT_EQ(FromSerial(std::numeric_limits<double>::quiet_NaN()), std::nullopt);
}

TEST(DateArithmetic, CarriesAcrossMidnightMonthsAndYears) {
  const DateTime newYearsEve{2025, 12, 31, 22, 30, 0};
  EXPECT_EQ(AddMinutes(newYearsEve, 5 * 60), (DateTime{2026, 1, 1, 3, 30, 0}));
  EXPECT_EQ(AddHours(newYearsEve, -24), (DateTime{2025, 12, 30, 22, 30, 0}));
  EXPECT_EQ(AddSeconds(DateTime{2024, 2, 28, 23, 59, 59}, 1), (DateTime{2024, 2, 29, 0, 0, 0}));
  EXPECT_EQ(AddDays(DateTime{2023, 2, 28, 1, 2, 3}, 1), (DateTime{2023, 3, 1, 1, 2, 3}));
  EXPECT_EQ(AddDays(DateTime{9999, 12, 31, 0, 0, 0}, 1), std::nullopt);
  EXPECT_EQ(AddSeconds(newYearsEve, std::numeric_limits<long long>::max()), std::nullopt);
  EXPECT_EQ(AddMinutes(DateTime{2023, 2, 30, 0, 0, 0}, 1), std::nullopt);
}

// A UTC offset in hours moves a local time to the nearest whole minute; hours too many for the
// calendar, or no number at all, give nothing rather than overflow the minutes.
TEST(DateArithmetic, AFractionOfHoursMovesToTheNearestMinute) {
  const DateTime local{2026, 6, 13, 12, 0, 30};
  const struct {
    double hours;
    std::optional<DateTime> moved;
  } cases[] = {
      {5, DateTime{2026, 6, 13, 17, 0, 30}},
      {-9.5, DateTime{2026, 6, 13, 2, 30, 30}},
      {5.75, DateTime{2026, 6, 13, 17, 45, 30}},
      {2.5 / 60, DateTime{2026, 6, 13, 12, 2, 30}},   // 2.5 minutes: half to even
      {3.5 / 60, DateTime{2026, 6, 13, 12, 4, 30}},
      {-24, DateTime{2026, 6, 12, 12, 0, 30}},
      {1e30, std::nullopt},
      {-1e30, std::nullopt},
      {1e9, std::nullopt},  // beyond the year 9999
      {std::numeric_limits<double>::infinity(), std::nullopt},
      {std::numeric_limits<double>::quiet_NaN(), std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(AddHoursToTheMinute(local, c.hours), c.moved) << c.hours;
}

TEST(DateArithmetic, DiffInMinutesCountsBoundariesCrossed) {
  const DateTime a{2026, 1, 1, 10, 0, 59};
  const DateTime b{2026, 1, 1, 10, 1, 0};
  EXPECT_EQ(DateDiffSeconds(a, b), 1);
  EXPECT_EQ(DateDiffMinutes(a, b), 1);
  EXPECT_EQ(DateDiffMinutes(b, a), -1);
  EXPECT_EQ(DateDiffMinutes(DateTime{2026, 1, 1, 10, 0, 0}, DateTime{2026, 1, 1, 10, 0, 59}), 0);
  EXPECT_EQ(DateDiffSeconds(DateTime{2025, 12, 31, 23, 0, 0}, DateTime{2026, 1, 1, 1, 0, 0}), 7200);
  EXPECT_EQ(DateDiffMinutes(DateTime{1899, 12, 29, 23, 59, 30}, DateTime{1899, 12, 30, 0, 0, 0}), 1);
}

struct ParseCase {
  const char* text;
  std::optional<DateTime> expected;
};

TEST(CDate, ReadsTheFormsOperatorsType) {
  const ParseCase cases[] = {
      {"2026/12/08", DateTime{2026, 12, 8, 0, 0, 0}},
      {"2026-12-8", DateTime{2026, 12, 8, 0, 0, 0}},
      {"12/08/2026", DateTime{2026, 12, 8, 0, 0, 0}},
      {"2/3/29", DateTime{2029, 2, 3, 0, 0, 0}},
      {"2/3/30", DateTime{1930, 2, 3, 0, 0, 0}},
      {"  1/2/2024  ", DateTime{2024, 1, 2, 0, 0, 0}},
      {"14:05", DateTime{1899, 12, 30, 14, 5, 0}},
      {"14:05:09", DateTime{1899, 12, 30, 14, 5, 9}},
      {"9:5", DateTime{1899, 12, 30, 9, 5, 0}},
      {"3:05 PM", DateTime{1899, 12, 30, 15, 5, 0}},
      {"12:30 am", DateTime{1899, 12, 30, 0, 30, 0}},
      {"12:30PM", DateTime{1899, 12, 30, 12, 30, 0}},
      {"3 PM", DateTime{1899, 12, 30, 15, 0, 0}},
      {"2026/12/08 23:59:59", DateTime{2026, 12, 8, 23, 59, 59}},
      {"12/8/2026 3:05:09 AM", DateTime{2026, 12, 8, 3, 5, 9}},
      {"2024/02/29", DateTime{2024, 2, 29, 0, 0, 0}},
      {"2023/02/29", std::nullopt},
      {"2026/02/30", std::nullopt},
      {"2026/13/01", std::nullopt},
      {"13/01/2026", std::nullopt},
      {"25:00", std::nullopt},
      {"12:60", std::nullopt},
      {"13:00 PM", std::nullopt},
      {"", std::nullopt},
      {"abc", std::nullopt},
      {"2026/12", std::nullopt},
      {"2026/12-08", std::nullopt},
      {"12/8/202", std::nullopt},
      {"14", std::nullopt},
      {"14:", std::nullopt},
      {"2026/12/0814:00", std::nullopt},
      {"2026/12/08 14:00 x", std::nullopt},
      {"0099/01/01", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(CDate(c.text), c.expected);
    EXPECT_EQ(IsDate(c.text), c.expected.has_value());
  }
}

}  // namespace
}  // namespace ks::vb
