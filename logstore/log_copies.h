#pragma once
// Copies of the whole log written beside log.txt: the backups, and the log held in memory
// when log.txt cannot take it before the program ends.
#include <filesystem>
#include <string>

#include "platform/io/files.h"

namespace ks::forms {
class Application;
}

namespace ks {

struct LogCopy {
  io::FileResult result;
  std::filesystem::path path;  // the copy, or the folder that could not be made
};

// The data folder's BACKUP folder, made when missing.
LogCopy BackupFolder(forms::Application& app);

// Writes `bytes` (a log) as a new file of `folder` named `prefix`, the local date and time to
// the minute as twelve digits and ".log"; "-2", "-3" ... after the time when a file of another
// content already has that name, so that no copy replaces a different one.
LogCopy WriteLogCopy(forms::Application& app, const std::filesystem::path& folder, const std::string& prefix,
                     const std::string& bytes);

}  // namespace ks
