#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/vb/parse.h"
#include "platform/vb/rounding.h"

namespace ks::vb {
namespace {

struct ValCase {
  const char* text;
  double expected;
};

TEST(Val, ReadsTheLongestNumberAtTheFront) {
  const ValCase cases[] = {
      {"", 0},          {"abc", 0},          {"  42", 42},       {"\t-4.5", -4.5},      {"1 2 3", 123},
      {"14.025 MHz", 14.025}, {"5a", 5},     {".5", 0.5},        {"-", 0},              {"1e3", 1000},
      {"1E+3x", 1000},  {"2D2", 200},        {"1e", 1},          {"1e+", 1},            {"3.", 3},
      {"--5", 0},       {"+7", 7},           {"1,000", 1},       {"&H1F", 31},          {"&h378", 888},
      {"&HFFFF", -1},   {"&H8000", -32768},  {"&H10000", 65536}, {"&HFFFFFFFF", -1},    {"&O17", 15},
      {"&H", 0},        {"&HG", 0},          {"1e999", 0},       {"12\n34", 1234},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_DOUBLE_EQ(Val(c.text), c.expected);
  }
}

struct NumericCase {
  const char* text;
  std::optional<double> expected;
};

TEST(CDbl, AcceptsWhatIsNumericAcceptsInTheUsLocale) {
  const NumericCase cases[] = {
      {"5", 5},         {" 5 ", 5},       {"-4.5", -4.5},   {".5", 0.5},  {"-.25", -0.25},       {"1E3", 1000},
      {"&H1F", 31},     {"1,000", 1000},  {"1,000.25", 1000.25}, {"+3", 3},   {"-1.5e-2", -0.015},
      {"", std::nullopt},   {"   ", std::nullopt}, {"abc", std::nullopt}, {"5a", std::nullopt},
      {"-", std::nullopt},  {".", std::nullopt},   {"1e", std::nullopt},  {",5", std::nullopt},
      {"4.5.6", std::nullopt}, {"&H", std::nullopt}, {"1 000", std::nullopt}, {"1e999", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(CDbl(c.text), c.expected);
    EXPECT_EQ(IsNumeric(c.text), c.expected.has_value());
  }
}

TEST(CSng, RefusesValuesBeyondASingle) {
  EXPECT_EQ(CSng("40.123456"), 40.123456f);
  EXPECT_EQ(CSng("1e39"), std::nullopt);
  EXPECT_EQ(CSng("x"), std::nullopt);
}

struct RoundCase {
  double value;
  int digits;
  double expected;
};

TEST(RoundHalfEven, SendsExactHalvesToTheEvenNeighbour) {
  const RoundCase cases[] = {
      {2.5, 0, 2},      {3.5, 0, 4},      {-2.5, 0, -2},   {2.51, 0, 3},     {-2.6, 0, -3},
      {0.125, 2, 0.12}, {0.375, 2, 0.38}, {1.0625, 3, 1.062}, {14.0255, 3, 14.026}, {7.5, -1, 8},
      {1e300, 5, 1e300},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.value << " to " << c.digits);
    EXPECT_DOUBLE_EQ(RoundHalfEven(c.value, c.digits), c.expected);
  }
}

TEST(IntegerConversions, RoundHalfToEvenAndRefuseOverflow) {
  EXPECT_EQ(CInt(2.5), 2);
  EXPECT_EQ(CInt(3.5), 4);
  EXPECT_EQ(CInt(-0.5), 0);
  EXPECT_EQ(CInt(32767.4), 32767);
  EXPECT_EQ(CInt(32767.5), std::nullopt);
  EXPECT_EQ(CInt(-32768.5), -32768);
  EXPECT_EQ(CLng(2147483647.0), 2147483647);
  EXPECT_EQ(CLng(2147483648.0), std::nullopt);
  EXPECT_EQ(CLng(std::numeric_limits<double>::quiet_NaN()), std::nullopt);
  EXPECT_EQ(CByte(255.4), 255);
  EXPECT_EQ(CByte(255.5), std::nullopt);
  EXPECT_EQ(CByte(-0.5), 0);
  EXPECT_EQ(CByte(-1), std::nullopt);
}

}  // namespace
}  // namespace ks::vb
