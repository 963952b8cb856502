// Reading the band plan and choosing a mode from it.
#include "rig/band_plan.h"

#include <gtest/gtest.h>

#include "tests/support/files.h"

namespace ks::rig {
namespace {

const std::string k40m =
    "\"2024/01/01\"\r\n"
    "\"40\",\"G\",\"PH\",7.175,7.3\r\n"
    "\"40\",\"O\",\"PH\",7,7.3\r\n"
    "\"40\",\"E\",\"CW\",7,7.125\r\n"
    "\"40\",\"e\",\"CW\",7.125,7.3\r\n"
    "\"40\",\"E\",\"PH\",7.125,7.3\r\n"
    "\"40\",\"E\",\"RTTY\",7.05,7.1\r\n"
    "\"160\",\"E\",\"CW\",1.8,2\r\n"
    "\"80\",\"E\",\"PH\",3.6,4\r\n"
    "\"60\",\"E\",\"PH\",5.33,5.34\r\n"
    "\"20\",\"E\",\"PH\",14.15,14.35\r\n"
    "\"6\",\"E\",\"PH\",50.1,54\r\n";

TEST(BandPlanLookup, ModeOfTheFirstExtraRowHoldingTheFrequency) {
  const auto rows = ExtraClassRows(k40m);
  ASSERT_EQ(rows.size(), 8u);
  const std::vector<std::pair<float, const char*>> cases = {
      {7.125f, ""},     {7.1249f, "CW"},  {7.1251f, "LSB"}, {7.0f, ""},      {7.08f, "CW"},  // overlap: first wins
      {7.2f, "LSB"},    {1.83f, ""},      {3.9f, "LSB"},    {14.25f, "USB"}, {50.125f, "USB"},
      {5.3305f, "USB"}, {10.12f, ""},
  };
  for (const auto& [frequency, mode] : cases) {
    std::string got;
    LookupBandPlan(rows, frequency, got);
    EXPECT_EQ(got, mode) << frequency;
  }
}

TEST(BandPlanRead, AllRowsInOrderWithTheDate) {
  auto plan = ParseBandPlan(k40m);
  EXPECT_TRUE(plan.complete);
  EXPECT_EQ(plan.effective_date, "2024/01/01");
  ASSERT_EQ(plan.rows.size(), 11u);
  EXPECT_EQ(plan.rows[0].license_class, "G");
  EXPECT_FLOAT_EQ(plan.rows[1].low, 7.0f);
  EXPECT_TRUE(ParseBandPlan("\"only a date\"\r\n").rows.empty());
  EXPECT_TRUE(ParseBandPlan("\"only a date\"\r\n").complete);
  EXPECT_FALSE(ParseBandPlan("").complete);
}

TEST(BandPlanRead, ABadValueOrAShortLastRowEndsTheRows) {
  auto bad = ParseBandPlan("\"d\"\r\n\"40\",\"E\",\"CW\",7,7.125\r\n\"40\",\"E\",\"PH\",x,7.3\r\n\"20\",\"E\",\"PH\",14,14.35\r\n");
  EXPECT_FALSE(bad.complete);
  EXPECT_EQ(bad.rows.size(), 1u);
  auto shortened = ParseBandPlan("\"d\"\r\n\"40\",\"E\",\"CW\",7,7.125\r\n\"20\",\"E\"\r\n");
  EXPECT_FALSE(shortened.complete);
  EXPECT_EQ(shortened.rows.size(), 1u);
  EXPECT_EQ(ExtraClassRows("\"d\"\r\n\"40\",\"E\",\"CW\",7,7.125\r\n\"20\",\"E\"\r\n").size(), 1u);
}

TEST(BandPlanRead, HoldsAtMostTwoHundredRows) {
  std::string bytes = "\"d\"\r\n";
  for (int i = 0; i < 200; ++i) bytes += "\"20\",\"E\",\"CW\",14,14.15\r\n";
  auto full = ParseBandPlan(bytes);
  EXPECT_TRUE(full.complete);
  EXPECT_FALSE(full.too_long);
  EXPECT_EQ(full.rows.size(), 200u);
  bytes += "\"20\",\"E\",\"CW\",14,14.15\r\n\"20\",\"E\",\"CW\",14,14.15\r\n";
  auto over = ParseBandPlan(bytes);
  EXPECT_TRUE(over.too_long);
  EXPECT_FALSE(over.complete);
  EXPECT_EQ(over.rows.size(), 200u);
  EXPECT_EQ(ExtraClassRows(bytes).size(), 200u);
}

// The supplied file: US privileges, every band of the logger, grouped band by band.
TEST(SuppliedBandPlan, HoldsTheUsPrivilegesBandByBand) {
  auto plan = ParseBandPlan(ks::testing::ReadBytes(ks::testing::SuppliedData() / "BandPlan.txt"));
  ASSERT_TRUE(plan.complete);
  EXPECT_FALSE(plan.effective_date.empty());
  std::vector<std::string> bands;
  for (const auto& row : plan.rows) {
    if (row.license_class == "O") bands.push_back(row.band);
    ASSERT_LT(row.low, row.high) << row.band;
    EXPECT_FALSE(bands.empty());
    EXPECT_EQ(row.band, bands.back()) << "rows of a band follow its whole-band row";
  }
  EXPECT_EQ(bands, (std::vector<std::string>{"160", "80", "60", "40", "30", "20", "17", "15", "12", "10", "6", "2"}));
  const auto extra = ExtraClassRows(ks::testing::ReadBytes(ks::testing::SuppliedData() / "BandPlan.txt"));
  for (const auto& [frequency, mode] : std::vector<std::pair<float, std::string>>{
           {3.55f, "CW"}, {3.9f, "LSB"}, {7.2f, "LSB"}, {14.025f, "CW"}, {14.2f, "USB"}, {21.3f, "USB"},
           {28.4f, "USB"}, {50.05f, "CW"}, {146.52f, "USB"}, {1.83f, ""}, {5.332f, "USB"}, {10.12f, "CW"}}) {
    std::string got;
    LookupBandPlan(extra, frequency, got);
    EXPECT_EQ(got, mode) << frequency;
  }
}

}  // namespace
}  // namespace ks::rig
