#include "station/windows/county_windows_common.h"

#include "logstore/county_table.h"
#include "platform/forms/application.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "station/station_settings.h"

namespace ks {

void FitByNewWidth(forms::Form& form, forms::FitRule::FontRatio control_font) {
  forms::FitRule rule;
  rule.form_font = forms::FitRule::FontRatio::NewWidth;
  rule.control_font = control_font;
  forms::FitFormToScreen(form, rule);
}

void DesignInvalidMarker(forms::Label& marker) {
  marker.SetCaption("   Invalid!");
  marker.SetForeColor(forms::colors::kWhite);
  marker.SetBackColor(forms::Rgb(128, 0, 0));
  marker.SetVisible(false);
}

void SelectToEnd(forms::TextBox& box) { box.SetSelLength(static_cast<int>(box.Text().size())); }

void CheckCountyBox(forms::TextBox& box, forms::Label& marker, const std::function<bool(const std::string&)>& refused) {
  forms::Application& app = box.ParentForm().App();
  marker.SetVisible(false);
  int& invalid = app.State<RunState>().InvalidCountyFlag;
  const CountyTable& counties = app.State<CountyTable>();
  ExpandCountyCodeInBox(box, counties);
  invalid = IsCountyName(counties, box.Text()) && !(refused && refused(box.Text())) ? 0 : 1;
  if (invalid == 0) return;
  app.Beep();
  marker.SetVisible(true);
  box.SetFocus();
}

}  // namespace ks
