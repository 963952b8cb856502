#pragma once
// The clock of the program: local time, UTC, a millisecond tick and a sleep.
// The system clock reads the machine's time; the virtual clock moves only when told,
// so that windows and timers can be tested without waiting.
#include <cstdint>
#include <vector>

namespace ks::io {

struct CivilTime {
  int year = 1970, month = 1, day = 1;
  int hour = 0, minute = 0, second = 0, millisecond = 0;
  friend bool operator==(const CivilTime&, const CivilTime&) = default;
};

// Milliseconds since 1970-01-01 00:00 of the given civil time (no time zone involved).
std::int64_t ToEpochMs(const CivilTime& t);
CivilTime FromEpochMs(std::int64_t ms);

class Clock {
 public:
  virtual ~Clock() = default;
  virtual CivilTime LocalNow() const = 0;
  virtual CivilTime UtcNow() const = 0;
  // Milliseconds from an arbitrary start; only differences mean anything.
  virtual std::int64_t TickMs() const = 0;
  // Waits without letting any event run.
  virtual void Sleep(int ms) = 0;
};

class SystemClock final : public Clock {
 public:
  CivilTime LocalNow() const override;
  CivilTime UtcNow() const override;
  std::int64_t TickMs() const override;
  void Sleep(int ms) override;
};

// Time that moves only through Advance() (and Sleep()). Local time is UTC plus a fixed offset.
class VirtualClock final : public Clock {
 public:
  VirtualClock();
  CivilTime LocalNow() const override;
  CivilTime UtcNow() const override;
  std::int64_t TickMs() const override { return tick_ms_; }
  void Sleep(int ms) override { Advance(ms); }

  void Advance(std::int64_t ms);
  void SetUtc(const CivilTime& utc);
  // Local time = UTC + offset; a station five hours behind UTC has offset -300.
  void SetLocalOffsetMinutes(int minutes) { local_offset_minutes_ = minutes; }
  // A time server setting the machine's clock: once the tick reaches `at_tick_ms`, the time of
  // day moves by `by_ms` (back when negative), while the tick goes on as before.
  void StepTimeOfDayAt(std::int64_t at_tick_ms, std::int64_t by_ms);

 private:
  struct Step {
    std::int64_t at_tick_ms;
    std::int64_t by_ms;
  };
  std::int64_t utc_ms_;
  std::int64_t tick_ms_ = 0;
  int local_offset_minutes_ = 0;
  std::vector<Step> steps_;  // not reached yet
};

}  // namespace ks::io
