#pragma once
// A Qt key press as the toolkit's keystroke: the key code (vbKey...), the Windows-1252
// character it types (0 for none) and the shift mask.
#include <QKeyEvent>
#include <QMouseEvent>

namespace ks::qt {

struct Keystroke {
  int key_code = 0;
  int key_ascii = 0;
  int shift = 0;
};

Keystroke KeystrokeOf(const QKeyEvent& event);

// The toolkit's shift mask (1 shift, 2 ctrl, 4 alt) of Qt's modifiers.
int ShiftOf(Qt::KeyboardModifiers mods);

// The toolkit's mouse buttons (1 left, 2 right, 4 middle) of Qt's buttons: one button for a
// press or release, the buttons held for a move.
int ButtonsOf(Qt::MouseButtons buttons);

// Keys that move the caret or a list's current item without typing anything.
bool IsNavigationKey(int key_code);

}  // namespace ks::qt
