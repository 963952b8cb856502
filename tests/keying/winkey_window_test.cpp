// The WinKeyer window driven as an operator drives it, with a simulated keyer on a
// pseudo-terminal: F1 through the keyer with the set speed and weight, Stop, a keyer that
// falls silent or is unplugged in the middle of a message, one that never answers, and WK.txt.
#include <gtest/gtest.h>

#include <string>

#include "keying/windows/CWFrm.h"
#include "keying/windows/frmWinKey.h"
#include "tests/keying/keying_fixture.h"
#include "tests/keying/simulated_winkeyer.h"

namespace ks::testing {
namespace {

class WinKeyWindowTest : public KeyingTest {
 protected:
  WinKeyWindowTest() {
    app().State<Folders>().DataFolder = work();
    app().State<StationSettings>().OwnCall = "K3ABC";
    entry();
    cw().Text11.SetText("22");
  }
  CWFrm& cw() { return app().Get<CWFrm>(); }
  frmWinKey& wk() { return app().Get<frmWinKey>(); }
  void PressF1() {
    int key = 112;
    cw().FKeyCW(key);
  }
  // The WinKey keying option chosen, with the keyer on port 7.
  void ChooseKeyerOn(const SimulatedWinKeyer& sim) {
    MapPort(7, sim.SlavePath());
    cw().Option5.SetValue(true);
    ASSERT_EQ(keying().CWKeying, kKeyingWinKeyer);
    wk().txtWKComPort.SetText("7");
    wk().txtWKComPort_LostFocus();
  }
  int MessagesTitled(const std::string& title) {
    int n = 0;
    for (const auto& m : h.dialogs().message_boxes) n += m.title == title ? 1 : 0;
    return n;
  }
};

TEST_F(WinKeyWindowTest, F1OpensTheKeyerSendsItsSettingsThenTheMessageAndStopClearsIt) {
  SimulatedWinKeyer sim;
  ChooseKeyerOn(sim);
  EXPECT_EQ(wk().txtWKWPM.Text(), "22") << "the speed comes from the CW window";
  wk().txtWKWPM.SetText("25");
  wk().txtWeight.SetText("45");
  cw().Text1.SetText("CQ TEST");
  PressF1();
  const std::string expected =
      "00 04 55 00 02 "                                     // echo test, host open
      "02 19 03 2D 04 00 00 17 32 09 06 0E 00 "             // speed 25, weight 45, lead/tail, ratio, pin 5, mode
      "43 51 20 54 45 53 54";                               // CQ TEST
  EXPECT_EQ(Hex(sim.Received(25)), expected);
  EXPECT_EQ(wk().lblOpenStatus.Caption(), "WK Success!");
  EXPECT_EQ(wk().lblVersion.Caption(), "Version # 31");
  EXPECT_EQ(keying().WinKeyVersion, 31);
  EXPECT_TRUE(keying().CWBuffer.empty());

  wk().Show();
  EXPECT_TRUE(wk().cmdStop.ClickBy());
  EXPECT_EQ(wk().wk_getstatus(), 0);
  EXPECT_EQ(Hex(sim.Received(26)), expected + " 0A");
  EXPECT_TRUE(h.dialogs().message_boxes.empty());
}

// The CW window's speed box reaches an open keyer only from 5 to 99 WPM, the keyer's range;
// values of any size in the keyer window's boxes (read from WK.txt or cw.txt) send nothing
// where they are out of range.
TEST_F(WinKeyWindowTest, SpeedsOfAnySizeReachTheKeyerOnlyInItsRange) {
  SimulatedWinKeyer sim;
  ChooseKeyerOn(sim);
  wk().cmdOpenWinkey_Click();
  const std::size_t opened = sim.Received(18).size();  // the open and every setting
  // The line keeps the order of what is written: nothing may come before the speeds in range.
  for (const char* speed : {"4", "4.5", "99.5", "100", "0.00001", "1E300", "-1E300", "1E-300"}) cw().Text11.SetText(speed);
  cw().Text11.SetText("5");
  for (forms::TextBox* box : {&wk().txtWKWPM, &wk().txtWeight, &wk().txtRatio, &wk().txtLeadIn, &wk().txtTail}) {
    for (const char* huge : {"1E300", "-1E300"}) {
      box->SetText(huge);
      box->LostFocus();
    }
  }
  cw().Text11.SetText("99");
  EXPECT_EQ(Hex(sim.Received(opened + 4).substr(opened)), "02 05 02 63");
  EXPECT_EQ(wk().txtLeadIn.Text(), "0");
  EXPECT_EQ(wk().txtTail.Text(), "0");
}

// Closed by its close box, the window is hidden as by Done: the keyer stays open and the
// next message goes to it; the window's unload closes it.
TEST_F(WinKeyWindowTest, TheCloseBoxHidesTheWindowAndTheKeyerStaysOpen) {
  SimulatedWinKeyer sim;
  ChooseKeyerOn(sim);
  cw().Text1.SetText("CQ");
  PressF1();
  const std::string opening = "00 04 55 00 02 02 16 03 32 04 00 00 17 32 09 06 0E 00 ";
  ASSERT_EQ(Hex(sim.Received(20)), opening + "43 51");
  wk().Show();
  EXPECT_TRUE(wk().CloseBy());
  EXPECT_FALSE(wk().Visible());
  EXPECT_EQ(wk().lblOpenStatus.Caption(), "WK Success!");
  EXPECT_EQ(keying().WinKeyVersion, 31);
  PressF1();
  EXPECT_EQ(Hex(sim.Received(22)), opening + "43 51 43 51") << "sent without opening the keyer again";
  wk().Unload();
  EXPECT_EQ(Hex(sim.Received(24)), opening + "43 51 43 51 00 03");
  EXPECT_TRUE(h.dialogs().message_boxes.empty());
}

// The CW window's prosign keys have no character of the keyer's own: each goes as the two
// letters merged into one sign.
TEST_F(WinKeyWindowTest, ProsignsReachTheKeyerAsMergedLetters) {
  SimulatedWinKeyer sim;
  ChooseKeyerOn(sim);
  cw().Text1.SetText("K[ ]\\");
  PressF1();
  const std::string opening = "00 04 55 00 02 02 16 03 32 04 00 00 17 32 09 06 0E 00 ";
  EXPECT_EQ(Hex(sim.Received(29)), opening + "4B 1B 41 52 20 1B 53 4B 1B 43 4C");  // K, AR, blank, SK, CL
  EXPECT_TRUE(keying().CWBuffer.empty());
}

TEST_F(WinKeyWindowTest, AKeyerUnpluggedOrSilentInTheMiddleOfAMessageIsToldWithoutAHang) {
  for (const bool unplug : {true, false}) {
    SCOPED_TRACE(unplug ? "unplugged" : "silent");
    SimulatedWinKeyer sim(SimulatedWinKeyer::Behaviour::FullThenSilent);
    ChooseKeyerOn(sim);
    int sleeps = 0;
    devices->waits.on_sleep = [&] {
      if (unplug && ++sleeps == 3) sim.Unplug();
    };
    const double start = devices->waits.now;
    cw().Text1.SetText("CQ TEST");
    PressF1();
    devices->waits.on_sleep = nullptr;
    // Found by the keyer while the feeder lets events run (the operator may be typing): told
    // in the main window's message label and the CW window's notice, without a window that
    // waits.
    EXPECT_TRUE(h.dialogs().message_boxes.empty());
    EXPECT_EQ(entry().lblDialog.Caption(), CWFrm::kWinKeyerNotice);
    const std::string notice = cw().lblNotice.Caption();
    const std::string why = unplug ? "cannot be reached (serial device lost: " : "stopped answering;";
    EXPECT_EQ(notice.rfind("CW stopped: the WinKeyer on com port 7 " + why, 0), 0u) << notice;
    EXPECT_TRUE(notice.ends_with("; the keyer is closed. Not sent: \"CQ TEST\"")) << notice;
    EXPECT_LE(devices->waits.now - start, 3100) << "the wait is bounded";
    EXPECT_TRUE(keying().CWBuffer.empty());
    EXPECT_EQ(keying().WinKeyVersion, 0);
    EXPECT_EQ(wk().lblOpenStatus.Caption(), "Closed");
    wk().Unload();
  }
}

TEST_F(WinKeyWindowTest, AKeyerThatNeverAnswersIsNamedByItsPortAndTheMessageDropped) {
  SimulatedWinKeyer sim(SimulatedWinKeyer::Behaviour::Mute);
  ChooseKeyerOn(sim);
  cw().Text1.SetText("CQ TEST");
  PressF1();
  ASSERT_EQ(MessagesTitled("Unable to establish connection with Winkey."), 1);
  EXPECT_EQ(h.dialogs().message_boxes[0].text,
            "Unable to establish connection with WinKey on com port 7.  Please check to make sure that you have "
            "specified the correct port and that the Winkey device is properly connected.");
  EXPECT_EQ(wk().lblOpenStatus.Caption(), "No Echo Response");
  EXPECT_EQ(keying().WinKeyVersion, 0);
  EXPECT_TRUE(keying().CWBuffer.empty());
}

TEST_F(WinKeyWindowTest, DoneWritesWkTxtAndTheNextLoadReadsIt) {
  frmWinKey& w = wk();
  w.Show();
  w.txtWKComPort.SetText("300");
  w.txtWKComPort_LostFocus();
  EXPECT_EQ(w.txtWKComPort.Text(), "300");
  w.optBug.ClickBy();
  w.optPTT.ClickBy();
  w.txtRatio.SetText("40");
  w.cmdDone.ClickBy();
  EXPECT_EQ(ReadBytes(work() / "WK.txt"), "0\r\n\"22\"\r\n\"50\"\r\n\"0\"\r\n\"0\"\r\n\"40\"\r\n5\r\n48\r\n");

  w.Unload();
  WriteBytes(work() / "WK.txt", "4\r\n\"30\"\r\n\"60\"\r\n\"1\"\r\n\"2\"\r\n\"45\"\r\n");
  frmWinKey& again = wk();
  EXPECT_EQ(again.txtWKComPort.Text(), "4");
  EXPECT_EQ(again.txtWeight.Text(), "60");
  EXPECT_EQ(again.txtWKWPM.Text(), "22") << "the speed comes from the CW window";
  EXPECT_TRUE(again.optTone.Value()) << "a six-line file keeps pin 5 as tone";
  EXPECT_TRUE(again.optIambicB.Value());
}

}  // namespace
}  // namespace ks::testing
