#include "rig/windows/frmRigTune.h"

#include <cmath>

#include "platform/forms/application.h"
#include "platform/forms/form_resize.h"
#include "platform/vb/constants.h"
#include "platform/vb/format.h"
#include "platform/vb/number_text.h"
#include "platform/vb/parse.h"
#include "rig/windows/RigControlfrm.h"
#include "station/station_settings.h"

namespace ks {
namespace {

struct BandPreset {
  const char* caption;
  float mhz;
};
constexpr BandPreset kBands[16] = {{"160", 1.9f},   {"80", 3.75f},   {"60", 5.368f}, {"40", 7.15f},
                                   {"30", 10.13f},  {"20", 14.175f}, {"17", 18.118f}, {"15", 21.225f},
                                   {"12", 24.94f},  {"10", 28.5f},   {"6", 52.0f},   {"2", 146.0f},
                                   {"1.25", 223.5f}, {"70", 435.0f},  {"33", 915.0f},  {"23", 1270.0f}};

// Steps of the tune buttons by index / 2: 10 Hz, 1 MHz, 5 kHz, 1 kHz, 100 Hz.
constexpr double kTuneSteps[5] = {0.00001, 1, 0.005, 0.001, 0.0001};
constexpr const char* kTuneCaptions[5] = {"10 Hz", "1 MHz", "5 KHz", "1 KHz", "100 Hz"};
// Left-to-right column of each step on the tune rows.
constexpr int kTuneColumn[5] = {4, 0, 1, 2, 3};

// A frequency text as a number within a Single's range: a longer run of digits is not one.
std::optional<float> FrequencyOf(const std::string& text) { return vb::CSng(text); }

}  // namespace

frmRigTune::frmRigTune(forms::Application& app) : forms::Form(app, "frmRigTune") {
  Design();
  Wire();
}

void frmRigTune::Design() {
  SetCaption(" Change Frequency and Mode (Ctrl G (Go))");
  SetClientSize(4905, 5010);
  KeyPreview = true;
  ShowInTaskbar = false;
  for (int i = 0; i < 16; ++i) {
    auto& button = cmdBand.Design(i);
    button.SetCaption(kBands[i].caption);
    button.Move(120 + static_cast<float>(i % 8) * 585, i < 8 ? 120 : 480, 555, 315);
  }
  int column = 0;
  for (auto* mode : {&cmdCW, &cmdUSB, &cmdLSB, &cmdAM, &cmdFM, &cmdRTTY}) {
    mode->Move(120 + static_cast<float>(column++) * 780, 960, 735, 345);
  }
  cmdCW.SetCaption("&CW");
  cmdUSB.SetCaption("&USB");
  cmdLSB.SetCaption("&LSB");
  cmdAM.SetCaption("&AM");
  cmdFM.SetCaption("&FM");
  cmdRTTY.SetCaption("&RTTY");
  Label1.SetCaption("Frequency in MHz:");
  Label1.Move(120, 1530, 1500, 255);
  txtFreq.Move(1680, 1470, 1800, 315);
  Command1.SetCaption("&Go");
  Command1.Move(3600, 1440, 1170, 375);
  for (auto* label : {&Label2, &Label3}) {
    label->SetFontSize(9.75f);
    label->SetFontBold(true);
  }
  Label2.SetCaption(" UP");
  Label2.Move(120, 2040, 735, 285);
  Label3.SetCaption(" Down");
  Label3.Move(120, 2430, 735, 285);
  for (int i = 0; i < 10; ++i) {
    auto& button = cmdTune.Design(i);
    button.SetCaption(kTuneCaptions[i / 2]);
    button.Move(900 + static_cast<float>(kTuneColumn[i / 2]) * 780, i % 2 == 0 ? 2010 : 2400, 735, 315);
    button.SetEnabled(false);
  }
  chkScan.SetCaption("Scan");
  chkScan.Move(120, 2970, 855, 255);
  Label4.SetCaption("From:");
  Label4.Move(1080, 2985, 540, 255);
  txtFrom.SetText("1.8");
  txtFrom.Move(1620, 2940, 1080, 315);
  Label5.SetCaption("To:");
  Label5.Move(2820, 2985, 390, 255);
  txtTo.SetText("54");
  txtTo.Move(3210, 2940, 1080, 315);
  Frame1.SetCaption("Scan Steps");
  Frame1.Move(120, 3390, 4665, 735);
  int place = 0;
  for (auto [option, caption] : {std::pair{&Option5, "2.5 KHz"}, {&Option1, "500 Hz"}, {&Option2, "100 Hz"},
                                 {&Option3, "30 Hz"}, {&Option4, "10 Hz"}}) {
    option->SetCaption(caption);
    option->Move(120 + static_cast<float>(place++) * 900, 330, 900, 255);
  }
  Option4.SetValue(true);
  lblNotice.Move(120, 4380, 3330, 375);
  lblNotice.WordWrap = true;
  cmdDone.SetCaption("&Done");
  cmdDone.Move(3570, 4380, 1215, 375);
}

void frmRigTune::Wire() {
  Command1.Click = [this] { Command1_Click(); };
  for (int i = 0; i < 16; ++i) cmdBand(i).Click = [this, i] { cmdBand_Click(i); };
  for (int i = 0; i < 10; ++i) cmdTune(i).Click = [this, i] { cmdTune_Click(i); };
  cmdCW.Click = [this] { cmdCW_Click(); };
  cmdUSB.Click = [this] { cmdUSB_Click(); };
  cmdLSB.Click = [this] { cmdLSB_Click(); };
  cmdAM.Click = [this] { cmdAM_Click(); };
  cmdFM.Click = [this] { cmdFM_Click(); };
  cmdRTTY.Click = [this] { cmdRTTY_Click(); };
  txtFreq.Change = [this] { txtFreq_Change(); };
  txtFreq.KeyPress = [this](int& k) { txtFreq_KeyPress(k); };
  txtFrom.KeyPress = [this](int& k) { txtFrom_KeyPress(k); };
  txtTo.KeyPress = [this](int& k) { txtTo_KeyPress(k); };
  chkScan.Click = [this] { chkScan_Click(); };
  Timer1.Tick = [this] { Timer1_Timer(); };
  cmdDone.Click = [this] { cmdDone_Click(); };
}

void frmRigTune::Form_Load() {
  forms::FitRule rule;
  rule.form_font = forms::FitRule::FontRatio::Width;
  rule.control_font = forms::FitRule::FontRatio::WidthCapped;
  forms::FitFormToScreen(*this, rule);
}

void frmRigTune::Command1_Click() {
  ShowNotice("", "");
  SendFrequency(RigControlfrm::TellIn(lblNotice));
}

void frmRigTune::ShowNotice(const std::string& notice, const std::string& why) {
  lblNotice.SetCaption(notice);
  lblNotice.SetToolTipText(why);
}

void frmRigTune::SendFrequency(const RigControlfrm::SetFailureTeller& tell) {
  auto mhz = FrequencyOf(txtFreq.Text());
  if (!mhz || App().State<StationSettings>().RigName == "None") return;
  float frequency = *mhz;
  going_ = true;
  App().Get<RigControlfrm>().ChangeFrequency(frequency, tell);
  going_ = false;
}

void frmRigTune::cmdBand_Click(int Index) {
  txtFreq.SetText(vb::FormatSingle(kBands[Index].mhz));
  Command1_Click();
}

void frmRigTune::cmdTune_Click(int Index) {
  auto value = vb::CDbl(txtFreq.Text());
  if (!value) return;
  const double step = kTuneSteps[Index / 2];
  txtFreq.SetText(vb::FormatDouble(Index % 2 == 0 ? *value + step : *value - step));
  Command1_Click();
  if (IsLoaded()) cmdDone.SetFocus();
}

void frmRigTune::txtFreq_Change() {
  const bool number = FrequencyOf(txtFreq.Text()).has_value();
  for (int i = 0; i < 10; ++i) cmdTune(i).SetEnabled(number);
}

void frmRigTune::txtFreq_KeyPress(int& KeyAscii) {
  if (KeyAscii == vb::vbKeyReturn) {
    KeyAscii = 0;
    Command1_Click();
    if (!IsLoaded()) return;
    txtFreq.SetFocus();
    txtFreq.SetSelStart(static_cast<int>(txtFreq.Text().size()));
    return;
  }
  NumberKeyPress(KeyAscii);
}

void frmRigTune::NumberKeyPress(int& KeyAscii) {
  if (KeyAscii != vb::vbKeyBack && (KeyAscii < 46 || KeyAscii > 57)) KeyAscii = 0;
}

void frmRigTune::ModeButton_Click(const char* mode) {
  float frequency = 0;
  std::string text = mode;
  ShowNotice("", "");
  App().Get<RigControlfrm>().ChangeMode(frequency, text, RigControlfrm::TellIn(lblNotice));
  if (IsLoaded()) cmdDone.SetFocus();
}

void frmRigTune::Form_KeyPress(int& KeyAscii) {
  if (chkScan.Value() == 1) chkScan.SetValue(0);
}

void frmRigTune::chkScan_Click() {
  if (stopping_scan_) return;
  if (chkScan.Value() == 1) {
    ShowNotice("", "");
    if (!FrequencyOf(txtFreq.Text())) txtFreq.SetText(txtFrom.Text());
  }
  Command1.SetFocus();
}

void frmRigTune::StopScan(const char* notice, const std::string& why) {
  stopping_scan_ = true;
  chkScan.SetValue(0);
  stopping_scan_ = false;
  ShowNotice(notice, why);
}

// The scan stops, and says so, when a frequency cannot reach the radio: the rig's port fails
// under it, or the rig is no longer polled (the rig window found its port gone).
void frmRigTune::Timer1_Timer() {
  // A tick that falls while the last frequency still waits for the radio is skipped.
  if (chkScan.Value() != 1 || going_) return;
  auto from = FrequencyOf(txtFrom.Text());
  auto to = FrequencyOf(txtTo.Text());
  auto frequency = FrequencyOf(txtFreq.Text());
  if (!from || !to || !frequency) return;
  if (App().State<StationSettings>().RigName != "None" && !App().Get<RigControlfrm>().tmrGetData.Enabled()) {
    return StopScan(kNotPolledNotice, "");
  }
  float step = 0.00001f;
  if (Option5.Value()) step = 0.0025f;
  if (Option1.Value()) step = 0.0005f;
  if (Option2.Value()) step = 0.0001f;
  if (Option3.Value()) step = 0.00003f;
  float next = *frequency + step;
  if (next > *to) next = *from;
  txtFreq.SetText(vb::Format(next, "####.#####"));
  std::string failure;
  SendFrequency([&failure](const std::string& text, const std::string& title) {
    if (failure.empty()) failure = title + ": " + text;
  });
  if (!failure.empty() && IsLoaded()) StopScan(kPortErrorNotice, failure);
}

void frmRigTune::cmdDone_Click() { Hide(); }

}  // namespace ks
