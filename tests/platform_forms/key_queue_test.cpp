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

// Space moving on by a Tab that the program sends: the keys typed after it go where the Tab
// took the focus, however fast they come, and a Tab sent while the window holds its keys
// moves the focus at the handler's next DoEvents.
TEST_F(KeyQueueTest, ATabThatTheProgramSendsGoesAheadOfTheKeysTypedAfterAndThroughAHold) {
  f.Text1.KeyPress = [&](int& key) {
    if (key != ' ') return;
    key = 0;
    h.app().SendTab();
  };
  f.TypeText("a b");
  h.loop().RunPosted();
  EXPECT_EQ(f.Text1.Text(), "a");
  EXPECT_EQ(f.Text2.Text(), "b");
  f.Text1.SetFocus();
  const forms::KeyHold hold = f.HoldKeys();
  h.app().SendTab();
  EXPECT_EQ(f.ActiveControl(), &f.Text1) << "after the handler";
  h.app().DoEvents();
  EXPECT_EQ(f.ActiveControl(), &f.Text2);
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

// Keys as a table writes them: characters as typed, and {Esc}, {F4}, {Up}, {Tab}, {Shift},
// {Ctrl}, {Alt}, {Ctrl+A}, {Alt+C} for the keys that type no character.
void TypeKeys(forms::Form& form, const std::string& keys) {
  struct Named {
    const char* name;
    int code, shift;
  };
  static const Named kNamed[] = {{"Esc", 27, 0},   {"F4", 115, 0},   {"Up", 38, 0},         {"Tab", 9, 0},
                                 {"Shift", 16, 1}, {"Ctrl", 17, 2},  {"Alt", 18, 4},        {"Ctrl+A", 'A', 2},
                                 {"Alt+C", 'C', 4}};
  for (std::size_t i = 0; i < keys.size(); ++i) {
    if (keys[i] != '{') {
      form.TypeText(std::string(1, keys[i]));
      continue;
    }
    const std::size_t close = keys.find('}', i);
    const std::string name = keys.substr(i + 1, close - i - 1);
    for (const Named& n : kNamed)
      if (name == n.name) form.PressKey(n.code, n.shift);
    i = close;
  }
}

// What a key struck on the box is, as the table writes it: its character, "|" for Enter, the
// key's code in angle brackets for a key that types none.
std::string Struck(int key_code, int key_ascii) {
  if (key_ascii == '\r') return "|";
  if (key_ascii >= ' ') return std::string(1, static_cast<char>(key_ascii));
  return "<" + std::to_string(key_code) + ">";
}

struct DropCase {
  const char* name;
  std::string waiting;
  std::string struck;
  std::size_t dropped;
};

class DropRestOfLine : public KeyQueueTest, public ::testing::WithParamInterface<DropCase> {};

TEST_P(DropRestOfLine, DropsTheTypingKeysUpToTheirEnterOrTheFirstKeyThatTypesNothing) {
  const DropCase& c = GetParam();
  std::string struck;
  int down = 0;
  for (forms::TextBox* box : {&f.Text1, &f.Text2}) {
    box->KeyDown = [&](int& key_code, int) { down = key_code; };
    box->KeyPress = [&](int& key_ascii) {
      struck += Struck(down, key_ascii);
      down = 0;
    };
    box->KeyUp = [&](int&, int) {
      if (down != 0) struck += Struck(down, 0);
      down = 0;
    };
  }
  {
    const forms::KeyHold hold = f.HoldKeys();
    TypeKeys(f, c.waiting);
    EXPECT_EQ(h.app().Keys().DropRestOfLine(f), c.dropped);
  }
  h.loop().RunPosted();
  EXPECT_EQ(struck, c.struck);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, DropRestOfLine,
    ::testing::Values(DropCase{"through_its_enter", "7 ct\rn3\r", "n3|", 5},
                      DropCase{"enter_last", "7 ct\r", "", 5},
                      DropCase{"no_end_drops_them_all", "n3abc", "", 5},
                      DropCase{"a_second_space", " ", "", 1},
                      DropCase{"a_lone_tab", "{Tab}", "", 1},
                      DropCase{"tab_backspace_and_shift_type_the_line", "7{Tab}\b{Shift}C\rn3", "n3", 6},
                      DropCase{"esc_ends_it", "7 c{Esc}n3\r", "<27>n3|", 3},
                      DropCase{"a_function_key_first", "{F4}n3\r", "<115>n3|", 0},
                      DropCase{"an_arrow_after_typing_with_no_enter", "7{Up}n3", "<38>n3", 1},
                      DropCase{"alt_c_with_its_alt", "7 {Alt}{Alt+C}n3\r", "<18><67>n3|", 2},
                      DropCase{"ctrl_a_with_its_ctrl", "ab{Ctrl}{Ctrl+A}cd", "<17><65>cd", 2}),
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
