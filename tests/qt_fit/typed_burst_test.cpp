// Keys typed in one burst, faster than the program takes them, give what the same keys give
// typed one at a time with the program idle between them: the same lines of log.txt, the
// same band and mode, the focus on the same box. Typed into the Qt view's widgets of both
// main windows, on virtual time.
//
// One rule tells the two apart: the hold after a line refused as a duplicate when a key left
// the call box (Space, Tab, a digit that starts the serial). Typed slowly, no key comes
// during the hold, since the program takes none for its seconds; typed in a burst, the keys
// behind the refusing one are all typed during it, and they are the rest of the refused
// line: they go with it up to and with its Enter, or up to the first key that types nothing
// (Esc, a function or arrow key, an Alt letter), which is struck after the hold with every
// key behind it; with neither, they all go. So the slowly typed run leaves out exactly those
// keys: after each key it looks whether that key left the call box refused (the call box
// held a call, the key was no Enter, the program held for the duplicate's seconds and the
// message label tells "Duplicate ..."), and then skips what the rule gives to the refused
// line. A line refused by Enter keeps every key behind it, whichever way it is typed.
#include <QApplication>
#include <QWidget>
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "logstore/log_file_format.h"
#include "mainwin/band_mode_rules.h"
#include "mainwin/windows/Infrm.h"
#include "mainwin/windows/Outfrm.h"
#include "station/station_settings.h"
#include "tests/instate_entry/infrm_fixture.h"
#include "tests/qt_fit/fit_bench.h"
#include "tests/qt_fit/typed_keys.h"
#include "tests/support/files.h"

namespace ks::testing {
namespace {

bool IsEnter(const Stroke& s) { return !s.alt && s.key == Qt::Key_Return; }

// A character, Space, Tab or Backspace: a key that goes on typing a line.
bool Types(const Stroke& s) {
  if (s.alt || s.pause) return false;
  if (s.key == Qt::Key_Tab || s.key == Qt::Key_Backspace) return true;
  return !s.text.isEmpty() && s.text[0].unicode() >= ' ';
}

// What a run leaves: the contacts of log.txt, band, mode and the focused box.
struct Outcome {
  std::vector<std::string> log;
  std::string band, mode, focus;
  friend bool operator==(const Outcome&, const Outcome&) = default;
  friend std::ostream& operator<<(std::ostream& os, const Outcome& o) {
    os << "band " << o.band << ", mode " << o.mode << ", focus " << o.focus << ", log:";
    for (const std::string& line : o.log) os << " [" << line << "]";
    return os;
  }
};

enum class Window { kInState, kOutOfState };

// One main window over a log of two contacts on 20 m in CW, worked from Centre: W1AAA (ME,
// or York county in the out-of-state window) and K3XYZ (PA, York). Each run starts from the
// same state: this log, 20 m, CW, logged on, an empty line with the focus in the call box.
class Station {
 public:
  explicit Station(Window kind) : bench_(1366, 768), kind_(kind) {
    UseEntryStation(bench_);
    bench_.app().State<StationSettings>().OutOfState = kind == Window::kOutOfState ? 1 : 0;
    WriteLog();
    window_ = kind == Window::kInState ? static_cast<MainWindow*>(&bench_.app().Get<Infrm>())
                                       : static_cast<MainWindow*>(&bench_.app().Get<Outfrm>());
    window_->Show();
    keys_.Settle();
  }

  Outcome Burst(const std::vector<Stroke>& strokes) {
    Reset();
    for (const Stroke& s : strokes) {
      if (s.pause) Idle();
      else Queue(s);
    }
    Idle();
    return Now();
  }

  // Each key once the program is idle; the keys that the hold's rule gives to a line refused
  // as a key left the call box are skipped (see the top of the file). `typed` tells which
  // keys were typed ("-" for one skipped).
  Outcome Slowly(const std::vector<Stroke>& strokes, std::string& typed) {
    Reset();
    typed.clear();
    for (std::size_t i = 0; i < strokes.size(); ++i) {
      const Stroke& s = strokes[i];
      if (s.pause) continue;
      const bool call_typed = window_->ActiveControl() == &window_->txtCall && !window_->txtCall.Text().empty();
      const std::int64_t before = bench_.headless().clock().TickMs();
      Queue(s);
      Idle();
      typed += "+";
      const bool held = bench_.headless().clock().TickMs() - before >= 2000;
      if (!call_typed || IsEnter(s) || !held || window_->lblDialog.Caption().rfind("Duplicate ", 0) != 0) continue;
      for (std::size_t j = i + 1; j < strokes.size() && Types(strokes[j]); ++j) {
        typed += "-";
        i = j;
      }
      if (i + 1 < strokes.size() && IsEnter(strokes[i + 1])) {
        typed += "-";
        ++i;
      }
    }
    return Now();
  }

 private:
  void WriteLog() {
    LogRecord first = InStateContact("W1AAA", kind_ == Window::kInState ? "ME" : "");
    if (kind_ == Window::kOutOfState) first.LogCounty = "York";
    WriteBytes(bench_.work() / "log.txt", FormatLogLine(first) + FormatLogLine(InStateContact("K3XYZ", "PA", "York")));
  }

  void Reset() {
    Idle();
    while (QWidget* popup = QApplication::activePopupWidget()) {
      popup->close();
      keys_.Settle();
    }
    StationSettings& s = bench_.app().State<StationSettings>();
    if (s.CurrentBand != "20") window_->mnuBand20Ch_Click();
    if (s.CurrentMode != "CW") window_->mnu160_Click();  // the Mode menu's first item, CW
    WriteLog();
    window_->ReloadLog();
    window_->ClearEntryFields();
    if (!bench_.app().State<RunState>().LoggedOn) window_->cmdLogOn.Press();
    window_->txtCall.SetFocus();
    bench_.headless().clock().Advance(5000);  // past any hold
    keys_.Settle();
  }

  void Queue(const Stroke& s) {
    if (s.alt) keys_.QueueWithAlt(*window_, s.key, s.text);
    else keys_.Queue(*window_, s.key, s.text);
  }

  void Idle() {
    keys_.Settle();
    keys_.Settle();
  }

  Outcome Now() {
    Outcome o;
    for (const LogRecord& r : ContactsInLogFile(bench_)) {
      o.log.push_back(r.LogCall + "/" + r.LogSerialReceived + "/" + r.LogSPC + "/" + r.LogCounty + "/" +
                      r.LogCountySent + "/" + std::to_string(static_cast<int>(r.LogPoints)) + "/" + r.LogBand + "/" +
                      r.LogMode);
    }
    const StationSettings& s = bench_.app().State<StationSettings>();
    o.band = s.CurrentBand;
    o.mode = s.CurrentMode;
    const forms::Control* focus = window_->ActiveControl();
    o.focus = focus != nullptr ? focus->Name() : "none";
    if (focus == nullptr || keys_.Focused(*window_) != bench_.view().WidgetOf(*focus)) o.focus += " (not Qt's)";
    return o;
  }

  FitBench bench_;
  TypedKeys keys_{bench_};
  Window kind_;
  MainWindow* window_ = nullptr;
};

// The roads into the hold, each followed by the next contact.
struct Road {
  const char* name;
  std::string keys;
  std::vector<std::string> added;  // the lines log.txt gains
};

void PrintTo(const Road& r, std::ostream* os) { *os << r.name; }

class TypedBurstRoads : public ::testing::TestWithParam<Road> {};

TEST_P(TypedBurstRoads, TheBurstGivesWhatSlowTypingGivesLessTheRefusedLine) {
  const Road& road = GetParam();
  Station station(Window::kInState);
  const std::vector<Stroke> strokes = StrokesOf(road.keys);
  const Outcome burst = station.Burst(strokes);
  std::string typed;
  const Outcome slowly = station.Slowly(strokes, typed);
  EXPECT_EQ(burst, slowly) << "slowly typed: " << typed;
  const std::vector<std::string> worked = {"W1AAA/5/ME//Centre/2/20/CW", "K3XYZ/5/PA/York/Centre/2/20/CW"};
  std::vector<std::string> log = worked;
  log.insert(log.end(), road.added.begin(), road.added.end());
  EXPECT_EQ(burst.log, log);
  EXPECT_EQ(burst.focus, "txtCall");
}

const std::string kZq = "K1ZQ/11/ME//Centre/2/20/CW";
const std::string kZy = "K1ZY/5/ME//Centre/2/20/CW";

INSTANTIATE_TEST_SUITE_P(
    InState, TypedBurstRoads,
    ::testing::Values(Road{"refused_by_enter", "w1aaa\rk1zq 11 me\r", {kZq}},
                      Road{"refused_by_space", "w1aaa 17 me\rk1zq 11 me\r", {kZq}},
                      Road{"refused_by_tab", "w1aaa{Tab}17{Tab}me\rk1zq 11 me\r", {kZq}},
                      Road{"refused_by_a_digit", "w1aaa17 me\rk1zq 11 me\r", {kZq}},
                      Road{"a_double_space", "w1aaa  {Wait}k1zy 5 me\r", {kZy}},
                      Road{"a_lone_tab", "w1aaa {Tab}{Wait}k1zy 5 me\r", {kZy}},
                      Road{"tab_then_a_lone_tab", "w1aaa{Tab}{Tab}{Wait}k1zy 5 me\r", {kZy}},
                      Road{"the_next_call_typed_in_the_hold", "w1aaa k1zq{Wait}k1zy 5 me\r", {kZy}},
                      Road{"esc_in_the_hold", "w1aaa 17{Esc}k1zq 11 me\r", {kZq}},
                      Road{"refused_by_enter_in_the_serial_box", "k3xyz 5 pa y\rk1zq 11 me\r", {kZq}}),
    [](const auto& info) { return info.param.name; });

// Sequences drawn from a fixed seed over the keys an operator types: calls (one worked on
// this band and mode), serials, exchanges, Space, Tab, Backspace, Enter, Esc, function and
// arrow keys and Alt letters (menu access keys and one of no menu).
std::vector<std::string> DrawnSequences(std::uint32_t seed, int count) {
  static const char* const kAlphabet[] = {
      "w1aaa", "w1aaa", "k3xyz", "k1zq", "n3abc", "w1a",  "5",     "17",     "me",     "pa",     "oh",
      "york",  "y",     "cen",   " ",    " ",     " ",    "\r",    "\r",     "{Tab}",  "{Tab}",  "{Bs}",
      "{Esc}", "{F1}",  "{F4}",  "{F10}", "{F12}", "{Up}", "{Down}", "{Left}", "{Right}", "{Alt+C}", "{Alt+R}",
      "{Alt+B}", "{Alt+M}", "{Alt+Z}"};
  constexpr std::uint32_t kSize = sizeof(kAlphabet) / sizeof(kAlphabet[0]);
  std::mt19937 draw(seed);
  std::vector<std::string> sequences;
  for (int n = 0; n < count; ++n) {
    std::string keys;
    const std::uint32_t length = 4 + draw() % 10;
    for (std::uint32_t i = 0; i < length; ++i) keys += kAlphabet[draw() % kSize];
    sequences.push_back(keys);
  }
  return sequences;
}

std::string Printable(std::string keys) {
  for (std::size_t at = keys.find('\r'); at != std::string::npos; at = keys.find('\r', at)) keys.replace(at, 1, "\\r");
  return keys;
}

// A menu opened by its access key takes the keys typed behind it only once the menus take
// their turn in the key queue too; until then the sequences that open one are kept apart.
bool OpensAMenu(const std::string& keys) {
  return keys.find("{Alt+B}") != std::string::npos || keys.find("{Alt+M}") != std::string::npos;
}

void ExpectBurstsAsTypedSlowly(Window kind, bool with_menus) {
  Station station(kind);
  for (const std::string& keys : DrawnSequences(41, 150)) {
    if (OpensAMenu(keys) != with_menus) continue;
    const std::vector<Stroke> strokes = StrokesOf(keys);
    const Outcome burst = station.Burst(strokes);
    std::string typed;
    const Outcome slowly = station.Slowly(strokes, typed);
    EXPECT_EQ(burst, slowly) << "keys \"" << Printable(keys) << "\", slowly typed: " << typed;
  }
}

class TypedBurstDrawn : public ::testing::TestWithParam<Window> {};

TEST_P(TypedBurstDrawn, EachBurstGivesWhatSlowTypingGivesLessTheRefusedLine) { ExpectBurstsAsTypedSlowly(GetParam(), false); }

TEST_P(TypedBurstDrawn, EachBurstThatOpensAMenuGivesWhatSlowTypingGives) {
  ExpectBurstsAsTypedSlowly(GetParam(), true);
}

INSTANTIATE_TEST_SUITE_P(BothWindows, TypedBurstDrawn, ::testing::Values(Window::kInState, Window::kOutOfState),
                         [](const auto& info) { return info.param == Window::kInState ? "Infrm" : "Outfrm"; });

}  // namespace
}  // namespace ks::testing
