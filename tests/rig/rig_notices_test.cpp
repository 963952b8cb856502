// The rig's notices in the main window's message label: they go with the rig window that
// told them, and each keeps, in the label's tip, what the system said of the failure.
#include <gtest/gtest.h>

#include <functional>

#include "startup/notices.h"
#include "tests/rig/rig_fixture.h"

namespace ks::testing {
namespace {

bool Shown(RigBench& bench, const char* notice) {
  return bench.Open().lblDialog.Caption().find(notice) != std::string::npos;
}

// A rig window polling a Kenwood on 40 m: the main window's load starts it.
RigBench& Polling(RigBench& bench) {
  bench.WriteRigSettings("Kenwood", "FA;", "MD;");
  bench.radio.hertz = 7040000;
  bench.OpenAndAnswer();
  return bench;
}

void Silence(RigBench& bench) {
  bench.radio.silent = true;
  for (int i = 0; i < 10; ++i) bench.PollCycle();
}

void PullThePlug(RigBench& bench) {
  bench.radio.line().Hangup();
  bench.headless().Advance(500);
}

TEST(RigNotices, ClosingTheRigWindowTakesItsNotices) {
  const struct {
    const char* name;
    std::function<void(RigBench&)> fault;
    const char* source;
    const char* notice;
  } cases[] = {
      {"silent radio", Silence, kRigNoticeSource, RigControlfrm::kSilenceNotice},
      {"port lost", PullThePlug, kRigNoticeSource, RigControlfrm::kPortLostNotice},
      {"frequency not sent",
       [](RigBench& b) {
         b.radio.line().Hangup();
         float spot = 14.25f;
         b.rig().ChangeFrequency(spot);
       },
       kRigCommandNoticeSource, RigControlfrm::kFrequencyNotSentNotice},
  };
  for (const auto& c : cases) {
    RigBench bench;
    Polling(bench);
    bench.rig().Show();
    MainWindow& w = bench.Open();
    const std::string message = w.lblDialog.Caption();  // the entry line's
    c.fault(bench);
    ASSERT_EQ(bench.app().State<Notices>().Of(c.source), c.notice) << c.name << ": " << w.lblDialog.Caption();
    EXPECT_TRUE(bench.rig().CloseBy()) << c.name;
    EXPECT_EQ(bench.app().FindForm("RigControlfrm"), nullptr) << c.name;
    EXPECT_EQ(bench.app().State<Notices>().Newest(), "") << c.name;
    EXPECT_EQ(w.lblDialog.Caption(), message) << c.name;
    EXPECT_EQ(w.lblDialog.ToolTipText(), "") << c.name;
  }
}

// The window opened again watches the radio anew: a radio that answers shows no notice, and
// a later silence is told again.
TEST(RigNotices, TheWindowOpenedAgainShowsNoStaleNotice) {
  RigBench bench;
  Polling(bench);
  Silence(bench);
  ASSERT_TRUE(Shown(bench, RigControlfrm::kSilenceNotice));
  bench.rig().Show();
  bench.rig().CloseBy();

  bench.radio.silent = false;
  bench.radio.hertz = 14250000;
  bench.rig().Show();  // from the main window's menu, a new window
  bench.rig().Command1.Press();  // "Test"
  bench.radio.Serve();
  bench.headless().Advance(250);
  for (int i = 0; i < 4; ++i) bench.PollCycle();
  EXPECT_EQ(bench.settings().CurrentBand, "20");
  EXPECT_FALSE(Shown(bench, RigControlfrm::kSilenceNotice)) << bench.Open().lblDialog.Caption();

  Silence(bench);
  EXPECT_TRUE(Shown(bench, RigControlfrm::kSilenceNotice)) << bench.Open().lblDialog.Caption();
}

// What the message boxes said before the notices replaced them stands in the label's tip:
// the port's failure with the system's words for it, the command's error under its title.
TEST(RigNotices, EachKeepsTheSystemsReasonInTheLabelsTip) {
  RigBench bench;
  Polling(bench);
  MainWindow& w = bench.Open();
  EXPECT_EQ(w.lblDialog.ToolTipText(), "");

  bench.radio.line().Hangup();
  float spot = 14.25f;
  bench.rig().ChangeFrequency(spot);
  ASSERT_TRUE(Shown(bench, RigControlfrm::kPortLostNotice)) << w.lblDialog.Caption();
  const std::string port_tip = w.lblDialog.ToolTipText();
  EXPECT_EQ(port_tip.rfind("The rig's serial port stopped working (", 0), 0u) << port_tip;
  EXPECT_NE(port_tip.find("Input/output error).  Polling has stopped."), std::string::npos) << port_tip;

  // "End Test": the operator has seen the port's notice; the command's shows, with its own tip.
  bench.rig().Command2_Click();
  EXPECT_TRUE(Shown(bench, RigControlfrm::kFrequencyNotSentNotice)) << w.lblDialog.Caption();
  const std::string command_tip = w.lblDialog.ToolTipText();
  EXPECT_EQ(command_tip.rfind("Error Changing Frequency: ", 0), 0u) << command_tip;
  EXPECT_GT(command_tip.size(), std::string("Error Changing Frequency: ").size()) << command_tip;

  bench.app().State<Notices>().Set(kRigCommandNoticeSource, "");
  EXPECT_EQ(w.lblDialog.ToolTipText(), "");
}

TEST(RigNotices, ASilentRadiosNoticeSaysInItsTipWhatItMeans) {
  RigBench bench;
  Polling(bench);
  Silence(bench);
  MainWindow& w = bench.Open();
  ASSERT_TRUE(Shown(bench, RigControlfrm::kSilenceNotice));
  EXPECT_EQ(w.lblDialog.ToolTipText().rfind("The radio has not answered for 5 seconds.", 0), 0u)
      << w.lblDialog.ToolTipText();
}

}  // namespace
}  // namespace ks::testing
