// The WinKeyer window's keyer: opening and closing it, the settings each box and option
// sends, Test and Stop, and the feeder that hands CWBuffer over one character at a time.
#include <cmath>
#include <optional>
#include <string>

#include "keying/entry_window_link.h"
#include "keying/keying_devices.h"
#include "keying/keying_ports.h"
#include "keying/keying_state.h"
#include "keying/windows/CWFrm.h"
#include "keying/windows/frmWinKey.h"
#include "platform/forms/application.h"
#include "platform/io/winkeyer.h"
#include "platform/vb/constants.h"
#include "platform/vb/parse.h"
#include "platform/vb/rounding.h"
#include "station/station_settings.h"

namespace ks {
namespace {

// How long the feeder waits for a keyer whose buffer is full to report again.
constexpr int kSilentLimitMs = 3000;
constexpr int kFeedPauseMs = 10;

const char* StatusText(int status) {
  switch (status) {
    case io::kWinKeySuccess: return "WK Success!";
    case io::kWinKeyNoEchoResponse: return "No Echo Response";
    case io::kWinKeyEchoMismatch: return "Echo Mismatch";
    case io::kWinKeyNoOpenResponse: return "No Open Response";
    case io::kWinKeyComOpenFailed: return "Com Open Failed";
    case io::kWinKeyGetComFailed: return "Get Com ST Failed";
    case io::kWinKeySetComFailed: return "Set Com ST Failed";
    case io::kWinKeyAlreadyOpen: return "WK Already Open";
    case io::kWinKeyNotOpen: return "WK Not Open";
    default: return nullptr;
  }
}

// A box's whole number, when its text is one (rounded as the toolkit rounds). Kept as a
// double: a number of any size (1E300 read from a file) is compared with each range as it is.
std::optional<double> WholeNumber(const forms::TextBox& box) {
  if (!vb::IsNumeric(box.Text())) return std::nullopt;
  return vb::RoundHalfEven(vb::Val(box.Text()));
}

// The CW window's own notice label, when that window is loaded: its Test feeds the keyer
// too, so the notice stands beside the button as well.
forms::Label* CWNoticeLabel(forms::Application& app) {
  CWFrm* cw = app.IfLoaded<CWFrm>();
  return cw != nullptr ? &cw->lblNotice : nullptr;
}

}  // namespace

io::WinKeyer& frmWinKey::Keyer() {
  if (!keyer_) keyer_ = std::make_unique<io::WinKeyer>(Devices(App()).NewSerialPort());
  return *keyer_;
}

void frmWinKey::cmdOpenWinkey_Click() {
  KeyingPorts& ports = App().State<KeyingPorts>();
  KeyingPorts::Close(ports.CommPhone);
  KeyingPorts::Close(ports.Comm);
  KeyingState& keying = App().State<KeyingState>();
  std::uint8_t version = 0;
  const int status = Keyer().Open(version, keying.WinKeyPort);
  // The F1 repeat's send opens the keyer from a timer, where no window may wait for an
  // answer: WKTransmit tells that failure without one.
  if (status != io::kWinKeyAlreadyOpen && version == 0 && !App().InTimerEvent()) {
    App().MsgBox("Unable to establish connection with WinKey on com port " + std::to_string(keying.WinKeyPort) +
                     ".  Please check to make sure that you have specified the correct port and that the Winkey "
                     "device is properly connected.",
                 vb::vbOKOnly, "Unable to establish connection with Winkey.");
  }
  if (const char* text = StatusText(status)) lblOpenStatus.SetCaption(text);
  if (status == io::kWinKeyAlreadyOpen) return;
  ApplyWinKeySettings();
  if (version != 0) {
    keying.WinKeyVersion = version;
    lblVersion.SetCaption("Version # " + std::to_string(version));
  }
  if (Visible()) cmdDone.SetFocus();
}

void frmWinKey::cmdCloseWinkey_Click() {
  if (keyer_) keyer_->Close();
  lblOpenStatus.SetCaption("Closed");
  lblVersion.SetCaption("Version #");
  App().State<KeyingState>().WinKeyVersion = 0;
  if (Visible()) cmdDone.SetFocus();
}

void frmWinKey::ApplyWinKeySettings() {
  txtWKWPM_LostFocus();
  txtWeight_LostFocus();
  txtLeadIn_LostFocus();
  txtRatio_LostFocus();
  const KeyingState& keying = App().State<KeyingState>();
  Keyer().PinConfig(keying.WinKeyPinConfig);
  Keyer().SetMode(keying.WinKeyMode);
}

void frmWinKey::txtWKWPM_LostFocus() {
  const std::optional<double> wpm = WholeNumber(txtWKWPM);
  if (!wpm) {
    txtWKWPM.SetText("18");
  } else if (*wpm >= 0 && *wpm <= 99) {
    Keyer().Wpm(static_cast<std::uint8_t>(*wpm));
  }
}

void frmWinKey::txtWeight_LostFocus() {
  const std::optional<double> weight = WholeNumber(txtWeight);
  if (!weight) {
    txtWeight.SetText("50");
  } else if (*weight >= 0 && *weight <= 99) {
    Keyer().Weight(static_cast<std::uint8_t>(*weight));
  }
}

// The label gives the ratio's range: 33 to 66.
void frmWinKey::txtRatio_LostFocus() {
  const std::optional<double> ratio = WholeNumber(txtRatio);
  if (!ratio) {
    txtRatio.SetText("50");
  } else if (*ratio >= 33 && *ratio <= 66) {
    Keyer().Ratio(static_cast<std::uint8_t>(*ratio));
  }
}

// Lead-in and tail go to the keyer together; a value that is no number, or too large for
// the keyer, is set back to 0 in the box that was left.
void frmWinKey::SendLeadTail(forms::TextBox& left) {
  const std::optional<double> lead = WholeNumber(txtLeadIn);
  const std::optional<double> tail = WholeNumber(txtTail);
  if (!lead || !tail || *lead < 0 || *lead > 255 || *tail < 0 || *tail > 255) {
    left.SetText("0");
    return;
  }
  Keyer().LeadTail(static_cast<std::uint8_t>(*lead), static_cast<std::uint8_t>(*tail));
}

void frmWinKey::txtLeadIn_LostFocus() { SendLeadTail(txtLeadIn); }
void frmWinKey::txtTail_LostFocus() { SendLeadTail(txtTail); }

void frmWinKey::txtWKComPort_LostFocus() {
  KeyingState& keying = App().State<KeyingState>();
  const std::optional<double> port = WholeNumber(txtWKComPort);
  if (!port) {
    txtWKComPort.SetText("0");
    keying.WinKeyPort = 0;
  } else {
    keying.WinKeyPort = *port >= 0 && *port <= 255 ? static_cast<std::uint8_t>(*port) : 0;
  }
}

void frmWinKey::Option_Click(forms::OptionButton& option) {
  if (!option.Value()) return;
  KeyingState& keying = App().State<KeyingState>();
  struct Value {
    forms::OptionButton* option;
    std::uint8_t* into;
    std::uint8_t value;
  };
  const Value values[] = {{&optIambicA, &keying.WinKeyMode, 16},      {&optIambicB, &keying.WinKeyMode, 0},
                          {&optUltimatic, &keying.WinKeyMode, 32},    {&optBug, &keying.WinKeyMode, 48},
                          {&optPTT, &keying.WinKeyPinConfig, 5},      {&optTone, &keying.WinKeyPinConfig, 6},
                          {&optKey5Off3Out, &keying.WinKeyPinConfig, 4}, {&optKey5Out3Off, &keying.WinKeyPinConfig, 8}};
  for (const Value& v : values)
    if (v.option == &option) *v.into = v.value;
  if (keying.WinKeyVersion != 0) ApplyWinKeySettings();
}

void frmWinKey::Command3_Click() {
  KeyingState& keying = App().State<KeyingState>();
  const bool was_empty = keying.CWBuffer.empty();
  keying.CWBuffer += "VVV TEST DE " + App().State<StationSettings>().OwnCall;
  if (was_empty) WKTransmit();
  if (IsLoaded() && Visible()) cmdDone.SetFocus();
}

void frmWinKey::cmdStop_Click() {
  wk_clearbuf();
  App().State<KeyingState>().CWBuffer.clear();
  if (Visible()) cmdDone.SetFocus();
}

// The keyer stopped answering or its port failed while it was fed. The keyer found it, not
// the operator, and the feeder lets events run, so the operator may be typing: told in the
// main window's message label, without a window that waits.
void frmWinKey::GiveUp(const std::string& why) {
  StopSending("the WinKeyer on com port " + std::to_string(App().State<KeyingState>().WinKeyPort) + " " + why +
              "; the keyer is closed");
  cmdCloseWinkey_Click();
}

void frmWinKey::StopSending(const std::string& why) {
  KeyingState& keying = App().State<KeyingState>();
  const std::string unsent = keying.CWBuffer;
  keying.CWBuffer.clear();
  keying.CWRepeat = 0;
  ShowKeyingNotice(App(), kCWNoticeSource, CWFrm::kWinKeyerNotice, "CW stopped: " + why + ". Not sent: \"" + unsent + "\"",
                   CWNoticeLabel(App()));
}

// Hands CWBuffer to the keyer one character at a time, waiting while the keyer's buffer is
// full. The buffer is read again after every wait, since the operator may have changed it.
// A keyer that stays full without a word for kSilentLimitMs, or whose port fails, is given up.
void frmWinKey::WKTransmit() {
  KeyingState& keying = App().State<KeyingState>();
  if (keying.WinKeyVersion == 0) cmdOpenWinkey_Click();
  if (keying.WinKeyVersion == 0) {
    // The next send tries to open it again; the repeat's does not, since it stops here.
    if (App().InTimerEvent()) {
      StopSending("no WinKeyer answers on com port " + std::to_string(keying.WinKeyPort) + " (" +
                  lblOpenStatus.Caption() + ")");
    }
    keying.CWBuffer.clear();
    return;
  }
  UnitWaits& waits = Devices(App()).Waits();
  io::WinKeyer& keyer = Keyer();
  while (!keying.CWBuffer.empty()) {
    keying.WinKeyStatus = keyer.GetStatus();
    int heard = keyer.StatusesSeen();
    int silent_ms = 0;
    while (keying.WinKeyStatus >= io::kWinKeyFull && keyer.Failure().empty()) {
      waits.SleepMs(kFeedPauseMs);
      App().DoEvents();
      if (!IsLoaded()) return;
      keying.WinKeyStatus = keyer.GetStatus();
      silent_ms = keyer.StatusesSeen() == heard ? silent_ms + kFeedPauseMs : 0;
      heard = keyer.StatusesSeen();
      if (silent_ms >= kSilentLimitMs) return GiveUp("stopped answering");
    }
    if (!keyer.Failure().empty()) return GiveUp("cannot be reached (" + keyer.Failure() + ")");
    if (keying.CWBuffer.empty()) break;
    const char c = keying.CWBuffer.front();
    if (c > 0) keyer.Char(c);
    keying.CWBuffer.erase(0, 1);
    waits.SleepMs(kFeedPauseMs);
  }
  if (!keyer.Failure().empty()) return GiveUp("cannot be reached (" + keyer.Failure() + ")");
  // The keyer took the message: the notice of an earlier message that stopped goes.
  if (!KeyingNotice(App(), kCWNoticeSource).empty())
    TakeBackKeyingNotice(App(), kCWNoticeSource, CWNoticeLabel(App()));
}

int frmWinKey::wk_getstatus() { return keyer_ ? keyer_->GetStatus() : 0; }
void frmWinKey::wk_clearbuf() {
  if (keyer_) keyer_->ClearBuffer();
}
void frmWinKey::wk_backspace() {
  if (keyer_) keyer_->Backspace();
}
void frmWinKey::wk_wpm(std::uint8_t wpm) { Keyer().Wpm(wpm); }

}  // namespace ks
