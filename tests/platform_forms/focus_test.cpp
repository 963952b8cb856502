// Focus moves: LostFocus of the old control, then GotFocus of the new one, also when code
// moves the focus inside a key handler; tab order; a LostFocus that takes the focus back.
#include <gtest/gtest.h>

#include "platform/forms/headless.h"
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

}  // namespace
}  // namespace ks::testing
