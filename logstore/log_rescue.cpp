#include "logstore/log_rescue.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "logstore/log_copies.h"
#include "logstore/log_file_format.h"
#include "logstore/log_store.h"
#include "platform/forms/application.h"
#include "platform/io/environment.h"
#include "platform/vb/constants.h"
#include "startup/user_folders.h"

namespace ks {
namespace {

namespace fs = std::filesystem;

// A place the log could not be written to, and why.
struct Refusal {
  fs::path path;
  std::string reason;
};

// What log.txt lacks, as the subject of the messages.
std::string Unwritten(long unwritten) {
  if (unwritten <= 0) return "The latest changes to the log";
  return std::to_string(unwritten) + (unwritten == 1 ? " contact" : " contacts");
}

std::string NotWritten(long unwritten, const Refusal& log) {
  return Unwritten(unwritten) + " could not be written to the log file\r\n" + log.path.string() + "\r\n" +
         log.reason + "\r\n\r\n";
}

std::string RescuedText(long unwritten, const Refusal& log, const fs::path& copy) {
  const char* they = unwritten == 1 ? "that contact" : unwritten > 1 ? "those contacts" : "those changes";
  return NotWritten(unwritten, log) + "The whole log, " + they + " included, has been written to\r\n" + copy.string() +
         "\r\n\r\nOnce the disk has room, open it with File > Restore from Archive or Backup.";
}

std::string NowhereText(long unwritten, const Refusal& log, const std::vector<Refusal>& tried) {
  std::string text = NotWritten(unwritten, log) + "Nor could the whole log be written to";
  for (const Refusal& r : tried) text += "\r\n" + r.path.string() + "\r\n" + r.reason;
  return text +
         "\r\n\r\nThe program stays open so that nothing is lost: make room on the disk, then end the program "
         "again.";
}

// The log in memory as a file of its own in the BACKUP folder, else in the home folder.
std::optional<fs::path> WriteUnwrittenLog(forms::Application& app, std::vector<Refusal>& tried) {
  const LogStore& store = app.State<LogStore>();
  const std::string bytes = FormatLogText(store.Records, store.QSOCount);
  std::vector<fs::path> folders;
  if (const LogCopy backup = BackupFolder(app); backup.result) {
    folders.push_back(backup.path);
  } else {
    tried.push_back({backup.path, backup.result.error});
  }
  if (const std::string home = app.Environment().GetOrEmpty("HOME"); !home.empty()) folders.emplace_back(home);
  for (const fs::path& folder : folders) {
    const LogCopy copy = WriteLogCopy(app, folder, kUnwrittenLogPrefix, bytes);
    if (copy.result) return copy.path;
    tried.push_back({copy.path, copy.result.error});
  }
  return std::nullopt;
}

}  // namespace

bool SecureLogBeforeEnd(forms::Application& app) {
  const LogStore& store = app.State<LogStore>();
  if (!store.FileBehind) return true;
  const long unwritten = UnwrittenContacts(store);
  Refusal log{WorkingFile(app, kLogFileName), {}};
  if (WriteWholeLog(app, log.reason)) return true;
  std::vector<Refusal> tried;
  if (const std::optional<fs::path> copy = WriteUnwrittenLog(app, tried)) {
    app.MsgBox(RescuedText(unwritten, log, *copy), vb::vbOKOnly + vb::vbExclamation, kUnwrittenLogTitle);
    return true;
  }
  app.MsgBox(NowhereText(unwritten, log, tried), vb::vbOKOnly + vb::vbCritical, kUnwrittenLogTitle);
  return false;
}

}  // namespace ks
