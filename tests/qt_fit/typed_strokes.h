#pragma once
// Keys as the burst tests write them, and put into Qt's queue as the keyboard puts them.
#include <QString>

#include <string>
#include <vector>

#include "platform/forms/form.h"
#include "tests/qt_fit/typed_keys.h"

namespace ks::testing {

// One key as the operator presses it; a pause is no key: the program is left idle there.
struct Stroke {
  int key = 0;
  QString text;
  bool alt = false;
  bool pause = false;
  bool shift = false;

  bool IsEnter() const { return !alt && key == Qt::Key_Return; }
  // A character, Space, Tab or Backspace: a key that goes on typing a line.
  bool Types() const {
    if (alt || pause) return false;
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Backspace) return true;
    return !text.isEmpty() && text[0].unicode() >= ' ';
  }
};

// Keys as the tables write them: lower-case letters, digits, blanks and the signs of ASCII as
// typed, "\r" or {Enter} for Enter, and {Tab}, {BTab} (Shift+Tab), {Bs}, {Del}, {Esc}, {F1} to {F12},
// {Up}, {Down}, {Left}, {Right}, {Home}, {End}, {Alt+B} (Alt with a letter) and {Wait} (the
// program left idle until the keys before are done, a hold included).
std::vector<Stroke> Strokes(const std::string& keys);
// The keys with Enter written "\r".
std::string Printable(std::string keys);
// The stroke into the window system's queue of `window`, as the keyboard's driver puts it.
inline void Deliver(QWindow* window, const Stroke& s) { DeliverKey(window, s.key, s.text, s.alt); }
// The key put into Qt's queue of `window` (see TypedKeys::Queue and QueueWithAlt).
void QueueStroke(TypedKeys& keys, const forms::Form& window, const Stroke& stroke);

}  // namespace ks::testing
