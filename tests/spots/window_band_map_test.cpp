// The band map of the main window and the layout of the DX strip.
#include <gtest/gtest.h>

#include <map>

#include "tests/spots/spot_fixture.h"

namespace ks {
namespace {

class BandMapTest : public ::testing::Test, public testing::SpotBench {
 protected:
  MainWindow& ShownWithBandMap() {
    MainWindow& w = main();
    w.Show();
    OpenStrip(false);
    return w;
  }
  std::vector<std::string> Captions(MainWindow& w) {
    std::vector<std::string> out;
    for (int i = 0; i <= 4; ++i) out.push_back(w.lblFreqSpot(i).Caption());
    return out;
  }
  void Minutes(int m) { headless().Advance(m * 60000LL); }
};

TEST_F(BandMapTest, SpotsOfTheCurrentBandStandAtTheirFrequencies) {
  MainWindow& w = ShownWithBandMap();
  ASSERT_TRUE(w.lblDX.Visible());
  ASSERT_TRUE(app().Get<Form1>().lblDX.Visible());
  EXPECT_EQ(Captions(w), (std::vector<std::string>{"14.000", "14.088", "14.175", "14.263", "14.350"}));
  Spot("K1ABC", "14025.0");
  Spot("DL1ABC", "7010.0");
  Spot("W2XYZ", "14074.0");
  EXPECT_EQ(Captions(w), (std::vector<std::string>{"14.024", "14.037", "14.049", "14.062", "14.075"}));
  auto& low = w.lblDXSpot(47);
  auto& high = w.lblDXSpot(49);
  EXPECT_TRUE(low.Visible());
  EXPECT_TRUE(high.Visible());
  EXPECT_FALSE(w.lblDXSpot(48).Visible());  // 40 m
  EXPECT_EQ(low.Caption(), "K1");
  const float x1 = w.LineDX.X1(), x2 = w.LineDX.X2();
  EXPECT_NEAR(low.Left() + low.Width() / 2, x1 + (x2 - x1) / 51, 2);
  EXPECT_NEAR(high.Left() + high.Width() / 2, x2 - (x2 - x1) / 51, 2);
  EXPECT_LT(high.Top() + high.Height(), w.LineDX.Y1());
  EXPECT_EQ(high.ToolTipText(), "W2XYZ  14.074  20:05:09");
  EXPECT_EQ(high.ForeColor(), 0x80FFFFu);
  high.MouseMoveBy(0);
  EXPECT_EQ(w.lblDupe.Caption(), "W2XYZ  14.074  20:05:09");
}

TEST_F(BandMapTest, ColoursFollowTheAgeAndAnHourOldSpotEndsTheRedraw) {
  MainWindow& w = ShownWithBandMap();
  Spot("K1ABC", "14025.0");
  Minutes(10);
  Spot("K2ABC", "14030.0");
  EXPECT_EQ(w.lblDXSpot(48).ForeColor(), 0xFFFFFFu);
  EXPECT_EQ(w.lblDXSpot(49).ForeColor(), 0x80FFFFu);
  Minutes(20);
  w.DisplayBandMapLabels();
  EXPECT_EQ(w.lblDXSpot(48).ForeColor(), 0xC0C0C0u);
  Minutes(30);
  Spot("K3ABC", "14040.0");
  EXPECT_TRUE(w.lblDXSpot(49).Visible());
  EXPECT_TRUE(w.lblDXSpot(48).Visible());   // 50 minutes old
  EXPECT_FALSE(w.lblDXSpot(47).Visible());  // an hour old: hidden, and so is everything older
}

TEST_F(BandMapTest, TheTimedRedrawRecoloursWithoutNewSpots) {
  MainWindow& w = ShownWithBandMap();
  PacketSpotfrm& spots = app().Get<PacketSpotfrm>();
  spots.Timer1.SetEnabled(true);
  Spot("K1ABC", "14025.0");
  headless().Advance(333 * 360);
  EXPECT_EQ(w.lblDXSpot(49).ForeColor(), 0x80FFFFu);
  headless().Advance(600000 - 333 * 360 + 333);
  headless().Advance(333 * 361);
  EXPECT_EQ(w.lblDXSpot(49).ForeColor(), 0xFFFFFFu);
}

TEST_F(BandMapTest, ARightClickEntersTheCallAndMovesOn) {
  MainWindow& w = ShownWithBandMap();
  Spot("K1ABC", "14025.0");
  Spot("W2XYZ", "14074.0");
  ASSERT_TRUE(w.lblDXSpot(48).MouseDownBy(forms::kRightButton));
  EXPECT_EQ(w.txtCall.Text(), "K1ABC");
  headless().loop().RunPosted();
  EXPECT_FALSE(w.txtCall.HasFocus());  // the Tab keystroke moved on
  EXPECT_FLOAT_EQ(store().SpotFreq[48], 14.025f);
}

TEST_F(BandMapTest, AnyOtherClickRemovesTheSpot) {
  MainWindow& w = ShownWithBandMap();
  Spot("K1ABC", "14025.0");
  Spot("W2XYZ", "14074.0");
  ASSERT_TRUE(w.lblDXSpot(48).MouseDownBy(forms::kLeftButton));
  EXPECT_EQ(store().SpotFreq[48], 0.0f);
  EXPECT_FALSE(w.lblDXSpot(48).Visible());
  EXPECT_EQ(Captions(w)[0], "14.000");  // one spot left: the whole band
  EXPECT_EQ(w.txtDX.ItemCount(), 2);     // the list keeps its rows
}

TEST_F(BandMapTest, AnUnknownBandDrawsNothing) {
  settings().CurrentBand = "33";
  MainWindow& w = ShownWithBandMap();
  Spot("K1ABC", "14025.0");
  EXPECT_EQ(Captions(w), (std::vector<std::string>(5, ".000")));
  EXPECT_FALSE(w.lblDXSpot(49).Visible());
}

TEST_F(BandMapTest, TheSqueezeAndItsUndoLeaveEveryControlWhereItWas) {
  MainWindow& w = main();
  w.Show();
  std::map<forms::Control*, std::pair<float, float>> before;
  for (forms::Control* c : w.Controls()) before[c] = {c->Top(), c->Height()};
  const float list_top = w.ListView1.Top(), list_left = w.ListView1.Left();
  OpenStrip(true);
  EXPECT_NEAR(w.ListView1.Top(), list_top * 0.9f, 0.01);
  EXPECT_EQ(w.ListView1.Left(), list_left);
  EXPECT_TRUE(w.txtDX.Visible());
  EXPECT_FALSE(w.lblDX.Visible());
  EXPECT_NEAR(w.txtDX.Top() + w.txtDX.Height(), w.ScaleHeight(), 0.5);
  EXPECT_NEAR(w.txtDX.Left(), 0.01f * w.Width(), 0.5);
  OpenStrip(false);  // a switch, not a second squeeze
  EXPECT_NEAR(w.ListView1.Top(), list_top * 0.9f, 0.01);
  EXPECT_TRUE(w.lblDX.Visible());
  EXPECT_FALSE(w.txtDX.Visible());
  app().Get<PacketSpotfrm>().List1.SetListIndex(0);  // "None"
  w.PacketResize();
  EXPECT_FALSE(w.lblDX.Visible());
  EXPECT_FALSE(app().Get<Form1>().lblDX.Visible());
  for (forms::Control* c : w.Controls()) {
    if (c == &w.txtDX || c == &w.lblDX || c->Name() == "lblDXSpot" || c->Name() == "lblFreqSpot") continue;
    if (c->Name() == "List1" || c->Name() == "List2") continue;  // fitted again to Line3
    EXPECT_NEAR(c->Top(), before[c].first, 0.01 + before[c].first * 1e-6) << c->Name();
    EXPECT_NEAR(c->Height(), before[c].second, 0.01 + before[c].second * 1e-6) << c->Name();
  }
}

}  // namespace
}  // namespace ks
