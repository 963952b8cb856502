// The function-key messages: macros, the drain with its echo and notice, a new key or Esc
// in the middle of a message, a keying line that cannot be raised, the F1 repeat and the
// speed steps.
#include <gtest/gtest.h>

#include <functional>

#include "keying/cw_macros.h"
#include "keying/morse_table.h"
#include "keying/windows/CWFrm.h"
#include "tests/keying/keying_fixture.h"
#include "tests/support/pty_peer.h"

namespace ks::testing {
namespace {

TEST(CWMacros, PassesInOrderWithTrimmedValues) {
  std::string rst = "599";
  const auto shorten = [](const std::string& county) { return county == "MONTGOMERY" ? "MGY" : county; };
  EXPECT_EQ(ExpandMacros("TU $ *", {" W3ABC ", "", rst, ""}, shorten), "TU W3ABC 5NN");
  EXPECT_EQ(rst, "5NN");
  EXPECT_EQ(ExpandMacros("$$", {"K3X", "", rst, ""}, shorten), "K3XK3X");
  EXPECT_EQ(ExpandMacros("NR # ^", {"", "007", rst, "MONTGOMERY"}, shorten), "NR 007 MGY");
  EXPECT_EQ(ExpandMacros("^ DE", {"", "", rst, ""}, shorten), " DE");
  // A call holding a macro character is searched by the later passes only.
  EXPECT_EQ(ExpandMacros("$", {"A#", "1", rst, ""}, shorten), "A1");
  std::string report = "579";
  EXPECT_EQ(ExpandMacros("*", {"", "", report, ""}, shorten), "579");
  std::string empty;
  EXPECT_EQ(ExpandMacros("#", {"", "", empty, ""}, shorten), "");
  EXPECT_EQ(empty, "");
}

class SenderTest : public KeyingTest {
 protected:
  SenderTest() {
    cw().Option3.SetValue(true);
    cw().Text11.SetText("12");  // 100 ms units
    entry();
  }
  CWFrm& cw() { return app().Get<CWFrm>(); }
  void Press(int code) { cw().FKeyCW(code); }
  // What the line sent, as text: the characters found again from the element strings.
  std::string Sent() { return Elements(100, devices->waits.now); }
  static std::string Morse(const std::string& text) {
    std::string elements;
    for (const char c : text) elements += CharacterElements(c, 0);
    return elements;
  }
};

TEST_F(SenderTest, FunctionKeyFillsMacrosAndSends) {
  cw().Text5.SetText("TU $ *");
  keying().MacroCall = "K3X";
  keying().MacroRST = "599";
  Press(116);
  EXPECT_EQ(Sent(), Morse("TU K3X 5NN"));
  EXPECT_EQ(keying().MacroRST, "5NN");
  EXPECT_EQ(keying().CWSending, 0);
  EXPECT_TRUE(keying().CWBuffer.empty());
}

// The own county goes out as the code the sponsor's list gives it (the supplied table).
TEST_F(SenderTest, TheCountyMacroSendsTheContestsCountyCode) {
  cw().Text5.SetText("^");
  for (auto [county, code] : {std::pair{"MONTGOMERY", "MGY"}, {"MONROE", "MOE"}, {"MONTOUR", "MTR"},
                              {"NORTHAMPTON", "NHA"}, {"ELK", "ELK"}}) {
    devices->transitions.clear();
    keying().MacroCounty = county;
    Press(116);
    EXPECT_EQ(Sent(), Morse(code)) << county;
  }
}

TEST_F(SenderTest, KeysSelectTheirMessages) {
  cw().Text12.SetText("E");
  cw().Text13.SetText("T");
  Press(124);
  EXPECT_EQ(Sent(), "1000");
  Press(122);
  EXPECT_EQ(Sent(), "1000" "111000");
  Press(121);  // F10 itself is not a message key
  Press(123);
  EXPECT_EQ(devices->transitions.size(), 4u);
}

TEST_F(SenderTest, EmptyMessageOrNoKeyingEmptiesTheBufferAndSendsNothing) {
  keying().CWBuffer = "WAITING";
  Press(113);
  EXPECT_TRUE(keying().CWBuffer.empty());
  cw().Text2.SetText("E");
  keying().CWKeying = kKeyingNone;
  Press(113);
  EXPECT_TRUE(devices->transitions.empty());
}

TEST_F(SenderTest, EchoShrinksThenShowsTheNotice) {
  std::vector<std::string> captions;
  entry().lblDialog.Change = [&] { captions.push_back(entry().lblDialog.Caption()); };
  cw().Text1.SetText("ABC");
  Press(112);
  EXPECT_EQ(captions, (std::vector<std::string>{"BC", "C", ""}));
  keying().KeyboardCW = 1;
  Press(112);
  EXPECT_EQ(entry().lblDialog.Caption(), "Keyboard CW Mode is on.  Press F12 to exit.");
  cw().Check1.SetValue(0);
  entry().lblDialog.SetCaption("kept");
  Press(112);
  EXPECT_EQ(entry().lblDialog.Caption(), "kept");
}

TEST_F(SenderTest, EmptiedBufferStopsAfterTheCharacterInHandWithTheLineUp) {
  cw().Text1.SetText("EEEE");
  // What Esc does while Morse is being sent: the buffer is emptied between characters.
  h.loop().Post([this] { keying().CWBuffer.clear(); });
  Press(112);
  EXPECT_EQ(Sent(), "1000");
  EXPECT_FALSE(LineDownAtEnd());
  EXPECT_EQ(keying().CWSending, 0);
}

// A parallel port that refuses key-ups leaves the transmitter keyed until one succeeds:
// each way out of a character tries the release again, however many tries before it failed.
TEST_F(SenderTest, AFailedKeyUpIsTriedAgainOnEveryWayOutUntilTheLineIsUp) {
  const struct {
    const char* way_out;
    int refused;  // key-ups the port refuses
    std::function<void()> send;
    const char* sent;
  } cases[] = {
      // A refused key-up ends the character there, so its letter space is not sent.
      {"the character's end", 1, [this] { cw().Transmit('E'); }, "1"},
      {"the message's end", 2, [this] { cw().Text1.SetText("E"); Press(112); }, "1"},
      {"Esc", 2,
       [this] {
         cw().Text1.SetText("EEEE");
         h.loop().Post([this] { keying().CWBuffer.clear(); });
         Press(112);
       },
       "1"},
      {"a character sent after it", 2, [this] { cw().Transmit('E'); cw().Transmit('T'); }, "1111000"},
      {"the window's unload", 3,
       [this] {
         cw().Text1.SetText("E");
         Press(112);
         EXPECT_TRUE(LineDownAtEnd()) << "the port still refuses";
         cw().Unload();
       },
       "1"},
  };
  for (const auto& c : cases) {
    devices->transitions.clear();
    devices->waits.now = 0;
    devices->failing_key_ups = c.refused;
    devices->key_up_tries = 0;
    c.send();
    EXPECT_FALSE(LineDownAtEnd()) << c.way_out;
    EXPECT_EQ(devices->key_up_tries, c.refused + 1) << c.way_out << ": released by the last way out, not before";
    EXPECT_EQ(Sent(), c.sent) << c.way_out;
  }
}

// A key-up the parallel port refuses in the middle of a message: the rest of the message is
// not keyed on a line that did not come up (it would key the transmitter through it), the F1
// repeat ends, and both notices say why, with no window; the character whose key-up failed
// did not go out as itself and counts as not sent. The drain's end releases the line.
TEST_F(SenderTest, AKeyUpRefusedInTheMiddleOfAMessageStopsItAndSaysWhy) {
  cw().Text1.SetText("TEST");
  cw().txtCWLoop.SetText("5");
  cw().txtCWLoop.LostFocus();
  devices->failing_key_ups = 2;  // the dash's end and the character's own release
  Press(112);
  EXPECT_EQ(Sent(), "111");
  EXPECT_FALSE(LineDownAtEnd());
  EXPECT_EQ(cw().lblNotice.Caption(),
            "CW stopped: the parallel port's line cannot be lowered: the device refused the write. Not sent: \"TEST\"");
  EXPECT_EQ(entry().lblDialog.Caption(), CWFrm::kLineNotice);
  EXPECT_TRUE(keying().CWBuffer.empty());
  EXPECT_EQ(keying().CWSending, 0);
  EXPECT_EQ(keying().CWRepeat, 0);
  EXPECT_FALSE(cw().tmrRepeat.Enabled());
  EXPECT_TRUE(h.dialogs().message_boxes.empty());

  // The port works again: the next F1 keys the whole message and the notices go.
  devices->transitions.clear();
  devices->waits.now = 0;
  Press(112);
  EXPECT_EQ(Sent(), Morse("TEST"));
  EXPECT_EQ(cw().lblNotice.Caption(), "");
  EXPECT_EQ(entry().lblDialog.Caption(), "");
}

// A keying line that cannot be raised stops the message at its first character: nothing is
// sent unkeyed (no time passes), the F1 repeat ends, the CW window's notice label says why
// and what was not sent and the main window's message label holds a notice, with no window
// that waits for an answer (the sender runs from timers too). Serial lines are the program's own on a pseudo-terminal, which has no
// modem-control lines, as a three-wire port or adapter has none.
TEST_F(SenderTest, ALineThatCannotBeRaisedStopsTheMessageAndSaysWhatWasNotSent) {
  PtyPeer peer;
  MapPort(3, peer.SlavePath());
  devices->modem_lines = false;
  cw().Text10.SetText("3");
  cw().Text1.SetText("CQ TEST");
  cw().txtCWLoop.SetText("5");
  cw().txtCWLoop.LostFocus();
  const struct {
    const char* line;
    std::function<void()> choose;
    std::function<void()> press;
    const char* notice;
    const char* sent;
  } cases[] = {
      {"RTS", [this] { cw().Option1.SetValue(true); }, [this] { Press(112); },
       "CW stopped, nothing keyed: the RTS line of port 3 cannot be raised: the port has no modem-control lines. "
       "Not sent: \"CQ TEST\"",
       ""},
      {"DTR", [this] { cw().Option2.SetValue(true); }, [this] { Press(112); },
       "CW stopped, nothing keyed: the DTR line of port 3 cannot be raised: the port has no modem-control lines. "
       "Not sent: \"CQ TEST\"",
       ""},
      {"a parallel port that cannot be opened",
       [this] {
         cw().Option3.SetValue(true);
         cw().Text14.SetText("&H3BC");
       },
       [this] { Press(112); },
       "CW stopped, nothing keyed: the parallel port at &H3BC cannot be used: no port there. Not sent: \"CQ TEST\"",
       ""},
      // F1 pressed while F2 is sent on a port that works, with the address changed meanwhile:
      // the notice stays when the interrupted F2 ends after it.
      {"a message started in the middle of another",
       [this] {
         cw().Option3.SetValue(true);
         cw().Text14.SetText("&H378");
         cw().Text2.SetText("TTT");
       },
       [this] {
         h.loop().Post([this] {
           cw().Text14.SetText("&H3BC");
           Press(112);
         });
         Press(113);
       },
       "CW stopped, nothing keyed: the parallel port at &H3BC cannot be used: no port there. Not sent: \"CQ TEST\"",
       "111000"},
  };
  for (const auto& c : cases) {
    devices->transitions.clear();
    devices->waits.now = 0;
    ClearNotices();
    c.choose();
    c.press();
    EXPECT_EQ(cw().lblNotice.Caption(), c.notice) << c.line;
    EXPECT_EQ(entry().lblDialog.Caption(), CWFrm::kLineNotice) << c.line;
    EXPECT_EQ(Sent(), c.sent) << c.line;
    EXPECT_DOUBLE_EQ(devices->waits.now, 100.0 * static_cast<double>(std::string(c.sent).size()))
        << c.line << ": time passed as if the rest were sent unkeyed";
    EXPECT_TRUE(keying().CWBuffer.empty()) << c.line;
    EXPECT_EQ(keying().CWSending, 0) << c.line;
    EXPECT_EQ(keying().CWRepeat, 0) << c.line;
    EXPECT_FALSE(cw().tmrRepeat.Enabled()) << c.line;
    EXPECT_TRUE(h.dialogs().message_boxes.empty()) << c.line;
  }
}

// The operator moves the keying to another parallel-port address while the old port still
// refuses the key-up: the old line is released again at the end of the next message.
TEST_F(SenderTest, ALineLeftDownAtAnOldParallelAddressIsStillReleased) {
  cw().Text1.SetText("E");
  devices->failing_key_ups = 4;  // the character, its own release, the drain's end, the change
  Press(112);
  EXPECT_TRUE(LineDownAtEnd());
  cw().Text14.SetText("&H278");
  Press(112);
  EXPECT_EQ(devices->failing_key_ups, 0);
  // E on the new port, then the old one released at the end of that message.
  EXPECT_EQ(Timeline(), (std::vector<std::string>{"LPT+ 0.0", "LPT2+ 100.0", "LPT2- 200.0", "LPT- 500.0"}));
}

TEST_F(SenderTest, NewKeyReplacesTheRestOfAMessage) {
  cw().Text2.SetText("TTT");
  cw().Text3.SetText("E");
  h.loop().Post([this] { Press(114); });
  Press(113);
  EXPECT_EQ(Sent(), "111000" "1000");
}

TEST_F(SenderTest, ExclamationInAMessageLogsBetweenCharacters) {
  entry().txtCall.SetText("W3ABC");
  cw().Text4.SetText("E!T");
  Press(115);
  EXPECT_EQ(entry().mains, 1);
  EXPECT_EQ(Sent(), "1000" "111000");
}

TEST_F(SenderTest, FirstKeyRepeatsAfterItsIntervalUntilStopped) {
  cw().Text1.SetText("E");
  cw().txtCWLoop.SetText("5");
  cw().txtCWLoop.LostFocus();
  EXPECT_EQ(cw().tmrRepeat.Interval(), 5000);
  Press(112);
  EXPECT_EQ(keying().CWRepeat, 1);
  EXPECT_TRUE(cw().tmrRepeat.Enabled());
  h.Advance(4999);
  EXPECT_EQ(devices->transitions.size(), 2u);
  h.Advance(1);
  EXPECT_EQ(devices->transitions.size(), 4u);
  // Any key on the main window stops it.
  keying().CWRepeat = 0;
  cw().tmrRepeat.SetEnabled(false);
  h.Advance(20000);
  EXPECT_EQ(devices->transitions.size(), 4u);
}

TEST_F(SenderTest, NoRepeatAtZeroSeconds) {
  cw().Text1.SetText("E");
  Press(112);
  EXPECT_EQ(keying().CWRepeat, 0);
  EXPECT_FALSE(cw().tmrRepeat.Enabled());
}

TEST_F(SenderTest, SpeedStepsHaveNoBound) {
  const struct {
    const char* start;
    int up;
    const char* result;
  } cases[] = {{"13", 1, "14"}, {"12.5", 1, "13.5"}, {"1", -1, "0"}, {"0", -1, "-1"}, {"abc", 1, "abc"}};
  for (const auto& c : cases) {
    cw().Text11.SetText(c.start);
    c.up > 0 ? cw().UpDown1_UpClick() : cw().UpDown1_DownClick();
    EXPECT_EQ(cw().Text11.Text(), c.result) << c.start;
  }
}

}  // namespace
}  // namespace ks::testing
