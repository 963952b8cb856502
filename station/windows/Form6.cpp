#include "station/windows/Form6.h"

#include "platform/forms/application.h"
#include "platform/forms/form_resize.h"
#include "station/station_settings.h"

namespace ks {

Form6::Form6(forms::Application& app) : forms::Form(app, "Form6") {
  Design();
  Command1.Click = [this] { Command1_Click(); };
  Command3.Click = [this] { Command3_Click(); };
  Command6.Click = [this] { Command6_Click(); };
}

// Remaining on the left, worked on the right, each button over its sample; Done at the
// bottom.
void Form6::Design() {
  SetCaption(" Modify Multiplier Color Selections");
  Move(0, 0, 6000, 3570);
  Command1.SetCaption("Change \"Remaining\" Color");
  Command1.Move(240, 240, 2520, 495);
  Command3.SetCaption("Change \"Worked\" Color");
  Command3.Move(3120, 240, 2520, 495);
  for (forms::Label* sample : {&Label2, &Label1}) {
    sample->TextAlign = forms::Alignment::Center;
    sample->SetFontSize(9.75f);
    sample->SetFontBold(true);
  }
  Label2.SetCaption("Appearance of multiplier remaining");
  // Two lines of the sample text, also on a wide screen, where the font grows with the
  // width and the height less.
  Label2.Move(240, 960, 2520, 720);
  Label1.SetCaption("Appearance of multiplier worked");
  Label1.Move(3120, 960, 2520, 720);
  Command6.SetCaption("Done");
  Command6.Move(2332, 2400, 1335, 435);
}

void Form6::Form_Load() {
  forms::FitRule rule;
  rule.form_font = forms::FitRule::FontRatio::Width;
  rule.control_font = forms::FitRule::FontRatio::Width;
  forms::FitFormToScreen(*this, rule);
  const StationSettings& settings = App().State<StationSettings>();
  Label1.SetForeColor(static_cast<forms::Color>(settings.MultWorkedColor));
  Label2.SetForeColor(static_cast<forms::Color>(settings.MultRemainingColor));
}

void Form6::ChooseColor(std::int32_t& setting, forms::Label& sample) {
  cmdColor.Flags = forms::CommonDialog::kColorInit;
  cmdColor.ColorValue = forms::colors::kBlack;
  if (!cmdColor.ShowColor()) return;
  setting = static_cast<std::int32_t>(cmdColor.ColorValue);
  sample.SetForeColor(cmdColor.ColorValue);
}

void Form6::Command1_Click() { ChooseColor(App().State<StationSettings>().MultRemainingColor, Label2); }

void Form6::Command3_Click() { ChooseColor(App().State<StationSettings>().MultWorkedColor, Label1); }

void Form6::Command6_Click() { Hide(); }

}  // namespace ks
