// The spotting window's settings file, its source list, the control sets of each source and
// the help text.
#include "platform/forms/application.h"
#include "platform/vb/text.h"
#include "platform/io/files.h"
#include "spots/pack_spot_file.h"
#include "spots/spot_help_text.h"
#include "spots/windows/PacketSpotfrm.h"
#include "startup/file_reports.h"
#include "startup/user_folders.h"

namespace ks {

namespace {

// Selects the option whose value equals `value` (trailing spaces and case aside) and clears
// the others of its group.
void SelectByValue(const PacketSpotfrm::OptionValues& group, const std::string& value) {
  for (const auto& [button, v] : group) button->SetValue(vb::EqualsNoCase(vb::RTrim(value), v));
}

void SetEnabled(const std::vector<forms::Control*>& controls, bool enabled) {
  for (forms::Control* c : controls) c->SetEnabled(enabled);
}

}  // namespace

void PacketSpotfrm::LoadSpotSettings() {
  const PackSpotRead read = ReadPackSpotFile(App().State<Folders>().WorkingDir);
  const PackSpotSettings& s = read.settings;
  // The values of the file's first lines go straight into their variables as they are read.
  const int n = read.values_read;
  if (n >= 1) TNCBaud = s.TNCBaud;
  if (n >= 2) TNCParity = s.TNCParity;
  if (n >= 3) TNCDataBits = s.TNCDataBits;
  if (n >= 4) TNCStopBits = s.TNCStopBits;
  if (n >= 5) TNCPort = s.TNCPort;
  if (n >= 6) TNCPowerLine = s.TNCPowerLine;
  if (n >= 7) SpotSource = s.SpotSource;
  if (n >= 9) TNCHandshaking = s.TNCHandshaking;
  if (!read.complete) return;
  chkConvToHex.SetValue(s.ConvToHex == 1 ? 1 : 0);
  if (s.ListChosen) OptList.SetValue(true);
  txtHex.SetText(s.HexCharacter);
  txtTelnetPort.SetText(s.TelnetPort);
  txtTelnetHost.SetText(s.TelnetHost);
  for (int i = 0; i < List1.ListCount(); ++i) {
    if (vb::EqualsNoCase(List1.List(i), SpotSource)) List1.SetListIndex(i);
  }
  optComm(TNCPort - 1).SetValue(true);
  SelectByValue(BaudOptions(), TNCBaud);
  SelectByValue(ParityOptions(), TNCParity);
  SelectByValue(DataOptions(), TNCDataBits);
  SelectByValue(StopOptions(), TNCStopBits);
  SelectByValue(PowerOptions(), TNCPowerLine);
  if (TNCHandshaking >= 1 && TNCHandshaking <= 4) HandshakeOptions()[TNCHandshaking - 1]->SetValue(true);
  LoadingSpotSettings = 0;
  if (SourceIs("TNC")) EnableTNCControls();
  if (SourceIs("Telnet")) EnableTelnetControls();
  if (SourceIs("AGW Packet Engine")) EnableAGWControls();
  if (SourceChosen()) Command1_Click();
}

void PacketSpotfrm::SaveSpotSettings() {
  PackSpotSettings s;
  s.TNCBaud = TNCBaud;
  s.TNCParity = TNCParity;
  s.TNCDataBits = TNCDataBits;
  s.TNCStopBits = TNCStopBits;
  s.TNCPort = static_cast<std::uint8_t>(TNCPort);
  s.TNCPowerLine = TNCPowerLine;
  s.SpotSource = SpotSource;
  s.ConvToHex = chkConvToHex.Value();
  s.TNCHandshaking = static_cast<std::uint8_t>(TNCHandshaking);
  s.DXOnly = chkDX.Value();
  s.ListChosen = OptList.Value();
  s.HexCharacter = txtHex.Text();
  s.TelnetPort = txtTelnetPort.Text();
  s.TelnetHost = txtTelnetHost.Text();
  const fs::path& folder = App().State<Folders>().WorkingDir;
  WriteSettingsFile(App(), io::ResolveNoCase(folder, kPackSpotFileName), FormatPackSpotFile(s));
}

void PacketSpotfrm::List1_Click() {
  chkDX.SetValue(0);
  if (LoadingSpotSettings == 0) {
    Command2_Click();
    DisableSourceControls();
    SpotSource = List1.Text();
    if (SourceIs("TNC")) {
      for (auto* option : {&optBaud96, &optParityNone, &optData8, &optStop1, &Option3}) option->SetValue(true);
      txtHex.SetText("03");
      EnableTNCControls();
    }
  }
  ShowSpotHelp();
  if (SourceIs("Telnet")) EnableTelnetControls();
  if (SourceIs("AGW Packet Engine")) EnableAGWControls();
  if (SourceIs("TNC")) Label6.SetCaption("Send text  (Ctrl C or Esc for TNC Command mode):");
  if (SourceIs("AGW Packet Engine")) Label6.SetCaption("Send text (use : to send cmds such as :C Corvane or :D)");
  if (SourceIs("Telnet")) Label6.SetCaption("Type text to send and press enter:");
}

std::vector<forms::Control*> PacketSpotfrm::CommonSourceControls() {
  return {&Command1, &Command2, &txtSent, &Label6, &Frame2, &OptBand, &OptList, &chkDX};
}

std::vector<forms::Control*> PacketSpotfrm::TelnetOnlyControls() {
  return {&txtTelnetHost, &txtTelnetPort, &Label7, &Label3};
}

std::vector<forms::Control*> PacketSpotfrm::TNCOnlyControls() {
  std::vector<forms::Control*> controls{&txtHex, &Label2, &Frame1, &fraBaud, &fraParity, &fraData,
                                        &fraStop, &fraPort, &fraPower};
  for (const OptionValues& group : {BaudOptions(), ParityOptions(), DataOptions(), StopOptions(), PowerOptions()}) {
    for (const auto& [button, value] : group) controls.push_back(button);
  }
  for (auto* button : HandshakeOptions()) controls.push_back(button);
  for (auto& [index, button] : optComm) controls.push_back(button.get());
  return controls;
}

void PacketSpotfrm::DisableSourceControls() {
  SetEnabled(CommonSourceControls(), false);
  SetEnabled(TelnetOnlyControls(), false);
  SetEnabled(TNCOnlyControls(), false);
  chkConvToHex.SetEnabled(false);
}

void PacketSpotfrm::EnableTNCControls() {
  SetEnabled(CommonSourceControls(), true);
  SetEnabled(TNCOnlyControls(), true);
  Label4.SetEnabled(true);
  Label1.SetEnabled(true);
}

void PacketSpotfrm::EnableTelnetControls() {
  SetEnabled(CommonSourceControls(), true);
  SetEnabled(TelnetOnlyControls(), true);
}

void PacketSpotfrm::EnableAGWControls() { SetEnabled(CommonSourceControls(), true); }

void PacketSpotfrm::ShowSpotHelp() {
  txtUnProcessed.SetText(List1.ListIndex() < 0 ? std::string() : SpotHelpText(List1.Text()));
  txtUnProcessed.SetSelStart(1);
}

}  // namespace ks
