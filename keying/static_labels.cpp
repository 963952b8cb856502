#include "keying/static_labels.h"

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

void UpperCaseKey(int& key) {
  if (key >= 'a' && key <= 'z') key -= 'a' - 'A';
}

void KeepKeys(int& key, int low, int high) {
  if (key == 8) return;
  if (key < low || key > high) key = 0;
}

}  // namespace ks
