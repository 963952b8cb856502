#pragma once
// A main window loaded over a fresh working folder (county table, a small log.txt) and a
// data folder with its BACKUP folder, on a virtual clock; a view that records what the
// windows do; and a recording double of the keyer services.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "keying/keyer_services.h"
#include "logstore/log_store.h"
#include "platform/forms/form.h"
#include "platform/forms/headless.h"
#include "platform/forms/view.h"
#include "startup/user_folders.h"
#include "station/station_settings.h"
#include "tests/support/files.h"
#include "tests/support/temp_dir.h"

namespace ks::testing {

namespace fs = std::filesystem;

// What the windows showed, hid and unloaded, in order: "show X", "modal X", "hide X", "unload X".
class RecordingView final : public forms::View {
 public:
  std::vector<std::string> events;
  void FormShown(forms::Form& form, bool modal) override { events.push_back((modal ? "modal " : "show ") + form.Name()); }
  void FormHidden(forms::Form& form) override { events.push_back("hide " + form.Name()); }
  void FormUnloaded(forms::Form& form) override { events.push_back("unload " + form.Name()); }
  void FormChanged(forms::Form&, forms::Property) override {}
  void ControlChanged(forms::Control&, forms::Property) override {}
  void ControlAdded(forms::Control&) override {}
  void ControlRemoved(forms::Control&) override {}
  void FocusChanged(forms::Form&, forms::Control*) override {}
};

// Records every keyer operation as one word (with the key code for the function keys).
class RecordingKeyers final : public KeyerServices {
 public:
  std::vector<std::string> calls;
  bool playing = false;  // what VoicePlaying answers
  int status = 0;        // what wk_getstatus answers
  void FKeyCW(int& KeyCode) override { calls.push_back("FKeyCW " + std::to_string(KeyCode)); }
  void FKeyPhone(int& KeyCode) override { calls.push_back("FKeyPhone " + std::to_string(KeyCode)); }
  void LoopThroughCWBuffer() override { calls.push_back("LoopThroughCWBuffer"); }
  bool VoicePlaying() override { return playing; }
  void StopVoice() override { calls.push_back("StopVoice"); }
  int wk_getstatus() override {
    calls.push_back("wk_getstatus");
    return status;
  }
  void wk_clearbuf() override { calls.push_back("wk_clearbuf"); }
  void wk_backspace() override { calls.push_back("wk_backspace"); }
  // A prompt "plays" for prompt_ms of virtual time from its start; prompt_never_ends keeps
  // PromptPlaying true for ever (a player that never reports the end).
  int prompt_ms = 0;
  bool prompt_never_ends = false;
  std::int64_t prompt_started = 0;
  std::function<std::int64_t()> now;  // the virtual tick, when the test gives one
  void BlindKeyPhone(const std::string& name) override {
    calls.push_back("BlindKeyPhone " + name);
    prompt_started = now ? now() : 0;
  }
  bool PromptPlaying() override {
    if (prompt_never_ends) return true;
    return now && now() - prompt_started < prompt_ms;
  }
  int PromptLengthMs() override { return prompt_ms; }
  std::string Joined() const {
    std::string all;
    for (const std::string& c : calls) all += (all.empty() ? "" : ", ") + c;
    return all;
  }
};

// `count` contacts as the lines of log.txt, the calls numbered from `first`.
inline std::string LogText(int count, int first = 1) {
  std::string text;
  for (int i = first; i < first + count; ++i) {
    LogRecord r;
    r.LogCall = "W" + std::to_string(i) + "AW";
    r.LogCounty = "York";
    r.LogSerialSent = std::to_string(i);
    r.LogDate = "2013/10/12";
    r.LogTime = "15:00:00";
    r.LogMode = "CW";
    r.LogBand = "20";
    r.LogPoints = 2;
    r.LogSerialReceived = "5";
    text += FormatLogLine(r);
  }
  return text;
}

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() {
    fs::create_directories(work());
    fs::create_directories(data() / "BACKUP");
    CopySupplied("county2.txt", work());
    WriteBytes(work() / "log.txt", LogText(3));
    Folders& folders = app().State<Folders>();
    folders.WorkingDir = work();
    folders.DataFolder = data();
    StationSettings& s = settings();
    s.OwnCall = "K3ABC";
    s.OwnSPC = "MD";
    s.OwnARRLSection = "MDC";
    s.CurrentBand = "20";
    s.CurrentMode = "CW";
    s.PartyState = "PA";
    s.OwnCounty = "York";
    s.RigName = "None";
    s.OutOfState = 1;
    h.clock().SetUtc({2013, 10, 12, 15, 30, 0});
    app().SetView(&view);
  }
  ~MainWindowTest() override { app().SetView(nullptr); }

  // Loads the main window (its question about the log is answered Yes) and puts the
  // recording keyer services in place.
  template <typename W>
  W& Open() {
    W& window = app().template Get<W>();
    auto keyers = std::make_unique<RecordingKeyers>();
    keyer = keyers.get();
    keyer->now = [this] { return h.clock().TickMs(); };
    UseKeyerServices(app(), std::move(keyers));
    h.dialogs().message_boxes.clear();
    view.events.clear();
    return window;
  }

  forms::Application& app() { return h.app(); }
  StationSettings& settings() { return app().State<StationSettings>(); }
  LogStore& store() { return app().State<LogStore>(); }
  fs::path work() const { return dir / "work"; }
  fs::path data() const { return dir / "Pennsylvania"; }
  fs::path pref_file() const { return work() / kPrefFileName; }
  // The value on line `n` (1-based) of QSOpref.txt.
  std::string PrefLine(int n) const {
    std::istringstream lines(ReadBytes(pref_file()));
    std::string line;
    for (int i = 0; i < n && std::getline(lines, line); ++i) {
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
  }
  std::vector<std::string> BackupFiles() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(data() / "BACKUP")) names.push_back(entry.path().filename().string());
    return names;
  }

  forms::Headless h{forms::Screen::FromPixels(1920, 1080)};
  TempDir dir;
  RecordingView view;
  RecordingKeyers* keyer = nullptr;
};

}  // namespace ks::testing
