// The File menu's log commands (New, Archive, Restore, Exit) and the close of the window.
#include "mainwin/main_window.h"

namespace ks {

void MainWindow::WireFileCommands() {}

void MainWindow::mnuNew_Click() {}
void MainWindow::mnuArchive_Click() {}
void MainWindow::mnuRestore_Click() {}
void MainWindow::mnuExit_Click() {}

void MainWindow::Form_QueryUnload(int& Cancel, forms::UnloadMode mode) {
  (void)Cancel;
  (void)mode;
}

void MainWindow::Form_Unload(int& Cancel) { (void)Cancel; }

void MainWindow::Form_Terminate() {}

}  // namespace ks
