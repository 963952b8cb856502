// The CW sender: the function-key messages with their macros, the drain of CWBuffer, the
// speed steps and the F1 repeat.
#include "keying/cw_macros.h"
#include "keying/entry_window_link.h"
#include "keying/keying_state.h"
#include "keying/windows/CWFrm.h"
#include "keying/windows/frmWinKey.h"
#include "logstore/county_table.h"
#include "platform/forms/application.h"
#include "platform/vb/number_text.h"
#include "platform/vb/parse.h"
#include "platform/vb/rounding.h"

namespace ks {
namespace {

constexpr const char* kKeyboardCWNotice = "Keyboard CW Mode is on.  Press F12 to exit.";

// Adds `step` to the number in the speed box; a box that holds no number stays as it is.
void StepSpeed(forms::TextBox& speed, double step) {
  if (const auto wpm = vb::CDbl(speed.Text())) speed.SetText(vb::CStr(*wpm + step));
}

}  // namespace

void CWFrm::FKeyCW(int& KeyCode) {
  forms::Application& app = App();
  KeyingState& keying = app.State<KeyingState>();
  keying.CWBuffer.clear();
  forms::TextBox* message = nullptr;
  if (keying.CWKeying != kKeyingNone) {
    forms::TextBox* const fkeys[] = {&Text1, &Text2, &Text3, &Text4, &Text5, &Text6, &Text7, &Text8, &Text9};
    if (KeyCode >= 112 && KeyCode <= 120) message = fkeys[KeyCode - 112];
    if (KeyCode == 124) message = &Text12;
    if (KeyCode == 122) message = &Text13;
  }
  if (KeyCode == 112 && message != nullptr) {
    const std::optional<double> seconds = vb::CDbl(txtCWLoop.Text());
    if (!seconds) {
      app.DoEvents();
      return;
    }
    if (*seconds > 0) keying.CWRepeat = 1;
  }
  if (message != nullptr && !message->Text().empty()) {
    const CountyTable& counties = app.State<CountyTable>();
    keying.CWBuffer = ExpandMacros(
        message->Text(), MacroValues{keying.MacroCall, keying.MacroSerial, keying.MacroRST, keying.MacroCounty},
        [&counties](const std::string& county) { return ShortenCountyForCW(counties, county); });
    LoopThroughCWBuffer();
  }
  app.DoEvents();
}

void CWFrm::EchoRemaining(const std::string& text) {
  if (Check1.Value() != 1) return;
  if (EntryWindowLink* window = ActiveEntryWindow(App())) window->DialogLabel().SetCaption(text);
}

void CWFrm::LoopThroughCWBuffer() {
  forms::Application& app = App();
  KeyingState& keying = app.State<KeyingState>();
  if (keying.CWKeying == kKeyingWinKeyer) {
    if (keying.CWBuffer.find('!') != std::string::npos) LogFromMessage(app);
    app.Get<frmWinKey>().WKTransmit();
    if (keying.CWRepeat == 1) tmrRepeat.SetEnabled(true);
    return;
  }
  keying.CWSending = 1;
  // However the drain ends (the buffer sent or emptied by Esc, a failure, the program's
  // end), CWSending drops back to 0 and a line whose key-up failed is released again.
  struct EndOfSending {
    CWFrm& cw;
    int& flag;
    ~EndOfSending() {
      flag = 0;
      cw.ReleaseLines();
    }
  } ending{*this, keying.CWSending};
  const int faults_before = faults_;
  while (!keying.CWBuffer.empty()) {
    const char next = keying.CWBuffer.front();
    keying.CWBuffer.erase(0, 1);
    Transmit(next);
    if (keying_fault_) {
      StopUnkeyed(next + keying.CWBuffer);
      return;
    }
    EchoRemaining(keying.CWBuffer);
    app.DoEvents();
  }
  if (keying.CWRepeat == 1) tmrRepeat.SetEnabled(true);
  keying.CWSending = 0;
  // A message stopped meanwhile (by a nested drain) leaves its notice in place.
  if (faults_ != faults_before) return;
  EchoRemaining(keying.KeyboardCW == 1 ? kKeyboardCWNotice : "");
  TakeBackKeyingNotice(app, kCWNoticeSource, &lblNotice);
}

void CWFrm::StopUnkeyed(const std::string& unsent) {
  KeyingState& keying = App().State<KeyingState>();
  keying.CWBuffer.clear();
  keying.CWRepeat = 0;
  tmrRepeat.SetEnabled(false);
  const KeyingFault fault = *keying_fault_;
  keying_fault_.reset();
  ++faults_;
  ShowKeyingNotice(App(), kCWNoticeSource, fault.notice, fault.text + ". Not sent: \"" + unsent + "\"", &lblNotice);
}

void CWFrm::UpDown1_UpClick() { StepSpeed(Text11, 1); }

void CWFrm::UpDown1_DownClick() { StepSpeed(Text11, -1); }

void CWFrm::tmrRepeat_Timer() {
  tmrRepeat.SetEnabled(false);
  int f1 = 112;
  FKeyCW(f1);
}

// A WinKeyer follows the speed within its range, the range the Morse engine keys; a speed
// brought back into it takes back the notice of a message stopped for its speed.
void CWFrm::Text11_Change() {
  const KeyingState& keying = App().State<KeyingState>();
  const std::optional<double> wpm = vb::CDbl(Text11.Text());
  if (!wpm || !KeyableWpm(*wpm)) return;
  if (KeyingNotice(App(), kCWNoticeSource) == kSpeedNotice) TakeBackKeyingNotice(App(), kCWNoticeSource, &lblNotice);
  if (keying.WinKeyVersion == 0 || keying.CWKeying != kKeyingWinKeyer) return;
  if (frmWinKey* winkey = App().IfLoaded<frmWinKey>()) winkey->wk_wpm(static_cast<std::uint8_t>(vb::RoundHalfEven(*wpm)));
}

}  // namespace ks
