// The in-state contact editor's exchange (SPC) box, typed key by key into the Qt view's
// widgets: a state or section code stays the code typed, as in the main window's exchange
// box, and a DX country is stored only when its name is typed or its completion accepted.
// What Done stores is what log.txt holds after the edit command rewrote and reloaded it, and
// the DX list is recounted from it.
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "logstore/log_store.h"
#include "logstore/prefix_table.h"
#include "mainwin/windows/Infrm.h"
#include "platform/qt/form_window.h"
#include "reports/windows/DEEditInfrm.h"
#include "station/station_settings.h"
#include "tests/qt_fit/fit_bench.h"
#include "tests/qt_fit/typed_keys.h"
#include "tests/support/files.h"

namespace ks::testing {
namespace {

class TypedEditorExchange : public ::testing::Test {
 protected:
  TypedEditorExchange() : bench(1366, 768) {
    bench.app().State<StationSettings>().Rover = 0;
    LoadPrefixTable(bench.app());  // as the setup window does
    window.Show();
    window.txtCall.SetFocus();
    keys.Settle();
  }
  QWidget* WidgetOf(const forms::Control& control) { return bench.view().WidgetOf(control); }
  const LogRecord& Record(long n) { return bench.app().State<LogStore>().Records[static_cast<std::size_t>(n)]; }
  // Each key of `text` typed into the editor's focused box: "\t" Tab, "\r" Enter, the rest
  // letters and blanks.
  void Press(const forms::Form& editor, const std::string& text) {
    for (const char c : text) {
      if (c == '\t') {
        keys.Key(editor, Qt::Key_Tab);
      } else if (c == '\r') {
        keys.Key(editor, Qt::Key_Return, "\r");
      } else {
        keys.Type(editor, std::string(1, c));
      }
    }
  }
  // The newest contact clicked in the recent-contacts list, then "Edit Contact".
  void EditTheNewestContact() { EditNewestContact(bench, keys, window); }
  std::vector<std::string> DXList() {
    std::vector<std::string> items;
    for (int i = 0; i < window.List1.ListCount(); ++i) items.push_back(window.List1.List(i));
    return items;
  }

  FitBench bench;
  TypedKeys keys{bench};
  Infrm& window = bench.app().Get<Infrm>();
};

TEST_F(TypedEditorExchange, ACodeStaysACodeAndACountryIsStoredOnlyByItsName) {
  keys.Type(window, "k3gg 8 pa bedford");
  keys.Key(window, Qt::Key_Return, "\r");
  ASSERT_EQ(bench.app().State<LogStore>().QSOCount, 1) << window.lblDialog.Caption();
  ASSERT_EQ(Record(1).LogSPC, "PA");
  ASSERT_EQ(Record(1).LogCounty, "Bedford");

  const struct Case {
    const char* typed;     // into the SPC box, reached with Tab from the call box
    const char* shown;     // the box then, the selected part in brackets
    const char* accept;    // the keys after: Enter runs Done, Tab and Space move on
    const char* stored;    // the SPC after the edit; null: refused, the record kept
    const char* dx;        // the DX list after the reload ("" for none)
  } cases[] = {
      {"pa", "PA", "\r", "PA", ""},
      {"epa", "EPA", "\r", "EPA", ""},
      {"in", "IN", "\r", "IN", ""},
      {"co", "CO", "\r", "CO", ""},
      {"ga", "GA", " \r", "GA", ""},
      {"ma", "MA", "\r", nullptr, ""},  // no section of the contest: Massachusetts is EMA or WMA
      {"fed.", "Fed.[ Rep. of Germany]", "\t\r", "Fed. Rep. of Germany", "Fed. Rep. of Germany"},
      {"para", "Para[guay]", " \r", "Paraguay", "Paraguay"},
      {"epa", "EPA", " \r", "EPA", ""},
      {"xyz", "XYZ", "\r", nullptr, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    const std::string before = Record(1).LogSPC;
    const int beeps = bench.headless().dialogs().beeps;
    bool opened = false;
    bench.headless().loop().ScriptModal("DEEditInfrm", [&](forms::Form& form) {
      opened = true;
      auto& e = static_cast<DEEditInfrm&>(form);
      Press(e, "\t\t\t");
      ASSERT_EQ(keys.Focused(e), WidgetOf(e.txtEditPre));
      Press(e, c.typed);
      const std::string& text = e.txtEditPre.Text();
      const auto start = static_cast<std::size_t>(e.txtEditPre.SelStart());
      std::string shown = text;
      if (e.txtEditPre.SelLength() > 0) shown = text.substr(0, start) + "[" + e.txtEditPre.SelText() + "]";
      EXPECT_EQ(shown, c.shown);
      EXPECT_EQ(dynamic_cast<QLineEdit*>(WidgetOf(e.txtEditPre))->text().toStdString(), text);
      Press(e, c.accept);
      if (c.stored != nullptr) {
        EXPECT_FALSE(e.Visible()) << "Done stored the record";
        EXPECT_EQ(bench.headless().dialogs().beeps, beeps);
        return;
      }
      // Refused: the mark beside the SPC, one beep, the editor open; the operator closes it.
      EXPECT_TRUE(e.Visible());
      EXPECT_TRUE(e.Label2.Visible());
      EXPECT_EQ(e.Label2.Caption(), "   Invalid!");
      EXPECT_EQ(bench.headless().dialogs().beeps, beeps + 1);
      bench.view().WindowOf(e)->close();
      keys.Settle();
      EXPECT_FALSE(e.Visible());
    });
    EditTheNewestContact();
    ASSERT_TRUE(opened);
    const LogRecord& stored = Record(1);
    EXPECT_EQ(stored.LogSPC, c.stored != nullptr ? c.stored : before);
    EXPECT_EQ(stored.LogCounty, "Bedford");
    EXPECT_EQ(ReadBytes(bench.work() / "log.txt"), FormatLogLine(stored));
    const std::vector<std::string> dx = *c.dx ? std::vector<std::string>{c.dx} : std::vector<std::string>{};
    EXPECT_EQ(DXList(), dx);
    EXPECT_EQ(window.lblStation(5).Caption(), "DX - " + std::to_string(dx.size()));
  }
}

}  // namespace
}  // namespace ks::testing
