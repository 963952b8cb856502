#pragma once
// What a view (the Qt widgets) is told when the model changes. The model is the single
// source of truth; a view draws it and forwards the operator's actions back into it.
#include "platform/forms/types.h"

namespace ks::forms {

class Form;
class Control;

class View {
 public:
  virtual ~View() = default;
  virtual void FormShown(Form& form, bool modal) = 0;
  virtual void FormHidden(Form& form) = 0;
  virtual void FormUnloaded(Form& form) = 0;
  virtual void FormChanged(Form& form, Property what) = 0;
  virtual void ControlChanged(Control& control, Property what) = 0;
  virtual void ControlAdded(Control& control) = 0;
  virtual void ControlRemoved(Control& control) = 0;
  virtual void FocusChanged(Form& form, Control* control) = 0;
  // Draws every change now, without running any event.
  virtual void PaintNow() {}
};

}  // namespace ks::forms
