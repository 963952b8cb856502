#pragma once

// Key codes, shift masks and message-box constants of the classic form toolkit.
// The windows compare key events against these values, so they keep the
// toolkit's numbers exactly.

namespace ks::vb {

// Key codes (KeyDown / KeyUp).
inline constexpr int vbKeyBack = 8;
inline constexpr int vbKeyTab = 9;
inline constexpr int vbKeyReturn = 13;
inline constexpr int vbKeyShift = 16;
inline constexpr int vbKeyControl = 17;
inline constexpr int vbKeyMenu = 18;
inline constexpr int vbKeyEscape = 27;
inline constexpr int vbKeySpace = 32;
inline constexpr int vbKeyPageUp = 33;
inline constexpr int vbKeyPageDown = 34;
inline constexpr int vbKeyEnd = 35;
inline constexpr int vbKeyHome = 36;
inline constexpr int vbKeyLeft = 37;
inline constexpr int vbKeyUp = 38;
inline constexpr int vbKeyRight = 39;
inline constexpr int vbKeyDown = 40;
inline constexpr int vbKeyInsert = 45;
inline constexpr int vbKeyDelete = 46;
inline constexpr int vbKey0 = 48;  // vbKey0 .. vbKey9 are 48 .. 57
inline constexpr int vbKeyA = 65;  // vbKeyA .. vbKeyZ are 65 .. 90
inline constexpr int vbKeyF1 = 112;
inline constexpr int vbKeyF2 = 113;
inline constexpr int vbKeyF3 = 114;
inline constexpr int vbKeyF4 = 115;
inline constexpr int vbKeyF5 = 116;
inline constexpr int vbKeyF6 = 117;
inline constexpr int vbKeyF7 = 118;
inline constexpr int vbKeyF8 = 119;
inline constexpr int vbKeyF9 = 120;
inline constexpr int vbKeyF10 = 121;
inline constexpr int vbKeyF11 = 122;
inline constexpr int vbKeyF12 = 123;

// Shift argument of KeyDown / KeyUp / mouse events: a bit mask.
inline constexpr int vbShiftMask = 1;
inline constexpr int vbCtrlMask = 2;
inline constexpr int vbAltMask = 4;

// Message-box buttons.
inline constexpr int vbOKOnly = 0;
inline constexpr int vbOKCancel = 1;
inline constexpr int vbAbortRetryIgnore = 2;
inline constexpr int vbYesNoCancel = 3;
inline constexpr int vbYesNo = 4;
inline constexpr int vbRetryCancel = 5;

// Message-box icons.
inline constexpr int vbCritical = 16;
inline constexpr int vbQuestion = 32;
inline constexpr int vbExclamation = 48;
inline constexpr int vbInformation = 64;

// Message-box default button.
inline constexpr int vbDefaultButton1 = 0;
inline constexpr int vbDefaultButton2 = 256;
inline constexpr int vbDefaultButton3 = 512;

// Message-box answers.
inline constexpr int vbOK = 1;
inline constexpr int vbCancel = 2;
inline constexpr int vbAbort = 3;
inline constexpr int vbRetry = 4;
inline constexpr int vbIgnore = 5;
inline constexpr int vbYes = 6;
inline constexpr int vbNo = 7;

// The parts of a message-box style value.
inline constexpr int kMsgBoxButtonsMask = 7;
inline constexpr int kMsgBoxIconMask = 112;
inline constexpr int kMsgBoxDefaultButtonMask = 768;

}  // namespace ks::vb
