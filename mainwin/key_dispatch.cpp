// Keyboard dispatch: the window sees every key first (key preview) and puts the tool
// windows, the keyers and keyboard CW on the keyboard.
#include "keying/keyer_services.h"
#include "keying/keying_state.h"
#include "keying/windows/CWFrm.h"
#include "keying/windows/PhoneFrm.h"
#include "logstore/key_filters.h"
#include "mainwin/main_window.h"
#include "mainwin/message_colors.h"
#include "mainwin/tool_windows.h"
#include "platform/forms/application.h"
#include "platform/vb/constants.h"
#include "platform/vb/text.h"
#include "rig/windows/RigControlfrm.h"
#include "rig/windows/frmBandPlan.h"
#include "rig/windows/frmRigTune.h"
#include "spots/windows/PacketSpotfrm.h"
#include "spots/windows/SpectrumMap.h"
#include "station/station_settings.h"

namespace ks {
namespace {

constexpr int kF10MessageCode = 124;  // what FKeyCW takes as the F10 message

bool ModeIs(forms::Application& app, const char* mode) {
  return vb::EqualsNoCase(app.State<StationSettings>().CurrentMode, mode);
}

bool IsFunctionKey(int key_code, int first, int last) { return key_code >= first && key_code <= last; }

}  // namespace

void MainWindow::WireKeyboard() {}

void MainWindow::Form_KeyDown(int& KeyCode, int Shift) {
  // Ctrl alone. (The tool windows reach their files through the working directory by path,
  // so there is no current folder to select first.)
  if (Shift == vb::vbCtrlMask) {
    SkipNextKeyPress = 1;
    if (OpenHotKeyWindow(KeyCode)) {
      KeyCode = 0;
      return;
    }
  }
  StopRepeats();
  KeyByMode(KeyCode);
}

bool MainWindow::OpenHotKeyWindow(int KeyCode) {
  forms::Application& app = App();
  switch (KeyCode) {
    case 'B': ShowModalThenUnload<SpectrumMap>(app); return true;
    case 'C':
    case 'S': ShowModeless<CWFrm>(app).SetWindowState(forms::WindowState::Normal); return true;
    case 'D': ShowModeless<PacketSpotfrm>(app).SetWindowState(forms::WindowState::Normal); return true;
    case 'F': ShowModalThenUnload<frmBandPlan>(app); return true;
    case 'G': ShowModalThenUnload<frmRigTune>(app); return true;
    case 'P': ShowModeless<PhoneFrm>(app).SetWindowState(forms::WindowState::Normal); return true;
    case 'R': ShowModeless<RigControlfrm>(app); return true;
    default: return false;
  }
}

void MainWindow::StopRepeats() {
  KeyingState& keying = App().State<KeyingState>();
  if (keying.CWRepeat != 0) {
    if (keying.WinKeyVersion != 0) Keyers(App()).wk_clearbuf();
    keying.CWBuffer.clear();
    keying.CWRepeat = 0;
    App().Get<CWFrm>().tmrRepeat.SetEnabled(false);
  }
  if (keying.PhoneRepeat != 0) {
    keying.PhoneRepeat = 0;
    App().Get<PhoneFrm>().tmrRepeat.SetEnabled(false);
  }
}

void MainWindow::KeyByMode(int& KeyCode) {
  forms::Application& app = App();
  if (ModeIs(app, "PH")) {
    if (KeyCode == vb::vbKeyF10) {
      KeyCode = 0;  // keeps the menu bar from being activated
    } else if (IsFunctionKey(KeyCode, vb::vbKeyF1, vb::vbKeyF9)) {
      Keyers(app).FKeyPhone(KeyCode);
    }
    return;
  }
  if (!ModeIs(app, "CW") || app.State<KeyingState>().CWKeying == kKeyingNone) return;
  switch (KeyCode) {
    case vb::vbKeyDown:
    case vb::vbKeyUp: {
      CWFrm& cw = app.Get<CWFrm>();
      if (KeyCode == vb::vbKeyUp) {
        cw.UpDown1_UpClick();
      } else {
        cw.UpDown1_DownClick();
      }
      lblDialog.SetCaption(cw.Text11.Text() + " WPM");
      KeyCode = 0;
      break;
    }
    case vb::vbKeyF12: SwitchKeyboardCW(); break;
    case vb::vbKeyF10:
      KeyCode = kF10MessageCode;
      Keyers(app).FKeyCW(KeyCode);
      break;
    default:
      if (IsFunctionKey(KeyCode, vb::vbKeyF1, vb::vbKeyF9) || KeyCode == vb::vbKeyF11) Keyers(app).FKeyCW(KeyCode);
      break;
  }
}

void MainWindow::SwitchKeyboardCW() {
  KeyingState& keying = App().State<KeyingState>();
  if (keying.KeyboardCW != 0) {
    keying.KeyboardCW = 0;
    lblDialog.SetCaption("");
    lblDialog.SetBackColor(kDialogNormalColor);
  } else {
    keying.KeyboardCW = 1;
    lblDialog.SetCaption(IsInState() ? "Press F12 to exit keyboard CW mode."
                                     : "Keyboard CW mode is ON!  Press F12 to exit.");
    lblDialog.SetBackColor(kDialogKeyboardCWColor);
  }
}

// The character rules, in order; a rule that ends returns.
void MainWindow::Form_KeyPress(int& KeyAscii) {
  forms::Application& app = App();
  KeyingState& keying = app.State<KeyingState>();
  KeyerServices& keyers = Keyers(app);
  if (SkipNextKeyPress == 1) {
    SkipNextKeyPress = 0;
    KeyAscii = 0;
    return;
  }
  if (KeyAscii == vb::vbKeyEscape && ModeIs(app, "PH") && keyers.VoicePlaying()) {
    keyers.StopVoice();
    KeyAscii = 0;
    return;
  }
  if (KeyAscii == '\'' || KeyAscii == '"') KeyAscii = 0;
  if (KeyAscii == vb::vbKeyEscape && keying.CWKeying == kKeyingWinKeyer && keying.WinKeyVersion != 0) {
    keying.WinKeyStatus = keyers.wk_getstatus();
    if (keying.WinKeyStatus > 0) {
      keyers.wk_clearbuf();
      keying.CWBuffer.clear();
      KeyAscii = 0;
      return;
    }
  }
  if (KeyAscii == vb::vbKeyEscape) {
    if (keying.CWSending == 0) {
      ClearEntryFields();
    } else {
      keying.CWBuffer.clear();  // the sender finds nothing more to send
    }
    KeyAscii = 0;
  }
  if (keying.WinKeyVersion != 0) keying.WinKeyStatus = keyers.wk_getstatus();
  if (KeyAscii == vb::vbKeyBack && keying.KeyboardCW != 0 && keying.WinKeyStatus > 0) {
    keyers.wk_backspace();
    KeyAscii = 0;
    return;
  }
  if (KeyAscii == 0) return;
  if (KeyAscii == vb::vbKeyBack && keying.CWSending == 1 && !keying.CWBuffer.empty() && keying.KeyboardCW != 0) {
    keying.CWBuffer.pop_back();
    KeyAscii = 0;
  } else if (ModeIs(app, "CW") && keying.KeyboardCW != 0) {
    CapitalizeKey(KeyAscii);
    keying.CWBuffer.push_back(static_cast<char>(KeyAscii));
    KeyAscii = 0;
    // The sender lets other keys in while it sends; those only add to the buffer.
    if (keying.CWSending == 0) keyers.LoopThroughCWBuffer();
  } else if (KeyAscii == vb::vbKeyReturn && FocusInEntryLine() && EntryLineEmpty()) {
    KeyAscii = 0;  // an empty entry line has nothing to log: no message, no focus move, no clock
  }
}

}  // namespace ks
