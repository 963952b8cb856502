// The tune-and-scan window, the frequency-command test window and the privileges chart.
#include <gtest/gtest.h>

#include "platform/vb/constants.h"
#include "rig/control/privilege_chart.h"
#include "rig/protocol/hex.h"
#include "rig/windows/frmBandPlan.h"
#include "rig/windows/frmRigTune.h"
#include "startup/notices.h"
#include "tests/rig/rig_fixture.h"

namespace ks::testing {
namespace {

class Tune : public ::testing::Test {
 protected:
  Tune() {
    bench.WriteRigSettings("Kenwood", "FA;", "MD;");
    bench.rig().Command1_Click();
    bench.radio.line().ReadAtLeast(6);
  }
  frmRigTune& tune() { return bench.app().Get<frmRigTune>(); }
  std::string Sent(size_t count) { return bench.radio.line().ReadAtLeast(count); }
  RigBench bench;
};

TEST_F(Tune, OpensWithItsDefaults) {
  auto& w = tune();
  EXPECT_EQ(w.txtFreq.Text(), "");
  for (int i = 0; i < 10; ++i) EXPECT_FALSE(w.cmdTune(i).Enabled());
  EXPECT_EQ(w.txtFrom.Text(), "1.8");
  EXPECT_EQ(w.txtTo.Text(), "54");
  EXPECT_TRUE(w.Option4.Value());
  EXPECT_EQ(w.chkScan.Value(), 0);
}

TEST_F(Tune, TypedFrequencyEnablesStepsAndEnterSendsIt) {
  auto& w = tune();
  w.txtFreq.SetFocus();
  w.TypeText("14.2");
  EXPECT_TRUE(w.cmdTune(0).Enabled());
  w.TypeText(".x");
  EXPECT_EQ(w.txtFreq.Text(), "14.2.");  // the letter is dropped, the point is not
  EXPECT_FALSE(w.cmdTune(0).Enabled());
  w.txtFreq.SetText("1" + std::string(40, '9'));  // past a Single's range: not a number
  EXPECT_FALSE(w.cmdTune(0).Enabled());
  w.txtFreq.SetText("14.2");
  w.PressKey(vb::vbKeyReturn);
  EXPECT_EQ(Sent(18), "MD2;FA00014200000;");
  EXPECT_EQ(w.txtFreq.SelStart(), 4);
}

TEST_F(Tune, BandAndStepButtons) {
  auto& w = tune();
  w.cmdBand(12).Press();
  EXPECT_EQ(w.txtFreq.Text(), "223.5");
  EXPECT_EQ(Sent(14), "FA00223500000;");
  w.txtFreq.SetText("14.2");
  w.cmdTune(2).Press();  // 1 MHz up
  EXPECT_EQ(w.txtFreq.Text(), "15.2");
  EXPECT_EQ(Sent(14), "FA00015200000;");
  w.txtFreq.SetText("7");
  w.cmdTune(1).Press();  // 10 Hz down
  EXPECT_EQ(w.txtFreq.Text(), "6.99999");
}

TEST_F(Tune, NoRigMeansTheBoxChangesButNothingIsSent) {
  bench.settings().RigName = "None";
  tune().cmdBand(10).Press();
  EXPECT_EQ(tune().txtFreq.Text(), "52");
  EXPECT_EQ(Sent(1), "");
}

TEST_F(Tune, ScanStepsUpWrapsAtTheTopAndAnyKeyStopsIt) {
  auto& w = tune();
  w.txtFrom.SetText("7");
  w.txtTo.SetText("7.0012");
  w.Option1.SetValue(true);  // 500 Hz
  w.chkScan.SetValue(1);
  EXPECT_EQ(w.txtFreq.Text(), "7");
  // Each tick sends the next frequency (after the band plan's mode); the poll goes on between.
  std::vector<std::string> sets;
  for (int i = 0; i < 20 && sets.size() < 3; ++i) {
    bench.headless().Advance(299);
    const std::string bytes = bench.radio.line().ReadAvailable();
    for (size_t at = 0; (at = bytes.find("FA0", at)) != std::string::npos; at += 14) sets.push_back(bytes.substr(at, 14));
  }
  EXPECT_EQ(sets, (std::vector<std::string>{"FA00007000500;", "FA00007001000;", "FA00007000000;"}));
  EXPECT_EQ(w.txtFreq.Text(), "7.");
  w.TypeKey(0, 'a');
  EXPECT_EQ(w.chkScan.Value(), 0);
  bench.headless().Advance(299 * 3);
  EXPECT_EQ(w.txtFreq.Text(), "7.");
}

// The rig's port fails while the scan runs (the radio is unplugged). Whichever meets it
// first, the scan's own frequency or the poll, no message box opens (the scan runs from a
// timer, under whatever the operator types), the scan stops where it was and says why in
// the window, the focus stays where the operator has it, and the main window's message
// label tells that the rig's port is lost. Ticking Scan again takes the window's notice back.
TEST(TuneScan, APortThatFailsUnderTheScanStopsItAndSaysSoWithoutAMessageBox) {
  const struct {
    const char* name;
    const char* poll_rate;  // "R" every 5 s: the scan meets it; "F" every 50 ms: the poll does
    const char* notice;
    const char* tip;  // how the window's notice's tip begins
  } cases[] = {
      {"the scan's frequency", "R", frmRigTune::kPortErrorNotice, "Error Changing"},
      {"the poll", "F", frmRigTune::kNotPolledNotice, ""},
  };
  for (const auto& c : cases) {
    RigBench bench;
    bench.WriteRigSettings("Kenwood", "FA;", "MD;", 1, c.poll_rate);
    MainWindow& main = bench.Open();  // its load starts polling
    auto& w = bench.app().Get<frmRigTune>();
    w.Show();
    w.txtFrom.SetText("7");
    w.txtTo.SetText("7.1");
    w.Option1.SetValue(true);  // 500 Hz
    w.chkScan.SetValue(1);
    bench.headless().Advance(299);
    ASSERT_NE(bench.radio.line().ReadAtLeast(14).find("FA00007000500;"), std::string::npos) << c.name;
    w.txtTo.SetFocus();
    const std::size_t boxes = bench.dialogs().message_boxes.size();

    bench.radio.line().Hangup();
    bench.headless().Advance(299 * 2);
    EXPECT_EQ(bench.dialogs().message_boxes.size(), boxes) << c.name << ": a message box opened from the scan";
    EXPECT_EQ(w.chkScan.Value(), 0) << c.name;
    EXPECT_EQ(w.lblNotice.Caption(), c.notice) << c.name;
    EXPECT_EQ(w.lblNotice.ToolTipText().rfind(c.tip, 0), 0u) << c.name << ": " << w.lblNotice.ToolTipText();
    EXPECT_EQ(w.ActiveControl(), &w.txtTo) << c.name;
    EXPECT_NE(main.lblDialog.Caption().find(RigControlfrm::kPortLostNotice), std::string::npos)
        << c.name << ": " << main.lblDialog.Caption();
    const std::string stopped = w.txtFreq.Text();
    bench.headless().Advance(299 * 3);
    EXPECT_EQ(w.txtFreq.Text(), stopped) << c.name;

    w.chkScan.SetValue(1);
    EXPECT_EQ(w.lblNotice.Caption(), "") << c.name;
  }
}

TEST_F(Tune, ModeButtonsSendTheMode) {
  tune().cmdLSB.Press();
  EXPECT_EQ(Sent(4), "MD1;");
}

// A command of the window's own buttons that does not reach the radio (it was unplugged)
// opens no window: the window's notice label gives the error's title and its tip the error,
// the main window's message label says it too, and the next command takes the label back.
TEST_F(Tune, ACommandThatFailsIsToldInTheWindowWithoutAMessageBox) {
  auto& w = tune();
  w.lblNotice.SetCaption("Error Changing Mode");
  w.cmdLSB.Press();
  EXPECT_EQ(Sent(4), "MD1;");
  EXPECT_EQ(w.lblNotice.Caption(), "") << "a command that went out";

  bench.radio.line().Hangup();
  const struct {
    const char* name;
    void (*press)(frmRigTune&);
    const char* title;
    const char* notice;
  } cases[] = {
      {"Go", [](frmRigTune& t) { t.txtFreq.SetText("14.2"); t.Command1.Press(); }, "Error Changing Frequency",
       RigControlfrm::kFrequencyNotSentNotice},
      {"LSB", [](frmRigTune& t) { t.cmdLSB.Press(); }, "Error Changing Mode", RigControlfrm::kModeNotSentNotice},
  };
  for (const auto& c : cases) {
    c.press(w);
    EXPECT_TRUE(bench.dialogs().message_boxes.empty()) << c.name;
    EXPECT_EQ(w.lblNotice.Caption(), c.title) << c.name;
    EXPECT_FALSE(w.lblNotice.ToolTipText().empty()) << c.name;
    EXPECT_EQ(bench.app().State<Notices>().Of(kRigCommandNoticeSource), c.notice) << c.name;
  }
}

TEST(FrequencyTest, SendsTextAndHexCommandsByteForByte) {
  RigBench bench;
  bench.WriteRigSettings("Kenwood", "FA;", "MD;");
  bench.rig().Command1_Click();
  bench.radio.line().ReadAtLeast(6);
  auto& w = bench.app().Get<frmFrequencyTest>();
  EXPECT_EQ(w.Text2.Text(), "28.475");
  w.Command1.Press();
  EXPECT_EQ(bench.radio.line().ReadAtLeast(14), "FA00028475000;");
  w.Text1.SetText("  FE FE 64 E0 03 FD ");
  w.Check1.SetValue(1);
  w.Command1.Press();
  EXPECT_EQ(rig::HexDump(bench.radio.line().ReadAtLeast(6)), "FE FE 64 E0 03 FD ");
  w.Text1.SetText("FE GG 64");
  w.Command1.Press();
  w.Text2.SetText("x");
  w.Command2.Press();
  EXPECT_EQ(bench.radio.line().ReadAtLeast(1, 50), "");
  w.Text2.SetText("28.475");
  w.Command2.Press();
  EXPECT_EQ(bench.radio.line().ReadAtLeast(18), "MD2;FA00028475000;");
}

const std::vector<rig::BandPlanRow> k20m = {
    {"20", "O", "PH", 14.0f, 14.35f}, {"20", "E", "CW", 14.0f, 14.15f}, {"20", "E", "PH", 14.15f, 14.35f},
    {"20", "G", "USB", 14.225f, 14.35f}};

TEST(PrivilegeChart, BarsAndSegmentsInProportion) {
  auto chart = rig::BuildPrivilegeChart(k20m, "E");
  ASSERT_EQ(chart.bars.size(), 1u);
  ASSERT_EQ(chart.segments.size(), 2u);
  EXPECT_TRUE(chart.segments[0].cw);
  EXPECT_NEAR(chart.segments[0].width_fraction, 150.0 / 350, 1e-5);
  EXPECT_NEAR(chart.segments[1].left_fraction, 150.0 / 350, 1e-5);
  EXPECT_FALSE(rig::BuildPrivilegeChart(k20m, "G").segments[0].cw);
  EXPECT_TRUE(rig::BuildPrivilegeChart(k20m, "N").bars.empty());
  // A class row before its band's whole-band row does not count.
  EXPECT_TRUE(rig::BuildPrivilegeChart({{"20", "T", "CW", 14, 14.1f}, {"20", "O", "PH", 14, 14.35f}}, "T").bars.empty());
}

TEST(PrivilegeChart, AtMostTwentyBarsAndNoneForABandWithoutWidth) {
  std::vector<rig::BandPlanRow> rows;
  for (int b = 0; b < 25; ++b) {
    const float low = static_cast<float>(b + 1);
    rows.push_back({std::to_string(b), "O", "PH", low, b == 3 ? low : low + 0.5f});
    rows.push_back({std::to_string(b), "E", "CW", low, low + 0.1f});
  }
  auto chart = rig::BuildPrivilegeChart(rows, "E");
  EXPECT_EQ(chart.bars.size(), 20u);
  for (const auto& bar : chart.bars) EXPECT_NE(bar.band, "3");
  EXPECT_EQ(chart.segments.size(), 20u);
}

TEST(BandPlanWindow, DrawsTheSuppliedPlanAndSwitchesClass) {
  MainWindowBench bench;
  CopySupplied("BandPlan.txt", bench.dir().path());
  auto& w = bench.app().Get<frmBandPlan>();
  EXPECT_EQ(w.Label2.Caption(), "Extra Frequency Privileges");
  EXPECT_EQ(w.Label1.Caption().rfind("Frequencies Effective: ", 0), 0u);
  auto* bar = dynamic_cast<forms::Label*>(w.FindControl("blbl1"));
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->Caption(), "160");
  EXPECT_NE(w.FindControl("blbl12"), nullptr);
  auto* segment = dynamic_cast<forms::Label*>(w.FindControl("priv1"));
  ASSERT_NE(segment, nullptr);
  EXPECT_EQ(segment->Caption(), "1.800 - 2.000");
  EXPECT_EQ(segment->ToolTipText(), "PH  1.800 - 2.000");
  EXPECT_EQ(segment->BackColor(), forms::colors::kGreen);
  w.Command1.Press();  // Novice: 80, 40, 15 and 10 m
  EXPECT_EQ(w.Label2.Caption(), "Novice Frequency Privileges");
  EXPECT_TRUE(w.FindControl("blbl4")->Visible());
  EXPECT_FALSE(w.FindControl("blbl5")->Visible());
  EXPECT_EQ(bench.CountMessages("Band Data Not Available."), 0);
}

TEST(BandPlanWindow, AMissingFileIsReported) {
  MainWindowBench bench;
  auto& w = bench.app().Get<frmBandPlan>();
  EXPECT_EQ(bench.CountMessages("Band Data Not Available."), 1);
  EXPECT_EQ(w.Label2.Caption(), "Privelages");
  EXPECT_FALSE(w.FindControl("blbl1")->Visible());
}

}  // namespace
}  // namespace ks::testing
