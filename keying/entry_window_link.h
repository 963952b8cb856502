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

// The keyers' sources of notices in the main window's message label (see startup/notices.h).
inline constexpr const char* kCWNoticeSource = "CW";
inline constexpr const char* kVoiceNoticeSource = "voice keyer";

// A keyer's fault, told without a window that waits for an answer (the keyers send from key
// handlers, timers and device events alike): `notice` goes up in the main window's message
// label under `source`, with `text`, the whole story, as its reason (the label's tip), and
// stays there, whatever the entry line writes meanwhile, until the keyer takes it back;
// `text` goes into `keyer_notice` too, the keyer window's own notice label, with the text as
// its tip too (for a text longer than the label): the operator who pressed Test there may
// not see the main window.
// With no keyer window loaded (null), the notice alone is told.
void ShowKeyingNotice(forms::Application& app, const char* source, const std::string& notice, const std::string& text,
                      forms::Label* keyer_notice);
// Takes the notice of `source` back, and empties `keyer_notice`.
void TakeBackKeyingNotice(forms::Application& app, const char* source, forms::Label* keyer_notice);
// The notice `source` has up now; empty when none.
std::string KeyingNotice(forms::Application& app, const char* source);

// A "!" in a message: the active main window logs its entry line when its call box holds a call.
void LogFromMessage(forms::Application& app);

}  // namespace ks
