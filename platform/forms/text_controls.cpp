// Text boxes, labels, buttons, check and option buttons, frames.
#include <algorithm>

#include "platform/forms/application.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/pasted_keys.h"

namespace ks::forms {

TextBox::TextBox(Form& form, std::string name, Control* container, int index)
    : Control(form, ControlKind::TextBox, std::move(name), container, index) {
  SetBackColor(colors::kWindowBackground);
}

void TextBox::ReplaceText(std::string text, int caret) {
  const bool changed = text != text_;
  text_ = std::move(text);
  sel_start_ = std::clamp(caret, 0, static_cast<int>(text_.size()));
  sel_length_ = 0;
  if (changed) Notify(Property::Text);
  Notify(Property::Selection);
  if (changed) Raise(Change);
}

void TextBox::SetText(const std::string& text) { ReplaceText(text, 0); }

void TextBox::SetSelStart(int start) {
  sel_start_ = std::clamp(start, 0, static_cast<int>(text_.size()));
  sel_length_ = 0;
  Notify(Property::Selection);
}

void TextBox::SetSelLength(int length) {
  sel_length_ = std::clamp(length, 0, static_cast<int>(text_.size()) - sel_start_);
  Notify(Property::Selection);
}

std::string TextBox::SelText() const { return text_.substr(static_cast<std::size_t>(sel_start_), static_cast<std::size_t>(sel_length_)); }

void TextBox::SetSelText(const std::string& text) {
  std::string next = text_;
  next.replace(static_cast<std::size_t>(sel_start_), static_cast<std::size_t>(sel_length_), text);
  ReplaceText(std::move(next), sel_start_ + static_cast<int>(text.size()));
}

void TextBox::CopySelection() {
  if (sel_length_ > 0) ParentForm().App().Dialogs().SetClipboardText(SelText());
}

void TextBox::DeleteSelectionOrNext() {
  if (sel_length_ == 0 && sel_start_ < static_cast<int>(text_.size())) sel_length_ = 1;
  if (sel_length_ > 0) SetSelText("");
}

void TextBox::Paste() { TypePasted(ParentForm().App().Dialogs().ClipboardText(), true); }

void TextBox::PasteText(const std::string& text) { TypePasted(text, false); }

void TextBox::TypePasted(const std::string& text, bool ahead) {
  if (Locked) return;
  Form& form = ParentForm();
  const PastedKeys pasted = KeysOfPaste(text, MultiLine);
  if (pasted.cut) form.App().Beep();
  std::vector<KeyQueue::Key> keys;
  keys.reserve(pasted.keys.size());
  for (const TypedKey& k : pasted.keys)
    keys.push_back({&form, k.key_code, k.key_ascii, k.shift, [&form, k] { form.KeyStroke(k.key_code, k.key_ascii, k.shift); }});
  form.App().Keys().TakeAll(std::move(keys), ahead);
}

void TextBox::DefaultKeyDown(int key_code, int shift) {
  const bool ctrl = (shift & kCtrlMask) != 0;
  const bool with_shift = (shift & kShiftMask) != 0;
  if (key_code == kInsert && ctrl) CopySelection();
  // Ctrl+A selects the whole text, so that what is typed next replaces it.
  if (key_code == kKeyA && (shift & (kCtrlMask | kShiftMask | kAltMask)) == kCtrlMask) {
    sel_start_ = 0;
    sel_length_ = static_cast<int>(text_.size());
    Notify(Property::Selection);
  }
  if (Locked) return;
  if (key_code == kDelete && with_shift) {
    CopySelection();
    if (sel_length_ > 0) SetSelText("");
  } else if (key_code == kDelete) {
    DeleteSelectionOrNext();
  } else if (key_code == kInsert && with_shift) {
    Paste();
  }
}

void TextBox::DefaultKeyAction(int key_ascii) {
  if (key_ascii == kCtrlC) CopySelection();
  if (Locked || key_ascii <= 0) return;
  if (key_ascii == kCtrlX) {
    CopySelection();
    if (sel_length_ > 0) SetSelText("");
    return;
  }
  if (key_ascii == kCtrlV) {
    Paste();
    return;
  }
  if (key_ascii == kBackspace) {
    if (sel_length_ > 0) {
      SetSelText("");
    } else if (sel_start_ > 0) {
      std::string next = text_;
      next.erase(static_cast<std::size_t>(sel_start_ - 1), 1);
      ReplaceText(std::move(next), sel_start_ - 1);
    }
    return;
  }
  if (key_ascii == kEnter) {
    if (MultiLine) SetSelText("\r\n");
    return;
  }
  if (key_ascii < kSpace && key_ascii != '\t') return;
  if (key_ascii == '\t' && !MultiLine) return;
  if (MaxLength > 0 && static_cast<int>(text_.size()) - sel_length_ >= MaxLength) return;
  SetSelText(std::string(1, static_cast<char>(key_ascii)));
}

Label::Label(Form& form, std::string name, Control* container, int index)
    : Control(form, ControlKind::Label, std::move(name), container, index) {}

void Label::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Notify(Property::Caption);
  Raise(Change);
}

void Label::SetTransparent(bool transparent) {
  if (transparent == Transparent) return;
  Transparent = transparent;
  Notify(Property::Colors);
}

CommandButton::CommandButton(Form& form, std::string name, Control* container, int index)
    : Control(form, ControlKind::CommandButton, std::move(name), container, index) {}

void CommandButton::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Notify(Property::Caption);
}

void CommandButton::DefaultKeyAction(int key_ascii) {
  if (key_ascii == kEnter || key_ascii == kSpace) Raise(Click);
}

CheckBox::CheckBox(Form& form, std::string name, Control* container, int index)
    : Control(form, ControlKind::CheckBox, std::move(name), container, index) {}

void CheckBox::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Notify(Property::Caption);
}

void CheckBox::SetValue(int value) {
  if (value == value_) return;
  value_ = value;
  Notify(Property::Value);
  Raise(Click);
}

void CheckBox::DefaultKeyAction(int key_ascii) {
  if (key_ascii == kSpace) OperatorClick();
}

OptionButton::OptionButton(Form& form, std::string name, Control* container, int index)
    : Control(form, ControlKind::OptionButton, std::move(name), container, index) {}

void OptionButton::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Notify(Property::Caption);
}

void OptionButton::SetValue(bool value) {
  if (value == value_) return;
  value_ = value;
  if (value) {
    for (Control* c : ParentForm().Controls()) {
      if (c != this && c->Kind() == ControlKind::OptionButton && c->Container() == Container()) {
        auto* other = static_cast<OptionButton*>(c);
        if (other->value_) {
          other->value_ = false;
          other->Notify(Property::Value);
        }
      }
    }
  }
  Notify(Property::Value);
  if (value) Raise(Click);
}

void OptionButton::OperatorClick() { SetValue(true); }

std::vector<OptionButton*> OptionButton::Group() const {
  std::vector<OptionButton*> group;
  for (Control* c : ParentForm().Controls())
    if (c->Kind() == ControlKind::OptionButton && c->Container() == Container() && (c == this || c->Usable()))
      group.push_back(static_cast<OptionButton*>(c));
  std::stable_sort(group.begin(), group.end(), [](Control* a, Control* b) { return a->TabIndex() < b->TabIndex(); });
  return group;
}

// The arrow keys move to the previous or next option of the group, round its end, and
// choose it.
void OptionButton::DefaultKeyDown(int key_code, int /*shift*/) {
  const int step = key_code == kLeft || key_code == kUp ? -1 : key_code == kRight || key_code == kDown ? 1 : 0;
  if (step == 0) return;
  const std::vector<OptionButton*> group = Group();
  const auto at = std::find(group.begin(), group.end(), this);
  if (group.size() < 2 || at == group.end()) return;
  const auto n = static_cast<std::ptrdiff_t>(group.size());
  OptionButton* next = group[static_cast<std::size_t>(((at - group.begin()) + step + n) % n)];
  ParentForm().MoveFocusTo(next);
  if (next->HasFocus()) next->OperatorClick();
}

Frame::Frame(Form& form, std::string name, Control* container, int index)
    : Control(form, ControlKind::Frame, std::move(name), container, index) {}

void Frame::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Notify(Property::Caption);
}

}  // namespace ks::forms
