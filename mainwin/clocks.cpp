// The clocks, Log "Time On" / "Time Off" and the operating time.
#include "mainwin/main_window.h"

namespace ks {

void MainWindow::WireClocks() {}
void MainWindow::Timer2_Timer() {}
void MainWindow::cmdLogOn_Click() {}
void MainWindow::ShowOperatingTime() {}
std::string MainWindow::OperatingTimeText(float seconds) {
  (void)seconds;
  return "00:00:00";
}

}  // namespace ks
