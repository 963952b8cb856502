// Focus moves: LostFocus of the old control, then GotFocus of the new one, also when code
// moves the focus inside a key handler; tab order; a LostFocus that takes the focus back.
#include <gtest/gtest.h>

#include "platform/forms/headless.h"
#include "platform/vb/constants.h"
#include "tests/platform_forms/test_window.h"

namespace ks::testing {
namespace {

using forms::Headless;

TEST(Focus, ShowingFocusesTheFirstTabStop) {
  Headless h;
  auto& f = h.app().Get<frmTest>();
  f.Show();
  EXPECT_EQ(f.ActiveControl(), &f.Text1);
  EXPECT_EQ(f.events.back(), "Text1.GotFocus");
}

TEST(Focus, CodeMovingTheFocusInAKeyHandler) {
  Headless h;
  auto& f = h.app().Get<frmTest>();
  f.Show();
  // A space in the first box moves on to the second, as an entry line does.
  f.Text1.KeyPress = [&](int& k) {
    if (k == ' ') {
      k = 0;
      f.Text2.SetFocus();
    }
  };
  f.events.clear();
  f.TypeText("K ");
  const std::vector<std::string> expected{"Text1.KeyDown 75", "Text1.Change K", "Text1.KeyUp 75",
                                          "Text1.KeyDown 32", "Text1.LostFocus", "Text2.GotFocus",
                                          "Text2.KeyUp 32"};
  EXPECT_EQ(f.events, expected);
  EXPECT_EQ(f.Text1.Text(), "K");
  EXPECT_EQ(f.Text2.Text(), "");
}

TEST(Focus, TheKeyGoesToTheBoxThatHadTheFocusWhenItWentDown) {
  Headless h;
  auto& f = h.app().Get<frmTest>();
  f.Show();
  f.Text1.KeyPress = [&](int& k) {
    if (k >= '0' && k <= '9') f.Text2.SetFocus();
  };
  f.TypeText("5");
  EXPECT_EQ(f.Text1.Text(), "5");
  EXPECT_EQ(f.ActiveControl(), &f.Text2);
}

TEST(Focus, LostFocusTakingTheFocusBack) {
  Headless h;
  auto& f = h.app().Get<frmTest>();
  f.Show();
  f.Text1.LostFocus = [&] {
    f.events.push_back("Text1.LostFocus");
    if (f.Text1.Text() != "Adams") f.Text1.SetFocus();
  };
  f.events.clear();
  f.Text2.SetFocus();
  const std::vector<std::string> expected{"Text1.LostFocus", "Text1.GotFocus"};
  EXPECT_EQ(f.events, expected);
  EXPECT_EQ(f.ActiveControl(), &f.Text1);
}

TEST(Focus, TabFollowsTabIndexAndSkipsHiddenAndDisabledControls) {
  Headless h;
  auto& f = h.app().Get<frmTest>();
  f.Show();
  f.Text2.SetVisible(false);
  f.TabBy();
  EXPECT_EQ(f.ActiveControl(), &f.Command1);
  f.Text2.SetVisible(true);
  f.Text1.SetFocus();
  f.TabBy();
  EXPECT_EQ(f.ActiveControl(), &f.Text2);
  f.TabBy(true);
  EXPECT_EQ(f.ActiveControl(), &f.Text1);
  f.Frame1.SetEnabled(false);
  f.Command1.SetFocus();
  f.TabBy();
  EXPECT_EQ(f.ActiveControl(), &f.Option3) << "options inside a disabled frame take no focus";
}

TEST(Focus, SendTabMovesAfterTheHandlerReturns) {
  Headless h;
  auto& f = h.app().Get<frmTest>();
  f.Show();
  f.Text1.KeyPress = [&](int& k) {
    h.app().SendTab();
    EXPECT_EQ(f.ActiveControl(), &f.Text1);
  };
  f.TypeText("x");
  h.loop().RunPosted();
  EXPECT_EQ(f.ActiveControl(), &f.Text2);
}

// Entered by Tab or Shift+Tab, a box has its whole text selected, so what is typed replaces
// it; a click places the caret and selects nothing.
TEST(Focus, TabSelectsABoxsWholeTextAndAClickDoesNot) {
  Headless h;
  auto& f = h.app().Get<frmTest>();
  f.Show();
  f.Text1.SetText("K3ABC");
  f.Text2.SetText("0");
  f.Text1.SetFocus();
  f.PressKey('\t');
  ASSERT_EQ(f.ActiveControl(), &f.Text2);
  EXPECT_EQ(f.Text2.SelLength(), 1);
  f.TypeText("5");
  EXPECT_EQ(f.Text2.Text(), "5");

  f.PressKey('\t', forms::kShiftMask);
  EXPECT_EQ(f.Text1.SelStart(), 0);
  EXPECT_EQ(f.Text1.SelLength(), 5);

  f.Text2.MouseDownBy(forms::kLeftButton);
  EXPECT_EQ(f.ActiveControl(), &f.Text2);
  EXPECT_EQ(f.Text2.SelLength(), 0);
}

// The arrow keys move within the option group of the focused option and choose as they go,
// round the group's ends and past an option that is disabled; an option group is one tab
// stop, its chosen option.
TEST(Focus, ArrowKeysMoveWithinAnOptionGroupAndTabLeavesIt) {
  Headless h;
  auto& f = h.app().Get<frmTest>();
  forms::OptionButton Option5{f, "Option5"};
  std::vector<std::string> clicks;
  for (forms::OptionButton* o : {&f.Option1, &f.Option2, &f.Option3, &f.Option4, &Option5})
    o->Click = [&clicks, o] { clicks.push_back(o->Name()); };
  f.Show();
  f.Option3.SetValue(true);
  clicks.clear();
  f.Option3.SetFocus();

  const struct {
    int key;
    const char* focused;
  } moves[] = {{vb::vbKeyDown, "Option4"}, {vb::vbKeyRight, "Option5"}, {vb::vbKeyDown, "Option3"}, {vb::vbKeyUp, "Option5"},
               {vb::vbKeyLeft, "Option4"}};
  for (const auto& move : moves) {
    f.PressKey(move.key);
    ASSERT_NE(f.ActiveControl(), nullptr);
    EXPECT_EQ(f.ActiveControl()->Name(), move.focused) << "key " << move.key;
    EXPECT_TRUE(static_cast<forms::OptionButton*>(f.ActiveControl())->Value());
  }
  EXPECT_EQ(clicks, (std::vector<std::string>{"Option4", "Option5", "Option3", "Option5", "Option4"}));
  EXPECT_FALSE(f.Option1.Value()) << "the frame's group is another group";

  Option5.SetEnabled(false);
  f.PressKey(vb::vbKeyDown);
  EXPECT_EQ(f.ActiveControl(), &f.Option3) << "past the disabled option, round the end";

  f.Option1.SetValue(true);
  f.Command1.SetFocus();
  std::vector<std::string> stops;
  for (int i = 0; i < 4; ++i) {
    f.PressKey('\t');
    stops.push_back(f.ActiveControl()->Name());
  }
  EXPECT_EQ(stops, (std::vector<std::string>{"Option1", "Option3", "List1", "ListView1"}));
}

}  // namespace
}  // namespace ks::testing
