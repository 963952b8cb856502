// Playing a voice message with push-to-talk: FKeyPhone, the 40 ms watch that drops the line
// when the player stops, the F1 repeat and the push-to-talk serial port.
#include <optional>
#include <stdexcept>
#include <utility>

#include "keying/entry_window_link.h"
#include "keying/keying_devices.h"
#include "keying/keying_ports.h"
#include "keying/keying_state.h"
#include "keying/windows/PhoneFrm.h"
#include "keying/windows/frmWinKey.h"
#include "platform/forms/application.h"
#include "platform/vb/constants.h"
#include "platform/vb/parse.h"
#include "platform/vb/rounding.h"
#include "platform/vb/text.h"
#include "startup/user_folders.h"

namespace ks {
namespace {

constexpr const char* kInvalidPort =
    "The port you have selected for Phone keying is invalid.  Please select another or enter 0 for none.";

double NumberOf(const forms::TextBox& box) {
  const std::optional<double> number = vb::CDbl(box.Text());
  if (!number) throw std::runtime_error("\"" + box.Text() + "\" is not a number");
  return *number;
}

}  // namespace

io::SoundPlayer& PhoneFrm::Player() {
  if (!player_) player_ = Devices(App()).NewSoundPlayer();
  return *player_;
}

bool PhoneFrm::Playing() { return player_ && player_->Playing(); }

void PhoneFrm::StopPlaying() {
  if (player_) player_->Stop();
}

KeyLine* PhoneFrm::SerialLine() {
  KeyingPorts& ports = App().State<KeyingPorts>();
  if (!ports.CommPhone) return nullptr;
  const bool dtr = Option2.Value();
  if (!serial_line_ || serial_line_dtr_ != dtr) {
    RetireLine(serial_line_);
    serial_line_ = Devices(App()).ModemLine(*ports.CommPhone, dtr ? ModemSignal::DTR : ModemSignal::RTS);
    serial_line_dtr_ = dtr;
  }
  return serial_line_.get();
}

KeyLine* PhoneFrm::ParallelLine() {
  const std::optional<std::int16_t> address = vb::CInt(NumberOf(Text11));
  if (!address) throw std::runtime_error("the parallel-port address is out of range");
  if (!parallel_line_ || parallel_address_ != *address) {
    RetireLine(parallel_line_);
    parallel_address_ = -1;
    std::string why;
    parallel_line_ = Devices(App()).ParallelLine(*address, why);
    if (!parallel_line_) throw KeyDownRefused("the parallel port at " + Text11.Text() + " cannot be used: " + why);
    parallel_address_ = *address;
  }
  return parallel_line_.get();
}

void PhoneFrm::RetireLine(std::unique_ptr<KeyLine>& line) {
  if (line && !ptt_.Forget(line.get())) retired_lines_.push_back(std::move(line));
  line.reset();
}

void PhoneFrm::EndMessage() {
  ptt_.Drop();
  std::erase_if(retired_lines_, [this](const std::unique_ptr<KeyLine>& line) { return !ptt_.Holds(line.get()); });
  // A line whose key-up failed keeps the watch running: each tick tries it again.
  Timer1.SetEnabled(ptt_.Keyed());
}

void PhoneFrm::TellNotPlayed(const std::string& text, const char* notice) {
  EndMessage();
  App().State<KeyingState>().PhoneRepeat = 0;
  tmrRepeat.SetEnabled(false);
  ShowKeyingNotice(App(), kVoiceNoticeSource, notice, text, &lblNotice);
}

bool PhoneFrm::PushToTalkLost() {
  KeyingPorts& ports = App().State<KeyingPorts>();
  if (!serial_line_ || !ptt_.Holds(serial_line_.get()) || !KeyingPorts::IsOpen(ports.CommPhone)) return false;
  int pending = 0;
  const io::SerialResult asked = ports.CommPhone->OutputPending(pending);
  if (asked || ports.CommPhone->IsOpen()) return false;
  port_failure_ = asked.error;
  return true;
}

void PhoneFrm::FKeyPhone(int& KeyCode) {
  if (KeyCode < 112 || KeyCode > 120) return;
  forms::Application& app = App();
  KeyingState& keying = app.State<KeyingState>();
  Player().Stop();
  forms::TextBox* const files[] = {&Text1, &Text2, &Text3, &Text4, &Text5, &Text6, &Text7, &Text8, &Text9};
  const std::string key = "F" + std::to_string(KeyCode - 111);
  try {
    if (KeyCode == 112 && NumberOf(txtPHLoop) > 0) keying.PhoneRepeat = 1;
    const std::string path = vb::Trim(files[KeyCode - 112]->Text());
    if (path.empty()) return;
    std::filesystem::path file(path);
    if (file.is_relative()) file = app.State<Folders>().WorkingDir / file;
    // The file is read and checked before push-to-talk rises: one that cannot be played
    // (a named pipe or a device among them) never keys the transmitter.
    std::string why;
    std::optional<io::WavSound> sound = io::LoadWavFile(file.string(), why);
    if (!sound) throw std::runtime_error(why);
    if (NumberOf(Text10) > 0) {
      if (!KeyingPorts::IsOpen(app.State<KeyingPorts>().CommPhone)) OpenPhonePort();
      if (KeyingPorts::IsOpen(app.State<KeyingPorts>().CommPhone)) {
        ptt_.Raise(SerialLine());
      } else if (app.InTimerEvent() || port_lost_) {
        // The repeat plays from a timer, and a port lost while a message played may be tried
        // again while the operator types a contact: no window asks for another port, so
        // nothing is played.
        throw KeyDownRefused("serial port " + vb::Trim(Text10.Text()) + " cannot be opened (" + port_failure_ + ")");
      }
    }
    if (Option3.Value()) ptt_.Raise(ParallelLine());
    if (!Player().Play(std::move(*sound), why)) throw std::runtime_error(why);
  } catch (const KeyDownRefused& refused) {
    // Not played unkeyed.
    TellNotPlayed(key + " voice message (" + files[KeyCode - 112]->Text() +
                      ") not played, push-to-talk cannot be keyed: " + refused.what() + ".",
                  port_lost_ ? kPortLostNotice : kNotPlayedNotice);
    return;
  } catch (const std::exception& failure) {
    // Nothing to send: the transmitter is not left keyed.
    const bool repeating = keying.PhoneRepeat == 1 || tmrRepeat.Enabled();
    TellNotPlayed(key + " voice message not played" + (repeating ? ", repeat stopped" : "") + ": " + failure.what() +
                  ".");
    return;
  }
  TakeBackKeyingNotice(app, kVoiceNoticeSource, &lblNotice);
  playing_key_ = key;
  Timer1.SetEnabled(true);
}

// The end-of-play watch. It also finds a push-to-talk port that went away while the message
// plays: the message stops there, with what can be released released.
void PhoneFrm::Timer1_Timer() {
  if (Playing() && PushToTalkLost()) {
    StopPlaying();
    port_lost_ = true;
    TellNotPlayed(playing_key_ + " voice message stopped: push-to-talk on serial port " + vb::Trim(Text10.Text()) +
                      " is lost (" + port_failure_ + ").",
                  kPortLostNotice);
    return;
  }
  if (Playing()) return;
  EndMessage();
  if (ptt_.Keyed()) return;
  if (App().State<KeyingState>().PhoneRepeat == 1) tmrRepeat.SetEnabled(true);
}

void PhoneFrm::tmrRepeat_Timer() {
  tmrRepeat.SetEnabled(false);
  int f1 = 112;
  FKeyPhone(f1);
}

void PhoneFrm::OpenPhonePort() {
  forms::Application& app = App();
  const std::optional<double> number = vb::CDbl(Text10.Text());
  if (!number || *number <= 0) return;
  if (app.State<KeyingState>().WinKeyVersion != 0) app.Get<frmWinKey>().cmdCloseWinkey_Click();
  KeyingPorts& ports = app.State<KeyingPorts>();
  KeyingPorts::Close(ports.Comm);
  ptt_.Forget(serial_line_.get());
  KeyingPorts::Close(ports.CommPhone);
  if (!ports.CommPhone) ports.CommPhone = Devices(app).NewSerialPort();
  io::SerialPort& port = *ports.CommPhone;
  const std::optional<std::int16_t> port_number = vb::CInt(*number);
  const io::SerialResult opened = KeyingPorts::OpenLinesDown(port, port_number);
  port_failure_ = opened.error;
  if (opened) {
    port_lost_ = false;
    return;
  }
  // From the repeat's timer, or for a port lost meanwhile, no window may open: FKeyPhone
  // tells it without one.
  if (app.InTimerEvent() || port_lost_) return;
  app.Beep();
  app.MsgBox(kInvalidPort, vb::vbOKOnly, "Invalid port.");
  if (!Visible()) ShowModal();
}

}  // namespace ks
