#pragma once
// The waits that time Morse elements: a deadline on a monotonic clock (the "Timer"
// method), sleeping whole milliseconds ("Sleep") and a counting loop measured against the
// clock ("Loop"). None of them lets an event run. The system waits use the machine's
// clock; tests put a double on virtual time in their place.
#include <cstdint>

namespace ks {

enum class TimingMethod { Timer, Sleep, Loop };

class UnitWaits {
 public:
  virtual ~UnitWaits() = default;
  // Milliseconds on a 64-bit monotonic clock; only differences mean anything.
  virtual double NowMs() = 0;
  // Returns once NowMs() has reached `deadline_ms`.
  virtual void WaitUntil(double deadline_ms) = 0;
  virtual void SleepMs(std::int64_t ms) = 0;
  // Counts a floating-point counter from 0 in steps of 1 while it is below `steps`, and
  // for no longer than `limit_ms`.
  virtual void CountLoop(double steps, double limit_ms) = 0;
  // Counts `steps` steps and returns the milliseconds they took.
  virtual double TimeLoop(double steps) = 0;
  // Around each character: the waits may ask for sharper timing while it is keyed and give
  // it back after.
  virtual void BeginCharacter() {}
  virtual void EndCharacter() {}
};

// The machine's monotonic clock. WaitUntil sleeps until shortly before the deadline and
// spins on the clock for the rest, which keeps a processor busy only for that last stretch.
// While a character is keyed the thread asks for real-time scheduling (SCHED_FIFO), so a
// busy machine does not make it late; where the system refuses (no privilege), timing is
// as good as ordinary scheduling allows. The counting loop alone runs under ordinary
// scheduling (see CountLoop).
class SystemUnitWaits final : public UnitWaits {
 public:
  void BeginCharacter() override;
  void EndCharacter() override;
  double NowMs() override;
  void WaitUntil(double deadline_ms) override;
  void SleepMs(std::int64_t ms) override;
  void CountLoop(double steps, double limit_ms) override;
  double TimeLoop(double steps) override;

 private:
  bool raised_ = false;
  int old_policy_ = 0;
  int old_priority_ = 0;
};

}  // namespace ks
