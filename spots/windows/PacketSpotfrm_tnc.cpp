// The TNC on a serial port: its options, its opening, and the command-mode character that
// Esc or Ctrl+C sends.
#include "platform/forms/application.h"
#include "platform/vb/parse.h"
#include "platform/vb/text.h"
#include "spots/windows/PacketSpotfrm.h"

namespace ks {

namespace {

// The value of the selected option of a group; `fallback` when none is selected.
std::string SelectedValue(const PacketSpotfrm::OptionValues& group, const std::string& fallback) {
  for (const auto& [button, value] : group) {
    if (button->Value()) return value;
  }
  return fallback;
}

io::Handshake HandshakeOf(int tnc_handshaking) {
  switch (tnc_handshaking) {
    case 2: return io::Handshake::kXonXoff;
    case 3: return io::Handshake::kRtsCts;
    case 4: return io::Handshake::kRtsCtsXonXoff;  // "RTS OnOff"
    default: return io::Handshake::kNone;
  }
}

constexpr int kEscape = 27;
constexpr int kKeyC = 67;

}  // namespace

void PacketSpotfrm::ApplyTNCOptions() {
  if (!SourceChosen()) return;
  Label4.SetVisible(true);
  for (auto& [index, button] : optComm) {
    if (button->Value()) TNCPort = index + 1;
  }
  TNCBaud = SelectedValue(BaudOptions(), TNCBaud);
  TNCParity = SelectedValue(ParityOptions(), TNCParity);
  TNCDataBits = SelectedValue(DataOptions(), TNCDataBits);
  TNCStopBits = SelectedValue(StopOptions(), TNCStopBits);
  TNCPowerLine = SelectedValue(PowerOptions(), TNCPowerLine);
  TNCSettings = vb::RTrim(TNCBaud) + "," + TNCParity + "," + TNCDataBits + "," + TNCStopBits;
  const auto handshakes = HandshakeOptions();
  for (std::size_t i = 0; i < handshakes.size(); ++i) {
    if (handshakes[i]->Value()) TNCHandshaking = static_cast<int>(i) + 1;
  }
  if (SourceIs("TNC")) OpenTNCPort();
}

void PacketSpotfrm::OpenTNCPort() {
  io::SerialPort& port = *comComm1;
  if (port.IsOpen()) port.Close();
  // A line cut off when the port last closed is not the start of the first line read now.
  TNCBuffer.Clear();
  const bool rts_flow = TNCHandshaking == 3 || TNCHandshaking == 4;
  // The handshaking is set while the port is closed; the power line only once it is open.
  const bool opened = port.SetPortNumber(TNCPort) && port.SetSettings(TNCSettings) && port.SetDtr(false) &&
                      port.SetRts(rts_flow) && port.SetHandshake(HandshakeOf(TNCHandshaking)) && port.Open();
  if (!opened) {
    TNCOpenFailed();
    return;
  }
  const bool powered = vb::EqualsNoCase(TNCPowerLine, "R")   ? static_cast<bool>(port.SetRts(true))
                       : vb::EqualsNoCase(TNCPowerLine, "D") ? static_cast<bool>(port.SetDtr(true))
                                                             : true;
  if (!powered) {
    TNCOpenFailed();
    return;
  }
  if (port.IsOpen()) Timer1.SetEnabled(true);
  AppendReceived("** TNC Serial Port Open **\r\n\r\n");
}

// The port failed under the spot timer (the TNC's adapter unplugged): the port is closed and
// the received text says so, with no window, as for the cluster's and the engine's connections.
void PacketSpotfrm::TNCLost(const std::string& why) {
  AppendReceived("\r\n** The TNC serial port stopped working: " + why + " **\r\n");
  Command2_Click();
  App().Beep();
}

void PacketSpotfrm::TNCOpenFailed() {
  App().Beep();
  AppendReceived("** Unable to open TNC Serial Port **\r\n\r\n");
  App().MsgBox(
      "The comm port that you selected for DX Spotting is either in use, invalid or the settings that you have "
      "selected are invalid.  Please select another combination or choose None for your DX Spot selection.",
      0, "Invalid Comm Settings.");
  if (!Visible()) ShowModal();
  Command2_Click();
  Timer1.SetEnabled(false);
}

void PacketSpotfrm::SerialOption_Click() {
  if (LoadingSpotSettings == 0) Command2_Click();
}

void PacketSpotfrm::Form_KeyDown(int& KeyCode, int Shift) {
  if (!(KeyCode == kEscape || (KeyCode == kKeyC && Shift == forms::kCtrlMask))) return;
  chkDX.SetValue(0);
  if (!Label4.Visible()) Command1_Click();
  if (comComm1->IsOpen() && SourceIs("TNC")) {
    const std::string hex = vb::Trim(txtHex.Text());
    if (hex.empty() || !vb::IsNumeric("&H" + hex)) return;
    const double code = vb::Val("&H" + hex);
    if (code < 0 || code > 255) return;
    comComm1->Write(std::string(1, static_cast<char>(static_cast<int>(code))));
    KeyCode = 0;
    if (txtSent.Usable()) txtSent.SetFocus();
  }
  if (txtSent.Text().empty() && txtSent.Usable()) txtSent.SetFocus();
}

}  // namespace ks
