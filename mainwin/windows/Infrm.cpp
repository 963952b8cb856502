#include "mainwin/windows/Infrm.h"

#include "mainwin/main_window_design.h"
#include "mainwin/section_table.h"
#include "platform/forms/application.h"
#include "station/station_settings.h"

namespace ks {

Infrm::Infrm(forms::Application& app) : MainWindow(app, "Infrm", MainWindowKind::InState) {
  DesignOwnControls();
  WireInStateMenus();
  WireInStateEntry();
}

void Infrm::DesignOwnControls() {
  SetCaption("Keystone - Pennsylvania QSO Party - In State");
  // A tighter score block than the other window's, to leave room for the grid's heading.
  DesignScoreBlock({"Total PH Contacts .......", "Total CW Contacts......", "QSO Points .................",
                    "Total Multipliers ...........", "Total Score..................", "QSOs / Hr (last 60 min)",
                    "QSOs / Hr (last 20 min)"},
                   420, 270);
  ListView1.SetToolTipText("Click record to edit or delete.");
  DesignEntryLine();
  DesignLists();
  DesignBottomRow();
  DesignSectionGrid();
}

// Call, serial, section / country, county, points; the sent report stays hidden.
void Infrm::DesignEntryLine() {
  SetCaptionAt(lblStation(2), "Call", 0, 2520, 1135, 405);
  SetCaptionAt(lblStation(3), "Serial", 1200, 2520, 1015, 405);
  SetCaptionAt(lblStation(1), "Section / Country", 2280, 2520, 1980, 405);
  SetCaptionAt(lblStation(4), "County", 4320, 2520, 1575, 405);
  SetCaptionAt(lblStation(6), "Pts", 5960, 2520, 495, 405);
  SetCaptionAt(lblStation(0), "RS(T) Sn", 5520, 1770, 990, 240);
  lblStation(0).SetVisible(false);
  txtCall.Move(0, 2970, 1135, 285);
  txtRSTR.Move(1200, 2970, 1015, 285);
  txtCntry.Move(2280, 2970, 1980, 285);
  txtSec.Move(4320, 2970, 1575, 285);
  txtPts.Move(5960, 2970, 495, 285);
  txtRSTS.Move(5520, 2010, 990, 285);
  txtRSTR.MaxLength = 6;
  txtPts.MaxLength = 3;
  txtCntry.SetToolTipText(txtRSTR.ToolTipText());
  txtRSTR.SetToolTipText("");
  int tab = 1;
  for (forms::TextBox* box : {&txtCall, &txtRSTR, &txtCntry, &txtSec, &txtPts, &txtPostConTime, &txtPostConDate, &txtRSTS})
    box->SetTabIndex(tab++);
  Label3.Move(3780, 2520, 495, 255);

  // The message label reaches down to the foot of the post-contest row, which takes its
  // lower part while it is shown and leaves it two lines.
  lblDialog.Move(0, 3360, 2895, 795);
  SetCaptionAt(lblPostConTime, "Time", 120, 3870, 540, 285);
  txtPostConTime.Move(660, 3870, 735, 285);
  SetCaptionAt(lblPostConDate, "Date", 1440, 3870, 480, 285);
  txtPostConDate.Move(1920, 3870, 975, 285);
  SetCaptionAt(lblPossDup, "   Possible Duplicates", 0, 4200, 2175, 375);
  cmdDup.Move(2280, 4230, 615, 315);
  lblDupe.Move(0, 4680, 2895, 615);
}

// DX countries worked, counties worked and counties still to work, stretched down to Line3.
void Infrm::DesignLists() {
  SetCaptionAt(lblStation(5), "DX", 3000, 3300, 1125, 285);
  SetCaptionAt(lblStation(8), "Cnty Wkd - 0", 4200, 3300, 1125, 285);
  SetCaptionAt(lblStation(7), "Cnty Rem - 0", 5400, 3300, 1125, 285);
  // The headings of the narrow lists in the smaller face, so that "Cnty Rem - 67" fits.
  for (int i : {5, 7, 8}) SetDesignFont(lblStation(i), kLabelFontSize, true);
  List1.Move(3000, 3600, 1125, 2370);
  List2.Move(4200, 3600, 1125, 2370);
  List3.Move(5400, 3600, 1125, 2370);
  List3.Sorted = true;
  SetDesignFont(List3, kLabelFontSize, false);
  Line3.SetEnds(3000, 5970, 6525, 5970);
  Command1.Move(5400, 3000, 1125, 255);
  Command1.SetCaption("All Modes");
}

// Log "Time On", operating time, band, mode, own call, next serial, own county, clocks.
void Infrm::DesignBottomRow() {
  // Up to the continent caption, and in the regular face, so that its longer caption,
  // Log "Time Off", fits.
  cmdLogOn.Move(0, 5360, 1185, 435);
  SetDesignFont(cmdLogOn, kLabelFontSize, false);
  SetCaptionAt(lblOperatingTime, "Operating Time", 0, 6000, 1335, 225);
  lblttrack.Move(120, 6195, 1095, 285);
  SetCaptionAt(lblBandCaption, "Band", 1440, 6000, 615, 225);
  Label24.Move(1440, 6195, 615, 285);
  SetCaptionAt(lblModeCaption, "Mode", 2160, 6000, 615, 225);
  Label30.Move(2160, 6195, 615, 285);
  SetCaptionAt(lblOwnCallCaption, "My Call", 3720, 6000, 1215, 225);
  Label2.Move(3720, 6195, 1215, 285);
  SetCaptionAt(lblSerialCaption, "Next Serial", 5040, 6000, 840, 225);
  Label1.Move(5040, 6195, 840, 285);
  SetCaptionAt(lblOwnExchangeCaption, "My County", 5880, 6000, 1095, 225);
  Label25.Move(5880, 6195, 1560, 285);
  Label25.SetCaption("County");
  lblCurTime.Move(8220, 5940, 810, 285);
  Label16.Move(9030, 5940, 450, 285);
  lblutctime.Move(8220, 6195, 810, 285);
  lblUTCCaption.Move(9030, 6195, 450, 285);
}

std::string Infrm::StartingHint() const { return "Select a band, mode and Click Log \"Time On\"!"; }

// Ten columns, and "County Sent" for a rover; only a rover may change its own county here.
void Infrm::AddRecentContactColumns() {
  AddScaledColumn(ListView1, "Rec#", 530);
  AddScaledColumn(ListView1, "Call", 850);
  AddScaledColumn(ListView1, "Rec", 430);
  AddScaledColumn(ListView1, "SPC", 700);
  AddScaledColumn(ListView1, "County", 950);
  AddScaledColumn(ListView1, "Snt", 420);
  AddScaledColumn(ListView1, "Date/Time", 890);
  AddScaledColumn(ListView1, "Mo", 430);
  AddScaledColumn(ListView1, "Bnd", 430);
  AddScaledColumn(ListView1, "Pts", 370);
  if (App().State<StationSettings>().Rover == 1) {
    AddScaledColumn(ListView1, "County Sent", 1050);
  } else {
    mnuChangeCounty->SetEnabled(false);
  }
}

// Fills the section table and captions the grid from it.
void Infrm::LoadSectionTable() {
  FillSectionTable(App());
  const auto& table = App().State<SectionTable>();
  for (int i = 1; i <= kSectionRows; ++i) {
    Label10(i).SetCaption(table.SectionAbbrev[static_cast<std::size_t>(i)]);
    Label10(i).SetToolTipText(table.SectionName[static_cast<std::size_t>(i)]);
  }
}

// The county box's heading and tooltip name the party state; the own county and call.
void Infrm::ShowOwnStation() {
  const auto& settings = App().State<StationSettings>();
  lblStation(4).SetCaption(settings.PartyState + " County");
  const std::string tip = "Enter " + settings.PartyState + " in the St / Prv / Country field to enable the County field";
  lblStation(4).SetToolTipText(tip);
  txtSec.SetToolTipText(tip);
  Label25.SetCaption(settings.OwnCounty);
  Label2.SetCaption(settings.OwnCall);
}

void Infrm::FitCountyListHeights() {
  MainWindow::FitCountyListHeights();
  List3.SetHeight(List1.Height());
}

}  // namespace ks
