#include "keying/static_labels.h"

#include "platform/forms/form_resize.h"
#include "platform/vb/parse.h"
#include "platform/vb/rounding.h"

namespace ks {

forms::Label& StaticLabels::Add(const std::string& caption, float left, float top, float width, float height,
                                bool wrap) {
  auto label = std::make_unique<forms::Label>(window_, "lblFixed" + std::to_string(labels_.size() + 1));
  label->Move(left, top, width, height);
  label->WordWrap = wrap;
  label->SetCaption(caption);
  labels_.push_back(std::move(label));
  return *labels_.back();
}

void RepeatBoxLeft(forms::TextBox& seconds, forms::Timer& timer) {
  const std::optional<double> value = vb::CDbl(seconds.Text());
  if (value && *value >= 0 && *value < 60) {
    timer.SetInterval(static_cast<int>(vb::RoundHalfEven(*value * 1000)));
    return;
  }
  seconds.SetText("0");
  timer.SetInterval(0);
}

void FitKeyerWindow(forms::Form& window) {
  forms::FitRule rule;
  rule.form_font = forms::FitRule::FontRatio::NewWidth;
  rule.control_font = forms::FitRule::FontRatio::WidthCapped;
  forms::FitFormToScreen(window, rule);
}

void UpperCaseKey(int& key) {
  if (key >= 'a' && key <= 'z') key -= 'a' - 'A';
}

void KeepKeys(int& key, int low, int high) {
  if (key == 8) return;
  if (key < low || key > high) key = 0;
}

}  // namespace ks
