// Moving the radio: the set-frequency and set-mode commands with the pauses each radio
// needs, the band plan that chooses the mode, and the Pegasus control program's files.
// The waits run on the program's clock and let other events run where the radios allow.
#include "platform/forms/application.h"
#include "platform/io/clock.h"
#include "platform/io/files.h"
#include "platform/io/serial_port.h"
#include "rig/control/pegasus_files.h"
#include "rig/protocol/parsers.h"
#include "rig/windows/RigControlfrm.h"
#include "startup/notices.h"
#include "startup/user_folders.h"

namespace ks {

void RigControlfrm::LoadBandPlan() {
  BandPlan.clear();
  std::string bytes;
  if (!io::ReadFile(WorkingFile(App(), "BandPlan.txt"), bytes, io::kTableFileMaxBytes).ok()) return;
  BandPlan = rig::ExtraClassRows(std::move(bytes));
}

bool RigControlfrm::SendBytes(const std::string& bytes) {
  if (bytes.empty()) return true;
  auto result = port_->Write(bytes);
  if (!result) throw std::runtime_error(result.error);
  return true;
}

void RigControlfrm::TellSetFailure(const SetFailureTeller& tell, const std::string& text, const char* title,
                                   const char* notice) {
  App().State<Notices>().Set(kRigCommandNoticeSource, notice, std::string(title) + ": " + text);
  if (tell) tell(text, title);
}

RigControlfrm::SetFailureTeller RigControlfrm::TellIn(forms::Label& label) {
  return [&label](const std::string& text, const std::string& title) {
    if (!label.ParentForm().IsLoaded()) return;
    label.SetCaption(title);
    label.SetToolTipText(text);
  };
}

void RigControlfrm::ChangeFrequency(float& frequency, const SetFailureTeller& tell) {
  if (!tmrGetData.Enabled()) return;
  tmrGetData.SetEnabled(false);
  App().State<Notices>().Set(kRigCommandNoticeSource, "");
  const float mhz = frequency;
  try {
    const auto& family = Family();
    if (RigName() != "Ten Tec Pegasus") {
      if (auto r = port_->DiscardInput(); !r) throw std::runtime_error(r.error);
    }
    RigReply.clear();
    float lookup = mhz;
    std::string mode;
    ChangeMode(lookup, mode, tell);
    WaitForOutputBuffer();
    if (family.wait_before_ms > 0) PauseMilliseconds(static_cast<float>(family.wait_before_ms));
    if (family.events_between_waits) App().DoEvents();
    if (family.second_wait_ms > 0) PauseMilliseconds(static_cast<float>(family.second_wait_ms));
    if (family.set_frequency == rig::FrequencyCommand::kPegasus) {
      WritePegasusFile(mhz);
    } else {
      SendBytes(rig::SetFrequencyCommand(family, mhz, Requests(), KenwoodVFO));
    }
    WaitForOutputBuffer();
    tmrGetData.SetEnabled(true);
  } catch (const std::exception& error) {
    TellSetFailure(tell, error.what(), "Error Changing Frequency", kFrequencyNotSentNotice);
    // Polling goes on, so the window's "Polling Rig" stays true; a port that went away with
    // the command is lost as it is to the poll.
    if (port_->IsOpen() || RigName() == "Ten Tec Pegasus") {
      tmrGetData.SetEnabled(true);
    } else {
      PortLost(error.what());
    }
  }
}

void RigControlfrm::ChangeMode(float& frequency, std::string& mode, const SetFailureTeller& tell) {
  if (RigName() == "None") return;
  if (mode.empty()) rig::LookupBandPlan(BandPlan, frequency, mode);
  if (mode.empty()) return;
  App().State<Notices>().Set(kRigCommandNoticeSource, "");
  try {
    App().DoEvents();
    WaitForOutputBuffer();
    PauseMilliseconds(99);
    SendBytes(rig::SetModeCommand(Family(), mode, Requests()));
    WaitForOutputBuffer();
  } catch (const std::exception& error) {
    TellSetFailure(tell, std::string(error.what()) + " " + mode, "Error Changing Mode", kModeNotSentNotice);
  }
}

void RigControlfrm::WaitForOutputBuffer() {
  auto& clock = App().Clock();
  const auto deadline = clock.TickMs() + 2000;
  while (clock.TickMs() < deadline) {
    int pending = 0;
    if (!port_->IsOpen() || !port_->OutputPending(pending).ok() || pending == 0) return;
    App().DoEvents();
    clock.Sleep(1);
  }
}

void RigControlfrm::PauseMilliseconds(float ms) {
  App().DoEvents();
  if (ms > 0) App().Clock().Sleep(static_cast<int>(ms));  // holds the program, as the radios need
  App().DoEvents();
}

bool RigControlfrm::ReadPegasusFile() {
  std::string bytes;
  const auto folder = rig::PegasusFolder(App().Settings(), App().Environment());
  if (!io::ReadFile(io::ResolveNoCase(folder, "PEGASUS.OUT"), bytes, io::kSettingsFileMaxBytes).ok()) return false;
  rig::RigReading reading{RigFrequency, RigMode, KenwoodVFO};
  if (!rig::ParsePegasusOut(std::move(bytes), reading)) return false;
  RigFrequency = reading.frequency;
  RigMode = reading.mode;
  return true;
}

void RigControlfrm::WritePegasusFile(float frequency) {
  const auto folder = rig::PegasusFolder(App().Settings(), App().Environment());
  const io::FileResult written =
      io::WriteFileAtomic(io::ResolveNoCase(folder, "PEGASUS.IN"), rig::FormatPegasusIn(frequency, RigMode));
  if (!written) throw std::runtime_error(written.error);
}

}  // namespace ks
