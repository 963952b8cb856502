#pragma once
// The application object: one instance of each window, created on first use and destroyed
// by its unload; the shared state of the program (one object of each state type); and the
// platform behind the windows (event loop, dialogs, clock, environment, settings store,
// screen). Tests make a fresh application each, so nothing is shared between them.
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <typeindex>
#include <unordered_map>
#include <vector>

#include "platform/forms/event_loop.h"
#include "platform/forms/form.h"
#include "platform/forms/key_queue.h"
#include "platform/forms/modal_dialogs.h"
#include "platform/forms/services.h"
#include "platform/forms/types.h"

namespace ks::io {
class Clock;
class Environment;
class SettingsStore;
}  // namespace ks::io

namespace ks::forms {

class View;

// Thrown by End(): the program stops where it is, as the toolkit's End statement does.
struct ProgramEnded {};

struct Platform {
  std::unique_ptr<EventLoop> loop;
  std::unique_ptr<Services> services;
  std::unique_ptr<io::Clock> clock;
  std::unique_ptr<io::Environment> environment;
  std::unique_ptr<io::SettingsStore> settings;
};

class Application {
 public:
  explicit Application(Platform platform);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // The one instance of window F, created and loaded (Form_Load) on first use.
  template <typename F>
  F& Get() {
    const std::type_index key(typeid(F));
    if (auto it = forms_.find(key); it != forms_.end()) return static_cast<F&>(*it->second);
    auto form = std::make_unique<F>(*this);
    F& ref = *form;
    forms_.emplace(key, std::move(form));
    LoadForm(ref);
    return ref;
  }
  // The instance of window F when it is loaded, else null (nothing is created).
  template <typename F>
  F* IfLoaded() const {
    auto it = forms_.find(std::type_index(typeid(F)));
    return it == forms_.end() ? nullptr : static_cast<F*>(it->second.get());
  }
  template <typename F>
  bool IsLoaded() const {
    return IfLoaded<F>() != nullptr;
  }
  // Every loaded window, in load order.
  std::vector<Form*> LoadedForms() const;
  Form* FindForm(const std::string& name) const;

  // The shared state of type T (one per application), made on first use.
  template <typename T>
  T& State() {
    const std::type_index key(typeid(T));
    auto it = states_.find(key);
    if (it == states_.end()) {
      it = states_.emplace(key, std::shared_ptr<void>(std::make_shared<T>())).first;
    }
    return *static_cast<T*>(it->second.get());
  }

  // Platform.
  EventLoop& Loop() { return *platform_.loop; }
  // The platform's dialogs, each shown as a modal display (see modal_dialogs.h).
  Services& Dialogs() { return dialogs_; }
  io::Clock& Clock() { return *platform_.clock; }
  io::Environment& Environment() { return *platform_.environment; }
  io::SettingsStore& Settings() { return *platform_.settings; }
  const Screen& GetScreen() const { return screen_; }
  void SetScreen(const Screen& s) { screen_ = s; }
  void SetView(View* view) { view_ = view; }
  View* GetView() const { return view_; }

  // The process's current directory at start, where the program keeps its files.
  std::filesystem::path StartDirectory() const { return start_directory_; }
  void SetStartDirectory(std::filesystem::path p) { start_directory_ = std::move(p); }

  // Dialog helpers with the toolkit's defaults: the title defaults to the program's name.
  int MsgBox(const std::string& text, int buttons = 0, const std::string& title = "");
  // The empty text when the operator cancels.
  std::string InputBox(const std::string& prompt, const std::string& title = "", const std::string& default_text = "");
  void Beep() { Dialogs().Beep(); }
  void DoEvents();
  // Shows `form` modally until it is hidden; like DoEvents, the events run meanwhile are
  // their own.
  void RunModal(Form& form);
  // Draws what the windows hold now, letting no event run (the toolkit's Refresh): what a
  // handler shows before it holds the program stays on the screen while it holds.
  void PaintNow();
  // The operator's keys, in the order typed (see key_queue.h).
  KeyQueue& Keys() { return keys_; }
  // Simulates a Tab keystroke to the active window, after the handler in progress.
  void SendTab();

  // Ends the program: every window is unloaded without its events and the loop stops.
  [[noreturn]] void End();
  bool Ended() const { return ended_; }

  // Runs one event from outside (the operator, a timer, a posted event). Catches the end
  // of the program at the outermost level and frees windows unloaded meanwhile.
  void Dispatch(const std::function<void()>& event);
  // Runs a timer's tick. The devices are read from timers, so a device's event runs here too.
  void DispatchTimerTick(const std::function<void()>& tick);
  // Whether the code running now was started by a timer's tick (or a device event) rather
  // than by the operator. No window that waits for an answer may open then: it would take
  // the keys being typed into another window and hold the timers behind it. The events that
  // a DoEvents or a modal window lets run meanwhile are their own: a click among them is
  // the operator's.
  bool InTimerEvent() const { return timer_events_ > 0; }
  // Runs `action` as an event of its own once the event under way is over, with every modal
  // window and DoEvents inside it (a handler that showed a window modally has gone on to its
  // end); posted at once when no event is under way.
  void AfterEvent(std::function<void()> action);
  // Called with what opened (the kind, title and text of a dialog; a window's name and
  // caption) whenever a dialog or a modal window opens while a timer's tick or a device event
  // is under way. The rule is that none does; the test benches watch it.
  void WatchModalsInTimerEvents(std::function<void(const std::string& what)> watch) {
    modal_in_timer_watch_ = std::move(watch);
  }

  // Active window tracking (the last window shown or activated).
  Form* ActiveForm() const { return active_form_; }
  void SetActiveForm(Form* f) { active_form_ = f; }

  // Runtime plumbing.
  void LoadForm(Form& form);
  // Query-unload and unload events, then the window goes; false when a handler cancelled.
  bool UnloadWithEvents(Form& form, UnloadMode mode);
  static constexpr const char* kProgramTitle = "Keystone";

 private:
  // Runs `show`, a modal display: the keys that wait for a window come in while it is up,
  // and the events run meanwhile are their own.
  // `what` names the display for the watch of modal displays opened from timers.
  void AsModal(const std::string& what, const std::function<void()>& show);
  void EndNow();
  void FreeUnloaded();
  void Discard(Form& form);

  Platform platform_;
  ModalDialogs dialogs_{*platform_.services,
                        [this](const std::string& what, const std::function<void()>& show) { AsModal(what, show); }};
  Screen screen_;
  View* view_ = nullptr;
  std::filesystem::path start_directory_;
  std::unordered_map<std::type_index, std::unique_ptr<Form>> forms_;
  std::vector<Form*> load_order_;
  std::vector<std::unique_ptr<Form>> unloaded_;
  std::unordered_map<std::type_index, std::shared_ptr<void>> states_;
  Form* active_form_ = nullptr;
  KeyQueue keys_{*this};
  int dispatch_depth_ = 0;
  std::vector<std::function<void()>> after_event_;
  int timer_events_ = 0;  // timer ticks under way, not counting those below a DoEvents
  std::function<void(const std::string&)> modal_in_timer_watch_;
  bool ended_ = false;
};

}  // namespace ks::forms
