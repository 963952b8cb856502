#include "platform/forms/control.h"

#include "platform/forms/application.h"
#include "platform/forms/form.h"

namespace ks::forms {

const char* KindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::TextBox: return "TextBox";
    case ControlKind::Label: return "Label";
    case ControlKind::CommandButton: return "CommandButton";
    case ControlKind::CheckBox: return "CheckBox";
    case ControlKind::OptionButton: return "OptionButton";
    case ControlKind::ListBox: return "ListBox";
    case ControlKind::ComboBox: return "ComboBox";
    case ControlKind::ListView: return "ListView";
    case ControlKind::Frame: return "Frame";
    case ControlKind::Menu: return "Menu";
    case ControlKind::Timer: return "Timer";
    case ControlKind::Image: return "Image";
    case ControlKind::PictureBox: return "PictureBox";
    case ControlKind::Line: return "Line";
    case ControlKind::CommonDialog: return "CommonDialog";
  }
  return "Control";
}

Control::Control(Form& form, ControlKind kind, std::string name, Control* container, int index)
    : form_(form), kind_(kind), name_(std::move(name)), container_(container), index_(index) {
  z_order_ = form_.NextZOrder();
  form_.RegisterControl(this);
}

Control::~Control() { form_.UnregisterControl(this); }

void Control::SetContainer(Control* container) {
  container_ = container;
  Notify(Property::Geometry);
}

void Control::SetLeft(float v) { Move(v, top_, width_, height_); }
void Control::SetTop(float v) { Move(left_, v, width_, height_); }
void Control::SetWidth(float v) { Move(left_, top_, v, height_); }
void Control::SetHeight(float v) { Move(left_, top_, width_, v); }

void Control::Move(float left, float top, float width, float height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  left_ = left;
  top_ = top;
  width_ = width < 0 ? 0 : width;
  height_ = height < 0 ? 0 : height;
  Notify(Property::Geometry);
}

float Control::AbsoluteLeft() const { return left_ + (container_ ? container_->AbsoluteLeft() : 0); }
float Control::AbsoluteTop() const { return top_ + (container_ ? container_->AbsoluteTop() : 0); }

void Control::SetVisible(bool v) {
  if (v == visible_) return;
  visible_ = v;
  if (!v && HasFocus()) form_.MoveFocusTo(nullptr);
  Notify(Property::Visible);
}

bool Control::EffectivelyVisible() const {
  if (!visible_) return false;
  return container_ ? container_->EffectivelyVisible() : true;
}

void Control::SetEnabled(bool v) {
  if (v == enabled_) return;
  enabled_ = v;
  Notify(Property::Enabled);
}

bool Control::EffectivelyEnabled() const {
  if (!enabled_) return false;
  return container_ ? container_->EffectivelyEnabled() : true;
}

void Control::SetFont(const Font& f) {
  if (f == font_) return;
  font_ = f;
  Notify(Property::Font);
}

void Control::SetFontSize(float size) {
  Font f = font_;
  f.size = size;
  SetFont(f);
}

void Control::SetFontBold(bool bold) {
  Font f = font_;
  f.bold = bold;
  SetFont(f);
}

void Control::SetFontName(const std::string& name) {
  Font f = font_;
  f.name = name;
  SetFont(f);
}

void Control::SetForeColor(Color c) {
  if (c == fore_color_) return;
  fore_color_ = c;
  Notify(Property::Colors);
}

void Control::SetBackColor(Color c) {
  if (c == back_color_) return;
  back_color_ = c;
  Notify(Property::Colors);
}

void Control::SetToolTipText(const std::string& t) {
  if (t == tooltip_) return;
  tooltip_ = t;
  Notify(Property::ToolTip);
}

void Control::ZOrderTop() {
  z_order_ = form_.NextZOrder();
  Notify(Property::ZOrder);
}

void Control::SetFocus() {
  if (!CanTakeFocus()) return;
  form_.MoveFocusTo(this);
}

bool Control::HasFocus() const { return form_.ActiveControl() == this; }

bool Control::Usable() const { return EffectivelyVisible() && EffectivelyEnabled(); }

// Each operator action is one event: the window may unload itself in a handler, and it is
// freed only after the whole action has run.
bool Control::MouseDownBy(int button, int shift, float x, float y) {
  if (!Usable()) return false;
  form_.App().Dispatch([&] {
    if (CanTakeFocus() && !HasFocus()) SetFocus();
    if (MouseDown && Usable()) MouseDown(button, shift, x, y);
  });
  return true;
}

bool Control::MouseUpBy(int button, int shift, float x, float y) {
  if (!Usable()) return false;
  form_.App().Dispatch([&] {
    if (MouseUp) MouseUp(button, shift, x, y);
  });
  return true;
}

bool Control::MouseMoveBy(int button, int shift, float x, float y) {
  if (!Usable()) return false;
  form_.App().Dispatch([&] {
    if (MouseMove) MouseMove(button, shift, x, y);
  });
  return true;
}

bool Control::ClickBy(int button, float x, float y) {
  if (!Usable()) return false;
  form_.App().Dispatch([&] {
    if (CanTakeFocus() && !HasFocus()) SetFocus();
    if (MouseDown && Usable()) MouseDown(button, 0, x, y);
    if (MouseUp && Usable()) MouseUp(button, 0, x, y);
    if (button == kLeftButton && Usable()) OperatorClick();
  });
  return true;
}

bool Control::DoubleClickBy(float x, float y) {
  if (!Usable()) return false;
  form_.App().Dispatch([&] {
    if (CanTakeFocus() && !HasFocus()) SetFocus();
    if (Usable()) OperatorClick();
    if (Usable()) Raise(DblClick);
  });
  return true;
}

void Control::Notify(Property p) { form_.NotifyControl(*this, p); }

void Control::Raise(const std::function<void()>& handler) {
  if (handler) handler();
}

}  // namespace ks::forms
