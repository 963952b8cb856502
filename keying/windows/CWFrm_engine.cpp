// The Morse engine of the CW window: the keying lines, CWSetup and Transmit, and the
// timing methods with the loop calibration.
#include <cmath>

#include "keying/entry_window_link.h"
#include "keying/keying_devices.h"
#include "keying/keying_ports.h"
#include "keying/keying_state.h"
#include "keying/morse_table.h"
#include "keying/windows/CWFrm.h"
#include "platform/forms/application.h"
#include "platform/vb/constants.h"
#include "platform/vb/number_text.h"
#include "platform/vb/parse.h"
#include "platform/vb/rounding.h"
#include "platform/vb/text.h"

namespace ks {
namespace {

constexpr const char* kInvalidPort =
    "The port you have selected for CW keying is invalid.  Please select another or enter 0 for none.";

}  // namespace

std::optional<MorseTiming> CWFrm::CurrentTiming() const {
  const std::optional<double> wpm = vb::CDbl(Text11.Text());
  if (!wpm) return std::nullopt;
  MorseTiming timing;
  timing.wpm = *wpm;
  timing.method = optTimer.Value() ? TimingMethod::Timer : OptSleep.Value() ? TimingMethod::Sleep : TimingMethod::Loop;
  timing.loops_per_60ms = LoopsPer60ms;
  return timing;
}

KeyLine* CWFrm::SerialLine(bool dtr) {
  KeyingPorts& ports = App().State<KeyingPorts>();
  if (!KeyingPorts::IsOpen(ports.Comm)) return nullptr;
  std::unique_ptr<KeyLine>& line = dtr ? dtr_line_ : rts_line_;
  if (!line) line = Devices(App()).ModemLine(*ports.Comm, dtr ? ModemSignal::DTR : ModemSignal::RTS);
  return line.get();
}

KeyLine* CWFrm::ParallelLine() {
  const std::optional<double> base = vb::CDbl(Text14.Text());
  const std::optional<std::int16_t> address = base ? vb::CInt(*base) : std::nullopt;
  if (!address) return nullptr;
  if (parallel_line_ && parallel_address_ == *address) return parallel_line_.get();
  // A line of the old address still down is kept, and released again with the others.
  if (parallel_line_ && !parallel_line_->Release()) retired_lines_.push_back(std::move(parallel_line_));
  parallel_line_.reset();
  parallel_address_ = -1;
  std::string why;
  parallel_line_ = Devices(App()).ParallelLine(*address, why);
  if (parallel_line_) {
    parallel_address_ = *address;
  } else {
    Fault("CW stopped, nothing keyed: the parallel port at " + Text14.Text() + " cannot be used: " + why, kLineNotice);
  }
  return parallel_line_.get();
}

void CWFrm::ReleaseLines() {
  for (KeyLine* line : {dtr_line_.get(), rts_line_.get(), parallel_line_.get()}) {
    if (line != nullptr) line->Release();
  }
  std::erase_if(retired_lines_, [](const std::unique_ptr<KeyLine>& line) { return line->Release(); });
}

KeyLine* CWFrm::ChosenLine() {
  if (Option2.Value()) return SerialLine(true);
  if (Option1.Value()) return SerialLine(false);
  if (Option3.Value()) return ParallelLine();
  return nullptr;
}

bool CWFrm::SpeedKeyable() {
  const std::optional<double> wpm = vb::CDbl(Text11.Text());
  if (!wpm || KeyableWpm(*wpm)) return true;
  Fault("CW stopped, nothing keyed: the speed " + vb::Trim(Text11.Text()) + " WPM is not one from " +
            vb::CStr(kSlowestWpm) + " to " + vb::CStr(kFastestWpm) + " WPM",
        kSpeedNotice);
  return false;
}

void CWFrm::Transmit(char CodeCharacter) {
  forms::Application& app = App();
  keying_fault_.reset();
  const std::uint8_t keying = app.State<KeyingState>().CWKeying;
  if (keying == kKeyingNone) return;
  if (!KeyingPorts::IsOpen(app.State<KeyingPorts>().Comm) && keying < kKeyingParallel) CWSetup();
  if (CodeCharacter == '!') {
    LogFromMessage(app);
    return;
  }
  const std::optional<double> space = vb::CDbl(txtSpace.Text());
  if (!space) return;
  const std::string elements = CharacterElements(CodeCharacter, *space);
  if (elements.empty() || !SpeedKeyable()) return;
  KeyLine* line = nullptr;
  try {
    line = ChosenLine();
    if (keying_fault_) return;  // nothing to key it on: the character is not sent unkeyed
    KeyElements(elements, line, [this] { return CurrentTiming(); }, Devices(app).Waits());
  } catch (const KeyDownRefused& refused) {
    Fault(std::string("CW stopped, nothing keyed: ") + refused.what(), kLineNotice);
  } catch (const KeyLineLost& lost) {
    // The port closed itself; the messages that follow try to open it again.
    port_lost_ = true;
    Fault(std::string("CW stopped: ") + lost.what(), kPortLostNotice);
  } catch (const std::exception& failed) {
    // A line that fails ends this character, and KeyElements has tried to release it; one
    // whose key-up still fails counts as down until a later release succeeds. Such a line
    // may be keying the transmitter: the message stops there, instead of keying its next
    // characters on a line that does not come up, and the notices say why.
    if (line != nullptr && line->MayBeDown()) Fault(std::string("CW stopped: ") + failed.what(), kLineNotice);
  }
}

void CWFrm::CWSetup() {
  forms::Application& app = App();
  KeyingPorts& ports = app.State<KeyingPorts>();
  KeyingPorts::Close(ports.Comm);
  dtr_line_.reset();
  rts_line_.reset();
  const std::optional<double> number = vb::CDbl(Text10.Text());
  const std::optional<std::int16_t> port = number ? vb::CInt(*number) : std::nullopt;
  if (!number || *number <= 0) return;
  KeyingPorts::Close(ports.CommPhone);
  if (!ports.Comm) ports.Comm = Devices(app).NewSerialPort();
  io::SerialPort& comm = *ports.Comm;
  const io::SerialResult opened = KeyingPorts::OpenLinesDown(comm, port);
  if (opened) {
    port_lost_ = false;
    return;
  }
  if (app.InTimerEvent() || port_lost_) {
    // The F1 repeat sends from a timer, and a port lost in the middle of a message may be
    // tried again while the operator types a contact: no window asks for another port; the
    // message stops unkeyed and the notices say why.
    Fault("CW stopped, nothing keyed: serial port " + vb::Trim(Text10.Text()) + " cannot be opened (" + opened.error +
              ")",
          port_lost_ ? kPortLostNotice : kLineNotice);
    return;
  }
  app.Beep();
  app.MsgBox(kInvalidPort, vb::vbOKOnly, "Invalid port.");
  if (!Visible()) ShowModal();
}

void CWFrm::EnableLoopControls(bool enabled) {
  for (forms::Control* control : std::initializer_list<forms::Control*>{&txtLoop, &lblLoop, &cmdLoopFaster, &cmdLoopSlower}) {
    control->SetEnabled(enabled);
  }
}

void CWFrm::optTimer_Click() { EnableLoopControls(false); }

void CWFrm::OptSleep_Click() { EnableLoopControls(false); }

void CWFrm::optLoop_Click() {
  EnableLoopControls(true);
  App().DoEvents();
  if (LoopsPer60ms == 0) {
    const std::optional<double> steps = CalibrateLoop(Devices(App()).Waits());
    // A count that took no measurable time keeps the count it reached.
    LoopsPer60ms = steps ? *steps : 5000000;
  }
  txtLoop.SetText(vb::CStr(LoopsPer60ms));
}

void CWFrm::txtLoop_Change() {
  if (const std::optional<double> steps = vb::CDbl(txtLoop.Text())) LoopsPer60ms = *steps;
}

namespace {

void ScaleLoopCount(forms::TextBox& box, double factor) {
  if (const std::optional<double> steps = vb::CDbl(box.Text())) box.SetText(vb::CStr(vb::RoundHalfEven(*steps * factor)));
}

}  // namespace

void CWFrm::cmdLoopFaster_Click() {
  ScaleLoopCount(txtLoop, 0.9);
  Command1.SetFocus();
}

void CWFrm::cmdLoopSlower_Click() {
  ScaleLoopCount(txtLoop, 1.111111111111);
  Command1.SetFocus();
}

}  // namespace ks
