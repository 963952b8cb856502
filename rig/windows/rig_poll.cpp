// The poll cycle of the rig window: "Test" opens the port and starts the timer; each tick
// either writes the family's requests or reads the reply, parses it and hands frequency and
// mode to the main window. A tick never waits: the radio has until the next tick to answer.
#include "mainwin/windows/Form1.h"
#include "platform/forms/application.h"
#include "platform/io/clock.h"
#include "platform/io/serial_port.h"
#include "platform/vb/constants.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"
#include "rig/control/rig_cntrl_file.h"
#include "rig/protocol/hex.h"
#include "rig/protocol/parsers.h"
#include "rig/windows/RigControlfrm.h"
#include "startup/notices.h"

namespace ks {
namespace {

constexpr const char* kInvalidComm =
    "The comm port that you selected for rig interface is either in use, invalid or the settings that you have "
    "selected are invalid.  Please select another combination or choose None for your rig selection.";

// What the notice of a silent radio stands for, in its tip.
constexpr const char* kSilenceReason =
    "The radio has not answered for 5 seconds.  Until it answers again, contacts are logged on the band and mode "
    "it last reported.  Check that the radio is on, its cable and the settings of the rig interface.";

// The polled frequency as the window shows it (14.2 MHz as 14.20000).
std::string FrequencyText(float mhz) { return vb::Format(mhz, "###.####0"); }

template <typename Choice>
void TakeChecked(std::initializer_list<std::pair<forms::OptionButton*, Choice>> options, Choice& value) {
  for (auto& [option, choice] : options) {
    if (option->Value()) {
      value = choice;
      return;
    }
  }
}

}  // namespace

const rig::RigFamily& RigControlfrm::Family() const { return rig::FindRigFamily(RigName()); }
rig::RigRequests RigControlfrm::Requests() const { return {txtFreq.Text(), txtMode.Text()}; }

void RigControlfrm::Command1_Click() {
  const bool rig = RigName() != "None";
  if (rig) {
    lblMode.SetCaption("No Response");
    lblFreq.SetCaption("No Response");
    Command2.SetEnabled(true);
    Label2.SetVisible(true);
    RigMode.clear();
  }
  for (int i = 0; i < 10; ++i) {
    if (optComm(i).Value()) {
      RigPortNumber = static_cast<std::uint8_t>(i + 1);
      break;
    }
  }
  std::string baud = vb::RTrim(RigBaud);
  TakeChecked<std::string>({{&optBaud12, "1200"}, {&optBaud24, "2400"}, {&optBaud48, "4800"}, {&optBaud96, "9600"},
                            {&optBaud144, "14400"}, {&optBaud192, "19200"}, {&optBaud288, "28800"},
                            {&optBaud384, "38400"}, {&optBaud560, "56000"}}, baud);
  RigBaud = rig::FixedWidth(baud, 5);
  TakeChecked<std::string>({{&optParityOdd, "O"}, {&optParityNone, "N"}, {&optParityEven, "E"}}, RigParity);
  TakeChecked<std::string>({{&optData7, "7"}, {&optData8, "8"}}, RigDataBits);
  TakeChecked<std::string>({{&optStop1, "1"}, {&optStop2, "2"}}, RigStopBits);
  RigCommSettings = vb::RTrim(RigBaud) + "," + RigParity + "," + RigDataBits + "," + RigStopBits;
  TakeChecked<std::string>({{&optPowerNone, "N"}, {&optPowerRTS, "R"}, {&optPowerDTR, "D"}}, RigPowerLine);
  TakeChecked<std::string>({{&optPollFast, "F"}, {&optPollMed, "M"}, {&optPollSlow, "S"}, {&optReallySlow, "R"}},
                           RigPollRate);
  if (!rig) return;
  if (RigName() == "Ten Tec Pegasus" || OpenRigPort()) {
    Silence.Start(App().Clock().TickMs());
    tmrGetData_Timer();
    StartPollTimer();
  } else {
    // Polling stops with the port: no timer runs on a closed port.
    tmrGetData.SetEnabled(false);
    Command2.SetEnabled(false);
    Label2.SetVisible(false);
  }
}

void RigControlfrm::Command2_Click() {
  lblMode.SetCaption("");
  lblFreq.SetCaption("");
  lblUnProcess.SetCaption("");
  tmrGetData.SetEnabled(false);
  Label2.SetVisible(false);
  Command2.SetEnabled(false);
  if (port_->IsOpen()) port_->Close();
  if (Silence.Stop()) App().State<Notices>().Set(kRigNoticeSource, "");
}

bool RigControlfrm::OpenRigPort() {
  if (port_->IsOpen()) port_->Close();
  // The handshaking is set on every open, so the Orion's RTS/CTS does not carry over.
  const bool rts_cts = RigName() == "Ten Tec Fnt Pnl" || RigName() == "Ten Tec Orion";
  bool ok = port_->SetPortNumber(RigPortNumber).ok() &&
            port_->SetHandshake(rts_cts ? io::Handshake::kRtsCts : io::Handshake::kNone).ok() &&
            port_->SetSettings(RigCommSettings).ok() && port_->SetDtr(false).ok() && port_->SetRts(false).ok() &&
            port_->Open().ok();
  if (ok && RigPowerLine == "R") ok = port_->SetRts(true).ok();
  if (ok && RigPowerLine == "D") ok = port_->SetDtr(true).ok();
  if (ok && RigName().substr(0, 5) == "Yaesu" && RigName() != "Yaesu FTdx9000") {
    ok = port_->Write(std::string(5, '\0')).ok();
  }
  if (ok && RigName() == "Ten Tec Orion") ok = port_->Write("X\r").ok();
  if (!ok) ShowPortFailure();
  return ok;
}

void RigControlfrm::ShowPortFailure() {
  if (port_->IsOpen()) port_->Close();
  App().Beep();
  App().MsgBox(kInvalidComm, vb::vbInformation, "Invalid Comm Settings.");
  if (IsLoaded() && !Visible()) ShowModal();
}

void RigControlfrm::StartPollTimer() {
  if (RigPollRate == "F") tmrGetData.SetInterval(50);
  if (RigPollRate == "M") tmrGetData.SetInterval(250);
  if (RigPollRate == "S") tmrGetData.SetInterval(1000);
  if (RigPollRate == "R") tmrGetData.SetInterval(5000);
  tmrGetData.SetEnabled(true);
}

void RigControlfrm::tmrGetData_Timer() {
  if (PollPhase == 0) {
    SendTick();
  } else {
    ReadTick();
  }
}

// A port that fails under a running poll has gone away (unplugged): polling stops and the
// operator is told once, instead of every tick failing in silence. Nothing takes the focus:
// the poll runs from a timer, under the operator's typing. The notice, with the system's
// reason in its tip, stays until polling is started again and the radio's frequency is read.
void RigControlfrm::PortLost(const std::string& why) {
  Command2_Click();
  Silence.Lost();
  lblFreq.SetCaption("No Response");
  App().State<Notices>().Set(kRigNoticeSource, kPortLostNotice,
                             "The rig's serial port stopped working (" + why + ").  Polling has stopped.");
}

void RigControlfrm::SendTick() {
  if (RigName() != "Ten Tec Pegasus") {
    if (!port_->IsOpen()) return;
    int pending = 0;
    if (auto r = port_->OutputPending(pending); !r) return PortLost(r.error);
    bool draining = false;
    if (pending == 0 && rig::FixedLengthRecords(Family())) {
      // What waits now came after its read tick: it goes, so that it does not join the answer
      // to this request; after a cut record it goes on going until the line is quiet.
      std::string late;
      if (auto r = port_->Read(late); !r) return PortLost(r.error);
      draining = CutRecord.Draining(!late.empty(), App().Clock().TickMs());
    }
    if (pending == 0 && !draining && !WriteRequest()) return;
  }
  PollPhase = 1;
  RigReply.clear();
}

bool RigControlfrm::WriteRequest() {
  auto request = rig::PollRequestBytes(Family(), Requests(), PollAlternate, chkConvToHex.Value() == 1);
  if (!request) return false;  // a request that is not hex: the cycle stays here
  if (request->bytes.empty()) return true;
  if (auto r = port_->Write(request->bytes); !r) {
    PortLost(r.error);
    return false;
  }
  if (request->asks_frequency) Silence.Asked();
  return true;
}

void RigControlfrm::ReadTick() {
  const bool pegasus = RigName() == "Ten Tec Pegasus";
  if (!pegasus) {
    if (!port_->IsOpen()) return;
    if (auto r = port_->Read(RigReply); !r) return PortLost(r.error);
  }
  // Only a well-formed answer is a reply: noise, a cut answer or one of the wrong length
  // changes nothing, as if the radio had not answered.
  const std::int64_t now = App().Clock().TickMs();
  rig::ReplyTaken taken;
  if (pegasus) {
    Silence.Asked();  // reading its control program's file is the request
    taken.answer = taken.frequency = ReadPegasusFile();
  } else if (CutRecord.Busy()) {
    CutRecord.Draining(!RigReply.empty(), now);  // no request went out: these bytes are the rest of a cut record
  } else if (!RigReply.empty()) {
    rig::RigReading reading{RigFrequency, RigMode, KenwoodVFO};
    taken = rig::ParseReply(Family(), RigReply, Requests(), PollAlternate, reading);
    RigFrequency = reading.frequency;
    RigMode = reading.mode;
    KenwoodVFO = reading.kenwood_vfo;
    if (!taken.answer && rig::FixedLengthRecords(Family())) CutRecord.Cut(now);
  }
  if (taken.answer) TakeReading();
  if (Visible() && !RigReply.empty()) {
    if (ChkConvHex.Value() == 1) RigReply = rig::HexDump(RigReply);
    lblUnProcess.SetCaption(RigReply);
  }
  RigReply.clear();
  PollPhase = 0;
  switch (Silence.Note(taken.frequency, now)) {
    case rig::SilenceWatch::Change::kBegins: return TellSilence();
    case rig::SilenceWatch::Change::kEnds: return EndSilence();
    case rig::SilenceWatch::Change::kNone: return;
  }
}

void RigControlfrm::TakeReading() {
  if (OptFreq.Value()) rig::ModeFromFrequency(RigFrequency, RigMode);
  if (Visible()) {
    if (RigFrequency > 0) lblFreq.SetCaption(FrequencyText(RigFrequency));
    lblMode.SetCaption(RigMode);
  }
  // Zero is no frequency: until one is read (a radio whose mode answers are read and its
  // frequency answers not), a contact is stored as it is without a radio.
  if (chkFrequency.Value() == 1 && RigFrequency > 0) App().Get<Form1>().BandFreqConversion(RigFrequency);
  if (!OptDont.Value()) App().Get<Form1>().ModeSelection(RigMode);
}

// Told where the operator looks, without taking the focus from the entry line (the poll runs
// from a timer, under the operator's typing); polling goes on.
void RigControlfrm::TellSilence() {
  lblFreq.SetCaption("No Response");
  App().State<Notices>().Set(kRigNoticeSource, kSilenceNotice, kSilenceReason);
}

// The radio's frequency is read again: the notice goes, and the frequency label shows it
// again even while the window is hidden, so that it does not keep saying "No Response".
void RigControlfrm::EndSilence() {
  lblFreq.SetCaption(RigFrequency > 0 ? FrequencyText(RigFrequency) : "");
  App().State<Notices>().Set(kRigNoticeSource, "");
}

void RigControlfrm::Form_Unload(int& Cancel) {
  if (RigName().substr(0, 5) == "Yaesu" && tmrGetData.Enabled() && RigName() != "Yaesu FTdx9000" &&
      port_->IsOpen()) {
    port_->Write(rig::SpacedHexToBytes("00 00 00 00 80"));
  }
  tmrGetData.SetEnabled(false);
  port_->Close();
  // The notices of its poll and its commands go with the window: the one opened next watches
  // the radio anew and tells only what it finds.
  App().State<Notices>().Set(kRigNoticeSource, "");
  App().State<Notices>().Set(kRigCommandNoticeSource, "");
}

}  // namespace ks
