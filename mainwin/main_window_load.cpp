// The load of a main window: it removes the setup window, fits itself to the screen, makes
// its list columns, shows the stored band, mode and station, loads the county table and the
// log, asks whether to continue the log, lays itself out at full size and starts the rig poll.
#include <algorithm>
#include <exception>

#include "logstore/county_table.h"
#include "logstore/log_store.h"
#include "mainwin/band_mode_rules.h"
#include "mainwin/main_window.h"
#include "mainwin/main_window_state.h"
#include "platform/forms/application.h"
#include "platform/vb/constants.h"
#include "platform/vb/text.h"
#include "rig/windows/RigControlfrm.h"
#include "station/station_settings.h"
#include "station/windows/frmStationID.h"

namespace ks {

void MainWindow::WireLoadAndLayout() {
  mnuFormSize.Click = [this] { mnuFormSize_Click(); };
  mnuTaskbar.Click = [this] { mnuTaskbar_Click(); };
}

void MainWindow::Form_Load() {
  auto& settings = App().State<StationSettings>();
  // A hand-edited size outside what the Form Size command allows (0 makes a window of no
  // size) is taken as the whole screen.
  if (settings.FormSizePercent < 30 || settings.FormSizePercent > 100) settings.FormSizePercent = 100;
  // A failure of a step without handling of its own ends the load where it stands, with the
  // window as far as it was built; ending the program (a failed log load) is not caught.
  try {
    if (auto* setup = App().IfLoaded<frmStationID>()) setup->Unload();
    Label3.SetVisible(false);
    FitToScreen();
    FitCountyListHeights();
    lblDialog.SetCaption(StartingHint());
    AddRecentContactColumns();
    AddSpotListColumns();
    if (settings.ListPrevious == 1) mnuListPrevious.SetChecked(true);
    LoadSectionTable();
    App().State<MainWindowState>().PartialDupeDisplay = 1;
    if (settings.FormSizePercent < 100) ApplyFormSize();
    ShowStoredMode();
    ShowStoredBand();
    ShowOwnStation();
    LoadCountyTableOrTell();
    AskContinueLog();
    ShowOperatingTime();
    ReloadLog();
    ApplyFullSizeLayout();
    StartRigPolling();
  } catch (const std::exception&) {
  }
}

// The mode label shows the stored mode as it is; the Mode menu checks one item, "&CW" for
// any mode it does not know.
void MainWindow::ShowStoredMode() {
  const std::string& mode = App().State<StationSettings>().CurrentMode;
  Label30.SetCaption(mode);
  const int checked = std::max(0, ModeIndex(mode));
  for (int i = 0; i < 4; ++i) ModeItems[i]->SetChecked(i == checked);
}

// The first band that matches checks its item and shows in the band label; an unknown band
// checks nothing and leaves the label as designed.
void MainWindow::ShowStoredBand() {
  const int band = BandIndex(App().State<StationSettings>().CurrentBand);
  if (band < 0) return;
  BandItems[band]->SetChecked(true);
  Label24.SetCaption(kBandCodes[static_cast<std::size_t>(band)]);
}

// Without a county table the operator is told which file failed, where and why, and the load
// goes on so that the log is still loaded and counted.
void MainWindow::LoadCountyTableOrTell() {
  const FileReport report = LoadCountyTable(App());
  if (report) return;
  App().MsgBox(DescribeFileReport("The county table could not be read from county2.txt in the program's folder.  "
                                  "County names cannot be checked and the county lists stay empty until the file "
                                  "is restored and the program restarted.  Your log is loaded as usual.",
                                  report),
               vb::vbOKOnly + vb::vbExclamation, "County Table Error");
}

// Continue the existing log, or start a new one (which asks for a typed "YES" itself).
void MainWindow::AskContinueLog() {
  const int answer = App().MsgBox(
      "Do you want to continue an existing contest? (Yes opens your existing log, No erases any existing log and "
      "starts a new log.)",
      vb::vbYesNo + vb::vbQuestion, "Open existing log?");
  if (answer != vb::vbYes) StartNewLog(App());
  cmdEdit.SetVisible(false);
  cmdDelete.SetVisible(false);
}

// With a rig set, the rig window's "Test" loads it hidden and starts polling.
void MainWindow::StartRigPolling() {
  if (vb::EqualsNoCase(App().State<StationSettings>().RigName, "None")) return;
  App().Get<RigControlfrm>().Command1_Click();
}

}  // namespace ks
