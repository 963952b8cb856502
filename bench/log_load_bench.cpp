// Loading log.txt, against a plain read of the same file into memory as the floor. The main
// window reloads the log after every band or mode change, edit and delete, so the load must
// grow linearly with the log and stay within a few milliseconds at 10,000 contacts.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <random>
#include <string>

#include "logstore/log_store.h"
#include "platform/forms/headless.h"
#include "platform/io/files.h"
#include "startup/user_folders.h"

namespace {

namespace fs = std::filesystem;

const char* const kCounties[] = {"Adams", "Allegheny", "Bucks", "Chester", "Delaware", "Erie",
                                 "Lancaster", "Montgomery", "Philadelphia", "Westmoreland", "York"};
const char* const kBands[] = {"160", "80", "40", "20", "15", "10", "6", "2"};

// A contest-like record: the fields the entry windows fill, the others empty.
ks::LogRecord SampleRecord(long n, std::mt19937& random) {
  ks::LogRecord r;
  r.LogCall = {'K', static_cast<char>('0' + random() % 10), static_cast<char>('A' + random() % 26),
               static_cast<char>('A' + random() % 26), static_cast<char>('A' + random() % 26)};
  r.LogCounty = kCounties[random() % std::size(kCounties)];
  r.LogSerialSent = std::to_string(n);
  r.LogDate = "2026/10/10";
  r.LogTime = "16:05:";
  r.LogTime += std::to_string(10 + random() % 50);
  r.LogMode = (random() % 2) ? "CW" : "PH";
  r.LogBand = kBands[random() % std::size(kBands)];
  r.LogPoints = r.LogMode == "CW" ? 2 : 1;
  r.LogSerialReceived = std::to_string(1 + random() % 500);
  r.LogFrequency = "7.035";
  return r;
}

// One folder per log size, made once and removed at exit.
class LogFolders {
 public:
  ~LogFolders() {
    std::error_code ec;
    for (auto& [count, folder] : folders_) fs::remove_all(folder, ec);
  }
  const fs::path& For(long count) {
    auto it = folders_.find(count);
    if (it != folders_.end()) return it->second;
    const fs::path folder = fs::temp_directory_path() / ("keystone-bench-" + std::to_string(count));
    fs::create_directories(folder);
    std::mt19937 random(7);
    std::string bytes;
    for (long n = 1; n <= count; ++n) bytes += ks::FormatLogLine(SampleRecord(n, random));
    ks::io::WriteFileAtomic(folder / ks::kLogFileName, bytes);
    return folders_.emplace(count, folder).first->second;
  }

 private:
  std::map<long, fs::path> folders_;
};

LogFolders& Folders() {
  static LogFolders folders;
  return folders;
}

void BM_PlainRead(benchmark::State& state) {
  const fs::path file = Folders().For(state.range(0)) / ks::kLogFileName;
  std::string bytes;
  for (auto _ : state) {
    ks::io::ReadFile(file, bytes, ks::kLogFileMaxBytes);
    benchmark::DoNotOptimize(bytes.data());
  }
  state.SetComplexityN(state.range(0));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(bytes.size()));
}

// The reload as the main window runs it: the same application loads again and again.
void BM_LoadLogFile(benchmark::State& state) {
  ks::forms::Headless headless;
  auto& app = headless.app();
  app.State<ks::Folders>().WorkingDir = Folders().For(state.range(0));
  ks::LoadLogFile(app);  // the first load of the run is BM_FirstLoad's
  for (auto _ : state) {
    ks::LoadLogFile(app);
    benchmark::DoNotOptimize(app.State<ks::LogStore>().QSOCount);
  }
  if (app.State<ks::LogStore>().QSOCount != state.range(0)) state.SkipWithError("wrong number of records");
  state.SetComplexityN(state.range(0));
}

// The reload a rig's band change makes from the poll timer: read into the spare records,
// which then change places with the log's, so that a bad file leaves the log in memory whole.
void BM_LoadLogFileFromTimer(benchmark::State& state) {
  ks::forms::Headless headless;
  auto& app = headless.app();
  app.State<ks::Folders>().WorkingDir = Folders().For(state.range(0));
  ks::LoadLogFile(app);
  app.DispatchTimerTick([&] { ks::LoadLogFile(app); });  // the first one fills the spare records
  for (auto _ : state) {
    app.DispatchTimerTick([&] { ks::LoadLogFile(app); });
    benchmark::DoNotOptimize(app.State<ks::LogStore>().QSOCount);
  }
  if (app.State<ks::LogStore>().QSOCount != state.range(0)) state.SkipWithError("wrong number of records");
  state.SetComplexityN(state.range(0));
}

// The first load of a run, into an empty store.
void BM_FirstLoad(benchmark::State& state) {
  const fs::path folder = Folders().For(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    auto headless = std::make_unique<ks::forms::Headless>();
    headless->app().State<ks::Folders>().WorkingDir = folder;
    state.ResumeTiming();
    ks::LoadLogFile(headless->app());
    state.PauseTiming();
    headless.reset();
    state.ResumeTiming();
  }
  state.SetComplexityN(state.range(0));
}

BENCHMARK(BM_PlainRead)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK(BM_LoadLogFile)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK(BM_LoadLogFileFromTimer)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK(BM_FirstLoad)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

}  // namespace

BENCHMARK_MAIN();
