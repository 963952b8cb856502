#pragma once
// The spotting window: the operator chooses the one source of DX spots (a TNC on a serial
// port, a Telnet cluster or the packet engine), opens and closes it, watches what it sends,
// types text to it, and chooses how the main window shows the spots. Done hides it; it stays
// loaded, its source open and its timer polling, until the main window unloads it.
//
// Where its members are defined:
//   PacketSpotfrm.cpp            the design, the load, activation and unload
//   PacketSpotfrm_settings.cpp   PackSpot.txt, the source list, control sets and help text
//   PacketSpotfrm_buttons.cpp    Open Port, Close Port, Spot Last and Done
//   PacketSpotfrm_tnc.cpp        the TNC's serial options, its opening, Esc and Ctrl+C
//   PacketSpotfrm_intake.cpp     the timer, lines from the TNC, PostSpot, the send box
//   PacketSpotfrm_telnet.cpp     the Telnet cluster
//   PacketSpotfrm_agw.cpp        the packet engine
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/forms/control_array.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/io/serial_port.h"
#include "platform/io/tcp_client.h"
#include "spots/agw_engine.h"
#include "spots/line_intake.h"
#include "spots/telnet_commands.h"

namespace ks {

class PacketSpotfrm : public forms::Form {
 public:
  explicit PacketSpotfrm(forms::Application& app);
  ~PacketSpotfrm() override;

  void Form_Load() override;
  void Form_Activate() override;
  void Form_Unload(int& cancel) override;
  void Form_KeyDown(int& KeyCode, int Shift) override;

  // ---- Buttons ----
  void Command1_Click();  // Open Port
  void Command2_Click();  // Close Port
  void Command3_Click();  // Spot Last
  void cmdDone_Click();

  // ---- Settings and the source list ----
  void List1_Click();
  void LoadSpotSettings();
  void SaveSpotSettings();
  void DisableSourceControls();
  void EnableTNCControls();
  void EnableTelnetControls();
  void EnableAGWControls();
  void ShowSpotHelp();

  // ---- TNC ----
  void ApplyTNCOptions();
  void OpenTNCPort();
  // The click of every serial option (port, baud, parity, data, stop, handshaking, power).
  void SerialOption_Click();

  // ---- Intake ----
  void Timer1_Timer();
  void PollTNC();
  void ProcessTNCBuffer();
  void PostSpot(const std::string& frequency, const std::string& call, const std::string& line);
  void TrimReceivedText();
  void txtSent_KeyPress(int& KeyAscii);

  // ---- Telnet cluster ----
  void OpenTelnet();
  void SendTelnetLine();
  // Ends the connection, whatever its state.
  void CloseTelnet();
  // Text from the cluster: shown as it arrives, and every complete line that begins with
  // "DX" parsed, however the text was cut into blocks.
  void Winsock1_DataArrival(const std::string& block);
  void Winsock1_Error(int Number);
  // Polls the cluster connection (its connection, data and errors) while one is open.
  void tmrSocket_Timer();

  // ---- Packet engine ----
  void OpenAGW();
  void PollAGW();
  void SendAGWLine();
  void txtSent_Change();
  // Close Port's part: goodbye to the connected station, then the engine connection ends.
  void CloseAGW();

  // A source is chosen: anything but "None" (an empty source, before any was chosen, too).
  bool SourceChosen() const;
  bool SourceIs(const char* source) const;
  // The received-text box gets more text at its end.
  void AppendReceived(const std::string& text);

  // ---- Form variables ----
  std::string SpotSource;
  int LoadingSpotSettings = 0;
  std::string TNCBaud, TNCParity, TNCDataBits, TNCStopBits, TNCPowerLine, TNCSettings;
  int TNCPort = 0;
  int TNCHandshaking = 0;
  float LabelUpdateTimeCounter = 0;
  // The text after the last complete line from the TNC (bounded).
  LineAssembler TNCBuffer;
  std::string AGWConnectedCall;

  // ---- Controls, in the window's collection order ----
  forms::Label Label1{*this, "Label1"};
  forms::ListBox List1{*this, "List1"};
  forms::Frame Frame2{*this, "Frame2"};
  forms::OptionButton OptBand{*this, "OptBand", &Frame2};
  forms::OptionButton OptList{*this, "OptList", &Frame2};
  forms::CheckBox chkDX{*this, "chkDX"};
  forms::CheckBox chkConvToHex{*this, "chkConvToHex"};
  forms::Label Label7{*this, "Label7"};
  forms::TextBox txtTelnetHost{*this, "txtTelnetHost"};
  forms::Label Label3{*this, "Label3"};
  forms::TextBox txtTelnetPort{*this, "txtTelnetPort"};
  forms::Label Label2{*this, "Label2"};
  forms::TextBox txtHex{*this, "txtHex"};
  forms::CommandButton Command1{*this, "Command1"};
  forms::CommandButton Command2{*this, "Command2"};
  forms::CommandButton Command3{*this, "Command3"};
  forms::Label Label4{*this, "Label4"};
  forms::CommandButton cmdDone{*this, "cmdDone"};
  forms::TextBox txtUnProcessed{*this, "txtUnProcessed"};
  forms::Label Label6{*this, "Label6"};
  forms::TextBox txtSent{*this, "txtSent"};
  forms::Frame fraBaud{*this, "fraBaud"};
  forms::OptionButton optBaud12{*this, "optBaud12", &fraBaud};
  forms::OptionButton optBaud24{*this, "optBaud24", &fraBaud};
  forms::OptionButton optBaud48{*this, "optBaud48", &fraBaud};
  forms::OptionButton optBaud96{*this, "optBaud96", &fraBaud};
  forms::OptionButton optBaud144{*this, "optBaud144", &fraBaud};
  forms::OptionButton optBaud192{*this, "optBaud192", &fraBaud};
  forms::Frame fraPort{*this, "fraPort"};
  forms::ControlArray<forms::OptionButton> optComm{*this, "optComm", &fraPort};
  forms::Frame fraParity{*this, "fraParity"};
  forms::OptionButton optParityOdd{*this, "optParityOdd", &fraParity};
  forms::OptionButton optParityNone{*this, "optParityNone", &fraParity};
  forms::OptionButton optParityEven{*this, "optParityEven", &fraParity};
  forms::Frame fraData{*this, "fraData"};
  forms::OptionButton optData7{*this, "optData7", &fraData};
  forms::OptionButton optData8{*this, "optData8", &fraData};
  forms::Frame fraStop{*this, "fraStop"};
  forms::OptionButton optStop1{*this, "optStop1", &fraStop};
  forms::OptionButton optStop2{*this, "optStop2", &fraStop};
  forms::Frame fraPower{*this, "fraPower"};
  forms::OptionButton optPowerNone{*this, "optPowerNone", &fraPower};
  forms::OptionButton optPowerRTS{*this, "optPowerRTS", &fraPower};
  forms::OptionButton optPowerDTR{*this, "optPowerDTR", &fraPower};
  forms::Frame Frame1{*this, "Frame1"};
  forms::OptionButton Option1{*this, "Option1", &Frame1};
  forms::OptionButton Option2{*this, "Option2", &Frame1};
  forms::OptionButton Option3{*this, "Option3", &Frame1};
  forms::OptionButton Option4{*this, "Option4", &Frame1};
  forms::Timer Timer1{*this, "Timer1", 333, false};
  forms::Timer tmrSocket{*this, "tmrSocket", 50, false};

  // The TNC's serial port.
  std::unique_ptr<io::SerialPort> comComm1;
  // The cluster connection, the state of a Telnet command cut by a read's end, and the text
  // after its last complete line.
  std::unique_ptr<io::TcpClient> Winsock1;
  TelnetCommandFilter TelnetCommands;
  LineAssembler TelnetLines;
  // The packet engine, made when it is opened.
  std::unique_ptr<AgwEngine> AGW;
  bool SendingLongLine = false;  // the send box's own change while a long line goes out

  // Each serial option group: the buttons with the values they stand for.
  using OptionValues = std::vector<std::pair<forms::OptionButton*, const char*>>;
  OptionValues BaudOptions() { return {{&optBaud12, "1200"}, {&optBaud24, "2400"}, {&optBaud48, "4800"},
                                       {&optBaud96, "9600"}, {&optBaud144, "14400"}, {&optBaud192, "19200"}}; }
  OptionValues ParityOptions() { return {{&optParityOdd, "O"}, {&optParityNone, "N"}, {&optParityEven, "E"}}; }
  OptionValues DataOptions() { return {{&optData7, "7"}, {&optData8, "8"}}; }
  OptionValues StopOptions() { return {{&optStop1, "1"}, {&optStop2, "2"}}; }
  OptionValues PowerOptions() { return {{&optPowerNone, "N"}, {&optPowerRTS, "R"}, {&optPowerDTR, "D"}}; }
  std::vector<forms::OptionButton*> HandshakeOptions() { return {&Option1, &Option2, &Option3, &Option4}; }

 private:
  void Design();
  void DesignSerialOptions();
  void Wire();
  // The controls each source's set enables (and DisableSourceControls disables).
  std::vector<forms::Control*> CommonSourceControls();
  std::vector<forms::Control*> TelnetOnlyControls();
  std::vector<forms::Control*> TNCOnlyControls();
  // A failed TNC opening: the message, the window shown, the port closed.
  void TNCOpenFailed();
  // The TNC's port failed while it was read: told in the received text, the port closed.
  void TNCLost(const std::string& why);
  // At unload: the connected station is told goodbye and the engine connection ends.
  void CloseAGWOnUnload();
  // What one frame from the engine does to the received text and the connection.
  void TakeAGWFrame(const AgwReceived& frame);
  void AGWFailed(const std::string& why);
};

}  // namespace ks
