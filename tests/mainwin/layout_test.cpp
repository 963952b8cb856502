// The main windows fitted to the screen by their load: positions, sizes, fonts and list
// columns as the design gives them, times the screen's ratios (and the form size).
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/mainwin/main_window_fixture.h"

namespace ks {
namespace {

using testing::MainWindowBench;

struct ScreenCase {
  int width_px;
  int height_px;
  int percent;
  bool in_state;
};

class MainWindowLayout : public ::testing::TestWithParam<ScreenCase> {};

// Design geometry (left, top, width, height) of a control times the screen's ratios and the
// form size.
void ExpectPlaced(const forms::Control& c, float left, float top, float width, float height, float rx, float ry,
                  float p) {
  SCOPED_TRACE(c.Name());
  EXPECT_NEAR(c.Left(), left * rx * p, 0.5f);
  EXPECT_NEAR(c.Top(), top * ry * p, 0.5f);
  EXPECT_NEAR(c.Width(), width * rx * p, 0.5f);
  EXPECT_NEAR(c.Height(), height * ry * p, 0.5f);
}

TEST_P(MainWindowLayout, FitsDesignToScreenAndFormSize) {
  const ScreenCase sc = GetParam();
  MainWindowBench bench(sc.width_px, sc.height_px);
  bench.settings().FormSizePercent = static_cast<std::uint8_t>(sc.percent);
  bench.settings().OutOfState = sc.in_state ? 0 : 1;
  MainWindow& w = bench.Open();

  const float sw = static_cast<float>(sc.width_px) * 15;
  const float sh = static_cast<float>(sc.height_px) * 15;
  const float rx = sw / 9600;
  const float ry = sh / 7200;
  const float p = static_cast<float>(sc.percent) / 100;
  const float smaller = std::min(rx, ry);

  EXPECT_TRUE(w.Visible());
  EXPECT_NEAR(w.Width(), sw * p, 0.5f);
  EXPECT_NEAR(w.Height(), sh * p, 0.5f);
  EXPECT_NEAR(w.Left(), (sw - sw * p) / 2, 0.5f);
  EXPECT_NEAR(w.Top(), (sh - sh * p) / 2, 0.5f);
  EXPECT_NEAR(w.FontSize(), 8.25f * rx * p, 0.01f);
  EXPECT_EQ(w.GetFont().bold, sc.in_state);

  ExpectPlaced(w.ListView1, 0, 480, 6375, 1935, rx, ry, p);
  ExpectPlaced(w.cmdEdit, 2160, 1440, 1215, 855, rx, ry, p);
  ExpectPlaced(w.txtCall, 0, 2970, 1135, 285, rx, ry, p);
  ExpectPlaced(w.txtRSTR, 1200, 2970, 1015, 285, rx, ry, p);
  EXPECT_NEAR(w.ListView1.FontSize(), 8.25f * smaller * p, 0.01f);
  EXPECT_NEAR(w.txtDX.Column(5).width, 3400 * rx * p, 0.5f);  // "Comments"
  EXPECT_EQ(w.txtDX.Column(4).width, 0);                      // "Status"
  // The multiplier lists reach down to Line3.
  EXPECT_NEAR(w.List1.Top() + w.List1.Height(), w.Line3.Y1(), 0.01f);
  EXPECT_EQ(w.List2.Height(), w.List1.Height());

  if (sc.in_state) {
    auto& in = static_cast<Infrm&>(w);
    ExpectPlaced(w.txtCntry, 2280, 2970, 1980, 285, rx, ry, p);
    ExpectPlaced(w.txtSec, 4320, 2970, 1575, 285, rx, ry, p);
    ExpectPlaced(w.lblDialog, 0, 3360, 2895, 795, rx, ry, p);
    ExpectPlaced(in.List3, 5400, 3600, 1125, 2370, rx, ry, p);
    ExpectPlaced(in.Label10(79), 6600, 5400, 495, 255, rx, ry, p);
    ExpectPlaced(in.lblSecCA, 8760, 3720, 720, 300, rx, ry, p);  // up to the inner edge
    EXPECT_NEAR(in.Label10(1).FontSize(), 6 * smaller * p, 0.01f);
    EXPECT_EQ(in.Label10(1).GetFont().name, "MS Serif");
    EXPECT_NEAR(w.Line3.Y1(), 5970 * ry * p, 0.5f);
    EXPECT_EQ(in.List3.Height(), w.List1.Height());
    EXPECT_NEAR(w.ListView1.Column(1).width, 530 * rx * p, 0.5f);
  } else {
    ExpectPlaced(w.txtSec, 2280, 2970, 1785, 285, rx, ry, p);
    ExpectPlaced(w.txtPts, 4120, 2970, 570, 285, rx, ry, p);
    ExpectPlaced(w.lblDialog, 0, 3360, 4695, 885, rx, ry, p);
    ExpectPlaced(w.List2, 4920, 2940, 2205, 2985, rx, ry, p);
    ExpectPlaced(w.cmdLogOn, 1440, 6000, 1575, 435, rx, ry, p);
    EXPECT_NEAR(w.Line3.Y1(), 5925 * ry * p, 0.5f);
    EXPECT_NEAR(w.ListView1.Column(1).width, 550 * rx * p, 0.5f);
    EXPECT_NEAR(w.ListView1.Column(4).width, 1200 * rx * p, 0.5f);  // "County"
  }
}

INSTANTIATE_TEST_SUITE_P(Screens, MainWindowLayout,
                         ::testing::Values(ScreenCase{640, 480, 100, false}, ScreenCase{640, 480, 100, true},
                                           ScreenCase{1920, 1080, 100, false}, ScreenCase{1920, 1080, 100, true},
                                           ScreenCase{1280, 1024, 100, false}, ScreenCase{1280, 1024, 100, true},
                                           ScreenCase{1920, 1080, 90, false}, ScreenCase{1280, 1024, 90, true},
                                           ScreenCase{640, 480, 85, false}));

// A share of the screen that would reach over the task bar: the window comes out smaller
// still, as a smaller share would make it, and stands inside the work area.
TEST(MainWindowLayout, AShareTallerThanTheWorkAreaIsScaledIntoIt) {
  MainWindowBench bench(1920, 1080);  // a task bar of 30 pixels at the bottom
  bench.settings().FormSizePercent = 99;
  MainWindow& w = bench.Open();
  const forms::Screen& screen = bench.app().GetScreen();
  const float p = screen.work_height / (16200 * 0.99f);  // what is left of the 99 % layout
  EXPECT_NEAR(w.Height(), screen.work_height, 0.5f);
  EXPECT_NEAR(w.Width(), 28800 * 0.99f * p, 0.5f);
  EXPECT_GE(w.Top(), 0);
  EXPECT_LE(w.Top() + w.Height(), screen.work_top + screen.work_height + 0.5f);
  EXPECT_NEAR(w.Left(), (28800 - w.Width()) / 2, 0.5f);
  EXPECT_NEAR(w.txtCall.FontSize(), 9.75f * 2.25f * 0.99f * p, 0.01f);
  EXPECT_NEAR(w.txtCall.Top(), 2970 * 2.25f * 0.99f * p, 0.5f);
  EXPECT_NEAR(w.ListView1.Column(2).width, 1200 * 3 * 0.99f * p, 0.5f);
}

TEST(MainWindowLayout, DesignScreenLeavesEverythingAsDesigned) {
  MainWindowBench bench(640, 480);
  MainWindow& w = bench.Open();
  EXPECT_EQ(w.Left(), 0);
  EXPECT_EQ(w.Top(), 0);
  EXPECT_EQ(w.Width(), 9600);
  EXPECT_EQ(w.Height(), 7200);
  EXPECT_EQ(w.ListView1.Column(2).width, 1200);
  EXPECT_EQ(w.lblDialog.FontSize(), 9.75f);
}

TEST(MainWindowLayout, WideScreenFontsFollowHeightTallScreenWidth) {
  {
    MainWindowBench bench(1920, 1080);  // rx 3, ry 2.25
    MainWindow& w = bench.Open();
    EXPECT_FLOAT_EQ(w.txtCall.FontSize(), 9.75f * 2.25f);
    EXPECT_FLOAT_EQ(w.FontSize(), 8.25f * 3);
  }
  {
    MainWindowBench bench(1280, 1024);  // rx 2, ry 2.133
    MainWindow& w = bench.Open();
    EXPECT_FLOAT_EQ(w.txtCall.FontSize(), 9.75f * 2);
    EXPECT_FLOAT_EQ(w.FontSize(), 8.25f * 2);
  }
}

TEST(MainWindowLayout, TaskbarModeFitsTheWorkAreaAtFullSize) {
  MainWindowBench bench(1920, 1080);  // work area 1050 pixels high
  bench.settings().TaskbarMode = 1;
  MainWindow& w = bench.Open();
  EXPECT_EQ(w.Height(), 15750);
  EXPECT_EQ(w.Width(), 28800);
  EXPECT_TRUE(w.mnuTaskbar.Checked());
  EXPECT_NEAR(w.txtCall.Top(), 2970 * 2.25f * 15750 / 16200, 0.5f);
  EXPECT_NEAR(w.txtDX.Column(1).width, 1040 * 3, 0.5f);
}

TEST(MainWindowLayout, BelowFullSizeTaskbarModeKeepsItsCheckMarkOnly) {
  MainWindowBench bench(1920, 1080);
  bench.settings().TaskbarMode = 1;
  bench.settings().FormSizePercent = 80;
  MainWindow& w = bench.Open();
  EXPECT_TRUE(w.mnuTaskbar.Checked());
  EXPECT_EQ(w.Width(), 23040);
  EXPECT_EQ(w.Height(), 12960);
  EXPECT_EQ(w.Left(), 2880);
  EXPECT_EQ(w.Top(), 1620);
}

}  // namespace
}  // namespace ks
