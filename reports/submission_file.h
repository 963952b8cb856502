#pragma once
// What every file for the sponsor and every export shares: the Save dialog of the main window
// in use, a file written whole or not at all, and the messages that follow.
#include <filesystem>
#include <optional>
#include <string>

namespace ks::forms {
class Application;
}

namespace ks {

inline constexpr const char* kLogFilesFilter = "LOG Files (*.log) | *.log";
inline constexpr const char* kUnableToWriteTitle = "Unable to write file.";
inline constexpr const char* kFileWrittenTitle = "File Written Successfully.";
inline constexpr const char* kAttachAdvice =
    "Attach this file to an e-mail addressed for contest submission.  If you wish to print this file, you can "
    "open it with Notepad or Wordpad to print.";

// Shows the Save dialog of the main window in use (Outfrm's for a station outside the state,
// Infrm's otherwise), starting in the data folder with `proposed_name` and asking before an
// existing file is replaced. The chosen path, or nothing when the operator cancels (or no
// main window is open). The log in use is never replaced: choosing it is told, and gives
// nothing.
std::optional<std::filesystem::path> AskSavePath(forms::Application& app, const std::string& proposed_name,
                                                 const std::string& filter);

// Writes `bytes` to `path` whole (a file beside it, then renamed over it), so a failure leaves
// no partial file under that name. On failure: a beep and UnwrittenText in a message titled
// "Unable to write file."; returns false.
bool WriteWholeFile(forms::Application& app, const std::filesystem::path& path, const std::string& bytes);

// Tells the operator an error that stopped a writer: a beep and the reason, titled
// "Unable to write file.".
void ReportUnableToWrite(forms::Application& app, const std::string& reason);

// "The file could not be written:", the path and the system's reason, each after an empty line.
std::string UnwrittenText(const std::filesystem::path& path, const std::string& reason);

// "The file was successfully written to the directory:", two line breaks, the path and ".",
// then, when given, two line breaks and `advice`.
std::string WrittenText(const std::filesystem::path& path, const std::string& advice);

}  // namespace ks
