// A dialog is a modal display of its own: while it is up, its loop runs the program's events,
// and the keys that wait behind the key that opened it come in then, whichever kind of
// dialog it is and whatever asks for it.
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

INSTANTIATE_TEST_SUITE_P(
    EveryKind, ModalDialogs,
    ::testing::Values(DialogKind{"message_box", [](frmDialogs& f) { f.App().MsgBox("Sure?"); }},
                      DialogKind{"input_box", [](frmDialogs& f) { f.App().InputBox("Call?"); }},
                      DialogKind{"open_file", [](frmDialogs& f) { f.cdbFile.ShowOpen(); }},
                      DialogKind{"save_file", [](frmDialogs& f) { f.cdbFile.ShowSave(); }},
                      DialogKind{"colour", [](frmDialogs& f) { f.cdbFile.ShowColor(); }}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace ks::testing
