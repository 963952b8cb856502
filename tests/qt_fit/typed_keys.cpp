#include "tests/qt_fit/typed_keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <gtest/gtest.h>

#include "platform/qt/form_window.h"

namespace ks::testing {

void TypedKeys::Settle() {
  bench_.view().Flush();
  QApplication::processEvents();
}

QWidget* TypedKeys::Focused(const forms::Form& window) {
  QWidget* shown = bench_.view().WindowOf(window);
  return shown != nullptr ? shown->focusWidget() : nullptr;
}

void TypedKeys::Key(const forms::Form& window, int key, const QString& text, Qt::KeyboardModifiers modifiers) {
  QWidget* target = Focused(window);
  ASSERT_NE(target, nullptr) << "no widget of " << window.Name() << " has the focus";
  QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
  QApplication::sendEvent(target, &press);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
  QApplication::sendEvent(target, &release);
  Settle();
}

void TypedKeys::Type(const forms::Form& window, const std::string& text) {
  for (const char c : text) {
    const int key = c == ' '                 ? Qt::Key_Space
                    : (c >= 'a' && c <= 'z') ? Qt::Key_A + (c - 'a')
                    : (c >= 'A' && c <= 'Z') ? Qt::Key_A + (c - 'A')
                                             : Qt::Key_0 + (c - '0');
    Key(window, key, QString(QChar(c)));
  }
}

}  // namespace ks::testing
