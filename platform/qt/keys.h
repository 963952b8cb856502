#pragma once
// A Qt key press as the toolkit's keystroke: the key code (vbKey...), the Windows-1252
// character it types (0 for none) and the shift mask.
#include <QKeyEvent>

namespace ks::qt {

struct Keystroke {
  int key_code = 0;
  int key_ascii = 0;
  int shift = 0;
};

Keystroke KeystrokeOf(const QKeyEvent& event);

// Keys that move the caret or a list's current item without typing anything.
bool IsNavigationKey(int key_code);

}  // namespace ks::qt
