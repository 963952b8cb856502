#pragma once
// The rig-interface window: the radio family, its serial port and settings, the poll of the
// radio's frequency and mode (handed to the main window), the set-frequency and set-mode
// commands other windows call, and the rig settings file RigCntrl.txt.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/forms/control_array.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "rig/band_plan.h"
#include "rig/control/cut_record_drain.h"
#include "rig/control/silence_watch.h"
#include "rig/protocol/families.h"

namespace ks::io {
class SerialPort;
}

namespace ks {

class RigControlfrm : public forms::Form {
 public:
  explicit RigControlfrm(forms::Application& app);
  ~RigControlfrm() override;

  // Poll cycle.
  void Command1_Click();  // "Test"
  void Command2_Click();  // "End Test"
  void tmrGetData_Timer();
  void Form_Load() override;
  void Form_Unload(int& Cancel) override;

  // Moving the radio; both take the frequency by reference and never change it. They wait
  // for the radio and let events run meanwhile, so the operator may be typing (the call that
  // a spot click put in the call box): a failure opens no window. It is told in the main
  // window's message label (kFrequencyNotSentNotice, kModeNotSentNotice) until the next
  // command goes out, and to `tell`, when given, with the error and its title for the
  // calling window's own label.
  static constexpr const char* kFrequencyNotSentNotice = "Frequency not sent to rig!";
  static constexpr const char* kModeNotSentNotice = "Mode not sent to rig!";
  using SetFailureTeller = std::function<void(const std::string& text, const std::string& title)>;
  // A teller that shows a failure in `label` of the calling window (the title as its
  // caption, the error as its tip), while that window is loaded.
  static SetFailureTeller TellIn(forms::Label& label);
  void ChangeFrequency(float& frequency, const SetFailureTeller& tell = {});
  void ChangeMode(float& frequency, std::string& mode, const SetFailureTeller& tell = {});

  // Window handlers.
  void List1_Click();
  void cmdDone_Click();
  void Command3_Click();
  void Command4_Click();
  void chkConvToHex_Click();
  void txtFreq_Change();
  void txtMode_Change();
  void txtFreq_GotFocus();
  void txtMode_GotFocus();
  void optComm_Click(int Index);
  // Every option of the baud, parity, data, stop, power and poll groups stops polling.
  void optBaud12_Click() { Command2_Click(); }
  void optBaud24_Click() { Command2_Click(); }
  void optBaud48_Click() { Command2_Click(); }
  void optBaud96_Click() { Command2_Click(); }
  void optBaud144_Click() { Command2_Click(); }
  void optBaud192_Click() { Command2_Click(); }
  void optBaud288_Click() { Command2_Click(); }
  void optBaud384_Click() { Command2_Click(); }
  void optBaud560_Click() { Command2_Click(); }
  void optParityOdd_Click() { Command2_Click(); }
  void optParityNone_Click() { Command2_Click(); }
  void optParityEven_Click() { Command2_Click(); }
  void optData7_Click() { Command2_Click(); }
  void optData8_Click() { Command2_Click(); }
  void optStop1_Click() { Command2_Click(); }
  void optStop2_Click() { Command2_Click(); }
  void optPowerNone_Click() { Command2_Click(); }
  void optPowerRTS_Click() { Command2_Click(); }
  void optPowerDTR_Click() { Command2_Click(); }
  void optPollFast_Click() { Command2_Click(); }
  void optPollMed_Click() { Command2_Click(); }
  void optPollSlow_Click() { Command2_Click(); }
  void optReallySlow_Click() { Command2_Click(); }
  void OptRig_Click();
  void OptFreq_Click();
  void OptDont_Click();

  // The notices of a radio whose frequency is no longer read, shown after the main window's
  // message with the system's reason in the label's tip; the frequency label says "No
  // Response" meanwhile. They, and the notices of the commands, go when the window is unloaded.
  static constexpr const char* kSilenceNotice = "No frequency from the rig!";
  static constexpr const char* kPortLostNotice = "Rig port lost!";

  // Rig state.
  std::string RigBaud = "";  // 5 characters, blank-padded
  std::string RigParity, RigDataBits, RigStopBits, RigCommSettings;
  std::uint8_t RigPortNumber = 0;
  std::string RigPowerLine, RigPollRate;
  std::string FreqRequest, ModeRequest, RigReply;
  float RigFrequency = 0;
  std::string RigMode;
  std::uint8_t PollPhase = 0;
  std::uint8_t PollAlternate = 0;
  std::uint8_t KenwoodVFO = 10;
  std::uint8_t RigSettingsLoading = 0;
  std::vector<rig::BandPlanRow> BandPlan;  // the Extra-class rows of BandPlan.txt
  rig::SilenceWatch Silence;               // the frequency requests that went unanswered
  rig::CutRecordDrain CutRecord;           // the line after a record that came cut

  io::SerialPort& comComm1() { return *port_; }
  // Writes to the port for the frequency-command test window; false if it is not open.
  bool WriteToRig(const std::string& bytes);

  // Controls, in tab order.
  forms::Label Label1{*this, "Label1"};
  forms::ListBox List1{*this, "List1"};
  forms::Label Label4{*this, "Label4"};
  forms::TextBox txtFreq{*this, "txtFreq"};
  forms::Label Label3{*this, "Label3"};
  forms::TextBox txtMode{*this, "txtMode"};
  forms::Frame fraPort{*this, "fraPort"};
  forms::ControlArray<forms::OptionButton> optComm{*this, "optComm", &fraPort};
  forms::Frame fraBaud{*this, "fraBaud"};
  forms::OptionButton optBaud12{*this, "optBaud12", &fraBaud};
  forms::OptionButton optBaud24{*this, "optBaud24", &fraBaud};
  forms::OptionButton optBaud48{*this, "optBaud48", &fraBaud};
  forms::OptionButton optBaud96{*this, "optBaud96", &fraBaud};
  forms::OptionButton optBaud144{*this, "optBaud144", &fraBaud};
  forms::OptionButton optBaud192{*this, "optBaud192", &fraBaud};
  forms::OptionButton optBaud288{*this, "optBaud288", &fraBaud};
  forms::OptionButton optBaud384{*this, "optBaud384", &fraBaud};
  forms::OptionButton optBaud560{*this, "optBaud560", &fraBaud};
  forms::Frame fraParity{*this, "fraParity"};
  forms::OptionButton optParityOdd{*this, "optParityOdd", &fraParity};
  forms::OptionButton optParityNone{*this, "optParityNone", &fraParity};
  forms::OptionButton optParityEven{*this, "optParityEven", &fraParity};
  forms::Frame fraData{*this, "fraData"};
  forms::OptionButton optData7{*this, "optData7", &fraData};
  forms::OptionButton optData8{*this, "optData8", &fraData};
  forms::Frame fraStop{*this, "fraStop"};
  forms::OptionButton optStop1{*this, "optStop1", &fraStop};
  forms::OptionButton optStop2{*this, "optStop2", &fraStop};
  forms::Frame fraPower{*this, "fraPower"};
  forms::OptionButton optPowerNone{*this, "optPowerNone", &fraPower};
  forms::OptionButton optPowerRTS{*this, "optPowerRTS", &fraPower};
  forms::OptionButton optPowerDTR{*this, "optPowerDTR", &fraPower};
  forms::Frame fraPoll{*this, "fraPoll"};
  forms::OptionButton optPollFast{*this, "optPollFast", &fraPoll};
  forms::OptionButton optPollMed{*this, "optPollMed", &fraPoll};
  forms::OptionButton optPollSlow{*this, "optPollSlow", &fraPoll};
  forms::OptionButton optReallySlow{*this, "optReallySlow", &fraPoll};
  forms::Frame Frame1{*this, "Frame1"};
  forms::OptionButton OptRig{*this, "OptRig", &Frame1};
  forms::OptionButton OptFreq{*this, "OptFreq", &Frame1};
  forms::OptionButton OptDont{*this, "OptDont", &Frame1};
  forms::CheckBox chkFrequency{*this, "chkFrequency"};
  forms::CheckBox chkConvToHex{*this, "chkConvToHex"};
  forms::CheckBox ChkConvHex{*this, "ChkConvHex"};
  forms::CommandButton Command1{*this, "Command1"};
  forms::CommandButton Command2{*this, "Command2"};
  forms::CommandButton Command3{*this, "Command3"};
  forms::CommandButton Command4{*this, "Command4"};
  forms::CommandButton cmdDone{*this, "cmdDone"};
  forms::Label Label7{*this, "Label7"};
  forms::Label lblFreq{*this, "lblFreq"};
  forms::Label Label5{*this, "Label5"};
  forms::Label lblMode{*this, "lblMode"};
  forms::Label Label9{*this, "Label9"};
  forms::Label Label6{*this, "Label6"};
  forms::Label lblUnProcess{*this, "lblUnProcess"};
  forms::Label Label2{*this, "Label2"};
  forms::Label Label10{*this, "Label10"};
  forms::Label Label8{*this, "Label8"};
  forms::Label Label11{*this, "Label11"};
  forms::Label Label12{*this, "Label12"};
  forms::Line Line1{*this, "Line1", 120, 5040, 11880, 5040};
  forms::Timer tmrGetData{*this, "tmrGetData", 1000, false};

 private:
  void Design();
  void DesignOptions();
  void WireHandlers();
  bool OpenRigPort();
  void StartPollTimer();
  void SendTick();
  void ReadTick();
  void TakeReading();
  void TellSilence();
  void EndSilence();
  void ShowPortFailure();
  void PortLost(const std::string& why);
  bool WriteRequest();
  void TellSetFailure(const SetFailureTeller& tell, const std::string& text, const char* title, const char* notice);
  void LoadRigSettings();
  void SaveRigSettings();
  void ApplyPreset(const std::string& family);
  void LoadBandPlan();
  void WaitForOutputBuffer();
  void PauseMilliseconds(float ms);
  bool ReadPegasusFile();
  void WritePegasusFile(float frequency);
  bool SendBytes(const std::string& bytes);
  const rig::RigFamily& Family() const;
  rig::RigRequests Requests() const;
  std::string& RigName();
  const std::string& RigName() const;

  std::unique_ptr<io::SerialPort> port_;
};

}  // namespace ks
