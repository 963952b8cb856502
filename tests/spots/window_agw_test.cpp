// The packet-engine source against a fake engine on a loopback socket speaking its frames.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "platform/io/settings_store.h"
#include "spots/agw_frame.h"
#include "tests/spots/spot_fixture.h"
#include "tests/support/tcp_peer.h"

namespace ks {
namespace {

using testing::ClusterSpot;

// The engine's side: frames read from and written to the program.
class FakeEngine {
 public:
  int Port() const { return peer_.Port(); }
  // Accepts the program, takes its registration (answered with `accept`) and its request
  // for monitoring; run on a thread of its own while the program waits in its opening.
  void Greet(bool accept) {
    ASSERT_TRUE(peer_.Accept());
    const AgwFrame x = Read();
    EXPECT_EQ(x.kind, 'X');
    registered_call = x.call_from;
    Send(AgwFrame{0, 'X', 0, x.call_from, "", accept ? "\x01" : std::string(1, '\0')});
    if (accept) {
      EXPECT_EQ(Read().kind, 'm');
    }
  }
  AgwFrame Read() {
    decoder_.Append(peer_.ReceiveAtLeast(0, 0));
    for (int i = 0; i < 100; ++i) {
      if (auto f = decoder_.Next()) return *f;
      decoder_.Append(peer_.ReceiveAtLeast(1, 50));
    }
    ADD_FAILURE() << "no frame from the program";
    return {};
  }
  void Send(const AgwFrame& frame) { peer_.Send(EncodeAgwFrame(frame)); }
  void SendBytes(const std::string& bytes) { peer_.Send(bytes); }
  void Quit() { peer_.CloseClient(); }
  void Reset() { peer_.Reset(); }
  std::string registered_call;

 private:
  testing::TcpPeer peer_;
  AgwFrameDecoder decoder_;
};

class AgwTest : public ::testing::Test, public testing::SpotBench {
 protected:
  PacketSpotfrm& Open(bool accept = true) {
    app().Settings().SaveSetting("Keystone", "AGWPE", "Port", std::to_string(engine_.Port()));
    main().Show();
    PacketSpotfrm& w = app().Get<PacketSpotfrm>();
    w.Show();
    w.List1.SelectBy(3);  // "AGW Packet Engine"
    std::thread engine([&] { engine_.Greet(accept); });
    w.Command1.ClickBy();
    engine.join();
    return w;
  }
  template <typename Done>
  bool Pump(const Done& done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    PacketSpotfrm& w = app().Get<PacketSpotfrm>();
    while (!done()) {
      if (std::chrono::steady_clock::now() > deadline) return false;
      if (w.AGW) w.AGW->WaitForActivity(20);
      headless().Advance(333);
    }
    return true;
  }
  AgwFrame Monitored(const std::string& from, const std::string& to, const std::string& text) {
    return {0, 'U', 0xF0, from, to, " 1:Fm " + from + " To " + to + " <UI pid=F0 Len=70 >[12:00:00]\r" + text + "\r"};
  }
  FakeEngine engine_;
};

TEST_F(AgwTest, RegistersTheOwnCallAndTakesMonitoredSpotsOnce) {
  PacketSpotfrm& w = Open();
  EXPECT_EQ(engine_.registered_call, "W1AW");
  EXPECT_NE(w.txtUnProcessed.Text().find("** Successfully connected to AGW Packet Engine **"), std::string::npos);
  EXPECT_TRUE(w.Label4.Visible());
  EXPECT_TRUE(w.Timer1.Enabled());
  const AgwFrame spot = Monitored("K1TTT", "DX", ClusterSpot("K1TTT", "7010.5", "VP9XY"));
  engine_.Send(spot);
  engine_.Send(spot);  // heard twice: stored once
  engine_.Send(Monitored("N1XYZ", "CQ", "just chatting"));
  ASSERT_TRUE(Pump([&] { return w.txtUnProcessed.Text().find("just chatting") != std::string::npos; }));
  ASSERT_EQ(main().txtDX.ItemCount(), 1);
  EXPECT_EQ(main().txtDX.Item(1).text, "VP9XY");
  EXPECT_EQ(main().txtDX.Item(1).SubItem(2), "Bermuda");
  EXPECT_NE(w.txtUnProcessed.Text().find("UN1XYZ  1:Fm N1XYZ"), std::string::npos);  // labelled, first line kept
}

TEST_F(AgwTest, ControlCharactersOtherThanLineEndsAreNotShown) {
  PacketSpotfrm& w = Open();
  // As direwolf sends monitored frames: the text ends with a NUL.
  AgwFrame chat = Monitored("N1XYZ", "CQ", "just\a chatting");
  chat.data += '\0';
  AgwFrame spot = Monitored("K1TTT", "DX", ClusterSpot("K1TTT", "7010.5", "VP9XY"));
  spot.data += std::string("\x7f\0", 2);
  engine_.Send(chat);
  engine_.Send(spot);
  engine_.Send(Monitored("N1XYZ", "CQ", "next line"));
  ASSERT_TRUE(Pump([&] { return w.txtUnProcessed.Text().find("next line") != std::string::npos; }));
  const std::string shown = w.txtUnProcessed.Text();
  for (const char c : shown) {
    const auto byte = static_cast<unsigned char>(c);
    EXPECT_TRUE((byte >= 0x20 && byte != 0x7F) || c == '\r' || c == '\n') << "byte " << int(byte);
  }
  // Nothing is left at the start of the line after each frame.
  EXPECT_NE(shown.find("just chatting\r\nDX de K1TTT:"), std::string::npos) << shown;
  EXPECT_NE(shown.find("1902ZFN20\r\nUN1XYZ  1:Fm N1XYZ To CQ"), std::string::npos) << shown;
  ASSERT_EQ(main().txtDX.ItemCount(), 1);
  EXPECT_EQ(main().txtDX.Item(1).text, "VP9XY");
}

TEST_F(AgwTest, ConnectsTalksAndDisconnects) {
  PacketSpotfrm& w = Open();
  w.txtSent.SetFocus();
  w.txtSent.SetText(":c k1ttt");
  w.PressKey(13);
  const AgwFrame connect = engine_.Read();
  EXPECT_EQ(connect.kind, 'C');
  EXPECT_EQ(connect.call_to, "K1TTT");
  EXPECT_EQ(connect.call_from, "W1AW");
  engine_.Send({0, 'C', 0, "K1TTT", "W1AW", "*** CONNECTED With Station K1TTT\r"});
  ASSERT_TRUE(Pump([&] { return w.AGWConnectedCall == "K1TTT"; }));
  EXPECT_EQ(w.Caption(), "DX Spotting Setup - Connected to K1TTT");
  w.txtSent.SetText("hello");
  w.PressKey(13);
  const AgwFrame hello = engine_.Read();
  EXPECT_EQ(hello.kind, 'D');
  EXPECT_EQ(hello.call_to, "K1TTT");
  EXPECT_EQ(hello.data, "hello\r");
  engine_.Send({0, 'D', 0xF0, "K1TTT", "W1AW", "Welcome to the node\r"});
  ASSERT_TRUE(Pump([&] { return w.txtUnProcessed.Text().find("Welcome to the node") != std::string::npos; }));
  engine_.Send({0, 'd', 0, "N0OTHER", "W1AW", ""});  // another station: nothing changes
  engine_.Send({0, 'd', 0, "K1TTT", "W1AW", "*** DISCONNECTED From Station K1TTT\r"});
  ASSERT_TRUE(Pump([&] { return w.AGWConnectedCall.empty(); }));
  EXPECT_EQ(w.Caption(), "DX Spotting Setup");
  EXPECT_NE(w.txtUnProcessed.Text().find("** Disconnected from K1TTT **"), std::string::npos);
}

TEST_F(AgwTest, AMalformedHeaderClosesTheConnectionWithAMessage) {
  PacketSpotfrm& w = Open();
  std::string bytes = EncodeAgwFrame({0, 'U', 0xF0, "K1TTT", "DX", "x"});
  bytes.replace(28, 4, "\xff\xff\xff\x7f");
  engine_.SendBytes(bytes + std::string(1000, 'j'));
  ASSERT_TRUE(Pump([&] { return !w.Label4.Visible(); }));
  EXPECT_NE(w.txtUnProcessed.Text().find("** The AGW Packet Engine connection was closed: "), std::string::npos);
  EXPECT_FALSE(w.Timer1.Enabled());
}

// The engine goes away while the operator types into the main window's call box: it is
// found by the window's timer, so it is told in the received-text box, never in a message
// box; the port closes and the focus stays in the call box.
struct EngineGone {
  const char* name;
  void (*end)(FakeEngine&);
};

class AgwEngineGone : public AgwTest, public ::testing::WithParamInterface<EngineGone> {};

TEST_P(AgwEngineGone, IsToldInTheReceivedTextWithoutAMessageBox) {
  PacketSpotfrm& w = Open();
  main().Show();
  main().txtCall.SetFocus();
  main().TypeText("k3x");
  const std::size_t boxes = dialogs().message_boxes.size();
  GetParam().end(engine_);
  ASSERT_TRUE(Pump([&] { return !w.Label4.Visible(); }));
  EXPECT_EQ(dialogs().message_boxes.size(), boxes);
  EXPECT_NE(w.txtUnProcessed.Text().find("** The AGW Packet Engine connection was closed: "), std::string::npos)
      << w.txtUnProcessed.Text();
  EXPECT_FALSE(w.Timer1.Enabled());
  EXPECT_EQ(app().ActiveForm(), &main());
  EXPECT_EQ(main().ActiveControl(), &main().txtCall);
  EXPECT_EQ(main().txtCall.Text(), "K3X");
}

INSTANTIATE_TEST_SUITE_P(Ends, AgwEngineGone,
                         ::testing::Values(EngineGone{"Quits", [](FakeEngine& e) { e.Quit(); }},
                                           EngineGone{"Resets", [](FakeEngine& e) { e.Reset(); }}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(AgwTest, ARefusedEngineIsReported) {
  app().Settings().SaveSetting("Keystone", "AGWPE", "Port", std::to_string(testing::TcpPeer::ClosedPort()));
  main().Show();
  PacketSpotfrm& w = app().Get<PacketSpotfrm>();
  w.Show();
  w.List1.SelectBy(3);
  w.Command1.ClickBy();
  EXPECT_EQ(CountMessages("Unable to connect to the AGW Packet Engine."), 1);
  EXPECT_FALSE(w.Label4.Visible());
  EXPECT_FALSE(w.Timer1.Enabled());
  EXPECT_NE(w.txtUnProcessed.Text().find("- Click Open from this program.\r\n\r\n"), std::string::npos);
}

TEST_F(AgwTest, NoOwnCallNoConnection) {
  settings().OwnCall = "  ";
  main().Show();
  PacketSpotfrm& w = app().Get<PacketSpotfrm>();
  w.Show();
  w.List1.SelectBy(3);
  w.Command1.ClickBy();
  EXPECT_EQ(CountMessages("Call Sign Required!"), 1);
  EXPECT_FALSE(w.Label4.Visible());
}

}  // namespace
}  // namespace ks
