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

}  // namespace
}  // namespace ks

namespace ks {
namespace {

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

}  // namespace
}  // namespace ks
