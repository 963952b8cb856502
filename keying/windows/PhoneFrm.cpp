#include "keying/windows/PhoneFrm.h"

#include <utility>

#include "keying/keyer_files.h"
#include "platform/forms/application.h"
#include "platform/forms/form_resize.h"
#include "platform/vb/parse.h"
#include "platform/vb/rounding.h"

namespace ks {

PhoneFrm::PhoneFrm(forms::Application& app) : forms::Form(app, "PhoneFrm") {
  SetCaption("Phone Wave Selections");
  // The function keys play from the window's boxes for the whole run.
  CloseBoxHides = true;
  LayOut();
  DropQuotesTypedIntoBoxes(*this);
  WireHandlers();
}

PhoneFrm::~PhoneFrm() {
  ptt_.Drop();
  if (player_) player_->Stop();
}

void PhoneFrm::LayOut() {
  constexpr float kRow = 420, kBoxHeight = 300;
  forms::TextBox* const files[] = {&Text1, &Text2, &Text3, &Text4, &Text5, &Text6, &Text7, &Text8, &Text9};
  forms::CommandButton* const browse[] = {&Command2, &Command3, &Command4, &Command5, &Command6,
                                          &Command7, &Command8, &Command9, &Command10};
  captions_.Add("Setup:", 120, 60, 1200, 255).SetFontBold(true);
  for (int i = 0; i < 9; ++i) {
    const float left = 120 + static_cast<float>(i / 3) * 2640;
    const float top = 420 + static_cast<float>(i % 3) * kRow;
    captions_.Add("F" + std::to_string(i + 1), left, top + 30, 300, 255);
    files[i]->Move(left + 330, top, 1500, kBoxHeight);
    browse[i]->Move(left + 1890, top, 660, kBoxHeight);
    browse[i]->SetCaption("Browse");
  }
  // The repeat box stands between the F1 box and its Browse button.
  Text1.SetWidth(1020);
  txtPHLoop.Move(1470, 420, 480, kBoxHeight);
  txtPHLoop.SetText("0");
  txtPHLoop.SetToolTipText("Seconds between repeats of F1 (0 for none)");
  const float right = 8100;
  captions_.Add("Port", right, 450, 480, 255);
  Text10.Move(right + 540, 420, 600, kBoxHeight);
  Text10.SetText("0");
  captions_.Add("Address", right, 870, 720, 255);
  Text11.Move(right + 720, 840, 780, kBoxHeight);
  Text11.SetText("&H378");
  Frame1.Move(right, 1200, 1380, 1080);
  forms::OptionButton* const lines[] = {&Option1, &Option2, &Option3};
  const char* const captions[] = {"RTS", "DTR", "Parallel"};
  for (int i = 0; i < 3; ++i) {
    lines[i]->Move(120, 120 + static_cast<float>(i) * 300, 1140, 270);
    lines[i]->SetCaption(captions[i]);
  }
  Option1.SetValue(true);
  LayOutHelp(1800);
}

void PhoneFrm::LayOutHelp(float top) {
  captions_.Add("To Use:", 120, top, 900, 255).SetFontBold(true);
  captions_.Add("(You  must be in Phone mode)", 1080, top, 3000, 255);
  top += 300;
  const char* const help[] = {
      "Record each message first with the desktop's sound recorder, as a WAV file.",
      "Record from the microphone input at 16-bit mono; 11 to 22 kHz is plenty for speech.",
      "Connect the sound card's line output to the transceiver's audio input.  Start at the lowest level "
      "and raise it carefully: overdriving spoils the signal and can damage the radio.",
      "Each WAV file belongs to a function key; press the key on the main logging window to play it.",
      "Key the transmitter by hand, by VOX or through a serial-port interface: enter its port number "
      "(0 for none) and choose RTS or DTR.",
  };
  for (const char* text : help) {
    captions_.Add(text, 120, top, 7800, 420, true);
    top += 450;
  }
  forms::Label& caution = captions_.Add("Caution, RF feedback can damage your PC!", 120, top, 5000, 255);
  caution.SetForeColor(forms::colors::kRed);
  top += 390;
  Command11.Move(120, top, 1200, 390);
  Command11.SetCaption("Test");
  captions_.Add("Plays F1 Command", 1440, top + 60, 1800, 255);
  Command1.Move(8280, top, 1200, 390);
  Command1.SetCaption("Done");
  top += 480;
  lblNotice.Move(120, top, 9360, 510);
  lblNotice.WordWrap = true;
  lblNotice.SetForeColor(forms::colors::kRed);
  SetClientSize(9600, top + 510 + 120);
}

void PhoneFrm::WireHandlers() {
  const std::pair<forms::CommandButton*, void (PhoneFrm::*)()> browse[] = {
      {&Command2, &PhoneFrm::Command2_Click}, {&Command3, &PhoneFrm::Command3_Click},
      {&Command4, &PhoneFrm::Command4_Click}, {&Command5, &PhoneFrm::Command5_Click},
      {&Command6, &PhoneFrm::Command6_Click}, {&Command7, &PhoneFrm::Command7_Click},
      {&Command8, &PhoneFrm::Command8_Click}, {&Command9, &PhoneFrm::Command9_Click},
      {&Command10, &PhoneFrm::Command10_Click}};
  for (const auto& [button, handler] : browse) button->Click = [this, handler = handler] { (this->*handler)(); };
  Command1.Click = [this] { Command1_Click(); };
  Command11.Click = [this] { Command11_Click(); };
  Text10.GotFocus = [this] { Text10_GotFocus(); };
  Text10.LostFocus = [this] { Text10_LostFocus(); };
  Text11.KeyPress = [this, drop_quote = Text11.KeyPress](int& key) {
    if (drop_quote) drop_quote(key);
    Text11_KeyPress(key);
  };
  txtPHLoop.KeyPress = [this](int& key) { txtPHLoop_KeyPress(key); };
  txtPHLoop.LostFocus = [this] { txtPHLoop_LostFocus(); };
  Timer1.Tick = [this] { Timer1_Timer(); };
  tmrRepeat.Tick = [this] { tmrRepeat_Timer(); };
}

// The port box's text is selected from where the caret stands to its end.
void PhoneFrm::Text10_GotFocus() { Text10.SetSelLength(static_cast<int>(Text10.Text().size())); }

// The parallel-port address box: letters become capitals.
void PhoneFrm::Text11_KeyPress(int& KeyAscii) { UpperCaseKey(KeyAscii); }

// The repeat box: digits, the point and Backspace.
void PhoneFrm::txtPHLoop_KeyPress(int& KeyAscii) {
  if (KeyAscii != '.') KeepKeys(KeyAscii, '0', '9');
}

void PhoneFrm::Form_Load() {
  FitKeyerWindow(*this);
}

void PhoneFrm::Form_Unload(int& /*Cancel*/) { EndMessage(); }

void PhoneFrm::Command1_Click() {
  Hide();
  SaveWaveSettings(App());
}

void PhoneFrm::Browse_Click(forms::TextBox& box) {
  cdbFile.Filter = "(*.wav)|*.wav";
  cdbFile.FilterIndex = 1;
  cdbFile.FileName.clear();
  if (!cdbFile.ShowOpen()) {
    App().Beep();
    return;
  }
  box.SetText(cdbFile.FileName);
  Command1.SetFocus();
}

void PhoneFrm::Command11_Click() {
  lblNotice.SetCaption("");
  lblNotice.SetToolTipText("");
  int f1 = 112;
  FKeyPhone(f1);
  if (Visible()) Command1.SetFocus();
}

// The operator sets the port here: a port that does not open is told in a message box.
void PhoneFrm::Text10_LostFocus() {
  port_lost_ = false;
  if (!vb::IsNumeric(Text10.Text())) Text10.SetText("0");
  OpenPhonePort();
}

void PhoneFrm::txtPHLoop_LostFocus() { RepeatBoxLeft(txtPHLoop, tmrRepeat); }

}  // namespace ks
