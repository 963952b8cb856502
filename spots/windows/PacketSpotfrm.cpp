#include "spots/windows/PacketSpotfrm.h"

#include "platform/forms/application.h"
#include "platform/forms/form_resize.h"
#include "platform/vb/text.h"

namespace ks {

namespace {

void Place(forms::Control& c, float left, float top, float width, float height) { c.Move(left, top, width, height); }

// A row of option buttons inside their frame.
void OptionRow(const std::vector<std::pair<forms::OptionButton*, const char*>>& row, float left, float top,
               float pitch, float width) {
  for (std::size_t i = 0; i < row.size(); ++i) {
    row[i].first->SetCaption(row[i].second);
    row[i].first->Move(left + pitch * static_cast<float>(i), top, width, 255);
  }
}

}  // namespace

PacketSpotfrm::PacketSpotfrm(forms::Application& app)
    : forms::Form(app, "PacketSpotfrm"), comComm1(io::MakePosixSerialPort(app.Settings())),
      Winsock1(std::make_unique<io::TcpClient>()) {
  Design();
  Wire();
  // Hidden, the window keeps its source open and its spot intake running.
  CloseBoxHides = true;
}

PacketSpotfrm::~PacketSpotfrm() {
  if (comComm1 && comComm1->IsOpen()) comComm1->Close();
}

void PacketSpotfrm::Design() {
  SetCaption(" DX Spotting Setup");
  SetClientSize(9480, 6780);
  KeyPreview = true;
  Label1.SetCaption("Select Option:");
  Place(Label1, 120, 120, 2000, 255);
  Place(List1, 120, 400, 2400, 1050);
  Frame2.SetCaption("Main Form Display");
  Place(Frame2, 2640, 120, 1560, 1330);
  OptBand.SetCaption("Band Map");
  Place(OptBand, 120, 360, 1300, 255);
  OptBand.SetValue(true);
  OptList.SetCaption("List");
  Place(OptList, 120, 720, 1300, 255);
  chkDX.SetCaption("List DX Only (also controls main form)");
  Place(chkDX, 120, 1560, 4080, 255);
  chkConvToHex.SetCaption("Convert to Hex");
  Place(chkConvToHex, 120, 1860, 2000, 255);
  Label7.SetCaption("Telnet Host:");
  Place(Label7, 120, 2220, 1150, 255);
  Place(txtTelnetHost, 1300, 2160, 2900, 315);
  Label3.SetCaption("Telnet Port:");
  Place(Label3, 120, 2580, 1150, 255);
  Place(txtTelnetPort, 1300, 2520, 900, 315);
  txtTelnetPort.MaxLength = 5;
  Label2.SetCaption("TNC cmd mode hex character:");
  Place(Label2, 120, 2940, 2700, 255);
  Place(txtHex, 2850, 2880, 500, 315);
  txtHex.MaxLength = 2;
  Command1.SetCaption("Open Port");
  Place(Command1, 120, 3330, 1250, 375);
  Command2.SetCaption("Close Port");
  Place(Command2, 1430, 3330, 1250, 375);
  Command3.SetCaption("&Spot Last");
  Place(Command3, 2740, 3330, 1460, 375);
  Label4.SetCaption("Listening");
  Label4.SetForeColor(forms::Rgb(0xC0, 0, 0));
  Label4.SetFontBold(true);
  Place(Label4, 120, 3840, 1250, 255);
  Label4.SetVisible(false);
  cmdDone.SetCaption("&Done");
  Place(cmdDone, 2740, 3810, 1460, 375);
  Place(txtUnProcessed, 4380, 120, 4980, 3480);
  txtUnProcessed.MultiLine = true;
  txtUnProcessed.SetFontName("Courier New");
  Label6.SetCaption("Send text  (Ctrl  C or Esc for TNC Command mode):");
  Place(Label6, 4380, 3660, 4980, 255);
  Place(txtSent, 4380, 3930, 4980, 315);
  DesignSerialOptions();
}

void PacketSpotfrm::DesignSerialOptions() {
  fraBaud.SetCaption("Baud Rate of Com Port to TNC (not necessarily transmitted baud rate)");
  Place(fraBaud, 120, 4440, 6000, 690);
  OptionRow({{&optBaud12, "1.2k"}, {&optBaud24, "2.4k"}, {&optBaud48, "4.8k"}, {&optBaud96, "9.6k"},
             {&optBaud144, "14.4k"}, {&optBaud192, "19.2k"}},
            120, 330, 970, 900);
  optBaud192.SetValue(true);
  fraPort.SetCaption("Comm Port");
  Place(fraPort, 120, 5220, 6000, 690);
  for (int i = 0; i <= 9; ++i) {
    forms::OptionButton& port = optComm.Design(i);
    port.SetCaption(std::to_string(i + 1));
    port.Move(120 + 585 * static_cast<float>(i), 330, 560, 255);
  }
  optComm(0).SetValue(true);
  fraParity.SetCaption("Parity");
  Place(fraParity, 120, 6000, 2520, 690);
  OptionRow({{&optParityOdd, "Odd"}, {&optParityNone, "None"}, {&optParityEven, "Even"}}, 120, 330, 790, 760);
  optParityNone.SetValue(true);
  fraData.SetCaption("Data Bits");
  Place(fraData, 2760, 6000, 1620, 690);
  OptionRow({{&optData7, "7"}, {&optData8, "8"}}, 120, 330, 700, 600);
  optData8.SetValue(true);
  fraStop.SetCaption("Stop Bits");
  Place(fraStop, 4500, 6000, 1620, 690);
  OptionRow({{&optStop1, "1"}, {&optStop2, "2"}}, 120, 330, 700, 600);
  optStop1.SetValue(true);
  fraPower.SetCaption("Connection Power");
  Place(fraPower, 6240, 4440, 3120, 690);
  OptionRow({{&optPowerNone, "None"}, {&optPowerRTS, "RTS"}, {&optPowerDTR, "DTR"}}, 120, 330, 980, 900);
  optPowerNone.SetValue(true);
  Frame1.SetCaption("Handshaking");
  Place(Frame1, 6240, 5220, 3120, 1470);
  OptionRow({{&Option1, "None"}, {&Option2, "Xon Xoff"}}, 120, 360, 1480, 1400);
  OptionRow({{&Option3, "RTS"}, {&Option4, "RTS OnOff"}}, 120, 840, 1480, 1400);
  Option1.SetValue(true);
}

void PacketSpotfrm::Wire() {
  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { Command2_Click(); };
  Command3.Click = [this] { Command3_Click(); };
  cmdDone.Click = [this] { cmdDone_Click(); };
  List1.Click = [this] { List1_Click(); };
  Timer1.Tick = [this] { Timer1_Timer(); };
  tmrSocket.Tick = [this] { tmrSocket_Timer(); };
  Winsock1->DataArrival = [this](const std::string& data) { Winsock1_DataArrival(data); };
  Winsock1->Error = [this](int number, const std::string&) { Winsock1_Error(number); };
  txtSent.KeyPress = [this](int& key_ascii) { txtSent_KeyPress(key_ascii); };
  txtSent.Change = [this] { txtSent_Change(); };
  std::vector<forms::OptionButton*> serial;
  for (const OptionValues& group : {BaudOptions(), ParityOptions(), DataOptions(), StopOptions(), PowerOptions()}) {
    for (const auto& [button, value] : group) serial.push_back(button);
  }
  for (auto* button : HandshakeOptions()) serial.push_back(button);
  for (auto& [index, button] : optComm) serial.push_back(button.get());
  for (auto* button : serial) button->Click = [this] { SerialOption_Click(); };
}

void PacketSpotfrm::Form_Load() {
  forms::FitRule rule;
  rule.form_font = forms::FitRule::FontRatio::NewWidth;
  rule.control_font = forms::FitRule::FontRatio::WidthCapped;
  forms::FitFormToScreen(*this, rule);
  SetTop(2);
  List1.Clear();
  for (const char* source : {"None", "TNC", "Telnet", "AGW Packet Engine"}) List1.AddItem(source);
  DisableSourceControls();
  LoadingSpotSettings = 1;
  LoadSpotSettings();
  LoadingSpotSettings = 0;
  TNCBuffer.Clear();
}

void PacketSpotfrm::Form_Activate() {
  if (!SourceChosen()) return;
  TrimReceivedText();
  if (txtSent.EffectivelyEnabled()) txtSent.SetFocus();
}

void PacketSpotfrm::Form_Unload(int& cancel) {
  (void)cancel;
  CloseAGWOnUnload();
  if (comComm1->IsOpen()) comComm1->Close();
}

bool PacketSpotfrm::SourceChosen() const { return !SpotSource.empty() && !SourceIs("None"); }

bool PacketSpotfrm::SourceIs(const char* source) const { return vb::EqualsNoCase(SpotSource, source); }

void PacketSpotfrm::AppendReceived(const std::string& text) { txtUnProcessed.SetText(txtUnProcessed.Text() + text); }

}  // namespace ks
