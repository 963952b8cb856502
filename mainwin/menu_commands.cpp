// The menu items that open tool windows. A window shown modally and then unloaded starts
// afresh at every opening; the keyer windows stay loaded for the function keys; the rig,
// spot and voice-navigation windows open beside the main window and stay loaded.
#include "keying/windows/BlindFrm.h"
#include "keying/windows/CWFrm.h"
#include "keying/windows/PhoneFrm.h"
#include "mainwin/main_window.h"
#include "mainwin/tool_windows.h"
#include "platform/forms/application.h"
#include "reports/adif_export.h"
#include "reports/general_logger_export.h"
#include "reports/windows/CountyMapPA.h"
#include "reports/windows/DECabrilloIn.h"
#include "reports/windows/GraphQSO.h"
#include "rig/windows/RigControlfrm.h"
#include "rig/windows/frmBandPlan.h"
#include "spots/windows/PacketSpotfrm.h"
#include "spots/windows/SpectrumMap.h"
#include "station/station_settings.h"
#include "station/windows/Form5.h"
#include "station/windows/frmCountyList.h"

namespace ks {

void MainWindow::WireMenuCommands() {
  mnuWriteSumm.Click = [this] { mnuWriteSumm_Click(); };
  mnuexportADIF.Click = [this] { mnuexportADIF_Click(); };
  mnuPellhamImport.SetVisible(false);
  mnuPellhamImport.Click = [this] { WriteLogExpFile(App()); };
  mnuCW.Click = [this] { mnuCW_Click(); };
  mnuVoice.Click = [this] { mnuVoice_Click(); };
  mnuRigInterface.Click = [this] { mnuRigInterface_Click(); };
  mnuDXSpotting.Click = [this] { mnuDXSpotting_Click(); };
  mnuSpectrumMap.Click = [this] { mnuSpectrumMap_Click(); };
  mnuBlind.Click = [this] { mnuBlind_Click(); };
  mnuPrivileges.Click = [this] { mnuPrivileges_Click(); };
  mnuMap.Click = [this] { mnuMap_Click(); };
  mnuGraph.Click = [this] { mnuGraph_Click(); };
  mnuCountyList.Click = [this] { mnuCountyList_Click(); };
  mnuHelp.Click = [this] { mnuHelp_Click(); };
}

void MainWindow::mnuWriteSumm_Click() { ShowModalThenUnload<DECabrilloIn>(App()); }
void MainWindow::mnuexportADIF_Click() { WriteADIFFile(App()); }
void MainWindow::mnuCW_Click() { ShowModalKept<CWFrm>(App()); }
void MainWindow::mnuVoice_Click() { ShowModalKept<PhoneFrm>(App()); }
void MainWindow::mnuRigInterface_Click() { ShowModeless<RigControlfrm>(App()); }

void MainWindow::mnuDXSpotting_Click() {
  WritePrefFile(App());
  ShowModeless<PacketSpotfrm>(App());
}

void MainWindow::mnuSpectrumMap_Click() { ShowModalThenUnload<SpectrumMap>(App()); }
void MainWindow::mnuBlind_Click() { ShowModeless<BlindFrm>(App()); }
void MainWindow::mnuPrivileges_Click() { ShowModalThenUnload<frmBandPlan>(App()); }
void MainWindow::mnuMap_Click() { ShowModalThenUnload<CountyMapPA>(App()); }
void MainWindow::mnuGraph_Click() { ShowModalThenUnload<GraphQSO>(App()); }
void MainWindow::mnuCountyList_Click() { ShowModalThenUnload<frmCountyList>(App()); }
void MainWindow::mnuHelp_Click() { ShowModalThenUnload<Form5>(App()); }

}  // namespace ks
