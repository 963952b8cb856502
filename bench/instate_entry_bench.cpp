// Contact entry of the in-state window, headless through the window runtime, on logs of
// 1,000, 10,000 and 100,000 contest-like contacts (sections, Pennsylvania counties and DX
// countries, worked from one county):
//   - BM_InfrmReloadLog: the window's whole reload (load, section flags, county and DX lists,
//     grid colours, rates, score, list refill), run on every band or mode change, edit and delete;
//   - BM_InfrmPartialDupes: one key typed into the call box with its partial-duplicate list;
//   - BM_InfrmMains: one whole contact logged (checks, duplicate check, store, append flushed
//     to the disk, multipliers, list, score, rates).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>

#include "logstore/log_store.h"
#include "logstore/prefix_table.h"
#include "mainwin/windows/Infrm.h"
#include "platform/forms/headless.h"
#include "platform/io/files.h"
#include "startup/user_folders.h"
#include "station/station_settings.h"

namespace {

namespace fs = std::filesystem;

const fs::path kData = fs::path(KEYSTONE_SOURCE_DIR) / "data";
const char* const kExchanges[] = {"PA", "PA", "PA", "OH", "NNJ", "EPA", "WPA", "CT", "ON", "Japan", "England"};
const char* const kCounties[] = {"Adams", "Allegheny", "Bucks", "Centre", "Chester", "Erie", "York", "Lancaster"};
const char* const kBands[] = {"80", "40", "40", "20", "20", "15", "10"};

std::string ContestLog(long count) {
  std::mt19937 random(7);
  std::string text;
  for (long n = 1; n <= count; ++n) {
    ks::LogRecord r;
    r.LogCall = std::string(1, "KWN"[random() % 3]) + static_cast<char>('0' + random() % 10) +
                static_cast<char>('A' + random() % 26) + static_cast<char>('A' + random() % 26) +
                static_cast<char>('A' + random() % 26);
    r.LogSPC = kExchanges[random() % std::size(kExchanges)];
    if (r.LogSPC == "PA" || r.LogSPC.size() == 3 && r.LogSPC.back() == 'A') r.LogCounty = kCounties[random() % std::size(kCounties)];
    r.LogCountySent = "Centre";
    r.LogSerialSent = std::to_string(n);
    r.LogSerialReceived = std::to_string(1 + random() % 500);
    r.LogDate = "2026/10/10";
    r.LogTime = "16:05:" + std::to_string(10 + random() % 50);
    r.LogMode = random() % 2 ? "CW" : "PH";
    r.LogBand = kBands[random() % std::size(kBands)];
    r.LogPoints = r.LogMode == "CW" ? 2 : 1;
    text += ks::FormatLogLine(r);
  }
  return text;
}

// The in-state window of a Centre county station opened on a log of `count` contacts, logged on.
class Station {
 public:
  explicit Station(long count) : headless_(ks::forms::Screen::FromPixels(1920, 1080)) {
    folder_ = fs::temp_directory_path() / ("keystone-instate-bench-" + std::to_string(count));
    fs::remove_all(folder_);
    fs::create_directories(folder_ / "data" / "BACKUP");
    for (const char* name : {"county2.txt", "arrlpre2.txt"}) fs::copy_file(kData / name, folder_ / name);
    ks::io::WriteFileAtomic(folder_ / ks::kLogFileName, ContestLog(count));
    auto& app = headless_.app();
    app.State<ks::Folders>().WorkingDir = folder_;
    app.State<ks::Folders>().DataFolder = folder_ / "data";
    auto& s = app.State<ks::StationSettings>();
    s.OwnCall = "K3ABC";
    s.OwnCounty = "Centre";
    s.PartyState = "PA";
    s.OutOfState = 0;
    s.CurrentMode = "CW";
    s.CurrentBand = "20";
    s.RigName = "None";
    s.FormSizePercent = 100;
    headless_.clock().SetUtc({2026, 10, 10, 16, 30, 0});
    ks::LoadPrefixTable(app);
    window_ = &app.Get<ks::Infrm>();
    window_->Show();
    window_->cmdLogOn.Press();
  }
  ~Station() {
    std::error_code ec;
    fs::remove_all(folder_, ec);
  }
  ks::Infrm& window() { return *window_; }
  ks::forms::Application& app() { return headless_.app(); }

 private:
  fs::path folder_;
  ks::forms::Headless headless_;
  ks::Infrm* window_ = nullptr;
};

void BM_InfrmReloadLog(benchmark::State& state) {
  Station station(state.range(0));
  for (auto _ : state) station.window().ReloadLog();
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_InfrmReloadLog)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

void BM_InfrmPartialDupes(benchmark::State& state) {
  Station station(state.range(0));
  ks::Infrm& w = station.window();
  w.txtCall.SetFocus();
  w.txtCall.SetText("K3");
  w.txtCall.SetSelStart(2);
  for (auto _ : state) {
    int key = 'A';
    w.ShowPartialDupes(key);
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_InfrmPartialDupes)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond)->Complexity(benchmark::oN);

// Each round logs a new call (never a duplicate); the log grows by the rounds run.
void BM_InfrmMains(benchmark::State& state) {
  Station station(state.range(0));
  ks::Infrm& w = station.window();
  long n = 0;
  for (auto _ : state) {
    ++n;
    w.txtCall.SetText("AB" + std::to_string(n % 10) + "Z" + std::string(1, static_cast<char>('A' + (n / 10) % 26)) +
                      std::string(1, static_cast<char>('A' + (n / 260) % 26)));
    w.txtRSTR.SetText("5");
    w.txtCntry.SetText("PA");
    w.txtSec.SetText("York");
    w.txtPts.SetText("2");
    w.Mains();
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_InfrmMains)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

}  // namespace

BENCHMARK_MAIN();
