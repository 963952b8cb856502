#include "platform/forms/form.h"

#include <algorithm>

#include "platform/forms/application.h"
#include "platform/forms/controls.h"
#include "platform/forms/form_resize.h"
#include "platform/forms/view.h"

namespace ks::forms {
namespace {
constexpr float kBorder = Form::kBorderWidth;
constexpr float kCaption = Form::kCaptionHeight;
constexpr float kMenuBar = Form::kMenuBarHeight;
}  // namespace

Form::Form(Application& app, std::string name) : app_(app), name_(std::move(name)) {}

Form::~Form() {
  // Members (the controls) unregister themselves as they go; nothing may call back here.
  active_ = nullptr;
}

void Form::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Notify(Property::Caption);
}

void Form::SetLeft(float v) { Move(v, top_, width_, height_); }
void Form::SetTop(float v) { Move(left_, v, width_, height_); }
void Form::SetWidth(float v) { Move(left_, top_, v, height_); }
void Form::SetHeight(float v) { Move(left_, top_, width_, v); }

void Form::Move(float left, float top, float width, float height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  const bool resized = width != width_ || height != height_;
  left_ = left;
  top_ = top;
  width_ = std::max(width, 0.0f);
  height_ = std::max(height, 0.0f);
  Notify(Property::Geometry);
  if (resized && loaded_) Form_Resize();
}

bool Form::HasMenuBar() const {
  return std::any_of(controls_.begin(), controls_.end(), [](Control* c) {
    return c->Kind() == ControlKind::Menu && static_cast<Menu*>(c)->ParentMenu() == nullptr && c->Visible();
  });
}

Menu* Form::MenuOfAccessKey(char letter) const {
  for (Control* c : controls_) {
    if (c->Kind() != ControlKind::Menu) continue;
    auto* menu = static_cast<Menu*>(c);
    if (menu->ParentMenu() == nullptr && menu->Visible() && menu->Enabled() && menu->AccessKey() == letter) return menu;
  }
  return nullptr;
}

CommandButton* Form::ButtonOfAccessKey(char letter) const {
  for (Control* c : controls_) {
    if (c->Kind() != ControlKind::CommandButton || !c->Usable()) continue;
    auto* button = static_cast<CommandButton*>(c);
    if (AccessKeyOf(button->Caption()) == letter) return button;
  }
  return nullptr;
}

float Form::ScaleWidth() const { return std::max(0.0f, width_ - 2 * kBorder); }

float Form::ScaleHeight() const {
  return std::max(0.0f, height_ - kCaption - 2 * kBorder - (HasMenuBar() ? kMenuBar : 0));
}

void Form::SetClientSize(float width, float height) {
  Move(left_, top_, width + 2 * kBorder, height + kCaption + 2 * kBorder + (HasMenuBar() ? kMenuBar : 0));
}

void Form::SetFont(const Font& f) {
  if (f == font_) return;
  font_ = f;
  Notify(Property::Font);
}

void Form::SetFontSize(float size) {
  Font f = font_;
  f.size = size;
  SetFont(f);
}

void Form::SetBackColor(Color c) {
  if (c == back_color_) return;
  back_color_ = c;
  Notify(Property::Colors);
}

void Form::SetWindowState(WindowState s) {
  if (s == window_state_) return;
  window_state_ = s;
  Notify(Property::WindowState);
}

void Form::SetMousePointer(MousePointer p) {
  if (p == mouse_pointer_) return;
  mouse_pointer_ = p;
  Notify(Property::MousePointer);
}

Control* Form::FindControl(const std::string& name, int index) const {
  for (Control* c : controls_)
    if (c->Name() == name && c->Index() == index) return c;
  return nullptr;
}

void Form::Show() {
  if (!loaded_) return;
  app_.Dispatch([&] {
    if (!visible_) {
      KeepWithinScreen(*this);
      visible_ = true;
      if (View* v = app_.GetView()) v->FormShown(*this, modal_depth_ > 0);
    }
    ActivateBy();
  });
}

void Form::ShowModal() {
  if (!loaded_) return;
  app_.Dispatch([&] {
    ++modal_depth_;
    if (!visible_) KeepWithinScreen(*this);
    visible_ = true;
    if (View* v = app_.GetView()) v->FormShown(*this, true);
    ActivateBy();
    app_.RunModal(*this);
    --modal_depth_;
  });
}

void Form::ActivateBy() {
  if (!visible_) return;
  Form* previous = app_.ActiveForm();
  if (previous != this) {
    if (previous != nullptr && previous->loaded_) previous->Form_Deactivate();
    app_.SetActiveForm(this);
    Form_Activate();
  }
  if (active_ == nullptr && loaded_) {
    if (Control* first = NextTabStop(nullptr, false)) MoveFocusTo(first);
  }
}

void Form::Hide() {
  if (!visible_) return;
  visible_ = false;
  if (app_.ActiveForm() == this) app_.SetActiveForm(nullptr);
  if (View* v = app_.GetView()) v->FormHidden(*this);
}

bool Form::Unload() { return app_.UnloadWithEvents(*this, UnloadMode::Code); }

void Form::MouseDownBy(int button, int shift, float x, float y) {
  if (!loaded_ || !visible_) return;
  app_.Dispatch([&] { Form_MouseDown(button, shift, x, y); });
}

void Form::MouseUpBy(int button, int shift, float x, float y) {
  if (!loaded_ || !visible_) return;
  app_.Dispatch([&] {
    Form_MouseUp(button, shift, x, y);
    if (button == kLeftButton && loaded_) Form_Click();
  });
}

void Form::MouseMoveBy(int button, int shift, float x, float y) {
  if (!loaded_ || !visible_) return;
  app_.Dispatch([&] { Form_MouseMove(button, shift, x, y); });
}

bool Form::CloseBy() {
  if (!loaded_ || !ControlBox) return false;
  bool closed = false;
  app_.Dispatch([&] {
    if (CloseBoxHides) {
      Hide();
      closed = true;
      return;
    }
    closed = app_.UnloadWithEvents(*this, UnloadMode::CloseBox);
  });
  return closed;
}

void Form::RegisterControl(Control* c) {
  c->SetTabIndex(static_cast<int>(controls_.size()));
  controls_.push_back(c);
  // A control made while the window is loaded is still only its base here: the view hears
  // of it once it is whole (its first change, or the end of a control array's Load).
  if (loaded_) added_.push_back(c);
}

void Form::AnnounceAddedControls() {
  if (added_.empty()) return;
  const std::vector<Control*> added = std::move(added_);
  added_.clear();
  if (!loaded_) return;
  if (View* v = app_.GetView())
    for (Control* c : added) v->ControlAdded(*c);
}

void Form::UnregisterControl(Control* c) {
  if (active_ == c) active_ = nullptr;
  controls_.erase(std::remove(controls_.begin(), controls_.end(), c), controls_.end());
  const bool announced = std::find(added_.begin(), added_.end(), c) == added_.end();
  added_.erase(std::remove(added_.begin(), added_.end(), c), added_.end());
  if (loaded_ && announced) {
    if (View* v = app_.GetView()) v->ControlRemoved(*c);
  }
}

// LostFocus of the old control, then GotFocus of the new one. When a LostFocus handler sends
// the focus elsewhere (back into a box that failed its check, say), the control that was
// about to receive the focus gets neither event.
void Form::MoveFocusTo(Control* c, bool by_tab) {
  if (c == active_) return;
  if (c != nullptr && !(c->CanTakeFocus() && c->Visible() && c->EffectivelyEnabled())) return;
  Control* old = active_;
  const bool old_had_focus = old != nullptr && old != arriving_;
  active_ = c;
  arriving_ = c;
  if (View* v = app_.GetView()) v->FocusChanged(*this, c);
  if (old_had_focus && old->LostFocus) old->LostFocus();
  if (active_ == c) {
    arriving_ = nullptr;
    if (by_tab && c != nullptr && c->Kind() == ControlKind::TextBox) {
      auto* box = static_cast<TextBox*>(c);
      box->SetSelStart(0);
      box->SetSelLength(static_cast<int>(box->Text().size()));
    }
    if (c != nullptr && c->GotFocus) c->GotFocus();
  }
}

namespace {

// A control other than an option button; or the chosen option of its group; or, in a group
// with none chosen, its first option.
bool IsGroupStop(Control& c) {
  if (c.Kind() != ControlKind::OptionButton) return true;
  auto& option = static_cast<OptionButton&>(c);
  if (option.Value()) return true;
  const std::vector<OptionButton*> group = option.Group();
  if (std::any_of(group.begin(), group.end(), [](OptionButton* o) { return o->Value() && o->Usable(); })) return false;
  return !group.empty() && group.front() == &option;
}

}  // namespace

Control* Form::NextTabStop(Control* from, bool backwards) const {
  std::vector<Control*> stops;
  for (Control* c : controls_)
    if (c->CanTakeFocus() && c->TabStop() && c->Usable() && (c == from || IsGroupStop(*c))) stops.push_back(c);
  if (stops.empty()) return nullptr;
  std::stable_sort(stops.begin(), stops.end(), [](Control* a, Control* b) { return a->TabIndex() < b->TabIndex(); });
  auto it = std::find(stops.begin(), stops.end(), from);
  if (it == stops.end()) return backwards ? stops.back() : stops.front();
  const std::size_t n = stops.size();
  const std::size_t i = static_cast<std::size_t>(it - stops.begin());
  return stops[backwards ? (i + n - 1) % n : (i + 1) % n];
}

void Form::TabBy(bool backwards) {
  app_.Dispatch([&] {
    if (Control* next = NextTabStop(active_, backwards)) MoveFocusTo(next, true);
  });
}

CommandButton* Form::DefaultButton() const {
  for (Control* c : controls_)
    if (c->Kind() == ControlKind::CommandButton && static_cast<CommandButton*>(c)->Default && c->Usable())
      return static_cast<CommandButton*>(c);
  return nullptr;
}

CommandButton* Form::CancelButton() const {
  for (Control* c : controls_)
    if (c->Kind() == ControlKind::CommandButton && static_cast<CommandButton*>(c)->Cancel && c->Usable())
      return static_cast<CommandButton*>(c);
  return nullptr;
}

void Form::NotifyControl(Control& c, Property p) {
  if (!loaded_) return;
  AnnounceAddedControls();
  if (View* v = app_.GetView()) v->ControlChanged(c, p);
}

void Form::Notify(Property p) {
  if (!loaded_) return;
  if (View* v = app_.GetView()) v->FormChanged(*this, p);
}

void Form::MarkUnloaded() {
  for (Control* c : controls_) c->FormUnloading();
  if (visible_) Hide();
  loaded_ = false;
  active_ = nullptr;
  added_.clear();
}

void Form::MarkLoaded() {
  loaded_ = true;
  added_.clear();  // the load tells the view of every control
  for (Control* c : controls_) c->FormLoading();
}

}  // namespace ks::forms
