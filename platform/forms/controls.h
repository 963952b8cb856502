#pragma once
// The control kinds of the window runtime (the list view has a file of its own).
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/forms/control.h"
#include "platform/forms/raster.h"

namespace ks::forms {

class TextBox : public Control {
 public:
  TextBox(Form& form, std::string name, Control* container = nullptr, int index = -1);

  const std::string& Text() const { return text_; }
  // Sets the text (Change fires when it differs); the caret goes to the start.
  void SetText(const std::string& text);
  int SelStart() const { return sel_start_; }
  int SelLength() const { return sel_length_; }
  void SetSelStart(int start);
  void SetSelLength(int length);
  std::string SelText() const;
  // Replaces the selection with `text` (Change fires) and puts the caret after it.
  void SetSelText(const std::string& text);
  int MaxLength = 0;  // 0: no limit
  bool MultiLine = false;
  bool Locked = false;
  Alignment TextAlign = Alignment::Left;

  std::function<void()> Change;

  bool CanTakeFocus() const override { return true; }
  // Typed characters, Backspace, and the clipboard's Ctrl+C, Ctrl+X and Ctrl+V.
  void DefaultKeyAction(int key_ascii) override;
  // Delete, and the clipboard's Ctrl+Insert, Shift+Delete and Shift+Insert.
  void DefaultKeyDown(int key_code, int shift) override;

 private:
  void ReplaceText(std::string text, int caret);
  void CopySelection();
  void DeleteSelectionOrNext();
  // Pastes the clipboard's first line, as much of it as MaxLength leaves room for.
  void Paste();
  std::string text_;
  int sel_start_ = 0;
  int sel_length_ = 0;
};

class Label : public Control {
 public:
  Label(Form& form, std::string name, Control* container = nullptr, int index = -1);
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);  // Change fires when it differs
  Alignment TextAlign = Alignment::Left;
  bool WordWrap = false;
  bool AutoSize = false;
  bool Transparent = false;  // the container shows through
  // Transparent, for a label already shown: the view repaints it.
  void SetTransparent(bool transparent);
  bool Border = false;
  std::function<void()> Change;

 private:
  std::string caption_;
};

class CommandButton : public Control {
 public:
  CommandButton(Form& form, std::string name, Control* container = nullptr, int index = -1);
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool Default = false;  // Enter in a single-line text box clicks it
  bool Cancel = false;   // Esc clicks it
  // Pressing the button from code: raises Click.
  void Press() { Raise(Click); }
  bool CanTakeFocus() const override { return true; }
  void DefaultKeyAction(int key_ascii) override;

 private:
  std::string caption_;
};

class CheckBox : public Control {
 public:
  CheckBox(Form& form, std::string name, Control* container = nullptr, int index = -1);
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  int Value() const { return value_; }  // 0 unticked, 1 ticked, 2 greyed
  void SetValue(int value);             // Click fires when it differs
  bool CanTakeFocus() const override { return true; }
  void OperatorClick() override { SetValue(value_ == 1 ? 0 : 1); }
  void DefaultKeyAction(int key_ascii) override;

 private:
  std::string caption_;
  int value_ = 0;
};

// Option buttons with the same container form one group: choosing one clears the others.
class OptionButton : public Control {
 public:
  OptionButton(Form& form, std::string name, Control* container = nullptr, int index = -1);
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool Value() const { return value_; }
  // Choosing clears the others of the group and fires Click when the value changes.
  void SetValue(bool value);
  bool CanTakeFocus() const override { return true; }
  void OperatorClick() override;
  void DefaultKeyDown(int key_code, int shift) override;
  // The options of this one's container that the operator can reach (this one always), in
  // tab order.
  std::vector<OptionButton*> Group() const;

 private:
  std::string caption_;
  bool value_ = false;
};

// A list of texts; a sorted list keeps its items in order without regard to case.
class ListBox : public Control {
 public:
  ListBox(Form& form, std::string name, Control* container = nullptr, int index = -1);
  bool Sorted = false;
  // Adds an item at its sorted place, at `position`, or at the end. Returns its position.
  int AddItem(const std::string& item, int position = -1);
  void RemoveItem(int position);
  void Clear();
  int ListCount() const { return static_cast<int>(items_.size()); }
  const std::string& List(int position) const;  // empty text outside the list
  void SetList(int position, const std::string& item);
  std::int32_t ItemData(int position) const;
  void SetItemData(int position, std::int32_t data);
  int ListIndex() const { return list_index_; }
  // Selects an item (-1 none); Click fires when the selection changes.
  void SetListIndex(int index);
  std::string Text() const { return List(list_index_); }
  int TopIndex = 0;
  // The operator clicks the item at `position`.
  bool SelectBy(int position);
  // The operator moves the selection to `position` with the keyboard (the arrow, Home, End
  // and page keys). Moving to another item raises Click, as the toolkit does, unless
  // ClickOnKeyboardSelect is off: a list whose click acts on the item clicked turns it off,
  // so that the keys only choose the item.
  bool SelectByKey(int position);
  bool ClickOnKeyboardSelect = true;
  bool CanTakeFocus() const override { return true; }
  const std::vector<std::string>& Items() const { return items_; }

 private:
  std::vector<std::string> items_;
  std::vector<std::int32_t> data_;
  int list_index_ = -1;
};

// An editable text with a drop-down list.
class ComboBox : public Control {
 public:
  ComboBox(Form& form, std::string name, Control* container = nullptr, int index = -1);
  bool Sorted = false;
  int Style = 0;  // 0 drop-down with text, 2 drop-down list only
  int AddItem(const std::string& item, int position = -1);
  void RemoveItem(int position);
  void Clear();
  int ListCount() const { return static_cast<int>(items_.size()); }
  const std::string& List(int position) const;
  int ListIndex() const { return list_index_; }
  void SetListIndex(int index);  // sets the text to the item; Click fires
  const std::string& Text() const { return text_; }
  void SetText(const std::string& text);  // Change fires
  bool SelectBy(int position);
  std::function<void()> Change;
  bool CanTakeFocus() const override { return true; }
  const std::vector<std::string>& Items() const { return items_; }

 private:
  std::vector<std::string> items_;
  int list_index_ = -1;
  std::string text_;
};

class Frame : public Control {
 public:
  Frame(Form& form, std::string name, Control* container = nullptr, int index = -1);
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);

 private:
  std::string caption_;
};

// The access key of a caption: the letter after "&" ("&&" is a plain "&"), upper-cased; 0
// when none.
char AccessKeyOf(const std::string& caption);

// A menu item: a top-level menu has no parent; a sub-item names its parent menu.
class Menu : public Control {
 public:
  Menu(Form& form, std::string name, Menu* parent, std::string caption, int index = -1);
  const std::string& Caption() const { return caption_; }  // "&" marks the access key
  void SetCaption(const std::string& caption);
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  const std::string& Shortcut() const { return shortcut_; }  // e.g. "Ctrl+N"
  void SetShortcut(const std::string& s);
  Menu* ParentMenu() const { return parent_; }
  bool IsSeparator() const { return caption_ == "-"; }
  char AccessKey() const { return AccessKeyOf(caption_); }
  // The operator chooses the item: Click fires when it and its parents are visible and enabled.
  bool ChooseBy();
  void OperatorClick() override { ChooseBy(); }

 private:
  Menu* parent_;
  std::string caption_;
  bool checked_ = false;
  std::string shortcut_;
};

// A timer ticks every Interval milliseconds while enabled; setting either restarts the count.
class Timer : public Control {
 public:
  Timer(Form& form, std::string name, int interval_ms = 0, bool enabled = true, int index = -1);
  ~Timer() override;
  int Interval() const { return interval_; }
  void SetInterval(int ms);
  void SetEnabled(bool enabled) override;
  std::function<void()> Tick;  // the toolkit's Timer event
  void FormLoading() override { Restart(); }
  void FormUnloading() override { Stop(); }

 private:
  void Restart();
  void Stop();
  int interval_;
  std::uint64_t timer_id_ = 0;
};

// A picture from a file.
class Image : public Control {
 public:
  Image(Form& form, std::string name, Control* container = nullptr, int index = -1);
  const std::string& Picture() const { return picture_; }
  void SetPicture(const std::string& path);  // a file path; empty for none
  bool Stretch = false;

 private:
  std::string picture_;
};

// A recorded drawing operation of a picture box.
struct DrawOp {
  enum class Kind { Line, Box, FilledBox, Text, Point, Fill } kind = Kind::Line;
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  Color color = colors::kBlack;
  std::string text;
  int width = 1;
};

// A picture and a persistent drawing surface. What is drawn is recorded, and everything but
// text is also applied to the surface the model keeps (one pixel per 15 twips), so colours
// can be read back with Point and a flood fill works on the real pixels. The picture is an
// uncompressed BMP file, decoded by the model (other kinds of picture belong in an Image).
class PictureBox : public Control {
 public:
  PictureBox(Form& form, std::string name, Control* container = nullptr, int index = -1);
  const std::string& Picture() const { return picture_; }
  // Loads a BMP picture into the surface (an unreadable file leaves the surface blank).
  void SetPicture(const std::string& path);
  // Whether the model decoded the picture (false without one).
  bool PictureDecoded() const { return picture_pixels_.has_value(); }
  // Erases the drawing: the surface shows the back colour and the picture again.
  void Cls();
  void DrawLine(float x1, float y1, float x2, float y2, Color color);
  void DrawBox(float x1, float y1, float x2, float y2, Color color, bool filled);
  void DrawText(float x, float y, const std::string& text, Color color);
  void SetPoint(float x, float y, Color color);
  // Fills the area around a point that has the colour at that point (a flood fill).
  void FloodFill(float x, float y, Color color);
  const std::vector<DrawOp>& Drawing() const { return drawing_; }
  // The colour of the surface at a point in twips; nothing outside the box.
  std::optional<Color> Point(float x, float y) const;
  // The surface, sized to the box: back colour, picture, then the drawing but its text.
  const Raster& Surface() const;
  int DrawWidth = 1;
  bool AutoRedraw = true;

 private:
  void Record(DrawOp op);
  void Apply(const DrawOp& op) const;
  std::string picture_;
  std::optional<Raster> picture_pixels_;
  std::vector<DrawOp> drawing_;
  // The surface is brought up to date when read: rebuilt when the size or back colour
  // changed or the drawing was erased, otherwise only the operations not yet applied.
  mutable Raster surface_;
  mutable std::size_t applied_ = 0;
  mutable bool surface_stale_ = true;
  mutable Color surface_back_ = 0;
};

class Line : public Control {
 public:
  Line(Form& form, std::string name, float x1, float y1, float x2, float y2, Control* container = nullptr,
       int index = -1);
  float X1() const { return x1_; }
  float Y1() const { return y1_; }
  float X2() const { return x2_; }
  float Y2() const { return y2_; }
  void SetEnds(float x1, float y1, float x2, float y2);
  Color BorderColor = colors::kBlack;
  int BorderWidth = 1;

 private:
  float x1_, y1_, x2_, y2_;
};

// The open, save and colour dialogs, with the settings that persist between uses.
class CommonDialog : public Control {
 public:
  CommonDialog(Form& form, std::string name);
  std::string DialogTitle;
  std::string InitDir;
  std::string FileName;
  std::string Filter;  // "Text (*.txt)|*.txt|All (*.*)|*.*"
  int FilterIndex = 1;
  std::string DefaultExt;
  int Flags = 0;
  Color ColorValue = colors::kBlack;
  // The file title (the name without its folder) of the last chosen file.
  std::string FileTitle() const;
  // Each returns false when the operator cancels; the settings then stay as they were.
  bool ShowOpen();
  bool ShowSave();
  bool ShowColor();

  static constexpr int kOverwritePrompt = 2;
  static constexpr int kFileMustExist = 0x1000;
  static constexpr int kColorInit = 1;
};

}  // namespace ks::forms
