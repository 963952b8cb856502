// The rig window's load, its settings file, the presets of the radio families and the
// handlers of its options, check boxes and buttons.
#include <utility>
#include <algorithm>

#include "mainwin/windows/Form1.h"
#include "platform/forms/application.h"
#include "platform/forms/form_resize.h"
#include "platform/io/files.h"
#include "platform/io/serial_port.h"
#include "platform/vb/constants.h"
#include "platform/vb/text.h"
#include "rig/control/rig_cntrl_file.h"
#include "rig/windows/RigControlfrm.h"
#include "rig/windows/frmFrequencyTest.h"
#include "startup/file_reports.h"
#include "startup/user_folders.h"

namespace ks {
namespace {

struct Preset {
  const char* family;
  forms::OptionButton RigControlfrm::*baud;
  forms::OptionButton RigControlfrm::*data;
  forms::OptionButton RigControlfrm::*stop;
  forms::OptionButton RigControlfrm::*parity;
  const char* freq;
  const char* mode;
  int to_hex;
};

using R = RigControlfrm;
// A null member leaves that group as it is.
const Preset kPresets[] = {
    {"Elecraft", &R::optBaud48, &R::optData8, &R::optStop2, &R::optParityNone, "FA;", "MD;", 0},
    {"Icom", &R::optBaud12, &R::optData8, &R::optStop1, &R::optParityNone, "FE FE 64 E0 03 FD", "FE FE 64 E0 04 FD", 1},
    {"Icom 735", &R::optBaud12, &R::optData8, &R::optStop1, &R::optParityNone, "FE FE 64 E0 03 FD", "FE FE 64 E0 04 FD", 1},
    {"Kenwood", &R::optBaud48, &R::optData8, &R::optStop2, &R::optParityNone, "FA;", "MD;", 0},
    {"Kenwood 2", &R::optBaud48, &R::optData8, &R::optStop2, &R::optParityNone, "IF;", "", 0},
    {"Ten Tec Omni VI", &R::optBaud12, &R::optData8, &R::optStop1, &R::optParityNone, "FE FE 04 E0 03 FD", "FE FE 04 E0 04 FD", 1},
    {"Ten Tec Orion", &R::optBaud560, &R::optData8, &R::optStop1, &R::optParityNone, "?AF", "?RMM", 0},
    {"Ten Tec Fnt Pnl", &R::optBaud560, &R::optData8, &R::optStop1, &R::optParityNone, "3F 41 0D", "3F 4D 0D", 1},
    {"Yaesu", &R::optBaud48, &R::optData8, &R::optStop2, &R::optParityNone, "00 00 00 00 03", "", 1},
    {"Yaesu 757 GX II", &R::optBaud48, &R::optData8, &R::optStop2, &R::optParityNone, "00 00 00 00 10", "", 1},
    {"Yaesu 890", &R::optBaud48, &R::optData8, &R::optStop2, &R::optParityNone, "00 00 00 02 10", "", 1},
    {"Yaesu 920", &R::optBaud48, &R::optData8, &R::optStop2, &R::optParityNone, "00 00 00 02 10", "", 1},
    {"Yaesu 990", &R::optBaud48, &R::optData8, &R::optStop2, &R::optParityNone, "00 00 00 02 10", "", 1},
    {"Yaesu 1000 D", &R::optBaud48, &R::optData8, &R::optStop2, &R::optParityNone, "00 00 00 02 10", "", 1},
    {"Yaesu 1000", &R::optBaud48, &R::optData8, &R::optStop2, &R::optParityNone, "00 00 00 02 10", "", 1},
    {"Yaesu FTdx9000", &R::optBaud48, nullptr, nullptr, nullptr, "FA;", "MD0;", 0},
};

// Each option of a group is checked when its value is the stored one.
void CheckByValue(std::initializer_list<std::pair<forms::OptionButton*, const char*>> options, const std::string& value) {
  for (auto& [option, text] : options) option->SetValue(value == text);
}

}  // namespace

void RigControlfrm::WireHandlers() {
  List1.Click = [this] { List1_Click(); };
  cmdDone.Click = [this] { cmdDone_Click(); };
  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { Command2_Click(); };
  Command3.Click = [this] { Command3_Click(); };
  Command4.Click = [this] { Command4_Click(); };
  chkConvToHex.Click = [this] { chkConvToHex_Click(); };
  txtFreq.Change = [this] { txtFreq_Change(); };
  txtMode.Change = [this] { txtMode_Change(); };
  txtFreq.GotFocus = [this] { txtFreq_GotFocus(); };
  txtMode.GotFocus = [this] { txtMode_GotFocus(); };
  for (int i = 0; i < optComm.Count(); ++i) optComm(i).Click = [this, i] { optComm_Click(i); };
  const std::pair<forms::OptionButton*, void (RigControlfrm::*)()> serial_options[] = {
      {&optBaud12, &RigControlfrm::optBaud12_Click},
      {&optBaud24, &RigControlfrm::optBaud24_Click},
      {&optBaud48, &RigControlfrm::optBaud48_Click},
      {&optBaud96, &RigControlfrm::optBaud96_Click},
      {&optBaud144, &RigControlfrm::optBaud144_Click},
      {&optBaud192, &RigControlfrm::optBaud192_Click},
      {&optBaud288, &RigControlfrm::optBaud288_Click},
      {&optBaud384, &RigControlfrm::optBaud384_Click},
      {&optBaud560, &RigControlfrm::optBaud560_Click},
      {&optParityOdd, &RigControlfrm::optParityOdd_Click},
      {&optParityNone, &RigControlfrm::optParityNone_Click},
      {&optParityEven, &RigControlfrm::optParityEven_Click},
      {&optData7, &RigControlfrm::optData7_Click},
      {&optData8, &RigControlfrm::optData8_Click},
      {&optStop1, &RigControlfrm::optStop1_Click},
      {&optStop2, &RigControlfrm::optStop2_Click},
      {&optPowerNone, &RigControlfrm::optPowerNone_Click},
      {&optPowerRTS, &RigControlfrm::optPowerRTS_Click},
      {&optPowerDTR, &RigControlfrm::optPowerDTR_Click},
      {&optPollFast, &RigControlfrm::optPollFast_Click},
      {&optPollMed, &RigControlfrm::optPollMed_Click},
      {&optPollSlow, &RigControlfrm::optPollSlow_Click},
      {&optReallySlow, &RigControlfrm::optReallySlow_Click},
  };
  for (const auto& [option, handler] : serial_options) option->Click = [this, handler = handler] { (this->*handler)(); };
  OptRig.Click = [this] { OptRig_Click(); };
  OptFreq.Click = [this] { OptFreq_Click(); };
  OptDont.Click = [this] { OptDont_Click(); };
  tmrGetData.Tick = [this] { tmrGetData_Timer(); };
}

void RigControlfrm::Form_Load() {
  const auto& screen = App().GetScreen();
  forms::FitRule rule;
  rule.form_font = forms::FitRule::FontRatio::NewWidth;
  rule.control_font = forms::FitRule::FontRatio::WidthCapped;
  rule.target_width = screen.work_width;
  rule.target_height = screen.work_height;
  forms::FitFormToScreen(*this, rule);
  for (const auto& family : rig::RigFamilies()) List1.AddItem(std::string(family.name));
  RigSettingsLoading = 1;
  LoadRigSettings();
  LoadBandPlan();
  RigSettingsLoading = 0;
  KenwoodVFO = 10;
}

void RigControlfrm::LoadRigSettings() {
  std::string bytes;
  if (!io::ReadFile(WorkingFile(App(), "RigCntrl.txt"), bytes, io::kSettingsFileMaxBytes).ok()) return;
  const auto read = rig::ParseRigSettings(std::move(bytes));
  const auto& v = read.values;
  const int n = read.count;
  if (n >= 1) RigBaud = v.baud;
  if (n >= 2) RigParity = v.parity;
  if (n >= 3) RigDataBits = v.data_bits;
  if (n >= 4) RigStopBits = v.stop_bits;
  if (n >= 5) ModeRequest = v.mode_request;
  if (n >= 6) FreqRequest = v.freq_request;
  if (n >= 7) RigCommSettings = v.comm_settings;
  // A port number outside the window's ten is taken as the nearest of them.
  if (n >= 8) RigPortNumber = static_cast<std::uint8_t>(std::clamp(v.port_number, 1, 10));
  if (n >= 9) RigPowerLine = v.power_line;
  if (n >= 10) RigPollRate = v.poll_rate;
  if (n >= 11) RigName() = v.rig_name;
  if (n < 14) return;
  chkConvToHex.SetValue(v.convert_to_hex == 1 ? 1 : 0);
  chkFrequency.SetValue(v.use_frequency == 1 ? 1 : 0);
  if (v.mode_by == 1) OptRig.SetValue(true);
  if (v.mode_by == 2) OptFreq.SetValue(true);
  if (v.mode_by == 3) OptDont.SetValue(true);
  txtFreq.SetText(FreqRequest);
  txtMode.SetText(ModeRequest);
  for (int i = 0; i < List1.ListCount(); ++i) {
    if (List1.List(i) == RigName()) List1.SetListIndex(i);
  }
  if (RigName() == "Other") chkConvToHex.SetEnabled(true);
  if (RigName() == "Icom") Label10.SetVisible(true);
  optComm(RigPortNumber - 1).SetValue(true);
  CheckByValue({{&optBaud12, "1200"}, {&optBaud24, "2400"}, {&optBaud48, "4800"}, {&optBaud96, "9600"},
                {&optBaud144, "14400"}, {&optBaud192, "19200"}, {&optBaud288, "28800"}, {&optBaud384, "38400"},
                {&optBaud560, "56000"}}, vb::RTrim(RigBaud));
  CheckByValue({{&optParityOdd, "O"}, {&optParityNone, "N"}, {&optParityEven, "E"}}, RigParity);
  CheckByValue({{&optData7, "7"}, {&optData8, "8"}}, RigDataBits);
  CheckByValue({{&optStop1, "1"}, {&optStop2, "2"}}, RigStopBits);
  CheckByValue({{&optPowerNone, "N"}, {&optPowerRTS, "R"}, {&optPowerDTR, "D"}}, RigPowerLine);
  CheckByValue({{&optPollFast, "F"}, {&optPollMed, "M"}, {&optPollSlow, "S"}, {&optReallySlow, "R"}}, RigPollRate);
}

void RigControlfrm::SaveRigSettings() {
  rig::RigSettingsFile file;
  file.baud = RigBaud;
  file.parity = RigParity;
  file.data_bits = RigDataBits;
  file.stop_bits = RigStopBits;
  file.mode_request = ModeRequest;
  file.freq_request = FreqRequest;
  file.comm_settings = RigCommSettings;
  file.port_number = RigPortNumber;
  file.power_line = RigPowerLine;
  file.poll_rate = RigPollRate;
  file.rig_name = RigName();
  file.convert_to_hex = chkConvToHex.Value() == 1 ? 1 : 0;
  file.use_frequency = chkFrequency.Value() == 1 ? 1 : 0;
  file.mode_by = OptDont.Value() ? 3 : OptFreq.Value() ? 2 : 1;
  WriteSettingsFile(App(), WorkingFile(App(), "RigCntrl.txt"), rig::FormatRigSettings(file));
}

void RigControlfrm::List1_Click() {
  if (RigSettingsLoading) return;
  Command2_Click();
  RigName() = List1.Text();
  txtFreq.SetText("");
  txtMode.SetText("");
  chkConvToHex.SetValue(0);
  chkConvToHex.SetEnabled(false);
  Label10.SetVisible(false);
  ApplyPreset(RigName());
}

void RigControlfrm::ApplyPreset(const std::string& family) {
  if (family == "Other") chkConvToHex.SetEnabled(true);
  for (const auto& preset : kPresets) {
    if (family != preset.family) continue;
    for (auto member : {preset.baud, preset.data, preset.stop, preset.parity})
      if (member) (this->*member).SetValue(true);
    txtFreq.SetText(preset.freq);
    txtMode.SetText(preset.mode);
    chkConvToHex.SetValue(preset.to_hex);
    if (family == "Icom" || family == "Icom 735") Label10.SetVisible(true);
  }
}

void RigControlfrm::chkConvToHex_Click() { ChkConvHex.SetValue(chkConvToHex.Value()); }
void RigControlfrm::txtFreq_Change() { FreqRequest = txtFreq.Text(); }
void RigControlfrm::txtMode_Change() { ModeRequest = txtMode.Text(); }
void RigControlfrm::txtFreq_GotFocus() { Command2_Click(); }
void RigControlfrm::txtMode_GotFocus() { Command2_Click(); }
void RigControlfrm::optComm_Click(int) { Command2_Click(); }

void RigControlfrm::OptRig_Click() {
  lblMode.SetCaption("No Response");
  RigMode.clear();
}
void RigControlfrm::OptFreq_Click() { OptRig_Click(); }
void RigControlfrm::OptDont_Click() { OptRig_Click(); }

void RigControlfrm::cmdDone_Click() {
  if (RigName() != "None") Command1_Click();
  if (!IsLoaded()) return;
  App().Get<Form1>().SavePref();
  SaveRigSettings();
  Hide();
}

void RigControlfrm::Command3_Click() {
  if (tmrGetData.Enabled()) {
    App().Get<frmFrequencyTest>().ShowModal();
    if (auto* test = App().IfLoaded<frmFrequencyTest>()) test->Unload();
    return;
  }
  App().MsgBox(
      "You must be polling your rig to test this function.  Please select your rig type and click the Test command "
      "button.",
      vb::vbInformation, "You must be polling your rig to test this function.");
}

void RigControlfrm::Command4_Click() {
  App().Dialogs().SetClipboardText("");
  App().Dialogs().SetClipboardText(lblUnProcess.Caption());
  cmdDone.SetFocus();
}

bool RigControlfrm::WriteToRig(const std::string& bytes) { return port_->IsOpen() && port_->Write(bytes).ok(); }

}  // namespace ks
