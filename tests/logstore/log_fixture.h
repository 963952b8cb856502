#pragma once
// A headless application whose working and data folders are fresh temporary folders, with
// helpers to put a log on the disk and read it back.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "logstore/log_store.h"
#include "platform/forms/headless.h"
#include "platform/io/files.h"
#include "startup/user_folders.h"
#include "tests/support/files.h"
#include "tests/support/temp_dir.h"

namespace ks::testing {

// A contact as the out-of-state window stores it.
inline LogRecord Contact(const std::string& call, const std::string& county, double points = 1,
                         const std::string& serial_sent = "1") {
  LogRecord r;
  r.LogCall = call;
  r.LogCounty = county;
  r.LogSerialSent = serial_sent;
  r.LogDate = "2026/10/10";
  r.LogTime = "16:05:33";
  r.LogMode = points == 2 ? "CW" : "PH";
  r.LogBand = "40";
  r.LogPoints = points;
  r.LogSerialReceived = "12";
  return r;
}

class LogFixture : public ::testing::Test {
 protected:
  LogFixture() {
    app().State<Folders>().WorkingDir = work_.path();
    app().State<Folders>().DataFolder = data_.path();
    // 16:05:30 local time, five hours behind UTC.
    headless_.clock().SetUtc({2026, 10, 10, 21, 5, 30});
    headless_.clock().SetLocalOffsetMinutes(-300);
  }

  forms::Application& app() { return headless_.app(); }
  forms::ScriptedServices& dialogs() { return headless_.dialogs(); }
  io::VirtualClock& clock() { return headless_.clock(); }
  LogStore& store() { return app().State<LogStore>(); }
  const std::filesystem::path& work() const { return work_.path(); }
  const std::filesystem::path& data() const { return data_.path(); }
  std::filesystem::path LogPath() const { return work_.path() / kLogFileName; }

  void WriteFile(const std::filesystem::path& path, const std::string& bytes) { WriteBytes(path, bytes); }
  void WriteLog(const std::string& bytes) { WriteBytes(LogPath(), bytes); }
  std::string ReadLog() const { return ReadBytes(LogPath()); }

  // Loads as the main window does, inside an event; true when the load ended the program.
  bool LoadEndsProgram() {
    app().Dispatch([&] { LoadLogFile(app()); });
    return app().Ended();
  }

  // Logs a contact as contact entry does: into the next slot, then appended.
  bool Log(const LogRecord& record) {
    ++store().QSOCount;
    store().Record(store().QSOCount) = record;
    return AppendLogRecord(app());
  }

  // The records 1 .. QSOCount in memory.
  std::vector<LogRecord> InMemory() {
    return {store().Records.begin() + 1, store().Records.begin() + 1 + store().QSOCount};
  }

 private:
  TempDir work_;
  TempDir data_;
  forms::Headless headless_{forms::Screen::FromPixels(1920, 1080)};
};

}  // namespace ks::testing
