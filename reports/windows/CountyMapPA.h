#pragma once
// The county map: Pennsylvania's 67 counties, each worked county painted in a random colour
// once the window has appeared; pointing at a county shows its name.
#include "platform/forms/control_array.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"

namespace ks {

class CountyMapPA : public forms::Form {
 public:
  explicit CountyMapPA(forms::Application& app);

  forms::PictureBox Picture1{*this, "Picture1"};
  forms::ControlArray<forms::Label> lblCounty{*this, "lblCounty", &Picture1};
  forms::Label Label1{*this, "Label1", &Picture1};
  forms::Timer Timer1{*this, "Timer1", 1, true};

  void Form_Load() override;
  void Timer1_Timer();
  // Colour the counties of the worked list of the out-of-state or in-state main window.
  void ColorOutfrmCounties();
  void ColorInfrmCounties();

 private:
  void Design();
  void ColorCountiesOf(forms::Form* main_window);
};

}  // namespace ks
