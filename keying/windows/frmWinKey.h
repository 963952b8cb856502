#pragma once
// The WinKeyer window: opens and closes the keyer on a numbered serial port, sends it its
// settings (speed, weight, PTT lead-in and tail, dit/dah ratio, pin 5 and keyer mode),
// keeps them in WK.txt in the data folder, and feeds it the characters of CWBuffer one at a
// time. The keyer sends Morse itself; the Morse engine is not used on this path.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/forms/controls.h"
#include "platform/forms/form.h"

namespace ks::io {
class WinKeyer;
}

namespace ks {

inline constexpr const char* kWinKeyFileName = "WK.txt";

class frmWinKey : public forms::Form {
 public:
  explicit frmWinKey(forms::Application& app);
  ~frmWinKey() override;

  forms::Label lblOpenStatusCaption{*this, "lblOpenStatusCaption"};
  forms::Label lblOpenStatus{*this, "lblOpenStatus"};
  forms::Label lblVersionCaption{*this, "lblVersionCaption"};
  forms::Label lblVersion{*this, "lblVersion"};
  forms::CommandButton cmdOpenWinkey{*this, "cmdOpenWinkey"};
  forms::CommandButton cmdCloseWinkey{*this, "cmdCloseWinkey"};
  forms::TextBox txtWKComPort{*this, "txtWKComPort"};
  forms::TextBox txtWKWPM{*this, "txtWKWPM"};
  forms::TextBox txtWeight{*this, "txtWeight"};
  forms::TextBox txtLeadIn{*this, "txtLeadIn"};
  forms::TextBox txtTail{*this, "txtTail"};
  forms::TextBox txtRatio{*this, "txtRatio"};
  forms::Frame fraMode{*this, "fraMode"};
  forms::OptionButton optIambicA{*this, "optIambicA", &fraMode};
  forms::OptionButton optIambicB{*this, "optIambicB", &fraMode};
  forms::OptionButton optUltimatic{*this, "optUltimatic", &fraMode};
  forms::OptionButton optBug{*this, "optBug", &fraMode};
  forms::Frame fraPin5{*this, "fraPin5"};
  forms::OptionButton optPTT{*this, "optPTT", &fraPin5};
  forms::OptionButton optTone{*this, "optTone", &fraPin5};
  forms::OptionButton optKey5Off3Out{*this, "optKey5Off3Out", &fraPin5};
  forms::OptionButton optKey5Out3Off{*this, "optKey5Out3Off", &fraPin5};
  forms::CommandButton Command3{*this, "Command3"};
  forms::CommandButton cmdStop{*this, "cmdStop"};
  forms::CommandButton cmdDone{*this, "cmdDone"};

  // The public operations.
  void cmdCloseWinkey_Click();
  void cmdOpenWinkey_Click();
  void WKTransmit();

  void Form_Load() override;
  void Form_Unload(int& cancel) override;
  void Command3_Click();
  void cmdStop_Click();
  void cmdDone_Click();
  void txtWKComPort_LostFocus();
  void txtWKWPM_LostFocus();
  void txtWeight_LostFocus();
  void txtLeadIn_LostFocus();
  void txtTail_LostFocus();
  void txtRatio_LostFocus();
  void Option_Click(forms::OptionButton& option);

  // The keyer calls the other windows make.
  int wk_getstatus();
  void wk_clearbuf();
  void wk_backspace();
  void wk_wpm(std::uint8_t wpm);

 private:
  void Design();
  void Wire();
  void ApplyWinKeySettings();
  void SendLeadTail(forms::TextBox& left);
  void ReadSettingsFile();
  bool WriteSettingsFile();
  // Says that the keyer stopped answering or its port failed, closes it and drops what waits.
  void GiveUp(const std::string& why);
  // Drops what waits to be sent and the F1 repeat, and says why in the main window's label.
  void StopSending(const std::string& why);
  io::WinKeyer& Keyer();

  std::unique_ptr<io::WinKeyer> keyer_;
  // The captions and notes beside the boxes.
  std::vector<std::unique_ptr<forms::Label>> captions_;
};

}  // namespace ks
