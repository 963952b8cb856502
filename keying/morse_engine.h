#pragma once
// Keys Morse elements on a line, one Morse unit (1200 / WPM milliseconds) per element, by
// the chosen timing method. No event runs while a character is keyed.
#include <functional>
#include <optional>
#include <string_view>

#include "keying/key_line.h"
#include "keying/unit_waits.h"

namespace ks {

struct MorseTiming {
  double wpm = 13;
  TimingMethod method = TimingMethod::Timer;
  // Steps of the counting loop that take 60 ms (the Loop method).
  double loops_per_60ms = 0;
};

// The speeds the engine keys, in words per minute: those a WinKeyer takes too. At any other
// speed (0, a fraction of one, thousands) it keys nothing.
inline constexpr double kSlowestWpm = 5;
inline constexpr double kFastestWpm = 99;
bool KeyableWpm(double wpm);
// Milliseconds of one Morse unit, 1200 / WPM, for a keyable speed; no wait of the engine is
// longer than the unit of the slowest one.
double UnitMs(double wpm);
inline constexpr double kLongestUnitMs = 1200 / kSlowestWpm;

// Keys `elements` ("1" down, "0" up, one unit each) on `line`; with no line the time still
// passes. `timing` is asked again before each element, so a speed change takes effect at
// the next one; when it has no answer (a box that holds no number) or its speed is not
// keyable, the character ends there. Whichever way it ends, exceptions included, the line
// is released before this returns; a line whose key-up keeps failing stays down
// (KeyLine::MayBeDown) for its owner to release again.
void KeyElements(std::string_view elements, KeyLine* line, const std::function<std::optional<MorseTiming>()>& timing,
                 UnitWaits& waits);

// Steps of the counting loop per 60 ms, from timing 5,000,000 steps (rounded half to even);
// nothing when the count took no measurable time.
std::optional<double> CalibrateLoop(UnitWaits& waits);

}  // namespace ks
