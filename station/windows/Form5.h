#pragma once
// The help page: the text of ReadSQSO.txt from the working directory, read afresh at each
// opening, in a read-only box.
#include "platform/forms/controls.h"
#include "platform/forms/form.h"

namespace ks {

inline constexpr const char* kHelpFileName = "ReadSQSO.txt";

class Form5 : public forms::Form {
 public:
  explicit Form5(forms::Application& app);

  // In tab order.
  forms::CommandButton Command1{*this, "Command1"};
  forms::TextBox Text1{*this, "Text1"};
  forms::CommandButton Command2{*this, "Command2"};  // hidden; nothing shows it

  void Form_Load() override;
  void Command1_Click();
  void Command2_Click();

 private:
  void Design();
};

}  // namespace ks
