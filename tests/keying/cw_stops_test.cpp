// Messages that the Morse engine stops: a speed outside the range it keys, and a keying port
// whose device goes away in the middle of a message. The line is DTR of a real serial port
// on a pseudo-terminal; the recording line stands in for DTR itself, which a
// pseudo-terminal does not have, and fails as the port's own line does.
#include <gtest/gtest.h>

#include <string>

#include "keying/morse_table.h"
#include "keying/windows/CWFrm.h"
#include "tests/keying/keying_fixture.h"
#include "tests/support/pty_peer.h"

namespace ks::testing {
namespace {

class CWStops : public KeyingTest {
 protected:
  CWStops() {
    peer = std::make_unique<PtyPeer>();
    MapPort(3, peer->SlavePath());
    cw().Text10.SetText("3");
    cw().Option2.SetValue(true);  // DTR
    cw().Text1.SetText("CQ TEST");
    cw().txtCWLoop.SetText("5");  // F1 repeats
    cw().txtCWLoop.LostFocus();
    entry();
  }
  CWFrm& cw() { return app().Get<CWFrm>(); }
  void PressF1() {
    int f1 = 112;
    cw().FKeyCW(f1);
  }
  void Restart() {
    devices->transitions.clear();
    devices->waits.now = 0;
  }
  static std::string Morse(const std::string& text) {
    std::string elements;
    for (const char c : text) elements += CharacterElements(c, 0);
    return elements;
  }
  // Stopped: nothing waits, nothing repeats, no window asked anything.
  void ExpectStopped(const std::string& label) {
    EXPECT_TRUE(keying().CWBuffer.empty()) << label;
    EXPECT_EQ(keying().CWSending, 0) << label;
    EXPECT_EQ(keying().CWRepeat, 0) << label;
    EXPECT_FALSE(cw().tmrRepeat.Enabled()) << label;
    EXPECT_FALSE(LineDownAtEnd()) << label;
    EXPECT_TRUE(h.dialogs().message_boxes.empty()) << label;
    EXPECT_FALSE(cw().Visible()) << label << ": the CW window opened";
  }

  std::unique_ptr<PtyPeer> peer;
};

// At a speed outside 5 to 99 WPM (typed, pasted or read from cw.txt) F1 keys nothing and no
// time passes; one notice says why and names the whole message as not sent. 5 and 99 key.
TEST_F(CWStops, OnlyASpeedFromFiveToNinetyNineKeysAndAnyOtherSaysWhyOnce) {
  for (const char* speed : {"0.00001", "4", "100", "1E-300", "1E300", "0", "-2"}) {
    Restart();
    ClearNotices();
    cw().Text11.SetText(speed);
    PressF1();
    EXPECT_TRUE(devices->transitions.empty()) << speed;
    EXPECT_EQ(devices->waits.now, 0) << speed << ": the program waited";
    EXPECT_EQ(cw().lblNotice.Caption(), "CW stopped, nothing keyed: the speed " + std::string(speed) +
                                            " WPM is not one from 5 to 99 WPM. Not sent: \"CQ TEST\"");
    EXPECT_EQ(entry().lblDialog.Caption(), CWFrm::kSpeedNotice) << speed;
    ExpectStopped(speed);
  }
  for (const double wpm : {5.0, 99.0}) {
    Restart();
    cw().Text11.SetText(std::to_string(static_cast<int>(wpm)));
    PressF1();
    EXPECT_EQ(Elements(1200 / wpm, devices->waits.now), Morse("CQ TEST")) << wpm;
    EXPECT_FALSE(LineDownAtEnd()) << wpm;
    EXPECT_EQ(entry().lblDialog.Caption(), "") << wpm << ": the notice was taken back";
    keying().CWRepeat = 0;
    cw().tmrRepeat.SetEnabled(false);
  }
}

// The arrow keys step the speed below 5 all the same; the engine keys nothing there, and a
// step back to 5 takes the notice back.
TEST_F(CWStops, SteppedBelowFiveTheSpeedKeysNothingUntilSteppedBack) {
  cw().Text11.SetText("5");
  cw().UpDown1_DownClick();
  EXPECT_EQ(cw().Text11.Text(), "4");
  PressF1();
  EXPECT_TRUE(devices->transitions.empty());
  EXPECT_EQ(entry().lblDialog.Caption(), CWFrm::kSpeedNotice);
  cw().UpDown1_UpClick();
  EXPECT_EQ(entry().lblDialog.Caption(), "");
  EXPECT_EQ(cw().lblNotice.Caption(), "");
  PressF1();
  EXPECT_EQ(Elements(240, devices->waits.now), Morse("CQ TEST"));
}

// The far end of the keying port closes after the first character (a USB adapter pulled):
// the rest of the message is dropped with the key up, and the notice says the port was lost,
// with no message box and no CW window. The operator's next F1 tries the port again and
// tells its failure the same way; once the device is back, F1 keys and the notice goes.
TEST_F(CWStops, AKeyingPortLostInTheMiddleOfAMessageStopsItWithTheKeyUpAndNoWindow) {
  cw().Text11.SetText("12");
  h.loop().Post([this] { peer->Hangup(); });  // runs after the first character
  PressF1();
  EXPECT_EQ(Elements(100, devices->waits.now), Morse("C"));
  const std::string lost = cw().lblNotice.Caption();
  EXPECT_EQ(lost.rfind("CW stopped: the DTR line of port 3 is lost (serial device lost: ", 0), 0u) << lost;
  EXPECT_TRUE(lost.ends_with("). Not sent: \"Q TEST\"")) << lost;
  EXPECT_EQ(entry().lblDialog.Caption(), CWFrm::kPortLostNotice);
  ExpectStopped("lost");

  Restart();
  PressF1();
  EXPECT_TRUE(devices->transitions.empty());
  const std::string again = cw().lblNotice.Caption();
  EXPECT_EQ(again.rfind("CW stopped, nothing keyed: serial port 3 cannot be opened (", 0), 0u) << again;
  EXPECT_EQ(entry().lblDialog.Caption(), CWFrm::kPortLostNotice);
  ExpectStopped("tried again");

  peer = std::make_unique<PtyPeer>();  // plugged in again
  MapPort(3, peer->SlavePath());
  PressF1();
  EXPECT_EQ(Elements(100, devices->waits.now), Morse("CQ TEST"));
  EXPECT_EQ(entry().lblDialog.Caption(), "");
  EXPECT_EQ(cw().lblNotice.Caption(), "");
}

}  // namespace
}  // namespace ks::testing
