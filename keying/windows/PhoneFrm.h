#pragma once
// The voice-keyer window: the sound files of F1 to F9 and the push-to-talk settings. It is
// loaded hidden at start-up, filled from wave2.txt, and stays loaded for the function keys.
#include "platform/forms/controls.h"
#include "platform/forms/form.h"

namespace ks {

class PhoneFrm : public forms::Form {
 public:
  explicit PhoneFrm(forms::Application& app);

  // Plays the voice message of F1 to F9 (windows/PhoneFrm_keys.cpp).
  void FKeyPhone(int& KeyCode);

  // The sound files of F1 to F9.
  forms::TextBox Text1{*this, "Text1"};
  forms::TextBox Text2{*this, "Text2"};
  forms::TextBox Text3{*this, "Text3"};
  forms::TextBox Text4{*this, "Text4"};
  forms::TextBox Text5{*this, "Text5"};
  forms::TextBox Text6{*this, "Text6"};
  forms::TextBox Text7{*this, "Text7"};
  forms::TextBox Text8{*this, "Text8"};
  forms::TextBox Text9{*this, "Text9"};
  // The push-to-talk serial port ("0" for none) and line.
  forms::TextBox Text10{*this, "Text10"};
  forms::OptionButton Option1{*this, "Option1"};
  forms::OptionButton Option2{*this, "Option2"};
  forms::OptionButton Option3{*this, "Option3"};
  // The F1 repeat interval in seconds and the parallel-port address.
  forms::TextBox txtPHLoop{*this, "txtPHLoop"};
  forms::TextBox Text11{*this, "Text11"};
  // Repeats the F1 message.
  forms::Timer tmrRepeat{*this, "tmrRepeat", 0, false};

 private:
  void LayOut();
};

}  // namespace ks
