#pragma once
// One run of the program up to the station-setup window, on a headless application whose
// working directory, data folder and shared folder are fresh folders, with a clock five
// hours behind UTC.
#include <filesystem>
#include <string>

#include "platform/forms/headless.h"
#include "startup/shared_prefs.h"
#include "startup/user_folders.h"
#include "station/station_settings.h"
#include "station/windows/frmStationID.h"
#include "tests/support/files.h"
#include "tests/support/temp_dir.h"

namespace ks::setup_test {

using testing::ReadBytes;
using testing::SuppliedData;
using testing::WriteBytes;

class SetupRun {
 public:
  SetupRun() {
    Folders& folders = app().State<Folders>();
    folders.WorkingDir = work.path();
    folders.DataFolder = data.path();
    folders.SharedFolder = shared.path();
    headless.clock().SetUtc({2026, 6, 13, 17, 0, 0});
    headless.clock().SetLocalOffsetMinutes(-300);
    LoadSharedPrefs(app(), shared / kSharedPrefsFileName);
  }

  forms::Application& app() { return headless.app(); }
  forms::ScriptedServices& dialogs() { return headless.dialogs(); }

  // The working folder as the program lays it out on its first run: every supplied file.
  void CopyStartingFiles() {
    for (const auto& entry : fs::directory_iterator(SuppliedData())) {
      if (entry.is_regular_file()) fs::copy_file(entry.path(), work / entry.path().filename());
    }
  }
  void WriteWorking(const std::string& name, const std::string& bytes) { WriteBytes(work / name, bytes); }
  std::string ReadWorking(const std::string& name) const { return ReadBytes(work / name); }
  void RemoveWorking(const std::string& name) { fs::remove(work / name); }

  // Stores `settings` as the QSOpref.txt the next load reads, leaving memory as it was.
  void WritePrefs(const StationSettings& settings) {
    const StationSettings before = app().State<StationSettings>();
    app().State<StationSettings>() = settings;
    WritePrefFile(app());
    app().State<StationSettings>() = before;
  }

  // The start-up's hand-over: the setup window loads and is shown.
  frmStationID& OpenSetup() {
    frmStationID& setup = app().Get<frmStationID>();
    setup.Show();
    return setup;
  }

  std::string SharedPrefsFile() const { return ReadBytes(shared / kSharedPrefsFileName); }

  forms::Headless headless{forms::Screen::FromPixels(1920, 1080)};
  testing::TempDir work;
  testing::TempDir data;
  testing::TempDir shared;
};

// Settings with a value of every kind, for a station inside the state.
inline StationSettings SampleSettings() {
  StationSettings s;
  s.OwnCall = "W3ABC";
  s.OwnSPC = "PA";
  s.OwnCountry = "USA";
  s.OwnARRLSection = "EPA";
  s.OwnName = "JOE";
  s.OwnCategory = "SINGLE OP";
  s.OwnCounty = "Lehigh";
  s.OwnCity = "ALLENTOWN";
  s.CurrentMode = "CW";
  s.CurrentBand = "40";
  s.UTCOffset = 5;
  s.OwnLongitude = 75.5f;
  s.OwnLatitude = 40.6f;
  s.OwnContinent = "NA";
  s.FormSizePercent = 90;
  s.MultWorkedColor = 40960;
  s.MultRemainingColor = 255;
  s.TimeOnTotal = 3600;
  s.PartyState = "PA";
  s.OutOfState = 0;
  s.Rover = 1;
  s.VoiceNavLevel = 0;
  s.RigName = "None";
  s.TaskbarMode = 0;
  s.ListPrevious = 1;
  return s;
}

}  // namespace ks::setup_test
