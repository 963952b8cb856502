// Form size, the full-size layout and the Appearance commands.
#include "mainwin/main_window.h"

namespace ks {

void MainWindow::ApplyFormSize() {}
void MainWindow::ApplyFullSizeLayout() {}
void MainWindow::FitCountyListHeights() {}
void MainWindow::mnuFormSize_Click() {}
void MainWindow::mnuTaskbar_Click() {}
void MainWindow::Form_Activate() { RedrawBandMap(); }
void MainWindow::Form_MouseMove(int button, int shift, float x, float y) {
  (void)button;
  (void)shift;
  (void)x;
  (void)y;
  lblDupe.SetCaption("");
}

}  // namespace ks
