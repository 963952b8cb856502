// The entry line of both main windows typed as an operator types it: keys go into Qt's queue
// addressed to the window, and Qt hands each to the widget that has the focus when it is
// delivered, also while the program lets events run in the middle of a handler (storing a
// contact) or holds after a duplicate. Virtual time: the hold passes on the bench's clock.
#include <algorithm>

#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "keying/keying_state.h"
#include "keying/windows/CWFrm.h"
#include "logstore/log_store.h"
#include "mainwin/main_window_state.h"
#include "mainwin/windows/Infrm.h"
#include "mainwin/windows/Outfrm.h"
#include "platform/qt/form_window.h"
#include "station/station_settings.h"
#include "station/windows/frmStationID.h"
#include "tests/instate_entry/infrm_fixture.h"
#include "tests/qt_fit/fit_bench.h"
#include "tests/qt_fit/typed_keys.h"
#include "tests/support/files.h"

namespace ks::testing {
namespace {

// Records what a label showed each time it was painted, with the bench's time.
class PaintLog : public QObject {
 public:
  PaintLog(QLabel& label, const io::Clock& clock) : label_(label), clock_(clock) { label.installEventFilter(this); }
  struct Paint {
    std::int64_t tick;
    std::string text;
    QColor back;
  };
  std::vector<Paint> paints;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint)
      paints.push_back({clock_.TickMs(), label_.text().toStdString(), label_.palette().color(QPalette::Window)});
    return false;
  }

 private:
  QLabel& label_;
  const io::Clock& clock_;
};

class TypedEntry : public ::testing::Test {
 protected:
  TypedEntry() : bench(1366, 768) { UseEntryStation(bench); }

  // Loads the main window of a station inside or outside the state over `log`, focus in the
  // call box.
  MainWindow& Open(bool in_state, const std::vector<LogRecord>& log = {}) {
    MainWindow& w = OpenMainWindow(bench, keys, in_state, log);
    window = &w;
    main = &w;
    return w;
  }

  void Settle() { keys.Settle(); }
  // Faster than the program takes them: all into Qt's queue before any is delivered.
  void Queue(const std::string& text) { keys.Queue(*window, text); }
  void Queue(int key, const QString& text) { keys.Queue(*window, key, text); }
  // Key by key: each is handled before the next is typed.
  void Type(const std::string& text) {
    for (const char c : text) {
      keys.Queue(*window, std::string(1, c));
      Settle();
    }
  }
  void CtrlA() {
    keys.Queue(*window, Qt::Key_Control, "", Qt::ControlModifier);
    keys.Queue(*window, Qt::Key_A, QString(QChar(1)), Qt::ControlModifier);
    Settle();
  }

  QWidget* Focused() { return keys.Focused(*window); }
  QWidget* WidgetOf(const forms::Control& control) { return bench.view().WidgetOf(control); }
  QString Shown(const forms::TextBox& box) { return dynamic_cast<QLineEdit*>(WidgetOf(box))->text(); }
  std::vector<std::string> StoredCalls() {
    const LogStore& store = bench.app().State<LogStore>();
    std::vector<std::string> calls;
    for (long i = 1; i <= store.QSOCount; ++i) {
      const LogRecord& r = store.Records[static_cast<std::size_t>(i)];
      calls.push_back(r.LogCall + "/" + r.LogSerialReceived + "/" + r.LogSPC + "/" + r.LogCounty);
    }
    return calls;
  }

  FitBench bench;
  TypedKeys keys{bench};
  forms::Form* window = nullptr;  // where the keys go
  MainWindow* main = nullptr;
};

struct BurstCase {
  const char* name;
  bool in_state;
  LogRecord worked;
  std::string burst;
  std::vector<std::string> stored;
  friend void PrintTo(const BurstCase& c, std::ostream* os) { *os << c.name; }
};

class TypedBurst : public TypedEntry, public ::testing::WithParamInterface<BurstCase> {};

// Typed in one go, faster than the program stores: the duplicate is refused, and each
// further line is stored whole and in order (the keys that came in while a contact was
// checked, held or stored waited for the cleared line).
TEST_P(TypedBurst, StoresEveryLineTypedAheadWholeAndInOrder) {
  const BurstCase& c = GetParam();
  Open(c.in_state, {c.worked});
  Queue(c.burst);
  Settle();
  EXPECT_EQ(StoredCalls(), c.stored);
  EXPECT_EQ(Shown(main->txtCall), "");
  EXPECT_EQ(Focused(), WidgetOf(main->txtCall));
  const std::string log = ReadBytes(bench.work() / "log.txt");
  EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), static_cast<long>(c.stored.size())) << log;
}

INSTANTIATE_TEST_SUITE_P(
    BothWindows, TypedBurst,
    ::testing::Values(BurstCase{"in_state_duplicate_first", true, InStateContact("W1AW", "CT", ""),
                                "w1aw 7 ct\rn3abc 8 nnj\rk3def 9 pa york\r",
                                {"W1AW/5/CT/", "N3ABC/8/NNJ/", "K3DEF/9/PA/York"}},
                      BurstCase{"in_state_stored_first", true, InStateContact("W1AW", "CT", ""),
                                "n3abc 8 nnj\rw1aw 7 ct\rk3def 9 pa york\r",
                                {"W1AW/5/CT/", "N3ABC/8/NNJ/", "K3DEF/9/PA/York"}},
                      BurstCase{"out_of_state_duplicate_first", false, InStateContact("W3AW", "", "Centre"),
                                "w3aw 7 centre\rn3abc 8 bucks\rk3def 9 york\r",
                                {"W3AW/5//Centre", "N3ABC/8//Bucks", "K3DEF/9//York"}},
                      BurstCase{"out_of_state_stored_first", false, InStateContact("W3AW", "", "Centre"),
                                "n3abc 8 bucks\rw3aw 7 centre\rk3def 9 york\r",
                                {"W3AW/5//Centre", "N3ABC/8//Bucks", "K3DEF/9//York"}}),
    [](const auto& info) { return info.param.name; });

class TypedDuplicate : public TypedEntry, public ::testing::WithParamInterface<const char*> {};

// Leaving the call box with a call worked from the own county on this band and mode (Space,
// or a digit after the call) refuses the line: the red message stays on the screen for the
// whole hold, and the call typed next lands whole in the emptied call box.
TEST_P(TypedDuplicate, TheMessageShowsForTheWholeHoldAndTheNextCallStartsAfresh) {
  Infrm& w = static_cast<Infrm&>(Open(true, {InStateContact("W1AW", "CT", "")}));
  Type("w1aw");
  PaintLog painted(*dynamic_cast<QLabel*>(WidgetOf(w.lblDialog)), bench.headless().clock());
  const std::int64_t typed_at = bench.headless().clock().TickMs();
  Type(GetParam());

  const std::string message = "Duplicate W1AW 10/12 15:00:00  Rec#\u00A0\u00A0" "1";
  ASSERT_FALSE(painted.paints.empty());
  EXPECT_EQ(painted.paints.front().tick, typed_at) << "drawn before the hold";
  EXPECT_EQ(painted.paints.front().text, message);
  EXPECT_EQ(painted.paints.front().back, QColor(255, 0, 0));
  for (const PaintLog::Paint& p : painted.paints)
    if (p.tick < typed_at + 2000) {
      EXPECT_EQ(p.text, message) << "at " << p.tick - typed_at << " ms";
    }
  EXPECT_GE(bench.headless().clock().TickMs() - typed_at, 2000) << "the program held";

  Type("n3abc");
  EXPECT_EQ(Shown(w.txtCall), "N3ABC");
  EXPECT_EQ(Shown(w.txtRSTR), "");
  EXPECT_EQ(Focused(), WidgetOf(w.txtCall));
}

INSTANTIATE_TEST_SUITE_P(SpaceOrDigit, TypedDuplicate, ::testing::Values(" ", "7"),
                         [](const auto& info) { return std::string(info.param) == " " ? "space" : "digit"; });

// On a county line the earlier contact from another county is only a warning; it stays up
// while the line is typed on.
TEST_F(TypedEntry, TheInStateWarningOfACountyLineStaysUpAsTheLineGoesOn) {
  MainWindow& w = Open(true, {InStateContact("W3XYZ", "PA", "Mifflin")});
  Type("w3xyz ");
  EXPECT_EQ(dynamic_cast<QLabel*>(WidgetOf(w.lblDialog))->text().toStdString(),
            "Dupe if not rover!  W3XYZ  10/12  15:00:00   Rec#\u00A0\u00A0" "1");
  EXPECT_EQ(Shown(w.txtSec), "Mifflin");
  EXPECT_EQ(Focused(), WidgetOf(w.txtRSTR));
}

struct EmptyEnterCase {
  const char* name;
  bool in_state;
  int box;  // 0 call, 1 serial, 2 county
  friend void PrintTo(const EmptyEnterCase& c, std::ostream* os) { *os << c.name; }
};

class EmptyEnter : public TypedEntry, public ::testing::WithParamInterface<EmptyEnterCase> {};

TEST_P(EmptyEnter, OnAWhollyEmptyLineDoesNothing) {
  const EmptyEnterCase& c = GetParam();
  MainWindow& w = Open(c.in_state);
  forms::TextBox* boxes[] = {&w.txtCall, &w.txtRSTR, &w.txtSec};
  boxes[c.box]->SetFocus();
  Settle();
  const std::string message = w.lblDialog.Caption();
  QWidget* focused = Focused();
  const int beeps = bench.headless().dialogs().beeps;
  Type("\r");
  EXPECT_EQ(w.lblDialog.Caption(), message);
  EXPECT_EQ(Focused(), focused);
  EXPECT_EQ(bench.headless().dialogs().beeps, beeps);
  EXPECT_FALSE(bench.app().State<RunState>().LoggedOn) << "the operating clock started";
  EXPECT_EQ(bench.app().State<LogStore>().QSOCount, 0);
}

INSTANTIATE_TEST_SUITE_P(BothWindows, EmptyEnter,
                         ::testing::Values(EmptyEnterCase{"in_state_call", true, 0},
                                           EmptyEnterCase{"in_state_serial", true, 1},
                                           EmptyEnterCase{"out_of_state_call", false, 0},
                                           EmptyEnterCase{"out_of_state_county", false, 2}),
                         [](const auto& info) { return info.param.name; });

class WindowKind : public TypedEntry, public ::testing::WithParamInterface<bool> {};

TEST_P(WindowKind, CtrlAInTheCallBoxSelectsTheCallSoTypingReplacesIt) {
  MainWindow& w = Open(GetParam());
  Type("n3abc");
  CtrlA();
  Type("k3zzz");
  EXPECT_EQ(Shown(w.txtCall), "K3ZZZ");
  EXPECT_EQ(w.txtCall.Text(), "K3ZZZ");
}

TEST_P(WindowKind, UpInTheCallBoxRaisesTheMorseSpeedByOne) {
  MainWindow& w = Open(GetParam());
  bench.app().State<KeyingState>().CWKeying = kKeyingDTR;
  CWFrm& cw = bench.app().Get<CWFrm>();
  cw.Text11.SetText("25");
  Queue(Qt::Key_Up, "");
  Settle();
  EXPECT_EQ(cw.Text11.Text(), "26");
  EXPECT_EQ(w.lblDialog.Caption(), "26 WPM");
  Queue(Qt::Key_Down, "");
  Settle();
  EXPECT_EQ(cw.Text11.Text(), "25");
}

INSTANTIATE_TEST_SUITE_P(BothWindows, WindowKind, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "in_state" : "out_of_state"; });

// The station-setup window's call box too: a stored call is replaced, not typed in front of.
TEST_F(TypedEntry, CtrlAInTheSetupWindowsCallBoxSelectsTheStoredCall) {
  frmStationID& setup = bench.app().Get<frmStationID>();
  setup.Show();
  setup.Text1.SetText("N3ABC");
  setup.Text1.SetFocus();
  window = &setup;
  Settle();
  CtrlA();
  Type("k3zzz");
  EXPECT_EQ(Shown(setup.Text1), "K3ZZZ");
}

}  // namespace
}  // namespace ks::testing
