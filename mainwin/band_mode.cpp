// Band and mode selection: the Band and Mode menus, the band and mode labels, and the
// calls of the rig poll through the dispatcher. Every command stores the settings and
// reloads the log, also when it selects the band or mode already in use.
#include "mainwin/band_mode_rules.h"
#include "mainwin/main_window.h"
#include "mainwin/main_window_state.h"
#include "platform/forms/application.h"
#include "platform/vb/text.h"
#include "station/station_settings.h"

namespace ks {

void MainWindow::WireBandAndMode() {
  for (int i = 0; i < static_cast<int>(kBandCodes.size()); ++i) {
    BandItems[i]->Click = [this, i] { RunBandCommand(i); };
  }
  for (int i = 0; i < static_cast<int>(kModeCodes.size()); ++i) {
    ModeItems[i]->Click = [this, i] { RunModeCommand(i); };
  }
  Label24.Click = [this] { Label24_Click(); };
  Label30.Click = [this] { Label30_Click(); };
}

void MainWindow::mnuBand160Ch_Click() { RunBandCommand(0); }
void MainWindow::mnuBand80Ch_Click() { RunBandCommand(1); }
void MainWindow::mnuBand40Ch_Click() { RunBandCommand(2); }
void MainWindow::mnuBand20Ch_Click() { RunBandCommand(3); }
void MainWindow::mnuBand15Ch_Click() { RunBandCommand(4); }
void MainWindow::mnuBand10Ch_Click() { RunBandCommand(5); }
void MainWindow::mnuBand6Ch_Click() { RunBandCommand(6); }
void MainWindow::mnuBand2Ch_Click() { RunBandCommand(7); }
void MainWindow::mnu160_Click() { RunModeCommand(0); }
void MainWindow::mnuSSB_Click() { RunModeCommand(1); }
void MainWindow::mnuDigital_Click() { RunModeCommand(2); }
void MainWindow::mnuPSK_Click() { RunModeCommand(3); }

void MainWindow::RunBandCommand(int band_index) {
  const char* band = kBandCodes[band_index];
  App().State<StationSettings>().CurrentBand = band;
  RefreshAfterBandChange();
  BandItems[band_index]->SetChecked(true);
  Label24.SetCaption(band);
  WritePrefFile(App());
  ReloadLog();
}

void MainWindow::RunModeCommand(int mode_index) {
  StationSettings& settings = App().State<StationSettings>();
  settings.CurrentMode = kModeCodes[mode_index];
  Label30.SetCaption(settings.CurrentMode);
  WritePrefFile(App());
  ReloadLog();
  for (int i = 0; i < static_cast<int>(kModeCodes.size()); ++i) ModeItems[i]->SetChecked(i == mode_index);
  // The in-state window's exchange marks depend on band and mode: let them follow.
  if (IsInState() && !txtCall.Text().empty() && txtCntry.Change) txtCntry.Change();
}

void MainWindow::RefreshAfterBandChange() {
  for (forms::Menu* item : BandItems) item->SetChecked(false);
  if (txtDX.Visible() || lblDX.Visible()) {
    SetBandMapScale();
    if (lblDX.Visible()) DisplayBandMapLabels();
  }
  if (IsInState() && !txtCall.Text().empty() && txtCntry.Change) txtCntry.Change();
}

void MainWindow::Label24_Click() {
  const int next = NextBandIndex(App().State<StationSettings>().CurrentBand);
  if (next >= 0) RunBandCommand(next);
}

void MainWindow::Label30_Click() {
  const int next = NextModeIndex(App().State<StationSettings>().CurrentMode);
  if (next >= 0) RunModeCommand(next);
}

void MainWindow::BandFreqConversion(float& frequencyValue) {
  const int band = BandIndexOfFrequency(frequencyValue);
  if (band >= 0 && !vb::EqualsNoCase(kBandCodes[band], App().State<StationSettings>().CurrentBand)) {
    RunBandCommand(band);
  }
  App().State<MainWindowState>().NextQSOFrequency = FrequencyText(frequencyValue);
}

void MainWindow::ModeSelection(std::string& strMode) {
  const int mode = PolledModeIndex(strMode, App().State<StationSettings>().CurrentMode);
  if (mode >= 0) RunModeCommand(mode);
}

}  // namespace ks
