#pragma once
// The frequency-command test window: a command typed as text or hex bytes goes out on the
// rig's serial line unchanged, or a frequency goes to the radio through the rig window.
#include "platform/forms/controls.h"
#include "platform/forms/form.h"

namespace ks {

class frmFrequencyTest : public forms::Form {
 public:
  explicit frmFrequencyTest(forms::Application& app);

  void Form_Load() override;
  void Command1_Click();
  void Command2_Click();

  // In tab order.
  forms::TextBox Text1{*this, "Text1"};
  forms::CheckBox Check1{*this, "Check1"};
  forms::CommandButton Command1{*this, "Command1"};
  forms::TextBox Text2{*this, "Text2"};
  forms::CommandButton Command2{*this, "Command2"};
  forms::Label Label1{*this, "Label1"};
  forms::Label Label2{*this, "Label2"};
  forms::Label Label3{*this, "Label3"};
  forms::Label Label4{*this, "Label4"};
  // A frequency that did not reach the radio: its error's title, the error as the tip,
  // until the next Send.
  forms::Label lblNotice{*this, "lblNotice"};
  forms::Line Line1{*this, "Line1", 0, 2340, 5535, 2340};

 private:
  void Design();
};

}  // namespace ks
