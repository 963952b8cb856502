// A dialog is a modal display of its own: while it is up, its loop runs the program's events,
// and the keys that wait behind the key that opened it come in then, whichever kind of
// dialog it is and whatever asks for it. None opens from a timer's tick unnoticed: the
// benches fail the test that opens one.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "platform/forms/controls.h"
#include "platform/forms/headless.h"

namespace ks::testing {
namespace {

class frmDialogs : public forms::Form {
 public:
  explicit frmDialogs(forms::Application& app) : forms::Form(app, "frmDialogs") {}
  forms::TextBox Text1{*this, "Text1"};
  forms::CommonDialog cdbFile{*this, "cdbFile"};
  forms::CommandButton Command1{*this, "Command1"};
  forms::Timer Timer1{*this, "Timer1", 0, false};
};

class frmPick : public forms::Form {
 public:
  explicit frmPick(forms::Application& app) : forms::Form(app, "frmPick") { SetCaption("Pick one"); }
};

// Dialogs that run `while_up` as their loop, then are cancelled (or answer OK).
class NestedLoopDialogs final : public forms::Services {
 public:
  std::function<void()> while_up;
  int MessageBox(const forms::MessageBoxRequest&) override { return Up(1); }
  std::optional<std::string> InputBox(const forms::InputBoxRequest&) override { return Up(std::nullopt); }
  forms::FileDialogResult FileDialog(const forms::FileDialogRequest&) override { return Up(forms::FileDialogResult{}); }
  forms::ColorDialogResult ColorDialog(const forms::ColorDialogRequest&) override {
    return Up(forms::ColorDialogResult{});
  }
  void SetClipboardText(const std::string&) override {}
  std::string ClipboardText() override { return {}; }
  void Beep() override {}

 private:
  template <typename Answer>
  Answer Up(Answer answer) {
    while_up();
    return answer;
  }
};

struct DialogKind {
  const char* name;
  std::function<void(frmDialogs&)> open;
  const char* told;  // what the failure says of it
  friend void PrintTo(const DialogKind& k, std::ostream* os) { *os << k.name; }
};

class ModalDialogs : public ::testing::TestWithParam<DialogKind> {};

TEST_P(ModalDialogs, TheKeysWaitingBehindTheKeyThatOpensItComeInWhileItIsUp) {
  forms::Headless h;
  frmDialogs& f = h.app().Get<frmDialogs>();
  f.Show();
  f.Text1.SetFocus();
  NestedLoopDialogs dialogs;
  std::string typed_while_up = "(not shown)";
  dialogs.while_up = [&] {
    h.loop().RunPosted();
    typed_while_up = f.Text1.Text();
  };
  h.dialogs().ShowDialogsBy(&dialogs);
  f.Text1.KeyPress = [&](int& key) {
    if (key != '!') return;
    key = 0;
    GetParam().open(f);
  };
  {
    const forms::KeyHold hold = f.HoldKeys();
    f.TypeText("!ok");
  }
  h.loop().RunPosted();
  EXPECT_EQ(typed_while_up, "ok");
  EXPECT_EQ(f.Text1.Text(), "ok");
}

// Opened from a timer's tick, each kind fails the test under way with what it showed;
// opened by the operator's click, or by a click that a tick's DoEvents lets run, it is the
// operator's and fails nothing; a test that says it expects one finds it recorded.
class ModalsFromTimers : public ::testing::TestWithParam<DialogKind> {};

TEST_P(ModalsFromTimers, OneOpenedFromATimersTickFailsTheTest) {
  forms::Headless h;
  frmDialogs& f = h.app().Get<frmDialogs>();
  f.Show();
  f.Command1.Click = [&] { GetParam().open(f); };
  const auto tick_then = [&](std::function<void()> tick) {
    f.Timer1.Tick = [&f, tick] {
      f.Timer1.SetEnabled(false);
      tick();
    };
    f.Timer1.SetInterval(100);
    f.Timer1.SetEnabled(true);
    h.Advance(100);
  };
  EXPECT_NONFATAL_FAILURE(tick_then([&] { GetParam().open(f); }), GetParam().told);
  ASSERT_EQ(h.ModalsInTimerEvents().size(), 1u);
  EXPECT_NE(h.ModalsInTimerEvents()[0].find(GetParam().told), std::string::npos) << h.ModalsInTimerEvents()[0];

  f.Command1.ClickBy();
  tick_then([&] {
    h.app().Loop().Post([&] { f.Command1.ClickBy(); });
    h.app().DoEvents();
  });
  EXPECT_EQ(h.ModalsInTimerEvents().size(), 1u) << "the operator's clicks";

  h.ExpectModalsInTimerEvents();
  tick_then([&] { GetParam().open(f); });
  EXPECT_EQ(h.ModalsInTimerEvents().size(), 2u);
}

const DialogKind kDialogs[] = {
        DialogKind{"message_box", [](frmDialogs& f) { f.App().MsgBox("Sure?", 0, "Check"); },
                   "message box \"Check\": Sure?"},
        DialogKind{"input_box", [](frmDialogs& f) { f.App().InputBox("Call?", "Who"); }, "input box \"Who\": Call?"},
        DialogKind{"open_file",
                   [](frmDialogs& f) {
                     f.cdbFile.DialogTitle = "Open log";
                     f.cdbFile.ShowOpen();
                   },
                   "file dialog \"Open log\""},
        DialogKind{"save_file", [](frmDialogs& f) { f.cdbFile.ShowSave(); }, "file dialog"},
        DialogKind{"colour", [](frmDialogs& f) { f.cdbFile.ShowColor(); }, "colour dialog"},
        DialogKind{"modal_window", [](frmDialogs& f) { f.App().Get<frmPick>().ShowModal(); },
                   "window frmPick \"Pick one\""}};

// The platform's dialogs: all but the last, the program's window.
INSTANTIATE_TEST_SUITE_P(EveryKind, ModalDialogs, ::testing::ValuesIn(kDialogs, kDialogs + 5),
                         [](const auto& info) { return info.param.name; });
INSTANTIATE_TEST_SUITE_P(EveryKind, ModalsFromTimers, ::testing::ValuesIn(kDialogs),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace ks::testing
