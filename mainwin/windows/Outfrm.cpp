#include "mainwin/windows/Outfrm.h"

#include "mainwin/main_window_design.h"
#include "platform/forms/application.h"
#include "station/station_settings.h"

namespace ks {

Outfrm::Outfrm(forms::Application& app) : MainWindow(app, "Outfrm", MainWindowKind::OutOfState) {
  DesignOwnControls();
  WireEntry();
}

void Outfrm::DesignOwnControls() {
  SetCaption("Keystone - Pennsylvania QSO Party - Out of State");
  DesignScoreBlock({"Total PH Contacts ........", "Total CW Contacts ......", "QSO Points ..................",
                    "Total Multipliers ...........", "Total Score..................", "QSOs / Hr (last 60 min)",
                    "QSOs / Hr (last 20 min)"},
                   440, 300);
  DesignEntryLine();
  DesignLists();
  DesignBottomRow();
}

// Captions over the boxes; the state / country and sent-report boxes stay hidden.
void Outfrm::DesignEntryLine() {
  SetCaptionAt(lblStation(2), "  Call", 0, 2520, 1135, 405);
  SetCaptionAt(lblStation(3), "Serial", 1200, 2520, 1015, 405);
  SetCaptionAt(lblStation(4), "County", 2280, 2520, 1785, 405);
  SetCaptionAt(lblStation(6), "Pts", 4120, 2520, 570, 405);
  SetCaptionAt(lblStation(1), "State/Prov/Cntr", 2280, 2520, 1785, 405);
  SetCaptionAt(lblStation(0), "RS(T) Sn", 4120, 2520, 570, 405);
  txtCall.Move(0, 2970, 1135, 285);
  txtRSTR.Move(1200, 2970, 1015, 285);
  txtSec.Move(2280, 2970, 1785, 285);
  txtPts.Move(4120, 2970, 570, 285);
  txtCntry.Move(2280, 2970, 1785, 285);
  txtRSTS.Move(4120, 2970, 570, 285);
  txtRSTR.MaxLength = 8;
  txtPts.MaxLength = 20;
  int tab = 1;
  for (forms::TextBox* box : {&txtCall, &txtRSTR, &txtSec, &txtPts, &txtPostConTime, &txtPostConDate, &txtCntry, &txtRSTS})
    box->SetTabIndex(tab++);
  for (forms::Control* hidden : std::initializer_list<forms::Control*>{&lblStation(1), &lblStation(0), &txtCntry,
                                                                       &Label3, &lblCon, &Label19, &lblBearing,
                                                                       &Label22, &lblMiles, &Label23})
    hidden->SetVisible(false);
  Label3.Move(3600, 2520, 495, 255);

  // The message label reaches down to the foot of the post-contest row, which takes its
  // lower part while it is shown.
  lblDialog.Move(0, 3360, 4695, 885);
  SetCaptionAt(lblPostConTime, "Time", 240, 3960, 600, 285);
  txtPostConTime.Move(885, 3960, 855, 285);
  SetCaptionAt(lblPostConDate, "Date", 1800, 3960, 480, 285);
  txtPostConDate.Move(2280, 3960, 1335, 285);
  SetCaptionAt(lblPossDup, "Possible Duplicates", 0, 4440, 3000, 375);
  cmdDup.Move(4080, 4530, 615, 315);
  lblDupe.Move(0, 4920, 4695, 855);
}

// "Counties Worked" and "Counties To Go", stretched down to Line3.
void Outfrm::DesignLists() {
  SetCaptionAt(lblStation(5), "Counties Worked", 4920, 2520, 2205, 375);
  SetCaptionAt(lblStation(7), "Counties To Go", 7200, 2520, 2205, 375);
  lblStation(8).SetVisible(false);
  List2.Move(4920, 2940, 2205, 2985);
  List1.Move(7200, 2940, 2205, 2985);
  Line3.SetEnds(4920, 5925, 9405, 5925);
  Command1.Move(7200, 2160, 1095, 315);
  Command1.SetCaption("Crnt Mode");
}

// Operating time, Log "Time On", band, mode, own call, next serial, own section, clocks.
void Outfrm::DesignBottomRow() {
  // The captions under the county lists start below their bottom edge (Line3).
  SetCaptionAt(lblOperatingTime, "Operating Time", 0, 5880, 1335, 240);
  lblttrack.Move(240, 6120, 1095, 315);
  cmdLogOn.Move(1440, 6000, 1575, 435);
  SetCaptionAt(lblBandCaption, "Band", 3240, 5880, 735, 240);
  Label24.Move(3240, 6120, 735, 315);
  SetCaptionAt(lblModeCaption, "Mode", 4080, 5880, 735, 240);
  Label30.Move(4080, 6120, 735, 315);
  SetCaptionAt(lblOwnCallCaption, "My Call", 5040, 5955, 1095, 225);
  Label2.Move(5040, 6180, 1095, 300);
  SetCaptionAt(lblSerialCaption, "Next Serial", 6240, 5955, 840, 225);
  Label1.Move(6240, 6180, 840, 300);
  SetCaptionAt(lblOwnExchangeCaption, "My Section", 7080, 5955, 1140, 225);
  Label25.Move(7080, 6180, 1140, 300);
  Label25.SetCaption("SPC");
  // The clocks end at the window's right edge, with room for "UTC" beside the time.
  lblCurTime.Move(8220, 5955, 810, 270);
  Label16.Move(9030, 5955, 450, 270);
  lblutctime.Move(8220, 6210, 810, 270);
  lblUTCCaption.Move(9030, 6210, 450, 270);
}

std::string Outfrm::StartingHint() const { return "Select a band and mode. Click Log \"Time On\" below!"; }

void Outfrm::AddRecentContactColumns() {
  AddScaledColumn(ListView1, "Rec#", 550);
  AddScaledColumn(ListView1, "Call", 1200);
  AddScaledColumn(ListView1, "Rec", 430);
  AddScaledColumn(ListView1, "County", 1200);
  AddScaledColumn(ListView1, "Snt", 420);
  AddScaledColumn(ListView1, "Date/Time", 900);
  AddScaledColumn(ListView1, "Mo", 430);
  AddScaledColumn(ListView1, "Bnd", 430);
  AddScaledColumn(ListView1, "Pts", 370);
}

// The own section (or state when there is none) and, when there is one, the own call.
void Outfrm::ShowOwnStation() {
  const auto& settings = App().State<StationSettings>();
  Label25.SetCaption(!settings.OwnARRLSection.empty() ? settings.OwnARRLSection : settings.OwnSPC);
  if (!settings.OwnCall.empty()) Label2.SetCaption(settings.OwnCall);
}

}  // namespace ks
