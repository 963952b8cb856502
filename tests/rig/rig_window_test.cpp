// The rig window: family presets, RigCntrl.txt and its buttons.
#include <gtest/gtest.h>

#include "tests/rig/rig_fixture.h"
#include "tests/support/file_size_limit.h"

namespace ks::testing {
namespace {

int IndexOf(const forms::ListBox& list, const std::string& item) {
  for (int i = 0; i < list.ListCount(); ++i)
    if (list.List(i) == item) return i;
  return -1;
}

TEST(RigWindow, ChoosingAFamilyStopsPollingAndAppliesItsPreset) {
  RigBench bench;
  bench.WriteRigSettings("Kenwood", "FA;", "MD;");
  auto& rig = bench.rig();
  rig.Command1_Click();
  ASSERT_TRUE(rig.tmrGetData.Enabled());
  rig.optComm(2).SetValue(true);  // port 3, which stops polling too
  rig.optPowerRTS.SetValue(true);
  rig.List1.SelectBy(IndexOf(rig.List1, "Icom"));
  EXPECT_FALSE(rig.tmrGetData.Enabled());
  EXPECT_EQ(bench.settings().RigName, "Icom");
  EXPECT_EQ(rig.FreqRequest, "FE FE 64 E0 03 FD");
  EXPECT_EQ(rig.ModeRequest, "FE FE 64 E0 04 FD");
  EXPECT_TRUE(rig.optBaud12.Value());
  EXPECT_TRUE(rig.optStop1.Value());
  EXPECT_EQ(rig.chkConvToHex.Value(), 1);
  EXPECT_EQ(rig.ChkConvHex.Value(), 1);
  EXPECT_FALSE(rig.chkConvToHex.Enabled());
  EXPECT_TRUE(rig.Label10.Visible());
  EXPECT_TRUE(rig.optComm(2).Value());
  EXPECT_TRUE(rig.optPowerRTS.Value());

  // The FTdx9000 changes the baud rate and the requests only.
  rig.List1.SelectBy(IndexOf(rig.List1, "Yaesu FTdx9000"));
  EXPECT_TRUE(rig.optBaud48.Value());
  EXPECT_TRUE(rig.optStop1.Value());
  EXPECT_EQ(rig.txtMode.Text(), "MD0;");
  EXPECT_EQ(rig.chkConvToHex.Value(), 0);
  EXPECT_FALSE(rig.Label10.Visible());

  rig.List1.SelectBy(IndexOf(rig.List1, "Other"));
  EXPECT_EQ(rig.txtFreq.Text(), "");
  EXPECT_TRUE(rig.chkConvToHex.Enabled());
  rig.chkConvToHex.ClickBy();
  EXPECT_EQ(rig.ChkConvHex.Value(), 1);
}

TEST(RigWindow, SettingsFileRoundTripThroughDone) {
  RigBench bench;
  bench.WriteRigSettings("Kenwood 2", "IF;", "", 2);
  {
    auto& rig = bench.rig();
    EXPECT_EQ(rig.List1.Text(), "Kenwood 2");
    EXPECT_EQ(rig.txtFreq.Text(), "IF;");
    EXPECT_TRUE(rig.optBaud48.Value());
    EXPECT_TRUE(rig.optStop2.Value());
    EXPECT_TRUE(rig.OptFreq.Value());
    EXPECT_EQ(rig.RigBaud, "4800 ");
    rig.optPollSlow.SetValue(true);
    rig.cmdDone_Click();
    EXPECT_FALSE(rig.Visible());
    EXPECT_TRUE(rig.tmrGetData.Enabled());
    EXPECT_EQ(rig.tmrGetData.Interval(), 1000);
    rig.Unload();
  }
  EXPECT_EQ(ReadBytes(bench.dir() / "RigCntrl.txt"),
            "\"4800 \"\r\n\"N\"\r\n\"8\"\r\n\"2\"\r\n\"\"\r\n\"IF;\"\r\n\"4800,N,8,2\"\r\n1\r\n\"N\"\r\n\"S\"\r\n"
            "\"Kenwood 2\"\r\n0\r\n1\r\n2\r\n");
}

TEST(RigWindow, DoneOnAFullDiskSaysSoAndKeepsTheOldFile) {
  RigBench bench;
  bench.WriteRigSettings("Kenwood 2", "IF;", "", 2);
  const std::string stored = ReadBytes(bench.dir() / "RigCntrl.txt");
  bench.rig().optPollSlow.SetValue(true);
  {
    FileSizeLimit disk_full(10);
    bench.rig().cmdDone_Click();
  }
  EXPECT_EQ(ReadBytes(bench.dir() / "RigCntrl.txt"), stored);
  // Done stores the station's settings file too: each file that fails is named.
  EXPECT_EQ(bench.CountMessages("Settings Not Saved"), 2);
  int naming = 0;
  for (const auto& m : bench.dialogs().message_boxes) naming += m.text.find("RigCntrl.txt") != std::string::npos ? 1 : 0;
  EXPECT_EQ(naming, 1);
}

TEST(RigWindow, APortNumberOutsideTheTenIsTakenAsTheNearest) {
  RigBench bench;
  bench.WriteRigSettings("Kenwood", "FA;", "MD;");
  std::string file = ReadBytes(bench.dir() / "RigCntrl.txt");
  file.replace(file.find("\r\n1\r\n"), 5, "\r\n42\r\n");
  WriteBytes(bench.dir() / "RigCntrl.txt", file);
  auto& rig = bench.rig();
  EXPECT_EQ(rig.RigPortNumber, 10);
  EXPECT_TRUE(rig.optComm(9).Value());
  EXPECT_TRUE(rig.optBaud48.Value());  // the restore went on
}

TEST(RigWindow, WithoutASettingsFileTheDesignOptionsStand) {
  RigBench bench;
  bench.settings().RigName = "None";
  auto& rig = bench.rig();
  EXPECT_EQ(rig.List1.ListIndex(), -1);
  EXPECT_EQ(rig.List1.ListCount(), 19);
  rig.cmdDone_Click();
  EXPECT_FALSE(rig.tmrGetData.Enabled());
  EXPECT_TRUE(std::filesystem::exists(bench.dir() / "RigCntrl.txt"));
}

TEST(RigWindow, ChangeFrequencyButtonNeedsPolling) {
  RigBench bench;
  bench.settings().RigName = "None";
  bench.rig().Command3_Click();
  ASSERT_EQ(bench.CountMessages("You must be polling your rig to test this function."), 1);
  EXPECT_FALSE(bench.app().IsLoaded<frmFrequencyTest>());
}

TEST(RigWindow, CopyPutsTheReplyOnTheClipboard) {
  RigBench bench;
  auto& rig = bench.rig();
  rig.lblUnProcess.SetCaption("FA00014250000;");
  rig.Command4_Click();
  EXPECT_EQ(bench.app().Dialogs().ClipboardText(), "FA00014250000;");
}

}  // namespace
}  // namespace ks::testing
