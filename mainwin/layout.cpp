// The shared design of the main windows and their fitting to the screen.
#include "mainwin/main_window.h"

namespace ks {

void MainWindow::DesignSharedControls() {}

void MainWindow::FitToScreen() {}

void MainWindow::AddSpotListColumns() {}

void MainWindow::AddScaledColumn(forms::ListView& list, const char* header, float design_width,
                                 forms::Alignment alignment) {
  list.AddColumn(header, Width() / 9600 * design_width, alignment);
}

}  // namespace ks
