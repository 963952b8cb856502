#include "platform/qt/event_loop.h"

#include <cstdio>
#include <exception>

#include <QCoreApplication>
#include <QDialog>
#include <QEventLoop>
#include <QTimer>

#include "platform/forms/application.h"
#include "platform/forms/form.h"
#include "platform/vb/constants.h"

namespace ks::qt {

QtEventLoop::~QtEventLoop() {
  for (auto& [id, timer] : timers_) delete timer;
}

forms::EventLoop::TimerId QtEventLoop::StartTimer(int interval_ms, std::function<void()> tick) {
  const TimerId id = next_id_++;
  auto* timer = new QTimer(this);
  timer->setTimerType(Qt::PreciseTimer);
  timer->setInterval(interval_ms < 1 ? 1 : interval_ms);
  // The tick is shared with the connection: a handler may stop its own timer.
  auto shared_tick = std::make_shared<std::function<void()>>(std::move(tick));
  connect(timer, &QTimer::timeout, this, [this, shared_tick] { RunFromQt(*shared_tick); });
  timers_[id] = timer;
  timer->start();
  return id;
}

void QtEventLoop::StopTimer(TimerId id) {
  auto it = timers_.find(id);
  if (it == timers_.end()) return;
  it->second->stop();
  it->second->deleteLater();
  timers_.erase(it);
}

void QtEventLoop::Post(std::function<void()> event) {
  QTimer::singleShot(0, this, [this, event = std::move(event)] { RunFromQt([&] { Dispatch(event); }); });
}

void QtEventLoop::Dispatch(const std::function<void()>& event) {
  if (app_ != nullptr) {
    app_->Dispatch(event);
  } else {
    event();
  }
}

void QtEventLoop::DoEvents() {
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  RaiseEndIfPending();
}

void QtEventLoop::RunModal(forms::Form& form) {
  auto still_up = [&] { return form.Visible() && form.IsLoaded() && !quitting_ && !(app_ && app_->Ended()); };
  if (still_up()) {
    QEventLoop loop;
    modal_.push_back({&form, &loop});
    loop.exec();
    std::erase_if(modal_, [&](const ModalDisplay& m) { return m.loop == &loop; });
  }
  RaiseEndIfPending();
}

int QtEventLoop::ExecDialog(QDialog& dialog) {
  dialogs_.push_back(&dialog);
  const int result = dialog.exec();
  std::erase(dialogs_, &dialog);
  RaiseEndIfPending();
  return result;
}

void QtEventLoop::FormGone(const forms::Form& form) {
  for (const ModalDisplay& m : modal_)
    if (m.form == &form) m.loop->exit(0);
}

void QtEventLoop::Quit() {
  quitting_ = true;
  LeaveNestedLoops();
  QCoreApplication::exit(0);
}

void QtEventLoop::LeaveNestedLoops() {
  for (const ModalDisplay& m : modal_) m.loop->exit(0);
  for (QDialog* d : dialogs_) d->reject();
}

void QtEventLoop::RaiseEndIfPending() {
  if (!end_pending_) return;
  end_pending_ = false;
  throw forms::ProgramEnded{};
}

void QtEventLoop::RunFromQt(const std::function<void()>& event) {
  try {
    event();
  } catch (const forms::ProgramEnded&) {
    // Raised inside a handler that runs in a nested loop: every nested loop is left, and the
    // end is raised again where the innermost one was entered.
    if (app_ == nullptr || !app_->Ended()) {
      end_pending_ = true;
      LeaveNestedLoops();
    }
  } catch (const std::exception& failure) {
    ReportFailure(failure.what());
  } catch (...) {
    ReportFailure("an unknown error");
  }
}

// The operator sees what stopped the handler; the program goes on with the next event.
void QtEventLoop::ReportFailure(const std::string& what) {
  std::fprintf(stderr, "keystone: an event failed: %s\n", what.c_str());
  if (app_ == nullptr || app_->Ended() || reporting_) return;
  reporting_ = true;
  const forms::Form* window = app_->ActiveForm();
  const std::string text = (window != nullptr ? "An error stopped the action in " + window->Name() + ":"
                                              : std::string("An error stopped the action in progress:")) +
                           "\r\n\r\n" + what;
  RunFromQt([&] { app_->MsgBox(text, vb::vbCritical, forms::Application::kProgramTitle); });
  reporting_ = false;
}

}  // namespace ks::qt
