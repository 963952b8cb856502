// The CW window's own events: load with the per-user timing settings, Done with cw.txt, the
// boxes when they are left, the keying options and the buttons.
#include "keying/keyer_files.h"
#include "keying/keying_state.h"
#include "keying/windows/CWFrm.h"
#include "keying/windows/frmCodePractice.h"
#include "keying/windows/frmWinKey.h"
#include "platform/forms/application.h"
#include "platform/forms/form_resize.h"
#include "platform/io/settings_store.h"
#include "platform/vb/constants.h"
#include "platform/vb/number_text.h"
#include "platform/vb/parse.h"
#include "platform/vb/rounding.h"
#include "startup/file_reports.h"
#include "startup/user_folders.h"

namespace ks {
namespace {

constexpr const char* kUserApp = "Corvane_Software";
constexpr const char* kUserSection = "Settings";
constexpr int kLowestWordSpace = -8;

// The text of a box that must hold a number, corrected to "0" when it does not.
void ZeroUnlessNumber(forms::TextBox& box) {
  if (!vb::IsNumeric(box.Text())) box.SetText("0");
}

}  // namespace

void CWFrm::Form_Load() {
  FitKeyerWindow(*this);
  io::SettingsStore& store = App().Settings();
  LoopsPer60ms = vb::CDbl(store.GetSetting(kUserApp, kUserSection, "UserCWLoopOffset", "0")).value_or(0);
  txtLoop.SetText(vb::CStr(LoopsPer60ms));
  const std::string method = store.GetSetting(kUserApp, kUserSection, "UserCWSelection", "Timer");
  if (method == "Timer") optTimer.SetValue(true);
  if (method == "Sleep") OptSleep.SetValue(true);
  if (method == "Loop") optLoop.SetValue(true);
}

void CWFrm::Command1_Click() {
  forms::Application& app = App();
  if (SaveCWSettings(app)) {
    const char* method = optTimer.Value() ? "Timer" : optLoop.Value() ? "Loop" : OptSleep.Value() ? "Sleep" : "";
    SaveUserSettings(app, kUserApp, kUserSection,
                     {{"UserCWSelection", method}, {"UserCWLoopOffset", vb::CStr(LoopsPer60ms)}});
  }
  Hide();
}

void CWFrm::Command4_Click() {
  forms::Application& app = App();
  const std::uint8_t keying = app.State<KeyingState>().CWKeying;
  // A serial line needs its port: the test is refused without one.
  if ((keying == kKeyingRTS || keying == kKeyingDTR) && vb::CDbl(Text10.Text()).value_or(0) < 1) {
    app.Beep();
    app.MsgBox("Please enter a com port for CW rig interface.", vb::vbOKOnly, "A com port is required.");
    Text10.SetFocus();
    return;
  }
  Label23.SetVisible(true);
  lblNotice.SetCaption("");
  lblNotice.SetToolTipText("");
  app.DoEvents();
  int f9 = 120;
  FKeyCW(f9);
  Label23.SetVisible(false);
  if (Visible()) Text1.SetFocus();
}

namespace {

void StepWordSpace(forms::TextBox& box, double step) {
  const std::optional<double> units = vb::CDbl(box.Text());
  box.SetText(units ? vb::CStr(*units + step) : "0");
}

}  // namespace

void CWFrm::Command5_Click() { StepWordSpace(txtSpace, -1); }

void CWFrm::Command6_Click() { StepWordSpace(txtSpace, 1); }

void CWFrm::Command7_Click() {
  forms::Application& app = App();
  frmCodePractice& practice = app.Get<frmCodePractice>();
  practice.ShowModal();
  if (frmCodePractice* still = app.IfLoaded<frmCodePractice>()) still->Unload();
  app.State<KeyingState>().CWBuffer.clear();
}

void CWFrm::cmdConfWinkey_Click() {
  App().Get<frmWinKey>().ShowModal();
  Command1.SetFocus();
}

void CWFrm::ChooseKeying(std::uint8_t keying) { App().State<KeyingState>().CWKeying = keying; }

void CWFrm::Option1_Click() {
  if (Option1.Value()) ChooseKeying(kKeyingRTS);
}
void CWFrm::Option2_Click() {
  if (Option2.Value()) ChooseKeying(kKeyingDTR);
}
void CWFrm::Option3_Click() {
  if (Option3.Value()) ChooseKeying(kKeyingParallel);
}
void CWFrm::Option4_Click() {
  if (Option4.Value()) ChooseKeying(kKeyingNone);
}
void CWFrm::Option5_Click() {
  if (!Option5.Value()) return;
  ChooseKeying(kKeyingWinKeyer);
  cmdConfWinkey.SetVisible(true);
  App().Get<frmWinKey>();
}

// The operator sets the port here: a port that does not open is told in a message box.
void CWFrm::Text10_LostFocus() {
  port_lost_ = false;
  ZeroUnlessNumber(Text10);
  CWSetup();
}

void CWFrm::Text11_LostFocus() { ZeroUnlessNumber(Text11); }

void CWFrm::txtSpace_Change() {
  const std::optional<double> units = vb::CDbl(txtSpace.Text());
  if (units && *units < kLowestWordSpace) txtSpace.SetText(std::to_string(kLowestWordSpace));
}

void CWFrm::txtSpace_LostFocus() { ZeroUnlessNumber(txtSpace); }

void CWFrm::txtCWLoop_LostFocus() { RepeatBoxLeft(txtCWLoop, tmrRepeat); }

}  // namespace ks
