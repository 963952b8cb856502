#include "keying/windows/frmWinKey.h"

#include <optional>
#include <string>

#include "keying/keying_devices.h"
#include "keying/keying_state.h"
#include "keying/windows/CWFrm.h"
#include "platform/forms/application.h"
#include "platform/forms/form_resize.h"
#include "platform/io/files.h"
#include "platform/io/serial_port.h"
#include "platform/io/winkeyer.h"
#include "platform/vb/constants.h"
#include "platform/vb/line_format.h"
#include "platform/vb/number_text.h"
#include "platform/vb/parse.h"
#include "startup/file_reports.h"
#include "startup/user_folders.h"

namespace ks {
namespace {

struct OptionValue {
  forms::OptionButton frmWinKey::*option;
  std::uint8_t value;
};
constexpr OptionValue kModes[] = {{&frmWinKey::optIambicA, 16},
                                  {&frmWinKey::optIambicB, 0},
                                  {&frmWinKey::optUltimatic, 32},
                                  {&frmWinKey::optBug, 48}};
constexpr OptionValue kPinConfigs[] = {{&frmWinKey::optPTT, 5},
                                       {&frmWinKey::optTone, 6},
                                       {&frmWinKey::optKey5Off3Out, 4},
                                       {&frmWinKey::optKey5Out3Off, 8}};

void Place(forms::Label& label, const char* caption, float left, float top, float width) {
  label.SetCaption(caption);
  label.Move(left, top, width, 285);
}

}  // namespace

frmWinKey::frmWinKey(forms::Application& app) : forms::Form(app, "frmWinKey") {
  Design();
  Wire();
  // The window holds the open keyer; only the program's end closes it with the window.
  CloseBoxHides = true;
}

frmWinKey::~frmWinKey() = default;

// Status and the open and close buttons at the top, the six boxes down the left with their
// notes, the two option frames on the right, and Test, Stop and Done at the bottom.
void frmWinKey::Design() {
  SetCaption(" WinKey Setup");
  Move(0, 0, 9600, 6600);
  lblOpenStatusCaption.SetCaption("WinKey Status:");
  lblOpenStatusCaption.Move(240, 240, 1455, 285);
  lblOpenStatus.SetCaption("Closed");
  lblOpenStatus.Move(1800, 240, 2400, 285);
  lblVersionCaption.SetCaption("WinKey Version:");
  lblVersionCaption.Move(240, 600, 1455, 285);
  lblVersion.SetCaption("Version #");
  lblVersion.Move(1800, 600, 2400, 285);
  cmdOpenWinkey.SetCaption("Open");
  cmdOpenWinkey.Move(4560, 240, 1215, 375);
  cmdCloseWinkey.SetCaption("Close");
  cmdCloseWinkey.Move(5880, 240, 1215, 375);
  struct Row {
    forms::TextBox* box;
    const char* caption;
    const char* design;
    const char* note;
  };
  const Row rows[] = {
      {&txtWKComPort, "Com Port:", "5", ""},
      {&txtWKWPM, "WPM:", "18", "Up / down arrows from main form change speeds."},
      {&txtWeight, "Weight:", "50", "Proportional amount added or subtracted (50 is standard)."},
      {&txtLeadIn, "Lead In:", "0", "Lead in time for transmitter (10 ms increments)."},
      {&txtTail, "Tail:", "0", "Tail time after keying has stopped (10 ms increments)."},
      {&txtRatio, "Ratio:", "50", "Ratio of dits to dahs (Range: 33 - 66)."},
  };
  float top = 1080;
  int n = 0;
  for (const Row& row : rows) {
    captions_.push_back(std::make_unique<forms::Label>(*this, "lblCaption" + std::to_string(++n)));
    Place(*captions_.back(), row.caption, 240, top + 30, 1095);
    row.box->Move(1440, top, 735, 315);
    row.box->SetText(row.design);
    if (*row.note != '\0') {
      captions_.push_back(std::make_unique<forms::Label>(*this, "lblNote" + std::to_string(n)));
      Place(*captions_.back(), row.note, 2280, top + 30, 4440);
      captions_.back()->WordWrap = true;
      captions_.back()->Move(2280, top + 30, 4440, 480);
    }
    top += 600;
  }
  fraMode.SetCaption("Keyer Mode");
  fraMode.Move(6960, 1080, 2400, 1755);
  const char* mode_captions[] = {"Iambic A", "Iambic B", "Ultimatic", "Bug Keyer"};
  for (int i = 0; i < 4; ++i) {
    forms::OptionButton& o = this->*kModes[i].option;
    o.SetCaption(mode_captions[i]);
    o.Move(120, 300 + 360.0f * static_cast<float>(i), 2160, 315);
  }
  fraPin5.SetCaption("Pin 5 Configuration");
  fraPin5.Move(6960, 3000, 2400, 1755);
  const char* pin_captions[] = {"PTT", "Tone", "P5 Off, P3 Key Out", "P5 Key Out, P3 Off"};
  for (int i = 0; i < 4; ++i) {
    forms::OptionButton& o = this->*kPinConfigs[i].option;
    o.SetCaption(pin_captions[i]);
    o.Move(120, 300 + 360.0f * static_cast<float>(i), 2160, 315);
  }
  optIambicB.SetValue(true);
  optTone.SetValue(true);
  Command3.SetCaption("Test");
  Command3.Move(2040, 5040, 1215, 435);
  cmdStop.SetCaption("Stop");
  cmdStop.Move(3480, 5040, 1215, 435);
  cmdDone.SetCaption("&Done");
  cmdDone.Move(4920, 5040, 1215, 435);
}

void frmWinKey::Wire() {
  cmdOpenWinkey.Click = [this] { cmdOpenWinkey_Click(); };
  cmdCloseWinkey.Click = [this] { cmdCloseWinkey_Click(); };
  Command3.Click = [this] { Command3_Click(); };
  cmdStop.Click = [this] { cmdStop_Click(); };
  cmdDone.Click = [this] { cmdDone_Click(); };
  // Every box takes digits and Backspace only.
  for (forms::TextBox* box : {&txtWKComPort, &txtWKWPM, &txtWeight, &txtLeadIn, &txtTail, &txtRatio}) {
    box->KeyPress = [](int& k) {
      if (k != vb::vbKeyBack && (k < '0' || k > '9')) k = 0;
    };
  }
  txtWKComPort.LostFocus = [this] { txtWKComPort_LostFocus(); };
  txtWKWPM.LostFocus = [this] { txtWKWPM_LostFocus(); };
  txtWeight.LostFocus = [this] { txtWeight_LostFocus(); };
  txtLeadIn.LostFocus = [this] { txtLeadIn_LostFocus(); };
  txtTail.LostFocus = [this] { txtTail_LostFocus(); };
  txtRatio.LostFocus = [this] { txtRatio_LostFocus(); };
  for (const OptionValue& o : kModes) (this->*o.option).Click = [this, o] { Option_Click(this->*o.option); };
  for (const OptionValue& o : kPinConfigs) (this->*o.option).Click = [this, o] { Option_Click(this->*o.option); };
}

void frmWinKey::Form_Load() {
  const forms::Screen& screen = App().GetScreen();
  forms::ResizeFormTo(*this, screen.width, screen.height, 9600, 7200, 0, 1.0f, "Arial");
  KeyingState& keying = App().State<KeyingState>();
  keying.WinKeyPinConfig = 6;
  keying.WinKeyMode = 0;
  ReadSettingsFile();
}

// WK.txt: the port, the five box texts, then the pin configuration and the mode when the
// file holds them. Reading stops at the first value that is missing or does not fit, and
// then the speed, port and options are left as the window has them.
void frmWinKey::ReadSettingsFile() {
  KeyingState& keying = App().State<KeyingState>();
  std::string bytes;
  const fs::path path = App().State<Folders>().DataFolder / kWinKeyFileName;
  bool whole = true;
  if (io::IsFile(path) && io::ReadFile(path, bytes, io::kSettingsFileMaxBytes)) {
    vb::LineReader in(std::move(bytes));
    const std::optional<double> port = in.ReadNumber();
    whole = port && *port >= 0 && *port <= 255;
    if (whole) keying.WinKeyPort = static_cast<std::uint8_t>(*port);
    for (forms::TextBox* box : {&txtWKWPM, &txtWeight, &txtLeadIn, &txtTail, &txtRatio}) {
      if (!whole) break;
      const std::optional<std::string> text = in.ReadText();
      whole = text.has_value();
      if (whole) box->SetText(*text);
    }
    for (std::uint8_t* value : {&keying.WinKeyPinConfig, &keying.WinKeyMode}) {
      if (!whole || in.AtEnd()) break;
      const std::optional<double> number = in.ReadNumber();
      whole = number && *number >= 0 && *number <= 255;
      if (whole) *value = static_cast<std::uint8_t>(*number);
    }
  }
  if (!whole) return;
  // The CW window is loaded from the station setup on; its speed is the one in use.
  if (const CWFrm* cw = App().IfLoaded<CWFrm>()) txtWKWPM.SetText(cw->Text11.Text());
  txtWKComPort.SetText(std::to_string(keying.WinKeyPort));
  for (const OptionValue& o : kPinConfigs)
    if (o.value == keying.WinKeyPinConfig) (this->*o.option).SetValue(true);
  for (const OptionValue& o : kModes)
    if (o.value == keying.WinKeyMode) (this->*o.option).SetValue(true);
}

bool frmWinKey::WriteSettingsFile() {
  const KeyingState& keying = App().State<KeyingState>();
  std::string out = vb::LineWriter().Int(keying.WinKeyPort).Line();
  for (const forms::TextBox* box : {&txtWKWPM, &txtWeight, &txtLeadIn, &txtTail, &txtRatio})
    out += vb::LineWriter().Text(box->Text()).Line();
  out += vb::LineWriter().Int(keying.WinKeyPinConfig).Line();
  out += vb::LineWriter().Int(keying.WinKeyMode).Line();
  return ks::WriteSettingsFile(App(), App().State<Folders>().DataFolder / kWinKeyFileName, out);
}

void frmWinKey::cmdDone_Click() {
  WriteSettingsFile();
  Hide();
}

void frmWinKey::Form_Unload(int&) {
  if (keyer_) keyer_->Close();
}

}  // namespace ks
