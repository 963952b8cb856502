#include "tests/qt_fit/typed_keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

#include "logstore/prefix_table.h"
#include "platform/qt/form_window.h"
#include "station/station_settings.h"

namespace ks::testing {

namespace {

int KeyOf(char c) {
  if (c == ' ') return Qt::Key_Space;
  if (c == '\r') return Qt::Key_Return;
  if (c >= 'a' && c <= 'z') return Qt::Key_A + (c - 'a');
  if (c >= 'A' && c <= 'Z') return Qt::Key_A + (c - 'A');
  return Qt::Key_0 + (c - '0');
}

}  // namespace

void UseEntryStation(FitBench& bench) {
  bench.headless().loop().AlsoRunInDoEvents([] { QApplication::processEvents(); });
  StationSettings& s = bench.app().State<StationSettings>();
  s.Rover = 0;
  s.OwnCounty = "Centre";
  s.CurrentBand = "20";
  s.CurrentMode = "CW";
  LoadPrefixTable(bench.app());
}

void TypedKeys::Settle() {
  for (int pass = 0; pass < 3; ++pass) {
    bench_.view().Flush();
    QApplication::processEvents();
    bench_.headless().loop().RunPosted();
  }
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
  for (const char c : text) Key(window, KeyOf(c), QString(QChar(c)));
}

void TypedKeys::Queue(const forms::Form& window, const std::string& text) {
  for (const char c : text) Queue(window, KeyOf(c), QString(QChar(c)));
}

void TypedKeys::Queue(const forms::Form& window, int key, const QString& text, Qt::KeyboardModifiers modifiers) {
  QWidget* shown = bench_.view().WindowOf(window);
  ASSERT_NE(shown, nullptr);
  QWindow* handle = shown->windowHandle();
  ASSERT_NE(handle, nullptr);
  QApplication::postEvent(handle, new QKeyEvent(QEvent::KeyPress, key, modifiers, text));
  QApplication::postEvent(handle, new QKeyEvent(QEvent::KeyRelease, key, modifiers, text));
}

void TypedKeys::QueueWithAlt(const forms::Form& window, int key, const QString& text) {
  QWidget* shown = bench_.view().WindowOf(window);
  ASSERT_NE(shown, nullptr);
  QPointer<QWindow> handle = shown->windowHandle();
  ASSERT_FALSE(handle.isNull());
  QMetaObject::invokeMethod(
      qApp,
      [handle, key, text] {
        if (handle.isNull()) return;
        qt_handleKeyEvent(handle, QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
        qt_handleKeyEvent(handle, QEvent::KeyPress, key, Qt::AltModifier, text);
        qt_handleKeyEvent(handle, QEvent::KeyRelease, key, Qt::AltModifier, text);
        qt_handleKeyEvent(handle, QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
      },
      Qt::QueuedConnection);
}

}  // namespace ks::testing
