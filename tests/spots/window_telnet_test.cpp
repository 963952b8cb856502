// The Telnet cluster source against a fake cluster on a loopback socket.
#include <gtest/gtest.h>

#include <chrono>
#include <set>

#include "platform/vb/number_text.h"
#include "tests/spots/spot_fixture.h"
#include "tests/support/tcp_peer.h"

namespace ks {
namespace {

using testing::ClusterSpot;

class TelnetTest : public ::testing::Test, public testing::SpotBench {
 protected:
  PacketSpotfrm& Open(const std::string& host, int port) {
    main().Show();
    PacketSpotfrm& w = app().Get<PacketSpotfrm>();
    w.Show();
    w.List1.SelectBy(2);  // "Telnet"
    w.txtTelnetHost.SetText(host);
    w.txtTelnetPort.SetText(std::to_string(port));
    w.Command1.ClickBy();
    return w;
  }
  PacketSpotfrm& Connected() {
    PacketSpotfrm& w = Open("127.0.0.1", cluster_.Port());
    EXPECT_TRUE(cluster_.Accept());
    Pump([&] { return w.Winsock1->GetState() == io::TcpClient::State::kConnected; });
    return w;
  }
  // Runs the window's timers until `done` holds (or a few seconds of real time have passed).
  template <typename Done>
  bool Pump(const Done& done, int timeout_ms = 5000) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
    PacketSpotfrm& w = app().Get<PacketSpotfrm>();
    while (!done()) {
      if (std::chrono::steady_clock::now() > deadline) return false;
      w.Winsock1->WaitForActivity(20);
      headless().Advance(50);
    }
    return true;
  }
  testing::TcpPeer cluster_;
};

TEST_F(TelnetTest, SpotsSplitAtEveryByteAndSeveralInABlockAreAllStoredWhole) {
  PacketSpotfrm& w = Connected();
  EXPECT_EQ(w.txtUnProcessed.Text().substr(0, 26), "Attempting connection to: ");
  const std::string a = ClusterSpot("W3LPL", "14025.0", "DL1ABC") + "\r\n";
  const std::string b = ClusterSpot("K1TTT", "7010.5", "VP9XY") + "\r\n";
  const std::string text = a + b;
  int sent = 0;
  for (std::size_t cut = 0; cut <= text.size(); ++cut) {
    for (const std::string& piece : {text.substr(0, cut), text.substr(cut)}) {
      if (piece.empty()) continue;
      const int rows = main().txtDX.ItemCount();
      const std::size_t shown = w.txtUnProcessed.Text().size();
      cluster_.Send(piece);
      // As the box shows it: a CR ends its line at once, and the LF after it adds nothing.
      std::string showing = piece;
      if (showing.ends_with('\r')) showing += '\n';
      if (showing.starts_with('\n')) showing.erase(0, 1);
      if (showing.empty()) continue;
      ASSERT_TRUE(Pump([&] { return w.txtUnProcessed.Text().size() != shown || main().txtDX.ItemCount() != rows; }));
      ASSERT_TRUE(Pump([&] { return w.txtUnProcessed.Text().ends_with(showing) || main().txtDX.ItemCount() == 200; }));
    }
    sent += 2;
  }
  MainWindow& m = main();
  ASSERT_EQ(m.txtDX.ItemCount(), std::min(sent, 200));
  for (int row = 1; row <= m.txtDX.ItemCount(); ++row) {
    const auto& item = m.txtDX.Item(row);
    const bool is_b = row % 2 == 1;  // the newest is the second spot of the text
    EXPECT_EQ(item.text, is_b ? "VP9XY" : "DL1ABC") << row;
    EXPECT_EQ(item.SubItem(1), is_b ? "7.0105" : "14.025") << row;
  }
}

TEST_F(TelnetTest, EverySpotAfterTheClustersPromptsIsListed) {
  PacketSpotfrm& w = Connected();
  cluster_.Send("login: ");
  ASSERT_TRUE(Pump([&] { return w.txtUnProcessed.Text().ends_with("login: "); }));
  w.txtSent.SetFocus();
  w.txtSent.SetText("W1AW");
  w.PressKey(13);
  EXPECT_EQ(cluster_.ReceiveAtLeast(6), "W1AW\r\n");
  const std::string prompt = "K3ZZZ de NODE 11-Dec-2026 0230Z dxspider >";
  cluster_.Send("Hello W1AW, this is NODE\r\n" + prompt);
  ASSERT_TRUE(Pump([&] { return w.txtUnProcessed.Text().ends_with(prompt); }));

  auto call = [](int i) { return std::string("W1") + static_cast<char>('A' + i / 26) + static_cast<char>('A' + i % 26); };
  std::string spots;
  for (int i = 0; i < 40; ++i) spots += ClusterSpot("K3ZZZ", std::to_string(14000 + i) + ".0", call(i)) + "\r\n";
  cluster_.Send(spots);
  ASSERT_TRUE(Pump([&] { return w.txtUnProcessed.Text().ends_with(spots.substr(spots.size() - 60)); }));
  EXPECT_NE(w.txtUnProcessed.Text().find(prompt + "\r\n" + spots.substr(0, 20)), std::string::npos);
  MainWindow& m = main();
  ASSERT_EQ(m.txtDX.ItemCount(), 40);
  for (int row = 1; row <= 40; ++row) EXPECT_EQ(m.txtDX.Item(row).text, call(40 - row)) << row;  // newest first
  EXPECT_EQ(m.txtDX.Item(40).SubItem(1), "14");
  EXPECT_EQ(m.txtDX.Item(1).SubItem(1), "14.039");
}

TEST_F(TelnetTest, SpotsSentInOneWriteWithThePromptAreAllListed) {
  PacketSpotfrm& w = Connected();
  // The node's prompt and the spots that follow it come in one read.
  const std::string prompt = "K3ZZZ de NODE 11-Dec-2026 0230Z dxspider >";
  std::string spots;
  for (int i = 0; i < 5; ++i) spots += ClusterSpot("K3ZZZ", std::to_string(7000 + i) + ".0", "W2A" + std::string(1, 'A' + i)) + "\r\n";
  cluster_.Send("login: " + prompt + spots);
  ASSERT_TRUE(Pump([&] { return main().txtDX.ItemCount() == 5; }));
  EXPECT_EQ(main().txtDX.Item(5).text, "W2AA");
  EXPECT_NE(w.txtUnProcessed.Text().find(prompt + "\r\n" + spots.substr(0, 20)), std::string::npos);
}

TEST_F(TelnetTest, EachSpotWrittenTogetherWithAPromptIsListedOnALineOfItsOwn) {
  PacketSpotfrm& w = Connected();
  const std::string prompt = "K3ZZZ de NODE 11-Dec-2026 0230Z dxspider >";
  auto call = [](int i) { return std::string("K2") + static_cast<char>('A' + i); };
  auto spot = [&](int i) { return ClusterSpot("W3LPL", std::to_string(14025 + i) + ".0", call(i)) + "\r\n"; };
  // The prompt and the first spot in a single write, as a cluster's two writes come coalesced.
  cluster_.Send("Hello W1AW, this is NODE\r\n" + prompt + spot(0));
  ASSERT_TRUE(Pump([&] { return main().txtDX.ItemCount() == 1; }));
  // The end of a prompt that waited, with the next spot; then a prompt and spots each time.
  cluster_.Send(prompt.substr(0, 20));
  ASSERT_TRUE(Pump([&] { return w.txtUnProcessed.Text().ends_with(prompt.substr(0, 20)); }));
  cluster_.Send(prompt.substr(20) + spot(1) + spot(2));
  for (int i = 3; i < 8; ++i) cluster_.Send(prompt + spot(i));
  ASSERT_TRUE(Pump([&] { return main().txtDX.ItemCount() == 8; }));
  MainWindow& m = main();
  for (int row = 1; row <= 8; ++row) EXPECT_EQ(m.txtDX.Item(row).text, call(8 - row)) << row;  // newest first
  EXPECT_EQ(m.txtDX.Item(8).SubItem(1), "14.025");
  const std::string& shown = w.txtUnProcessed.Text();
  EXPECT_NE(shown.find("NODE\r\n" + prompt + "\r\n" + spot(0)), std::string::npos);
  EXPECT_NE(shown.find(prompt + "\r\n" + spot(1) + spot(2)), std::string::npos);
  EXPECT_TRUE(shown.ends_with(prompt + "\r\n" + spot(7)));
}

// A cluster's server negotiates and subnegotiates before its greeting, and its node sends NULs
// before each "DX de " and a bell before the line end; one read ends inside a subnegotiation.
TEST_F(TelnetTest, SpotsAmongNulsBellsAndTelnetCommandsAreAllListedWhole) {
  PacketSpotfrm& w = Connected();
  const std::string iac(1, '\xff');
  const std::string negotiation = iac + "\xfd\x18" + iac + "\xfb\x01" + iac + "\xfa\x18\x01" + iac + "\xf0";
  const std::string greeting = "Hello W1AW, this is NODE" + iac + "\xf9\r\n";
  auto call = [](int i) { return std::string("W1") + static_cast<char>('A' + i / 26) + static_cast<char>('A' + i % 26); };
  std::string spots;
  for (int i = 0; i < 40; ++i) {
    const std::string spot = ClusterSpot("K3ZZZ", std::to_string(14000 + i) + ".0", call(i));
    spots += std::string(2, '\0') + spot + "\a\r\n";
    if (i % 10 == 9) spots += iac + "\xfa\x1f" + iac + iac + "\x50" + iac + "\xf0";
  }
  const std::string text = negotiation + greeting + spots;
  const std::size_t cut = text.find(iac + "\xfa\x1f") + 3;  // inside the first subnegotiation among the spots
  cluster_.Send(text.substr(0, cut));
  ASSERT_TRUE(Pump([&] { return main().txtDX.ItemCount() == 10; }));
  cluster_.Send(text.substr(cut));
  ASSERT_TRUE(Pump([&] { return main().txtDX.ItemCount() == 40; }));

  MainWindow& m = main();
  for (int row = 1; row <= 40; ++row) {
    const auto& item = m.txtDX.Item(row);
    const int i = 40 - row;  // newest first
    EXPECT_EQ(item.text, call(i)) << row;
    EXPECT_EQ(item.SubItem(1), vb::CStr((14000 + i) / 1000.0)) << row;
    EXPECT_EQ(item.SubItem(4), "de K3ZZZ:  CW 599") << row;
    EXPECT_EQ(item.SubItem(6), "1902") << row;
    EXPECT_EQ(item.SubItem(7), "FN20") << row;
  }
  const std::string& shown = w.txtUnProcessed.Text();
  EXPECT_NE(shown.find("Hello W1AW, this is NODE\r\n" + ClusterSpot("K3ZZZ", "14000.0", call(0)) + "\r\n"),
            std::string::npos);
  for (const char c : shown) {
    EXPECT_TRUE(static_cast<unsigned char>(c) >= 0x20 || c == '\r' || c == '\n') << static_cast<int>(c);
    EXPECT_NE(c, '\xff');
  }
  EXPECT_TRUE(shown.ends_with(ClusterSpot("K3ZZZ", "14039.0", call(39)) + "\r\n"));
}

TEST_F(TelnetTest, SpotLinesEndedByABareCarriageReturnOrCrNulAreListedAtOnceAndOnce) {
  PacketSpotfrm& w = Connected();
  const struct {
    const char* what;
    std::string end;
  } styles[] = {
      {"CR LF", "\r\n"}, {"CR alone", "\r"}, {"CR NUL", std::string("\r\0", 2)}, {"LF alone", "\n"}, {"LF CR", "\n\r"},
  };
  int listed = 0;
  for (const auto& style : styles) {
    const std::string tag(1, static_cast<char>('A' + listed / 3));
    std::string text;
    for (int i = 0; i < 3; ++i) text += ClusterSpot("K3ZZZ", std::to_string(14010 + listed + i) + ".0", "W1" + tag + std::string(1, 'A' + i)) + style.end;
    // The last line end is cut after its first byte, as two reads may cut it.
    cluster_.Send(text.substr(0, text.size() - style.end.size() + 1));
    ASSERT_TRUE(Pump([&] { return main().txtDX.ItemCount() == listed + 3; }, 2000)) << style.what;
    cluster_.Send(text.substr(text.size() - style.end.size() + 1) + "K3ZZZ de NODE >");
    ASSERT_TRUE(Pump([&] { return w.txtUnProcessed.Text().ends_with("K3ZZZ de NODE >"); })) << style.what;
    listed += 3;
    EXPECT_EQ(main().txtDX.ItemCount(), listed) << style.what;
    for (int i = 0; i < 3; ++i) EXPECT_EQ(main().txtDX.Item(3 - i).text, "W1" + tag + std::string(1, 'A' + i)) << style.what;
    cluster_.Send("\r\n");
  }
}

TEST_F(TelnetTest, WithDXOnlyJustTheSpotLinesAreShown) {
  PacketSpotfrm& w = Connected();
  w.chkDX.SetValue(1);
  const std::size_t shown = w.txtUnProcessed.Text().size();
  cluster_.Send("Hello W1AW, this is the cluster\r\n" + ClusterSpot("W3LPL", "21010.0", "G4ABC") + "\r\n");
  ASSERT_TRUE(Pump([&] { return main().txtDX.ItemCount() == 1; }));
  EXPECT_EQ(w.txtUnProcessed.Text().find("Hello"), std::string::npos);
  EXPECT_NE(w.txtUnProcessed.Text().find("G4ABC", shown), std::string::npos);
}

// Closed by its close box, the window is hidden as by Done: the connection stays and the
// cluster's spots still reach the list.
TEST_F(TelnetTest, TheCloseBoxHidesTheWindowAndTheSpotsGoOnArriving) {
  PacketSpotfrm& w = Connected();
  EXPECT_TRUE(w.CloseBy());
  EXPECT_FALSE(w.Visible());
  ASSERT_EQ(app().IfLoaded<PacketSpotfrm>(), &w);
  EXPECT_TRUE(w.Label4.Visible());
  cluster_.Send(ClusterSpot("W3LPL", "14025.0", "DL1ABC") + "\r\n");
  ASSERT_TRUE(Pump([&] { return main().txtDX.ItemCount() == 1; }));
  EXPECT_EQ(main().txtDX.Item(1).text, "DL1ABC");
  EXPECT_EQ(w.Winsock1->GetState(), io::TcpClient::State::kConnected);
}

TEST_F(TelnetTest, TypedLinesGoToTheClusterOnceConnected) {
  PacketSpotfrm& w = Open("127.0.0.1", cluster_.Port());
  w.txtSent.SetText("W1AW");
  w.txtSent.SetFocus();
  w.PressKey(13);  // still connecting
  EXPECT_NE(w.txtUnProcessed.Text().find("**  Connection not yet established.  Please wait a moment and try again."),
            std::string::npos);
  EXPECT_EQ(w.txtSent.Text(), "");
  ASSERT_TRUE(cluster_.Accept());
  ASSERT_TRUE(Pump([&] { return w.Winsock1->GetState() == io::TcpClient::State::kConnected; }));
  w.txtSent.SetText("SH/DX");
  w.PressKey(13);
  EXPECT_EQ(cluster_.ReceiveAtLeast(7), "SH/DX\r\n");
}

TEST_F(TelnetTest, ARefusedConnectionIsReportedAndClosed) {
  PacketSpotfrm& w = Open("127.0.0.1", testing::TcpPeer::ClosedPort());
  ASSERT_TRUE(Pump([&] { return !w.Label4.Visible(); }));
  EXPECT_NE(w.txtUnProcessed.Text().find("ERROR: Connection is forcefully rejected.\r\n\r\n** Port Closed **"),
            std::string::npos);
  EXPECT_EQ(dialogs().beeps, 1);
  EXPECT_FALSE(w.Timer1.Enabled());
}

TEST_F(TelnetTest, AnUnknownHostIsReported) {
  PacketSpotfrm& w = Open("no-such-host.invalid", 7300);
  ASSERT_TRUE(Pump([&] { return !w.Label4.Visible(); }, 20000));
  EXPECT_NE(w.txtUnProcessed.Text().find("answer: Host not found."), std::string::npos);
}

TEST_F(TelnetTest, AResetMidLineIsReportedAndTheCutSpotIsNotStored) {
  PacketSpotfrm& w = Connected();
  const std::string spot = ClusterSpot("W3LPL", "14025.0", "DL1ABC");
  cluster_.Send(spot.substr(0, 30));
  ASSERT_TRUE(Pump([&] { return w.txtUnProcessed.Text().ends_with(spot.substr(0, 30)); }));
  cluster_.Reset();
  ASSERT_TRUE(Pump([&] { return !w.Label4.Visible(); }));
  EXPECT_NE(w.txtUnProcessed.Text().find("ERROR: The connection is reset by remote side.!"), std::string::npos);
  EXPECT_EQ(main().txtDX.ItemCount(), 0);
}

// The cluster's socket ends while the operator types into the main window's call box: the
// error comes as a socket event, from the window's timer, so it is told in the received-text
// box, never in a message box; the port closes and the focus stays in the call box.
TEST_F(TelnetTest, ASocketThatEndsIsToldInTheReceivedTextWithoutAMessageBox) {
  const struct {
    const char* name;
    void (*end)(testing::TcpPeer&);
    const char* told;
  } cases[] = {
      {"the cluster closes", [](testing::TcpPeer& c) { c.CloseClient(); }, "ERROR: Socket has been shut down."},
      {"the cluster resets", [](testing::TcpPeer& c) { c.Reset(); }, "ERROR: The connection is reset by remote side.!"},
  };
  for (const auto& c : cases) {
    testing::TcpPeer cluster;
    PacketSpotfrm& w = Open("127.0.0.1", cluster.Port());
    ASSERT_TRUE(cluster.Accept()) << c.name;
    ASSERT_TRUE(Pump([&] { return w.Winsock1->GetState() == io::TcpClient::State::kConnected; })) << c.name;
    main().Show();
    main().txtCall.SetFocus();
    main().TypeText("k3x");
    const std::size_t boxes = dialogs().message_boxes.size();  // the main window's load asked one
    c.end(cluster);
    ASSERT_TRUE(Pump([&] { return !w.Label4.Visible(); })) << c.name;
    EXPECT_EQ(dialogs().message_boxes.size(), boxes) << c.name;
    EXPECT_NE(w.txtUnProcessed.Text().find(std::string(c.told) + "\r\n\r\n** Port Closed **"), std::string::npos)
        << c.name << ": " << w.txtUnProcessed.Text();
    EXPECT_EQ(app().ActiveForm(), &main()) << c.name;
    EXPECT_EQ(main().ActiveControl(), &main().txtCall) << c.name;
    EXPECT_EQ(main().txtCall.Text(), "K3X") << c.name;
    main().txtCall.SetText("");
  }
}

TEST_F(TelnetTest, AClusterThatNeverEndsALineCannotGrowMemory) {
  PacketSpotfrm& w = Connected();
  const std::string junk(100000, 'x');
  for (int i = 0; i < 10; ++i) cluster_.Send(junk);
  ASSERT_TRUE(Pump([&] { return w.txtUnProcessed.Text().size() >= 9000 && w.TelnetLines.Pending().size() >= 9000; }));
  for (int i = 0; i < 40; ++i) headless().Advance(50);
  EXPECT_LE(w.txtUnProcessed.Text().size(), 10000u);
  EXPECT_LE(w.TelnetLines.Pending().size(), LineAssembler::kDefaultMaxPending);
}

// A host or port no connection can have opens nothing, and the received text says why.
TEST_F(TelnetTest, AHostOrPortNoConnectionCanHaveOpensNothingAndSaysWhy) {
  const struct {
    const char* host;
    const char* port;
    const char* told;
  } cases[] = {
      {"127.0.0.1", "", "** The Telnet port must be a number from 1 to 65535 **"},
      {"127.0.0.1", "99999", "** The Telnet port must be a number from 1 to 65535 **"},
      {"127.0.0.1", "0", "** The Telnet port must be a number from 1 to 65535 **"},
      {"127.0.0.1", "-23", "** The Telnet port must be a number from 1 to 65535 **"},
      {"127.0.0.1", "7300x", "** The Telnet port must be a number from 1 to 65535 **"},
      {"  ", "7300", "** No Telnet host is given **"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.host) + ":" + c.port);
    PacketSpotfrm& w = Open(c.host, 0);
    w.txtTelnetPort.SetText(c.port);
    w.txtUnProcessed.SetText("");
    w.Command1.ClickBy();
    EXPECT_FALSE(w.Label4.Visible());
    EXPECT_EQ(w.txtUnProcessed.Text().find("Attempting connection to: "), std::string::npos);
    EXPECT_NE(w.txtUnProcessed.Text().find(std::string(c.told) + "\r\n\r\n** Port Closed **"), std::string::npos)
        << w.txtUnProcessed.Text();
    EXPECT_EQ(w.Winsock1->GetState(), io::TcpClient::State::kClosed);
  }
}

}  // namespace
}  // namespace ks
