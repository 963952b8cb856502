// Fitting a window designed for the 9600 x 7200 twip screen to real screens.
#include <gtest/gtest.h>

#include "platform/forms/controls.h"
#include "platform/forms/form_resize.h"
#include "platform/forms/headless.h"
#include "platform/forms/listview.h"

namespace ks {
namespace {

using forms::Headless;
using forms::Screen;

class frmSample : public forms::Form {
 public:
  explicit frmSample(forms::Application& app) : forms::Form(app, "frmSample") {
    Move(0, 0, 4800, 3600);
    SetFontSize(8);
    Text1.Move(120, 240, 1200, 300);
    Text1.SetFontSize(10);
    Combo1.Move(120, 600, 1200, 315);
    Combo1.SetFontSize(10);
    Image1.Move(0, 0, 960, 720);
    Frame1.Move(2000, 100, 2000, 2000);
    Option1.Move(100, 200, 900, 250);
    List1.Move(100, 1000, 1500, 1000);
    List1.AddColumn("Call", 1000);
    List1.AddColumn("County", 1300);
    Picture1.Move(10, 10, 100, 100);
  }
  forms::TextBox Text1{*this, "Text1"};
  forms::ComboBox Combo1{*this, "Combo1"};
  forms::Image Image1{*this, "Image1"};
  forms::Frame Frame1{*this, "Frame1"};
  forms::OptionButton Option1{*this, "Option1", &Frame1};
  forms::Line Line1{*this, "Line1", 100, 200, 300, 400};
  forms::ListView List1{*this, "List1"};
  forms::PictureBox Picture1{*this, "Picture1"};
};

TEST(ResizeForm, DesignScreenKeepsEverythingAndLiftsTheWindow) {
  Headless h(Screen::FromPixels(640, 480));
  auto& f = h.app().Get<frmSample>();
  forms::ResizeForm(f);
  EXPECT_FLOAT_EQ(f.Left(), 2400);
  EXPECT_FLOAT_EQ(f.Top(), 1800 - 170);
  EXPECT_FLOAT_EQ(f.Width(), 4800);
  EXPECT_FLOAT_EQ(f.Text1.Width(), 1200);
  EXPECT_FLOAT_EQ(f.Text1.FontSize(), 10);
  EXPECT_FLOAT_EQ(f.FontSize(), 8);
}

TEST(ResizeForm, FullHdTriplesWidthsAndGrowsHeightsAndFontsByTheHeightRatio) {
  Headless h(Screen::FromPixels(1920, 1080));
  auto& f = h.app().Get<frmSample>();
  forms::ResizeForm(f);
  EXPECT_FLOAT_EQ(f.Width(), 14400);
  EXPECT_FLOAT_EQ(f.Height(), 8100);
  EXPECT_FLOAT_EQ(f.Left(), (28800 - 14400) / 2.0f);
  EXPECT_FLOAT_EQ(f.Top(), (16200 - 8100) / 2.0f - 170);
  EXPECT_FLOAT_EQ(f.FontSize(), 8 * 2.25f);
  EXPECT_FLOAT_EQ(f.Text1.Left(), 360);
  EXPECT_FLOAT_EQ(f.Text1.Top(), 540);
  EXPECT_FLOAT_EQ(f.Text1.Width(), 3600);
  EXPECT_FLOAT_EQ(f.Text1.Height(), 675);
  EXPECT_FLOAT_EQ(f.Text1.FontSize(), 22.5f);
  EXPECT_FLOAT_EQ(f.Combo1.Height(), 315) << "a combo box keeps its height";
  EXPECT_FLOAT_EQ(f.Combo1.Width(), 3600);
  EXPECT_FLOAT_EQ(f.Option1.Left(), 300) << "inside its frame, by the same ratios";
  EXPECT_FLOAT_EQ(f.List1.Column(2).width, 3900);
  EXPECT_FLOAT_EQ(f.Line1.X2(), 900);
  EXPECT_FLOAT_EQ(f.Line1.Y2(), 900);
  EXPECT_FLOAT_EQ(f.Image1.Width(), 2880);
  EXPECT_FLOAT_EQ(f.Picture1.Width(), 100) << "picture boxes are left alone";
}

TEST(ResizeForm, ControlFontsFollowTheSmallerRatio) {
  Headless h(Screen::FromPixels(1280, 1024));
  auto& f = h.app().Get<frmSample>();
  forms::ResizeForm(f);
  EXPECT_FLOAT_EQ(f.Text1.FontSize(), 20);
  EXPECT_NEAR(f.FontSize(), 8 * 15360 / 7200.0, 1e-4);
}

TEST(ResizeFormTo, ExactSizeAndFontFace) {
  Headless h(Screen::FromPixels(1920, 1080));
  auto& f = h.app().Get<frmSample>();
  const float inner_width = f.ScaleWidth();
  forms::ResizeFormTo(f, 6000, 4000, 1, 1, 1, 1.0f, "Arial");
  EXPECT_FLOAT_EQ(f.Width(), 6000);
  EXPECT_FLOAT_EQ(f.Height(), 4000);
  EXPECT_FLOAT_EQ(f.Left(), 0);
  const float rw = f.ScaleWidth() / inner_width;
  EXPECT_NEAR(f.Text1.Width(), 1200 * rw, 0.01);
  EXPECT_NEAR(f.Combo1.Width(), 1200 * rw, 0.01);
  EXPECT_EQ(f.Text1.GetFont().name, "Arial");
  EXPECT_EQ(f.GetFont().name, "Arial");
}

TEST(ResizeFormTo, EmptyFontNameKeepsTheFace) {
  Headless h;
  auto& f = h.app().Get<frmSample>();
  forms::ResizeFormTo(f, 9600, 7200, 9600, 7200, 0, 1.0f, "");
  EXPECT_EQ(f.Text1.GetFont().name, forms::Font{}.name);
  EXPECT_FLOAT_EQ(f.Width(), 4800);
}

TEST(ResizeForm, AFailureHalfWayStopsWithOneMessage) {
  Headless h(Screen::FromPixels(1920, 1080));
  auto& f = h.app().Get<frmSample>();
  f.Frame1.SetLeft(3e38f);  // scaling this overflows
  forms::ResizeForm(f);
  ASSERT_EQ(h.dialogs().message_boxes.size(), 1u);
  EXPECT_EQ(h.dialogs().message_boxes[0].text, "Overflow");
  EXPECT_EQ(h.dialogs().message_boxes[0].title, "Form Resize Error");
  EXPECT_FLOAT_EQ(f.Text1.Width(), 3600) << "controls before the failing one are scaled";
  EXPECT_FLOAT_EQ(f.Option1.Left(), 100) << "controls after it keep their design";
  EXPECT_FLOAT_EQ(f.Width(), 14400);

  Headless g;
  auto& zero = g.app().Get<frmSample>();
  forms::ResizeFormTo(zero, 9600, 7200, 0, 7200, 0, 1.0f, "");
  ASSERT_EQ(g.dialogs().message_boxes.size(), 1u);
  EXPECT_EQ(g.dialogs().message_boxes[0].text, "Division by zero");
}

TEST(FitFormToScreen, WindowFontByItsNewWidthAndControlFontsCapped) {
  forms::Headless h(forms::Screen::FromPixels(1920, 1080));
  auto& f = h.app().Get<frmSample>();
  forms::FitRule rule;
  rule.form_font = forms::FitRule::FontRatio::NewWidth;
  rule.control_font = forms::FitRule::FontRatio::WidthCapped;
  forms::FitFormToScreen(f, rule);
  EXPECT_FLOAT_EQ(f.Width(), 14400);
  EXPECT_FLOAT_EQ(f.Top(), (16200 - 8100) / 2.0f) << "centred down, no lift";
  EXPECT_FLOAT_EQ(f.FontSize(), 8 * 14400 / 9600.0f);
  EXPECT_FLOAT_EQ(f.Text1.FontSize(), 15) << "the width ratio 3, capped at 1.5";
}

// Shown windows stand inside the part of the screen they may take: the work area of a
// 640 x 480 screen with its task bar, or the whole screen for a window that covers the task
// bar on purpose. Geometry in twips (15 to the pixel); p is the ratio the window is scaled by.
struct Placement {
  const char* what;
  float left, top, width, height;
  bool covers_taskbar;
  float taskbar_top_px;  // a task bar of that height at the top instead of the bottom
  float want_left, want_top, p;
};

class KeepWithinScreen : public ::testing::TestWithParam<Placement> {};

TEST_P(KeepWithinScreen, AShownWindowStandsInsideTheAreaItMayTake) {
  const Placement c = GetParam();
  SCOPED_TRACE(c.what);
  Screen screen = Screen::FromPixels(640, 480);  // work area 9600 x 6750, the task bar below it
  if (c.taskbar_top_px > 0) {
    screen.work_top = c.taskbar_top_px * 15;
    screen.work_height = screen.height - screen.work_top;
  }
  Headless h(screen);
  auto& f = h.app().Get<frmSample>();
  f.CoversTaskbar = c.covers_taskbar;
  f.Move(c.left, c.top, c.width, c.height);
  f.Show();
  EXPECT_NEAR(f.Left(), c.want_left, 0.5f);
  EXPECT_NEAR(f.Top(), c.want_top, 0.5f);
  EXPECT_NEAR(f.Width(), c.width * c.p, 0.5f);
  EXPECT_NEAR(f.Height(), c.height * c.p, 0.5f);
  // Scaled as a whole: the window's font, every control's place, size and font (inside a
  // frame as well), lines, list columns and picture boxes.
  EXPECT_NEAR(f.FontSize(), 8 * c.p, 0.01f);
  EXPECT_NEAR(f.Text1.Left(), 120 * c.p, 0.01f);
  EXPECT_NEAR(f.Text1.Top(), 240 * c.p, 0.01f);
  EXPECT_NEAR(f.Text1.Width(), 1200 * c.p, 0.01f);
  EXPECT_NEAR(f.Text1.Height(), 300 * c.p, 0.01f);
  EXPECT_NEAR(f.Text1.FontSize(), 10 * c.p, 0.01f);
  EXPECT_NEAR(f.Combo1.Height(), 315 * c.p, 0.01f);
  EXPECT_NEAR(f.Option1.Top(), 200 * c.p, 0.01f);
  EXPECT_NEAR(f.Line1.X2(), 300 * c.p, 0.01f);
  EXPECT_NEAR(f.Line1.Y2(), 400 * c.p, 0.01f);
  EXPECT_NEAR(f.List1.Column(2).width, 1300 * c.p, 0.01f);
  EXPECT_NEAR(f.Picture1.Width(), 100 * c.p, 0.01f);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, KeepWithinScreen,
    ::testing::Values(
        Placement{"inside: as it is", 1200, 900, 4800, 3600, false, 0, 1200, 900, 1},
        Placement{"past the right and lower edges: moved in", 6000, 4000, 4800, 3600, false, 0, 4800, 3150, 1},
        Placement{"above and left of the screen: moved in", -300, -170, 4800, 3600, false, 0, 0, 0, 1},
        Placement{"wider than the work area: scaled to its width", -150, 900, 9900, 3600, false, 0, 0, 955, 9600 / 9900.0f},
        Placement{"taller than the work area: scaled to its height", 2400, -225, 4800, 7200, false, 0, 2550, 0,
                  6750 / 7200.0f},
        Placement{"over the task bar on purpose: as it is", 0, 0, 9600, 7200, true, 0, 0, 0, 1},
        Placement{"under a task bar at the top: moved below it", 1200, 0, 4800, 3600, false, 40, 1200, 600, 1}),
    [](const ::testing::TestParamInfo<Placement>& info) { return "Case" + std::to_string(info.index); });

}  // namespace
}  // namespace ks
