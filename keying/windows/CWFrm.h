#pragma once
// The CW window: the Morse messages of F1 to F11 and the keying settings. It is loaded
// hidden at start-up, filled from cw.txt, and stays loaded for the function keys.
#include "platform/forms/controls.h"
#include "platform/forms/form.h"

namespace ks {

class CWFrm : public forms::Form {
 public:
  explicit CWFrm(forms::Application& app);

  // ---- What the main window's keys start (windows/CWFrm_keys.cpp) ----
  // Empties CWBuffer and sends the message of a function key (124 is the F10 message).
  void FKeyCW(int& KeyCode);
  // Sends what CWBuffer holds.
  void LoopThroughCWBuffer();
  // One word per minute more or less in the speed box Text11.
  void UpDown1_UpClick();
  void UpDown1_DownClick();

  // The messages of F1 to F9, F10 and F11.
  forms::TextBox Text1{*this, "Text1"};
  forms::TextBox Text2{*this, "Text2"};
  forms::TextBox Text3{*this, "Text3"};
  forms::TextBox Text4{*this, "Text4"};
  forms::TextBox Text5{*this, "Text5"};
  forms::TextBox Text6{*this, "Text6"};
  forms::TextBox Text7{*this, "Text7"};
  forms::TextBox Text8{*this, "Text8"};
  forms::TextBox Text9{*this, "Text9"};
  forms::TextBox Text12{*this, "Text12"};
  forms::TextBox Text13{*this, "Text13"};
  // The keying serial port ("0" for none), the speed in words per minute, the word-space
  // adjustment, the parallel-port address and the F1 repeat interval in seconds.
  forms::TextBox Text10{*this, "Text10"};
  forms::TextBox Text11{*this, "Text11"};
  forms::TextBox txtSpace{*this, "txtSpace"};
  forms::TextBox Text14{*this, "Text14"};
  forms::TextBox txtCWLoop{*this, "txtCWLoop"};
  forms::CheckBox Check1{*this, "Check1"};
  // The keying choice.
  forms::OptionButton Option1{*this, "Option1"};
  forms::OptionButton Option2{*this, "Option2"};
  forms::OptionButton Option3{*this, "Option3"};
  forms::OptionButton Option4{*this, "Option4"};
  forms::OptionButton Option5{*this, "Option5"};
  // Repeats the F1 message.
  forms::Timer tmrRepeat{*this, "tmrRepeat", 0, false};

 private:
  void LayOut();
};

}  // namespace ks
