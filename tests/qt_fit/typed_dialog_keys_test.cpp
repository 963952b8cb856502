// Keys typed behind a key that opens a message or input box from a main window: typed in one
// burst while the window holds its keys (the hold after a duplicate, the hold while a contact
// is stored), they wait in its key queue, and when the dialog comes up they are the dialog's,
// as they are typed key by key once it is up; the keys behind the dialog's answer go to the
// main window once the dialog's caller has gone on. Qt's real dialogs, each in its nested
// loop, on virtual time.
#include <QApplication>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "logstore/log_file_format.h"
#include "mainwin/main_window.h"
#include "station/station_settings.h"
#include "tests/instate_entry/infrm_fixture.h"
#include "tests/qt_fit/fit_bench.h"
#include "tests/qt_fit/typed_keys.h"
#include "tests/qt_fit/typed_strokes.h"

namespace ks::testing {
namespace {

struct DialogCase {
  const char* name;
  bool in_state;
  std::string line;                  // typed key by key before: the line whose last key holds
  std::string holder;                // the key that holds the window (refused, or storing)
  std::string opener;                // typed during the hold; its last key opens the first dialog
  std::vector<std::string> answers;  // the keys of each dialog, in the order they come up
  std::string next;                  // the next contact, typed into the main window
  std::vector<std::string> calls;    // the log afterwards
  int form_size;                     // the form size afterwards
  friend void PrintTo(const DialogCase& c, std::ostream* os) { *os << c.name; }
};

struct Outcome {
  std::vector<std::string> dialogs;  // the dialogs shown
  std::vector<std::string> calls;
  int form_size = 0;
  std::string call_box, focus;
  bool operator==(const Outcome&) const = default;
  friend void PrintTo(const Outcome& o, std::ostream* os) {
    *os << "dialogs {";
    for (const std::string& d : o.dialogs) *os << " \"" << d << "\"";
    *os << " }, calls {";
    for (const std::string& c : o.calls) *os << " " << c;
    *os << " }, form size " << o.form_size << ", call \"" << o.call_box << "\" focus " << o.focus;
  }
};

void Append(std::vector<Stroke>& strokes, const std::string& script) {
  for (const Stroke& s : Strokes(script)) strokes.push_back(s);
}

// One run over a log that holds W1AAA: the line typed key by key, then the holder, the opener,
// the dialogs' keys and the next contact, key by key (each dialog's keys typed into it once
// it is up) or all in one burst into the main window.
Outcome TypeSequence(const DialogCase& c, bool burst) {
  FitBench bench(1366, 768);
  TypedKeys keys(bench);
  UseEntryStation(bench);
  MainWindow& main = OpenMainWindow(bench, keys, c.in_state, {InStateContact("W1AAA", c.in_state ? "ME" : "", "York")});
  bench.UseDesktopDialogs();
  for (const Stroke& s : Strokes(c.line)) keys.Key(main, s.key, s.text);
  QWindow* handle = bench.view().WindowOf(main)->windowHandle();
  if (burst) {
    std::vector<Stroke> strokes = Strokes(c.holder + c.opener);
    for (const std::string& answer : c.answers) Append(strokes, answer);
    Append(strokes, c.next);
    for (const Stroke& s : strokes) QMetaObject::invokeMethod(qApp, [handle, s] { Deliver(handle, s); }, Qt::QueuedConnection);
    keys.Settle();
  } else {
    for (const std::string& answer : c.answers) {
      bench.OnNextDialog([answer](QWidget& dialog) {
        for (const Stroke& s : Strokes(answer)) {
          Deliver(dialog.windowHandle(), s);
          QApplication::processEvents();
        }
      });
    }
    for (const Stroke& s : Strokes(c.holder + c.opener + c.next)) {
      Deliver(handle, s);
      keys.Settle();
    }
  }
  keys.Settle();
  Outcome o;
  o.dialogs = bench.DialogsShown();
  for (const LogRecord& r : ContactsInLogFile(bench)) o.calls.push_back(r.LogCall);
  o.form_size = static_cast<int>(bench.app().State<StationSettings>().FormSizePercent);
  o.call_box = main.txtCall.Text();
  o.focus = main.ActiveControl() != nullptr ? main.ActiveControl()->Name() : "none";
  return o;
}

class TypedDialogKeys : public ::testing::TestWithParam<DialogCase> {};

TEST_P(TypedDialogKeys, KeysBehindTheOpenerAnswerTheDialogAsTypedAfterItCameUp) {
  const DialogCase& c = GetParam();
  const Outcome slow = TypeSequence(c, false);
  EXPECT_EQ(slow.dialogs.size(), c.answers.size());
  EXPECT_EQ(slow.calls, c.calls);
  EXPECT_EQ(slow.form_size, c.form_size);
  EXPECT_EQ(slow.call_box, "");
  EXPECT_EQ(slow.focus, "txtCall");
  EXPECT_EQ(TypeSequence(c, true), slow) << "in one burst";
}

// In state, W1AAA is typed again and Space refuses it: the hold after the duplicate. Out of
// state, K3XYZ's Enter stores it: the hold while the contact is stored.
const std::string kInStateLine = "w1aaa";
const std::string kInStateNext = "k1qqq 17 me{Enter}";
const std::string kOutLine = "k3xyz 42 y ";
const std::string kOutNext = "w3bbb 7 y {Enter}";
const std::string kFormSize = "{Alt+O}af";  // Options, Appearance, Form Size: an input box
const std::string kNewLog = "{Alt+F}n";     // File, New: an input box that wants YES
const std::string kRestore = "{Alt+F}r";    // File, Restore: a message, then Yes or No

INSTANTIATE_TEST_SUITE_P(
    BothWindows, TypedDialogKeys,
    ::testing::Values(
        DialogCase{"form_size", true, kInStateLine, " ", kFormSize, {"{Bs}{Bs}{Bs}95{Enter}", "{Enter}"},
                   kInStateNext, {"W1AAA", "K1QQQ"}, 95},
        DialogCase{"form_size_cancelled", true, kInStateLine, " ", kFormSize, {"{Esc}", "{Enter}"},
                   kInStateNext, {"W1AAA", "K1QQQ"}, 100},
        DialogCase{"new_log", true, kInStateLine, " ", kNewLog, {"yes{Enter}"}, kInStateNext, {"K1QQQ"}, 100},
        DialogCase{"new_log_refused", true, kInStateLine, " ", kNewLog, {"no{Enter}"}, kInStateNext,
                   {"W1AAA", "K1QQQ"}, 100},
        DialogCase{"restore_declined", true, kInStateLine, " ", kRestore, {"{Enter}", "{Esc}"}, kInStateNext,
                   {"W1AAA", "K1QQQ"}, 100},
        DialogCase{"out_of_state_form_size", false, kOutLine, "{Enter}", kFormSize,
                   {"{Bs}{Bs}{Bs}80{Enter}", "{Enter}"}, kOutNext, {"W1AAA", "K3XYZ", "W3BBB"}, 80},
        DialogCase{"out_of_state_new_log", false, kOutLine, "{Enter}", kNewLog, {"yes{Enter}"}, kOutNext,
                   {"W3BBB"}, 100},
        DialogCase{"out_of_state_restore_declined", false, kOutLine, "{Enter}", kRestore, {"{Enter}", "{Esc}"},
                   kOutNext, {"W1AAA", "K3XYZ", "W3BBB"}, 100}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace ks::testing
