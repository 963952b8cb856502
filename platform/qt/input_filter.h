#pragma once
// The operator's keys, clicks and focus changes on the controls' widgets, carried into the
// model: a key typed into a text box goes through the window's TypeKey, so the handlers
// decide what the box holds; the widget then shows the model's text.
#include <functional>

#include <QObject>

#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/qt/keys.h"

class QFocusEvent;
class QKeyEvent;
class QMouseEvent;
class QWidget;
class QWindow;

namespace ks::qt {

class QtEventLoop;

// Set on a widget while it handles the operator's own mouse or caret keys, so that the
// caret it moves is told to the model (and its own changes are not).
inline constexpr const char* kOperatorInputProperty = "ks_operator_input";

class InputRouter {
 public:
  virtual ~InputRouter() = default;
  // The window of a watched object; null once the window has gone.
  virtual forms::Form* FormOf(QObject* object) = 0;
  // The control of a watched object; null for the window itself.
  virtual forms::Control* ControlOf(QObject* object) = 0;
  // The main widget of the control that a watched object belongs to.
  virtual QWidget* MainWidgetOf(QObject* object) = 0;
  // The widget that shows a control; null when it has none.
  virtual QWidget* WidgetOfControl(const forms::Control& control) = 0;
  // Puts Qt's focus where the model has it.
  virtual void ShowFocus(forms::Form& form) = 0;
  // A key struck while a menu of the window's menu bar is open goes to that menu: true
  // when it went there.
  virtual bool KeyToOpenMenu(forms::Form& form, QKeyEvent& key) = 0;
  // What an access key does when its turn comes: clicks its button, opens its menu, or
  // chooses the menu when it has no items.
  virtual void AccessKeyBy(forms::Form& form, char letter) = 0;
  // The modal window that keeps the keys from `form`'s window now; null when none does.
  virtual QWindow* ModalWindowOver(const forms::Form& form) = 0;
  // The window that was active when `form` was last shown (the window that opened a modal
  // one); null when none was.
  virtual QWidget* WindowShownFrom(const forms::Form& form) = 0;
  // The window of the active form when it is on the screen, else null.
  virtual QWidget* ActiveWindow() = 0;
  // Runs `action` as an event of its own once the event under way is over, with the modal
  // windows and DoEvents inside it.
  virtual void AfterEvent(std::function<void()> action) = 0;
  virtual QtEventLoop& Loop() = 0;
};

class InputFilter final : public QObject {
 public:
  InputFilter(InputRouter& router, QObject* parent) : QObject(parent), router_(router) {}
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool enabled = true;

 private:
  bool KeyPress(QObject* watched, QKeyEvent& key);
  bool ToWhereItIsTyped(forms::Form& form, QKeyEvent& key);
  bool ToModalWindow(const forms::Form& form, const QKeyEvent& key);
  bool ToWindowShownNow(const forms::Form& form, const QKeyEvent& key);
  static void SendKeyTo(QWindow* window, const QKeyEvent& key);
  bool ShortcutOverride(QObject* watched, QKeyEvent& key);
  void Strike(forms::Form& form, const Keystroke& k, QKeyEvent& key);
  void PassToWidget(QWidget& widget, QKeyEvent& key);
  bool Mouse(QObject* watched, QMouseEvent& mouse);
  void PasteSelection(QObject* watched, forms::TextBox& box);
  void FocusIn(QObject* watched, QFocusEvent& focus);
  // Lets the widget handle the event itself, as the operator's.
  bool PassAsOperator(QObject* watched);
  void Run(const std::function<void()>& action);
  bool ToOpenMenu(forms::Form& form, QKeyEvent& key);
  bool PassedOnByMenu(QObject* watched);

  InputRouter& router_;
  // The window whose open menu is being handed a key, while it is.
  forms::Form* handing_form_ = nullptr;
};

}  // namespace ks::qt
