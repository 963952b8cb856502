// What a keystroke does to a text box: handlers may change or drop the key, the character
// replaces the selection at the caret, Change follows, and the window previews keys first.
#include <gtest/gtest.h>

#include "platform/forms/headless.h"
#include "tests/platform_forms/test_window.h"

namespace ks::testing {
namespace {

using forms::Headless;

struct KeyCase {
  const char* name;
  std::string start_text;
  int sel_start, sel_length;
  std::string typed;
  int handler;  // 0 none, 1 upper-cases, 2 drops digits
  std::string expected;
  int expected_caret;
};

class KeyTable : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyTable, TypedKeysEndUpAsTheHandlerSays) {
  const KeyCase& c = GetParam();
  Headless h;
  auto& f = h.app().Get<frmTest>();
  f.Show();
  f.Text1.SetText(c.start_text);
  f.Text1.SetFocus();
  f.Text1.SetSelStart(c.sel_start);
  f.Text1.SetSelLength(c.sel_length);
  f.Text1.KeyPress = [&](int& k) {
    if (c.handler == 1 && k >= 'a' && k <= 'z') k -= 32;
    if (c.handler == 2 && k >= '0' && k <= '9') k = 0;
  };
  f.TypeText(c.typed);
  EXPECT_EQ(f.Text1.Text(), c.expected);
  EXPECT_EQ(f.Text1.SelStart(), c.expected_caret);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyTable,
    ::testing::Values(KeyCase{"plain", "", 0, 0, "k3lr", 0, "k3lr", 4},
                      KeyCase{"upper_cased_by_handler", "", 0, 0, "k3lr", 1, "K3LR", 4},
                      KeyCase{"digits_dropped", "", 0, 0, "a1b2", 2, "ab", 2},
                      KeyCase{"replaces_selection", "Allegheny", 1, 8, "d", 0, "Ad", 2},
                      KeyCase{"inserts_at_caret", "W1AW", 2, 0, "x", 0, "W1xAW", 3},
                      KeyCase{"backspace_deletes_selection", "Adams", 2, 3, "\b", 0, "Ad", 2},
                      KeyCase{"backspace_before_caret", "Adams", 5, 0, "\b\b", 0, "Ada", 3},
                      KeyCase{"backspace_at_start_does_nothing", "Adams", 0, 0, "\b", 0, "Adams", 0}),
    [](const auto& info) { return info.param.name; });

TEST(Keys, EventOrderWithKeyPreview) {
  Headless h;
  auto& f = h.app().Get<frmTest>();
  f.KeyPreview = true;
  f.Show();
  f.Text1.SetFocus();
  f.events.clear();
  f.TypeText("a");
  const std::vector<std::string> expected{"Form_KeyDown 65", "Text1.KeyDown 65", "Form_KeyPress 97",
                                          "Text1.Change a", "Text1.KeyUp 65"};
  EXPECT_EQ(f.events, expected);
}

TEST(Keys, WindowPreviewCanDropTheKey) {
  Headless h;
  auto& f = h.app().Get<frmTest>();
  f.KeyPreview = true;
  f.form_drops_key = '"';
  f.Show();
  f.Text1.SetFocus();
  f.TypeText("a\"b");
  EXPECT_EQ(f.Text1.Text(), "ab");
}

TEST(Keys, ChangeFiresFromCodeAndTypingButNotForTheSameText) {
  Headless h;
  auto& f = h.app().Get<frmTest>();
  f.Show();
  f.events.clear();
  f.Text1.SetText("PA");
  f.Text1.SetText("PA");
  f.Text1.SetText("");
  const std::vector<std::string> expected{"Text1.Change PA", "Text1.Change "};
  EXPECT_EQ(f.events, expected);
}

TEST(Keys, MaxLengthStopsTypingButNotCode) {
  Headless h;
  auto& f = h.app().Get<frmTest>();
  f.Show();
  f.Text1.MaxLength = 3;
  f.Text1.SetFocus();
  f.TypeText("12345");
  EXPECT_EQ(f.Text1.Text(), "123");
  f.Text1.SetText("12345");
  EXPECT_EQ(f.Text1.Text(), "12345");
}

TEST(Keys, EnterPressesTheDefaultButtonAndEscTheCancelButton) {
  Headless h;
  auto& f = h.app().Get<frmTest>();
  f.Show();
  f.Command1.Default = true;
  f.Text1.SetFocus();
  f.events.clear();
  f.PressKey(13);
  EXPECT_EQ(f.events.back(), "Text1.KeyUp 13");
  EXPECT_NE(std::find(f.events.begin(), f.events.end(), "Command1.Click"), f.events.end());
  EXPECT_EQ(f.Text1.Text(), "");
}

TEST(Keys, CtrlLetterTypesItsControlCharacter) {
  Headless h;
  auto& f = h.app().Get<frmTest>();
  f.KeyPreview = true;
  f.Show();
  f.Text1.SetFocus();
  f.events.clear();
  f.PressKey('C', forms::kCtrlMask);
  EXPECT_EQ(f.events[0], "Form_KeyDown 67");
  EXPECT_EQ(f.events[2], "Form_KeyPress 3");
  EXPECT_EQ(f.Text1.Text(), "");
}

struct EditKeyCase {
  const char* name;
  int key_code, key_ascii, shift;
  std::string expected_text;
  std::string expected_clipboard;
};

class EditKeys : public ::testing::TestWithParam<EditKeyCase> {};

// The box holds "W3AA/P" with "AA" selected; the clipboard holds "K3ZZ\r\nsecond line".
TEST_P(EditKeys, DeleteAndTheClipboardKeys) {
  const EditKeyCase& c = GetParam();
  Headless h;
  auto& f = h.app().Get<frmTest>();
  f.Show();
  f.Text1.SetText("W3AA/P");
  f.Text1.SetSelStart(2);
  f.Text1.SetSelLength(2);
  h.dialogs().SetClipboardText("K3ZZ\r\nsecond line");
  f.TypeKey(c.key_code, c.key_ascii, c.shift);
  h.loop().RunPosted();  // a paste's characters are typed after the key
  EXPECT_EQ(f.Text1.Text(), c.expected_text);
  EXPECT_EQ(h.dialogs().ClipboardText(), c.expected_clipboard);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, EditKeys,
    ::testing::Values(EditKeyCase{"delete_selection", 46, 0, 0, "W3/P", "K3ZZ\r\nsecond line"},
                      EditKeyCase{"ctrl_c_copies", 'C', 3, forms::kCtrlMask, "W3AA/P", "AA"},
                      EditKeyCase{"ctrl_x_cuts", 'X', 24, forms::kCtrlMask, "W3/P", "AA"},
                      EditKeyCase{"ctrl_v_pastes_one_line", 'V', 22, forms::kCtrlMask, "W3K3ZZ/P", "K3ZZ\r\nsecond line"},
                      EditKeyCase{"shift_delete_cuts", 46, 0, forms::kShiftMask, "W3/P", "AA"},
                      EditKeyCase{"shift_insert_pastes", 45, 0, forms::kShiftMask, "W3K3ZZ/P", "K3ZZ\r\nsecond line"},
                      EditKeyCase{"ctrl_insert_copies", 45, 0, forms::kCtrlMask, "W3AA/P", "AA"}),
    [](const auto& info) { return info.param.name; });

// Ctrl+A selects the whole text whatever the window does with the character it types.
TEST(Keys, CtrlASelectsTheWholeTextSoTypingReplacesIt) {
  Headless h;
  auto& f = h.app().Get<frmTest>();
  f.KeyPreview = true;
  f.form_drops_key = 1;
  f.Show();
  f.Text1.SetText("N3ABC");
  f.Text1.SetFocus();
  f.Text1.SetSelStart(5);
  f.PressKey('A', forms::kCtrlMask);
  EXPECT_EQ(f.Text1.SelStart(), 0);
  EXPECT_EQ(f.Text1.SelLength(), 5);
  f.TypeText("K3ZZZ");
  EXPECT_EQ(f.Text1.Text(), "K3ZZZ");
  f.PressKey('A', forms::kCtrlMask | forms::kShiftMask);
  EXPECT_EQ(f.Text1.SelLength(), 0) << "only Ctrl+A selects";
}

TEST(Keys, DeleteWithoutSelectionTakesTheNextCharacterUnlessTheHandlerDropsIt) {
  Headless h;
  auto& f = h.app().Get<frmTest>();
  f.Show();
  f.Text1.SetText("K3ZZ");
  f.Text1.SetFocus();
  f.Text1.SetSelStart(1);
  f.PressKey(46);
  EXPECT_EQ(f.Text1.Text(), "KZZ");
  f.Text1.KeyDown = [](int& k, int) { k = 0; };
  f.PressKey(46);
  EXPECT_EQ(f.Text1.Text(), "KZZ");
}

TEST(Keys, APasteStopsAtMaxLengthAndADroppedCtrlVPastesNothing) {
  Headless h;
  auto& f = h.app().Get<frmTest>();
  f.Show();
  f.Text1.MaxLength = 4;
  f.Text1.SetText("AB");
  f.Text1.SetFocus();
  f.Text1.SetSelStart(2);
  h.dialogs().SetClipboardText("CDEF");
  f.PressKey('V', forms::kCtrlMask);
  h.loop().RunPosted();
  EXPECT_EQ(f.Text1.Text(), "ABCD");
  f.Text1.SetText("");
  f.Text1.KeyPress = [](int& k) {
    if (k == 22) k = 0;
  };
  f.PressKey('V', forms::kCtrlMask);
  h.loop().RunPosted();
  EXPECT_EQ(f.Text1.Text(), "");
}

}  // namespace
}  // namespace ks::testing
