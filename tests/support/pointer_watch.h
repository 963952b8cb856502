#pragma once
// A view that notes the mouse pointer of a window at each change the window makes to its
// controls, and each change of the pointer itself: what the operator would see while a
// window works.
#include <vector>

#include "platform/forms/application.h"
#include "platform/forms/control.h"
#include "platform/forms/form.h"
#include "platform/forms/view.h"

namespace ks::testing {

class PointerWatch final : public forms::View {
 public:
  explicit PointerWatch(forms::Application& app) : app_(app), before_(app.GetView()) { app_.SetView(this); }
  ~PointerWatch() override { app_.SetView(before_); }
  PointerWatch(const PointerWatch&) = delete;
  PointerWatch& operator=(const PointerWatch&) = delete;

  // The pointer of its window at each change of a control, for changes of kind `what` only
  // when `only` is set.
  std::vector<forms::MousePointer> changes;
  // Each new pointer of a window, in order.
  std::vector<forms::MousePointer> pointers;
  bool only = false;
  forms::Property what = forms::Property::Drawing;

  void Clear() {
    changes.clear();
    pointers.clear();
  }

  void ControlChanged(forms::Control& control, forms::Property p) override {
    if (!only || p == what) changes.push_back(control.ParentForm().GetMousePointer());
  }
  void FormChanged(forms::Form& form, forms::Property p) override {
    if (p == forms::Property::MousePointer) pointers.push_back(form.GetMousePointer());
  }
  void FormShown(forms::Form&, bool) override {}
  void FormHidden(forms::Form&) override {}
  void FormUnloaded(forms::Form&) override {}
  void ControlAdded(forms::Control&) override {}
  void ControlRemoved(forms::Control&) override {}
  void FocusChanged(forms::Form&, forms::Control*) override {}

 private:
  forms::Application& app_;
  forms::View* before_;
};

}  // namespace ks::testing
