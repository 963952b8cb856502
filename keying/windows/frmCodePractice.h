#pragma once
// The code-practice window: random groups, pasted or typed text sent as Morse through the
// CW sender, with an echo of what was sent and the speed buttons. The CW window shows it
// modally and unloads it when it closes.
#include <array>
#include <functional>
#include <string>

#include "keying/static_labels.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"

namespace ks {

class frmCodePractice : public forms::Form {
 public:
  explicit frmCodePractice(forms::Application& app);

  void Form_Load() override;
  void Form_Unload(int& Cancel) override;
  void Command1_Click();  // Paste from Clipboard
  void Command2_Click();  // Generate Random Characters
  void Command3_Click();  // Send
  void Command4_Click();  // Stop
  void Command5_Click();  // Clear the echo
  void Command6_Click();  // Clear the text to send
  void Command7_Click();  // Faster
  void Command8_Click();  // Slower
  void Text1_KeyPress(int& KeyAscii);
  void Text5_KeyPress(int& KeyAscii);

  forms::TextBox Text5{*this, "Text5"};
  forms::TextBox Text1{*this, "Text1"};
  forms::TextBox Text2{*this, "Text2"};
  forms::TextBox Text3{*this, "Text3"};
  forms::TextBox Text4{*this, "Text4"};
  forms::Frame Frame1{*this, "Frame1"};
  forms::OptionButton Option1{*this, "Option1", &Frame1};
  forms::OptionButton Option2{*this, "Option2", &Frame1};
  forms::CommandButton Command2{*this, "Command2"};
  forms::CommandButton Command1{*this, "Command1"};
  forms::CommandButton Command3{*this, "Command3"};
  forms::CommandButton Command4{*this, "Command4"};
  forms::CommandButton Command6{*this, "Command6"};
  forms::CommandButton Command5{*this, "Command5"};
  forms::CommandButton Command7{*this, "Command7"};
  forms::CommandButton Command8{*this, "Command8"};
  forms::Label Label8{*this, "Label8"};

  // Slots 1 to 41: "A" to "Z", "0" to "9", ".", ",", "?", "/", "-".
  std::array<std::string, 46> PracticeCharacters;
  std::string PracticeSendText;

 private:
  void LayOut();
  void WireHandlers();
  StaticLabels captions_{*this};
};

// Groups of random characters from the first `table_size` practice characters (41 all,
// 26 letters only), each group followed by one blank; `next_uniform` gives numbers in [0, 1).
std::string RandomGroups(int groups, int per_group, int table_size, const std::array<std::string, 46>& table,
                         const std::function<double()>& next_uniform);

}  // namespace ks
