// A contact logged through the Qt view's own widgets: each key goes to the widget that has
// the focus, as the keyboard would send it, and the window's widgets and log.txt show the
// contact afterwards.
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <string>

#include "mainwin/windows/Outfrm.h"
#include "platform/qt/form_window.h"
#include "station/station_settings.h"
#include "tests/qt_fit/fit_bench.h"
#include "tests/qt_fit/typed_keys.h"
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
  void Settle() { keys.Settle(); }
  QWidget* Focused() { return keys.Focused(window()); }
  void Key(int key, const QString& text) { keys.Key(window(), key, text); }
  void Type(const std::string& text) { keys.Type(window(), text); }
  template <typename W>
  W* WidgetOf(const forms::Control& control) {
    return dynamic_cast<W*>(bench.view().WidgetOf(control));
  }

  FitBench bench;
  TypedKeys keys{bench};
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
