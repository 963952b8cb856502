// The contact editors typed in one burst, faster than the program takes them, give what the
// same keys give typed one at a time with the program idle between them: the same log.txt,
// the same boxes, marks and focus in the editor, the same call box and focus in the main
// window, the same beeps and messages. Keys typed slowly after the Enter that stores the edit
// and closes the editor go to the main window; in a burst they were typed into the editor's
// window before it closed. The edited contact in log.txt is never one the editor refuses.
#include <QLineEdit>
#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "logstore/county_table.h"
#include "logstore/log_file_format.h"
#include "mainwin/section_table.h"
#include "reports/contact_edit_rules.h"
#include "reports/windows/DEEditInfrm.h"
#include "reports/windows/DEEditOut.h"
#include "station/station_settings.h"
#include "tests/instate_entry/infrm_fixture.h"
#include "tests/qt_fit/fit_bench.h"
#include "tests/qt_fit/typed_keys.h"
#include "tests/qt_fit/typed_strokes.h"

namespace ks::testing {
namespace {

enum class Editor { kInState, kOutOfState };

// What a run leaves.
struct Outcome {
  std::vector<std::string> log;  // the contacts of log.txt
  std::string editor;            // each box (text, selection, the widget's), focus and marks when the keys are done
  std::string main;              // the call box and the focus of the main window after
  int beeps = 0;
  std::vector<std::string> messages;
  friend bool operator==(const Outcome&, const Outcome&) = default;
  friend std::ostream& operator<<(std::ostream& os, const Outcome& o) {
    os << "\n  editor: " << o.editor << "\n  main: " << o.main << "\n  beeps " << o.beeps << ", messages:";
    for (const std::string& m : o.messages) os << " [" << m << "]";
    os << "\n  log:";
    for (const std::string& line : o.log) os << "\n    " << line;
    return os;
  }
};

std::string Line(const LogRecord& r) {
  return r.LogCall + "/" + r.LogSerialReceived + "/" + r.LogSPC + "/" + r.LogCounty + "/" + r.LogCountySent + "/" +
         r.LogSerialSent + "/" + r.LogDate + "/" + r.LogTime + "/" + r.LogMode + "/" + r.LogBand + "/" +
         std::to_string(r.LogPoints);
}

// One run: a fresh station over a log of W1AAA and K3XYZ (York), the newest contact opened in
// the editor of `kind`, and the keys typed there.
class EditorRun {
 public:
  EditorRun(Editor kind, const std::vector<Stroke>& strokes, bool burst) : bench_(1366, 768), kind_(kind) {
    UseEntryStation(bench_);
    const bool in_state = kind == Editor::kInState;
    LogRecord first = InStateContact("W1AAA", in_state ? "ME" : "");
    if (!in_state) first.LogCounty = "Bedford";
    main_ = &OpenMainWindow(bench_, keys_, in_state, {first, InStateContact("K3XYZ", in_state ? "PA" : "", "York")});
    std::vector<Stroke> after;  // typed slowly once the editor has gone
    bench_.headless().loop().ScriptModal(in_state ? "DEEditInfrm" : "DEEditOut", [&](forms::Form& form) {
      editor_ = &static_cast<ContactEditor&>(form);
      for (std::size_t i = 0; i < strokes.size(); ++i) {
        if (!burst && !form.Visible()) {
          after.assign(strokes.begin() + static_cast<std::ptrdiff_t>(i), strokes.end());
          break;
        }
        if (!strokes[i].pause) QueueStroke(keys_, form, strokes[i]);
        if (!burst || strokes[i].pause) Idle();
      }
      Idle();
      outcome_.editor = EditorNow();
    });
    EditNewestContact(bench_, keys_, *main_);
    for (const Stroke& s : after) {
      if (!s.pause) QueueStroke(keys_, *main_, s);
      Idle();
    }
    Idle();
  }

  Outcome Result() {
    for (const LogRecord& r : ContactsInLogFile(bench_)) outcome_.log.push_back(Line(r));
    outcome_.main = "call " + main_->txtCall.Text() + ", focus " + FocusOf(*main_);
    outcome_.beeps = bench_.headless().dialogs().beeps;
    for (const forms::MessageBoxRequest& m : bench_.headless().dialogs().message_boxes) outcome_.messages.push_back(m.title);
    return outcome_;
  }

  // Why the edited contact of log.txt is one the editor would refuse; empty when it is not.
  std::string Refused() {
    const std::vector<LogRecord> log = ContactsInLogFile(bench_);
    if (log.size() < 2) return "the contact is gone";
    const LogRecord& r = log[1];
    forms::Application& app = bench_.app();
    const CountyTable& counties = app.State<CountyTable>();
    if (!LogDateOf(r.LogDate) || *LogDateOf(r.LogDate) != r.LogDate) return "date " + r.LogDate;
    if (!LogTimeOf(r.LogTime) || *LogTimeOf(r.LogTime) != r.LogTime) return "time " + r.LogTime;
    if (!IsContestMode(r.LogMode)) return "mode " + r.LogMode;
    if (!IsContestBand(r.LogBand)) return "band " + r.LogBand;
    if (kind_ == Editor::kOutOfState) return IsCountyName(counties, r.LogCounty) ? "" : "county " + r.LogCounty;
    if (!r.LogCounty.empty() && !IsCountyName(counties, r.LogCounty)) return "county " + r.LogCounty;
    if (!IsCountyName(counties, r.LogCountySent)) return "county sent " + r.LogCountySent;
    if (!IsInStateExchange(r.LogSPC, app.State<StationSettings>().PartyState, app.State<SectionTable>()))
      return "exchange " + r.LogSPC;
    return "";
  }

 private:
  void Idle() {
    keys_.Settle();
    keys_.Settle();
  }

  std::string FocusOf(const forms::Form& form) {
    const forms::Control* focus = form.ActiveControl();
    std::string name = focus != nullptr ? focus->Name() : "none";
    if (focus == nullptr || keys_.Focused(form) != bench_.view().WidgetOf(*focus)) name += " (not Qt's)";
    return name;
  }

  std::string EditorNow() {
    ContactEditor& e = *editor_;
    std::string s = e.Visible() ? "open" : "closed";
    for (const forms::TextBox* box : {&e.txtEditCall, &e.txtEditCk, &e.txtEditSec, &e.txtEditPre, &e.txtEditNum,
                                      &e.txtEditDate, &e.txtEditTime, &e.txtEditBnd, &e.Text1, &e.Text3, &e.Text2}) {
      if (!box->Visible()) continue;
      s += " " + box->Text() + "<" + std::to_string(box->SelStart()) + "+" + std::to_string(box->SelLength()) + ">";
      // Qt drops the selection of a box the focus leaves; the focused box shows the model's.
      const auto* line = dynamic_cast<const QLineEdit*>(bench_.view().WidgetOf(*box));
      if (line == nullptr || !line->hasFocus()) continue;
      const int start = line->hasSelectedText() ? static_cast<int>(line->selectionStart()) : line->cursorPosition();
      const int length = static_cast<int>(line->selectedText().size());
      if (line->text().toStdString() != box->Text() || start != box->SelStart() || length != box->SelLength())
        s += "(shown " + line->text().toStdString() + "<" + std::to_string(start) + "+" + std::to_string(length) + ">)";
    }
    if (e.Visible()) s += ", focus " + FocusOf(e);
    for (const forms::Label* mark : {&e.Label1, &e.Label2, &e.Label3, &e.Label6, &e.Label7, &e.Label9})
      if (mark->Visible()) s += ", " + mark->Name();
    if (e.cmdDeleteDupe.Visible()) s += ", Delete Dupe";
    return s;
  }

  FitBench bench_;
  TypedKeys keys_{bench_};
  Editor kind_;
  MainWindow* main_ = nullptr;
  ContactEditor* editor_ = nullptr;
  Outcome outcome_;
};

void ExpectBurstAsTypedSlowly(Editor kind, const std::string& keys) {
  SCOPED_TRACE("keys \"" + Printable(keys) + "\"");
  const std::vector<Stroke> strokes = Strokes(keys);
  EditorRun burst(kind, strokes, true);
  EditorRun slowly(kind, strokes, false);
  EXPECT_EQ(burst.Result(), slowly.Result());
  EXPECT_EQ(burst.Refused(), "");
}

struct Road {
  const char* name;
  Editor kind;
  std::string keys;
};

void PrintTo(const Road& r, std::ostream* os) { *os << r.name; }

class TypedEditorRoads : public ::testing::TestWithParam<Road> {};

TEST_P(TypedEditorRoads, TheBurstGivesWhatSlowTypingGives) { ExpectBurstAsTypedSlowly(GetParam().kind, GetParam().keys); }

// The in-state editor's tab order: call, serial received, county, exchange, serial sent, date,
// time, mode, band, county sent, Done, points; the out-of-state one has no county box of its
// own (its county is the fourth) and no county sent.
INSTANTIATE_TEST_SUITE_P(
    Editors, TypedEditorRoads,
    ::testing::Values(
        Road{"enter_then_the_next_call", Editor::kInState, "k\rk1zq 11 me\r"},
        Road{"enter_then_the_next_call_out_of_state", Editor::kOutOfState, "{End}{Bs}z\rk1zq 11 york\r"},
        Road{"county_code_then_enter", Editor::kInState, "{Tab}{Tab}bed\r"},
        Road{"refused_county_left_by_tab", Editor::kInState, "{Tab}{Tab}xyz{Tab}{Tab}\r"},
        Road{"refused_county_out_of_state", Editor::kOutOfState, "{Tab}{Tab}{Tab}xyz\r{Bs}{Bs}{Bs}y\r"},
        Road{"refused_mode_then_mended", Editor::kInState, "{BTab}{BTab}{BTab}{BTab}zz{Tab}{Bs}{Bs}ph\r"},
        Road{"refused_band_then_enter", Editor::kInState, "{BTab}{BTab}{BTab}7\r"},
        Road{"refused_time_then_more_keys", Editor::kInState, "{Tab}{Tab}{Tab}{Tab}{Tab}{Tab}99:99\r12:34\r"},
        Road{"refused_date", Editor::kOutOfState, "{Tab}{Tab}{Tab}{Tab}{Tab}2013/13/45\r"},
        Road{"exchange_completion_then_space", Editor::kInState, "{Tab}{Tab}{Tab}para 5\r"},
        Road{"refused_exchange_then_esc", Editor::kInState, "{Tab}{Tab}{Tab}xyz\r{Esc}{Bs}{Bs}{Bs}oh\r"},
        Road{"duplicate_made_by_the_edit", Editor::kInState, "{End}{Bs}{Bs}{Bs}{Bs}{Bs}w1aaa{Tab}{Tab}{End}{Bs}{Bs}{Bs}{Bs}{Tab}{Bs}{Bs}me\r"},
        Road{"caret_keys_between_boxes", Editor::kInState, "{Home}{Right}x{Tab}{BTab}{Left}{Bs}{End}9{Tab}{Tab}{Home}{Del}\r"},
        Road{"points_then_enter", Editor::kOutOfState, "{BTab}{Bs}a7\rk1zq{Tab}12\r"}),
    [](const auto& info) { return info.param.name; });

// Sequences drawn from a fixed seed over the keys an operator types into an editor and, once
// it is gone, into the main window.
std::vector<std::string> DrawnSequences(std::uint32_t seed, int count) {
  static const char* const kAlphabet[] = {
      "k",     "w1aaa", "5",      "12",     "york",   "y",     "bed",    "xyz",    "pa",    "oh",     "para",
      "ph",    "cw",    "40",     "7",      "2013/10/13", "16:30", "99:99", "/",   ":",     " ",      "\r",
      "\r",    "{Tab}", "{Tab}",  "{Tab}",  "{BTab}", "{BTab}", "{Bs}",  "{Bs}",   "{Bs}",  "{Esc}",  "{Home}",
      "{End}", "{Left}", "{Del}", "{Wait}"};
  constexpr std::uint32_t kSize = sizeof(kAlphabet) / sizeof(kAlphabet[0]);
  std::mt19937 draw(seed);
  std::vector<std::string> sequences;
  for (int n = 0; n < count; ++n) {
    std::string keys;
    const std::uint32_t length = 3 + draw() % 12;
    for (std::uint32_t i = 0; i < length; ++i) keys += kAlphabet[draw() % kSize];
    sequences.push_back(keys);
  }
  return sequences;
}

class TypedEditorDrawn : public ::testing::TestWithParam<Editor> {};

TEST_P(TypedEditorDrawn, EachBurstGivesWhatSlowTypingGives) {
  for (const std::string& keys : DrawnSequences(GetParam() == Editor::kInState ? 17 : 29, 60))
    ExpectBurstAsTypedSlowly(GetParam(), keys);
}

INSTANTIATE_TEST_SUITE_P(BothEditors, TypedEditorDrawn, ::testing::Values(Editor::kInState, Editor::kOutOfState),
                         [](const auto& info) { return info.param == Editor::kInState ? "DEEditInfrm" : "DEEditOut"; });

}  // namespace
}  // namespace ks::testing
