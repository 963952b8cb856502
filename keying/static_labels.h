#pragma once
// Fixed captions of the keyer windows, and the key filters their boxes share.
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
// Keeps Backspace and the character codes from `low` to `high`; drops every other key.
void KeepKeys(int& key, int low, int high);

}  // namespace ks
