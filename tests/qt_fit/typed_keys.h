#pragma once
// Keys typed into the Qt view's widgets as the keyboard sends them: each goes to the widget
// that has the focus in its window at that moment, and the view is brought up to date after.
#include <QString>
#include <Qt>

#include <string>
#include <vector>

#include "logstore/log_store.h"
#include "mainwin/main_window.h"
#include "platform/forms/form.h"
#include "tests/qt_fit/fit_bench.h"

class QWidget;
class QWindow;

namespace ks::testing {

// The bench as a station inside the state at Centre county, on 20 m in CW, not a rover, with
// the prefix table loaded, whose DoEvents lets Qt deliver the keys waiting in its queue, as
// the real loop does.
void UseEntryStation(FitBench& bench);

class TypedKeys;

// Loads the main window of a station inside or outside the state over `log`, shown with the
// focus in the call box.
MainWindow& OpenMainWindow(FitBench& bench, TypedKeys& keys, bool in_state, const std::vector<LogRecord>& log = {});
// The contacts of the bench's log.txt as the program would read them (a file it cannot read
// fails the test and gives what was read before the fault).
std::vector<LogRecord> ContactsInLogFile(const FitBench& bench);
// The newest contact of `window` clicked in its recent-contacts list, then "Edit Contact".
void EditNewestContact(FitBench& bench, TypedKeys& keys, MainWindow& window);

// One key (with Alt pressed before it and released after, when `alt`) into the window
// system's queue of `window`, as the keyboard's driver puts it.
void DeliverKey(QWindow* window, int key, const QString& text, bool alt);

// One key as the operator presses it, with Alt held for it or not; a pause is no key: the
// program is left idle there.
struct Stroke {
  int key = 0;
  QString text;
  bool alt = false;
  bool pause = false;
};
// Keys as the tables write them: letters, digits and blanks as typed, "\r" or {Enter} for
// Enter, {Tab}, {Bs}, {Esc}, {F1} to {F12}, {Up}, {Down}, {Left}, {Right}, {Alt+B} (Alt with a
// letter) and {Wait} (a pause).
std::vector<Stroke> StrokesOf(const std::string& script);
// The stroke into the window system's queue of `window`, as the keyboard's driver puts it.
inline void Deliver(QWindow* window, const Stroke& s) { DeliverKey(window, s.key, s.text, s.alt); }

class TypedKeys {
 public:
  explicit TypedKeys(FitBench& bench) : bench_(bench) {}

  // Draws what the program changed and lets Qt deliver what waits, and the program run the
  // events it posted (the keys that waited for a line to be stored among them).
  void Settle();
  // The widget of `window` that has Qt's focus (null when none).
  QWidget* Focused(const forms::Form& window);
  // One key pressed and released, sent to the focused widget of `window`.
  void Key(const forms::Form& window, int key, const QString& text = {},
           Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  // Letters, digits and blanks, one key each (letters as typed without shift).
  void Type(const forms::Form& window, const std::string& text);
  // Any characters of Windows-1252, one key each as the keyboard sends it (a capital with
  // Shift held), "\r" Enter, "\t" Tab, "\b" Backspace.
  void Characters(const forms::Form& window, const std::string& cp1252);
  // `cp1252` put on the desktop's clipboard, then Shift+Insert into the focused widget.
  void Paste(const forms::Form& window, const std::string& cp1252);
  // Keys put into Qt's queue as a keyboard puts them, faster than the program takes them:
  // addressed to `window`, each reaches the widget focused when Qt delivers it, which may be
  // inside the program's own DoEvents. Letters, digits, blanks and "\r" for Enter.
  void Queue(const forms::Form& window, const std::string& text);
  void Queue(const forms::Form& window, int key, const QString& text = {},
             Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  // Alt held for `key`, put into Qt's queue as the keyboard's own: when Qt gets to it, it
  // comes in by the window system's road, where Qt's shortcuts (the menus' access keys) see
  // it first, as they see the operator's.
  void QueueWithAlt(const forms::Form& window, int key, const QString& text);

 private:
  FitBench& bench_;
};

}  // namespace ks::testing
