// The File menu's log commands (New, Archive, Restore, Exit) and the close of the window.
// Archives and automatic backups are ".log" files in the data folder's BACKUP folder, with
// the content and line format of log.txt.
#include <filesystem>
#include <string>
#include <vector>

#include "keying/keying_state.h"
#include "keying/windows/BlindFrm.h"
#include "keying/windows/CWFrm.h"
#include "keying/windows/PhoneFrm.h"
#include "keying/windows/frmWinKey.h"
#include "logstore/log_file_format.h"
#include "logstore/log_rescue.h"
#include "logstore/log_store.h"
#include "mainwin/main_window.h"
#include "mainwin/windows/Form1.h"
#include "platform/forms/application.h"
#include "platform/io/clock.h"
#include "platform/io/files.h"
#include "platform/vb/constants.h"
#include "platform/vb/format.h"
#include "rig/windows/RigControlfrm.h"
#include "spots/windows/PacketSpotfrm.h"
#include "spots/windows/SpectrumMap.h"
#include "startup/user_folders.h"
#include "station/station_settings.h"
#include "station/windows/frmCountyChangeRover.h"

namespace ks {
namespace {

constexpr const char* kLogFilter = "Log Files (*.log) | *.log";
constexpr const char* kArchiveInfoText =
    "This function is used to create a permanent copy of your currently open log file.  To open your log "
    "file at a later date, click File > Restore from Archive or Backup.";
constexpr const char* kRestoreInfoText =
    "This action will open an archived log or backup file and creates a working file called log.txt.  If you "
    "make any changes to your archived data that you would like to permanently save, before you click File > "
    "New to start a new contest, be sure to click File > Archive to save your changes.";
constexpr const char* kRestoreQuestion =
    "Are you sure that you want to open an archived log?  This action will clear and replace existing QSO data.";

fs::path BackupFolder(forms::Application& app) { return app.State<Folders>().DataFolder / kBackupFolderName; }

// The call part of the own call followed directly by today's local date, as 2013-10-12.
std::string ArchiveFileName(forms::Application& app) {
  const io::CivilTime today = app.Clock().LocalNow();
  return MakeCallFileStem(app.State<StationSettings>().OwnCall) +
         vb::Format(vb::DateTime{today.year, today.month, today.day, 0, 0, 0}, "yyyy-mm-dd") + ".log";
}

// Stores the running operating time when the operator is logged on.
void StoreOperatingTime(forms::Application& app) {
  RunState& run = app.State<RunState>();
  if (!run.LoggedOn) return;
  app.State<StationSettings>().TimeOnTotal = run.TimeOnCurrent;
  WritePrefFile(app);
  run.LoggedOn = false;
}

// The file chosen for a restore, read whole; the reason when it cannot be read or holds no log.
io::FileResult ReadRestorableLog(const fs::path& path, std::string& bytes) {
  if (io::FileResult read = io::ReadFile(path, bytes, kLogFileMaxBytes); !read) return read;
  std::vector<LogRecord> records(1);
  if (!ParseLogText(bytes, records).ok) {
    return io::FileResult::Failure(path.filename().string() + " is not a log file: a record in it cannot be read.");
  }
  return {};
}

template <typename F>
void UnloadIfLoaded(forms::Application& app) {
  if (F* window = app.IfLoaded<F>()) window->Unload();
}

}  // namespace

void MainWindow::WireFileCommands() {
  mnuNew.Click = [this] { mnuNew_Click(); };
  mnuArchive.Click = [this] { mnuArchive_Click(); };
  mnuRestore.Click = [this] { mnuRestore_Click(); };
  mnuExit.Click = [this] { mnuExit_Click(); };
}

// Whatever the answer to the confirmation, the log is re-read and the settings stored.
void MainWindow::mnuNew_Click() {
  StartNewLog(App());
  ReloadLog();
  ShowOperatingTime();
  UpdateQSORates();
  WritePrefFile(App());
}

void MainWindow::mnuArchive_Click() {
  forms::Application& app = App();
  app.MsgBox(kArchiveInfoText, vb::vbOKOnly, "Archive Information");
  const fs::path folder = BackupFolder(app);
  cdbFile.InitDir = folder.string();
  cdbFile.FileName = (folder / ArchiveFileName(app)).string();
  cdbFile.Filter = kLogFilter;
  cdbFile.Flags = forms::CommonDialog::kOverwritePrompt;
  if (!cdbFile.ShowSave()) return;
  // After a failed write log.txt lacks what memory holds: the archive is of the log in memory.
  const LogStore& store = app.State<LogStore>();
  const io::FileResult copied =
      store.FileBehind
          ? io::WriteFileAtomic(cdbFile.FileName, FormatLogText(store.Records, store.QSOCount))
          : io::CopyFileReplacing(WorkingFile(app, kLogFileName), cdbFile.FileName, kLogFileMaxBytes);
  if (!copied) app.MsgBox(copied.error, vb::vbOKOnly, "Error Archiving Log");
}

// A file that does not read as a log is refused before it replaces log.txt, so that the
// working log stays loadable.
void MainWindow::mnuRestore_Click() {
  forms::Application& app = App();
  app.MsgBox(kRestoreInfoText, vb::vbOKOnly, "Opening Archived Data Information");
  if (app.State<LogStore>().QSOCount > 0 &&
      app.MsgBox(kRestoreQuestion, vb::vbYesNo, "Are your sure?") != vb::vbYes) {
    return;
  }
  cdbFile.FileName.clear();
  cdbFile.InitDir = BackupFolder(app).string();
  cdbFile.Filter = kLogFilter;
  if (!cdbFile.ShowOpen()) return;
  std::string bytes;
  io::FileResult restored = ReadRestorableLog(cdbFile.FileName, bytes);
  if (restored) restored = io::WriteFileAtomic(WorkingFile(app, kLogFileName), bytes);
  if (!restored) {
    app.MsgBox(restored.error, vb::vbOKOnly, "Error Restoring Log");
    return;
  }
  // The restored file is the log now, in place of the one in memory, as the operator agreed:
  // contacts that log.txt lacked are not written over it.
  app.State<LogStore>().FileBehind = false;
  ReloadLog();
}

// Ends at once: no tool window is unloaded and no backup is made. Only contacts held in
// memory only are first put on the disk; when they can be put nowhere, the program stays.
void MainWindow::mnuExit_Click() {
  if (!SecureLogBeforeEnd(App())) return;
  StoreOperatingTime(App());
  App().End();
}

// A close while Morse is being sent comes between two characters, while the sender lets
// events run, and goes on at once: the emptied buffer leaves the sender nothing more to
// send, the CW window's unload keys the line up, and the program's end then leaves the
// sender where it waited. Contacts held in memory only are put on the disk first, so that
// the backup of the unload copies a log.txt that holds them; when they can be put nowhere,
// the window stays open.
void MainWindow::Form_QueryUnload(int& Cancel, forms::UnloadMode /*mode*/) {
  App().State<KeyingState>().CWBuffer.clear();
  if (!SecureLogBeforeEnd(App())) Cancel = 1;
}

// Each tool window's own unload closes its device or connection.
void MainWindow::Form_Unload(int& /*Cancel*/) {
  forms::Application& app = App();
  UnloadIfLoaded<PhoneFrm>(app);
  UnloadIfLoaded<CWFrm>(app);
  UnloadIfLoaded<BlindFrm>(app);
  UnloadIfLoaded<PacketSpotfrm>(app);
  UnloadIfLoaded<SpectrumMap>(app);
  UnloadIfLoaded<RigControlfrm>(app);
  UnloadIfLoaded<Form1>(app);
  if (IsInState()) UnloadIfLoaded<frmCountyChangeRover>(app);
  UnloadIfLoaded<frmWinKey>(app);
  BackupLogFile(app);
  Form_Terminate();
}

// The last step of a close, as the window is discarded: the operating time is stored and
// the program ends.
void MainWindow::Form_Terminate() {
  StoreOperatingTime(App());
  App().End();
}

}  // namespace ks
