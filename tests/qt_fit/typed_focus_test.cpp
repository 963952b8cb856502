// Where the keyboard's focus goes after the commands that hide the control holding it, in
// both main windows, typed into the Qt view's widgets: the recent-contacts list's Delete and
// Edit (the editor left with Done), and post-contest mode turned off from its time box. The
// next call typed lands whole in the call box.
#include <QAction>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <string>

#include "logstore/log_store.h"
#include "mainwin/windows/Infrm.h"
#include "mainwin/windows/Outfrm.h"
#include "platform/qt/form_window.h"
#include "station/station_settings.h"
#include "tests/qt_fit/fit_bench.h"
#include "tests/qt_fit/typed_keys.h"
#include "tests/support/files.h"

namespace ks::testing {
namespace {

// A contact each window's editor takes back unchanged with Done.
LogRecord Contact(bool out_of_state, const std::string& call, const std::string& serial_sent) {
  LogRecord r;
  r.LogCall = call;
  r.LogSerialReceived = "5";
  r.LogSerialSent = serial_sent;
  r.LogCounty = out_of_state ? "York" : "";
  r.LogSPC = out_of_state ? "" : "OH";
  r.LogCountySent = out_of_state ? "" : "Northumberland";
  r.LogDate = "2026/10/10";
  r.LogTime = "15:00:00";
  r.LogMode = "CW";
  r.LogBand = "20";
  r.LogPoints = 2;
  return r;
}

// The parameter is OutOfState: 1 opens the out-of-state window, 0 the in-state one.
class TypedFocus : public ::testing::TestWithParam<int> {
 protected:
  TypedFocus() : bench(1366, 768) {
    StationSettings& s = bench.app().State<StationSettings>();
    s.OutOfState = GetParam();
    s.Rover = 0;
    const bool out = GetParam() == 1;
    WriteBytes(bench.work() / "log.txt",
               FormatLogLine(Contact(out, "W1AW", "001")) + FormatLogLine(Contact(out, "N3XYZ", "002")));
    window().Show();
    keys.Settle();
  }
  MainWindow& window() {
    if (GetParam() == 1) return bench.app().Get<Outfrm>();
    return bench.app().Get<Infrm>();
  }
  QWidget* WidgetOf(const forms::Control& control) { return bench.view().WidgetOf(control); }
  QWidget* Focused() { return keys.Focused(window()); }
  void Key(int key, const QString& text = {}, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    keys.Key(window(), key, text, modifiers);
  }
  // The operator clicks the newest contact, the list's top row.
  void ClickTopRow() {
    auto* list = dynamic_cast<QTreeWidget*>(WidgetOf(window().ListView1));
    ASSERT_NE(list, nullptr);
    ASSERT_GT(list->topLevelItemCount(), 0);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->topLevelItem(0)).center());
    keys.Settle();
  }
  // The next call, typed into whichever widget has the focus, stands whole in the call box.
  void ExpectTheNextCallInTheCallBox() {
    ASSERT_EQ(Focused(), WidgetOf(window().txtCall));
    keys.Type(window(), "k3abc");
    EXPECT_EQ(window().txtCall.Text(), "K3ABC");
    EXPECT_EQ(dynamic_cast<QLineEdit*>(WidgetOf(window().txtCall))->text(), "K3ABC");
  }
  void ChooseMenu(const forms::Menu& item) {
    for (QAction* action : bench.view().WindowOf(window())->findChildren<QAction*>()) {
      if (action->text() == QString::fromStdString(item.Caption())) {
        action->trigger();
        keys.Settle();
        return;
      }
    }
    FAIL() << "no menu item " << item.Caption();
  }

  FitBench bench;
  TypedKeys keys{bench};
};

TEST_P(TypedFocus, DeleteFromTheListReturnsToTheCallBox) {
  ClickTopRow();
  Key(Qt::Key_Tab);
  Key(Qt::Key_Tab);
  ASSERT_EQ(Focused(), WidgetOf(window().cmdDelete));
  Key(Qt::Key_Space, " ");  // "Are you sure?" is answered Yes
  EXPECT_EQ(bench.app().State<LogStore>().QSOCount, 1);
  EXPECT_FALSE(window().cmdDelete.Visible());
  ExpectTheNextCallInTheCallBox();
}

TEST_P(TypedFocus, DoneInTheEditorReturnsToTheCallBox) {
  const std::string editor = GetParam() == 1 ? "DEEditOut" : "DEEditInfrm";
  bool left_with_done = false;
  bench.headless().loop().ScriptModal(editor, [&](forms::Form& f) {
    keys.Key(f, Qt::Key_Return, "\r");  // Enter in an editor box runs Done
    left_with_done = !f.Visible();
  });
  ClickTopRow();
  Key(Qt::Key_Tab);
  ASSERT_EQ(Focused(), WidgetOf(window().cmdEdit));
  Key(Qt::Key_Return, "\r");
  EXPECT_TRUE(left_with_done);
  EXPECT_FALSE(window().cmdEdit.Visible());
  ExpectTheNextCallInTheCallBox();
}

TEST_P(TypedFocus, PostContestModeTurnedOffFromItsBoxesReturnsToTheCallBox) {
  for (const forms::TextBox* box : {&window().txtPostConTime, &window().txtPostConDate}) {
    SCOPED_TRACE(box->Name());
    ChooseMenu(window().mnuPostContest);
    ASSERT_TRUE(box->Visible());
    QTest::mouseClick(WidgetOf(*box), Qt::LeftButton);
    keys.Settle();
    ASSERT_EQ(Focused(), WidgetOf(*box));
    keys.Type(window(), "1405");
    ChooseMenu(window().mnuPostContest);
    EXPECT_FALSE(box->Visible());
    ExpectTheNextCallInTheCallBox();
    window().txtCall.SetText("");
  }
}

INSTANTIATE_TEST_SUITE_P(BothWindows, TypedFocus, ::testing::Values(1, 0),
                         [](const ::testing::TestParamInfo<int>& info) {
                           return std::string(info.param == 1 ? "OutOfState" : "InState");
                         });

}  // namespace
}  // namespace ks::testing
