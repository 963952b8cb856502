// Keys typed while a window holds them: they wait, in the order typed, and are struck once the
// hold ends, each on the control that has the focus then; nothing overtakes them.
#include <gtest/gtest.h>

#include "platform/forms/headless.h"
#include "tests/platform_forms/test_window.h"

namespace ks::testing {
namespace {

using forms::Headless;

class KeyQueueTest : public ::testing::Test {
 protected:
  KeyQueueTest() : f(h.app().Get<frmTest>()) {
    f.Show();
    f.Text1.SetFocus();
  }
  Headless h;
  frmTest& f;
};

TEST_F(KeyQueueTest, KeysTypedDuringAHoldWaitAndGoToTheControlFocusedWhenItEnds) {
  {
    const forms::KeyHold hold = f.HoldKeys();
    f.TypeText("k3a");
    EXPECT_EQ(f.Text1.Text(), "");
    f.Text2.SetFocus();
  }
  EXPECT_EQ(f.Text2.Text(), "") << "struck after the handler, not inside it";
  h.loop().RunPosted();
  EXPECT_EQ(f.Text1.Text(), "");
  EXPECT_EQ(f.Text2.Text(), "k3a");
}

TEST_F(KeyQueueTest, AKeyTypedWhileOthersStillWaitGoesBehindThem) {
  {
    const forms::KeyHold hold = f.HoldKeys();
    f.TypeText("w1");
  }
  f.TypeText("aw");
  h.loop().RunPosted();
  EXPECT_EQ(f.Text1.Text(), "w1aw");
}

// Enter logs the line: while its handler lets events run, the keys typed meanwhile wait, so
// none of them is handled inside it, and they go to the line it leaves behind.
TEST_F(KeyQueueTest, AKeyWhoseHandlerHoldsTheWindowRunsWholeBeforeTheKeysTypedMeanwhile) {
  std::vector<std::string> seen;
  f.Text1.KeyPress = [&](int& key) {
    if (key != '\r') {
      seen.push_back(std::string(1, static_cast<char>(key)));
      return;
    }
    key = 0;
    const forms::KeyHold hold = f.HoldKeys();
    seen.push_back("enter " + f.Text1.Text());
    if (seen.size() == 3) h.app().Loop().Post([&] { f.TypeText("n3\r"); });  // typed while the line is stored
    h.app().DoEvents();
    f.Text1.SetText("");
    seen.push_back("cleared");
  };
  f.TypeText("k3\r");
  h.loop().RunPosted();
  const std::vector<std::string> expected{"k", "3", "enter k3", "cleared", "n", "3", "enter n3", "cleared"};
  EXPECT_EQ(seen, expected);
}

// A key whose handler goes on while events run (the Morse sender of a function key) lets the
// keys waiting behind it in, as it would let in keys typed then (Esc stopping it).
TEST_F(KeyQueueTest, AKeyHandlerThatLetsEventsRunLetsTheKeysWaitingBehindItIn) {
  std::string seen_while_sending;
  f.Text1.KeyPress = [&](int& key) {
    if (key != '!') return;
    h.app().DoEvents();
    seen_while_sending = f.Text1.Text();
  };
  {
    const forms::KeyHold hold = f.HoldKeys();
    f.TypeText("!x");
  }
  h.loop().RunPosted();
  EXPECT_EQ(seen_while_sending, "x");
}

struct DropCase {
  const char* name;
  std::string waiting;
  std::string struck;
  bool dropped;
};

class DropThrough : public KeyQueueTest, public ::testing::WithParamInterface<DropCase> {};

TEST_P(DropThrough, DropsTheWaitingKeysUpToTheFirstEnterOrNone) {
  const DropCase& c = GetParam();
  f.Text1.KeyPress = [](int& key) {
    if (key == '\r') key = '|';  // an Enter shows where it was struck
  };
  {
    const forms::KeyHold hold = f.HoldKeys();
    f.TypeText(c.waiting);
    EXPECT_EQ(h.app().Keys().DropThrough(f, '\r'), c.dropped);
  }
  h.loop().RunPosted();
  EXPECT_EQ(f.Text1.Text(), c.struck);
}

INSTANTIATE_TEST_SUITE_P(Keys, DropThrough,
                         ::testing::Values(DropCase{"through_the_first_enter", "7 ct\rn3\r", "n3|", true},
                                           DropCase{"no_enter_drops_nothing", "n3abc", "n3abc", false},
                                           DropCase{"enter_last", "7 ct\r", "", true}),
                         [](const auto& info) { return info.param.name; });

// Another window's keys are not held, and a window that goes takes its waiting keys with it.
TEST_F(KeyQueueTest, AHoldIsTheWindowsOwnAndItsWaitingKeysGoWithIt) {
  class frmOther : public forms::Form {
   public:
    explicit frmOther(forms::Application& app) : forms::Form(app, "frmOther") {}
    forms::TextBox Text1{*this, "Text1"};
  };
  frmOther& other = h.app().Get<frmOther>();
  other.Show();
  other.Text1.SetFocus();
  {
    const forms::KeyHold hold = f.HoldKeys();
    f.TypeText("ab");
    other.TypeText("cd");
    EXPECT_EQ(other.Text1.Text(), "cd");
    EXPECT_EQ(h.app().Keys().Waiting(f), 2u);
    f.Unload();
    EXPECT_EQ(h.app().Keys().Waiting(f), 0u);
  }
  h.loop().RunPosted();
}

}  // namespace
}  // namespace ks::testing
