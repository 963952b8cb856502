#pragma once
// The base of every control: geometry in twips, visibility, enabled state, font, colours,
// tooltip, tab order, focus and the events every kind shares. A control is a member of its
// window class and registers itself in the window's ordered control collection.
#include <functional>
#include <string>

#include "platform/forms/types.h"

namespace ks::forms {

class Form;

enum class ControlKind {
  TextBox, Label, CommandButton, CheckBox, OptionButton, ListBox, ComboBox, ListView, Frame,
  Menu, Timer, Image, PictureBox, Line, CommonDialog
};

const char* KindName(ControlKind kind);

class Control {
 public:
  // `container` is the frame or picture box holding the control; null for the window itself.
  Control(Form& form, ControlKind kind, std::string name, Control* container = nullptr, int index = -1);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  ControlKind Kind() const { return kind_; }
  const std::string& Name() const { return name_; }
  int Index() const { return index_; }  // position in a control array, -1 outside one
  Form& ParentForm() const { return form_; }
  Control* Container() const { return container_; }
  void SetContainer(Control* container);

  // Geometry in twips, relative to the container.
  float Left() const { return left_; }
  float Top() const { return top_; }
  float Width() const { return width_; }
  float Height() const { return height_; }
  void SetLeft(float v);
  void SetTop(float v);
  void SetWidth(float v);
  void SetHeight(float v);
  void Move(float left, float top, float width, float height);
  // Position in twips from the window's client origin, through the containers.
  float AbsoluteLeft() const;
  float AbsoluteTop() const;

  bool Visible() const { return visible_; }
  void SetVisible(bool v);
  // Visible here and in every container, and the window shown.
  bool EffectivelyVisible() const;
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool v);
  bool EffectivelyEnabled() const;

  const Font& GetFont() const { return font_; }
  void SetFont(const Font& f);
  float FontSize() const { return font_.size; }
  void SetFontSize(float size);
  bool FontBold() const { return font_.bold; }
  void SetFontBold(bool bold);
  void SetFontName(const std::string& name);

  Color ForeColor() const { return fore_color_; }
  void SetForeColor(Color c);
  Color BackColor() const { return back_color_; }
  void SetBackColor(Color c);

  const std::string& ToolTipText() const { return tooltip_; }
  void SetToolTipText(const std::string& t);
  int TabIndex() const { return tab_index_; }
  void SetTabIndex(int i) { tab_index_ = i; }
  bool TabStop() const { return tab_stop_; }
  void SetTabStop(bool t) { tab_stop_ = t; }
  std::string Tag;
  // Raises the control above its siblings.
  void ZOrderTop();
  int ZOrder() const { return z_order_; }

  // Focus: only controls that can take it, when visible and enabled.
  virtual bool CanTakeFocus() const { return false; }
  // Moves the focus here (LostFocus of the old control, then GotFocus of this one).
  void SetFocus();
  bool HasFocus() const;

  // Events shared by the kinds (each kind raises those it has).
  std::function<void()> Click;
  std::function<void()> DblClick;
  std::function<void()> GotFocus;
  std::function<void()> LostFocus;
  std::function<void(int& key_code, int shift)> KeyDown;
  std::function<void(int& key_code, int shift)> KeyUp;
  std::function<void(int& key_ascii)> KeyPress;
  std::function<void(int button, int shift, float x, float y)> MouseDown;
  std::function<void(int button, int shift, float x, float y)> MouseUp;
  std::function<void(int button, int shift, float x, float y)> MouseMove;

  // What the operator does with a mouse (x, y in twips within the control). A press on a
  // control that can take the focus moves it there first. Nothing happens on a control that
  // is hidden or disabled; the result says whether anything happened.
  bool MouseDownBy(int button, int shift = 0, float x = 0, float y = 0);
  bool MouseUpBy(int button, int shift = 0, float x = 0, float y = 0);
  bool MouseMoveBy(int button, int shift = 0, float x = 0, float y = 0);
  // A full left click: down, up, then the kind's click action.
  bool ClickBy(int button = kLeftButton, float x = 0, float y = 0);
  bool DoubleClickBy(float x = 0, float y = 0);

  // Visible and enabled, here and in every container.
  bool Usable() const;

  // The kind's own response to a click (a button clicks, an option is chosen ...).
  virtual void OperatorClick() { Raise(Click); }
  // The window is loading (timers start) or being unloaded (timers stop).
  virtual void FormLoading() {}
  virtual void FormUnloading() {}
  // The kind's own handling of a typed character that the handlers left in place.
  virtual void DefaultKeyAction(int key_ascii) {}
  // The kind's own handling of a key going down that the handlers left in place (Delete ...).
  virtual void DefaultKeyDown(int key_code, int shift) {}

 protected:
  void Notify(Property p);
  void Raise(const std::function<void()>& handler);

 private:
  Form& form_;
  ControlKind kind_;
  std::string name_;
  Control* container_;
  int index_;
  float left_ = 0, top_ = 0, width_ = 1215, height_ = 495;
  bool visible_ = true;
  bool enabled_ = true;
  Font font_;
  Color fore_color_ = colors::kWindowText;
  Color back_color_ = colors::kButtonFace;
  std::string tooltip_;
  int tab_index_ = 0;
  bool tab_stop_ = true;
  int z_order_ = 0;
};

}  // namespace ks::forms
