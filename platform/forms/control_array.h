#pragma once
// A control array: controls of one kind sharing a name, reached by index, such as Label10(i).
// Elements made at design come from the window's constructor; Load adds one at run time
// with the geometry, font and colours of the lowest element, hidden, as the toolkit does.
#include <map>
#include <memory>
#include <stdexcept>
#include <string>

#include "platform/forms/control.h"
#include "platform/forms/form.h"

namespace ks::forms {

class Form;

template <typename T>
class ControlArray {
 public:
  ControlArray(Form& form, std::string name, Control* container = nullptr)
      : form_(form), name_(std::move(name)), container_(container) {}

  // Makes element `index` at design (visible).
  T& Design(int index) {
    auto& slot = elements_[index];
    slot = std::make_unique<T>(form_, name_, container_, index);
    return *slot;
  }

  // Makes element `index` at run time, like the lowest element but hidden.
  T& Load(int index) {
    if (elements_.count(index) != 0) throw std::logic_error("control array element already loaded: " + name_);
    const T* model = elements_.empty() ? nullptr : elements_.begin()->second.get();
    auto element = std::make_unique<T>(form_, name_, model ? model->Container() : container_, index);
    if (model) {
      element->Move(model->Left(), model->Top(), model->Width(), model->Height());
      element->SetFont(model->GetFont());
      element->SetForeColor(model->ForeColor());
      element->SetBackColor(model->BackColor());
      element->SetEnabled(model->Enabled());
      element->SetTabIndex(model->TabIndex());
    }
    element->SetVisible(false);
    T& ref = *element;
    elements_[index] = std::move(element);
    form_.AnnounceAddedControls();
    return ref;
  }

  void Unload(int index) { elements_.erase(index); }
  bool Exists(int index) const { return elements_.count(index) != 0; }

  T& operator()(int index) { return At(index); }
  const T& operator()(int index) const { return At(index); }
  T& At(int index) const {
    auto it = elements_.find(index);
    if (it == elements_.end()) throw std::out_of_range("no element " + std::to_string(index) + " of " + name_);
    return *it->second;
  }

  int Count() const { return static_cast<int>(elements_.size()); }
  int LBound() const { return elements_.empty() ? 0 : elements_.begin()->first; }
  int UBound() const { return elements_.empty() ? -1 : elements_.rbegin()->first; }
  const std::string& Name() const { return name_; }

  // Iterates the elements in index order: for (auto& [index, control] : array) ...
  auto begin() const { return elements_.begin(); }
  auto end() const { return elements_.end(); }

 private:
  Form& form_;
  std::string name_;
  Control* container_;
  std::map<int, std::unique_ptr<T>> elements_;
};

}  // namespace ks::forms
