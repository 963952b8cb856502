#pragma once
// A headless application with a station set up as the setup window leaves it: a working
// folder holding county2.txt (the supplied one) and a log.txt of a few contacts, a data
// folder with BACKUP, and StationSettings filled in. The main window is then opened by Open.
#include <filesystem>
#include <fstream>
#include <string>

#include "logstore/log_store.h"
#include "mainwin/windows/Infrm.h"
#include "mainwin/windows/Outfrm.h"
#include "platform/forms/headless.h"
#include "station/station_settings.h"
#include "startup/user_folders.h"
#include "tests/support/files.h"
#include "tests/support/temp_dir.h"

namespace ks::testing {

class MainWindowBench {
 public:
  explicit MainWindowBench(int width_px = 1920, int height_px = 1080)
      : headless_(forms::Screen::FromPixels(width_px, height_px)) {
    auto& folders = app().State<Folders>();
    folders.WorkingDir = dir_.path();
    folders.DataFolder = dir_ / "data";
    folders.SharedFolder = dir_ / "shared";
    std::filesystem::create_directories(folders.DataFolder / "BACKUP");
    std::filesystem::create_directories(folders.SharedFolder);
    CopySupplied("county2.txt", dir_.path());
    WriteLog(3);
    headless_.clock().SetUtc({2013, 10, 12, 20, 5, 9});
    headless_.clock().SetLocalOffsetMinutes(-300);
    auto& s = settings();
    s.OwnCall = "W1AW";
    s.OwnSPC = "CT";
    s.OwnARRLSection = "CT";
    s.OwnCounty = "Centre";
    s.CurrentMode = "CW";
    s.CurrentBand = "20";
    s.UTCOffset = 5;
    s.FormSizePercent = 100;
    s.PartyState = "PA";
    s.OutOfState = 1;
    s.RigName = "None";
  }

  forms::Application& app() { return headless_.app(); }
  forms::Headless& headless() { return headless_; }
  forms::ScriptedServices& dialogs() { return headless_.dialogs(); }
  StationSettings& settings() { return app().State<StationSettings>(); }
  const TempDir& dir() const { return dir_; }

  // Writes a log.txt of `count` contacts on 20 m in CW.
  void WriteLog(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i) {
      LogRecord r;
      r.LogCall = "K" + std::to_string(i) + "XYZ";
      r.LogCounty = "Centre";
      r.LogSerialSent = std::to_string(i);
      r.LogSerialReceived = std::to_string(100 + i);
      r.LogDate = "2013/10/12";
      r.LogTime = "19:0" + std::to_string(i % 10) + ":00";
      r.LogMode = "CW";
      r.LogBand = "20";
      r.LogPoints = 2;
      text += FormatLogLine(r);
    }
    WriteBytes(dir_ / "log.txt", text);
  }

  // Opens the main window the settings choose, as the setup window's Done does.
  MainWindow& Open() {
    if (settings().OutOfState != 0) return app().Get<Outfrm>();
    return app().Get<Infrm>();
  }

  // The message boxes asked so far with this title.
  int CountMessages(const std::string& title) {
    int n = 0;
    for (const auto& m : dialogs().message_boxes) n += m.title == title ? 1 : 0;
    return n;
  }

 private:
  TempDir dir_;
  forms::Headless headless_;
};

}  // namespace ks::testing
