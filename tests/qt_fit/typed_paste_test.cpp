// Text pasted from the desktop's clipboard (Shift+Insert into the focused widget of the Qt
// view) enters what typing its characters enters: the boxes' handlers and filters decide, so a
// paste never puts into a box, or into log.txt, what typing could not. A call copied with a
// blank after it is the call, and is found as a duplicate.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTreeWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "entry/entry_state.h"
#include "keying/windows/CWFrm.h"
#include "logstore/log_store.h"
#include "mainwin/windows/Infrm.h"
#include "mainwin/windows/Outfrm.h"
#include "platform/forms/pasted_keys.h"
#include "platform/qt/cp1252.h"
#include "platform/qt/form_window.h"
#include "reports/windows/DEEditInfrm.h"
#include "reports/windows/DEEditOut.h"
#include "station/station_settings.h"
#include "tests/instate_entry/infrm_fixture.h"
#include "tests/qt_fit/fit_bench.h"
#include "tests/qt_fit/typed_keys.h"
#include "tests/support/files.h"

namespace ks::testing {
namespace {

// The characters that typing a pasted text takes, as the paste's own keys.
std::string TypedOf(const std::string& pasted) {
  std::string typed;
  for (const forms::TypedKey& k : forms::KeysOfPaste(pasted, false).keys) typed += static_cast<char>(k.key_ascii);
  return typed;
}

std::string Escaped(const std::string& text) {
  std::ostringstream out;
  for (const char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 32 || u >= 127) {
      out << "\\x" << std::hex << static_cast<int>(u) << std::dec;
    } else {
      out << c;
    }
  }
  return out.str();
}

// Texts that an operator might paste, and some drawn from a fixed seed over Windows-1252's
// printable characters with many blanks, quotes, commas and control characters among them.
std::vector<std::string> PastedTexts() {
  std::vector<std::string> texts = {"W1AW ", " k3zz\r\n", "K1 A,B\"C", "1 2x", "Centre ", "cen", "san ",
                                    "9:15", "2026/10/10", "1.5", "pa bedford", "epa", "\"'", ",,,",
                                    "w1aw\r\nk3zz", "\tk1\tabc\t", "caf\xe9 \x80", "a\x01" "b\x1b" "c\x7f"};
  std::string printable;
  for (int c = 0x20; c <= 0xff; ++c)
    if (c != 0x7f && c != 0x81 && c != 0x8d && c != 0x8f && c != 0x90 && c != 0x9d) printable += static_cast<char>(c);
  const std::string special = "  \t\"\",,'\r\n\x01\x1b\x7f" "0123456789abcxyzKW/.";
  std::mt19937 random(41);
  for (int n = 0; n < 14; ++n) {
    std::string text;
    const int length = std::uniform_int_distribution<int>(1, 10)(random);
    for (int i = 0; i < length; ++i) {
      const std::string& from = random() % 2 == 0 ? special : printable;
      text += from[random() % from.size()];
    }
    texts.push_back(text);
  }
  return texts;
}

// A run of the program with the Qt view, on the desktop's clipboard.
struct Program {
  Program() {
    UseEntryStation(bench);
    bench.UseDesktopClipboard();
  }
  // The main window of a station inside or outside the state over `log`, focus in the call box.
  MainWindow& Open(bool in_state, const std::vector<LogRecord>& log = {}) {
    return OpenMainWindow(bench, keys, in_state, log);
  }
  QWidget* WidgetOf(const forms::Control& control) { return bench.view().WidgetOf(control); }
  std::string Shown(const forms::TextBox& box) {
    return dynamic_cast<QLineEdit*>(WidgetOf(box))->text().toStdString();
  }
  std::string Log() { return ReadBytes(bench.work() / "log.txt"); }

  FitBench bench{1366, 768};
  TypedKeys keys{bench};
};

class TypedPaste : public ::testing::Test, protected Program {
 protected:
  // The boxes' texts and the focus, after each box was given its text of `start`, the focus
  // put in `box` from `away` (so that its GotFocus runs), and then `act` done.
  std::string After(forms::Form& window, const std::vector<forms::TextBox*>& boxes,
                    const std::vector<std::string>& start, forms::TextBox& box, forms::Control& away,
                    const std::function<void()>& act) {
    const auto reset = [&] {
      for (std::size_t i = 0; i < boxes.size(); ++i) boxes[i]->SetText(start[i]);
    };
    reset();
    away.SetFocus();
    reset();  // what leaving a box may have filled in
    box.SetFocus();
    keys.Settle();
    act();
    std::string seen;
    for (forms::TextBox* b : boxes) {
      seen += b->Name() + "=" + b->Text() + "|";
      EXPECT_EQ(Shown(*b), qt::FromCp1252(b->Text()).toStdString()) << b->Name();
    }
    const forms::Control* focus = window.ActiveControl();
    return seen + "focus=" + (focus != nullptr ? focus->Name() : "");
  }

  // Every text of PastedTexts() pasted into each box, against its characters typed.
  void PasteIsTypedInEachBox(forms::Form& window, const std::vector<forms::TextBox*>& boxes, forms::Control& away) {
    std::vector<std::string> start;
    for (forms::TextBox* b : boxes) start.push_back(b->Text());
    for (forms::TextBox* box : boxes) {
      for (const std::string& text : PastedTexts()) {
        SCOPED_TRACE(box->Name() + " <- \"" + Escaped(text) + "\"");
        const std::string pasted = After(window, boxes, start, *box, away, [&] { keys.Paste(window, text); });
        const std::string typed =
            After(window, boxes, start, *box, away, [&] { keys.Characters(window, TypedOf(text)); });
        EXPECT_EQ(pasted, typed);
      }
    }
  }

  std::vector<forms::TextBox*> EntryBoxes(MainWindow& w) {
    w.mnuPostContest.ChooseBy();  // the date and time boxes shown too
    std::vector<forms::TextBox*> shown;
    for (forms::TextBox* b : {&w.txtCall, &w.txtRSTR, &w.txtCntry, &w.txtSec, &w.txtPts, &w.txtRSTS,
                              &w.txtPostConTime, &w.txtPostConDate})
      if (b->Visible() && b->Enabled()) shown.push_back(b);
    return shown;
  }

  // The newest contact clicked in the recent-contacts list, then "Edit Contact"; `in_editor`
  // acts in the editor while it is up, and closes it.
  void InTheEditor(MainWindow& w, const std::string& editor_name, const std::function<void(ContactEditor&)>& in_editor) {
    bool opened = false;
    bench.headless().loop().ScriptModal(editor_name, [&](forms::Form& form) {
      opened = true;
      auto& e = static_cast<ContactEditor&>(form);
      in_editor(e);
      bench.view().WindowOf(e)->close();
      keys.Settle();
    });
    EditNewestContact(bench, keys, w);
    EXPECT_TRUE(opened);
  }
};

class TypedPasteInWindow : public TypedPaste, public ::testing::WithParamInterface<bool> {};

TEST_P(TypedPasteInWindow, ACallPastedWithABlankAfterItIsFoundAsADuplicate) {
  const bool in_state = GetParam();
  MainWindow& w = Open(in_state, {in_state ? InStateContact("W1AW", "CT", "") : InStateContact("W1AW", "", "Centre")});
  const std::string before = Log();
  keys.Paste(w, "W1AW ");
  EXPECT_EQ(w.txtCall.Text(), "W1AW");
  EXPECT_EQ(Shown(w.txtCall), "W1AW");
  EXPECT_EQ(keys.Focused(w), WidgetOf(w.txtCall)) << "the trimmed blank moved nothing on";
  keys.Type(w, in_state ? " " : " 7 centre\r");  // the in-state window refuses the line on Space
  EXPECT_EQ(bench.app().State<LogStore>().QSOCount, 1);
  EXPECT_EQ(Log(), before);
  EXPECT_EQ(w.lblDialog.Caption().rfind("Duplicate W1AW", 0), 0u) << w.lblDialog.Caption();
}

// What a run of the program shows after a line was entered: log.txt, the entry line, the
// focus and the message.
struct Outcome {
  std::string log, line;
  std::vector<LogRecord> stored;
};

struct LineCase {
  const char* name;
  const char* before;  // typed into the call box first
  const char* pasted;  // then pasted where the focus is
  const char* after;   // then typed
};

// A line entered with a paste in it, in a program of its own; `paste` false types the
// pasted text's characters instead.
Outcome Enter(bool in_state, const LineCase& c, bool paste) {
  Program run;
  MainWindow& w = run.Open(in_state);
  run.keys.Type(w, c.before);
  if (paste) {
    run.keys.Paste(w, c.pasted);
  } else {
    run.keys.Characters(w, TypedOf(c.pasted));
  }
  run.keys.Type(w, c.after);
  Outcome out;
  out.log = ReadBytes(run.bench.work() / "log.txt");
  for (const forms::TextBox* b : {&w.txtCall, &w.txtRSTR, &w.txtCntry, &w.txtSec, &w.txtPts})
    out.line += b->Name() + "=" + b->Text() + "|";
  out.line += "focus=" + (w.ActiveControl() != nullptr ? w.ActiveControl()->Name() : "") + "|" + w.lblDialog.Caption();
  const LogStore& store = run.bench.app().State<LogStore>();
  for (long i = 1; i <= store.QSOCount; ++i) out.stored.push_back(store.Records[static_cast<std::size_t>(i)]);
  return out;
}

struct WindowLineCase {
  bool in_state;
  LineCase line;
  friend void PrintTo(const WindowLineCase& c, std::ostream* os) { *os << c.line.name; }
};

class PastedLine : public ::testing::TestWithParam<WindowLineCase> {};

// The line goes as it goes typed: log.txt, the entry line, the focus and the message are the
// same, and no stored call holds a blank or a quote, no stored serial anything but digits.
TEST_P(PastedLine, EntersWhatTypingItsCharactersEnters) {
  const WindowLineCase& c = GetParam();
  const Outcome pasted = Enter(c.in_state, c.line, true);
  const Outcome typed = Enter(c.in_state, c.line, false);
  EXPECT_EQ(pasted.log, typed.log);
  EXPECT_EQ(pasted.line, typed.line);
  for (const LogRecord& r : pasted.stored) {
    EXPECT_EQ(r.LogCall.find_first_of(" \t\""), std::string::npos) << r.LogCall;
    EXPECT_EQ(r.LogSerialReceived.find_first_not_of("0123456789"), std::string::npos) << r.LogSerialReceived;
  }
}

INSTANTIATE_TEST_SUITE_P(
    BothWindows, PastedLine,
    ::testing::Values(
        WindowLineCase{false, {"out_call_with_blank", "", "W1AW ", " 5 centre\r"}},
        WindowLineCase{true, {"in_call_with_blank", "", " w1aw\t", " 5 ct\r"}},
        WindowLineCase{false, {"out_call_with_signs", "", "K1 A,B\"C", " 5 centre\r"}},
        WindowLineCase{true, {"in_call_with_signs", "", "K1 A,B\"C", " 5 pa centre\r"}},
        WindowLineCase{false, {"out_serial_with_blank", "k3zz ", "1 2x", " centre\r"}},
        WindowLineCase{true, {"in_serial_with_blank", "k3zz ", "1 2x", " pa centre\r"}},
        WindowLineCase{false, {"out_serial_with_line_end", "k3zz ", "12\r\n", " centre\r"}},
        WindowLineCase{true, {"in_county_with_line_end", "k3zz 5 pa ", "Centre \r\n", "\r"}}),
    [](const auto& info) { return std::string(info.param.line.name); });

TEST_F(TypedPaste, PastedIntoAnyEntryBoxOfTheOutOfStateWindowIsTyped) {
  MainWindow& w = Open(false);
  PasteIsTypedInEachBox(w, EntryBoxes(w), w.cmdList);
}

TEST_F(TypedPaste, PastedIntoAnyEntryBoxOfTheInStateWindowIsTyped) {
  MainWindow& w = Open(true);
  PasteIsTypedInEachBox(w, EntryBoxes(w), w.cmdList);
}

// The CW window's speed box takes digits (and ":") only, and a message box upper-cases:
// whichever road the text comes by. Ctrl+V types its own character first, which the speed
// box's filter drops as it drops every other sign, so it pastes nothing there.
TEST_F(TypedPaste, TheCWWindowsBoxesTakeFromAPasteWhatTypingGivesThem) {
  MainWindow& w = Open(true);
  keys.Key(w, Qt::Key_S, QString(QChar(19)), Qt::ControlModifier);  // Ctrl+S opens the CW window
  CWFrm& cw = bench.app().Get<CWFrm>();
  ASSERT_TRUE(cw.Visible());
  const auto ctrl_v = [&](const char* text) {
    return [&, text] {
      QGuiApplication::clipboard()->setText(text);
      keys.Key(cw, Qt::Key_V, QString(QChar(22)), Qt::ControlModifier);
    };
  };
  const auto speed = [&](const std::function<void()>& act) {
    return After(cw, {&cw.Text11}, {"13"}, cw.Text11, cw.Text1, act);
  };
  const std::string typed = speed([&] { keys.Characters(cw, "0.00001"); });
  EXPECT_EQ(cw.Text11.Text(), "000001");
  EXPECT_EQ(speed([&] { keys.Paste(cw, "0.00001"); }), typed);
  EXPECT_EQ(speed(ctrl_v(" 0.00001\r\n")), "Text11=13|focus=Text11");

  const auto message = [&](const std::function<void()>& act) {
    return After(cw, {&cw.Text2}, {""}, cw.Text2, cw.Text1, act);
  };
  EXPECT_EQ(message(ctrl_v("cq \"test\"\r\nde")), message([&] { keys.Characters(cw, "cq \"test\""); }));
  EXPECT_EQ(cw.Text2.Text(), "CQ TEST");
}

// Where the window system keeps a selection (X11), a middle click in a box pastes it: typed,
// as Shift+Insert pastes the clipboard.
TEST_F(TypedPaste, AMiddleClickPastesTheSelectionAsTyped) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard->supportsSelection()) GTEST_SKIP() << "this window system keeps no selection";
  MainWindow& w = Open(false);
  const std::vector<forms::TextBox*> line = {&w.txtCall, &w.txtRSTR, &w.txtSec};
  const std::vector<std::string> empty(line.size());
  for (const char* text : {"W1AW ", "K1 A,B\"C"}) {
    SCOPED_TRACE(text);
    const std::string clicked = After(w, line, empty, w.txtCall, w.cmdList, [&] {
      clipboard->setText(qt::FromCp1252(text), QClipboard::Selection);
      QTest::mouseClick(WidgetOf(w.txtCall), Qt::MiddleButton);
      keys.Settle();
    });
    EXPECT_EQ(clicked, After(w, line, empty, w.txtCall, w.cmdList, [&] { keys.Characters(w, TypedOf(text)); }));
  }
}

class PastedInEditor : public TypedPaste, public ::testing::WithParamInterface<bool> {};

TEST_P(PastedInEditor, PastedIntoAnyBoxOfTheContactEditorIsTyped) {
  const bool in_state = GetParam();
  MainWindow& w = Open(in_state);
  keys.Type(w, in_state ? "k3gg 8 pa bedford\r" : "k3gg 8 bedford\r");
  ASSERT_EQ(bench.app().State<LogStore>().QSOCount, 1) << w.lblDialog.Caption();
  InTheEditor(w, in_state ? "DEEditInfrm" : "DEEditOut", [&](ContactEditor& e) {
    std::vector<forms::TextBox*> boxes;
    for (forms::TextBox* b : {&e.txtEditCall, &e.txtEditCk, &e.txtEditSec, &e.txtEditPre, &e.txtEditNum,
                              &e.txtEditDate, &e.txtEditTime, &e.txtEditBnd, &e.Text1, &e.Text2, &e.Text3})
      if (b->Visible()) boxes.push_back(b);
    ASSERT_GE(boxes.size(), 9u);
    PasteIsTypedInEachBox(e, boxes, e.cmdDone);
  });
}

INSTANTIATE_TEST_SUITE_P(BothWindows, TypedPasteInWindow, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "in_state" : "out_of_state"; });
INSTANTIATE_TEST_SUITE_P(BothWindows, PastedInEditor, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "in_state" : "out_of_state"; });

}  // namespace
}  // namespace ks::testing
