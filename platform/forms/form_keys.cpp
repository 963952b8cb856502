// The keyboard: what one keystroke does, in the toolkit's order. KeyDown (the window first
// when it previews keys) and the control's own handling of the key (a text box deletes on
// Delete), KeyPress with the character by reference (0 drops it, a changed
// code is what the control receives), the control's own handling of the character (a text
// box inserts it at the caret, replacing the selection, and raises Change), then KeyUp.
// The character goes to the control that had the focus when the key went down, even when a
// handler has moved the focus meanwhile; KeyUp goes to the control that has it then.
#include "platform/forms/application.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/pasted_keys.h"

namespace ks::forms {
namespace {

bool IsMultiLineText(const Control* c) {
  return c != nullptr && c->Kind() == ControlKind::TextBox && static_cast<const TextBox*>(c)->MultiLine;
}

}  // namespace

void Form::KeyStroke(int key_code, int key_ascii, int shift) {
  if (!loaded_) return;
  Control* target = active_;
  if (key_code == kTab && target != nullptr && !IsMultiLineText(target)) {
    if (Control* next = NextTabStop(active_, (shift & kShiftMask) != 0)) MoveFocusTo(next, true);
    return;
  }
  int code = key_code;
  if (KeyPreview) Form_KeyDown(code, shift);
  if (target != nullptr) {
    if (code != 0 && target->KeyDown) target->KeyDown(code, shift);
    if (code != 0 && loaded_) target->DefaultKeyDown(code, shift);
  } else if (!KeyPreview) {
    Form_KeyDown(code, shift);
  }
  if (!loaded_) return;

  int ascii = key_ascii;
  if (ascii != 0) {
    if (KeyPreview) Form_KeyPress(ascii);
    if (ascii != 0) {
      if (target != nullptr) {
        if (target->KeyPress) target->KeyPress(ascii);
      } else if (!KeyPreview) {
        Form_KeyPress(ascii);
      }
    }
    if (!loaded_) return;
    if (ascii != 0 && target != nullptr) {
      target->DefaultKeyAction(ascii);
      const bool button = target->Kind() == ControlKind::CommandButton;
      if (ascii == kEnter && !button && !IsMultiLineText(target)) {
        if (CommandButton* b = DefaultButton()) b->Press();
      } else if (ascii == kEscape) {
        if (CommandButton* b = CancelButton()) b->Press();
      }
    }
  }
  if (!loaded_) return;

  int up = key_code;
  if (KeyPreview) Form_KeyUp(up, shift);
  Control* now = active_;
  if (now != nullptr) {
    if (up != 0 && now->KeyUp) now->KeyUp(up, shift);
  } else if (!KeyPreview) {
    Form_KeyUp(up, shift);
  }
}

void Form::TypeKey(int key_code, int key_ascii, int shift) {
  TakeKey(key_code, key_ascii, shift, [this, key_code, key_ascii, shift] { KeyStroke(key_code, key_ascii, shift); });
}

void Form::TakeKey(int key_code, int key_ascii, int shift, std::function<void()> strike) {
  app_.Dispatch([&] { app_.Keys().Take({this, key_code, key_ascii, shift, std::move(strike)}); });
}

KeyHold Form::HoldKeys() { return KeyHold(app_.Keys(), *this); }

void Form::TypeText(const std::string& text) {
  for (char ch : text) {
    const TypedKey k = KeyOfCharacter(static_cast<unsigned char>(ch));
    TypeKey(k.key_code, k.key_ascii, k.shift);
  }
}

void Form::PressKey(int key_code, int shift) {
  int ascii = 0;
  if (key_code == kEnter || key_code == kEscape || key_code == kBackspace) ascii = key_code;
  if ((shift & kCtrlMask) != 0 && key_code >= 'A' && key_code <= 'Z') ascii = key_code - 'A' + 1;
  if (key_code == kTab) ascii = kTab;
  TypeKey(key_code, ascii, shift);
}

}  // namespace ks::forms
