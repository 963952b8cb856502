// A contact logged through the Qt view's own widgets: each key goes to the widget that has
// the focus, as the keyboard would send it, and the window's widgets and log.txt show the
// contact afterwards.
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <string>

#include "mainwin/windows/Outfrm.h"
#include "platform/qt/form_window.h"
#include "station/station_settings.h"
#include "tests/qt_fit/fit_bench.h"
#include "tests/support/files.h"

namespace ks::testing {
namespace {

class TypedContact : public ::testing::Test {
 protected:
  TypedContact() : bench(1366, 768) {
    StationSettings& s = bench.app().State<StationSettings>();
    s.OutOfState = 1;
    s.Rover = 0;
    window().Show();
    Settle();
  }
  Outfrm& window() { return bench.app().Get<Outfrm>(); }
  void Settle() {
    bench.view().Flush();
    QApplication::processEvents();
  }
  QWidget* Focused() { return bench.view().WindowOf(window())->focusWidget(); }
  // One key as the keyboard sends it, to whichever widget has the focus now.
  void Key(int key, const QString& text) {
    QWidget* target = Focused();
    ASSERT_NE(target, nullptr) << "no widget has the focus";
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
    Settle();
  }
  void Type(const std::string& text) {
    for (const char c : text) {
      const int key = c == ' ' ? Qt::Key_Space : (c >= 'a' && c <= 'z') ? Qt::Key_A + (c - 'a') : Qt::Key_0 + (c - '0');
      Key(key, QString(QChar(c)));
    }
  }
  template <typename W>
  W* WidgetOf(const forms::Control& control) {
    return dynamic_cast<W*>(bench.view().WidgetOf(control));
  }

  FitBench bench;
};

TEST_F(TypedContact, TheOutOfStateWindowLogsAContactTypedIntoItsWidgets) {
  window().txtCall.SetFocus();
  Settle();
  ASSERT_EQ(Focused(), bench.view().WidgetOf(window().txtCall));
  Type("k3xyz 42 y");  // the digits hand over to the serial box; "y" completes to York
  EXPECT_EQ(WidgetOf<QLineEdit>(window().txtSec)->text(), "York");
  Type(" ");
  Key(Qt::Key_Return, "\r");

  const std::string log = ReadBytes(bench.work() / "log.txt");
  EXPECT_EQ(log.rfind("\"K3XYZ\",\"\",\"\",\"\",\"York\",", 0), 0u) << log;
  EXPECT_NE(log.find(",\"001\",\"2026/10/10\",\"16:00:00\","), std::string::npos) << log;
  EXPECT_NE(log.find(",\"42\",\"\"\r\n"), std::string::npos) << log;
  // The widgets show the stored contact, the next serial and an empty entry line again.
  auto* list = WidgetOf<QTreeWidget>(window().ListView1);
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->topLevelItemCount(), 1);
  EXPECT_EQ(list->topLevelItem(0)->text(1), "K3XYZ");
  EXPECT_EQ(WidgetOf<QLabel>(window().Label1)->text(), "002");
  EXPECT_EQ(WidgetOf<QLineEdit>(window().txtCall)->text(), "");
  EXPECT_EQ(Focused(), bench.view().WidgetOf(window().txtCall));
}

}  // namespace
}  // namespace ks::testing
