#pragma once
// What the operator is told when log.txt or its backup copy cannot be written.
#include <filesystem>
#include <string>

namespace ks::forms {
class Application;
}

namespace ks {

enum class LogWriteKind {
  Append,   // one new contact could not be added
  Rewrite,  // the whole log could not be written
  Reload,   // the log is read again while memory held changes the file never took
  Empty,    // a new log could not be started: the old one could not be emptied
  Backup,   // a new log could not be started: the old one could not be copied first
};

inline constexpr const char* kLogWriteErrorTitle = "Log File Error";

// The message for a failed write of `path` for `reason` (the system's description).
std::string LogWriteFailureText(LogWriteKind kind, const std::filesystem::path& path, const std::string& reason);

// The short notice of that failure (a line of the main window's message label).
std::string LogWriteFailureNotice(LogWriteKind kind);

// Shows that message in a message box titled kLogWriteErrorTitle; when a timer made the write
// (the rig's band change reloads the log), in a short notice of the log instead, which the
// log's next good write or read takes back.
void ReportLogWriteFailure(forms::Application& app, LogWriteKind kind, const std::filesystem::path& path,
                           const std::string& reason);

}  // namespace ks
