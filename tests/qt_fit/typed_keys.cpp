#include "tests/qt_fit/typed_keys.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPointer>
#include <QTest>
#include <QTreeWidget>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

#include "logstore/log_file_format.h"
#include "logstore/prefix_table.h"
#include "mainwin/windows/Infrm.h"
#include "mainwin/windows/Outfrm.h"
#include "platform/qt/cp1252.h"
#include "platform/qt/form_window.h"
#include "station/station_settings.h"
#include "tests/support/files.h"

namespace ks::testing {

namespace {

int KeyOf(char c) {
  if (c == ' ') return Qt::Key_Space;
  if (c == '\r') return Qt::Key_Return;
  if (c == '\t') return Qt::Key_Tab;
  if (c == '\b') return Qt::Key_Backspace;
  if (c >= 'a' && c <= 'z') return Qt::Key_A + (c - 'a');
  if (c >= 'A' && c <= 'Z') return Qt::Key_A + (c - 'A');
  const QChar ch = qt::FromCp1252(std::string(1, c)).at(0);
  if (ch.unicode() < 0x7f) return ch.unicode();  // Qt's keys of digits and signs are their codes
  if (ch.unicode() <= 0xff) return ch.toUpper().unicode();  // and of the Latin-1 letters
  return Qt::Key_unknown;
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

std::vector<LogRecord> ContactsInLogFile(const FitBench& bench) {
  std::vector<LogRecord> records(1);
  const LogParseResult read = ParseLogText(ReadBytes(bench.work() / "log.txt"), records);
  EXPECT_TRUE(read.ok) << read.reason;
  records.resize(static_cast<std::size_t>(read.count) + 1);
  records.erase(records.begin());
  return records;
}

MainWindow& OpenMainWindow(FitBench& bench, TypedKeys& keys, bool in_state, const std::vector<LogRecord>& log) {
  std::string text;
  for (const LogRecord& r : log) text += FormatLogLine(r);
  WriteBytes(bench.work() / "log.txt", text);
  bench.app().State<StationSettings>().OutOfState = in_state ? 0 : 1;
  MainWindow& w = in_state ? static_cast<MainWindow&>(bench.app().Get<Infrm>())
                           : static_cast<MainWindow&>(bench.app().Get<Outfrm>());
  w.Show();
  w.txtCall.SetFocus();
  keys.Settle();
  return w;
}

void EditNewestContact(FitBench& bench, TypedKeys& keys, MainWindow& window) {
  auto* list = dynamic_cast<QTreeWidget*>(bench.view().WidgetOf(window.ListView1));
  ASSERT_NE(list, nullptr);
  ASSERT_GT(list->topLevelItemCount(), 0);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->topLevelItem(0)).center());
  keys.Settle();
  ASSERT_TRUE(window.cmdEdit.Visible());
  QTest::mouseClick(bench.view().WidgetOf(window.cmdEdit), Qt::LeftButton);
  keys.Settle();
}

void DeliverKey(QWindow* window, int key, const QString& text, bool alt) {
  if (alt) qt_handleKeyEvent(window, QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
  const Qt::KeyboardModifiers held = alt ? Qt::AltModifier : Qt::NoModifier;
  qt_handleKeyEvent(window, QEvent::KeyPress, key, held, text);
  qt_handleKeyEvent(window, QEvent::KeyRelease, key, held, text);
  if (alt) qt_handleKeyEvent(window, QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
}

std::vector<Stroke> StrokesOf(const std::string& script) {
  std::vector<Stroke> strokes;
  for (std::size_t i = 0; i < script.size(); ++i) {
    const char c = script[i];
    if (c != '{') {
      if (c == '\r') strokes.push_back({Qt::Key_Return, "\r"});
      else if (c == ' ') strokes.push_back({Qt::Key_Space, " "});
      else if (c >= '0' && c <= '9') strokes.push_back({Qt::Key_0 + (c - '0'), QString(QChar(c))});
      else strokes.push_back({Qt::Key_A + (c - 'a'), QString(QChar(c))});
      continue;
    }
    const std::size_t close = script.find('}', i);
    const std::string name = script.substr(i + 1, close - i - 1);
    i = close;
    if (name == "Enter") strokes.push_back({Qt::Key_Return, "\r"});
    else if (name == "Tab") strokes.push_back({Qt::Key_Tab, "\t"});
    else if (name == "Bs") strokes.push_back({Qt::Key_Backspace, QString(QChar(8))});
    else if (name == "Esc") strokes.push_back({Qt::Key_Escape, QString(QChar(27))});
    else if (name == "Up") strokes.push_back({Qt::Key_Up, {}});
    else if (name == "Down") strokes.push_back({Qt::Key_Down, {}});
    else if (name == "Left") strokes.push_back({Qt::Key_Left, {}});
    else if (name == "Right") strokes.push_back({Qt::Key_Right, {}});
    else if (name == "Wait") strokes.push_back({0, {}, false, true});
    else if (name.rfind("Alt+", 0) == 0) {
      const char letter = static_cast<char>(name[4] - 'A' + 'a');
      strokes.push_back({Qt::Key_A + (name[4] - 'A'), QString(QChar(letter)), true});
    } else if (name[0] == 'F') {
      strokes.push_back({Qt::Key_F1 + std::stoi(name.substr(1)) - 1, {}});
    } else {
      ADD_FAILURE() << "no key named " << name;
    }
  }
  return strokes;
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

void TypedKeys::Characters(const forms::Form& window, const std::string& cp1252) {
  for (const char c : cp1252) {
    const QString text = c == '\t' || c == '\b' || c == '\r' ? QString(QChar(c)) : qt::FromCp1252(std::string(1, c));
    const bool capital = c >= 'A' && c <= 'Z';
    Key(window, KeyOf(c), text, capital ? Qt::ShiftModifier : Qt::NoModifier);
  }
}

void TypedKeys::Paste(const forms::Form& window, const std::string& cp1252) {
  QGuiApplication::clipboard()->setText(qt::FromCp1252(cp1252));
  Key(window, Qt::Key_Insert, {}, Qt::ShiftModifier);
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
