#include "startup/file_reports.h"

#include "platform/forms/application.h"
#include "platform/io/files.h"
#include "platform/io/settings_store.h"
#include "platform/vb/constants.h"
#include "startup/notices.h"

namespace ks {

bool FileReport::Unreadable() const {
  for (const FileProblem& problem : problems)
    if (problem.line == 0) return true;
  return false;
}

std::string ShownValue(std::string_view value) {
  constexpr std::size_t kShown = 40;
  return "\"" + std::string(value.substr(0, kShown)) + (value.size() > kShown ? "..." : "") + "\"";
}

FileReport ReadWholeFile(const std::filesystem::path& path, std::string& bytes, std::size_t max_bytes) {
  FileReport report{path, {}};
  if (const io::FileResult read = io::ReadFile(path, bytes, max_bytes); !read) report.Add(0, read.error);
  return report;
}

std::string DescribeFileReport(std::string_view message, const FileReport& report) {
  std::string text(message);
  text += "\r\n\r\n" + report.path.string();
  for (const FileProblem& problem : report.problems) {
    text += "\r\n";
    if (problem.line > 0) text += "Line " + std::to_string(problem.line) + ": ";
    text += problem.reason;
  }
  return text;
}

std::string SettingsWriteFailureText(const std::filesystem::path& path, const std::string& reason) {
  return "The settings could not be saved to the file\r\n" + path.string() + "\r\n" + reason +
         "\r\n\r\nThe file is as it was before; the settings in use stay in effect until the program ends.";
}

bool WriteSettingsFile(forms::Application& app, const std::filesystem::path& path, const std::string& bytes) {
  const io::FileResult written = io::WriteFileAtomic(path, bytes);
  const std::string name = path.filename().string();
  if (written) {
    app.State<Notices>().Set(name, "");
    return true;
  }
  TellFailure(app, {SettingsWriteFailureText(path, written.error), vb::vbOKOnly + vb::vbExclamation,
                    kSettingsWriteErrorTitle},
              name, SettingsNotSavedNotice(name));
  return false;
}

std::string SettingsNotSavedNotice(const std::string& file_name) { return file_name + " not saved!"; }

bool SaveUserSettings(forms::Application& app, const std::string& store_app, const std::string& section,
                      const std::vector<std::pair<std::string, std::string>>& values) {
  io::SettingsStore& store = app.Settings();
  for (const auto& [key, value] : values) {
    const io::FileResult saved = store.SaveSetting(store_app, section, key, value);
    if (saved) continue;
    app.MsgBox(SettingsWriteFailureText(store.Location(store_app), saved.error), vb::vbOKOnly + vb::vbExclamation,
               kSettingsWriteErrorTitle);
    return false;
  }
  return true;
}

}  // namespace ks
