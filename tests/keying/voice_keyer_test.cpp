// The voice keyer: a message played with push-to-talk up during the play and down after,
// the repeat, Stop, a new key during a message, files that cannot be played, push-to-talk
// that cannot be raised or is left down at an old address, and wave2.txt written by Done
// and read back.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>

#include "keying/keyer_files.h"
#include "keying/keyer_services.h"
#include "keying/windows/PhoneFrm.h"
#include "tests/keying/keying_fixture.h"
#include "tests/support/idle_fifo.h"
#include "tests/support/pty_peer.h"

namespace ks::testing {
namespace {

class VoiceKeyerTest : public KeyingTest {
 protected:
  VoiceKeyerTest() {
    phone().Option3.SetValue(true);  // push-to-talk on the parallel port
    phone().Text1.SetText(WriteWav("cq.wav", 1000));
  }
  PhoneFrm& phone() { return app().Get<PhoneFrm>(); }
  void Press(int code) { phone().FKeyPhone(code); }
  bool Keyed() const { return LineDownAtEnd(); }
};

TEST_F(VoiceKeyerTest, PushToTalkIsUpWhileTheMessagePlays) {
  Press(112);
  EXPECT_TRUE(Keyed());
  EXPECT_TRUE(Keyers(app()).VoicePlaying());
  h.Advance(999);
  EXPECT_TRUE(Keyed());
  h.Advance(41);  // the watch sees the end within 40 ms
  EXPECT_FALSE(Keyed());
  EXPECT_FALSE(phone().Timer1.Enabled());
  EXPECT_EQ(devices->players.at(0)->played, (std::vector<std::string>{(work() / "cq.wav").string()}));
}

TEST_F(VoiceKeyerTest, SerialPortAndParallelBothKey) {
  PtyPeer peer;
  MapPort(3, peer.SlavePath());
  phone().Text10.SetText("3");
  Press(112);
  EXPECT_EQ(Timeline().size(), 2u);  // RTS and the parallel line
  EXPECT_EQ(Timeline()[0].substr(0, 4), "RTS+");
  h.Advance(1100);
  EXPECT_EQ(Timeline().size(), 4u);
  EXPECT_FALSE(devices->transitions[2].down);
  EXPECT_FALSE(devices->transitions[3].down);
}

// The push-to-talk port's far end closes while F1 plays (a USB adapter pulled): the watch
// finds it within a tick, the message stops with push-to-talk released where it can be, and
// the notice says so, with no window. The next F1 tries the port again and tells its
// failure the same way; once the device is back, F1 plays and the notice goes.
TEST_F(VoiceKeyerTest, APushToTalkPortLostWhileAMessagePlaysStopsItWithNoWindow) {
  phone().Option3.SetValue(false);
  phone().Option1.SetValue(true);  // RTS only
  auto peer = std::make_unique<PtyPeer>();
  MapPort(3, peer->SlavePath());
  phone().Text10.SetText("3");
  phone().txtPHLoop.SetText("1");
  phone().txtPHLoop.LostFocus();
  entry();
  Press(112);
  h.Advance(400);
  ASSERT_TRUE(Keyed());
  peer->Hangup();
  h.Advance(40);
  EXPECT_FALSE(Keyers(app()).VoicePlaying());
  EXPECT_FALSE(Keyed());
  EXPECT_FALSE(phone().Timer1.Enabled());
  EXPECT_EQ(keying().PhoneRepeat, 0);
  EXPECT_FALSE(phone().tmrRepeat.Enabled());
  const std::string lost = phone().lblNotice.Caption();
  EXPECT_EQ(lost.rfind("F1 voice message stopped: push-to-talk on serial port 3 is lost (serial device lost: ", 0), 0u)
      << lost;
  EXPECT_EQ(entry().lblDialog.Caption(), PhoneFrm::kPortLostNotice);

  Press(112);
  EXPECT_FALSE(Keyers(app()).VoicePlaying());
  EXPECT_NE(phone().lblNotice.Caption().find("serial port 3 cannot be opened ("), std::string::npos)
      << phone().lblNotice.Caption();
  EXPECT_EQ(entry().lblDialog.Caption(), PhoneFrm::kPortLostNotice);
  EXPECT_TRUE(h.dialogs().message_boxes.empty());
  EXPECT_FALSE(phone().Visible()) << "the voice keyer's window opened";

  peer = std::make_unique<PtyPeer>();  // plugged in again
  MapPort(3, peer->SlavePath());
  Press(112);
  EXPECT_TRUE(Keyed());
  EXPECT_TRUE(Keyers(app()).VoicePlaying());
  EXPECT_EQ(entry().lblDialog.Caption(), "");
}

TEST_F(VoiceKeyerTest, FirstKeyRepeatsFromTheEndOfItsMessage) {
  phone().txtPHLoop.SetText("0.5");
  phone().txtPHLoop.LostFocus();
  EXPECT_EQ(phone().tmrRepeat.Interval(), 500);
  Press(112);
  EXPECT_EQ(keying().PhoneRepeat, 1);
  h.Advance(1040 + 500);
  EXPECT_TRUE(Keyed());
  EXPECT_EQ(devices->players.at(0)->played.size(), 2u);
}

TEST_F(VoiceKeyerTest, StopDropsTheLineWithinATick) {
  Press(112);
  keying().PhoneRepeat = 0;  // what any key on the main window does
  Keyers(app()).StopVoice();
  h.Advance(40);
  EXPECT_FALSE(Keyed());
  h.Advance(60000);
  EXPECT_EQ(devices->players.at(0)->played.size(), 1u);
}

TEST_F(VoiceKeyerTest, NewKeyDuringAMessageKeepsTheLineUp) {
  phone().Text3.SetText(WriteWav("f3.wav", 2000));
  Press(112);
  h.Advance(500);
  Press(114);
  h.Advance(1000);
  EXPECT_TRUE(Keyed());
  EXPECT_EQ(devices->transitions.size(), 1u);
  h.Advance(1040);
  EXPECT_FALSE(Keyed());
}

// A file that cannot be played is refused before push-to-talk rises, on the serial line and
// the parallel port alike; a named pipe that no one writes to is refused at once. The
// operator is told in the main window's message label and the voice window's notice label,
// without a window that would take the keys typed after the function key.
TEST_F(VoiceKeyerTest, FileThatCannotPlayIsRefusedBeforePushToTalkRises) {
  PtyPeer peer;
  MapPort(3, peer.SlavePath());
  phone().Text10.SetText("3");
  WriteBytes(work() / "broken.wav", "RIFF....WAVEjunk");
  std::filesystem::create_directory(work() / "folder.wav");
  IdleFifo fifo(work() / "pipe.wav");
  const std::string paths[] = {(work() / "missing.wav").string(), (work() / "broken.wav").string(),
                               fifo.path().string(), (work() / "folder.wav").string(), "/dev/null"};
  entry();
  for (const std::string& path : paths) {
    ClearNotices();
    phone().Text2.SetText(path);
    {
      IdleFifo::Watch watch(fifo, std::chrono::milliseconds(1000));
      Press(113);
    }
    EXPECT_TRUE(devices->transitions.empty()) << path << ": push-to-talk rose";
    EXPECT_FALSE(phone().Timer1.Enabled());
    const std::string notice = phone().lblNotice.Caption();
    EXPECT_EQ(notice.rfind("F2 voice message not played: " + path, 0), 0u) << notice;
    EXPECT_EQ(entry().lblDialog.Caption(), PhoneFrm::kNotPlayedNotice);
  }
  EXPECT_TRUE(h.dialogs().message_boxes.empty());
  EXPECT_FALSE(fifo.WaitedOn());
  EXPECT_NE(phone().lblNotice.Caption().find("a device"), std::string::npos);
}

// A key-up that the parallel port refuses keeps push-to-talk up in the books: the watch
// tries again at each tick until the line is down.
TEST_F(VoiceKeyerTest, RefusedReleaseIsTriedAgainAtEachTick) {
  devices->failing_key_ups = 2;
  Press(112);
  h.Advance(1000);  // the message has ended; the first release is refused
  EXPECT_TRUE(Keyed());
  EXPECT_TRUE(phone().Timer1.Enabled());
  h.Advance(80);  // refused once more, then released
  EXPECT_FALSE(Keyed());
  EXPECT_EQ(devices->key_up_tries, 3);
  EXPECT_FALSE(phone().Timer1.Enabled());
}

// Push-to-talk that cannot be raised: the message is not played unkeyed, the F1 repeat
// ends, and the main window's message label and the voice window's notice label (where the
// operator who pressed Test looks) say which message and why, with no window that waits for
// an answer (the repeat plays from a timer). Serial lines are the program's own on a
// pseudo-terminal, which has no modem-control lines, as a three-wire port or adapter.
TEST_F(VoiceKeyerTest, PushToTalkThatCannotBeRaisedPlaysNothingAndSaysSo) {
  PtyPeer peer;
  MapPort(3, peer.SlavePath());
  devices->modem_lines = false;
  entry();
  phone().txtPHLoop.SetText("0.5");
  phone().txtPHLoop.LostFocus();
  const std::string no_lines = "F1 voice message (" + (work() / "cq.wav").string() +
                               ") not played, push-to-talk cannot be keyed: the ";
  const struct {
    const char* line;
    std::function<void()> choose;
    std::function<void()> press;
    std::string notice;
    std::size_t played;  // messages played before
  } cases[] = {
      {"RTS", [this] { phone().Option1.SetValue(true); phone().Text10.SetText("3"); }, [this] { Press(112); },
       no_lines + "RTS line of port 3 cannot be raised: the port has no modem-control lines.", 0},
      {"DTR", [this] { phone().Option2.SetValue(true); }, [this] { Press(112); },
       no_lines + "DTR line of port 3 cannot be raised: the port has no modem-control lines.", 0},
      {"Test", [] {}, [this] { phone().Command11.Press(); },
       no_lines + "DTR line of port 3 cannot be raised: the port has no modem-control lines.", 0},
      {"a parallel port that cannot be opened",
       [this] {
         phone().Option3.SetValue(true);
         phone().Text10.SetText("0");
         phone().Text11.SetText("&H3BC");
       },
       [this] { Press(112); }, no_lines + "parallel port at &H3BC cannot be used: no port there.", 0},
      // F1 plays on a port that works; its repeat, played by the timer, finds the address changed.
      {"the repeat",
       [this] { phone().Text11.SetText("&H378"); },
       [this] {
         Press(112);
         h.Advance(1040);
         phone().Text11.SetText("&H3BC");
         h.Advance(500);
       },
       no_lines + "parallel port at &H3BC cannot be used: no port there.", 1},
  };
  for (const auto& c : cases) {
    ClearNotices();
    phone().lblNotice.SetCaption("");
    c.choose();
    const std::size_t played = devices->players.empty() ? 0 : devices->players[0]->played.size();
    c.press();
    EXPECT_EQ(entry().lblDialog.Caption(), PhoneFrm::kNotPlayedNotice) << c.line;
    EXPECT_EQ((devices->players.empty() ? 0 : devices->players[0]->played.size()) - played, c.played) << c.line;
    EXPECT_FALSE(Keyed()) << c.line;
    EXPECT_FALSE(phone().Timer1.Enabled()) << c.line;
    EXPECT_EQ(keying().PhoneRepeat, 0) << c.line;
    EXPECT_FALSE(phone().tmrRepeat.Enabled()) << c.line;
    EXPECT_EQ(phone().lblNotice.Caption(), c.notice) << c.line;
    EXPECT_TRUE(h.dialogs().message_boxes.empty()) << c.line;
  }
}

// The operator moves push-to-talk to another parallel-port address while the old port
// still refuses the key-up: the old line is released once the next message ends.
TEST_F(VoiceKeyerTest, ALineLeftDownAtAnOldParallelAddressIsStillReleased) {
  phone().Text2.SetText(WriteWav("qrz.wav", 500));
  devices->failing_key_ups = 3;
  Press(112);
  h.Advance(1040);  // the message has ended; its release is refused
  EXPECT_EQ(LastState("LPT"), "+");
  phone().Text11.SetText("&H278");
  Press(113);  // the old line's release is refused again
  EXPECT_EQ(LastState("LPT2"), "+");
  h.Advance(500 + 80);
  EXPECT_EQ(LastState("LPT"), "-") << "the old port was left keyed";
  EXPECT_EQ(LastState("LPT2"), "-");
  EXPECT_FALSE(phone().Timer1.Enabled());
}

TEST_F(VoiceKeyerTest, EmptyPathKeysNothingButMayStillSetTheRepeat) {
  phone().Text1.SetText("   ");
  phone().txtPHLoop.SetText("5");
  Press(112);
  EXPECT_TRUE(devices->transitions.empty());
  EXPECT_EQ(keying().PhoneRepeat, 1);
  EXPECT_TRUE(h.dialogs().message_boxes.empty());
  Press(121);  // not a message key
  EXPECT_TRUE(devices->transitions.empty());
}

TEST_F(VoiceKeyerTest, UnloadDropsTheLine) {
  Press(112);
  phone().Unload();
  EXPECT_FALSE(Keyed());
}

TEST_F(VoiceKeyerTest, DoneWritesThirteenValuesThatReadBack) {
  phone().Text2.SetText("  f2.wav ");
  phone().Option2.SetValue(true);
  phone().txtPHLoop.SetText("2.5");
  phone().Text11.SetText("&H278");
  phone().Command1.Press();
  const std::string text = ReadBytes(work() / "wave2.txt");
  EXPECT_NE(text.find("\"f2.wav\"\r\n"), std::string::npos);
  EXPECT_NE(text.find("\"0\"\r\n1\r\n\"2.5\"\r\n\"&H278\"\r\n"), std::string::npos) << text;

  forms::Headless again;
  again.app().State<Folders>().WorkingDir = work();
  ASSERT_TRUE(LoadWaveSettings(again.app()));
  PhoneFrm& read = again.app().Get<PhoneFrm>();
  EXPECT_EQ(read.Text2.Text(), "f2.wav");
  EXPECT_TRUE(read.Option2.Value());
  EXPECT_EQ(read.tmrRepeat.Interval(), 2500);
  EXPECT_EQ(read.Text11.Text(), "&H278");
}

TEST_F(VoiceKeyerTest, DoneWithDesignValues) {
  forms::Headless fresh;
  fresh.app().State<Folders>().WorkingDir = work();
  fresh.app().Get<PhoneFrm>().Command1.Press();
  std::string expected;
  for (int i = 0; i < 9; ++i) expected += "\"\"\r\n";
  expected += "\"0\"\r\n0\r\n\"0\"\r\n\"&H378\"\r\n";
  EXPECT_EQ(ReadBytes(work() / "wave2.txt"), expected);
}

TEST_F(VoiceKeyerTest, DoneKeepsAFileTheSetupCouldNotRead) {
  WriteBytes(work() / "wave2.txt", "\"kept\"\r\n");
  keying().WaveFileSkipped = true;
  phone().Command1.Press();
  EXPECT_EQ(ReadBytes(work() / "wave2.txt"), "\"kept\"\r\n");
  EXPECT_EQ(h.dialogs().message_boxes.size(), 1u);
}

TEST_F(VoiceKeyerTest, InvalidPortIsReported) {
  MapPort(4, (dir / "none").string());
  phone().Text10.SetText("4");
  h.loop().ScriptModal("PhoneFrm", [](forms::Form& form) { form.Hide(); });
  phone().Text10.LostFocus();
  ASSERT_EQ(h.dialogs().message_boxes.size(), 1u);
  EXPECT_EQ(h.dialogs().message_boxes[0].text,
            "The port you have selected for Phone keying is invalid.  Please select another or enter 0 for none.");
  EXPECT_EQ(h.dialogs().message_boxes[0].title, "Invalid port.");
}

}  // namespace
}  // namespace ks::testing
