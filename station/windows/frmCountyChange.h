#pragma once
// The own-county window: a rover inside the state changes the county it sends. Done stores
// the box as OwnCounty; the wide button opens the rover-county window for a station on a
// county line, whose first listed county then becomes the own county.
#include "platform/forms/controls.h"
#include "platform/forms/form.h"

namespace ks {

class frmCountyChange : public forms::Form {
 public:
  explicit frmCountyChange(forms::Application& app);

  // In tab order.
  forms::TextBox Text1{*this, "Text1"};
  forms::CommandButton Command1{*this, "Command1"};
  forms::Label Label1{*this, "Label1"};
  forms::Label Label2{*this, "Label2"};
  forms::CommandButton cmdMultipleCounties{*this, "cmdMultipleCounties"};

  void Form_Load() override;
  void Command1_Click();
  void cmdMultipleCounties_Click();
  void Text1_GotFocus();
  void Text1_KeyPress(int& KeyAscii);
  void Text1_LostFocus();

 private:
  void Design();
};

}  // namespace ks
