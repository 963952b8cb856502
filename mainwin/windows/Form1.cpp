#include "mainwin/windows/Form1.h"

#include "mainwin/windows/Infrm.h"
#include "mainwin/windows/Outfrm.h"
#include "platform/forms/application.h"
#include "station/station_settings.h"

namespace ks {

Form1::Form1(forms::Application& app) : forms::Form(app, "Form1") {
  SetCaption("Form1");
  lblDX.SetVisible(false);
  txtCall.Change = [this] { txtCall_Change(); };
  txtDX.Change = [this] { txtDX_Change(); };
}

MainWindow& Form1::ActiveMainWindow() {
  if (App().State<StationSettings>().OutOfState != 0) return App().Get<Outfrm>();
  return App().Get<Infrm>();
}

void Form1::SavePref() { WritePrefFile(App()); }

void Form1::BandFreqConversion(float& frequencyValue) { ActiveMainWindow().BandFreqConversion(frequencyValue); }

void Form1::ModeSelection(std::string& strMode) { ActiveMainWindow().ModeSelection(strMode); }

void Form1::PacketResize() { ActiveMainWindow().PacketResize(); }

void Form1::DisplayBandMapLabels() { ActiveMainWindow().DisplayBandMapLabels(); }

void Form1::BandMapSpots(std::string& qDXSpotCall, std::string& qDXSpotFreq, std::string& qDXSpotRecord) {
  ActiveMainWindow().BandMapSpots(qDXSpotCall, qDXSpotFreq, qDXSpotRecord);
}

}  // namespace ks
