#pragma once
// The runtime's event loop on Qt's: QTimer for timers, queued calls for posted events,
// processEvents for DoEvents and a nested QEventLoop for each modal window. Every event that
// comes from Qt into the program runs through RunFromQt, so neither the program's end nor a
// failure in a handler ever unwinds through Qt's own frames.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <QObject>

#include "platform/forms/event_loop.h"

class QDialog;
class QEventLoop;
class QTimer;

namespace ks::forms {
class Application;
}

namespace ks::qt {

class QtEventLoop final : public QObject, public forms::EventLoop {
 public:
  QtEventLoop() = default;
  ~QtEventLoop() override;
  void Attach(forms::Application& app) { app_ = &app; }

  TimerId StartTimer(int interval_ms, std::function<void()> tick) override;
  void StopTimer(TimerId id) override;
  void Post(std::function<void()> event) override;
  void DoEvents() override;
  void RunModal(forms::Form& form) override;
  void Quit() override;

  // Runs one event from Qt: the end of the program raised in a nested loop is carried out
  // of that loop and raised again where the loop was entered.
  void RunFromQt(const std::function<void()>& event);
  // Runs one event of the program's own (a posted event, an operator's action).
  void Dispatch(const std::function<void()>& event);
  // Shows a dialog modally; returns its result (QDialog::Accepted or Rejected).
  int ExecDialog(QDialog& dialog);
  // The view says that `form` is no longer shown: its modal display ends.
  void FormGone(const forms::Form& form);
  bool Quitting() const { return quitting_; }

 private:
  struct ModalDisplay {
    const forms::Form* form;
    QEventLoop* loop;
  };
  void LeaveNestedLoops();
  void ReportFailure(const std::string& what);
  void RaiseEndIfPending();

  forms::Application* app_ = nullptr;
  std::map<TimerId, QTimer*> timers_;
  TimerId next_id_ = 1;
  std::vector<ModalDisplay> modal_;
  std::vector<QDialog*> dialogs_;
  bool end_pending_ = false;
  bool quitting_ = false;
  bool reporting_ = false;  // a failure's message is up
};

}  // namespace ks::qt
