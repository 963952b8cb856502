// The load of a main window.
#include "mainwin/main_window.h"

namespace ks {

void MainWindow::WireLoadAndLayout() {}

void MainWindow::Form_Load() {}

void MainWindow::AskContinueLog() {}
void MainWindow::ShowStoredMode() {}
void MainWindow::ShowStoredBand() {}
void MainWindow::LoadCountyTableOrTell() {}
void MainWindow::StartRigPolling() {}

}  // namespace ks
