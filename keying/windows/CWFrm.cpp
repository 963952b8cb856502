#include "keying/windows/CWFrm.h"

#include "keying/keyer_files.h"
#include "keying/static_labels.h"

namespace ks {

CWFrm::CWFrm(forms::Application& app) : forms::Form(app, "CWFrm") {
  SetCaption("CW String Selections");
  // The engine keys from the window's boxes for the whole run.
  CloseBoxHides = true;
  LayOut();
  DropQuotesTypedIntoBoxes(*this);
  WireHandlers();
}

CWFrm::~CWFrm() { ReleaseLines(); }

void CWFrm::Form_Unload(int& /*Cancel*/) { ReleaseLines(); }

void CWFrm::LayOut() {
  constexpr float kLeft = 600, kRow = 345, kBoxHeight = 300, kBoxWidth = 4900;
  forms::TextBox* const messages[] = {&Text1, &Text2, &Text3, &Text4, &Text5, &Text6,
                                      &Text7, &Text8, &Text9, &Text12, &Text13};
  float top = 120;
  for (int i = 0; i < 11; ++i) {
    captions_.Add("F" + std::to_string(i + 1), 120, top + 30, 420, 255);
    messages[i]->Move(kLeft, top, kBoxWidth, kBoxHeight);
    top += kRow;
  }
  captions_.Add("F12", 120, top + 30, 420, 255);
  captions_.Add("Keyboard", kLeft, top + 30, 1200, 255);
  // The keying choice and its ports, on the right.
  const float right = 5700;
  Frame1.Move(right, 60, 2100, 1980);
  Frame1.SetCaption("Keying Options");
  forms::OptionButton* const choices[] = {&Option1, &Option2, &Option3, &Option4, &Option5};
  const char* const captions[] = {"RTS", "DTR", "Printer", "None", "WinKey"};
  for (int i = 0; i < 5; ++i) {
    choices[i]->Move(120, 270 + static_cast<float>(i) * 330, 1800, 270);
    choices[i]->SetCaption(captions[i]);
  }
  Option4.SetValue(true);
  captions_.Add("Serial", right, 2130, 900, 255);
  Text10.Move(right + 960, 2100, 600, kBoxHeight);
  Text10.SetText("0");
  captions_.Add("Parallel", right, 2490, 900, 255);
  Text14.Move(right + 960, 2460, 900, kBoxHeight);
  Text14.SetText("&H378");
  cmdConfWinkey.Move(right, 2880, 2100, 360);
  cmdConfWinkey.SetCaption("Configure Winkey");
  cmdConfWinkey.SetVisible(false);
  // The timing method.
  Frame2.Move(right + 2220, 60, 1500, 2820);
  Frame2.SetCaption("Timing");
  forms::OptionButton* const methods[] = {&optTimer, &OptSleep, &optLoop};
  const char* const method_captions[] = {"Timer", "Sleep", "Loop"};
  for (int i = 0; i < 3; ++i) {
    methods[i]->Move(120, 270 + static_cast<float>(i) * 330, 1260, 270);
    methods[i]->SetCaption(method_captions[i]);
  }
  optTimer.SetToolTipText("Times by Windows System time.");
  OptSleep.SetToolTipText("Times by Windows System time.");
  optLoop.SetToolTipText("Times by a For Next loop.");
  optTimer.SetValue(true);
  lblLoop.Move(120, 1290, 1260, 255);
  lblLoop.SetCaption("Loop Delay");
  txtLoop.Move(120, 1560, 1260, kBoxHeight);
  txtLoop.SetText("0");
  cmdLoopFaster.Move(120, 1920, 600, 330);
  cmdLoopFaster.SetCaption("F");
  cmdLoopFaster.SetToolTipText("Speed up CW");
  cmdLoopSlower.Move(780, 1920, 600, 330);
  cmdLoopSlower.SetCaption("S");
  cmdLoopSlower.SetToolTipText("Slow Down CW");
  lblTimerNote.Move(60, 2220, 1380, 520);
  lblTimerNote.WordWrap = true;
  lblTimerNote.SetFontSize(6.75f);
  lblTimerNote.SetCaption("Timer is the preferred option on most systems. ");
  EnableLoopControls(false);
  LayOutLabels(top + kRow + 60);
}

void CWFrm::LayOutLabels(float top) {
  constexpr float kBoxHeight = 300;
  captions_.Add("WPM", 120, top + 30, 600, 255);
  Text11.Move(720, top, 600, kBoxHeight);
  Text11.SetText("13");
  Command2.Move(1380, top, 900, kBoxHeight + 30);
  Command2.SetCaption("Faster");
  Command3.Move(2340, top, 900, kBoxHeight + 30);
  Command3.SetCaption("Slower");
  captions_.Add("Word Space", 3360, top + 30, 1080, 255);
  txtSpace.Move(4440, top, 600, kBoxHeight);
  txtSpace.SetText("0");
  Command5.Move(5100, top, 780, kBoxHeight + 30);
  Command5.SetCaption("Less");
  Command6.Move(5940, top, 780, kBoxHeight + 30);
  Command6.SetCaption("More");
  captions_.Add("F1 Repeat (sec)", 6840, top + 30, 1500, 255);
  txtCWLoop.Move(8400, top, 600, kBoxHeight);
  txtCWLoop.SetText("0");
  top += 450;
  Check1.Move(120, top, 4800, 285);
  Check1.SetCaption("Display CW text on main form (NA for WinKey).");
  Check1.SetValue(1);
  captions_.Add("Prosigns", 5100, top, 1000, 255);
  captions_.Add("= BT   [ AR   \\ CL   ] SK   ; KN", 6120, top, 3300, 255);
  top += 360;
  captions_.Add("Wildcards are $ for Call, * for RST  # for Num and ^ for County (where applicable).", 120,
                 top, 9300, 255);
  top += 300;
  captions_.Add("Up / Down arrows on main form change speed.", 120, top, 4400, 255);
  captions_.Add("You must be in CW mode.", 4800, top, 3000, 255);
  top += 300;
  captions_.Add("Build the interface from a transistor switch on DTR, RTS or the printer port's strobe line. "
                 "Test on a clear frequency: the test really transmits.",
                 120, top, 9300, 480, true);
  top += 600;
  Command4.Move(120, top, 1200, 390);
  Command4.SetCaption("&Test");
  Label23.Move(1440, top + 60, 1200, 255);
  Label23.SetCaption("Sending!");
  Label23.SetVisible(false);
  Command7.Move(2760, top, 2400, 390);
  Command7.SetCaption("Send Code Practice");
  Command1.Move(8040, top, 1200, 390);
  Command1.SetCaption("Done");
  top += 480;
  lblNotice.Move(120, top, 9240, 510);
  lblNotice.WordWrap = true;
  lblNotice.SetForeColor(forms::colors::kRed);
  SetClientSize(9480, top + 510 + 120);
}

void CWFrm::WireHandlers() {
  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { UpDown1_UpClick(); };
  Command3.Click = [this] { UpDown1_DownClick(); };
  Command4.Click = [this] { Command4_Click(); };
  Command5.Click = [this] { Command5_Click(); };
  Command6.Click = [this] { Command6_Click(); };
  Command7.Click = [this] { Command7_Click(); };
  cmdConfWinkey.Click = [this] { cmdConfWinkey_Click(); };
  Option1.Click = [this] { Option1_Click(); };
  Option2.Click = [this] { Option2_Click(); };
  Option3.Click = [this] { Option3_Click(); };
  Option4.Click = [this] { Option4_Click(); };
  Option5.Click = [this] { Option5_Click(); };
  optTimer.Click = [this] { optTimer_Click(); };
  OptSleep.Click = [this] { OptSleep_Click(); };
  optLoop.Click = [this] { optLoop_Click(); };
  txtLoop.Change = [this] { txtLoop_Change(); };
  cmdLoopFaster.Click = [this] { cmdLoopFaster_Click(); };
  cmdLoopSlower.Click = [this] { cmdLoopSlower_Click(); };
  Text10.LostFocus = [this] { Text10_LostFocus(); };
  Text11.LostFocus = [this] { Text11_LostFocus(); };
  Text11.Change = [this] { Text11_Change(); };
  txtSpace.Change = [this] { txtSpace_Change(); };
  txtSpace.LostFocus = [this] { txtSpace_LostFocus(); };
  txtCWLoop.LostFocus = [this] { txtCWLoop_LostFocus(); };
  tmrRepeat.Tick = [this] { tmrRepeat_Timer(); };
  for (forms::TextBox* box : {&Text1, &Text2, &Text3, &Text4, &Text5, &Text6, &Text7, &Text8, &Text9, &Text12, &Text13}) {
    box->KeyPress = [drop_quote = box->KeyPress](int& key) {
      if (drop_quote) drop_quote(key);
      UpperCaseKey(key);
    };
  }
  for (forms::TextBox* box : {&Text10, &Text11}) {
    box->KeyPress = [](int& key) { KeepKeys(key, '0', ':'); };
    box->GotFocus = [box] { box->SetSelLength(static_cast<int>(box->Text().size())); };
  }
  txtSpace.KeyPress = [](int& key) { KeepKeys(key, '-', ':'); };
  txtCWLoop.KeyPress = [](int& key) {
    if (key != '.') KeepKeys(key, '0', '9');
  };
}

}  // namespace ks
