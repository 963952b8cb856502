#pragma once
// The logo window: shown modally at start for about two seconds. Timer2 adds the banner
// picture after 1.1 s, Timer1 closes the window after 1.9 s; a click on the picture closes it
// at once. A splash.jpg in the shared folder replaces the picture and shows alone for 2.7 s.
#include "platform/forms/application.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"

namespace ks {

class frmCorvaneLogo : public forms::Form {
 public:
  explicit frmCorvaneLogo(forms::Application& app);

  forms::Image Image1{*this, "Image1"};
  forms::Image Image2{*this, "Image2"};
  forms::Timer Timer1{*this, "Timer1", 1900, true};
  forms::Timer Timer2{*this, "Timer2", 1100, true};

  void Form_Load() override;
  void Timer1_Timer();
  void Timer2_Timer();
  void Image1_Click();
};

}  // namespace ks
