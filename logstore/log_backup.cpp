// Backup copies of log.txt in the data folder's BACKUP folder, and starting a new log.
#include <filesystem>
#include <string>

#include "logstore/log_copies.h"
#include "logstore/log_file_format.h"
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

// The copy's name: `stem`, with "-2", "-3" ... after it when a copy of another log already
// has that name (made in the same minute), so that no copy replaces a different one.
fs::path CopyName(const fs::path& folder, const std::string& stem, const std::string& bytes) {
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
LogCopy WriteBackupCopy(forms::Application& app, const std::string& bytes) {
  const LogCopy folder = BackupFolder(app);
  if (!folder.result) return folder;
  return WriteLogCopy(app, folder.path, "", bytes);
}

// Copies a log that holds anything to the backup folder; false (after telling the operator)
// when it exists but cannot be read or copied.
bool SaveBeforeErasing(forms::Application& app, const fs::path& log) {
  const LogStore& store = app.State<LogStore>();
  std::string bytes;
  if (store.FileBehind) {
    // log.txt lacks what memory holds: the copy is of the log in memory.
    bytes = FormatLogText(store.Records, store.QSOCount);
  } else if (std::error_code ec; !fs::exists(log, ec)) {
    return true;
  } else if (auto read = io::ReadFile(log, bytes, kLogFileMaxBytes); !read) {
    ReportLogWriteFailure(app, LogWriteKind::Backup, log, read.error);
    return false;
  }
  if (bytes.empty()) return true;
  const LogCopy copy = WriteBackupCopy(app, bytes);
  if (!copy.result) ReportLogWriteFailure(app, LogWriteKind::Backup, copy.path, copy.result.error);
  return copy.result.ok();
}

}  // namespace

LogCopy BackupFolder(forms::Application& app) {
  const fs::path data = app.State<Folders>().DataFolder;
  if (data.empty()) return {io::FileResult::Failure("The data folder is not known."), fs::path(kBackupFolderName)};
  const fs::path wanted = data / kBackupFolderName;
  if (!FolderPresent(wanted)) {
    if (auto made = io::MakeFolder(wanted); !made) return {made, wanted};
  }
  return {{}, io::ResolveNoCase(data, kBackupFolderName)};
}

LogCopy WriteLogCopy(forms::Application& app, const fs::path& folder, const std::string& prefix,
                     const std::string& bytes) {
  const io::CivilTime now = app.Clock().LocalNow();
  const std::string stem = vb::Format(vb::DateTime{now.year, now.month, now.day, now.hour, now.minute, now.second},
                                      "yyyymmddhhnn");
  const fs::path path = CopyName(folder, prefix + stem, bytes);
  return {io::WriteFileAtomic(path, bytes), path};
}

void BackupLogFile(forms::Application& app) {
  const LogStore& store = app.State<LogStore>();
  if (store.QSOCount <= 0 || static_cast<float>(store.QSOCount) == store.QSOCountAtLoad) return;
  // A log.txt that lacks contacts is no backup; the log went whole to a file of its own
  // before the end (SecureLogBeforeEnd).
  if (store.FileBehind) return;
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
