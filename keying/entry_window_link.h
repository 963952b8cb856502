#pragma once
// What the keyers use of the main windows: the call box (is a call entered?), Mains (log
// the entry line) and the message label. The main windows implement it; the keyers reach
// the window that OutOfState selects, and only while it is loaded.
#include <string>

namespace ks::forms {
class Application;
class Label;
class TextBox;
}  // namespace ks::forms

namespace ks {

class EntryWindowLink {
 public:
  virtual ~EntryWindowLink() = default;
  virtual void Mains() = 0;
  virtual forms::TextBox& CallBox() = 0;
  virtual forms::Label& DialogLabel() = 0;
};

// Infrm when OutOfState is 0, otherwise Outfrm; null when that window is not loaded.
EntryWindowLink* ActiveEntryWindow(forms::Application& app);

// Shows `text` in the active main window's message label. The keyers tell the operator of
// a fault this way while they send, from key handlers, timers and device events alike,
// without a window that waits for an answer.
void ShowKeyingNotice(forms::Application& app, const std::string& text);
// The same, and in `keyer_notice`, the keyer window's own notice label (with the text as
// its tip too, for a text longer than the label): the operator who pressed Test there may
// not see the main window.
void ShowKeyingNotice(forms::Application& app, const std::string& text, forms::Label& keyer_notice);

// A "!" in a message: the active main window logs its entry line when its call box holds a call.
void LogFromMessage(forms::Application& app);

}  // namespace ks
