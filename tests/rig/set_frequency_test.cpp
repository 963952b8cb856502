// Moving the radio: the mode from the band plan first, then the frequency, with the pauses
// the radios need, on virtual time.
#include <gtest/gtest.h>

#include "logstore/log_store.h"
#include "platform/vb/constants.h"
#include "rig/protocol/hex.h"
#include "rig/windows/frmRigTune.h"
#include "startup/notices.h"
#include "tests/rig/rig_fixture.h"

namespace ks::testing {
namespace {

using Kind = SimulatedRadio::Kind;

class SetFrequency : public ::testing::Test {
 protected:
  void StartPolling(const std::string& family, const std::string& freq, const std::string& mode) {
    bench.WriteRigSettings(family, freq, mode);
    bench.rig().Command1_Click();
    bench.radio.line().ReadAtLeast(1);  // the first requests and any wake-up command
  }
  RigBench bench;
};

TEST_F(SetFrequency, KenwoodGetsTheBandPlansModeThenTheFrequency) {
  StartPolling("Kenwood", "FA;", "MD;");
  const auto start = bench.headless().clock().TickMs();
  float spot = 7.2f;
  // The notice of an earlier command that failed goes with the next that is sent.
  bench.app().State<Notices>().Set(kRigCommandNoticeSource, RigControlfrm::kFrequencyNotSentNotice);
  bench.rig().ChangeFrequency(spot);
  EXPECT_EQ(bench.app().State<Notices>().Of(kRigCommandNoticeSource), "");
  EXPECT_EQ(bench.radio.line().ReadAtLeast(18), "MD1;FA00007200000;");
  EXPECT_GE(bench.headless().clock().TickMs() - start, 99 + 205);
  EXPECT_FLOAT_EQ(spot, 7.2f);
  EXPECT_TRUE(bench.rig().tmrGetData.Enabled());
}

TEST_F(SetFrequency, NoModeOn160MetresAndOutsideEveryRow) {
  StartPolling("Kenwood", "FA;", "MD;");
  for (float spot : {1.83f, 10.5f}) bench.rig().ChangeFrequency(spot);
  EXPECT_EQ(bench.radio.line().ReadAtLeast(28), "FA00001830000;FA00010500000;");
}

TEST_F(SetFrequency, NothingIsSentWhilePollingIsOff) {
  StartPolling("Kenwood", "FA;", "MD;");
  bench.rig().Command2_Click();
  float spot = 14.25f;
  bench.rig().ChangeFrequency(spot);
  EXPECT_EQ(bench.radio.line().ReadAtLeast(1, 50), "");
}

TEST_F(SetFrequency, IcomFramesCarryTheRadiosAddress) {
  StartPolling("Icom", "FE FE 5C E0 03 FD", "FE FE 5C E0 04 FD");
  float spot = 14.025f;
  bench.rig().ChangeFrequency(spot);
  EXPECT_EQ(rig::HexDump(bench.radio.line().ReadAtLeast(18)),
            "FE FE 5C E0 06 03 FD FE FE 5C E0 05 00 50 02 14 00 FD ");
}

TEST_F(SetFrequency, Kenwood2AddressesTheVfoTheRadioReported) {
  StartPolling("Kenwood 2", "IF;", "");
  bench.rig().KenwoodVFO = 1;
  float spot = 14.25f;
  bench.rig().ChangeFrequency(spot);
  EXPECT_EQ(bench.radio.line().ReadAtLeast(18), "MD2;FB00014250000;");
}

// An Orion answering as Hamlib's simulator does, set to 7.04 MHz from the tune window: it is
// sent whole hertz, the poll reads its "@AF 7040000", and the next contact typed into the
// main window is stored on 40 m at 7.040.
TEST(OrionSetFrequency, TunedBelowTenMegahertzTheNextContactIsStoredThere) {
  RigBench bench(Kind::kOrion);
  bench.WriteRigSettings("Ten Tec Orion", "?AF", "?RMM");
  bench.radio.hertz = 14074000;
  bench.OpenAndAnswer();
  EXPECT_FLOAT_EQ(bench.rig().RigFrequency, 14.074f);
  ASSERT_EQ(bench.settings().CurrentBand, "20");
  const std::size_t before = bench.radio.received.size();
  frmRigTune& tune = bench.app().Get<frmRigTune>();
  tune.txtFreq.SetText("7.04");
  tune.Command1.Press();
  bench.radio.Serve();
  EXPECT_EQ(bench.radio.received.substr(before), "*AF7040000\r");
  EXPECT_EQ(bench.radio.hertz, 7040000);
  bench.PollCycle();
  EXPECT_FLOAT_EQ(bench.rig().RigFrequency, 7.04f);
  EXPECT_EQ(bench.settings().CurrentBand, "40");

  MainWindow& w = bench.Open();
  w.txtCall.SetFocus();
  w.TypeText("k3xyz 42 y ");
  w.PressKey(vb::vbKeyReturn);
  const LogStore& store = bench.app().State<LogStore>();
  ASSERT_EQ(store.QSOCount, 4);
  const LogRecord& contact = store.Records[4];
  EXPECT_EQ(contact.LogCall, "K3XYZ");
  EXPECT_EQ(contact.LogCounty, "York");
  EXPECT_EQ(contact.LogBand, "40");
  EXPECT_EQ(contact.LogFrequency, "7.040");
}

TEST_F(SetFrequency, PegasusIsToldThroughItsFile) {
  const auto folder = bench.UsePegasusFolder();
  bench.rig().Command1_Click();
  bench.rig().RigMode = "CW";
  float spot = 14.025f;
  bench.rig().ChangeFrequency(spot);
  EXPECT_EQ(ReadBytes(folder / "PEGASUS.IN"), "14.025\r\nCW\r\n");

  // The control program's folder gone: the radio is not moved, and that is told as for a
  // radio on a port, without a window, while polling goes on.
  std::filesystem::remove_all(folder);
  std::vector<std::string> told;
  spot = 7.04f;
  bench.rig().ChangeFrequency(spot, [&told](const std::string& text, const std::string& title) {
    told.push_back(title + ": " + text);
  });
  EXPECT_TRUE(bench.dialogs().message_boxes.empty());
  EXPECT_EQ(bench.app().State<Notices>().Of(kRigCommandNoticeSource), RigControlfrm::kFrequencyNotSentNotice);
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(told[0].rfind("Error Changing Frequency: ", 0), 0u) << told[0];
  EXPECT_TRUE(bench.rig().tmrGetData.Enabled());
}

// The command waits for the radio and lets events run, so the operator may be typing the
// call a spot click put in: a failure opens no window. The main window's message label
// tells it, and the calling window's own label, through its teller, tells the error.
TEST_F(SetFrequency, AnErrorIsToldWithoutAWindowAndPollingResumesWhileThePortIsOpen) {
  StartPolling("Kenwood", "FA;", "MD;");
  bench.radio.line().Hangup();
  float spot = 14.25f;
  std::vector<std::string> told;
  bench.rig().ChangeFrequency(spot, [&told](const std::string& text, const std::string& title) {
    told.push_back(title + ": " + text);
  });
  EXPECT_TRUE(bench.dialogs().message_boxes.empty());
  EXPECT_EQ(bench.app().State<Notices>().Of(kRigCommandNoticeSource), RigControlfrm::kFrequencyNotSentNotice);
  ASSERT_FALSE(told.empty());
  EXPECT_EQ(told.back().rfind("Error Changing Frequency: ", 0), 0u) << told.back();
  // The port went with the radio: polling is stopped, and the window says so.
  EXPECT_FALSE(bench.rig().tmrGetData.Enabled());
  EXPECT_FALSE(bench.rig().Label2.Visible());
}

TEST_F(SetFrequency, ChangeModeAloneDoesNotPauseThePoll) {
  StartPolling("Yaesu 890", "00 00 00 02 10", "");
  float frequency = 14.2f;
  std::string mode = "CW";
  bench.rig().ChangeMode(frequency, mode);
  EXPECT_EQ(rig::HexDump(bench.radio.line().ReadAtLeast(5)), "00 00 00 02 0C ");
  std::string dig = "DIG";
  bench.rig().ChangeMode(frequency, dig);
  EXPECT_EQ(bench.radio.line().ReadAtLeast(1, 50), "");
  EXPECT_TRUE(bench.rig().tmrGetData.Enabled());
}

}  // namespace
}  // namespace ks::testing
