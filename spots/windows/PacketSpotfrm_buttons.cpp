// Open Port, Close Port, Spot Last and Done.
#include "logstore/log_store.h"
#include "mainwin/windows/Form1.h"
#include "platform/forms/application.h"
#include "spots/windows/PacketSpotfrm.h"

namespace ks {

void PacketSpotfrm::Command1_Click() {
  txtUnProcessed.SetText("** Attempting to Open Port **\r\n\r\n");
  if (comComm1->IsOpen()) comComm1->Close();
  if (!SourceChosen()) return;
  Label4.SetVisible(true);
  if (Visible()) {
    // A send box that no control set has enabled cannot take the focus: nothing opens.
    if (!txtSent.Usable()) return;
    txtSent.SetFocus();
  }
  if (SourceIs("TNC")) ApplyTNCOptions();
  if (SourceIs("AGW Packet Engine")) OpenAGW();
  if (SourceIs("Telnet")) OpenTelnet();
}

void PacketSpotfrm::Command2_Click() {
  if (!Label4.Visible()) return;
  Label4.SetVisible(false);
  AppendReceived("\r\n\r\n** Port Closed **");
  TrimReceivedText();
  if (comComm1->IsOpen()) comComm1->Close();
  CloseTelnet();
  if (SourceIs("AGW Packet Engine")) CloseAGW();
  Timer1.SetEnabled(false);
}

void PacketSpotfrm::Command3_Click() {
  const auto& log = App().State<LogStore>();
  const std::string call =
      log.QSOCount >= 1 && log.QSOCount < static_cast<long>(log.Records.size()) ? log.Records[log.QSOCount].LogCall : "";
  txtSent.SetText("DX Frequency in kHz " + call);
  if (!txtSent.Usable()) return;
  txtSent.SetFocus();
  txtSent.SetSelStart(3);
  txtSent.SetSelLength(16);
}

void PacketSpotfrm::cmdDone_Click() {
  if (SourceChosen() && !Label4.Visible()) Command1_Click();
  App().Get<Form1>().SavePref();
  SaveSpotSettings();
  App().Get<Form1>().PacketResize();
  Hide();
}

}  // namespace ks
