#include <gtest/gtest.h>

#include <string>

#include "platform/vb/format.h"

namespace ks::vb {
namespace {

struct NumberCase {
  double value;
  const char* pattern;
  const char* expected;
};

TEST(FormatNumber, FollowsThePlaceholders) {
  const NumberCase cases[] = {
      {7, "#####.##0", "7.000"},
      {14.025, "#####.##0", "14.025"},
      {0.5, "#####.##0", ".500"},
      {1296.0004, "#####.##0", "1296.000"},
      {0, "#.000", ".000"},
      {0.1255, "#.000", ".126"},
      {12.3456, "#.000", "12.346"},
      {14.2, "###.####0", "14.20000"},
      {7, "####.#####", "7."},
      {7.123456789, "####.#####", "7.12346"},
      {7.1, "####.#####", "7.1"},
      {1234567.25, "###,##0.0", "1,234,567.3"},
      {12.25, "###,##0.0", "12.3"},
      {0.04, "###,##0.0", "0.0"},
      {-1234.5, "#,##0", "-1,235"},
      {999, "#,##0", "999"},
      {1000, "#,##0", "1,000"},
      {2.5, "0", "3"},
      {-2.5, "0", "-3"},
      {5, "00", "05"},
      {123, "00", "123"},
      {7, "000", "007"},
      {0.5, "0.0", "0.5"},
      {1.005, "0.00", "1.01"},
      {2.675, "0.00", "2.68"},
      {0.05, "#0.0", "0.1"},
      {-0.001, "0.00", "0.00"},
      {0, "#", ""},
      {3.14159, "\"pi=\"0.00", "pi=3.14"},
      {42, "0 \\W", "42 W"},
      {99.95, "0.0", "100.0"},
      {1.5, "0;(0)", "2"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.value << " " << c.pattern);
    EXPECT_EQ(Format(c.value, c.pattern), c.expected);
  }
}

TEST(FormatNumber, SingleUsesItsOwnSevenDigits) {
  EXPECT_EQ(Format(14.025f, "#####.##0"), "14.025");
  EXPECT_EQ(Format(0.1f, "0.0000000000"), "0.1000000000");
  EXPECT_EQ(Format(40.123456f, ""), "40.12346");
  EXPECT_EQ(Format(1234, "#,##0"), "1,234");
  EXPECT_EQ(Format(-4.5, ""), "-4.5");
}

struct DateCase {
  const char* pattern;
  const char* expected;
};

TEST(FormatDate, ReplacesTokensAndKeepsLiterals) {
  const DateTime afternoon{2026, 12, 8, 15, 5, 9};
  const DateCase cases[] = {
      {"hh:nn:ss", "15:05:09"},      {"hh:nn", "15:05"},          {"h:nn:ss AMPM", "3:05:09 PM"},
      {"AMPM", "PM"},                {"yyyy/mm/dd", "2026/12/08"}, {"YYYY/MM/DD", "2026/12/08"},
      {"mm/dd", "12/08"},            {"yyyymmddhhnn", "202612081505"}, {"YYYYMMDD", "20261208"},
      {"dd", "08"},                  {"d", "8"},                  {"mm", "12"},
      {"yyyy", "2026"},              {"yy", "26"},                {"hh", "15"},
      {"nn", "05"},                  {"ss", "09"},                {"hh:mm:ss", "15:05:09"},
      {"hh:mm", "15:05"},            {"m/d/yyyy h:mm", "12/8/2026 15:05"}, {"ddddd", "12/8/2026"},
      {"ttttt", "3:05:09 PM"},       {"hh am/pm", "03 pm"},       {"h A/P", "3 P"},
      {"dddd, mmmm d", "Tuesday, December 8"}, {"ddd mmm", "Tue Dec"}, {"\\h\\h \"hh\" hh", "hh hh 15"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pattern);
    EXPECT_EQ(Format(afternoon, c.pattern), c.expected);
  }
}

TEST(FormatDate, TwelveHourClockAroundMidnightAndNoon) {
  EXPECT_EQ(Format(DateTime{2026, 1, 1, 0, 30, 0}, "h:nn AMPM"), "12:30 AM");
  EXPECT_EQ(Format(DateTime{2026, 1, 1, 12, 0, 0}, "h:nn AMPM"), "12:00 PM");
  EXPECT_EQ(Format(DateTime{2026, 1, 1, 11, 59, 59}, "hh:nn:ss AM/PM"), "11:59:59 AM");
  EXPECT_EQ(Format(DateTime{2026, 1, 1, 0, 30, 0}, "hh:nn"), "00:30");
}

}  // namespace
}  // namespace ks::vb
