// The main window's DX area: the spot list, the band map and the layout of the strip that
// holds them. Nothing is shown there until DX spotting is built; these do nothing yet.
#include "mainwin/main_window.h"

namespace ks {

void MainWindow::PacketResize() {}

void MainWindow::BandMapSpots(std::string& qDXSpotCall, std::string& qDXSpotFreq, std::string& qDXSpotRecord) {
  (void)qDXSpotCall;
  (void)qDXSpotFreq;
  (void)qDXSpotRecord;
}

void MainWindow::DisplayBandMapLabels() {}

void MainWindow::SetBandMapScale() {}

void MainWindow::RedrawBandMap() {
  if (lblDX.Visible()) DisplayBandMapLabels();
}

}  // namespace ks
