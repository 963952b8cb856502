#include "keying/unit_waits.h"

#include <pthread.h>
#include <sched.h>
#include <time.h>

#include <cerrno>
#include <cmath>
#include <limits>

namespace ks {
namespace {

// Sleeping ends within this much of its deadline on a desktop kernel; the rest is spun.
constexpr double kSpinMarginMs = 5.0;

timespec ToTimespec(double ms) {
  timespec t{};
  t.tv_sec = static_cast<time_t>(std::floor(ms / 1000));
  t.tv_nsec = static_cast<long>((ms - static_cast<double>(t.tv_sec) * 1000) * 1e6);
  if (t.tv_nsec >= 1000000000L) {
    ++t.tv_sec;
    t.tv_nsec -= 1000000000L;
  }
  if (t.tv_nsec < 0) t.tv_nsec = 0;
  return t;
}

double MonotonicMs() {
  timespec t{};
  ::clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_nsec) / 1e6;
}

}  // namespace

double SystemUnitWaits::NowMs() { return MonotonicMs(); }

void SystemUnitWaits::WaitUntil(double deadline_ms) {
  if (!std::isfinite(deadline_ms)) return;
  const double wake = deadline_ms - kSpinMarginMs;
  if (wake > NowMs()) {
    const timespec until = ToTimespec(wake);
    while (::clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) == EINTR) {
    }
  }
  while (NowMs() < deadline_ms) {
  }
}

void SystemUnitWaits::SleepMs(std::int64_t ms) {
  if (ms <= 0) return;
  timespec left{static_cast<time_t>(ms / 1000), static_cast<long>(ms % 1000) * 1000000L};
  while (::nanosleep(&left, &left) == -1 && errno == EINTR) {
  }
}

namespace {

// Steps counted between two looks at the clock: tens of microseconds on any machine.
constexpr double kStepsBetweenLooks = 65536;

// The calibration and the wait count with this one loop, so that their steps take the same
// time: a look at the clock every kStepsBetweenLooks steps ends the count at `until_ms`.
void Count(double steps, double until_ms) {
  // volatile: the count must really be performed, step by step, whatever the optimiser sees.
  volatile double counter = 0;
  double next_look = kStepsBetweenLooks;
  while (counter < steps) {
    counter = counter + 1;
    if (counter >= next_look) {
      if (MonotonicMs() >= until_ms) return;
      next_look += kStepsBetweenLooks;
    }
  }
}

}  // namespace

// The counting loop never sleeps, so under real-time scheduling it would run into the
// kernel's real-time limit (0.95 s of each second, /proc/sys/kernel/sched_rt_runtime_us)
// and be stopped for 50 ms, an element keyed across that moment coming out a whole unit too
// long at 20 WPM. It counts under ordinary scheduling instead, as its calibration does.
void SystemUnitWaits::CountLoop(double steps, double limit_ms) {
  const bool was_raised = raised_;
  EndCharacter();
  Count(steps, NowMs() + limit_ms);
  if (was_raised) BeginCharacter();
}

double SystemUnitWaits::TimeLoop(double steps) {
  const double start = NowMs();
  Count(steps, std::numeric_limits<double>::infinity());
  return NowMs() - start;
}

void SystemUnitWaits::BeginCharacter() {
  sched_param old{};
  if (raised_ || ::pthread_getschedparam(::pthread_self(), &old_policy_, &old) != 0) return;
  old_priority_ = old.sched_priority;
  sched_param high{};
  high.sched_priority = ::sched_get_priority_min(SCHED_FIFO) + 10;
  raised_ = ::pthread_setschedparam(::pthread_self(), SCHED_FIFO, &high) == 0;
}

void SystemUnitWaits::EndCharacter() {
  if (!raised_) return;
  sched_param old{};
  old.sched_priority = old_priority_;
  ::pthread_setschedparam(::pthread_self(), old_policy_, &old);
  raised_ = false;
}

}  // namespace ks
