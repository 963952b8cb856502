// The menu items that open tool windows.
#include "mainwin/main_window.h"

namespace ks {

void MainWindow::WireMenuCommands() {}

void MainWindow::mnuWriteSumm_Click() {}
void MainWindow::mnuexportADIF_Click() {}
void MainWindow::mnuCW_Click() {}
void MainWindow::mnuVoice_Click() {}
void MainWindow::mnuRigInterface_Click() {}
void MainWindow::mnuDXSpotting_Click() {}
void MainWindow::mnuSpectrumMap_Click() {}
void MainWindow::mnuBlind_Click() {}
void MainWindow::mnuPrivileges_Click() {}
void MainWindow::mnuMap_Click() {}
void MainWindow::mnuGraph_Click() {}
void MainWindow::mnuCountyList_Click() {}
void MainWindow::mnuHelp_Click() {}

}  // namespace ks
