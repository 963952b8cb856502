#include "rig/windows/frmFrequencyTest.h"

#include "platform/forms/application.h"
#include "platform/forms/form_resize.h"
#include "platform/vb/parse.h"
#include "platform/vb/text.h"
#include "rig/protocol/hex.h"
#include "rig/windows/RigControlfrm.h"

namespace ks {

frmFrequencyTest::frmFrequencyTest(forms::Application& app) : forms::Form(app, "frmFrequencyTest") {
  Design();
  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { Command2_Click(); };
}

void frmFrequencyTest::Design() {
  SetCaption("Test Change Frequency Function");
  SetClientSize(5535, 3975);
  Label1.SetCaption(
      "Please use the text box below to enter a complete command to send to your radio.  The default example is "
      "the command used for Kenwood radios.");
  Label1.Move(120, 90, 5295, 615);
  Label2.SetCaption(
      "If your radio requires a hexidecimal format, please enter in the format of XX XX XX (using spaces between "
      "each two digits) and click the Convert to Hex check box below.");
  Label2.Move(120, 720, 5295, 615);
  Text1.SetText("FA00028475000;");
  Text1.Move(120, 1410, 2895, 315);
  Check1.SetCaption("Convert to Hex");
  Check1.Move(3105, 1440, 1455, 255);
  Command1.SetCaption("Send");
  Command1.Move(4650, 1380, 765, 375);
  Label3.SetCaption(
      "Once you have a working command, please e-mail me the exact command and the frequency (in Mhz) specified in "
      "the command.");
  Label3.Move(120, 1830, 5295, 435);
  Label4.SetCaption(
      "Most Elecrafts, Icoms, Kenwoods and Yaesus are now supported. For any supported radio, you should be able to "
      "enter a frequency in Mhz, click send and your radio should switch to the specified frequency.");
  Label4.Move(120, 2430, 5295, 615);
  for (auto* label : {&Label1, &Label2, &Label3, &Label4}) label->WordWrap = true;
  Text2.Move(1920, 3210, 1335, 315);
  Command2.SetCaption("Send");
  Command2.Move(3390, 3180, 765, 375);
  lblNotice.Move(120, 3630, 5295, 255);
  lblNotice.SetForeColor(forms::colors::kRed);
}

void frmFrequencyTest::Form_Load() {
  forms::FitRule rule;
  rule.form_font = forms::FitRule::FontRatio::NewWidth;
  rule.control_font = forms::FitRule::FontRatio::WidthCapped;
  forms::FitFormToScreen(*this, rule);
  Text2.SetText("28.475");
}

void frmFrequencyTest::Command1_Click() {
  const std::string command = vb::Trim(Text1.Text());
  const std::string bytes = Check1.Value() == 1 ? rig::SpacedHexToBytes(command) : command;
  if (!bytes.empty()) App().Get<RigControlfrm>().WriteToRig(bytes);
}

void frmFrequencyTest::Command2_Click() {
  auto mhz = vb::CSng(Text2.Text());
  if (!mhz) return;
  float frequency = *mhz;
  lblNotice.SetCaption("");
  lblNotice.SetToolTipText("");
  App().Get<RigControlfrm>().ChangeFrequency(frequency, RigControlfrm::TellIn(lblNotice));
}

}  // namespace ks
