// The rules that map a polled frequency or mode, or a label click, to a band or mode.
#include "mainwin/band_mode_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace ks {
namespace {

std::string BandOf(float mhz) {
  const int i = BandIndexOfFrequency(mhz);
  return i < 0 ? "none" : kBandCodes[i];
}

TEST(BandOfFrequency, RangeEdgesAreExclusiveSinglePrecisionBounds) {
  struct Case {
    float mhz;
    const char* band;
  };
  const Case cases[] = {
      {1.7999f, "none"},     {1.79991f, "160"},   {2.0f, "160"},     {2.0001f, "none"},
      {3.4999f, "none"},     {3.5f, "80"},        {4.0001f, "none"}, {4.00009f, "80"},
      {6.9999f, "none"},     {7.1f, "40"},        {7.3001f, "none"}, {10.12f, "none"},
      {13.9999f, "none"},    {14.0f, "20"},       {14.35f, "20"},    {14.3501f, "none"},
      {18.1f, "none"},       {21.45f, "15"},      {21.4501f, "none"}, {24.95f, "none"},
      {27.9999f, "none"},    {28.0f, "10"},       {29.7f, "10"},     {29.7001f, "none"},
      {49.9999f, "none"},    {50.125f, "6"},      {54.0001f, "none"}, {143.9999f, "none"},
      {144.2f, "2"},         {148.0001f, "none"}, {10368.1f, "none"}, {0.5f, "none"},
      {0.0f, "none"},        {-7.1f, "none"},
  };
  for (const Case& c : cases) EXPECT_EQ(BandOf(c.mhz), c.band) << c.mhz;
}

TEST(FrequencyText, ThreeDecimalsAndNoLeadingZero) {
  struct Case {
    float mhz;
    const char* text;
  };
  const Case cases[] = {
      {7.0f, "7.000"},        {14.025f, "14.025"}, {14.2f, "14.200"},       {0.5f, ".500"},
      {10.12f, "10.120"},     {10368.1f, "10368.100"}, {3.5123456f, "3.512"}, {144.0005f, "144.001"},
      {0.0f, ".000"},
  };
  for (const Case& c : cases) EXPECT_EQ(FrequencyText(c.mhz), c.text) << c.mhz;
}

TEST(LabelCycles, BandAndModeWrapAroundAndIgnoreCase) {
  std::string band = "160";
  std::string passed;
  for (int i = 0; i < 8; ++i) {
    band = kBandCodes[NextBandIndex(band)];
    passed += band + " ";
  }
  EXPECT_EQ(passed, "80 40 20 15 10 6 2 160 ");
  EXPECT_EQ(NextBandIndex("30"), -1);
  EXPECT_EQ(NextBandIndex(""), -1);

  EXPECT_STREQ(kModeCodes[NextModeIndex("cw")], "PH");
  EXPECT_STREQ(kModeCodes[NextModeIndex("PK")], "CW");
  EXPECT_EQ(NextModeIndex("AM"), -1);
}

TEST(PolledMode, OnlyADifferentPhoneOrCwSelects) {
  struct Case {
    const char* polled;
    const char* current;
    const char* selects;
  };
  const Case cases[] = {
      {"PH", "RY", "PH"}, {"PH", "PK", "PH"}, {"ph", "CW", "PH"}, {"CW", "PH", "CW"},
      {"PH", "ph", "none"}, {"CW", "CW", "none"}, {"AM", "CW", "none"}, {"FM", "PH", "none"},
      {"", "CW", "none"},   {"RY", "CW", "none"},
  };
  for (const Case& c : cases) {
    const int i = PolledModeIndex(c.polled, c.current);
    EXPECT_EQ(i < 0 ? std::string("none") : kModeCodes[i], c.selects) << c.polled << " over " << c.current;
  }
}

}  // namespace
}  // namespace ks
