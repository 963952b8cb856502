#include "logstore/log_write_errors.h"

#include "platform/forms/application.h"
#include "platform/vb/constants.h"
#include "startup/notices.h"

namespace ks {

std::string LogWriteFailureText(LogWriteKind kind, const std::filesystem::path& path, const std::string& reason) {
  const std::string where = "\r\n" + path.string() + "\r\n" + reason + "\r\n\r\n";
  constexpr const char* kRetry = "The whole log is written again with the next contact, edit or delete.";
  switch (kind) {
    case LogWriteKind::Append:
      return "The contact could not be added to the log file" + where +
             "The file is as it was; the contact is held in memory only. " + kRetry;
    case LogWriteKind::Rewrite:
      return "The log file could not be written" + where +
             "The file is as it was before this change, which is held in memory only. " + kRetry;
    case LogWriteKind::Reload:
      return "The log file\r\n" + path.string() +
             "\r\nis read again while it lacks changes that could not be written to it. "
             "Those changes are no longer in the log.";
    case LogWriteKind::Empty:
      return "The log file could not be emptied for a new log" + where + "The log is as it was.";
    case LogWriteKind::Backup:
      return "The log could not be copied to the backup folder before starting a new log" + where +
             "The log was not erased.";
  }
  return reason;
}

std::string LogWriteFailureNotice(LogWriteKind kind) {
  switch (kind) {
    case LogWriteKind::Append: return "log.txt not written!";
    case LogWriteKind::Rewrite: return "log.txt not written!";
    case LogWriteKind::Reload: return "Unwritten changes lost!";
    case LogWriteKind::Empty: return "log.txt not emptied!";
    case LogWriteKind::Backup: return "Log not backed up!";
  }
  return "log.txt not written!";
}

void ReportLogWriteFailure(forms::Application& app, LogWriteKind kind, const std::filesystem::path& path,
                           const std::string& reason) {
  TellFailure(app, {LogWriteFailureText(kind, path, reason), vb::vbOKOnly + vb::vbCritical, kLogWriteErrorTitle},
              kLogNoticeSource, LogWriteFailureNotice(kind));
}

}  // namespace ks
