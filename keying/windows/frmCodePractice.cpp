#include "keying/windows/frmCodePractice.h"

#include <algorithm>
#include <chrono>
#include <functional>
#include <random>

#include "keying/keying_state.h"
#include "keying/windows/CWFrm.h"
#include "platform/forms/application.h"
#include "platform/forms/form_resize.h"
#include "platform/vb/parse.h"
#include "platform/vb/rounding.h"

namespace ks {

frmCodePractice::frmCodePractice(forms::Application& app) : forms::Form(app, "frmCodePractice") {
  SetCaption("On the Air Code Practice");
  LayOut();
  WireHandlers();
}

void frmCodePractice::LayOut() {
  captions_.Add("Fill the text to send with random groups, from the clipboard or by typing into it, then press "
                "Send.  Characters typed into the keyboard box are sent at once.",
                120, 60, 8160, 480, true);
  captions_.Add("Type characters here to send text from keyboard:", 120, 630, 4500, 255);
  Text5.Move(4680, 600, 3600, 300);
  Text5.SetTabIndex(0);
  captions_.Add(" Text to Send", 120, 1020, 2400, 255);
  Text1.Move(120, 1290, 8160, 1500);
  Text1.MultiLine = true;
  captions_.Add(" Text Sent", 120, 2880, 2400, 255);
  Text2.Move(120, 3150, 8160, 1200);
  Text2.MultiLine = true;
  for (forms::TextBox* box : {&Text1, &Text2, &Text5}) {
    box->SetFont({"Courier New", 9.75f});
    box->SetForeColor(forms::colors::kWhite);
    box->SetBackColor(forms::Rgb(0, 0, 128));
  }
  captions_.Add("Generate", 120, 4500, 900, 255);
  Text3.Move(1080, 4470, 480, 300);
  Text3.SetText("10");
  captions_.Add("groups of", 1620, 4500, 900, 255);
  Text4.Move(2580, 4470, 480, 300);
  Text4.SetText("5");
  captions_.Add("characters each.", 3120, 4500, 1560, 255);
  Frame1.Move(4800, 4380, 3480, 600);
  Frame1.SetCaption("Include:");
  Option1.Move(120, 250, 1680, 270);
  Option1.SetCaption("Letters Only");
  Option2.Move(1920, 250, 1200, 270);
  Option2.SetCaption("All");
  Option2.SetValue(true);
  struct Button {
    forms::CommandButton* button;
    const char* caption;
  };
  const Button row1[] = {{&Command2, "&Generate Random Characters"}, {&Command1, "&Paste from Clipboard"},
                         {&Command6, "&Clear"}, {&Command5, "Cl&ear"}};
  const Button row2[] = {{&Command3, "&Send"}, {&Command4, "S&top"}, {&Command7, "&Faster"}, {&Command8, "S&lower"}};
  const float widths1[] = {2880, 2280, 1320, 1320};
  float left = 120;
  for (int i = 0; i < 4; ++i) {
    row1[i].button->Move(left, 5100, widths1[i], 390);
    row1[i].button->SetCaption(row1[i].caption);
    left += widths1[i] + 120;
  }
  for (int i = 0; i < 4; ++i) {
    row2[i].button->Move(120 + static_cast<float>(i) * 1440, 5610, 1320, 390);
    row2[i].button->SetCaption(row2[i].caption);
  }
  Label8.Move(5940, 5670, 600, 255);
  Label8.SetCaption("13");
  captions_.Add("WPM", 6600, 5670, 600, 255);
  SetClientSize(8400, 6120);
}

void frmCodePractice::WireHandlers() {
  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { Command2_Click(); };
  Command3.Click = [this] { Command3_Click(); };
  Command4.Click = [this] { Command4_Click(); };
  Command5.Click = [this] { Command5_Click(); };
  Command6.Click = [this] { Command6_Click(); };
  Command7.Click = [this] { Command7_Click(); };
  Command8.Click = [this] { Command8_Click(); };
  Text1.KeyPress = [this](int& k) { Text1_KeyPress(k); };
  Text5.KeyPress = [this](int& k) { Text5_KeyPress(k); };
}

void frmCodePractice::Form_Load() {
  FitKeyerWindow(*this);
  Label8.SetCaption(App().Get<CWFrm>().Text11.Text());
  const std::string table = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789.,?/-";
  for (std::size_t i = 0; i < table.size(); ++i) PracticeCharacters[i + 1] = std::string(1, table[i]);
}

void frmCodePractice::Form_Unload(int& Cancel) {
  KeyingState& keying = App().State<KeyingState>();
  keying.CWBuffer.clear();
  PracticeSendText.clear();
  if (keying.CWSending == 1) Cancel = 1;
}

std::string RandomGroups(int groups, int per_group, int table_size, const std::array<std::string, 46>& table,
                         const std::function<double()>& next_uniform) {
  std::string text;
  for (int g = 0; g < groups; ++g) {
    for (int c = 0; c < per_group; ++c) {
      const int k = static_cast<int>(table_size * next_uniform()) + 1;
      text += table[static_cast<std::size_t>(std::clamp(k, 1, table_size))];
    }
    text += ' ';
  }
  return text;
}

void frmCodePractice::Command2_Click() {
  if (!vb::IsNumeric(Text3.Text())) Text3.SetText("10");
  if (!vb::IsNumeric(Text4.Text())) Text4.SetText("5");
  // The counts are bounded so that a typo cannot build a text of millions of characters.
  const int groups = static_cast<int>(std::clamp(vb::RoundHalfEven(vb::Val(Text3.Text())), -1.0, 1000.0));
  const int per_group = static_cast<int>(std::clamp(vb::RoundHalfEven(vb::Val(Text4.Text())), -1.0, 100.0));
  std::mt19937 random(static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count()));
  std::uniform_real_distribution<double> uniform(0.0, 1.0);
  Text1.SetText(RandomGroups(groups, per_group, Option1.Value() ? 26 : 41, PracticeCharacters,
                             [&] { return uniform(random); }));
}

void frmCodePractice::Command1_Click() { Text1.SetText(App().Dialogs().ClipboardText()); }

void frmCodePractice::Command3_Click() {
  forms::Application& app = App();
  KeyingState& keying = app.State<KeyingState>();
  PracticeSendText = Text1.Text();
  Text1.SetFocus();
  for (std::size_t i = 1; i <= PracticeSendText.size(); ++i) {
    PracticeSendText = Text1.Text();
    if (i > PracticeSendText.size()) break;
    const char next = PracticeSendText[i - 1];
    keying.CWBuffer.assign(1, next);
    if (keying.CWSending == 0) app.Get<CWFrm>().LoopThroughCWBuffer();
    if (!IsLoaded()) return;
    Text2.SetText(Text2.Text() + next);
    if (!Text2.Text().empty()) Text2.SetSelStart(static_cast<int>(Text2.Text().size()) - 1);
    Text1.SetSelStart(static_cast<int>(i));
    app.DoEvents();
    if (!IsLoaded()) return;
  }
}

void frmCodePractice::Command4_Click() {
  PracticeSendText.clear();
  App().State<KeyingState>().CWBuffer.clear();
}

void frmCodePractice::Command5_Click() { Text2.SetText(""); }

void frmCodePractice::Command6_Click() { Text1.SetText(""); }

void frmCodePractice::Command7_Click() {
  CWFrm& cw = App().Get<CWFrm>();
  cw.UpDown1_UpClick();
  Label8.SetCaption(cw.Text11.Text());
}

void frmCodePractice::Command8_Click() {
  CWFrm& cw = App().Get<CWFrm>();
  cw.UpDown1_DownClick();
  Label8.SetCaption(cw.Text11.Text());
}

void frmCodePractice::Text1_KeyPress(int& KeyAscii) { UpperCaseKey(KeyAscii); }

void frmCodePractice::Text5_KeyPress(int& KeyAscii) {
  forms::Application& app = App();
  KeyingState& keying = app.State<KeyingState>();
  UpperCaseKey(KeyAscii);
  const int key = KeyAscii;
  KeyAscii = 0;
  if (key == 8) {
    if (!keying.CWBuffer.empty()) keying.CWBuffer.pop_back();
    if (!Text2.Text().empty()) Text2.SetText(Text2.Text().substr(0, Text2.Text().size() - 1));
    return;
  }
  Text2.SetText(Text2.Text() + static_cast<char>(key));
  keying.CWBuffer.push_back(static_cast<char>(key));
  if (keying.CWSending == 0) app.Get<CWFrm>().LoopThroughCWBuffer();
}

}  // namespace ks
