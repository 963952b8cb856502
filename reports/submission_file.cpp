#include "reports/submission_file.h"

#include <system_error>

#include "logstore/log_store.h"
#include "mainwin/windows/Infrm.h"
#include "mainwin/windows/Outfrm.h"
#include "platform/forms/application.h"
#include "platform/io/files.h"
#include "platform/vb/text.h"
#include "startup/user_folders.h"
#include "station/station_settings.h"

namespace ks {

namespace {

// The log in use, under its own name or one that differs in case only (which the program
// would find as its log too).
bool IsTheLog(forms::Application& app, const std::filesystem::path& path) {
  const std::filesystem::path log = WorkingFile(app, kLogFileName);
  std::error_code error;
  if (std::filesystem::equivalent(path, log, error)) return true;
  const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
  return vb::EqualsNoCase(path.filename().string(), kLogFileName) &&
         std::filesystem::equivalent(folder, log.parent_path(), error);
}

}  // namespace

std::optional<std::filesystem::path> AskSavePath(forms::Application& app, const std::string& proposed_name,
                                                 const std::string& filter) {
  MainWindow* main = nullptr;
  if (app.State<StationSettings>().OutOfState != 0) {
    main = app.IfLoaded<Outfrm>();
  } else {
    main = app.IfLoaded<Infrm>();
  }
  if (main == nullptr) return std::nullopt;
  const std::filesystem::path& data = app.State<Folders>().DataFolder;
  forms::CommonDialog& dialog = main->cdbFile;
  dialog.InitDir = data.string();
  dialog.FileName = (data / proposed_name).string();
  dialog.Filter = filter;
  dialog.Flags = forms::CommonDialog::kOverwritePrompt;
  if (!dialog.ShowSave() || dialog.FileName.empty()) return std::nullopt;
  const std::filesystem::path chosen(dialog.FileName);
  if (IsTheLog(app, chosen)) {
    ReportUnableToWrite(app, UnwrittenText(chosen, "It is the contest log; choose another name"));
    return std::nullopt;
  }
  return chosen;
}

void ReportUnableToWrite(forms::Application& app, const std::string& reason) {
  app.Beep();
  app.MsgBox(reason, 0, kUnableToWriteTitle);
}

bool WriteWholeFile(forms::Application& app, const std::filesystem::path& path, const std::string& bytes) {
  const io::FileResult result = io::WriteFileAtomic(path, bytes);
  if (result.ok()) return true;
  ReportUnableToWrite(app, UnwrittenText(path, result.error));
  return false;
}

std::string UnwrittenText(const std::filesystem::path& path, const std::string& reason) {
  return "The file could not be written:\r\n\r\n" + path.string() + "\r\n\r\n" + reason + ".";
}

std::string WrittenText(const std::filesystem::path& path, const std::string& advice) {
  std::string text = "The file was successfully written to the directory:\r\n\r\n" + path.string() + ".";
  if (!advice.empty()) text += "\r\n\r\n" + advice;
  return text;
}

}  // namespace ks
