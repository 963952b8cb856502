// Keys typed behind a key that opens a modal window from a main window: typed in one burst
// while the main window holds its keys (the hold after a duplicate), they wait in its key
// queue, and when the menu item's window comes up they are that window's, as they are typed
// key by key once it is up. The CW window, opened modally by Options, Transmit, CW Setup
// (Alt+O, t, c: a submenu opened by its letter), from the in-state window.
#include <QApplication>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "keying/windows/CWFrm.h"
#include "logstore/log_file_format.h"
#include "mainwin/main_window.h"
#include "tests/instate_entry/infrm_fixture.h"
#include "tests/qt_fit/fit_bench.h"
#include "tests/qt_fit/typed_keys.h"
#include "tests/qt_fit/typed_strokes.h"

namespace ks::testing {
namespace {

struct Outcome {
  std::string cw_message, cw_speed, cw_focus;  // the CW window as the operator left it
  std::string call_box, main_focus;
  std::size_t contacts = 0;
  bool operator==(const Outcome&) const = default;
  friend void PrintTo(const Outcome& o, std::ostream* os) {
    *os << "CW message \"" << o.cw_message << "\" speed \"" << o.cw_speed << "\" focus " << o.cw_focus << "; call \""
        << o.call_box << "\" focus " << o.main_focus << ", " << o.contacts << " contacts";
  }
};

struct ModalCase {
  const char* name;
  bool in_state;
  std::string opener;  // typed behind the line refused as a duplicate; its last key opens the window
  std::string keys;    // typed behind the opener: the CW window's
  friend void PrintTo(const ModalCase& c, std::ostream* os) { *os << c.name; }
};

// One run: W1AAA worked, typed again into the call box; then Space (refused, the hold), the
// opener and the keys, key by key or in one burst.
Outcome TypeSequence(const ModalCase& c, bool burst) {
  FitBench bench(1366, 768);
  TypedKeys keys(bench);
  UseEntryStation(bench);
  MainWindow& main = OpenMainWindow(bench, keys, c.in_state, {InStateContact("W1AAA", c.in_state ? "ME" : "", "York")});
  keys.Type(main, "w1aaa");
  Outcome o;
  bool opened = false;
  bench.headless().loop().ScriptModal("CWFrm", [&](forms::Form& form) {
    opened = true;
    keys.Settle();
    auto& cw = static_cast<CWFrm&>(form);
    if (!burst) {
      for (const Stroke& s : Strokes(c.keys)) keys.Key(cw, s.key, s.text, s.alt ? Qt::AltModifier : Qt::NoModifier);
    }
    keys.Settle();
    o.cw_message = cw.Text1.Text();
    o.cw_speed = cw.Text11.Text();
    o.cw_focus = cw.ActiveControl() != nullptr ? cw.ActiveControl()->Name() : "none";
    cw.Hide();
  });
  QWindow* handle = bench.view().WindowOf(main)->windowHandle();
  std::vector<Stroke> strokes = Strokes(" " + c.opener);
  if (burst) {
    for (const Stroke& s : Strokes(c.keys)) strokes.push_back(s);
    for (const Stroke& s : strokes) QMetaObject::invokeMethod(qApp, [handle, s] { Deliver(handle, s); }, Qt::QueuedConnection);
    keys.Settle();
  } else {
    for (const Stroke& s : strokes) {
      Deliver(handle, s);
      keys.Settle();
    }
  }
  keys.Settle();
  EXPECT_TRUE(opened) << (burst ? "in one burst" : "key by key");
  o.call_box = main.txtCall.Text();
  o.main_focus = main.ActiveControl() != nullptr ? main.ActiveControl()->Name() : "none";
  o.contacts = ContactsInLogFile(bench).size();
  return o;
}

class TypedModalKeys : public ::testing::TestWithParam<ModalCase> {};

TEST_P(TypedModalKeys, KeysBehindTheOpenerAreTheModalWindowsAsTypedAfterItCameUp) {
  const ModalCase& c = GetParam();
  const Outcome slow = TypeSequence(c, false);
  EXPECT_EQ(slow.call_box, "") << "the refused line is cleared";
  EXPECT_EQ(slow.contacts, 1u);
  EXPECT_EQ(TypeSequence(c, true), slow) << "in one burst";
}

INSTANTIATE_TEST_SUITE_P(
    BothWindows, TypedModalKeys,
    ::testing::Values(ModalCase{"message", true, "{Alt+O}tc", "cq test"},
                      ModalCase{"message_then_speed", true, "{Alt+O}tc", "tu{Tab}{Tab}"},
                      ModalCase{"message_corrected", true, "{Alt+O}tc", "k3x{Bs}{Bs}w"},
                      ModalCase{"after_esc", true, "{Esc}{Alt+O}tc", "agn"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace ks::testing
