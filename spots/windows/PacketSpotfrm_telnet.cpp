// The Telnet cluster: the connection, received text, errors and typed lines.
#include "platform/forms/application.h"
#include "platform/vb/parse.h"
#include "platform/vb/rounding.h"
#include "platform/vb/text.h"
#include "spots/socket_errors.h"
#include "spots/spot_line.h"
#include "spots/windows/PacketSpotfrm.h"

namespace ks {

void PacketSpotfrm::OpenTelnet() {
  CloseTelnet();
  const std::string host = txtTelnetHost.Text();
  const std::string port_text = vb::Trim(txtTelnetPort.Text());
  const auto port = vb::IsNumeric(port_text) ? vb::CLng(vb::Val(port_text)) : std::nullopt;
  // A host or port that no connection can have: nothing is open, so "Listening" goes again,
  // and the received text says why.
  const char* refused = nullptr;
  if (vb::Trim(host).empty()) refused = "** No Telnet host is given **";
  else if (!port || *port < 1 || *port > 65535) refused = "** The Telnet port must be a number from 1 to 65535 **";
  if (refused != nullptr || !Winsock1->Connect(host, *port)) {
    if (refused != nullptr) AppendReceived(std::string("\r\n") + refused);
    Command2_Click();
    return;
  }
  txtUnProcessed.SetText("Attempting connection to: " + Winsock1->RemoteHost() + ":" +
                         std::to_string(Winsock1->RemotePort()) + "\r\n\r\n");
  Timer1.SetEnabled(true);
  tmrSocket.SetEnabled(true);
}

void PacketSpotfrm::CloseTelnet() {
  Winsock1->Close();
  TelnetLines.Clear();
  TelnetCommands.Reset();
  tmrSocket.SetEnabled(false);
}

void PacketSpotfrm::tmrSocket_Timer() {
  Winsock1->Poll();
  if (Winsock1->GetState() == io::TcpClient::State::kClosed || Winsock1->GetState() == io::TcpClient::State::kError)
    tmrSocket.SetEnabled(false);
}

void PacketSpotfrm::Winsock1_DataArrival(const std::string& block) {
  // The server's commands and the control bytes around the lines (NULs, bells) are no text:
  // before a "DX de " they would hide the spot, and the box would show them as boxes.
  const std::string text = WithoutControlCharacters(TelnetCommands.Data(block));
  if (text.empty()) return;
  // A spot after a prompt starts a line of its own, in the box as in the parsing.
  const std::string taken = TelnetLines.AppendBlock(text);
  if (chkDX.Value() == 0) {
    AppendReceived(taken);
    TrimReceivedText();
  }
  while (auto line = TelnetLines.NextLine()) {
    if (!IsSpotLine(*line)) continue;
    const std::string spot(WithoutLineEnd(*line));
    const SpotLineFields fields = CutSpotFields(spot);
    PostSpot(fields.frequency, fields.call, spot);
    if (chkDX.Value() == 1) {
      AppendReceived(*line);
      TrimReceivedText();
    }
  }
}

void PacketSpotfrm::SendTelnetLine() {
  if (Winsock1->GetState() == io::TcpClient::State::kConnected) {
    Winsock1->Send(txtSent.Text() + "\r\n");
    return;
  }
  AppendReceived("**  Connection not yet established.  Please wait a moment and try again.\r\n\r\n");
  TrimReceivedText();
}

void PacketSpotfrm::Winsock1_Error(int Number) {
  const std::string message = SocketErrorMessage(Number);
  CloseTelnet();
  AppendReceived(message);
  Command2_Click();
  TrimReceivedText();
  App().Beep();
}

}  // namespace ks
