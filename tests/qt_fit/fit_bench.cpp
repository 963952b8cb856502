#include "tests/qt_fit/fit_bench.h"

#include "logstore/county_table.h"
#include "startup/user_folders.h"
#include "station/station_settings.h"
#include "tests/support/files.h"

namespace ks::testing {

namespace fs = std::filesystem;

FitBench::FitBench(int width_px, int height_px) : headless_(forms::Screen::FromPixels(width_px, height_px)) {
  for (const auto& entry : fs::directory_iterator(SuppliedData()))
    if (entry.is_regular_file()) fs::copy_file(entry.path(), work_.path() / entry.path().filename());
  Folders& folders = app().State<Folders>();
  folders.WorkingDir = work_.path();
  folders.DataFolder = work_.path() / "data";
  folders.SharedFolder = work_.path() / "shared";
  fs::create_directories(folders.DataFolder / "BACKUP");
  fs::create_directories(folders.SharedFolder);
  headless_.clock().SetUtc({2026, 10, 10, 16, 0, 0});
  headless_.clock().SetLocalOffsetMinutes(-240);

  StationSettings& s = app().State<StationSettings>();
  ReadPrefFile(app());
  s.OwnCall = "WA3WWW";
  s.OwnCounty = "Northumberland";
  s.PartyState = "PA";
  s.OutOfState = 0;
  s.Rover = 1;
  s.UTCOffset = 4;
  s.FormSizePercent = 100;
  s.RigName = "None";
  LoadCountyTable(app());

  qt_loop_.Attach(app());
  view_ = std::make_unique<qt::QtView>(app(), qt_loop_);
  app().SetView(view_.get());
}

void FitBench::UseDesktopClipboard() {
  desktop_ = std::make_unique<qt::QtServices>(qt_loop_);
  headless_.dialogs().UseClipboardOf(desktop_.get());
}

FitBench::~FitBench() {
  app().SetView(nullptr);
  view_.reset();
  headless_.dialogs().UseClipboardOf(nullptr);
}

}  // namespace ks::testing
