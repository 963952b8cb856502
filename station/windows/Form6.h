#pragma once
// The multiplier colours window: the operator chooses the text colours of the in-state
// window's section labels, worked and still to work. A chosen colour is in effect at once;
// the menu command that opened the window writes the settings file after it closes.
#include <cstdint>

#include "platform/forms/controls.h"
#include "platform/forms/form.h"

namespace ks {

class Form6 : public forms::Form {
 public:
  explicit Form6(forms::Application& app);

  // In tab order.
  forms::CommandButton Command1{*this, "Command1"};
  forms::CommandButton Command3{*this, "Command3"};
  forms::Label Label2{*this, "Label2"};
  forms::Label Label1{*this, "Label1"};
  forms::Line Line2{*this, "Line2", 2940, 120, 2940, 2040};
  forms::Line Line1{*this, "Line1", 120, 2040, 5760, 2040};
  forms::CommandButton Command6{*this, "Command6"};
  forms::CommonDialog cmdColor{*this, "cmdColor"};

  void Form_Load() override;
  void Command1_Click();
  void Command3_Click();
  void Command6_Click();

 private:
  void Design();
  // The colour dialog, opened on black; a chosen colour goes into `setting` and `sample`,
  // a cancel keeps both as they were.
  void ChooseColor(std::int32_t& setting, forms::Label& sample);
};

}  // namespace ks
