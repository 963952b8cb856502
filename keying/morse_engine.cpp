#include "keying/morse_engine.h"

#include "platform/vb/rounding.h"

namespace ks {
namespace {

constexpr double kCalibrationSteps = 5000000;

// One unit by the chosen method. The Timer method keeps a running deadline, so the time
// spent keying the line does not add up over a character; a deadline already a whole unit
// behind (the machine stalled) starts afresh rather than rushing the elements that follow.
void WaitOneUnit(const MorseTiming& timing, UnitWaits& waits, double& deadline) {
  const double unit = UnitMs(timing.wpm);
  switch (timing.method) {
    case TimingMethod::Timer: {
      const double now = waits.NowMs();
      if (now - deadline > unit) deadline = now;
      deadline += unit;
      waits.WaitUntil(deadline);
      return;
    }
    case TimingMethod::Sleep:
      waits.SleepMs(static_cast<std::int64_t>(vb::RoundHalfEven(unit)));
      break;
    case TimingMethod::Loop:
      // However many steps the loop count asks for (the operator types it), the count stops
      // after the longest unit.
      waits.CountLoop(timing.loops_per_60ms / timing.wpm * 20, kLongestUnitMs);
      break;
  }
  deadline = waits.NowMs();
}

}  // namespace

bool KeyableWpm(double wpm) { return wpm >= kSlowestWpm && wpm <= kFastestWpm; }

double UnitMs(double wpm) { return KeyableWpm(wpm) ? 1200.0 / wpm : kLongestUnitMs; }

void KeyElements(std::string_view elements, KeyLine* line, const std::function<std::optional<MorseTiming>()>& timing,
                 UnitWaits& waits) {
  if (elements.empty()) return;
  // The one place a character keys the line: on every way out it is released when it may
  // be down, a key-up that failed included.
  struct Release {
    KeyLine* line;
    ~Release() {
      if (line != nullptr) line->Release();
    }
  } release{line};
  struct SharpTiming {
    UnitWaits& waits;
    explicit SharpTiming(UnitWaits& w) : waits(w) { waits.BeginCharacter(); }
    ~SharpTiming() { waits.EndCharacter(); }
  } sharp(waits);
  double deadline = waits.NowMs();
  bool first = true;
  for (const char element : elements) {
    const std::optional<MorseTiming> now = timing();
    if (!now || !KeyableWpm(now->wpm)) return;
    const bool want = element == '1';
    if (line != nullptr && (first || want != line->MayBeDown())) line->Key(want);
    first = false;
    WaitOneUnit(*now, waits, deadline);
  }
}

std::optional<double> CalibrateLoop(UnitWaits& waits) {
  const double elapsed = waits.TimeLoop(kCalibrationSteps);
  if (!(elapsed > 0)) return std::nullopt;
  return vb::RoundHalfEven(kCalibrationSteps / elapsed * 60);
}

}  // namespace ks
