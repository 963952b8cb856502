#include "platform/forms/headless.h"

#include <limits>
#include <random>

#include "platform/forms/form.h"
#include "platform/io/settings_store.h"

namespace ks::forms {
namespace {
std::function<void(const std::string&)>& UnexpectedModalReport() {
  static std::function<void(const std::string&)> report;
  return report;
}

// How long an unattended modal window is left on its timers before the operator is taken to
// have closed it.
constexpr std::int64_t kUnattendedModalMs = 60000;
}  // namespace

EventLoop::TimerId HeadlessLoop::StartTimer(int interval_ms, std::function<void()> tick) {
  const TimerId id = next_id_++;
  const int interval = interval_ms < 1 ? 1 : interval_ms;
  timers_[id] = {interval, clock_.TickMs() + interval, std::move(tick)};
  return id;
}

void HeadlessLoop::StopTimer(TimerId id) { timers_.erase(id); }

void HeadlessLoop::Post(std::function<void()> event) { posted_.push_back(std::move(event)); }

void HeadlessLoop::Run(const std::function<void()>& event) {
  if (app_ != nullptr) {
    app_->Dispatch(event);
  } else {
    event();
  }
}

void HeadlessLoop::RunPosted() {
  while (RunOnePosted()) {
  }
}

bool HeadlessLoop::RunOnePosted() {
  if (posted_.empty() || quit_) return false;
  auto event = std::move(posted_.front());
  posted_.pop_front();
  Run(event);
  return true;
}

// Fires the earliest timer due at or before `limit` (moving the clock to its time).
bool HeadlessLoop::FireNextDueBy(std::int64_t limit) {
  if (quit_) return false;
  auto next = timers_.end();
  for (auto it = timers_.begin(); it != timers_.end(); ++it)
    if (next == timers_.end() || it->second.due < next->second.due) next = it;
  if (next == timers_.end() || next->second.due > limit) return false;
  const std::int64_t now = clock_.TickMs();
  if (next->second.due > now) clock_.Advance(next->second.due - now);
  next->second.due = clock_.TickMs() + next->second.interval;
  auto tick = next->second.tick;  // the handler may stop or restart its own timer
  tick();
  return true;
}

void HeadlessLoop::Advance(std::int64_t ms) {
  const std::int64_t target = clock_.TickMs() + (ms < 0 ? 0 : ms);
  RunPosted();
  while (FireNextDueBy(target)) RunPosted();
  if (clock_.TickMs() < target) clock_.Advance(target - clock_.TickMs());
  RunPosted();
}

void HeadlessLoop::DoEvents() {
  if (other_events_) other_events_();
  RunPosted();
  while (FireNextDueBy(clock_.TickMs())) RunPosted();
}

void HeadlessLoop::ScriptModal(const std::string& form_name, std::function<void(Form&)> operator_actions) {
  modal_scripts_[form_name].push_back(std::move(operator_actions));
}

void HeadlessLoop::RunModal(Form& form) {
  auto still_up = [&] { return form.Visible() && form.IsLoaded() && !quit_ && !(app_ && app_->Ended()); };
  auto script = modal_scripts_.find(form.Name());
  if (script != modal_scripts_.end() && !script->second.empty()) {
    auto actions = std::move(script->second.front());
    script->second.pop_front();
    actions(form);
  }
  const std::int64_t deadline = clock_.TickMs() + kUnattendedModalMs;
  while (still_up()) {
    if (!posted_.empty()) {
      RunPosted();
      continue;
    }
    if (!FireNextDueBy(deadline)) break;
  }
  if (still_up()) form.Hide();
}

void ScriptedServices::SetClipboardText(const std::string& text) {
  if (clipboard_owner_ != nullptr) {
    clipboard_owner_->SetClipboardText(text);
  } else {
    clipboard_ = text;
  }
}

std::string ScriptedServices::ClipboardText() {
  return clipboard_owner_ != nullptr ? clipboard_owner_->ClipboardText() : clipboard_;
}

int ScriptedServices::MessageBox(const MessageBoxRequest& request) {
  message_boxes.push_back(request);
  if (dialogs_owner_ != nullptr) return dialogs_owner_->MessageBox(request);
  if (!message_answers_.empty()) {
    const int answer = message_answers_.front();
    message_answers_.pop_front();
    return answer;
  }
  switch (request.buttons & 7) {
    case 2: return 3;          // Abort
    case 3: case 4: return 6;  // Yes
    case 5: return 4;          // Retry
    default: return 1;         // OK
  }
}

std::optional<std::string> ScriptedServices::InputBox(const InputBoxRequest& request) {
  input_boxes.push_back(request);
  if (dialogs_owner_ != nullptr) return dialogs_owner_->InputBox(request);
  if (!input_answers_.empty()) {
    auto answer = std::move(input_answers_.front());
    input_answers_.pop_front();
    return answer;
  }
  return request.default_text;
}

FileDialogResult ScriptedServices::FileDialog(const FileDialogRequest& request) {
  file_dialogs.push_back(request);
  if (dialogs_owner_ != nullptr) return dialogs_owner_->FileDialog(request);
  if (!file_answers_.empty()) {
    auto answer = std::move(file_answers_.front());
    file_answers_.pop_front();
    return answer;
  }
  return {};
}

ColorDialogResult ScriptedServices::ColorDialog(const ColorDialogRequest& request) {
  color_dialogs.push_back(request);
  if (dialogs_owner_ != nullptr) return dialogs_owner_->ColorDialog(request);
  if (!color_answers_.empty()) {
    auto answer = color_answers_.front();
    color_answers_.pop_front();
    return answer;
  }
  return {};
}

Headless::Headless(const Screen& screen, std::filesystem::path settings_folder) {
  if (settings_folder.empty()) {
    std::random_device random;
    owned_folder_ = std::filesystem::temp_directory_path() / ("keystone-settings-" + std::to_string(random()));
    std::filesystem::create_directories(owned_folder_);
    settings_folder = owned_folder_;
  }
  auto clock = std::make_unique<io::VirtualClock>();
  auto loop = std::make_unique<HeadlessLoop>(*clock);
  auto services = std::make_unique<ScriptedServices>();
  auto env = std::make_unique<io::MapEnvironment>();
  clock_ = clock.get();
  loop_ = loop.get();
  services_ = services.get();
  env_ = env.get();
  Platform platform{std::move(loop), std::move(services), std::move(clock), std::move(env),
                    std::make_unique<io::IniSettingsStore>(settings_folder)};
  app_ = std::make_unique<Application>(std::move(platform));
  loop_->Attach(*app_);
  app_->SetScreen(screen);
  app_->WatchModalsInTimerEvents([this](const std::string& what) {
    modals_in_timer_events_.push_back(what);
    if (!modals_in_timer_expected_ && UnexpectedModalReport()) UnexpectedModalReport()(what);
  });
  std::error_code ec;
  app_->SetStartDirectory(std::filesystem::current_path(ec));
}

void Headless::ReportUnexpectedModalsTo(std::function<void(const std::string&)> report) {
  UnexpectedModalReport() = std::move(report);
}

Headless::~Headless() {
  app_.reset();
  if (!owned_folder_.empty()) {
    std::error_code ec;
    std::filesystem::remove_all(owned_folder_, ec);
  }
}

}  // namespace ks::forms
