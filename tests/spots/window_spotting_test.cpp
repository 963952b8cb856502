// The spotting window: sources, control sets, help, PackSpot.txt and the TNC at the far end
// of a pseudo-terminal.
#include <gtest/gtest.h>

#include "platform/io/settings_store.h"
#include "spots/pack_spot_file.h"
#include "tests/spots/spot_fixture.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/pty_peer.h"

namespace ks {
namespace {

using testing::ClusterSpot;

class SpottingWindowTest : public ::testing::Test, public testing::SpotBench {
 protected:
  PacketSpotfrm& Shown() {
    main().Show();
    PacketSpotfrm& w = app().Get<PacketSpotfrm>();
    w.Show();
    return w;
  }
  void Choose(PacketSpotfrm& w, const std::string& source) {
    for (int i = 0; i < w.List1.ListCount(); ++i) {
      if (w.List1.List(i) == source) {
        ASSERT_TRUE(w.List1.SelectBy(i));
      }
    }
  }
};

TEST_F(SpottingWindowTest, ChoosingASourceShowsItsHelpAndEnablesItsControls) {
  PacketSpotfrm& w = Shown();
  EXPECT_FALSE(w.Command1.Enabled());
  Choose(w, "Telnet");
  EXPECT_TRUE(w.txtUnProcessed.Text().starts_with("If you have an Internet connection"));
  EXPECT_EQ(w.txtUnProcessed.Text().find("Kantronics"), std::string::npos);
  EXPECT_TRUE(w.txtTelnetHost.Enabled());
  EXPECT_FALSE(w.txtHex.Enabled());
  EXPECT_EQ(w.Label6.Caption(), "Type text to send and press enter:");
  Choose(w, "None");
  EXPECT_TRUE(w.txtUnProcessed.Text().starts_with("Use this form to configure"));
  EXPECT_FALSE(w.Command1.Enabled());
  EXPECT_FALSE(w.txtTelnetHost.Enabled());
}

TEST_F(SpottingWindowTest, ChoosingTheTNCSetsItsDefaults) {
  PacketSpotfrm& w = Shown();
  w.optBaud48.SetValue(true);
  Choose(w, "TNC");
  EXPECT_TRUE(w.optBaud96.Value());
  EXPECT_TRUE(w.optParityNone.Value());
  EXPECT_TRUE(w.optData8.Value());
  EXPECT_TRUE(w.optStop1.Value());
  EXPECT_TRUE(w.Option3.Value());
  EXPECT_EQ(w.txtHex.Text(), "03");
  EXPECT_TRUE(w.txtUnProcessed.Text().find("Crtl C") != std::string::npos);
}

TEST_F(SpottingWindowTest, DoneSavesTheSettingsAndTheNextRunRestoresThem) {
  PacketSpotfrm& w = Shown();
  Choose(w, "None");
  w.OptList.SetValue(true);
  w.cmdDone.ClickBy();
  EXPECT_FALSE(w.Visible());
  EXPECT_FALSE(w.Label4.Visible());
  const auto read = ReadPackSpotFile(dir().path());
  ASSERT_TRUE(read.complete);
  EXPECT_EQ(read.settings.SpotSource, "None");
  EXPECT_TRUE(read.settings.ListChosen);
  EXPECT_EQ(read.settings.TNCPort, 1);  // written as 0 (never opened), read back as port 1

  w.Unload();
  PacketSpotfrm& again = app().Get<PacketSpotfrm>();
  EXPECT_EQ(again.List1.Text(), "None");
  EXPECT_TRUE(again.OptList.Value());
  EXPECT_FALSE(again.Label4.Visible());
}

TEST_F(SpottingWindowTest, DoneOnAFullDiskSaysSoAndKeepsTheOldFile) {
  PacketSpotfrm& w = Shown();
  Choose(w, "None");
  w.cmdDone.ClickBy();
  const std::string stored = testing::ReadBytes(dir().path() / "PackSpot.txt");
  w.Show();
  w.OptList.SetValue(true);
  {
    testing::FileSizeLimit disk_full(10);
    w.cmdDone.ClickBy();
  }
  EXPECT_EQ(testing::ReadBytes(dir().path() / "PackSpot.txt"), stored);
  // Done stores the station's settings file too: each file that fails is named.
  EXPECT_EQ(CountMessages("Settings Not Saved"), 2);
  int naming = 0;
  for (const auto& m : dialogs().message_boxes) naming += m.text.find("PackSpot.txt") != std::string::npos ? 1 : 0;
  EXPECT_EQ(naming, 1);
}

TEST_F(SpottingWindowTest, SpotLastPreparesASpotOfTheLastContact) {
  main().Show();
  PacketSpotfrm& w = app().Get<PacketSpotfrm>();
  w.Show();
  Choose(w, "Telnet");
  w.Command3.ClickBy();
  EXPECT_EQ(w.txtSent.Text(), "DX Frequency in kHz K3XYZ");
  EXPECT_EQ(w.txtSent.SelText(), "Frequency in kHz");
}

class TncTest : public SpottingWindowTest {
 protected:
  PacketSpotfrm& OpenTnc() {
    app().Settings().SaveSetting("Keystone", "SerialPorts", "Port3", peer_.SlavePath());
    PacketSpotfrm& w = Shown();
    Choose(w, "TNC");
    w.optComm(2).SetValue(true);
    w.Command1.ClickBy();
    EXPECT_TRUE(w.comComm1->IsOpen());
    EXPECT_EQ(w.comComm1->Settings(), "9600,N,8,1");
    EXPECT_TRUE(w.Label4.Visible());
    return w;
  }
  // The TNC sends; the next timer ticks read it.
  void Send(const std::string& bytes) {
    peer_.Write(bytes);
    for (int i = 0; i < 3; ++i) headless().Advance(333);
  }
  testing::PtyPeer peer_;
};

TEST_F(TncTest, SpotLinesSplitAnywhereReachTheListAndRepeatsAreDropped) {
  PacketSpotfrm& w = OpenTnc();
  const std::string text = "cmd:\r\n" + ClusterSpot("W3LPL", "14025.0", "DL1ABC") + "\r\n" + "some chatter\r\n" +
                           ClusterSpot("K1TTT", "7010.5", "VP9XY") + "\r\n" +
                           ClusterSpot("W3LPL", "14025.0", "DL1ABC") + "\r\n";  // a repeat
  std::size_t at = 0;
  for (const std::size_t piece : {7u, 1u, 13u, 40u, 3u, 100u, 1000u}) {
    Send(text.substr(at, piece));
    at = std::min(text.size(), at + piece);
  }
  MainWindow& m = main();
  ASSERT_EQ(m.txtDX.ItemCount(), 2);
  EXPECT_EQ(m.txtDX.Item(1).text, "VP9XY");
  EXPECT_EQ(m.txtDX.Item(1).SubItem(1), "7.0105");
  EXPECT_EQ(m.txtDX.Item(1).SubItem(2), "Bermuda");
  EXPECT_EQ(m.txtDX.Item(2).text, "DL1ABC");
  EXPECT_EQ(m.txtDX.Item(2).SubItem(2), "Germany");
  EXPECT_NE(w.txtUnProcessed.Text().find("some chatter\r\n"), std::string::npos);
}

TEST_F(TncTest, ASpotAfterTheCommandPromptIsListed) {
  PacketSpotfrm& w = OpenTnc();
  Send("cmd:");
  Send(ClusterSpot("W3LPL", "14025.0", "DL1ABC") + "\r\n");
  ASSERT_EQ(main().txtDX.ItemCount(), 1);
  EXPECT_EQ(main().txtDX.Item(1).text, "DL1ABC");
  EXPECT_NE(w.txtUnProcessed.Text().find("cmd:\r\n"), std::string::npos);
  // The prompt and the spot in one read (the prompt, a repeat now, is not shown again).
  const std::string spot = ClusterSpot("K1TTT", "7010.5", "VP9XY") + "\r\n";
  Send("cmd:" + spot);
  ASSERT_EQ(main().txtDX.ItemCount(), 2);
  EXPECT_EQ(main().txtDX.Item(1).text, "VP9XY");
  EXPECT_TRUE(w.txtUnProcessed.Text().ends_with("\r\n" + spot));
}

TEST_F(TncTest, DXOnlyShowsOnlySpotLines) {
  PacketSpotfrm& w = OpenTnc();
  w.chkDX.SetValue(1);
  Send("noise \x01\x02\xff line\r\n" + ClusterSpot("W3LPL", "21010.0", "G4ABC") + "\r\n");
  EXPECT_EQ(w.txtUnProcessed.Text().find("noise"), std::string::npos);
  EXPECT_EQ(main().txtDX.Item(1).SubItem(2), "England");
}

TEST_F(TncTest, TheClickOnAListedSpotFillsTheCallBox) {
  OpenTnc();
  Send(ClusterSpot("W3LPL", "14025.0", "DL1ABC") + "\r\n");
  MainWindow& m = main();
  OpenStrip(true);
  ASSERT_TRUE(m.txtDX.ClickItemBy(1));
  EXPECT_EQ(m.txtCall.Text(), "DL1ABC");
}

TEST_F(TncTest, EscSendsTheCommandCharacter) {
  PacketSpotfrm& w = OpenTnc();
  w.PressKey(27);
  EXPECT_EQ(peer_.ReadAtLeast(1), "\x03");
  EXPECT_TRUE(w.txtSent.HasFocus());
  w.txtSent.SetText("MHEARD");
  w.PressKey(13);
  EXPECT_EQ(peer_.ReadAtLeast(7), "MHEARD\r");
}

TEST_F(TncTest, APortThatCannotOpenIsReportedAndClosed) {
  app().Settings().SaveSetting("Keystone", "SerialPorts", "Port5", (dir() / "no-such-tty").string());
  PacketSpotfrm& w = Shown();
  Choose(w, "TNC");
  w.optComm(4).SetValue(true);
  w.Command1.ClickBy();
  EXPECT_EQ(CountMessages("Invalid Comm Settings."), 1);
  EXPECT_NE(w.txtUnProcessed.Text().find("** Unable to open TNC Serial Port **"), std::string::npos);
  EXPECT_NE(w.txtUnProcessed.Text().find("** Port Closed **"), std::string::npos);
  EXPECT_FALSE(w.Label4.Visible());
  EXPECT_FALSE(w.Timer1.Enabled());
}

// The TNC's adapter is unplugged while spots come in: the spot timer finds the port failed,
// the received text says so and the port is closed, with no message box and no spot timer
// left running on a closed port.
TEST_F(TncTest, APortLostWhileReadingIsToldInTheReceivedTextAndClosed) {
  PacketSpotfrm& w = OpenTnc();
  Send(ClusterSpot("W3LPL", "14025.0", "DL1ABC") + "\r\n");
  ASSERT_EQ(main().txtDX.ItemCount(), 1);
  const std::size_t boxes = dialogs().message_boxes.size();
  peer_.Hangup();
  for (int i = 0; i < 3; ++i) headless().Advance(333);
  const std::string& shown = w.txtUnProcessed.Text();
  const std::size_t told = shown.find("\r\n** The TNC serial port stopped working: serial device lost: ");
  ASSERT_NE(told, std::string::npos) << shown;
  EXPECT_TRUE(shown.ends_with("** Port Closed **")) << shown.substr(told);
  EXPECT_FALSE(w.Label4.Visible());
  EXPECT_FALSE(w.Timer1.Enabled());
  EXPECT_FALSE(w.comComm1->IsOpen());
  EXPECT_EQ(dialogs().message_boxes.size(), boxes);
  EXPECT_EQ(main().txtDX.ItemCount(), 1);
}

// A spot line cut off by closing the port is not the start of the first line that the TNC
// sends once the port is open again: no spot is made of the two.
TEST_F(TncTest, ALineCutByClosingThePortIsNotJoinedToTheFirstLineAfterItOpensAgain) {
  PacketSpotfrm& w = OpenTnc();
  const std::string cut = ClusterSpot("W3LPL", "14025.0", "DL1ABC");
  Send(cut.substr(0, 27));  // up to the spotted call's first letter
  w.Command2.ClickBy();
  w.Command1.ClickBy();
  ASSERT_TRUE(w.comComm1->IsOpen());
  Send("K9XYZ de NODE cmd:\r\n" + ClusterSpot("K1TTT", "7010.5", "VP9XY") + "\r\n");
  MainWindow& m = main();
  ASSERT_EQ(m.txtDX.ItemCount(), 1);
  EXPECT_EQ(m.txtDX.Item(1).text, "VP9XY");
  EXPECT_NE(w.txtUnProcessed.Text().find("K9XYZ de NODE cmd:\r\n"), std::string::npos);
}

TEST_F(TncTest, EachHandshakingOptionSetsItsFlowControlOnTheLine) {
  struct Case {
    forms::OptionButton PacketSpotfrm::*option;
    const char* caption;
    bool rts_cts;
    bool xon_xoff;
    bool rts;
  };
  for (const Case& c : {Case{&PacketSpotfrm::Option1, "None", false, false, false},
                        Case{&PacketSpotfrm::Option2, "Xon Xoff", false, true, false},
                        Case{&PacketSpotfrm::Option3, "RTS", true, false, true},
                        Case{&PacketSpotfrm::Option4, "RTS OnOff", true, true, true}}) {
    PacketSpotfrm& w = OpenTnc();
    ASSERT_EQ((w.*c.option).Caption(), c.caption);
    (w.*c.option).SetValue(true);  // closes the port; Open Port opens it with the option
    w.Command1.ClickBy();
    ASSERT_TRUE(w.comComm1->IsOpen());
    const termios line = peer_.LineSettings();
    EXPECT_EQ((line.c_cflag & CRTSCTS) != 0, c.rts_cts) << c.caption;
    EXPECT_EQ((line.c_iflag & IXON) != 0, c.xon_xoff) << c.caption;
    EXPECT_EQ((line.c_iflag & IXOFF) != 0, c.xon_xoff) << c.caption;
    EXPECT_EQ(w.comComm1->Rts(), c.rts) << c.caption;
    w.Command2.ClickBy();
  }
}

TEST_F(TncTest, ChangingAnOptionClosesThePort) {
  PacketSpotfrm& w = OpenTnc();
  w.optBaud48.SetValue(true);
  EXPECT_FALSE(w.comComm1->IsOpen());
  EXPECT_FALSE(w.Label4.Visible());
  w.Command1.ClickBy();
  EXPECT_EQ(w.comComm1->Settings(), "4800,N,8,1");
}

}  // namespace
}  // namespace ks
