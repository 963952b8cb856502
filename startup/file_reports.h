#pragma once
// What the operator is told when a file of the program cannot be read or written: the
// message of the failing step, then the file's full path, the line where it went wrong and
// the reason, so the file can be mended by hand.
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ks::forms {
class Application;
}

namespace ks {

// One thing wrong with a file: on a line (counted from 1), or with the file as a whole.
struct FileProblem {
  std::size_t line = 0;  // 0: the file as a whole (missing, not a regular file ...)
  std::string reason;
};

// The outcome of reading one file: no problems means it was read whole.
struct FileReport {
  std::filesystem::path path;
  std::vector<FileProblem> problems;

  bool ok() const { return problems.empty(); }
  explicit operator bool() const { return ok(); }
  // The file could not be opened or read at all.
  bool Unreadable() const;
  void Add(std::size_t line, std::string reason) { problems.push_back({line, std::move(reason)}); }
};

// A value read from a file as a message shows it: between double quotes, and cut short when
// long, so that a damaged file cannot flood the message.
std::string ShownValue(std::string_view value);

// Reads a whole file of at most `max_bytes` into `bytes`; the report holds the reason as a
// problem of the whole file when it cannot be read (missing, not a regular file, unreadable,
// larger than the bound).
FileReport ReadWholeFile(const std::filesystem::path& path, std::string& bytes, std::size_t max_bytes);

// `message`, an empty line, the path, and one line per problem ("Line 11: ...").
std::string DescribeFileReport(std::string_view message, const FileReport& report);

// Replaces a settings file of the program whole (the station settings, the keyer settings,
// the shared preferences). When it cannot be written the operator is told the file and the
// reason, in a message box titled kSettingsWriteErrorTitle, and the old file stays as it
// was; false then. A write that a timer made (the rig's band change) tells it instead in the
// notice SettingsNotSavedNotice, under the file's name, which its next good write takes back.
bool WriteSettingsFile(forms::Application& app, const std::filesystem::path& path, const std::string& bytes);
std::string SettingsNotSavedNotice(const std::string& file_name);

// Keeps values in the per-user settings store, in order. When the store cannot be written the
// operator is told once, as for a settings file, and the values after the failed one are not
// tried; false then.
bool SaveUserSettings(forms::Application& app, const std::string& store_app, const std::string& section,
                      const std::vector<std::pair<std::string, std::string>>& values);

inline constexpr const char* kSettingsWriteErrorTitle = "Settings Not Saved";

// The text of that message.
std::string SettingsWriteFailureText(const std::filesystem::path& path, const std::string& reason);

}  // namespace ks
