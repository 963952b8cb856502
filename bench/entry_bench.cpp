// Contact entry of the out-of-state window, headless through the window runtime, on logs
// of 1,000, 10,000 and 100,000 contest-like contacts:
//   - BM_LoadLogFile: the load alone, the floor of a reload;
//   - BM_OutfrmReloadLog: the window's whole reload (load, recount, county lists, list
//     refill, rates, score), run on every band or mode change, edit and delete;
//   - BM_ShowPartialDupes: one key typed into the call box, with its partial-duplicate list;
//   - BM_Mains: one whole contact logged (checks, duplicate check, store, append flushed to
//     the disk, list, county lists, score, rates);
//   - BM_AppendFlush: the append and its flush alone, to compare disks.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "bench/contest_log.h"
#include "logstore/county_table.h"
#include "logstore/log_store.h"
#include "mainwin/windows/Outfrm.h"
#include "platform/forms/headless.h"
#include "platform/io/files.h"
#include "station/station_settings.h"
#include "startup/user_folders.h"

namespace {

namespace fs = std::filesystem;

const fs::path kSuppliedCounties = fs::path(KEYSTONE_SOURCE_DIR) / "data" / "county2.txt";

std::vector<std::string> PartyCounties() {
  ks::forms::Headless headless;
  const fs::path folder = fs::temp_directory_path() / "keystone-entry-bench-counties";
  fs::create_directories(folder);
  fs::copy_file(kSuppliedCounties, folder / ks::kCountyFileName, fs::copy_options::overwrite_existing);
  headless.app().State<ks::Folders>().WorkingDir = folder;
  headless.app().State<ks::StationSettings>().PartyState = "PA";
  ks::LoadCountyTable(headless.app());
  const auto& table = headless.app().State<ks::CountyTable>();
  fs::remove_all(folder);
  return {table.CountyName.begin() + 1, table.CountyName.begin() + 1 + table.CountyCount};
}

// One working folder per log size (county table and log.txt), removed at exit.
class Folders {
 public:
  ~Folders() {
    std::error_code ec;
    for (auto& [count, folder] : folders_) fs::remove_all(folder, ec);
  }
  const fs::path& For(long count) {
    auto it = folders_.find(count);
    if (it != folders_.end()) return it->second;
    const fs::path folder = fs::temp_directory_path() / ("keystone-entry-bench-" + std::to_string(count));
    fs::create_directories(folder);
    fs::copy_file(kSuppliedCounties, folder / ks::kCountyFileName, fs::copy_options::overwrite_existing);
    ks::bench::ContestLog log(PartyCounties());
    ks::io::WriteFileAtomic(folder / ks::kLogFileName, log.Text(count));
    return folders_.emplace(count, folder).first->second;
  }

 private:
  std::map<long, fs::path> folders_;
};

Folders& LogFolders() {
  static Folders folders;
  return folders;
}

// The out-of-state window opened on a copy of the log of `count` contacts, the clock a
// minute after its last contact, logged on.
class Station {
 public:
  explicit Station(long count) : headless_(ks::forms::Screen::FromPixels(1920, 1080)) {
    folder_ = fs::temp_directory_path() / ("keystone-entry-station-" + std::to_string(count));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    for (const char* name : {ks::kCountyFileName, ks::kLogFileName})
      fs::copy_file(LogFolders().For(count) / name, folder_ / name);
    auto& app = headless_.app();
    app.State<ks::Folders>().WorkingDir = folder_;
    auto& s = app.State<ks::StationSettings>();
    s.OwnCall = "W1AW";
    s.OwnSPC = "CT";
    s.PartyState = "PA";
    s.CurrentBand = "20";
    s.CurrentMode = "CW";
    s.OutOfState = 1;
    s.FormSizePercent = 100;
    s.RigName = "None";
    const ks::vb::DateTime last = ks::bench::ContestLog::Moment(count + 3);
    headless_.clock().SetUtc({last.year, last.month, last.day, last.hour, last.minute, last.second});
    window_ = &app.Get<ks::Outfrm>();
    window_->cmdLogOn.ClickBy();
  }
  ~Station() {
    std::error_code ec;
    fs::remove_all(folder_, ec);
  }
  ks::Outfrm& window() { return *window_; }
  ks::forms::Application& app() { return headless_.app(); }

 private:
  ks::forms::Headless headless_;
  fs::path folder_;
  ks::Outfrm* window_ = nullptr;
};

void BM_LoadLogFile(benchmark::State& state) {
  Station station(state.range(0));
  for (auto _ : state) {
    ks::LoadLogFile(station.app());
    benchmark::DoNotOptimize(station.app().State<ks::LogStore>().QSOCount);
  }
  state.SetComplexityN(state.range(0));
}

void BM_OutfrmReloadLog(benchmark::State& state) {
  Station station(state.range(0));
  for (auto _ : state) station.window().ReloadLog();
  if (station.app().State<ks::LogStore>().QSOCount != state.range(0)) state.SkipWithError("wrong number of records");
  state.SetComplexityN(state.range(0));
}

// A key that completes a call logged nowhere: the scan goes through the whole log.
void BM_ShowPartialDupes(benchmark::State& state) {
  Station station(state.range(0));
  ks::Outfrm& w = station.window();
  w.txtCall.SetFocus();
  for (auto _ : state) {
    w.txtCall.SetText("W3");
    w.txtCall.SetSelStart(2);
    w.TypeKey(0, 'Q');
  }
  if (w.txtCall.Text() != "W3Q") state.SkipWithError("the key was not typed");
  state.SetComplexityN(state.range(0));
}

// Each iteration logs one more contact with a call of its own.
void BM_Mains(benchmark::State& state) {
  Station station(state.range(0));
  ks::Outfrm& w = station.window();
  long n = 0;
  for (auto _ : state) {
    w.txtCall.SetText("KX" + std::to_string(n++) + "Q");
    w.txtRSTR.SetText("12");
    w.txtSec.SetText("Centre");
    w.txtPts.SetText("2");
    w.Mains();
  }
  if (station.app().State<ks::LogStore>().QSOCount != state.range(0) + n) state.SkipWithError("not stored");
  state.SetComplexityN(state.range(0));
}

void BM_AppendFlush(benchmark::State& state) {
  Station station(state.range(0));
  auto& store = station.app().State<ks::LogStore>();
  const ks::LogRecord last = store.Record(store.QSOCount);
  for (auto _ : state) {
    store.Record(++store.QSOCount) = last;
    ks::AppendLogRecord(station.app());
  }
  state.SetComplexityN(state.range(0));
}

#define KEYSTONE_SIZES ->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN)
BENCHMARK(BM_LoadLogFile) KEYSTONE_SIZES;
BENCHMARK(BM_OutfrmReloadLog) KEYSTONE_SIZES;
BENCHMARK(BM_ShowPartialDupes) KEYSTONE_SIZES;
BENCHMARK(BM_Mains) KEYSTONE_SIZES;
BENCHMARK(BM_AppendFlush) KEYSTONE_SIZES;

}  // namespace

BENCHMARK_MAIN();
