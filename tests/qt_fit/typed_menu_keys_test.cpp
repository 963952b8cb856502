// Menus and buttons worked by their access keys, typed into the Qt view by the window
// system's road (where Qt's shortcuts and an open menu see the keys first): each sequence is
// typed once in one burst, all keys waiting in Qt's queue before the program takes any, and
// once key by key with the program idle between them. Both give the same contacts in
// log.txt, band, mode, entry line and focus, and what the operator meant. A menu opened from
// the keyboard highlights its first item; an access key acts on its first press whatever the
// menu bar went through; keys behind a key that opens a menu go to that menu.
#include <QApplication>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "logstore/log_file_format.h"
#include "mainwin/main_window.h"
#include "mainwin/windows/Infrm.h"
#include "mainwin/windows/Outfrm.h"
#include "platform/qt/form_window.h"
#include "station/station_settings.h"
#include "station/windows/frmCountyChangeRover.h"
#include "tests/instate_entry/infrm_fixture.h"
#include "tests/qt_fit/fit_bench.h"
#include "tests/qt_fit/typed_keys.h"
#include "tests/qt_fit/typed_strokes.h"
#include "tests/support/files.h"

namespace ks::testing {
namespace {

// The keys of `script` in the shared notation (typed_strokes.h); keys in [brackets] are typed
// in the burst only: the rest of a refused line, which the hold after the refusal drops and
// which the slow typist, seeing the refusal, never types.
std::vector<Stroke> StrokesOf(const std::string& script, bool burst) {
  std::string typed;
  bool dropped = false;
  for (const char c : script) {
    if (c == '[' || c == ']') {
      dropped = c == '[';
    } else if (burst || !dropped) {
      typed += c;
    }
  }
  return Strokes(typed);
}

// What the operator sees after a sequence.
struct Outcome {
  std::vector<std::string> log;  // call/serial/exchange/band/mode of each line of log.txt
  std::string band;
  std::string mode;
  std::string call_box;
  std::string focus;  // the name of the control whose widget has the window's focus
  std::string log_on;  // the Log "Time On" button's caption
  bool menu_open = false;
  bool operator==(const Outcome&) const = default;
  friend void PrintTo(const Outcome& o, std::ostream* os) {
    *os << "log {";
    for (const std::string& line : o.log) *os << line << "; ";
    *os << "} band " << o.band << " mode " << o.mode << " call \"" << o.call_box << "\" focus " << o.focus
        << " button " << o.log_on << (o.menu_open ? " menu open" : "");
  }
};

struct MenuCase {
  const char* name;
  bool in_state;
  std::string band;     // the band the station is on at the start; W1AAA was worked on it
  std::string before;   // typed slowly before the sequence
  std::string keys;     // the sequence
  std::vector<std::string> log;  // what log.txt holds afterwards
  std::string want_band;
  std::string want_mode;
  std::string call_box;
  bool logged_on;  // storing a contact logs the station on; its button's key switches
  friend void PrintTo(const MenuCase& c, std::ostream* os) { *os << c.name; }
};

// One run of the program: the main window over a log that holds W1AAA worked from Centre on
// the case's band in CW, focus in the call box.
class MenuRun {
 public:
  explicit MenuRun(const MenuCase& c) : bench_(1366, 768) {
    UseEntryStation(bench_);
    StationSettings& s = bench_.app().State<StationSettings>();
    s.CurrentBand = c.band;
    s.OutOfState = c.in_state ? 0 : 1;
    WriteBytes(bench_.work() / "log.txt", FormatLogLine(InStateContact("W1AAA", "ME", "", c.band)));
    window_ = c.in_state ? static_cast<MainWindow*>(&bench_.app().Get<Infrm>())
                         : static_cast<MainWindow*>(&bench_.app().Get<Outfrm>());
    window_->Show();
    window_->txtCall.SetFocus();
    keys_.Settle();
    keys_.Type(*window_, c.before);
  }
  ~MenuRun() {
    while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    keys_.Settle();
  }

  void TypeSlowly(const std::string& script) {
    for (const Stroke& s : StrokesOf(script, false)) {
      Deliver(Handle(), s);
      keys_.Settle();
    }
  }

  // Every key put into Qt's queue before the first is delivered; a key that starts a wait
  // (a hold, a menu) has the rest delivered inside it, as the keyboard's would be.
  void TypeInABurst(const std::string& script) {
    QWindow* handle = Handle();
    for (const Stroke& s : StrokesOf(script, true))
      QMetaObject::invokeMethod(qApp, [handle, s] { Deliver(handle, s); }, Qt::QueuedConnection);
    keys_.Settle();
  }

  Outcome Seen() {
    Outcome o;
    for (const LogRecord& r : ContactsInLogFile(bench_)) {
      o.log.push_back(r.LogCall + "/" + r.LogSerialReceived + "/" + r.LogSPC + "/" + r.LogBand + "/" + r.LogMode);
    }
    const StationSettings& s = bench_.app().State<StationSettings>();
    o.band = s.CurrentBand;
    o.mode = s.CurrentMode;
    o.call_box = window_->txtCall.Text();
    o.focus = "none";
    QWidget* focused = keys_.Focused(*window_);
    for (forms::Control* c : window_->Controls())
      if (focused != nullptr && bench_.view().WidgetOf(*c) == focused) o.focus = c->Name();
    o.log_on = window_->cmdLogOn.Caption();
    o.menu_open = QApplication::activePopupWidget() != nullptr;
    return o;
  }

 private:
  QWindow* Handle() {
    QWidget* shown = bench_.view().WindowOf(*window_);
    return shown != nullptr ? shown->windowHandle() : nullptr;
  }

  FitBench bench_;
  TypedKeys keys_{bench_};
  MainWindow* window_ = nullptr;
};

Outcome Wanted(const MenuCase& c) {
  return {c.log, c.want_band, c.want_mode, c.call_box, "txtCall",
          c.logged_on ? "&Log \"Time Off\"" : "&Log \"Time On\"", false};
}

class TypedMenuKeys : public ::testing::TestWithParam<MenuCase> {};

TEST_P(TypedMenuKeys, AllAtOnceDoesWhatKeyByKeyDoes) {
  const MenuCase& c = GetParam();
  Outcome slow;
  {
    MenuRun run(c);
    run.TypeSlowly(c.keys);
    slow = run.Seen();
  }
  EXPECT_EQ(slow, Wanted(c)) << "key by key";
  MenuRun run(c);
  run.TypeInABurst(c.keys);
  EXPECT_EQ(run.Seen(), slow) << "in one burst";
}

const std::string kWorked20 = "W1AAA/5/ME/20/CW";

INSTANTIATE_TEST_SUITE_P(
    Menus, TypedMenuKeys,
    ::testing::Values(
        // The Band menu opens on 160; three steps down is 20.
        MenuCase{"band_menu_three_down", true, "15", "", "{Alt+B}{Down}{Down}{Down}\r",
                 {"W1AAA/5/ME/15/CW"}, "20", "CW", "", false},
        MenuCase{"band_menu_enter_chooses_the_first", true, "20", "", "{Alt+B}\r", {kWorked20}, "160", "CW", "", false},
        MenuCase{"mode_menu_by_its_letter", true, "20", "", "{Alt+M}p", {kWorked20}, "20", "PH", "", false},
        MenuCase{"out_of_state_band_menu", false, "15", "", "{Alt+B}{Down}{Down}{Down}\r",
                 {"W1AAA/5/ME/15/CW"}, "20", "CW", "", false},
        MenuCase{"out_of_state_mode_menu", false, "20", "", "{Alt+M}{Down}\r", {kWorked20}, "20", "PH", "", false},
        // Esc out of a menu, then Clear's access key: it clears at once, and the next call
        // starts an empty line.
        MenuCase{"clear_after_esc_out_of_a_menu", true, "20", "", "{Alt+F}{Esc}k3zzz{Alt+C}k1abc", {kWorked20}, "20",
                 "CW", "K1ABC", false},
        MenuCase{"out_of_state_clear_after_esc", false, "20", "", "{Alt+O}{Esc}k3zzz{Alt+C}k1abc", {kWorked20}, "20",
                 "CW", "K1ABC", false},
        MenuCase{"clear_after_a_menu_left_for_another", true, "20", "", "{Alt+F}{Esc}{Alt+M}{Esc}k3zzz{Alt+C}",
                 {kWorked20}, "20", "CW", "", false},
        // A key that no item of the open menu takes is the menu's all the same (it used to go
        // back and forth between the menu and its window without end).
        MenuCase{"a_key_no_item_takes", true, "20", "", "{Alt+B}x{Esc}k1abc", {kWorked20}, "20", "CW", "K1ABC", false},
        MenuCase{"out_of_state_a_key_no_item_takes", false, "20", "", "{Alt+M}q{Esc}k1abc", {kWorked20}, "20", "CW",
                 "K1ABC", false},
        // Another access key while a menu is open: Alt closes the menu, and the key acts.
        MenuCase{"clear_while_a_menu_is_open", true, "20", "", "k3zzz{Alt+M}{Alt+C}k1abc", {kWorked20}, "20", "CW",
                 "K1ABC", false},
        // Typed during the hold after W1AAA is refused: the menu takes the keys behind its
        // key, and the next contact goes on the band or mode chosen.
        MenuCase{"mode_menu_in_a_hold", true, "20", "w1aaa", " {Alt+M}pk1mi 25 me\r",
                 {kWorked20, "K1MI/25/ME/20/PH"}, "20", "PH", "", true},
        MenuCase{"band_menu_in_a_hold", true, "20", "w1aaa", " {Esc}{Alt+B}{Down}{Down}\rk1pd 4 oh\r",
                 {kWorked20, "K1PD/4/OH/40/CW"}, "40", "CW", "", true},
        MenuCase{"rest_of_the_line_then_the_band_menu", true, "20", "w1aaa", " [5 m]{Alt+B}\rk1pd 4 oh\r",
                 {kWorked20, "K1PD/4/OH/160/CW"}, "160", "CW", "", true},
        MenuCase{"one_menu_for_another_in_a_hold", true, "20", "w1aaa", " {Alt+M}{Alt+B}\rk1pd 4 oh\r",
                 {kWorked20, "K1PD/4/OH/160/CW"}, "160", "CW", "", true},
        // The Log "Time On" button's access key takes its turn: the rest of the refused line
        // before it goes, the contact after it is stored.
        MenuCase{"log_on_in_a_hold", true, "20", "w1aaa", " [5 ma]{Alt+L}k1ll 5 me\r",
                 {kWorked20, "K1LL/5/ME/20/CW"}, "20", "CW", "", true},
        MenuCase{"log_off_after_a_contact", true, "20", "", "k1ll 5 me\r{Alt+L}k1mm",
                 {kWorked20, "K1LL/5/ME/20/CW"}, "20", "CW", "K1MM", false}),
    [](const auto& info) { return info.param.name; });

// A button's access key in a tool window clicks the button in its turn, not through Qt's
// shortcut, which would click it a tenth of a second later: the county typed before Done is
// added, and the window is gone.
TEST(TypedButtonKeys, DoneOfTheRoverWindowClicksInItsTurn) {
  FitBench bench(1366, 768);
  TypedKeys keys(bench);
  auto& rover = bench.app().Get<frmCountyChangeRover>();
  rover.Show();
  keys.Settle();
  QWindow* handle = bench.view().WindowOf(rover)->windowHandle();
  for (const Stroke& s : StrokesOf("juniata\r{Alt+D}", true))
    QMetaObject::invokeMethod(qApp, [handle, s] { Deliver(handle, s); }, Qt::QueuedConnection);
  keys.Settle();
  EXPECT_EQ(rover.List1.Items(), std::vector<std::string>{"Juniata"});
  EXPECT_FALSE(rover.Visible());
}

}  // namespace
}  // namespace ks::testing
