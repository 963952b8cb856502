#pragma once
// The headless platform: an event loop on virtual time, dialogs that take scripted answers
// and record what was asked, an environment of its own and a settings store in a folder.
// Tests drive windows through it as an operator would, without a display or a real clock.
#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/forms/application.h"
#include "platform/forms/event_loop.h"
#include "platform/forms/services.h"
#include "platform/io/clock.h"
#include "platform/io/environment.h"

namespace ks::forms {

class HeadlessLoop final : public EventLoop {
 public:
  HeadlessLoop(io::VirtualClock& clock) : clock_(clock) {}
  void Attach(Application& app) { app_ = &app; }

  TimerId StartTimer(int interval_ms, std::function<void()> tick) override;
  void StopTimer(TimerId id) override;
  void Post(std::function<void()> event) override;
  void DoEvents() override;
  void RunModal(Form& form) override;
  void Quit() override { quit_ = true; }

  // Moves virtual time forward, firing due timers in order, and runs posted events.
  void Advance(std::int64_t ms);
  // Runs posted events until none is left.
  void RunPosted();
  // Runs the first posted event, if there is one: false when none was waiting.
  bool RunOnePosted();
  // Events from a source of their own (a real view's input) that DoEvents lets run too, as
  // the program's loop would.
  void AlsoRunInDoEvents(std::function<void()> other_events) { other_events_ = std::move(other_events); }
  bool Quitting() const { return quit_; }
  std::size_t ActiveTimers() const { return timers_.size(); }

  // Acts as the operator while a window is shown modally: called once when the window named
  // `form_name` goes modal. Without a script the modal window runs on its timers until it
  // closes (virtual time advances to each due timer), or is hidden when nothing is left.
  void ScriptModal(const std::string& form_name, std::function<void(Form&)> operator_actions);

 private:
  struct TimerEntry {
    int interval;
    std::int64_t due;
    std::function<void()> tick;
  };
  bool FireNextDueBy(std::int64_t limit);
  void Run(const std::function<void()>& event);

  io::VirtualClock& clock_;
  Application* app_ = nullptr;
  std::map<TimerId, TimerEntry> timers_;
  TimerId next_id_ = 1;
  std::deque<std::function<void()>> posted_;
  std::map<std::string, std::deque<std::function<void(Form&)>>> modal_scripts_;
  std::function<void()> other_events_;
  bool quit_ = false;
};

class ScriptedServices final : public Services {
 public:
  int MessageBox(const MessageBoxRequest& request) override;
  std::optional<std::string> InputBox(const InputBoxRequest& request) override;
  FileDialogResult FileDialog(const FileDialogRequest& request) override;
  ColorDialogResult ColorDialog(const ColorDialogRequest& request) override;
  void SetClipboardText(const std::string& text) override;
  std::string ClipboardText() override;
  // The clipboard is `owner`'s from now on (a test drawing with the real view uses the
  // desktop's, which the operator copies to and pastes from).
  void UseClipboardOf(Services* owner) { clipboard_owner_ = owner; }
  // The dialogs are `owner`'s from now on (a test drawing with the real view shows the
  // desktop's, which the operator answers by keys); they are still recorded here.
  void ShowDialogsBy(Services* owner) { dialogs_owner_ = owner; }
  void Beep() override { ++beeps; }

  // Scripts: answers given in order; an unscripted message box answers with its first
  // button (OK or Yes), an unscripted input box accepts its default text, an unscripted
  // file or colour dialog is cancelled.
  void AnswerMessageBox(int answer) { message_answers_.push_back(answer); }
  void AnswerInputBox(std::optional<std::string> answer) { input_answers_.push_back(std::move(answer)); }
  void AnswerFileDialog(FileDialogResult answer) { file_answers_.push_back(std::move(answer)); }
  void AnswerColorDialog(ColorDialogResult answer) { color_answers_.push_back(answer); }

  // What was asked.
  std::vector<MessageBoxRequest> message_boxes;
  std::vector<InputBoxRequest> input_boxes;
  std::vector<FileDialogRequest> file_dialogs;
  std::vector<ColorDialogRequest> color_dialogs;
  int beeps = 0;

 private:
  std::deque<int> message_answers_;
  std::deque<std::optional<std::string>> input_answers_;
  std::deque<FileDialogResult> file_answers_;
  std::deque<ColorDialogResult> color_answers_;
  std::string clipboard_;
  Services* clipboard_owner_ = nullptr;
  Services* dialogs_owner_ = nullptr;
};

// A complete headless application for tests and tools.
class Headless {
 public:
  // `settings_folder` holds the settings store; empty means a fresh temporary folder.
  explicit Headless(const Screen& screen = Screen::FromPixels(640, 480), std::filesystem::path settings_folder = {});
  ~Headless();

  Application& app() { return *app_; }
  HeadlessLoop& loop() { return *loop_; }
  ScriptedServices& dialogs() { return *services_; }
  io::VirtualClock& clock() { return *clock_; }
  io::MapEnvironment& env() { return *env_; }

  void Advance(std::int64_t ms) { loop_->Advance(ms); }

  // Every dialog and modal window opened while a timer's tick or a device event was under
  // way, in order (see Application::WatchModalsInTimerEvents). Each is reported as it opens
  // unless the test has said it expects them.
  const std::vector<std::string>& ModalsInTimerEvents() const { return modals_in_timer_events_; }
  void ExpectModalsInTimerEvents() { modals_in_timer_expected_ = true; }
  // Where the unexpected ones are reported: the test harness makes each a failure of the
  // test under way. The harness's, once for the process; no application reads it.
  static void ReportUnexpectedModalsTo(std::function<void(const std::string& what)> report);

 private:
  HeadlessLoop* loop_;
  ScriptedServices* services_;
  io::VirtualClock* clock_;
  io::MapEnvironment* env_;
  std::filesystem::path owned_folder_;
  std::unique_ptr<Application> app_;
  std::vector<std::string> modals_in_timer_events_;
  bool modals_in_timer_expected_ = false;
};

}  // namespace ks::forms
