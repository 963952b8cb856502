// Text pasted into a text box is typed: each character a keystroke through the window's key
// handling, struck after the paste key and ahead of the keys typed after it, so the box's
// handlers decide what it holds; no line end, Tab or other control character of the
// clipboard becomes a key in a single-line box.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/forms/headless.h"
#include "platform/forms/pasted_keys.h"
#include "tests/platform_forms/test_window.h"

namespace ks::testing {
namespace {

using forms::Headless;
using forms::TypedKey;

std::string TypedCharacters(const forms::PastedKeys& pasted) {
  std::string out;
  for (const TypedKey& k : pasted.keys) out += static_cast<char>(k.key_ascii);
  return out;
}

TEST(PastedKeys, WhatAPasteTypes) {
  const struct Case {
    const char* clipboard;
    bool multi_line;
    const char* typed;
  } cases[] = {
      {"W1AW ", false, "W1AW"},
      {" \tW1AW\t \r\n", false, "W1AW"},
      {"\r\n  \r\n  K3ZZ  \nsecond line", false, "K3ZZ"},  // the first line that holds anything
      {"K1 A,B\"C", false, "K1 A,B\"C"},                      // what the box does with them is its own
      {"K1\tA", false, "K1 A"},                               // a Tab separates as a blank does
      {"A\x01" "B\x1b" "C\x7f", false, "ABC"},
      {"\x80" "caf\xe9", false, "\x80" "caf\xe9"},
      {"   \t ", false, ""},
      {"", false, ""},
      {"CQ\r\nTEST\rDE\n", true, "CQ\rTEST\rDE\r"},
      {" A\tB\x02 ", true, " A\tB "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.clipboard);
    const forms::PastedKeys pasted = forms::KeysOfPaste(c.clipboard, c.multi_line);
    EXPECT_EQ(TypedCharacters(pasted), c.typed);
    EXPECT_FALSE(pasted.cut);
  }
}

TEST(PastedKeys, ALongPasteIsCutAtItsBound) {
  const std::string exact(forms::kMaxPastedKeys, 'x');
  EXPECT_FALSE(forms::KeysOfPaste(exact, false).cut);
  const forms::PastedKeys longer = forms::KeysOfPaste(exact + "yz", false);
  EXPECT_TRUE(longer.cut);
  EXPECT_EQ(TypedCharacters(longer), exact);
}

// The keys a US keyboard types them with, as the view reports the operator's.
TEST(PastedKeys, EachCharacterIsTheKeyThatTypesIt) {
  constexpr int kShift = forms::kShiftMask;
  const struct Case {
    unsigned char ch;
    TypedKey key;
  } cases[] = {
      {'a', {'A', 'a', 0}},    {'W', {'W', 'W', kShift}}, {'7', {'7', '7', 0}},    {' ', {32, 32, 0}},
      {'&', {'7', '&', kShift}},  // not the Up arrow, whose key code is the code of "&"
      {'(', {'9', '(', kShift}},  // not the Down arrow
      {'{', {219, '{', kShift}},  // not F12
      {',', {188, ',', 0}},    {'"', {222, '"', kShift}}, {'/', {191, '/', 0}},    {'\r', {13, 13, 0}},
      {0xe9, {0, 0xe9, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.ch));
    EXPECT_EQ(forms::KeyOfCharacter(c.ch), c.key);
  }
}

class PasteTest : public ::testing::Test {
 protected:
  PasteTest() : f(h.app().Get<frmTest>()) {
    f.KeyPreview = true;
    f.Show();
    f.Text1.SetFocus();
  }
  void ShiftInsert() { f.TypeKey(forms::kInsert, 0, forms::kShiftMask); }
  Headless h;
  frmTest& f;
};

TEST_F(PasteTest, EachCharacterGoesThroughTheWindowAndTheBoxAsATypedKeyDoes) {
  std::string seen;
  f.Text1.KeyPress = [&](int& k) {
    seen += static_cast<char>(k);
    if (k >= 'a' && k <= 'z') k -= 32;
    if (k == ' ') {
      k = 0;
      f.Text2.SetFocus();  // as Space moves on from the call box
    }
  };
  f.form_drops_key = ',';
  h.dialogs().SetClipboardText(" k1a,bc 7\r\n");
  ShiftInsert();
  h.loop().RunPosted();
  EXPECT_EQ(seen, "k1abc ") << "the window dropped the comma before the box saw it";
  EXPECT_EQ(f.Text1.Text(), "K1ABC");
  EXPECT_EQ(f.Text2.Text(), "7") << "what followed the Space went where the focus went";
  const auto previewed = std::count(f.events.begin(), f.events.end(), "Form_KeyPress 44");
  EXPECT_EQ(previewed, 1);
}

TEST_F(PasteTest, APastedLineEndPressesNoDefaultButton) {
  f.Command1.Default = true;
  h.dialogs().SetClipboardText("K3ZZ\r\n");
  ShiftInsert();
  h.loop().RunPosted();
  EXPECT_EQ(f.Text1.Text(), "K3ZZ");
  EXPECT_EQ(std::count(f.events.begin(), f.events.end(), "Command1.Click"), 0);
}

// Keys typed after the paste key, held behind it, come after the pasted text; text pasted by
// a click while keys typed before it wait comes after those.
TEST_F(PasteTest, APasteTakesItsPlaceAmongTheTypedKeys) {
  h.dialogs().SetClipboardText("W1AW");
  {
    const forms::KeyHold hold = f.HoldKeys();
    f.TypeText("k");
    ShiftInsert();
    f.TypeText("z");
  }
  h.loop().RunPosted();
  EXPECT_EQ(f.Text1.Text(), "kW1AWz");

  f.Text1.SetText("");
  {
    const forms::KeyHold hold = f.HoldKeys();
    f.TypeText("ab");
    f.Text1.PasteText("CD");
  }
  h.loop().RunPosted();
  EXPECT_EQ(f.Text1.Text(), "abCD");
}

TEST_F(PasteTest, ALockedBoxTakesNoPasteAndALongPasteStopsAtItsBoundWithABeep) {
  f.Text1.Locked = true;
  f.Text1.PasteText("K3ZZ");
  h.loop().RunPosted();
  EXPECT_EQ(f.Text1.Text(), "");
  EXPECT_EQ(h.dialogs().beeps, 0);

  f.Text1.Locked = false;
  int strokes = 0;
  f.Text1.KeyPress = [&](int&) { ++strokes; };
  f.Text1.PasteText(std::string(forms::kMaxPastedKeys + 500, 'x'));
  h.loop().RunPosted();
  EXPECT_EQ(strokes, static_cast<int>(forms::kMaxPastedKeys));
  EXPECT_EQ(f.Text1.Text().size(), forms::kMaxPastedKeys);
  EXPECT_EQ(h.dialogs().beeps, 1);
}

}  // namespace
}  // namespace ks::testing
