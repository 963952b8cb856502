// The main window's key rules: what a key, with its shift state, the mode and the keyer
// state, starts on the keyers and what reaches the entry boxes.
#include <gtest/gtest.h>

#include <string>

#include "keying/keying_state.h"
#include "keying/windows/CWFrm.h"
#include "keying/windows/PhoneFrm.h"
#include "mainwin/message_colors.h"
#include "mainwin/windows/Infrm.h"
#include "mainwin/windows/Outfrm.h"
#include "platform/vb/constants.h"
#include "rig/windows/RigControlfrm.h"
#include "tests/mainwin_commands/main_window_fixture.h"

namespace ks::testing {
namespace {

using namespace ks::vb;

// The keyer state a case starts from.
struct Keyer {
  const char* mode = "CW";
  int keying = kKeyingNone;
  int keyboard_cw = 0;
  int sending = 0;
  int winkey_version = 0;
  int winkey_status = 0;
  bool voice_playing = false;
  const char* buffer = "";
};

class KeyDispatchTest : public MainWindowTest {
 protected:
  Outfrm& Start(const Keyer& k) {
    Outfrm& w = Open<Outfrm>();
    settings().CurrentMode = k.mode;
    KeyingState& keying = app().State<KeyingState>();
    keying.CWKeying = static_cast<std::uint8_t>(k.keying);
    keying.KeyboardCW = k.keyboard_cw;
    keying.CWSending = k.sending;
    keying.WinKeyVersion = k.winkey_version;
    keying.CWBuffer = k.buffer;
    keying.WinKeyStatus = 0;
    keyer->playing = k.voice_playing;
    keyer->status = k.winkey_status;
    return w;
  }
  KeyingState& keying() { return app().State<KeyingState>(); }
};

TEST_F(KeyDispatchTest, KeyDownByModeAndKeyingInterface) {
  struct Case {
    const char* name;
    Keyer keyer;
    int key;
    int shift;
    int code_after;          // what the key code is when the handler returns
    const char* calls;       // what reached the keyer services
    const char* dialog;      // the message label afterwards ("-" unchanged)
  };
  const Case cases[] = {
      {"PH F1 plays message 1", {"PH"}, vbKeyF1, 0, vbKeyF1, "FKeyPhone 112", "-"},
      {"PH F9 plays message 9", {"ph"}, vbKeyF9, 0, vbKeyF9, "FKeyPhone 120", "-"},
      {"PH F10 is consumed", {"PH"}, vbKeyF10, 0, 0, "", "-"},
      {"PH F11 is ordinary", {"PH"}, vbKeyF11, 0, vbKeyF11, "", "-"},
      {"PH Up is ordinary", {"PH", kKeyingRTS}, vbKeyUp, 0, vbKeyUp, "", "-"},
      {"CW F1 sends message 1", {"CW", kKeyingDTR}, vbKeyF1, 0, vbKeyF1, "FKeyCW 112", "-"},
      {"CW Shift+F5 sends message 5", {"CW", kKeyingRTS}, vbKeyF5, vbShiftMask, vbKeyF5, "FKeyCW 116", "-"},
      {"CW F10 becomes 124", {"cw", kKeyingParallel}, vbKeyF10, 0, 124, "FKeyCW 124", "-"},
      {"CW F11 sends its message", {"CW", kKeyingWinKeyer}, vbKeyF11, 0, vbKeyF11, "FKeyCW 122", "-"},
      {"CW Up raises the speed", {"CW", kKeyingRTS}, vbKeyUp, 0, 0, "", "26 WPM"},
      {"CW Down lowers the speed", {"CW", kKeyingRTS}, vbKeyDown, 0, 0, "", "24 WPM"},
      {"CW without keying: F1", {"CW"}, vbKeyF1, 0, vbKeyF1, "", "-"},
      {"CW without keying: F10 opens the menu bar", {"CW"}, vbKeyF10, 0, vbKeyF10, "", "-"},
      {"CW without keying: Up", {"CW"}, vbKeyUp, 0, vbKeyUp, "", "-"},
      {"RTTY F1 does nothing", {"RY", kKeyingRTS}, vbKeyF1, 0, vbKeyF1, "", "-"},
      {"PSK F10 opens the menu bar", {"PK", kKeyingRTS}, vbKeyF10, 0, vbKeyF10, "", "-"},
      {"Ctrl+F1 in CW still sends", {"CW", kKeyingRTS}, vbKeyF1, vbCtrlMask, vbKeyF1, "FKeyCW 112", "-"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Outfrm& w = Start(c.keyer);
    app().Get<CWFrm>().Text11.SetText("25");
    w.lblDialog.SetCaption("-");
    keyer->calls.clear();
    int code = c.key;
    w.Form_KeyDown(code, c.shift);
    EXPECT_EQ(code, c.code_after);
    EXPECT_EQ(keyer->Joined(), c.calls);
    EXPECT_EQ(w.lblDialog.Caption(), c.dialog);
  }
}

TEST_F(KeyDispatchTest, F12SwitchesKeyboardCwOnAndOff) {
  Outfrm& w = Start({"CW", kKeyingRTS});
  w.PressKey(vbKeyF12);
  EXPECT_EQ(keying().KeyboardCW, 1);
  EXPECT_EQ(w.lblDialog.Caption(), "Keyboard CW mode is ON!  Press F12 to exit.");
  EXPECT_EQ(w.lblDialog.BackColor(), kDialogKeyboardCWColor);
  w.PressKey(vbKeyF12);
  EXPECT_EQ(keying().KeyboardCW, 0);
  EXPECT_EQ(w.lblDialog.Caption(), "");
  EXPECT_EQ(w.lblDialog.BackColor(), kDialogNormalColor);
  // In phone F12 is an ordinary key.
  settings().CurrentMode = "PH";
  w.PressKey(vbKeyF12);
  EXPECT_EQ(keying().KeyboardCW, 0);
}

TEST_F(KeyDispatchTest, InStateWindowHasItsOwnKeyboardCwNotice) {
  settings().OutOfState = 0;
  Infrm& w = Open<Infrm>();
  app().State<KeyingState>().CWKeying = kKeyingDTR;
  w.PressKey(vbKeyF12);
  EXPECT_EQ(w.lblDialog.Caption(), "Press F12 to exit keyboard CW mode.");
}

TEST_F(KeyDispatchTest, AnyKeyStopsTheRepeatsAndStillDoesItsWork) {
  Outfrm& w = Start({"CW", kKeyingWinKeyer, 0, 0, 1, 0, false, "CQ TEST"});
  CWFrm& cw = app().Get<CWFrm>();
  PhoneFrm& phone = app().Get<PhoneFrm>();
  cw.tmrRepeat.SetInterval(5000);
  cw.tmrRepeat.SetEnabled(true);
  phone.tmrRepeat.SetInterval(5000);
  phone.tmrRepeat.SetEnabled(true);
  keying().CWRepeat = 1;
  keying().PhoneRepeat = 1;
  w.txtRSTR.SetFocus();
  w.TypeText("7");
  EXPECT_EQ(keyer->calls.front(), "wk_clearbuf");
  EXPECT_EQ(keying().CWBuffer, "");
  EXPECT_EQ(keying().CWRepeat, 0);
  EXPECT_EQ(keying().PhoneRepeat, 0);
  EXPECT_FALSE(cw.tmrRepeat.Enabled());
  EXPECT_FALSE(phone.tmrRepeat.Enabled());
  EXPECT_EQ(w.txtRSTR.Text(), "7");
}

TEST_F(KeyDispatchTest, RepeatStopWithoutWinKeyerLeavesTheKeyerAlone) {
  Outfrm& w = Start({"PH"});
  keying().CWRepeat = 1;
  keying().CWBuffer = "CQ";
  w.PressKey(vbKeyF2);
  EXPECT_EQ(keyer->Joined(), "FKeyPhone 113");
  EXPECT_EQ(keying().CWBuffer, "");
}

TEST_F(KeyDispatchTest, CtrlHotKeysOpenTheirWindows) {
  struct Case {
    int key;
    const char* window;
    const char* shown;         // the view's record of the display
    bool loaded_after;
  };
  const Case cases[] = {
      {'B', "SpectrumMap", "modal SpectrumMap", false}, {'C', "CWFrm", "show CWFrm", true},
      {'D', "PacketSpotfrm", "show PacketSpotfrm", true}, {'F', "frmBandPlan", "modal frmBandPlan", false},
      {'G', "frmRigTune", "modal frmRigTune", false},     {'P', "PhoneFrm", "show PhoneFrm", true},
      {'R', "RigControlfrm", "show RigControlfrm", true}, {'S', "CWFrm", "show CWFrm", true},
  };
  Outfrm& w = Open<Outfrm>();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.window);
    if (forms::Form* open = app().FindForm(c.window)) open->Hide();  // Ctrl+S after Ctrl+C
    view.events.clear();
    w.txtCall.SetText("");
    w.txtCall.SetFocus();
    w.PressKey(c.key, vbCtrlMask);
    ASSERT_FALSE(view.events.empty());
    EXPECT_EQ(view.events.front(), c.shown);
    EXPECT_EQ(app().FindForm(c.window) != nullptr, c.loaded_after);
    // The control character of the hot key does not reach the call box.
    EXPECT_EQ(w.txtCall.Text(), "");
  }
}

TEST_F(KeyDispatchTest, HotKeysSetTheKeyerWindowsToNormalButNotTheRigWindow) {
  Outfrm& w = Open<Outfrm>();
  app().Get<CWFrm>().SetWindowState(forms::WindowState::Minimized);
  app().Get<PhoneFrm>().SetWindowState(forms::WindowState::Minimized);
  app().Get<RigControlfrm>().SetWindowState(forms::WindowState::Minimized);
  w.PressKey('S', vbCtrlMask);
  w.PressKey('P', vbCtrlMask);
  w.PressKey('R', vbCtrlMask);
  EXPECT_EQ(app().Get<CWFrm>().GetWindowState(), forms::WindowState::Normal);
  EXPECT_EQ(app().Get<PhoneFrm>().GetWindowState(), forms::WindowState::Normal);
  EXPECT_EQ(app().Get<RigControlfrm>().GetWindowState(), forms::WindowState::Minimized);
}

TEST_F(KeyDispatchTest, CtrlAloneDropsTheNextCharacterOnly) {
  Outfrm& w = Open<Outfrm>();
  w.txtRSTR.SetFocus();
  w.PressKey(vbKeyControl, vbCtrlMask);
  w.TypeText("12");
  EXPECT_EQ(w.txtRSTR.Text(), "2");
  // Ctrl with a key that opens nothing does the same and goes on as a key.
  settings().CurrentMode = "CW";
  app().State<KeyingState>().CWKeying = kKeyingRTS;
  w.PressKey(vbKeyF1, vbCtrlMask);
  w.TypeText("34");
  EXPECT_EQ(w.txtRSTR.Text(), "24");
  EXPECT_EQ(keyer->Joined(), "FKeyCW 112");
}

TEST_F(KeyDispatchTest, CharacterRules) {
  struct Case {
    const char* name;
    Keyer keyer;
    int ascii;
    const char* serial_after;  // the focused serial box, holding "12" before
    const char* call_after;    // the call box, holding "K3XYZ" before
    const char* buffer_after;
    const char* calls;
  };
  const Case cases[] = {
      {"a digit reaches the box", {"CW"}, '5', "125", "K3XYZ", "", ""},
      {"apostrophe is dropped", {"PH"}, '\'', "12", "K3XYZ", "", ""},
      {"double quote is dropped", {"CW"}, '"', "12", "K3XYZ", "", ""},
      {"Esc stops a playing voice message", {"PH", 0, 0, 0, 0, 0, true}, vbKeyEscape, "12", "K3XYZ", "", "StopVoice"},
      {"Esc in phone with nothing playing clears", {"PH"}, vbKeyEscape, "", "", "", ""},
      {"Esc while idle clears the entry line", {"CW", kKeyingRTS}, vbKeyEscape, "", "", "", ""},
      {"Esc while sending empties the buffer", {"CW", kKeyingRTS, 0, 1, 0, 0, false, "CQ TEST"}, vbKeyEscape,
       "12", "K3XYZ", "", ""},
      {"Esc in keyboard CW adds nothing", {"CW", kKeyingRTS, 1, 0}, vbKeyEscape, "", "", "", ""},
      {"Esc stops a sending WinKeyer", {"CW", kKeyingWinKeyer, 0, 0, 1, 2, false, "TEST"}, vbKeyEscape, "12",
       "K3XYZ", "", "wk_getstatus, wk_clearbuf"},
      {"Esc with an idle WinKeyer clears", {"CW", kKeyingWinKeyer, 0, 0, 1, 0}, vbKeyEscape, "", "", "",
       "wk_getstatus, wk_getstatus"},
      {"Esc with WinKey chosen but not open", {"CW", kKeyingWinKeyer, 0, 0, 0, 2}, vbKeyEscape, "", "", "", ""},
      {"Backspace goes to a sending WinKeyer", {"CW", kKeyingWinKeyer, 1, 0, 1, 3}, vbKeyBack, "12", "K3XYZ", "",
       "wk_getstatus, wk_backspace"},
      {"Backspace takes back an unsent character", {"CW", kKeyingRTS, 1, 1, 0, 0, false, "CQ"}, vbKeyBack, "12",
       "K3XYZ", "C", ""},
      {"Backspace takes back also in phone", {"PH", kKeyingRTS, 1, 1, 0, 0, false, "CQ"}, vbKeyBack, "12",
       "K3XYZ", "C", ""},
      {"Backspace with nothing waiting is sent", {"CW", kKeyingRTS, 1, 0}, vbKeyBack, "12", "K3XYZ", "\b",
       "LoopThroughCWBuffer"},
      {"Backspace without keyboard CW edits the box", {"CW", kKeyingRTS, 0, 1, 0, 0, false, "CQ"}, vbKeyBack, "1",
       "K3XYZ", "CQ", ""},
      {"keyboard CW sends a capital", {"CW", kKeyingRTS, 1, 0}, 'q', "12", "K3XYZ", "Q", "LoopThroughCWBuffer"},
      {"keyboard CW adds while sending", {"CW", kKeyingRTS, 1, 1, 0, 0, false, "C"}, 'q', "12", "K3XYZ", "CQ", ""},
      {"keyboard CW takes Enter too", {"CW", kKeyingRTS, 1, 0}, vbKeyReturn, "12", "K3XYZ", "\r",
       "LoopThroughCWBuffer"},
      {"keyboard CW is idle in phone", {"PH", kKeyingRTS, 1, 0}, '5', "125", "K3XYZ", "", ""},
      {"WinKeyer status is read for any key", {"CW", kKeyingWinKeyer, 0, 0, 1, 0}, '5', "125", "K3XYZ", "",
       "wk_getstatus"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Outfrm& w = Start(c.keyer);
    w.txtCall.SetText("K3XYZ");
    w.txtRSTR.SetText("12");
    w.txtRSTR.SetFocus();
    w.txtRSTR.SetSelStart(2);
    keyer->calls.clear();
    const int code = c.ascii == vbKeyEscape || c.ascii == vbKeyBack || c.ascii == vbKeyReturn ? c.ascii : 0;
    if (code != 0) {
      w.PressKey(code);
    } else {
      w.TypeText(std::string(1, static_cast<char>(c.ascii)));
    }
    EXPECT_EQ(w.txtRSTR.Text(), c.serial_after);
    EXPECT_EQ(w.txtCall.Text(), c.call_after);
    EXPECT_EQ(keying().CWBuffer, c.buffer_after);
    EXPECT_EQ(keyer->Joined(), c.calls);
  }
}

TEST_F(KeyDispatchTest, KeyboardCwTypingWhileIdleSendsCapitals) {
  Outfrm& w = Start({"CW", kKeyingRTS});
  w.txtCall.SetFocus();
  w.PressKey(vbKeyF12);
  w.TypeText("cq");
  EXPECT_EQ(keying().CWBuffer, "CQ");
  EXPECT_EQ(w.txtCall.Text(), "");
  EXPECT_EQ(keyer->Joined(), "LoopThroughCWBuffer, LoopThroughCWBuffer");
}

}  // namespace
}  // namespace ks::testing
