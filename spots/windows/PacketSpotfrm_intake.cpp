// The receiving core: the spot timer, lines from the TNC with the repeat filter, the hand-over
// of a spot to the main window, the limit of the received text and the send box.
#include "mainwin/windows/Form1.h"
#include "platform/forms/application.h"
#include "spots/spot_line.h"
#include "spots/windows/PacketSpotfrm.h"

namespace ks {

namespace {
constexpr float kRedrawTicks = 360;
constexpr int kEnter = 13;
constexpr int kEscape = 27;
}  // namespace

void PacketSpotfrm::Timer1_Timer() {
  if (SourceIs("TNC")) PollTNC();
  if (SourceIs("AGW Packet Engine")) PollAGW();
  LabelUpdateTimeCounter += 1;
  if (LabelUpdateTimeCounter > kRedrawTicks) {
    LabelUpdateTimeCounter = 0;
    Form1& dispatcher = App().Get<Form1>();
    if (dispatcher.lblDX.Visible()) dispatcher.DisplayBandMapLabels();
  }
}

void PacketSpotfrm::PollTNC() {
  if (!comComm1->IsOpen()) return;
  std::string received;
  if (const io::SerialResult read = comComm1->Read(received); !read) return TNCLost(read.error);
  if (received.empty()) return;
  TNCBuffer.AppendBlock(received);
  ProcessTNCBuffer();
}

void PacketSpotfrm::ProcessTNCBuffer() {
  while (auto line = TNCBuffer.NextLine()) {
    if (IsRecentRepeat(*line, txtUnProcessed.Text())) continue;
    if (IsSpotLine(*line)) {
      AppendReceived(*line);
      TrimReceivedText();
      const SpotLineFields fields = CutSpotFields(*line);
      PostSpot(fields.frequency, fields.call, *line);
    } else if (chkDX.Value() == 0) {
      AppendReceived(*line);
      TrimReceivedText();
    }
  }
}

void PacketSpotfrm::PostSpot(const std::string& frequency, const std::string& call, const std::string& line) {
  LabelUpdateTimeCounter = 0;
  if (line.size() < 3) return;
  std::string qDXSpotCall = call;
  std::string qDXSpotFreq = frequency;
  std::string qDXSpotRecord = SpotRecordText(line);
  App().Get<Form1>().BandMapSpots(qDXSpotCall, qDXSpotFreq, qDXSpotRecord);
}

void PacketSpotfrm::TrimReceivedText() {
  std::string text = txtUnProcessed.Text();
  if (TrimShownText(text)) txtUnProcessed.SetText(text);
  const int length = static_cast<int>(txtUnProcessed.Text().size());
  if (length > 2) txtUnProcessed.SetSelStart(length - 1);
}

void PacketSpotfrm::txtSent_KeyPress(int& KeyAscii) {
  if (KeyAscii == kEnter) {
    if (!Label4.Visible()) Command1_Click();
    if (SourceIs("TNC") && comComm1->IsOpen()) comComm1->Write(txtSent.Text() + "\r");
    if (SourceIs("Telnet")) SendTelnetLine();
    if (SourceIs("AGW Packet Engine") && Timer1.Enabled()) SendAGWLine();
    txtSent.SetText("");
  }
  if (SourceIs("AGW Packet Engine") && KeyAscii == kEscape) KeyAscii = ':';
  if (KeyAscii == kEnter || KeyAscii == kEscape) KeyAscii = 0;
}

}  // namespace ks
