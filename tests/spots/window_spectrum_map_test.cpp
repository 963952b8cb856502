// The spectrum map: its fitting to the screen, its scales and spots, and clicks on them.
#include <gtest/gtest.h>

#include <algorithm>

#include "spots/windows/SpectrumMap.h"
#include "tests/spots/spot_fixture.h"
#include "tests/support/pointer_watch.h"

namespace ks {
namespace {

class SpectrumMapTest : public ::testing::Test, public testing::SpotBench {
 protected:
  // Shows the map from the main window's menu; `operator_actions` runs while it is up.
  void WithMapOpen(const std::function<void(SpectrumMap&)>& operator_actions) {
    main().Show();
    headless().loop().ScriptModal("SpectrumMap", [&](forms::Form& f) {
      operator_actions(static_cast<SpectrumMap&>(f));
      if (f.IsLoaded() && f.Visible()) f.Hide();
    });
    main().mnuSpectrumMap.ChooseBy();
  }
  std::vector<std::string> Scale(SpectrumMap& map, int band) {
    std::vector<std::string> out;
    for (int i = 0; i < 5; ++i) out.push_back(map.lblFreqSpot(5 * band + i).Caption());
    return out;
  }
};

TEST_F(SpectrumMapTest, FillsTheWorkAreaWithElevenScaledBands) {
  bool ran = false;
  WithMapOpen([&](SpectrumMap& map) {
    ran = true;
    const auto& screen = app().GetScreen();
    EXPECT_EQ(map.Left(), 0);
    EXPECT_EQ(map.Top(), 0);
    EXPECT_EQ(map.Width(), screen.work_width);
    EXPECT_EQ(map.Height(), screen.work_height);
    EXPECT_EQ(Scale(map, 0), (std::vector<std::string>{"1.800", "1.850", "1.900", "1.950", "2.000"}));
    EXPECT_EQ(Scale(map, 10), (std::vector<std::string>{"144.000", "145.000", "146.000", "147.000", "148.000"}));
    EXPECT_TRUE(map.lblFreqSpot(54).Visible());
    EXPECT_FLOAT_EQ(map.lblFreqSpot(0).FontSize(), 6.75f * 1.5f);  // 1920 px: the width ratio 3 capped
    // The first label centred under the left end of its line, the last under the right end.
    EXPECT_NEAR(map.lblFreqSpot(0).Left() + map.lblFreqSpot(0).Width() / 2, map.lineHF(0).X1(), 0.5);
    EXPECT_NEAR(map.lblFreqSpot(4).Left() + map.lblFreqSpot(4).Width() / 2, map.lineHF(0).X2(), 0.5);
  });
  EXPECT_TRUE(ran);
  EXPECT_EQ(app().IfLoaded<SpectrumMap>(), nullptr);  // unloaded when the showing returns
}

// The load ends by letting pending window events run once: an event waiting when the map
// opens runs with the map laid out over the work area, before it shows.
TEST_F(SpectrumMapTest, ItsLoadLetsWaitingEventsRunBeforeItShows) {
  bool ran_before_showing = false;
  app().Loop().Post([&] {
    const SpectrumMap* map = app().IfLoaded<SpectrumMap>();
    ran_before_showing = map != nullptr && !map->Visible() && map->Width() == app().GetScreen().work_width;
  });
  WithMapOpen([](SpectrumMap&) {});
  EXPECT_TRUE(ran_before_showing);
}

TEST_F(SpectrumMapTest, SpotsStandOnTheLinesOfTheirBands) {
  Spot("JA1ABC", "14001.0");
  Spot("DL1ABC", "10125.0");
  Spot("G4ABC", "24900.0");
  Spot("W1AW", "5300.0");
  WithMapOpen([&](SpectrumMap& map) {
    auto& on20 = map.lblDXSpot(46);
    EXPECT_TRUE(on20.Visible());
    EXPECT_NEAR(on20.Top() + on20.Height(), map.lineHF(4).Y1(), 0.5);
    EXPECT_NEAR(on20.Left() + on20.Width() / 2, map.lineHF(4).X1(), 0.02 * (map.lineHF(4).X2() - map.lineHF(4).X1()));
    EXPECT_TRUE(map.lblDXSpot(47).Visible());
    EXPECT_NEAR(map.lblDXSpot(47).Top() + map.lblDXSpot(47).Height(), map.lineHF(3).Y1(), 0.5);
    EXPECT_NEAR(map.lblDXSpot(48).Top() + map.lblDXSpot(48).Height(), map.lineHF(7).Y1(), 0.5);
    EXPECT_FALSE(map.lblDXSpot(49).Visible());  // 5.3 MHz is on no line
    EXPECT_EQ(map.lblDXSpot(47).ForeColor(), 0x80FFFFu);
    EXPECT_EQ(map.lblDXSpot(47).ToolTipText(), "DL1ABC  10.125  20:05:09");
    // A new spot while the map is up redraws it.
    Spot("VE3ABC", "7025.0");
    EXPECT_TRUE(map.lblDXSpot(49).Visible());
    EXPECT_NEAR(map.lblDXSpot(49).Top() + map.lblDXSpot(49).Height(), map.lineHF(2).Y1(), 0.5);
  });
}

TEST_F(SpectrumMapTest, ALeftClickRemovesTheSpotAndTheZoomFollows) {
  Spot("K1ABC", "14021.0");
  Spot("K2ABC", "14059.0");
  WithMapOpen([&](SpectrumMap& map) {
    EXPECT_EQ(Scale(map, 4), (std::vector<std::string>{"14.020", "14.030", "14.040", "14.050", "14.060"}));
    ASSERT_TRUE(map.lblDXSpot(49).MouseDownBy(forms::kLeftButton));
    EXPECT_EQ(store().SpotFreq[49], 0.0f);
    EXPECT_FALSE(map.lblDXSpot(49).Visible());
    EXPECT_EQ(Scale(map, 4)[0], "14.000");
  });
}

TEST_F(SpectrumMapTest, ARightClickEntersTheCallAndClosesTheMap) {
  Spot("K1ABC", "14021.0");
  WithMapOpen([&](SpectrumMap& map) {
    ASSERT_TRUE(map.lblDXSpot(49).MouseDownBy(forms::kRightButton));
    EXPECT_FALSE(map.Visible());
  });
  EXPECT_EQ(main().txtCall.Text(), "K1ABC");
  EXPECT_TRUE(main().txtCall.HasFocus());
  EXPECT_FLOAT_EQ(store().SpotFreq[49], 14.021f);
}

TEST_F(SpectrumMapTest, AnHourOldSpotEndsTheRedraw) {
  Spot("K1ABC", "14021.0");
  headless().Advance(3600 * 1000LL);
  Spot("K2ABC", "7010.0");
  WithMapOpen([&](SpectrumMap& map) {
    EXPECT_TRUE(map.lblDXSpot(49).Visible());
    EXPECT_FALSE(map.lblDXSpot(48).Visible());
    // The spots are placed under the hourglass, and the arrow comes back at the stop too.
    testing::PointerWatch watch(app());
    map.BandMapLabelDisplay();
    ASSERT_FALSE(watch.changes.empty());
    EXPECT_EQ(std::count(watch.changes.begin(), watch.changes.end(), forms::MousePointer::Hourglass),
              static_cast<long>(watch.changes.size()));
    EXPECT_EQ(watch.pointers, (std::vector{forms::MousePointer::Hourglass, forms::MousePointer::Default}));
  });
}

}  // namespace
}  // namespace ks
