#include "platform/forms/application.h"

#include <algorithm>
#include <utility>

#include "platform/forms/types.h"
#include "platform/forms/view.h"
#include "platform/io/clock.h"
#include "platform/io/environment.h"
#include "platform/io/settings_store.h"

namespace ks::forms {

Application::Application(Platform platform) : platform_(std::move(platform)) {}

Application::~Application() {
  view_ = nullptr;
  // Windows go before the shared state and the platform they use.
  for (Form* f : load_order_) f->MarkUnloaded();
  load_order_.clear();
  forms_.clear();
  unloaded_.clear();
  states_.clear();
}

std::vector<Form*> Application::LoadedForms() const { return load_order_; }

Form* Application::FindForm(const std::string& name) const {
  for (Form* f : load_order_)
    if (f->Name() == name) return f;
  return nullptr;
}

void Application::LoadForm(Form& form) {
  form.MarkLoaded();
  load_order_.push_back(&form);
  if (view_ != nullptr)
    for (Control* c : form.Controls()) view_->ControlAdded(*c);
  Dispatch([&] { form.Form_Load(); });
}

bool Application::UnloadWithEvents(Form& form, UnloadMode mode) {
  if (!form.IsLoaded()) return true;
  int cancel = 0;
  form.Form_QueryUnload(cancel, mode);
  if (cancel != 0 || !form.IsLoaded()) return cancel == 0;
  form.Form_Unload(cancel);
  if (cancel != 0) return false;
  if (form.IsLoaded()) Discard(form);
  return true;
}

// The window leaves the registry at once; the object itself lives until no handler can be
// running in it, at the start of the next top-level event.
void Application::Discard(Form& form) {
  form.MarkUnloaded();
  keys_.Forget(form);
  if (view_ != nullptr) view_->FormUnloaded(form);
  if (active_form_ == &form) active_form_ = nullptr;
  load_order_.erase(std::remove(load_order_.begin(), load_order_.end(), &form), load_order_.end());
  for (auto it = forms_.begin(); it != forms_.end(); ++it) {
    if (it->second.get() == &form) {
      unloaded_.push_back(std::move(it->second));
      forms_.erase(it);
      break;
    }
  }
}

void Application::FreeUnloaded() {
  if (!ended_) unloaded_.clear();
}

void Application::Dispatch(const std::function<void()>& event) {
  if (ended_) return;
  if (dispatch_depth_ == 0) FreeUnloaded();
  ++dispatch_depth_;
  try {
    event();
  } catch (const ProgramEnded&) {
    --dispatch_depth_;
    if (dispatch_depth_ > 0) throw;
    EndNow();
    return;
  } catch (...) {
    --dispatch_depth_;
    throw;
  }
  if (--dispatch_depth_ == 0 && !after_event_.empty()) {
    for (std::function<void()>& action : std::exchange(after_event_, {})) Loop().Post(std::move(action));
  }
}

void Application::AfterEvent(std::function<void()> action) {
  if (dispatch_depth_ == 0) return Loop().Post(std::move(action));
  after_event_.push_back(std::move(action));
}

void Application::End() {
  if (dispatch_depth_ == 0) EndNow();
  throw ProgramEnded{};
}

// Every window goes without its events; the objects stay until the application goes, since
// handlers of theirs may still be on the stack.
void Application::EndNow() {
  if (ended_) return;
  ended_ = true;
  const std::vector<Form*> forms = load_order_;
  for (Form* f : forms) Discard(*f);
  platform_.loop->Quit();
}

int Application::MsgBox(const std::string& text, int buttons, const std::string& title) {
  return Dialogs().MessageBox({text, buttons, title.empty() ? kProgramTitle : title});
}

std::string Application::InputBox(const std::string& prompt, const std::string& title,
                                  const std::string& default_text) {
  auto answer = Dialogs().InputBox({prompt, title.empty() ? kProgramTitle : title, default_text});
  return answer.value_or("");
}

void Application::DispatchTimerTick(const std::function<void()>& tick) {
  Dispatch([&] {
    ++timer_events_;
    struct Done {
      int& count;
      ~Done() { --count; }
    } done{timer_events_};
    tick();
  });
}

namespace {

// The events run below an event loop's call are not the tick's that made the call.
struct OwnEvents {
  explicit OwnEvents(int& count) : count_(count), saved_(count) { count_ = 0; }
  ~OwnEvents() { count_ = saved_; }
  OwnEvents(const OwnEvents&) = delete;
  OwnEvents& operator=(const OwnEvents&) = delete;

 private:
  int& count_;
  int saved_;
};

}  // namespace

void Application::DoEvents() {
  OwnEvents own(timer_events_);
  keys_.LetWaitingKeysIn();
  Loop().DoEvents();
}

// The keys that wait for another window come in while the modal window or dialog is up:
// typed before it came up, they are its keys, as they would be typed a moment later (the
// view gives a key struck on a window below a modal one to the modal window).
void Application::AsModal(const std::string& what, const std::function<void()>& show) {
  if (InTimerEvent() && modal_in_timer_watch_) modal_in_timer_watch_(what);
  OwnEvents own(timer_events_);
  keys_.LetWaitingKeysIn();
  show();
}

void Application::RunModal(Form& form) {
  AsModal("window " + form.Name() + " \"" + form.Caption() + "\"", [&] { Loop().RunModal(form); });
}

void Application::PaintNow() {
  if (view_ != nullptr) view_->PaintNow();
}

// The Tab takes its turn among the keys: those typed after the key that sent it come after.
void Application::SendTab() {
  auto tab = [this] {
    if (Form* f = active_form_) f->TabBy(false);
  };
  if (active_form_ == nullptr) return Loop().Post(tab);
  keys_.Send({active_form_, kTab, kTab, 0, tab});
}

}  // namespace ks::forms
