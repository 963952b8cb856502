// Spots handed to the main window: the store, the spot list and its clicks.
#include <gtest/gtest.h>

#include "tests/spots/spot_fixture.h"

namespace ks {
namespace {

class SpotListTest : public ::testing::Test, public testing::SpotBench {};

TEST_F(SpotListTest, ASpotFillsTheNewestSlotAndTheTopRow) {
  MainWindow& w = main();
  Spot("W2XYZ", "7010.0");
  Spot("KH6ABC", "14025.0", "CW up 2");
  EXPECT_EQ(store().SpotCall[49], "KH6ABC");
  EXPECT_FLOAT_EQ(store().SpotFreq[49], 14.025f);
  EXPECT_EQ(store().SpotLabel[49], "KH6");
  ASSERT_EQ(w.txtDX.ItemCount(), 2);
  const auto& top = w.txtDX.Item(1);
  EXPECT_EQ(top.text, "KH6ABC");
  EXPECT_EQ(top.SubItem(1), "14.025");
  EXPECT_EQ(top.SubItem(2), "Hawaii");
  EXPECT_EQ(top.SubItem(3), "");
  EXPECT_EQ(top.SubItem(4), "de W3LPL:  CW up 2");
  EXPECT_EQ(top.SubItem(6), "1902");
  EXPECT_EQ(top.SubItem(7), "FN20");
  EXPECT_EQ(w.txtDX.Item(2).SubItem(2), "USA");
}

TEST_F(SpotListTest, AFrequencyThatIsNotANumberChangesNothing) {
  MainWindow& w = main();
  std::string call = "K1ABC", freq = "", record = "de X";
  app().Get<Form1>().BandMapSpots(call, freq, record);
  freq = "14O25";
  app().Get<Form1>().BandMapSpots(call, freq, record);
  EXPECT_EQ(w.txtDX.ItemCount(), 0);
  EXPECT_EQ(store().SpotCall[49], "");
}

TEST_F(SpotListTest, TheListKeepsTheNewest200) {
  MainWindow& w = main();
  for (int i = 1; i <= 201; ++i) Spot("K" + std::to_string(i) + "AB", "14025.0");
  ASSERT_EQ(w.txtDX.ItemCount(), 200);
  EXPECT_EQ(w.txtDX.Item(1).text, "K201AB");
  EXPECT_EQ(w.txtDX.Item(200).text, "K2AB");
}

TEST_F(SpotListTest, NothingAfterACarriageReturnReachesACell) {
  MainWindow& w = main();
  std::string call = "K1ABC", freq = "14025.0", record = "de W3LPL:\rjunk that is long enough to reach the comments";
  app().Get<Form1>().BandMapSpots(call, freq, record);
  EXPECT_EQ(w.txtDX.Item(1).SubItem(4), "de W3LPL:  ");
}

TEST_F(SpotListTest, AClickOnARowFillsTheCallBox) {
  MainWindow& w = main();
  w.Show();
  OpenStrip(true);
  Spot("DL1ABC", "14025.0");
  Spot("W2XYZ", "7010.0");
  ASSERT_TRUE(w.txtDX.ClickItemBy(2));
  EXPECT_EQ(w.txtCall.Text(), "DL1ABC");
  EXPECT_TRUE(w.txtCall.HasFocus());
}

}  // namespace
}  // namespace ks
