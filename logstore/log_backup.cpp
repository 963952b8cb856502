// Backup copies of log.txt in the data folder's BACKUP folder, and starting a new log.
#include <filesystem>
#include <string>

#include "logstore/log_store.h"
#include "logstore/log_write_errors.h"
#include "platform/forms/application.h"
#include "platform/io/clock.h"
#include "platform/io/files.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"
#include "station/station_settings.h"
#include "startup/user_folders.h"

namespace ks {
namespace {

namespace fs = std::filesystem;

constexpr const char* kNewLogTitle = "WARNING - Your existing log file will be ERASED!";
constexpr const char* kNewLogPrompt =
    "Are you sure that you want to start a new log file?  This function will ERASE the existing log file!"
    "\r\n\r\nTo verify that you want to start a new log file, please type: YES";
// More copies in one minute than this would mean something is badly wrong; stop looking.
constexpr int kMaxCopiesPerMinute = 1000;

struct BackupOutcome {
  io::FileResult result;
  fs::path path;  // the copy, or the folder that could not be made
};

// The copy's name: the local date and time to the minute, "-2", "-3" ... after it when a copy
// of another log was already made in the same minute, so that no copy replaces a different one.
fs::path BackupName(const fs::path& folder, const std::string& stem, const std::string& bytes) {
  fs::path path;
  for (int n = 1; n <= kMaxCopiesPerMinute; ++n) {
    std::string name = stem;
    if (n > 1) name.append("-").append(std::to_string(n));
    path = io::ResolveNoCase(folder, name.append(".log"));
    std::error_code ec;
    if (!fs::exists(path, ec)) break;
    std::string existing;
    if (io::ReadFile(path, existing, kLogFileMaxBytes) && existing == bytes) break;
  }
  return path;
}

// Writes `bytes` (the log) as a new copy in DataFolder/BACKUP, making the folder when missing.
BackupOutcome WriteBackupCopy(forms::Application& app, const std::string& bytes) {
  const fs::path data = app.State<Folders>().DataFolder;
  if (data.empty()) return {io::FileResult::Failure("The data folder is not known."), fs::path(kBackupFolderName)};
  const fs::path wanted = data / kBackupFolderName;
  if (!FolderPresent(wanted)) {
    if (auto made = io::MakeFolder(wanted); !made) return {made, wanted};
  }
  const fs::path folder = io::ResolveNoCase(data, kBackupFolderName);
  const io::CivilTime now = app.Clock().LocalNow();
  const std::string stem = vb::Format(vb::DateTime{now.year, now.month, now.day, now.hour, now.minute, now.second},
                                      "yyyymmddhhnn");
  const fs::path path = BackupName(folder, stem, bytes);
  return {io::WriteFileAtomic(path, bytes), path};
}

// Copies a log that holds anything to the backup folder; false (after telling the operator)
// when it exists but cannot be read or copied.
bool SaveBeforeErasing(forms::Application& app, const fs::path& log) {
  std::error_code ec;
  if (!fs::exists(log, ec)) return true;
  std::string bytes;
  if (auto read = io::ReadFile(log, bytes, kLogFileMaxBytes); !read) {
    ReportLogWriteFailure(app, LogWriteKind::Backup, log, read.error);
    return false;
  }
  if (bytes.empty()) return true;
  const BackupOutcome copy = WriteBackupCopy(app, bytes);
  if (!copy.result) ReportLogWriteFailure(app, LogWriteKind::Backup, copy.path, copy.result.error);
  return copy.result.ok();
}

}  // namespace

void BackupLogFile(forms::Application& app) {
  const LogStore& store = app.State<LogStore>();
  if (store.QSOCount <= 0 || static_cast<float>(store.QSOCount) == store.QSOCountAtLoad) return;
  std::string bytes;
  if (!io::ReadFile(WorkingFile(app, kLogFileName), bytes, kLogFileMaxBytes)) return;
  WriteBackupCopy(app, bytes);
}

void StartNewLog(forms::Application& app) {
  if (vb::UCase(app.InputBox(kNewLogPrompt, kNewLogTitle, "")) != "YES") return;
  const fs::path log = WorkingFile(app, kLogFileName);
  if (!SaveBeforeErasing(app, log)) return;
  if (auto emptied = io::WriteFileAtomic(log, ""); !emptied) {
    ReportLogWriteFailure(app, LogWriteKind::Empty, log, emptied.error);
    return;
  }
  LogStore& store = app.State<LogStore>();
  store.QSOCount = 0;
  store.FileBehind = false;
  app.State<RunState>().TimeOnCurrent = 0;
  app.State<StationSettings>().TimeOnTotal = 0;
  WritePrefFile(app);
  LoadLogFile(app);
}

}  // namespace ks
