#pragma once
// Access keys (Alt with the letter that a caption marks with "&"): they belong to the window,
// not to Qt's shortcuts, so each takes its turn in the window's key queue behind the keys
// typed before it. A menu that one opens takes the keys behind it until it closes.
#include "platform/forms/form.h"

class QKeyEvent;
class QMenuBar;

namespace ks::qt {

// The letter or digit (upper case) of Alt with a letter or digit key; 0 for any other key.
char AccessLetterOf(const QKeyEvent& key);

// Whether `letter` is the access key of a shown, enabled menu of the menu bar or command
// button of `form`.
bool HasAccessKey(const forms::Form& form, char letter);

// The menu bar leaves the keyboard to the window: a menu closed by Esc leaves no title
// highlighted to take the next Alt+letter, and Alt pressed alone selects nothing.
void KeepKeysOutOfMenuBar(QMenuBar& bar);

}  // namespace ks::qt
