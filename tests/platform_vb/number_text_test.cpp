#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "platform/vb/number_text.h"

namespace ks::vb {
namespace {

struct SingleCase {
  float value;
  const char* expected;
};

TEST(FormatSingle, WritesSevenSignificantDigitsInTheToolkitForm) {
  const SingleCase cases[] = {
      {5.0f, "5"},          {-4.5f, "-4.5"},           {0.5f, ".5"},          {-0.25f, "-.25"},
      {0.0f, "0"},          {-0.0f, "0"},              {-5.0f, "-5"},         {40.123456f, "40.12346"},
      {0.1f, ".1"},         {14.025f, "14.025"},       {1234567.0f, "1234567"}, {12345678.0f, "1.234568E+07"},
      {1e7f, "1E+07"},      {0.0001f, ".0001"},        {0.00001f, "1E-05"},   {-0.000012345f, "-1.2345E-05"},
      {3.4e38f, "3.4E+38"}, {9999999.5f, "1E+07"},     {100.0f, "100"},       {-75.5f, "-75.5"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expected);
    EXPECT_EQ(FormatSingle(c.value), c.expected);
  }
}

struct DoubleCase {
  double value;
  const char* expected;
};

TEST(FormatDouble, WritesFifteenSignificantDigitsInTheToolkitForm) {
  const DoubleCase cases[] = {
      {5.0, "5"},
      {-4.5, "-4.5"},
      {0.5, ".5"},
      {0.1 + 0.2, ".3"},
      {1.0 / 3.0, ".333333333333333"},
      {123456789012345.0, "123456789012345"},
      {1e15, "1E+15"},
      {1234567890123456.0, "1.23456789012346E+15"},
      {0.00001, "1E-05"},
      {0.0001, ".0001"},
      {-1e-100, "-1E-100"},
      {45658.5, "45658.5"},
      {12345678.0, "12345678"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expected);
    EXPECT_EQ(FormatDouble(c.value), c.expected);
  }
}

TEST(Str, PutsABlankBeforeValuesThatAreNotNegative) {
  EXPECT_EQ(Str(5.0), " 5");
  EXPECT_EQ(Str(0.0), " 0");
  EXPECT_EQ(Str(-4.5), "-4.5");
  EXPECT_EQ(Str(0.5f), " .5");
  EXPECT_EQ(Str(42LL), " 42");
  EXPECT_EQ(Str(-42LL), "-42");
  EXPECT_EQ(CStr(0.5), ".5");
  EXPECT_EQ(CStr(-7), "-7");
  EXPECT_EQ(CStr(true), "True");
}

TEST(FormatDouble, IgnoresTheProcessLocale) {
  const std::string before = std::setlocale(LC_ALL, nullptr);
  if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no German locale installed";
  const std::string text = FormatDouble(-4.5);
  std::setlocale(LC_ALL, before.c_str());
  EXPECT_EQ(text, "-4.5");
}

}  // namespace
}  // namespace ks::vb
