#pragma once
// The tune-and-scan window: band presets, a typed frequency, steps up and down, the mode
// buttons and a slow scan between two limits. Every frequency and mode goes to the radio
// through the rig window.
#include <string>

#include "platform/forms/control_array.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "rig/windows/RigControlfrm.h"

namespace ks {

class frmRigTune : public forms::Form {
 public:
  explicit frmRigTune(forms::Application& app);

  void Form_Load() override;
  void Form_KeyPress(int& KeyAscii) override;
  void Command1_Click();  // "&Go"
  void cmdBand_Click(int Index);
  void cmdTune_Click(int Index);
  void txtFreq_Change();
  void txtFreq_KeyPress(int& KeyAscii);
  void NumberKeyPress(int& KeyAscii);
  void txtFrom_KeyPress(int& KeyAscii) { NumberKeyPress(KeyAscii); }
  void txtTo_KeyPress(int& KeyAscii) { NumberKeyPress(KeyAscii); }
  // The mode buttons set the radio's mode by their text.
  void ModeButton_Click(const char* mode);
  void cmdCW_Click() { ModeButton_Click("CW"); }
  void cmdUSB_Click() { ModeButton_Click("USB"); }
  void cmdLSB_Click() { ModeButton_Click("LSB"); }
  void cmdAM_Click() { ModeButton_Click("AM"); }
  void cmdFM_Click() { ModeButton_Click("FM"); }
  void cmdRTTY_Click() { ModeButton_Click("RTTY"); }
  void chkScan_Click();
  void Timer1_Timer();
  void cmdDone_Click();

  // Why the scan stopped by itself, shown in lblNotice until Scan is ticked again. A command
  // of Go, a band, tune or mode button that did not reach the radio is told there too (the
  // title of its error, the error as the tip) until the next such command.
  static constexpr const char* kPortErrorNotice = "Scan stopped: rig port error.";
  static constexpr const char* kNotPolledNotice = "Scan stopped: rig not polled.";

  // In tab order.
  forms::TextBox txtFreq{*this, "txtFreq"};
  forms::CommandButton Command1{*this, "Command1"};
  forms::ControlArray<forms::CommandButton> cmdBand{*this, "cmdBand"};
  forms::ControlArray<forms::CommandButton> cmdTune{*this, "cmdTune"};
  forms::CommandButton cmdCW{*this, "cmdCW"};
  forms::CommandButton cmdUSB{*this, "cmdUSB"};
  forms::CommandButton cmdLSB{*this, "cmdLSB"};
  forms::CommandButton cmdAM{*this, "cmdAM"};
  forms::CommandButton cmdFM{*this, "cmdFM"};
  forms::CommandButton cmdRTTY{*this, "cmdRTTY"};
  forms::CheckBox chkScan{*this, "chkScan"};
  forms::Label Label4{*this, "Label4"};
  forms::TextBox txtFrom{*this, "txtFrom"};
  forms::Label Label5{*this, "Label5"};
  forms::TextBox txtTo{*this, "txtTo"};
  forms::Frame Frame1{*this, "Frame1"};
  forms::OptionButton Option5{*this, "Option5", &Frame1};
  forms::OptionButton Option1{*this, "Option1", &Frame1};
  forms::OptionButton Option2{*this, "Option2", &Frame1};
  forms::OptionButton Option3{*this, "Option3", &Frame1};
  forms::OptionButton Option4{*this, "Option4", &Frame1};
  forms::Label lblNotice{*this, "lblNotice"};
  forms::CommandButton cmdDone{*this, "cmdDone"};
  forms::Label Label1{*this, "Label1"};
  forms::Label Label2{*this, "Label2"};
  forms::Label Label3{*this, "Label3"};
  forms::Line Line1{*this, "Line1", 0, 885, 4905, 885};
  forms::Line Line2{*this, "Line2", 0, 1395, 4905, 1395};
  forms::Line Line3{*this, "Line3", 0, 1935, 4905, 1935};
  forms::Line Line4{*this, "Line4", 0, 2850, 4905, 2850};
  forms::Timer Timer1{*this, "Timer1", 299, true};

 private:
  void Design();
  void Wire();
  // Go: the frequency box to the radio, its failures to `tell`.
  void SendFrequency(const RigControlfrm::SetFailureTeller& tell);
  void ShowNotice(const std::string& notice, const std::string& why);
  // Unticks Scan without moving the focus and says why in lblNotice (`why`: its tip).
  void StopScan(const char* notice, const std::string& why);

  bool going_ = false;  // a frequency is on its way to the radio
  bool stopping_scan_ = false;
};

}  // namespace ks
