#pragma once
// The controls and menus that both main windows carry. Declaration order is the window's
// control collection order; the tab order of the entry line is set explicitly by the design.
// What only one window has (the in-state window's section grid and third list) is declared
// in that window's class; the two menu items only the in-state window offers are made here,
// at their place in the menu bar, for that window only.
#include <memory>
#include <string>

#include "platform/forms/control_array.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/listview.h"

namespace ks {

// Which of the twin windows an instance is.
enum class MainWindowKind { OutOfState, InState };

class MainWindowControls : public forms::Form {
 public:
  MainWindowControls(forms::Application& app, std::string name, MainWindowKind kind);

  MainWindowKind Kind() const { return kind_; }
  bool IsInState() const { return kind_ == MainWindowKind::InState; }

 private:
  MainWindowKind kind_;

 public:
  // ---- Recent contacts and score, across the top ----
  forms::Label lblRecentContacts{*this, "lblRecentContacts"};
  forms::CommandButton cmdList{*this, "cmdList"};
  forms::ListView ListView1{*this, "ListView1"};
  forms::CommandButton cmdEdit{*this, "cmdEdit"};
  forms::CommandButton cmdDelete{*this, "cmdDelete"};
  forms::Label lblScoreStatistics{*this, "lblScoreStatistics"};
  // The static captions of the score block, in the order of the value labels below.
  forms::ControlArray<forms::Label> lblScoreCaption{*this, "lblScoreCaption"};
  forms::Label lblTotCon{*this, "lblTotCon"};
  forms::Label lblSectogo{*this, "lblSectogo"};
  forms::Label Label27{*this, "Label27"};
  forms::Label lblTotSec{*this, "lblTotSec"};
  forms::Label lblTotScore{*this, "lblTotScore"};
  forms::Label lblAQSO60{*this, "lblAQSO60"};
  forms::Label lblAQSO20{*this, "lblAQSO20"};

  // ---- Entry line ----
  // Captions: 0 "RS(T) Sn", 1 the exchange box, 2 call, 3 serial, 4 county, 6 points; the
  // list headings are 5 and 7 (and 8 in the in-state window).
  forms::ControlArray<forms::Label> lblStation{*this, "lblStation"};
  forms::TextBox txtCall{*this, "txtCall"};
  forms::TextBox txtRSTR{*this, "txtRSTR"};
  forms::TextBox txtCntry{*this, "txtCntry"};
  forms::TextBox txtSec{*this, "txtSec"};
  forms::TextBox txtPts{*this, "txtPts"};
  forms::TextBox txtPostConTime{*this, "txtPostConTime"};
  forms::TextBox txtPostConDate{*this, "txtPostConDate"};
  forms::TextBox txtRSTS{*this, "txtRSTS"};
  forms::Label lblPostConTime{*this, "lblPostConTime"};
  forms::Label lblPostConDate{*this, "lblPostConDate"};
  // The "New" marker and the continent, bearing and distance read-outs with their captions.
  forms::Label Label3{*this, "Label3"};
  forms::Label lblCon{*this, "lblCon"};
  forms::Label Label19{*this, "Label19"};
  forms::Label lblBearing{*this, "lblBearing"};
  forms::Label Label22{*this, "Label22"};
  forms::Label lblMiles{*this, "lblMiles"};
  forms::Label Label23{*this, "Label23"};
  forms::Label lblDialog{*this, "lblDialog"};
  forms::Label lblPossDup{*this, "lblPossDup"};
  forms::CommandButton cmdDup{*this, "cmdDup"};
  forms::Label lblDupe{*this, "lblDupe"};

  // ---- Multiplier lists ----
  forms::ListBox List1{*this, "List1"};
  forms::ListBox List2{*this, "List2"};
  // Its first end's height marks the bottom edge of the multiplier lists.
  forms::Line Line3{*this, "Line3", 0, 0, 0, 0};
  // The mode-filter button of the list area; hidden for the whole run.
  forms::CommandButton Command1{*this, "Command1"};

  // ---- Bottom row: operating time, band, mode, own station, clocks ----
  forms::Label lblOperatingTime{*this, "lblOperatingTime"};
  forms::Label lblttrack{*this, "lblttrack"};
  forms::CommandButton cmdLogOn{*this, "cmdLogOn"};
  forms::Label lblBandCaption{*this, "lblBandCaption"};
  forms::Label Label24{*this, "Label24"};
  forms::Label lblModeCaption{*this, "lblModeCaption"};
  forms::Label Label30{*this, "Label30"};
  forms::Label lblOwnCallCaption{*this, "lblOwnCallCaption"};
  forms::Label Label2{*this, "Label2"};
  forms::Label lblSerialCaption{*this, "lblSerialCaption"};
  forms::Label Label1{*this, "Label1"};
  forms::Label lblOwnExchangeCaption{*this, "lblOwnExchangeCaption"};
  forms::Label Label25{*this, "Label25"};
  forms::Label lblCurTime{*this, "lblCurTime"};
  forms::Label Label16{*this, "Label16"};
  forms::Label lblutctime{*this, "lblutctime"};
  forms::Label lblUTCCaption{*this, "lblUTCCaption"};

  // ---- DX area along the bottom edge, hidden until the spot window lays it out: the spot
  // list, the band map's panel, its axis, its five scale labels and its fifty spot labels ----
  forms::ListView txtDX{*this, "txtDX"};
  forms::Label lblDX{*this, "lblDX"};
  forms::Line LineDX{*this, "LineDX", 0, 1000, 0, 1000};
  forms::ControlArray<forms::Label> lblFreqSpot{*this, "lblFreqSpot"};
  forms::ControlArray<forms::Label> lblDXSpot{*this, "lblDXSpot"};

  // ---- Timers and the file dialog ----
  forms::Timer Timer1{*this, "Timer1", 60000, true};  // QSO rates
  forms::Timer Timer2{*this, "Timer2", 1000, true};   // clocks and operating time
  forms::CommonDialog cdbFile{*this, "cdbFile"};

  // ---- Menu bar ----
  forms::Menu mnuFile{*this, "mnuFile", nullptr, "&File"};
  forms::Menu mnuNew{*this, "mnuNew", &mnuFile, "&New"};
  forms::Menu mnuFileBar1{*this, "mnuFileBar1", &mnuFile, "-"};
  forms::Menu mnuArchive{*this, "mnuArchive", &mnuFile, "Archive Current &Log"};
  forms::Menu mnuFileBar2{*this, "mnuFileBar2", &mnuFile, "-"};
  forms::Menu mnuRestore{*this, "mnuRestore", &mnuFile, "&Restore from Archive or Backup"};
  forms::Menu mnuFileBar3{*this, "mnuFileBar3", &mnuFile, "-"};
  forms::Menu mnuWriteSumm{*this, "mnuWriteSumm", &mnuFile, "&Write Submission File"};
  forms::Menu mnuFileBar4{*this, "mnuFileBar4", &mnuFile, "-"};
  forms::Menu mnuexportADIF{*this, "mnuexportADIF", &mnuFile, "Export &ADIF File"};
  // Created but never offered (hidden at load); its export is complete all the same.
  forms::Menu mnuPellhamImport{*this, "mnuPellhamImport", &mnuFile, "E&xport for Pellham Import"};
  forms::Menu mnuFileBar5{*this, "mnuFileBar5", &mnuFile, "-"};
  forms::Menu mnuCopyListtoClipboard{*this, "mnuCopyListtoClipboard", &mnuFile, "&Copy Listed Items to Clipboard"};
  forms::Menu mnuFileBar6{*this, "mnuFileBar6", &mnuFile, "-"};
  forms::Menu mnuExit{*this, "mnuExit", &mnuFile, "&Exit"};

  forms::Menu mnuOptions{*this, "mnuOptions", nullptr, "&Options"};
  forms::Menu mnuAppearance{*this, "mnuAppearance", &mnuOptions, "&Appearance"};
  forms::Menu mnuFormSize{*this, "mnuFormSize", &mnuAppearance, "&Form Size"};
  // In-state window only (null in the out-of-state window, which never offers it).
  std::unique_ptr<forms::Menu> mnuColors = MakeInStateMenu("mnuColors", &mnuAppearance, "&Colors");
  forms::Menu mnuTaskbar{*this, "mnuTaskbar", &mnuAppearance, "&Taskbar"};
  forms::Menu mnuOptionsBar1{*this, "mnuOptionsBar1", &mnuOptions, "-"};
  forms::Menu mnutrans{*this, "mnutrans", &mnuOptions, "&Transmit"};
  forms::Menu mnuCW{*this, "mnuCW", &mnutrans, "&CW Setup"};
  forms::Menu mnuVoice{*this, "mnuVoice", &mnutrans, "&Voice Setup"};
  forms::Menu mnuOptionsBar2{*this, "mnuOptionsBar2", &mnuOptions, "-"};
  forms::Menu mnuRigInterface{*this, "mnuRigInterface", &mnuOptions, "&Rig Interface"};
  forms::Menu mnuOptionsBar3{*this, "mnuOptionsBar3", &mnuOptions, "-"};
  forms::Menu mnuDX{*this, "mnuDX", &mnuOptions, "&DX Spotting"};
  forms::Menu mnuDXSpotting{*this, "mnuDXSpotting", &mnuDX, "&Configure"};
  forms::Menu mnuSpectrumMap{*this, "mnuSpectrumMap", &mnuDX, "&View Spectrum Map"};
  forms::Menu mnuOptionsBar4{*this, "mnuOptionsBar4", &mnuOptions, "-"};
  forms::Menu mnuBlind{*this, "mnuBlind", &mnuOptions, "&Voice Navigation"};
  forms::Menu mnuOptionsBar5{*this, "mnuOptionsBar5", &mnuOptions, "-"};
  forms::Menu mnuListPrevious{*this, "mnuListPrevious", &mnuOptions, "&List Previous Contacts"};
  forms::Menu mnuOptionsBar6{*this, "mnuOptionsBar6", &mnuOptions, "-"};
  forms::Menu mnuPostContest{*this, "mnuPostContest", &mnuOptions, "&Post Contest Mode"};

  forms::Menu mnuBandChange{*this, "mnuBandChange", nullptr, "&Band"};
  forms::Menu mnuBand160Ch{*this, "mnuBand160Ch", &mnuBandChange, "160"};
  forms::Menu mnuBand80Ch{*this, "mnuBand80Ch", &mnuBandChange, "80"};
  forms::Menu mnuBand40Ch{*this, "mnuBand40Ch", &mnuBandChange, "40"};
  forms::Menu mnuBand20Ch{*this, "mnuBand20Ch", &mnuBandChange, "20"};
  forms::Menu mnuBand15Ch{*this, "mnuBand15Ch", &mnuBandChange, "15"};
  forms::Menu mnuBand10Ch{*this, "mnuBand10Ch", &mnuBandChange, "10"};
  forms::Menu mnuBand6Ch{*this, "mnuBand6Ch", &mnuBandChange, "6"};
  forms::Menu mnuBand2Ch{*this, "mnuBand2Ch", &mnuBandChange, "2"};
  forms::Menu mnuBandBar1{*this, "mnuBandBar1", &mnuBandChange, "-"};
  forms::Menu mnuPrivileges{*this, "mnuPrivileges", &mnuBandChange, "&Privileges"};

  // The Mode menu (its control is named mnuBand; its "CW" item mnu160).
  forms::Menu mnuBand{*this, "mnuBand", nullptr, "&Mode"};
  forms::Menu mnu160{*this, "mnu160", &mnuBand, "&CW"};
  forms::Menu mnuSSB{*this, "mnuSSB", &mnuBand, "&PH"};
  forms::Menu mnuDigital{*this, "mnuDigital", &mnuBand, "&RTTY"};
  forms::Menu mnuPSK{*this, "mnuPSK", &mnuBand, "PS&K"};

  forms::Menu mnuClear{*this, "mnuClear", nullptr, "&Clear"};
  // In-state window only: greyed unless the station is a rover.
  std::unique_ptr<forms::Menu> mnuChangeCounty = MakeInStateMenu("mnuChangeCounty", nullptr, "Cha&nge County");
  forms::Menu mnuMap{*this, "mnuMap", nullptr, "M&ap"};
  forms::Menu mnuGraph{*this, "mnuGraph", nullptr, "&Graph"};
  forms::Menu mnuRecall{*this, "mnuRecall", nullptr, "&Recall"};
  forms::Menu mnuCountyList{*this, "mnuCountyList", nullptr, "L&ist"};
  forms::Menu mnuHelp{*this, "mnuHelp", nullptr, "&Help"};

  // The eight band items and the four mode items, in menu order.
  forms::Menu* BandItems[8] = {&mnuBand160Ch, &mnuBand80Ch, &mnuBand40Ch, &mnuBand20Ch,
                               &mnuBand15Ch,  &mnuBand10Ch, &mnuBand6Ch,  &mnuBand2Ch};
  forms::Menu* ModeItems[4] = {&mnu160, &mnuSSB, &mnuDigital, &mnuPSK};

 private:
  std::unique_ptr<forms::Menu> MakeInStateMenu(const char* name, forms::Menu* parent, const char* caption);
};

}  // namespace ks
