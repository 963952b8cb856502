// The design both main windows share (captions, fonts, colours, the top area, the DX area)
// and the fitting of a window from its 9600 x 7200 twip design to the screen. Each window
// places its own entry line, lists and bottom row (windows/Outfrm.cpp, windows/Infrm.cpp).
#include <algorithm>

#include "mainwin/main_window.h"
#include "mainwin/main_window_design.h"
#include "platform/forms/application.h"
#include "platform/forms/form_resize.h"

namespace ks {

namespace {

// Entry boxes: their tab stops come before every other control's.
constexpr int kOtherTabIndexBase = 100;

void DesignEntryBoxes(MainWindow& w) {
  const char* county_line_tip = "Enter each county of a county line contact as a seperate QSO.";
  for (forms::TextBox* box : {&w.txtCall, &w.txtRSTR, &w.txtCntry, &w.txtSec, &w.txtPts, &w.txtRSTS})
    SetDesignFont(*box, kEntryFontSize, true);
  for (forms::TextBox* box : {&w.txtPostConTime, &w.txtPostConDate}) {
    SetDesignFont(*box, kValueFontSize, true);
    box->SetVisible(false);
  }
  w.txtPostConTime.MaxLength = 5;
  w.txtPostConDate.MaxLength = 10;
  w.txtCall.MaxLength = 12;
  w.txtSec.MaxLength = 20;
  w.txtCntry.MaxLength = 30;
  w.txtRSTS.MaxLength = 3;
  w.txtRSTS.SetVisible(false);
  w.txtRSTR.SetToolTipText(county_line_tip);
  w.txtSec.SetToolTipText(county_line_tip);
  w.lblPostConTime.SetCaption("Time");
  w.lblPostConDate.SetCaption("Date");
  w.lblPostConTime.SetVisible(false);
  w.lblPostConDate.SetVisible(false);
  // Read-outs of the station being entered, under the duplicates list.
  SetCaptionAt(w.lblCon, "Con", 1200, 5360, 495, 240);
  SetCaptionAt(w.lblBearing, "Bearing", 1740, 5360, 615, 240);
  SetCaptionAt(w.lblMiles, "Miles", 2400, 5360, 495, 240);
  SetCaptionAt(w.Label19, "", 1200, 5600, 495, 285);
  SetCaptionAt(w.Label22, "", 1740, 5600, 615, 285);
  SetCaptionAt(w.Label23, "", 2400, 5600, 495, 285);
  w.Label3.SetCaption("New");
  w.Label3.SetForeColor(forms::colors::kRed);
  SetDesignFont(w.Label3, kLabelFontSize, true);
}

void DesignMessageLabels(MainWindow& w) {
  w.lblDialog.SetBackColor(kDialogNormalColor);
  w.lblDialog.WordWrap = true;
  SetDesignFont(w.lblDialog, kValueFontSize, true);
  w.lblDupe.SetBackColor(forms::colors::kButtonFace);
  w.lblDupe.WordWrap = true;
  SetDesignFont(w.lblDupe, kLabelFontSize, true);
  SetDesignFont(w.lblPossDup, kHeadingFontSize, true);
  w.cmdDup.SetCaption("On");
  w.cmdDup.SetToolTipText("Displaying partial dupes slows the program on older pc's.");
}

void DesignBottomRow(MainWindow& w) {
  w.lblOperatingTime.SetCaption("Operating Time");
  w.lblttrack.SetCaption("00:00:00");
  w.cmdLogOn.SetCaption("&Log \"Time On\"");
  SetDesignFont(w.cmdLogOn, kLabelFontSize, true);
  w.lblBandCaption.SetCaption("Band");
  w.Label24.SetCaption("160");
  w.lblModeCaption.SetCaption("Mode");
  w.Label30.SetCaption("CW");
  w.Label30.SetToolTipText("Click to change modes.");
  w.lblOwnCallCaption.SetCaption("My Call");
  w.Label2.SetCaption("CALL");
  w.lblSerialCaption.SetCaption("Next Serial");
  w.Label1.SetCaption("1");
  w.lblCurTime.SetCaption("Reg Time");
  w.Label16.SetCaption("am");
  w.lblutctime.SetCaption("UTC TIME");
  w.lblUTCCaption.SetCaption("UTC");
  for (forms::Label* value : {&w.lblttrack, &w.Label24, &w.Label30, &w.Label2, &w.Label1, &w.Label25, &w.lblCurTime,
                              &w.Label16, &w.lblutctime, &w.lblUTCCaption}) {
    SetDesignFont(*value, kValueFontSize, true);
    value->TextAlign = forms::Alignment::Center;
  }
  for (forms::Label* value : {&w.Label24, &w.Label30}) value->Border = true;
}

// The DX area stays hidden, parked in the window's top part, until the spot window opens it.
void DesignDXArea(MainWindow& w) {
  constexpr float kParkedTop = 1000;
  w.txtDX.Move(0, kParkedTop, 9480, 1200);
  w.txtDX.SetVisible(false);
  w.txtDX.GridLines = true;
  w.lblDX.Move(0, kParkedTop, 9480, 1200);
  w.lblDX.SetBackColor(forms::Rgb(0, 0, 0x80));
  w.lblDX.SetVisible(false);
  w.LineDX.SetVisible(false);
  for (int i = 0; i <= 4; ++i) {
    forms::Label& scale = w.lblFreqSpot.Design(i);
    scale.Move(0, kParkedTop, 735, 225);
    scale.SetVisible(false);
  }
  for (int i = 0; i <= 49; ++i) {
    forms::Label& spot = w.lblDXSpot.Design(i);
    spot.Move(0, kParkedTop, 615, 195);
    SetDesignFont(spot, 6.75f, false);
    spot.SetVisible(false);
  }
}

}  // namespace

void MainWindow::DesignSharedControls() {
  Move(0, 0, forms::kDesignScreenWidth, forms::kDesignScreenHeight);
  SetFont(forms::Font{"Arial", kLabelFontSize, IsInState()});
  for (int i = 0; i <= 8; ++i) lblStation.Design(i);
  for (int i = 0; i <= 6; ++i) lblScoreCaption.Design(i);
  for (forms::Control* c : Controls()) {
    SetDesignFont(*c, kLabelFontSize, false);
    c->SetTabIndex(kOtherTabIndexBase + c->TabIndex());
  }
  for (int i = 0; i <= 8; ++i) SetDesignFont(lblStation(i), kHeadingFontSize, true);

  SetCaptionAt(lblRecentContacts, "Recent Contacts", 0, 0, 6375, 375);
  SetDesignFont(lblRecentContacts, kHeadingFontSize, true);
  cmdList.Move(5160, 80, 1095, 330);
  cmdList.SetCaption("Last 20");
  cmdList.SetToolTipText("List all or last 20 contacts (Listing all will slow the program)");
  ListView1.Move(0, 480, 6375, 1935);
  ListView1.GridLines = true;
  cmdEdit.Move(2160, 1440, 1215, 855);
  cmdEdit.SetCaption("Edit Contact");
  cmdDelete.Move(4200, 1440, 1215, 855);
  cmdDelete.SetCaption("Delete Contact");
  SetCaptionAt(lblScoreStatistics, "Score Statistics", 6480, 0, 3000, 375);
  SetDesignFont(lblScoreStatistics, kHeadingFontSize, true);

  DesignEntryBoxes(*this);
  DesignMessageLabels(*this);
  List1.Sorted = true;
  List2.Sorted = true;
  Command1.SetVisible(false);
  DesignBottomRow(*this);
  DesignDXArea(*this);
}

void MainWindow::DesignScoreBlock(const std::array<const char*, 7>& captions, float first_top, float pitch) {
  forms::Label* values[7] = {&lblTotCon, &lblSectogo, &Label27, &lblTotSec, &lblTotScore, &lblAQSO60, &lblAQSO20};
  for (int row = 0; row < 7; ++row) {
    const float top = first_top + pitch * static_cast<float>(row);
    const float height = std::min(285.0f, pitch - 15);
    SetCaptionAt(lblScoreCaption(row), captions[static_cast<std::size_t>(row)], 6480, top, 1905, height);
    values[row]->Move(8400, top, 1080, height);
    values[row]->TextAlign = forms::Alignment::Right;
    SetDesignFont(*values[row], kLabelFontSize, true);
    values[row]->SetCaption("0");
  }
  lblTotScore.SetCaption("");
}

void MainWindow::FitToScreen() {
  forms::FitRule rule;
  rule.lift = false;
  rule.form_font = forms::FitRule::FontRatio::Width;
  rule.control_font = forms::FitRule::FontRatio::Smaller;
  forms::FitFormToScreen(*this, rule);
}

void MainWindow::AddScaledColumn(forms::ListView& list, const char* header, float design_width,
                                 forms::Alignment alignment) {
  list.AddColumn(header, Width() / forms::kDesignScreenWidth * design_width, alignment);
}

void MainWindow::AddSpotListColumns() {
  AddScaledColumn(txtDX, "Call", 1040);
  AddScaledColumn(txtDX, "Frequency", 880, forms::Alignment::Right);
  AddScaledColumn(txtDX, "QTH", 2000);
  AddScaledColumn(txtDX, "Status", 0, forms::Alignment::Center);
  AddScaledColumn(txtDX, "Comments", 3400);
  AddScaledColumn(txtDX, "Prefix", 520);
  AddScaledColumn(txtDX, "Time", 600);
  AddScaledColumn(txtDX, "From", 520);
}

}  // namespace ks
