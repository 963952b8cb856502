#include "reports/submission_file.h"

#include "mainwin/windows/Infrm.h"
#include "mainwin/windows/Outfrm.h"
#include "platform/forms/application.h"
#include "platform/io/files.h"
#include "startup/user_folders.h"
#include "station/station_settings.h"

namespace ks {

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
  return std::filesystem::path(dialog.FileName);
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
