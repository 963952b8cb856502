#pragma once
// The program's platform on Qt: the Qt event loop, the Qt dialogs, the Qt view and the
// screen from QScreen, around an Application. A QApplication must exist first.
#include <functional>
#include <memory>

#include "platform/forms/application.h"

namespace ks::io {
class Clock;
class Environment;
class SettingsStore;
}  // namespace ks::io

namespace ks::qt {

class QtEventLoop;
class QtServices;
class QtView;

class QtRuntime {
 public:
  QtRuntime(std::unique_ptr<io::Clock> clock, std::unique_ptr<io::Environment> environment,
            std::unique_ptr<io::SettingsStore> settings);
  ~QtRuntime();
  QtRuntime(const QtRuntime&) = delete;
  QtRuntime& operator=(const QtRuntime&) = delete;

  forms::Application& app() { return *app_; }
  QtView& view() { return *view_; }
  QtEventLoop& loop() { return *loop_; }

  // Runs `start` as the program's first event, then Qt's loop until the program ends (End,
  // or its last window unloaded). Returns the process's exit status.
  int Run(const std::function<void()>& start);

 private:
  QtEventLoop* loop_;
  QtServices* services_;
  std::unique_ptr<forms::Application> app_;
  std::unique_ptr<QtView> view_;
};

}  // namespace ks::qt
