#include "platform/qt/access_keys.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QStyleFactory>

#include "platform/forms/controls.h"
#include "platform/qt/form_window.h"
#include "platform/qt/view.h"

namespace ks::qt {
namespace {

// Qt's menu bar in its keyboard mode (after Esc out of a menu, or Alt alone) takes the focus
// and the keys typed next, and an Alt+letter of an item without a menu then only highlights
// it. Its style tells it that the bar has no keyboard mode.
class NoKeyboardModeStyle final : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* data) const override {
    if (hint == SH_MenuBar_AltKeyNavigation) return 0;
    return QProxyStyle::styleHint(hint, option, widget, data);
  }
};

// An item with a submenu chosen by its letter opens the submenu a moment later, on Qt's
// timer; the keys typed behind the letter are the submenu's, so it opens now (Right opens
// the highlighted item's submenu at once, its first item highlighted, as the letter would).
void OpenSubmenuNow(QMenu& menu, const QKeyEvent& key) {
  QAction* chosen = menu.activeAction();
  if (!menu.isVisible() || chosen == nullptr || chosen->menu() == nullptr || chosen->menu()->isVisible()) return;
  const QKeySequence mnemonic = QKeySequence::mnemonic(chosen->text());
  if (mnemonic.isEmpty() || (mnemonic[0].key() & ~Qt::AltModifier) != key.key()) return;
  QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
  QApplication::sendEvent(&menu, &right);
}

}  // namespace

char AccessLetterOf(const QKeyEvent& key) {
  const Qt::KeyboardModifiers held = key.modifiers() & ~Qt::KeypadModifier;
  const int k = key.key();
  if (held != Qt::AltModifier || !((k >= Qt::Key_A && k <= Qt::Key_Z) || (k >= Qt::Key_0 && k <= Qt::Key_9)))
    return 0;
  return static_cast<char>(k);  // Qt's letter and digit keys are their upper-case characters
}

bool HasAccessKey(const forms::Form& form, char letter) {
  return letter != 0 && (form.ButtonOfAccessKey(letter) != nullptr || form.MenuOfAccessKey(letter) != nullptr);
}

void KeepKeysOutOfMenuBar(QMenuBar& bar) {
  auto* style = new NoKeyboardModeStyle(QStyleFactory::create(QApplication::style()->name()));
  style->setParent(&bar);
  bar.setStyle(style);
}

// The menu of `form`'s menu bar that is open now (the innermost, when one opened another).
QMenu* QtView::OpenMenuOf(forms::Form& form) {
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  if (menu == nullptr) return nullptr;
  QWidget* owner = menu->parentWidget();
  while (qobject_cast<QMenu*>(owner) != nullptr) owner = owner->parentWidget();
  FormWindow* window = WindowOf(form);
  return window != nullptr && owner != nullptr && owner->window() == window ? menu : nullptr;
}

// A key whose turn comes while a menu is open goes to the menu, as it would have if typed
// after the menu had opened.
bool QtView::KeyToOpenMenu(forms::Form& form, QKeyEvent& key) {
  QMenu* menu = OpenMenuOf(form);
  if (menu == nullptr) return false;
  QKeyEvent copy(key.type(), key.key(), key.modifiers(), key.text(), key.isAutoRepeat(), key.count());
  QApplication::sendEvent(menu, &copy);
  OpenSubmenuNow(*menu, key);
  return true;
}

// Struck from the window's key queue, so already inside the program's own event: a button
// is clicked; a menu with items opens, its first item highlighted as in any menu opened from
// the keyboard (showing it is the menu's Click); one without items is chosen.
void QtView::AccessKeyBy(forms::Form& form, char letter) {
  if (forms::CommandButton* button = form.ButtonOfAccessKey(letter)) {
    button->ClickBy();
    return;
  }
  forms::Menu* menu = form.MenuOfAccessKey(letter);
  if (menu == nullptr) return;
  FormWindow* window = WindowOf(form);
  QAction* action = window != nullptr ? window->ActionOf(*menu) : nullptr;
  auto* bar = window != nullptr ? qobject_cast<QMenuBar*>(window->menuWidget()) : nullptr;
  if (action == nullptr || action->menu() == nullptr || bar == nullptr) {
    menu->ChooseBy();
    return;
  }
  bar->setActiveAction(action);
  QMenu* popup = action->menu();
  if (!popup->isVisible()) return;
  // Down in a menu with nothing highlighted highlights its first item, without opening it
  // when it is a submenu (setting the active action would).
  QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
  QApplication::sendEvent(popup, &down);
}

}  // namespace ks::qt
