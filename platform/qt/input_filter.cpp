#include "platform/qt/input_filter.h"

#include <memory>
#include <utility>

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include "platform/forms/controls.h"
#include "platform/qt/access_keys.h"
#include "platform/qt/appearance.h"
#include "platform/qt/control_widgets.h"
#include "platform/qt/cp1252.h"
#include "platform/qt/event_loop.h"
#include "platform/qt/keys.h"
#include "platform/vb/constants.h"

namespace ks::qt {
namespace {

using forms::ControlKind;

bool IsEditableCombo(const forms::Control& c) {
  return c.Kind() == ControlKind::ComboBox && static_cast<const forms::ComboBox&>(c).Style != 2;
}

// Kinds whose clicks are the operator's press and release on them as a whole.
bool IsPlainClickKind(ControlKind kind) {
  return kind == ControlKind::Label || kind == ControlKind::Image || kind == ControlKind::Frame ||
         kind == ControlKind::PictureBox;
}

}  // namespace

void InputFilter::Run(const std::function<void()>& action) {
  router_.Loop().RunFromQt([&] { router_.Loop().Dispatch(action); });
}

bool InputFilter::PassAsOperator(QObject* watched) {
  QPointer<QWidget> widget = router_.MainWidgetOf(watched);
  if (widget.isNull()) return false;
  widget->setProperty(kOperatorInputProperty, true);
  QTimer::singleShot(0, widget, [widget] {
    if (!widget.isNull()) widget->setProperty(kOperatorInputProperty, false);
  });
  return false;
}

bool InputFilter::eventFilter(QObject* watched, QEvent* event) {
  if (!enabled) return false;
  switch (event->type()) {
    case QEvent::ShortcutOverride: return ShortcutOverride(watched, static_cast<QKeyEvent&>(*event));
    case QEvent::KeyPress: return KeyPress(watched, static_cast<QKeyEvent&>(*event));
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: return Mouse(watched, static_cast<QMouseEvent&>(*event));
    case QEvent::FocusIn: FocusIn(watched, static_cast<QFocusEvent&>(*event)); return false;
    default: return false;
  }
}

// Every key goes to the model once, by one road: the window's key queue strikes it on the
// control that has the focus when its turn comes, and Qt carries it no further (a key the
// widget leaves alone would otherwise reach the window's own filter a second time).
bool InputFilter::KeyPress(QObject* watched, QKeyEvent& key) {
  if (PassedOnByMenu(watched)) return false;
  forms::Form* form = router_.FormOf(watched);
  if (form == nullptr) return false;
  // A character that the program's files cannot hold is refused, not shown.
  if (!HoldsInCp1252(key.text())) {
    QApplication::beep();
    return true;
  }
  const Keystroke k = KeystrokeOf(key);
  if (k.key_code == 0 && k.key_ascii == 0) return false;
  std::shared_ptr<QKeyEvent> copy(key.clone());
  if (const char letter = AccessLetterOf(key); HasAccessKey(*form, letter)) {
    Run([&] {
      form->TakeKey(k.key_code, 0, k.shift, [this, form, letter, copy] {
        if (!ToWhereItIsTyped(*form, *copy)) router_.AccessKeyBy(*form, letter);
      });
    });
    return true;
  }
  // The queue forgets the keys of a window that goes, so `form` is alive whenever it strikes.
  Run([&] { form->TakeKey(k.key_code, k.key_ascii, k.shift, [this, form, k, copy] { Strike(*form, k, *copy); }); });
  return true;
}

// A key struck on `form` that is no longer that window's by the time its turn comes goes where
// it would have gone typed then: to a modal window over it, to the window the keyboard is at
// once it has been hidden, or to a menu of its menu bar that is open. True when it went there.
bool InputFilter::ToWhereItIsTyped(forms::Form& form, QKeyEvent& key) {
  return ToModalWindow(form, key) || ToWindowShownNow(form, key) || ToOpenMenu(form, key);
}

// A key struck on a window that a modal window now keeps from the keyboard (it waited in the
// queue while a key before it opened that window) goes to the modal window, pressed and
// released, as typed there.
bool InputFilter::ToModalWindow(const forms::Form& form, const QKeyEvent& key) {
  const QPointer<QWindow> modal = router_.ModalWindowOver(form);
  if (modal.isNull()) return false;
  SendKeyTo(modal, key);
  return true;
}

// A key struck on a window that has been hidden since it was typed (it came behind the Enter
// that stored a contact's edit and closed the editor) is typed into the window the keyboard
// is at once the handler that hid it is done: the active window then, else the one that was
// active when the hidden window was shown (the editor's main window), as it would be typed
// there a moment later. Struck on the hidden window, it would edit what nobody sees, and an
// Enter among them would store the edit again.
bool InputFilter::ToWindowShownNow(const forms::Form& form, const QKeyEvent& key) {
  if (form.Visible()) return false;
  const QPointer<QWidget> shown_from = router_.WindowShownFrom(form);
  const QPointer<InputFilter> self = this;
  std::shared_ptr<QKeyEvent> copy(key.clone());
  router_.AfterEvent([self, shown_from, copy] {
    if (self.isNull()) return;
    QWidget* to = self->router_.ActiveWindow();
    if (to == nullptr) to = shown_from.data();
    if (to != nullptr && to->isVisible() && to->windowHandle() != nullptr) SendKeyTo(to->windowHandle(), *copy);
  });
  return true;
}

// The key pressed and released on `window`, as the keyboard sends it there.
void InputFilter::SendKeyTo(QWindow* window, const QKeyEvent& key) {
  const QPointer<QWindow> to = window;
  QKeyEvent press(QEvent::KeyPress, key.key(), key.modifiers(), key.text(), key.isAutoRepeat(), key.count());
  QApplication::sendEvent(to, &press);
  QKeyEvent release(QEvent::KeyRelease, key.key(), key.modifiers(), key.text(), key.isAutoRepeat(), key.count());
  if (!to.isNull()) QApplication::sendEvent(to, &release);
}

// An access key of a menu or button is the window's, not Qt's shortcut: it comes in as a key
// press and takes its turn in the window's key queue, behind the keys typed before it (a hold
// after a refused line may keep those waiting), and then does its work.
bool InputFilter::ShortcutOverride(QObject* watched, QKeyEvent& key) {
  if (PassedOnByMenu(watched)) return false;
  forms::Form* form = router_.FormOf(watched);
  if (form == nullptr || !HasAccessKey(*form, AccessLetterOf(key))) return false;
  key.accept();
  return true;
}

// The model's keystroke, then what the focused control's widget does with the key itself:
// the caret keys in a text box, typing in an editable combo box (which tells the model). While
// a menu that an earlier key opened is open, the key is the menu's.
void InputFilter::Strike(forms::Form& form, const Keystroke& k, QKeyEvent& key) {
  if (ToWhereItIsTyped(form, key)) return;
  forms::Control* control = form.ActiveControl();
  QPointer<QWidget> widget = control != nullptr ? router_.WidgetOfControl(*control) : nullptr;
  form.KeyStroke(k.key_code, k.key_ascii, k.shift);
  // The handlers may have closed the window or removed the control meanwhile.
  if (widget.isNull() || router_.ControlOf(widget) != control) return;
  if (control->Kind() == ControlKind::TextBox) {
    if (IsNavigationKey(k.key_code)) PassToWidget(*widget, key);
    return;
  }
  if (NavigateByKey(*control, *widget, k.key_code)) return;
  // An editable combo box edits its own text, and tells the model (see the report).
  if (IsEditableCombo(*control) && (k.key_ascii >= 32 || k.key_ascii == 8 || k.key_code == vb::vbKeyDelete ||
                                    IsNavigationKey(k.key_code)))
    PassToWidget(*widget, key);
}

// A key that an open menu does not take, it passes on to its window (or the menu bar); that is
// Qt's, not a key typed again (struck, it would go back to the menu without end). A window
// that the menu's item opens meanwhile is another window and takes its keys as typed.
bool InputFilter::PassedOnByMenu(QObject* watched) {
  return handing_form_ != nullptr && router_.FormOf(watched) == handing_form_;
}

bool InputFilter::ToOpenMenu(forms::Form& form, QKeyEvent& key) {
  forms::Form* const outer = std::exchange(handing_form_, &form);
  const bool taken = router_.KeyToOpenMenu(form, key);
  handing_form_ = outer;
  return taken;
}

// The widget handles the key as the operator's, and Qt sends it on to no parent. The caret
// it moves is the operator's only while it handles the key: a key struck after it in the same
// turn of the loop (Shift+Tab back into the box, which selects its text) is the program's to
// show.
void InputFilter::PassToWidget(QWidget& widget, QKeyEvent& key) {
  const QPointer<QWidget> handling = &widget;
  handling->setProperty(kOperatorInputProperty, true);
  key.setAccepted(true);
  static_cast<QObject&>(widget).event(&key);
  if (!handling.isNull()) handling->setProperty(kOperatorInputProperty, false);
}

bool InputFilter::Mouse(QObject* watched, QMouseEvent& mouse) {
  forms::Control* control = router_.ControlOf(watched);
  if (control == nullptr || router_.FormOf(watched) == nullptr) return false;
  const ControlKind kind = control->Kind();
  const int button = ButtonsOf(mouse.button());
  const int shift = ShiftOf(mouse.modifiers());
  const float x = Twips(mouse.position().toPoint().x());
  const float y = Twips(mouse.position().toPoint().y());
  const QEvent::Type type = mouse.type();
  if (kind == ControlKind::TextBox) {
    if (type == QEvent::MouseButtonPress) Run([&] { control->MouseDownBy(button, shift, x, y); });
    if (router_.ControlOf(watched) != control) return true;
    if (type == QEvent::MouseButtonRelease) {
      PassAsOperator(watched);
      Run([&] { control->MouseUpBy(button, shift, x, y); });
      if (mouse.button() == Qt::MiddleButton) {
        if (router_.ControlOf(watched) == control) PasteSelection(watched, static_cast<forms::TextBox&>(*control));
        return true;  // the widget's own paste would put in what typing could not
      }
    }
    return PassAsOperator(watched);
  }
  if (IsPlainClickKind(kind)) {
    if (type == QEvent::MouseMove) Run([&] { control->MouseMoveBy(ButtonsOf(mouse.buttons()), shift, x, y); });
    if (type == QEvent::MouseButtonRelease && QRect(QPoint(), static_cast<QWidget*>(watched)->size()).contains(mouse.position().toPoint()))
      Run([&] { control->ClickBy(button, x, y); });
    if (type == QEvent::MouseButtonDblClick) Run([&] { control->DoubleClickBy(x, y); });
    return true;
  }
  return false;
}

// A middle click pastes the desktop's selection where the window system keeps one: typed
// into the box, as the model's paste types, when the box has the focus in the model.
void InputFilter::PasteSelection(QObject* watched, forms::TextBox& box) {
  const QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard->supportsSelection()) return;
  const QString text = clipboard->text(QClipboard::Selection);
  if (!HoldsInCp1252(text)) {
    QApplication::beep();
    return;
  }
  forms::Form* form = router_.FormOf(watched);
  if (form == nullptr || form->ActiveControl() != &box) return;
  Run([&] { box.PasteText(ToCp1252(text)); });
}

// A control that the operator clicks takes the focus in the model too (its LostFocus and
// GotFocus run); where the model keeps it elsewhere, Qt's focus goes back there.
void InputFilter::FocusIn(QObject* watched, QFocusEvent& focus) {
  if (focus.reason() != Qt::MouseFocusReason && focus.reason() != Qt::ShortcutFocusReason) return;
  forms::Form* form = router_.FormOf(watched);
  forms::Control* control = router_.ControlOf(watched);
  if (form == nullptr || control == nullptr || control == form->ActiveControl()) return;
  Run([&] { control->SetFocus(); });
  if (router_.FormOf(watched) == form && form->IsLoaded()) router_.ShowFocus(*form);
}

}  // namespace ks::qt
