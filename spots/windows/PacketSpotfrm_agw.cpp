// The packet engine: its opening under the own call, one frame per tick, the connection to
// one other station with ":C" and ":D", and typed text.
#include "mainwin/windows/Form1.h"
#include "platform/forms/application.h"
#include "platform/io/settings_store.h"
#include "platform/vb/parse.h"
#include "platform/vb/rounding.h"
#include "platform/vb/text.h"
#include "spots/spot_help_text.h"
#include "spots/spot_line.h"
#include "spots/windows/PacketSpotfrm.h"
#include "station/station_settings.h"

namespace ks {

namespace {

constexpr int kConnect = 'c';
constexpr int kDisconnect = 'd';
constexpr int kData = 'D';
constexpr std::size_t kMaxFrameData = 4000;
constexpr const char* kCaption = "DX Spotting Setup";

// Every carriage return and every line feed made a carriage-return line-feed pair.
std::string LineEndsAsPairs(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 16);
  for (char c : text) {
    if (c == '\r' || c == '\n') {
      out += "\r\n";
    } else {
      out += c;
    }
  }
  return out;
}

bool BeginsWithDX(std::string_view text) { return IsSpotLine(text); }

// Where the engine runs: the settings store's values, else this machine's port 8000.
std::unique_ptr<AgwEngine> MakeEngine(forms::Application& app) {
  const std::string host = app.Settings().GetSetting("Keystone", "AGWPE", "Host", "127.0.0.1");
  const auto port = vb::CLng(vb::Val(app.Settings().GetSetting("Keystone", "AGWPE", "Port", "8000")));
  return std::make_unique<AgwEngine>(host, port.value_or(AgwEngine::kDefaultPort));
}

const std::string kUnableFirst =
    "Unable to connect to the AGW Packet Engine.  To use the AGW Packet Engine to send and receive packet with your "
    "soundcard or devices such a Baypac:";
const std::string kUnableDownload = std::string("- Download the freely available software from ") + kAGWDownloadAddress;

}  // namespace

void PacketSpotfrm::OpenAGW() {
  const std::string own_call = vb::Trim(App().State<StationSettings>().OwnCall);
  if (own_call.empty()) {
    App().Beep();
    App().MsgBox("Please enter your call sign on the setup form to transmit!", 0, "Call Sign Required!");
    Command2_Click();  // nothing is open
    return;
  }
  const std::string application = vb::Trim(vb::Left(App().Get<Form1>().Caption(), 50));
  AGW = MakeEngine(App());
  if (AGW->AGWStartPoll(own_call, application) != 0) {
    Timer1.SetEnabled(true);
    AppendReceived("\r\n** Successfully connected to AGW Packet Engine **\r\n\r\n");
    return;
  }
  App().MsgBox(kUnableFirst + "\r\n\r\n" + kUnableDownload +
                   "\r\n\r\n- Make sure the AGW Packet Engine software is running and configure it as described on "
                   "the AGW Packet Engine website.",
               0, "Unable to connect to the AGW Packet Engine.");
  Label4.SetVisible(false);
  for (const std::string& p :
       {kUnableFirst, kUnableDownload,
        std::string("- Run the Packet Engine software and configure it as described on the AGW Packet Engine website "
                    "for your sound card or TNC."),
        std::string("- Click Open from this program.")}) {
    AppendReceived(p + "\r\n\r\n");
  }
  if (!Visible()) Show();
  Command2_Click();
  Timer1.SetEnabled(false);
}

void PacketSpotfrm::PollAGW() {
  if (!AGW) return;
  AgwReceived frame;
  if (AGW->AGWGetData(frame)) TakeAGWFrame(frame);
  if (!AGW->Failure().empty()) AGWFailed(AGW->Failure());
}

void PacketSpotfrm::TakeAGWFrame(const AgwReceived& frame) {
  const std::string sender = WithoutControlCharacters(frame.sender);
  // The engine's monitored text may carry control characters (direwolf ends it with a NUL):
  // only carriage returns and line feeds are kept for the box and the spot.
  const std::string data = WithoutControlCharacters(std::string_view(frame.data).substr(0, kMaxFrameData));
  const std::string labelled = LineEndsAsPairs(std::string(1, static_cast<char>(frame.kind)) + sender + " " + data);
  std::string cleaned = LineEndsAsPairs(data);
  const bool connected = !AGWConnectedCall.empty();
  if (!connected) {
    const auto lf = cleaned.find('\n');
    if (lf != std::string::npos) cleaned.erase(0, lf + 1);
    cleaned = vb::Trim(cleaned);
  }
  if (cleaned == "\r\n") cleaned.clear();
  if (cleaned.size() > 4 && cleaned.ends_with("\r\n\r\n")) cleaned.erase(cleaned.size() - 2);
  const bool repeat = !cleaned.empty() && IsRecentRepeat(cleaned, txtUnProcessed.Text());
  const long long dx = vb::InStr(vb::UCase(cleaned), "DX");
  if (!repeat && (dx == 1 || dx == 2)) {
    AppendReceived(cleaned);
    const SpotLineFields fields = CutSpotFields(cleaned);
    PostSpot(fields.frequency, fields.call, cleaned);
    TrimReceivedText();
  }
  if (connected && vb::EqualsNoCase(sender, AGWConnectedCall) && chkDX.Value() == 0 && !BeginsWithDX(cleaned)) {
    AppendReceived(cleaned);
    TrimReceivedText();
  }
  if (!connected && chkDX.Value() == 0 && vb::InStr(vb::UCase(labelled), "DX ") == 0 && !BeginsWithDX(cleaned)) {
    AppendReceived(labelled);
    TrimReceivedText();
  }
  if (frame.kind == kDisconnect && connected && vb::EqualsNoCase(sender, AGWConnectedCall)) {
    App().Beep();
    App().Beep();
    AppendReceived("\r\n** Disconnected from " + AGWConnectedCall + " **\r\n");
    TrimReceivedText();
    SetCaption(kCaption);
    AGWConnectedCall.clear();
  } else if (frame.kind == kConnect && !connected) {
    AGWConnectedCall = sender;
    AppendReceived("** Connected to " + sender + " **");
    SetCaption(std::string(kCaption) + " - Connected to " + sender);
    TrimReceivedText();
    App().Beep();
  }
}

void PacketSpotfrm::AGWFailed(const std::string& why) {
  AppendReceived("\r\n** The AGW Packet Engine connection was closed: " + why + " **\r\n");
  Command2_Click();
  App().Beep();
}

void PacketSpotfrm::SendAGWLine() {
  if (!AGW) return;
  const std::string text = txtSent.Text();
  if (vb::Left(text, 1) == ":") {
    const std::string command = vb::UCase(vb::Mid(text, 2, 1));
    const std::string argument = vb::Trim(vb::Mid(text, 3));
    if (command == "D") {
      if (!AGWConnectedCall.empty()) AGW->AGWPutData(AGWConnectedCall, "", kDisconnect);
    } else if (command == "C") {
      const std::string call = vb::UCase(argument);
      if (call.empty()) {
        App().MsgBox("You must enter a call sign to connect to such as :C Corvane", 0, "Call sign Required");
      } else {
        AGW->AGWPutData(call, "", kConnect);
        AGW->AGWPutData(call, "", 'P');
      }
    }
    return;
  }
  if (!AGWConnectedCall.empty()) AGW->AGWPutData(AGWConnectedCall, text + "\r", kData);
}

void PacketSpotfrm::txtSent_Change() {
  if (SendingLongLine || !Timer1.Enabled() || !SourceIs("AGW Packet Engine")) return;
  const std::string text = txtSent.Text();
  if (text.size() <= 70 || text.back() != ' ') return;
  SendingLongLine = true;
  txtSent.SetText(text.substr(0, text.size() - 1));
  SendAGWLine();
  txtSent.SetText("");
  SendingLongLine = false;
}

void PacketSpotfrm::CloseAGW() {
  if (AGW && !AGWConnectedCall.empty()) AGW->AGWPutData(AGWConnectedCall, "", kDisconnect);
  if (!AGWConnectedCall.empty()) {
    SetCaption(kCaption);
    AGWConnectedCall.clear();
  }
  if (AGW) AGW->AGWClose();
}

void PacketSpotfrm::CloseAGWOnUnload() {
  if (AGW && !AGWConnectedCall.empty()) AGW->AGWPutData(AGWConnectedCall, "", kDisconnect);
  if (AGW && SourceIs("AGW Packet Engine")) AGW->AGWClose();
}

}  // namespace ks
