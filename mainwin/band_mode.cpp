// Band and mode selection: the Band and Mode menus, the band and mode labels, and the
// calls of the rig poll through the dispatcher.
#include "mainwin/main_window.h"

namespace ks {

void MainWindow::WireBandAndMode() {}

void MainWindow::mnuBand160Ch_Click() {}
void MainWindow::mnuBand80Ch_Click() {}
void MainWindow::mnuBand40Ch_Click() {}
void MainWindow::mnuBand20Ch_Click() {}
void MainWindow::mnuBand15Ch_Click() {}
void MainWindow::mnuBand10Ch_Click() {}
void MainWindow::mnuBand6Ch_Click() {}
void MainWindow::mnuBand2Ch_Click() {}
void MainWindow::mnu160_Click() {}
void MainWindow::mnuSSB_Click() {}
void MainWindow::mnuDigital_Click() {}
void MainWindow::mnuPSK_Click() {}
void MainWindow::Label24_Click() {}
void MainWindow::Label30_Click() {}
void MainWindow::RefreshAfterBandChange() {}
void MainWindow::BandFreqConversion(float& frequencyValue) { (void)frequencyValue; }
void MainWindow::ModeSelection(std::string& strMode) { (void)strMode; }

}  // namespace ks
