// Element timing of the Morse engine on the machine's clock: "PARIS PARIS" keyed at 20, 40
// and 60 WPM by each timing method onto a line that stamps every transition with the
// monotonic clock. Each key-down and key-up run is scored against the length it was meant
// to have, read from the element strings that were keyed: a dit 1 unit, a dah 3, the gap
// inside a sign 1, a letter space 3 and a word space 3 + 8 (of 1200 / WPM ms). The largest
// and the 99th-percentile error are reported, with the processor time the waits cost per
// second of sending.
#include <benchmark/benchmark.h>
#include <time.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "keying/morse_engine.h"
#include "keying/morse_table.h"

namespace {

class StampingLine final : public ks::KeyLine {
 public:
  explicit StampingLine(ks::UnitWaits& clock) : clock_(clock) {}
  void Write(bool down) override { stamps.push_back({down, clock_.NowMs()}); }
  struct Stamp {
    bool down;
    double at_ms;
  };
  std::vector<Stamp> stamps;

 private:
  ks::UnitWaits& clock_;
};

// The runs of equal elements in `elements`, in units: "1110100" gives 3, 1, 1, 2.
std::vector<int> IntendedRuns(const std::string& elements) {
  std::vector<int> runs;
  for (std::size_t i = 0; i < elements.size();) {
    std::size_t j = i;
    while (j < elements.size() && elements[j] == elements[i]) ++j;
    runs.push_back(static_cast<int>(j - i));
    i = j;
  }
  return runs;
}

double CpuMs() {
  timespec t{};
  ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_nsec) / 1e6;
}

void BM_MorseTiming(benchmark::State& state) {
  const double wpm = static_cast<double>(state.range(0));
  const auto method = static_cast<ks::TimingMethod>(state.range(1));
  ks::SystemUnitWaits waits;
  const double loops = method == ks::TimingMethod::Loop ? ks::CalibrateLoop(waits).value_or(5000000) : 0;
  const ks::MorseTiming timing{wpm, method, loops};
  const double unit = ks::UnitMs(wpm);
  std::string elements;
  for (const char c : std::string("PARIS PARIS")) elements += ks::CharacterElements(c, 0);
  elements += "1";  // a last dit, so the final space ends with a stamp too
  const std::vector<int> intended = IntendedRuns(elements);
  std::vector<double> errors;
  double cpu = 0, wall = 0;
  for (auto _ : state) {
    StampingLine line(waits);
    const double wall0 = waits.NowMs(), cpu0 = CpuMs();
    ks::KeyElements(elements, &line, [&] { return timing; }, waits);
    wall += waits.NowMs() - wall0;
    cpu += CpuMs() - cpu0;
    // The line is keyed at each change only, and released at the end: one stamp for the
    // start of each run and one for the end of the last.
    if (line.stamps.size() != intended.size() + 1) {
      state.SkipWithError("the line was not keyed once for each run of elements");
      return;
    }
    for (std::size_t i = 0; i < intended.size(); ++i) {
      const double length = line.stamps[i + 1].at_ms - line.stamps[i].at_ms;
      errors.push_back(std::fabs(length - intended[i] * unit));
    }
  }
  std::sort(errors.begin(), errors.end());
  state.counters["max_err_ms"] = errors.back();
  state.counters["p99_err_ms"] = errors[static_cast<std::size_t>(0.99 * static_cast<double>(errors.size() - 1))];
  state.counters["cpu_per_s"] = cpu / wall;
}

void Arguments(benchmark::internal::Benchmark* b) {
  for (int method = 0; method < 3; ++method) {
    for (const int wpm : {20, 40, 60}) b->Args({wpm, method});
  }
  b->ArgNames({"wpm", "method(0 Timer,1 Sleep,2 Loop)"});
}

}  // namespace

BENCHMARK(BM_MorseTiming)->Apply(Arguments)->Iterations(2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_MAIN();
