#pragma once
// The event loop behind the windows: repeating timers, posted events, DoEvents and modal
// display. The headless loop runs on virtual time; the Qt view runs these on Qt's loop.
#include <cstdint>
#include <functional>

namespace ks::forms {

class Form;

class EventLoop {
 public:
  using TimerId = std::uint64_t;
  virtual ~EventLoop() = default;
  // A timer that calls `tick` every `interval_ms` milliseconds from now until stopped.
  virtual TimerId StartTimer(int interval_ms, std::function<void()> tick) = 0;
  virtual void StopTimer(TimerId id) = 0;
  // Runs `event` after the handler in progress has returned.
  virtual void Post(std::function<void()> event) = 0;
  // Lets pending events run (the toolkit's DoEvents).
  virtual void DoEvents() = 0;
  // Runs events until `form` is no longer shown modally.
  virtual void RunModal(Form& form) = 0;
  // Ends the program's loop.
  virtual void Quit() = 0;
};

}  // namespace ks::forms
