// The F1 repeats of the CW and voice keyers send from their timers. A repeat that meets a
// device that fails (a CW key or push-to-talk port that cannot be opened, a WinKeyer that
// does not answer, a voice message's file gone) opens no window that waits for an answer,
// since it would take the keys the operator types meanwhile: nothing is sent unkeyed, the
// repeat ends, the keyer window's notice label says what was not sent and why and the main
// window's message label holds a notice. The same failure met by the operator's own F1 is
// still told in its message box where that box asks for a port or a keyer to be set up; a
// voice file that cannot be played is told in the labels then too.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "keying/keying_ports.h"
#include "keying/windows/CWFrm.h"
#include "keying/windows/PhoneFrm.h"
#include "keying/windows/frmWinKey.h"
#include "tests/keying/keying_fixture.h"
#include "tests/keying/simulated_winkeyer.h"
#include "tests/support/pty_peer.h"

namespace ks::testing {
namespace {

class RepeatFromTimer;

struct RepeatCase {
  const char* name;
  void (*set_up)(RepeatFromTimer&);  // F1 set to repeat, its device working or not
  void (*fail)(RepeatFromTimer&);    // between the first F1 and its repeat
  const char* notice_begins;         // the keyer window's notice label
  const char* notice_holds;          // further on in it
  const char* notice;                // the main window's message label
  // The message box of the operator's own F1 on the failed device; null when that F1 is
  // told in the message label as the repeat was.
  const char* box_title;
};

class RepeatFromTimer : public KeyingTest, public ::testing::WithParamInterface<RepeatCase> {
 public:
  using KeyingTest::app;
  using KeyingTest::MapPort;
  using KeyingTest::work;
  RepeatFromTimer() {
    entry();
    cw().Text1.SetText("CQ");
    cw().Text11.SetText("12");
    cw().txtCWLoop.SetText("1");
    cw().txtCWLoop.LostFocus();
    phone().Text1.SetText(WriteWav("cq.wav", 1000));
    phone().txtPHLoop.SetText("1");
    phone().txtPHLoop.LostFocus();
    app().State<Folders>().DataFolder = work();
    // The keyer windows the operator would correct a port in are closed again at once.
    for (const char* window : {"CWFrm", "PhoneFrm"}) {
      for (int i = 0; i < 2; ++i) h.loop().ScriptModal(window, [](forms::Form& form) { form.Hide(); });
    }
  }
  CWFrm& cw() { return app().Get<CWFrm>(); }
  PhoneFrm& phone() { return app().Get<PhoneFrm>(); }
  frmWinKey& wk() { return app().Get<frmWinKey>(); }
  bool voice = false;
  std::string gone() const { return (dir / "gone").string(); }  // a device that is not there
  void PressF1() {
    int key = 112;
    voice ? phone().FKeyPhone(key) : cw().FKeyCW(key);
  }
  const forms::Label& KeyerNotice() { return voice ? phone().lblNotice : cw().lblNotice; }
  bool Repeating() {
    return voice ? keying().PhoneRepeat == 1 || phone().tmrRepeat.Enabled()
                 : keying().CWRepeat == 1 || cw().tmrRepeat.Enabled();
  }

  PtyPeer peer;
  SimulatedWinKeyer winkeyer;
};

TEST_P(RepeatFromTimer, AFailingDeviceEndsTheRepeatWithANoticeAndNoWindow) {
  const RepeatCase& c = GetParam();
  c.set_up(*this);
  PressF1();
  h.Advance(4000);  // the message, then its repeats
  const std::size_t boxes = h.dialogs().message_boxes.size();
  c.fail(*this);
  ClearNotices();
  const std::size_t transitions = devices->transitions.size();
  h.Advance(5000);

  EXPECT_EQ(h.dialogs().message_boxes.size(), boxes) << "a message box opened from the repeat's timer";
  EXPECT_EQ(entry().lblDialog.Caption(), c.notice);
  const std::string notice = KeyerNotice().Caption();
  EXPECT_EQ(notice.rfind(c.notice_begins, 0), 0u) << notice;
  EXPECT_NE(notice.find(c.notice_holds), std::string::npos) << notice;
  for (std::size_t i = transitions; i < devices->transitions.size(); ++i)
    EXPECT_FALSE(devices->transitions[i].down) << "keyed after the failure: " << devices->transitions[i].line;
  EXPECT_FALSE(LineDownAtEnd());
  EXPECT_FALSE(Repeating());

  ClearNotices();
  PressF1();
  if (c.box_title == nullptr) {
    EXPECT_EQ(h.dialogs().message_boxes.size(), boxes) << "the operator's own F1";
    EXPECT_NE(KeyerNotice().Caption().find(c.notice_holds), std::string::npos) << KeyerNotice().Caption();
    EXPECT_EQ(entry().lblDialog.Caption(), c.notice);
    return;
  }
  ASSERT_GT(h.dialogs().message_boxes.size(), boxes) << "the operator's own F1";
  EXPECT_EQ(h.dialogs().message_boxes[boxes].title, c.box_title);
}

INSTANTIATE_TEST_SUITE_P(
    Keyers, RepeatFromTimer,
    ::testing::Values(
        // Another user of the port closed it (as the voice keyer does) and the adapter went.
        RepeatCase{"CWSerialPortGone",
                   [](RepeatFromTimer& t) {
                     t.MapPort(7, t.peer.SlavePath());
                     t.cw().Option2.SetValue(true);  // DTR
                     t.cw().Text10.SetText("7");
                   },
                   [](RepeatFromTimer& t) {
                     KeyingPorts::Close(t.app().State<KeyingPorts>().Comm);
                     t.MapPort(7, t.gone());
                   },
                   "CW stopped, nothing keyed: serial port 7 cannot be opened (", "gone: No such file or directory). Not sent: \"CQ\"",
                   CWFrm::kLineNotice, "Invalid port."},
        // The voice keyer closed the keyer to open its own port, and the keyer was unplugged.
        RepeatCase{"WinKeyerGone",
                   [](RepeatFromTimer& t) {
                     t.MapPort(7, t.winkeyer.SlavePath());
                     t.cw().Option5.SetValue(true);
                     t.wk().txtWKComPort.SetText("7");
                     t.wk().txtWKComPort_LostFocus();
                   },
                   [](RepeatFromTimer& t) {
                     t.wk().cmdCloseWinkey_Click();
                     t.winkeyer.Unplug();
                   },
                   "CW stopped: no WinKeyer answers on com port 7 (", "). Not sent: \"CQ\"", CWFrm::kWinKeyerNotice,
                   "Unable to establish connection with Winkey."},
        RepeatCase{"VoiceFileGone",
                   [](RepeatFromTimer& t) {
                     t.voice = true;
                     t.phone().Option3.SetValue(true);  // push-to-talk on the parallel port
                   },
                   [](RepeatFromTimer& t) { std::filesystem::remove(t.work() / "cq.wav"); },
                   "F1 voice message not played, repeat stopped: ", "cq.wav", PhoneFrm::kNotPlayedNotice, nullptr},
        RepeatCase{"VoicePushToTalkPortGone",
                   [](RepeatFromTimer& t) {
                     t.voice = true;
                     t.MapPort(3, t.peer.SlavePath());
                     t.phone().Option1.SetValue(true);  // RTS
                     t.phone().Text10.SetText("3");
                   },
                   [](RepeatFromTimer& t) {
                     KeyingPorts::Close(t.app().State<KeyingPorts>().CommPhone);
                     t.MapPort(3, t.gone());
                   },
                   "F1 voice message (", ") not played, push-to-talk cannot be keyed: serial port 3 cannot be opened (",
                   PhoneFrm::kNotPlayedNotice, "Invalid port."}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ks::testing
