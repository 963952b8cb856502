#include "platform/qt/keys.h"

#include "platform/forms/types.h"
#include "platform/qt/cp1252.h"
#include "platform/vb/constants.h"

namespace ks::qt {
namespace {

// The US-keyboard key of a punctuation character, shifted or not.
int PunctuationKeyCode(int qt_key) {
  switch (qt_key) {
    case Qt::Key_Semicolon: case Qt::Key_Colon: return 186;
    case Qt::Key_Equal: case Qt::Key_Plus: return 187;
    case Qt::Key_Comma: case Qt::Key_Less: return 188;
    case Qt::Key_Minus: case Qt::Key_Underscore: return 189;
    case Qt::Key_Period: case Qt::Key_Greater: return 190;
    case Qt::Key_Slash: case Qt::Key_Question: return 191;
    case Qt::Key_QuoteLeft: case Qt::Key_AsciiTilde: return 192;
    case Qt::Key_BracketLeft: case Qt::Key_BraceLeft: return 219;
    case Qt::Key_Backslash: case Qt::Key_Bar: return 220;
    case Qt::Key_BracketRight: case Qt::Key_BraceRight: return 221;
    case Qt::Key_Apostrophe: case Qt::Key_QuoteDbl: return 222;
    case Qt::Key_Exclam: return 49;
    case Qt::Key_At: return 50;
    case Qt::Key_NumberSign: return 51;
    case Qt::Key_Dollar: return 52;
    case Qt::Key_Percent: return 53;
    case Qt::Key_AsciiCircum: return 54;
    case Qt::Key_Ampersand: return 55;
    case Qt::Key_Asterisk: return 56;
    case Qt::Key_ParenLeft: return 57;
    case Qt::Key_ParenRight: return 48;
    default: return 0;
  }
}

int KeypadKeyCode(int qt_key) {
  if (qt_key >= Qt::Key_0 && qt_key <= Qt::Key_9) return 96 + (qt_key - Qt::Key_0);
  switch (qt_key) {
    case Qt::Key_Asterisk: return 106;
    case Qt::Key_Plus: return 107;
    case Qt::Key_Minus: return 109;
    case Qt::Key_Period: return 110;
    case Qt::Key_Slash: return 111;
    default: return 0;
  }
}

int SpecialKeyCode(int qt_key) {
  switch (qt_key) {
    case Qt::Key_Backspace: return vb::vbKeyBack;
    case Qt::Key_Tab: case Qt::Key_Backtab: return vb::vbKeyTab;
    case Qt::Key_Return: case Qt::Key_Enter: return vb::vbKeyReturn;
    case Qt::Key_Shift: return vb::vbKeyShift;
    case Qt::Key_Control: return vb::vbKeyControl;
    case Qt::Key_Alt: return vb::vbKeyMenu;
    case Qt::Key_Pause: return 19;
    case Qt::Key_CapsLock: return 20;
    case Qt::Key_Escape: return vb::vbKeyEscape;
    case Qt::Key_Space: return vb::vbKeySpace;
    case Qt::Key_PageUp: return vb::vbKeyPageUp;
    case Qt::Key_PageDown: return vb::vbKeyPageDown;
    case Qt::Key_End: return vb::vbKeyEnd;
    case Qt::Key_Home: return vb::vbKeyHome;
    case Qt::Key_Left: return vb::vbKeyLeft;
    case Qt::Key_Up: return vb::vbKeyUp;
    case Qt::Key_Right: return vb::vbKeyRight;
    case Qt::Key_Down: return vb::vbKeyDown;
    case Qt::Key_Insert: return vb::vbKeyInsert;
    case Qt::Key_Delete: return vb::vbKeyDelete;
    case Qt::Key_NumLock: return 144;
    case Qt::Key_ScrollLock: return 145;
    default: return 0;
  }
}

int KeyCodeOf(int qt_key, bool keypad) {
  if (keypad) {
    if (int code = KeypadKeyCode(qt_key)) return code;
  }
  if (qt_key >= Qt::Key_A && qt_key <= Qt::Key_Z) return vb::vbKeyA + (qt_key - Qt::Key_A);
  if (qt_key >= Qt::Key_0 && qt_key <= Qt::Key_9) return vb::vbKey0 + (qt_key - Qt::Key_0);
  if (qt_key >= Qt::Key_F1 && qt_key <= Qt::Key_F24) return vb::vbKeyF1 + (qt_key - Qt::Key_F1);
  if (int code = SpecialKeyCode(qt_key)) return code;
  return PunctuationKeyCode(qt_key);
}

// The character a key types: the control codes of Enter, Esc, Backspace, Tab and Ctrl with
// a letter, nothing with Alt held, else the typed text's Windows-1252 byte.
int KeyAsciiOf(const QKeyEvent& event, int key_code, int shift) {
  switch (key_code) {
    case vb::vbKeyReturn: return 13;
    case vb::vbKeyEscape: return 27;
    case vb::vbKeyBack: return 8;
    case vb::vbKeyTab: return 9;
    default: break;
  }
  if ((shift & forms::kCtrlMask) != 0) {
    if ((shift & forms::kAltMask) == 0 && key_code >= vb::vbKeyA && key_code <= vb::vbKeyA + 25)
      return key_code - vb::vbKeyA + 1;
    return 0;
  }
  if ((shift & forms::kAltMask) != 0) return 0;  // Alt with a key types nothing
  const QString text = event.text();
  if (text.size() != 1 || text[0].unicode() < 32 || text[0].unicode() == 127) return 0;
  return Cp1252ByteOf(text[0]).value_or(0);
}

}  // namespace

int ShiftOf(Qt::KeyboardModifiers mods) {
  int shift = 0;
  if (mods & Qt::ShiftModifier) shift |= forms::kShiftMask;
  if (mods & Qt::ControlModifier) shift |= forms::kCtrlMask;
  if (mods & Qt::AltModifier) shift |= forms::kAltMask;
  return shift;
}

int ButtonsOf(Qt::MouseButtons buttons) {
  int result = 0;
  if (buttons & Qt::LeftButton) result |= forms::kLeftButton;
  if (buttons & Qt::RightButton) result |= forms::kRightButton;
  if (buttons & Qt::MiddleButton) result |= forms::kMiddleButton;
  return result;
}

Keystroke KeystrokeOf(const QKeyEvent& event) {
  Keystroke k;
  const Qt::KeyboardModifiers mods = event.modifiers();
  k.shift = ShiftOf(mods);
  k.key_code = KeyCodeOf(event.key(), (mods & Qt::KeypadModifier) != 0);
  k.key_ascii = KeyAsciiOf(event, k.key_code, k.shift);
  return k;
}

bool IsNavigationKey(int key_code) {
  return key_code >= vb::vbKeyPageUp && key_code <= vb::vbKeyDown;
}

}  // namespace ks::qt
