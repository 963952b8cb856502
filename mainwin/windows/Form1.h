#pragma once
// The dispatcher: a window that is never shown, through which the rig and spot windows reach
// whichever main window the station setup opened (Outfrm when OutOfState is not 0, Infrm
// otherwise), and whose lblDX's visibility tells that the band map is shown.
#include <string>

#include "platform/forms/controls.h"
#include "platform/forms/form.h"

namespace ks {

class MainWindow;

class Form1 : public forms::Form {
 public:
  explicit Form1(forms::Application& app);

  void SavePref();
  void BandFreqConversion(float& frequencyValue);
  void ModeSelection(std::string& strMode);
  void PacketResize();
  void DisplayBandMapLabels();
  void BandMapSpots(std::string& qDXSpotCall, std::string& qDXSpotFreq, std::string& qDXSpotRecord);

  forms::Label lblDX{*this, "lblDX"};  // visible exactly while the band map is shown
  forms::TextBox txtCall{*this, "txtCall"};
  forms::TextBox txtDX{*this, "txtDX"};

 private:
  // The main window chosen by OutOfState, created when it does not exist yet.
  MainWindow& ActiveMainWindow();
  void txtCall_Change() {}
  void txtDX_Change() {}
};

}  // namespace ks
