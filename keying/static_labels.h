#pragma once
// What the keyer windows share: fixed captions, key filters, the repeat box and the fitting.
#include <memory>
#include <string>
#include <vector>

#include "platform/forms/controls.h"
#include "platform/forms/form.h"

namespace ks {

// The labels with fixed captions of one window, owned with it.
class StaticLabels {
 public:
  explicit StaticLabels(forms::Form& window) : window_(window) {}
  forms::Label& Add(const std::string& caption, float left, float top, float width, float height, bool wrap = false);

 private:
  forms::Form& window_;
  std::vector<std::unique_ptr<forms::Label>> labels_;
};

// "a" to "z" become capitals; every other key stays.
void UpperCaseKey(int& key);
// The F1 repeat box left: seconds from 0 up to (not including) 60 set the timer's interval;
// anything else puts "0" back, with interval 0.
void RepeatBoxLeft(forms::TextBox& seconds, forms::Timer& timer);
// Fits a keyer window to the screen: centred, its font by its new width / 9600 and its
// controls' fonts by the width ratio, at most 1.5.
void FitKeyerWindow(forms::Form& window);
// Keeps Backspace and the character codes from `low` to `high`; drops every other key.
void KeepKeys(int& key, int low, int high);

}  // namespace ks
