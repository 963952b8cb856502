// Check boxes, labels, combo boxes, the mouse, and activation between windows.
#include <gtest/gtest.h>

#include "platform/forms/headless.h"
#include "tests/platform_forms/test_window.h"

namespace ks::testing {
namespace {

using forms::Headless;

TEST(CheckBoxes, ClickFiresWhenTheTickChangesByCodeOrByTheOperator) {
  Headless h;
  auto& f = h.app().Get<frmTest>();
  f.Show();
  forms::CheckBox check{f, "Check1"};
  int clicks = 0;
  check.Click = [&] { ++clicks; };
  check.SetValue(1);
  check.SetValue(1);
  EXPECT_EQ(clicks, 1);
  check.ClickBy();
  EXPECT_EQ(check.Value(), 0);
  check.SetFocus();
  f.TypeText(" ");
  EXPECT_EQ(check.Value(), 1) << "Space ticks the focused box";
  EXPECT_EQ(clicks, 3);
}

TEST(Labels, ACaptionSetByCodeRaisesChange) {
  Headless h;
  auto& f = h.app().Get<frmTest>();
  forms::Label label{f, "Label25"};
  std::vector<std::string> seen;
  label.Change = [&] { seen.push_back(label.Caption()); };
  label.SetCaption("Centre");
  label.SetCaption("Centre");
  label.SetCaption("York");
  EXPECT_EQ(seen, (std::vector<std::string>{"Centre", "York"}));
}

TEST(ComboBoxes, ChoosingAnItemSetsTheTextAndClicks) {
  Headless h;
  auto& f = h.app().Get<frmTest>();
  f.Show();
  forms::ComboBox combo{f, "Combo1"};
  combo.Sorted = true;
  for (const char* rig : {"Kenwood", "Elecraft", "Icom"}) combo.AddItem(rig);
  std::vector<std::string> events;
  combo.Click = [&] { events.push_back("Click " + combo.Text()); };
  combo.Change = [&] { events.push_back("Change " + combo.Text()); };
  EXPECT_TRUE(combo.SelectBy(1));
  EXPECT_EQ(combo.Text(), "Icom");
  combo.SetText("None");
  EXPECT_EQ(events, (std::vector<std::string>{"Click Icom", "Change None"}));
  EXPECT_FALSE(combo.SelectBy(3));
}

TEST(Mouse, PressReleaseAndClicksInOrderWithTheButton) {
  Headless h;
  auto& f = h.app().Get<frmTest>();
  f.Show();
  std::vector<std::string> events;
  f.Text2.MouseDown = [&](int button, int shift, float x, float y) {
    events.push_back("down " + std::to_string(button) + " at " + std::to_string(static_cast<int>(x)));
  };
  f.Text2.MouseUp = [&](int button, int, float, float) { events.push_back("up " + std::to_string(button)); };
  f.Text2.Click = [&] { events.push_back("click"); };
  f.Text2.DblClick = [&] { events.push_back("double"); };
  f.events.clear();
  f.Text2.ClickBy(forms::kRightButton, 150, 20);
  EXPECT_EQ(events, (std::vector<std::string>{"down 2 at 150", "up 2"})) << "a right click is no Click";
  EXPECT_EQ(f.events, (std::vector<std::string>{"Text1.LostFocus", "Text2.GotFocus"})) << "the press takes the focus";
  events.clear();
  f.Text2.DoubleClickBy();
  EXPECT_EQ(events, (std::vector<std::string>{"click", "double"}));
  f.Text2.SetEnabled(false);
  EXPECT_FALSE(f.Text2.ClickBy());
}

class frmOther : public forms::Form {
 public:
  explicit frmOther(forms::Application& app) : forms::Form(app, "frmOther") {}
  void Form_Activate() override { log->push_back("frmOther.Activate"); }
  void Form_Deactivate() override { log->push_back("frmOther.Deactivate"); }
  std::vector<std::string>* log = nullptr;
};

TEST(Windows, ActivateAndDeactivateAsTheOperatorMovesBetweenWindows) {
  Headless h;
  std::vector<std::string> log;
  auto& other = h.app().Get<frmOther>();
  other.log = &log;
  other.Show();
  auto& f = h.app().Get<frmTest>();
  f.Show();
  EXPECT_EQ(h.app().ActiveForm(), &f);
  other.ActivateBy();
  EXPECT_EQ(log, (std::vector<std::string>{"frmOther.Activate", "frmOther.Deactivate", "frmOther.Activate"}));
  f.SetWindowState(forms::WindowState::Minimized);
  EXPECT_EQ(f.GetWindowState(), forms::WindowState::Minimized);
}

class frmMouse : public forms::Form {
 public:
  explicit frmMouse(forms::Application& app) : forms::Form(app, "frmMouse") {}
  void Form_MouseDown(int button, int, float, float) override { log.push_back("down " + std::to_string(button)); }
  void Form_MouseUp(int button, int, float, float) override { log.push_back("up " + std::to_string(button)); }
  void Form_MouseMove(int button, int, float x, float) override {
    log.push_back("move " + std::to_string(button) + " " + std::to_string(static_cast<int>(x)));
  }
  void Form_Click() override { log.push_back("click"); }
  std::vector<std::string> log;
};

TEST(Windows, TheMouseOnTheBackgroundRaisesTheWindowsOwnEvents) {
  Headless h;
  auto& f = h.app().Get<frmMouse>();
  f.MouseMoveBy(0, 0, 10, 10);
  EXPECT_TRUE(f.log.empty()) << "a hidden window gets no mouse";
  f.Show();
  f.MouseMoveBy(0, 0, 120, 45);
  f.MouseDownBy(forms::kRightButton);
  f.MouseUpBy(forms::kRightButton);
  f.MouseDownBy(forms::kLeftButton);
  f.MouseUpBy(forms::kLeftButton);
  EXPECT_EQ(f.log, (std::vector<std::string>{"move 0 120", "down 2", "up 2", "down 1", "up 1", "click"}));
}

TEST(Windows, TheInnerAreaIsTheWindowLessItsFrameAndMenuBar) {
  Headless h;
  auto& f = h.app().Get<frmTest>();
  f.SetClientSize(9480, 6510);
  EXPECT_FLOAT_EQ(f.ScaleWidth(), 9480);
  EXPECT_FLOAT_EQ(f.ScaleHeight(), 6510);
  forms::Menu file{f, "mnuFile", nullptr, "&File"};
  EXPECT_LT(f.ScaleHeight(), 6510) << "a menu bar takes room from the inner area";
}

}  // namespace
}  // namespace ks::testing

namespace ks::testing {
namespace {

TEST(Windows, TheDesignScreenHoldsAMainWindowWithItsMenuBar) {
  forms::Headless h;
  auto& f = h.app().Get<frmTest>();
  forms::Menu file{f, "mnuFile", nullptr, "&File"};
  f.SetClientSize(9480, 6510);
  EXPECT_FLOAT_EQ(f.Width(), 9600);
  EXPECT_FLOAT_EQ(f.Height(), 7200);
}

}  // namespace
}  // namespace ks::testing
