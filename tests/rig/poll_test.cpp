// The poll cycle against simulated radios on a real serial line: the main window follows
// the radio's band and mode, and nothing hangs when the radio is silent, talks garbage or
// is unplugged.
#include <gtest/gtest.h>

#include "mainwin/main_window_state.h"
#include "platform/io/serial_port.h"
#include "tests/rig/rig_fixture.h"

namespace ks::testing {
namespace {

using Kind = SimulatedRadio::Kind;

class KenwoodPoll : public ::testing::Test {
 protected:
  KenwoodPoll() {
    bench.WriteRigSettings("Kenwood", "FA;", "MD;");
    bench.radio.hertz = 7040000;
    bench.radio.kenwood_mode = 3;
  }
  void OpenAndAnswer() { bench.OpenAndAnswer(); }
  RigBench bench;
};

TEST_F(KenwoodPoll, MainWindowFollowsTheRadioAndALoggedContactTakesItsFrequency) {
  OpenAndAnswer();
  EXPECT_EQ(bench.radio.received, "FA;MD;");
  EXPECT_EQ(bench.settings().CurrentBand, "40");
  EXPECT_EQ(bench.settings().CurrentMode, "CW");
  EXPECT_EQ(bench.app().State<MainWindowState>().NextQSOFrequency, "7.040");
  EXPECT_TRUE(bench.rig().tmrGetData.Enabled());
  EXPECT_EQ(bench.rig().tmrGetData.Interval(), 250);

  bench.radio.hertz = 14250000;  // the operator turns to 20 m phone
  bench.radio.kenwood_mode = 2;
  bench.PollCycle();
  EXPECT_EQ(bench.settings().CurrentBand, "20");
  EXPECT_EQ(bench.settings().CurrentMode, "PH");
  EXPECT_FLOAT_EQ(bench.rig().RigFrequency, 14.25f);
  EXPECT_EQ(bench.app().State<MainWindowState>().NextQSOFrequency, "14.250");
}

TEST_F(KenwoodPoll, TheWindowShowsWhatTheRadioSaid) {
  OpenAndAnswer();
  bench.rig().Show();
  bench.PollCycle();
  EXPECT_EQ(bench.rig().lblFreq.Caption(), "7.04000");
  EXPECT_EQ(bench.rig().lblMode.Caption(), "CW");
  EXPECT_EQ(bench.rig().lblUnProcess.Caption(), "FA00007040000;MD3;");
  EXPECT_TRUE(bench.rig().Label2.Visible());
}

TEST_F(KenwoodPoll, ASilentRadioChangesNothingAndThePollGoesOn) {
  OpenAndAnswer();
  bench.radio.silent = true;
  bench.radio.hertz = 21000000;
  for (int i = 0; i < 5; ++i) bench.PollCycle();
  EXPECT_EQ(bench.settings().CurrentBand, "40");
  EXPECT_TRUE(bench.rig().tmrGetData.Enabled());
  EXPECT_EQ(bench.radio.received, "FA;MD;FA;MD;FA;MD;FA;MD;FA;MD;FA;MD;");
}

TEST_F(KenwoodPoll, GarbageFromTheRadioChangesNothing) {
  OpenAndAnswer();
  bench.radio.silent = true;
  bench.headless().Advance(250);
  bench.radio.Serve();
  bench.radio.line().Write(std::string("FA0001\xFF\x00garbage;MDx", 18));
  bench.headless().Advance(250);
  EXPECT_EQ(bench.settings().CurrentBand, "40");
  EXPECT_EQ(bench.settings().CurrentMode, "CW");
  EXPECT_TRUE(bench.rig().tmrGetData.Enabled());
}

TEST_F(KenwoodPoll, ASilentRadioIsToldOnceAfterFiveSecondsAndItsReturnIsTakenSilently) {
  OpenAndAnswer();  // the last good reply
  bench.radio.silent = true;
  for (int i = 0; i < 9; ++i) bench.PollCycle();  // 4.5 seconds without a reply
  EXPECT_EQ(bench.CountMessages("Rig Interface"), 0);
  bench.PollCycle();
  EXPECT_EQ(bench.CountMessages("Rig Interface"), 1);
  for (int i = 0; i < 20; ++i) bench.PollCycle();
  EXPECT_EQ(bench.CountMessages("Rig Interface"), 1);
  EXPECT_TRUE(bench.rig().tmrGetData.Enabled());
  EXPECT_EQ(bench.settings().CurrentBand, "40");

  bench.radio.silent = false;  // back, and on 20 m phone
  bench.radio.hertz = 14250000;
  bench.radio.kenwood_mode = 2;
  bench.PollCycle();
  EXPECT_EQ(bench.settings().CurrentBand, "20");
  EXPECT_EQ(bench.settings().CurrentMode, "PH");
  EXPECT_EQ(bench.CountMessages("Rig Interface"), 1);

  bench.radio.silent = true;  // a later silence is told again, once
  for (int i = 0; i < 30; ++i) bench.PollCycle();
  EXPECT_EQ(bench.CountMessages("Rig Interface"), 2);
}

TEST_F(KenwoodPoll, AnUnpluggedRadioIsReportedOnceAndPollingStops) {
  OpenAndAnswer();
  bench.radio.line().Hangup();
  bench.headless().Advance(2000);
  EXPECT_EQ(bench.CountMessages("Rig Interface"), 1);
  EXPECT_FALSE(bench.rig().tmrGetData.Enabled());
  EXPECT_FALSE(bench.rig().comComm1().IsOpen());
  bench.headless().Advance(2000);
  EXPECT_EQ(bench.CountMessages("Rig Interface"), 1);
}

// Line noise that hits every answer a radio sends: no answer is well formed, so the radio's
// frequency and mode stay as last polled; once the line is clean the next answer is taken.
struct NoiseCase {
  const char* name;
  Kind kind;
  const char* family;
  const char* freq_request;
  const char* mode_request;
  std::string (*noise)(const std::string& answer);
};

std::string ReplaceEnd(const std::string& answer, char end, const std::string& with) {
  std::string hit = answer;
  for (auto at = hit.find(end); at != std::string::npos; at = hit.find(end, at + with.size())) hit.replace(at, 1, with);
  return hit;
}

class NoisyRadio : public ::testing::TestWithParam<NoiseCase> {};

TEST_P(NoisyRadio, LeavesFrequencyAndModeAlone) {
  const NoiseCase& c = GetParam();
  RigBench bench(c.kind);
  bench.WriteRigSettings(c.family, c.freq_request, c.mode_request);
  bench.radio.hertz = 7040000;
  bench.OpenAndAnswer();
  for (int i = 0; i < 2; ++i) bench.PollCycle();
  ASSERT_FLOAT_EQ(bench.rig().RigFrequency, 7.04f);
  ASSERT_EQ(bench.settings().CurrentBand, "40");
  const std::string mode = bench.settings().CurrentMode;

  bench.radio.line_noise = c.noise;
  bench.radio.hertz = 21300000;  // the radio moves to 15 m phone; its answers arrive damaged
  bench.radio.kenwood_mode = 2;
  bench.radio.orion_mode = 0;
  for (int i = 0; i < 4; ++i) bench.PollCycle();
  EXPECT_FLOAT_EQ(bench.rig().RigFrequency, 7.04f);
  EXPECT_EQ(bench.settings().CurrentBand, "40");
  EXPECT_EQ(bench.settings().CurrentMode, mode);

  bench.radio.line_noise = nullptr;
  for (int i = 0; i < 4; ++i) bench.PollCycle();
  EXPECT_FLOAT_EQ(bench.rig().RigFrequency, 21.3f);
  EXPECT_EQ(bench.settings().CurrentBand, "15");
}

INSTANTIATE_TEST_SUITE_P(
    Families, NoisyRadio,
    ::testing::Values(
        NoiseCase{"KenwoodModeSignAndOverlongFrequency", Kind::kKenwood, "Kenwood", "FA;", "MD;",
                  [](const std::string& a) -> std::string {
                    return a.rfind("MD", 0) == 0 ? "MD-7;" : "FA99999999999999999999;";
                  }},
        NoiseCase{"KenwoodEndsLost", Kind::kKenwood, "Elecraft", "FA;", "MD;",
                  [](const std::string& a) { return ReplaceEnd(a, ';', ""); }},
        NoiseCase{"IcomByteAddedToTheFrame", Kind::kIcom, "Icom", "FE FE 64 E0 03 FD", "FE FE 64 E0 04 FD",
                  [](const std::string& a) { return a.size() > 6 ? ReplaceEnd(a, '\xFD', "\x01\xFD") : a; }},
        NoiseCase{"YaesuByteAfterTheAnswer", Kind::kYaesu, "Yaesu", "00 00 00 00 03", "",
                  [](const std::string& a) { return a + "\xFF"; }},
        NoiseCase{"OrionLettersForDigits", Kind::kOrion, "Ten Tec Orion", "?AF", "?RMM",
                  [](const std::string& a) { return ReplaceEnd(ReplaceEnd(a, '0', "O"), '1', "l"); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RigPort, APortThatWillNotOpenIsReportedAndNoTimerRuns) {
  RigBench bench;
  bench.WriteRigSettings("Kenwood", "FA;", "MD;");
  bench.app().Settings().SaveSetting("Keystone", "SerialPorts", "Port1", (bench.dir() / "no-such-tty").string());
  bench.Open();
  EXPECT_EQ(bench.CountMessages("Invalid Comm Settings."), 1);
  EXPECT_EQ(bench.dialogs().beeps, 1);
  auto& rig = bench.rig();
  EXPECT_FALSE(rig.tmrGetData.Enabled());
  EXPECT_FALSE(rig.Label2.Visible());
  EXPECT_FALSE(rig.Command2.Enabled());
  EXPECT_EQ(rig.lblFreq.Caption(), "No Response");
}

TEST(RigPort, NoneRebuildsTheSettingsAndOpensNothing) {
  RigBench bench;
  bench.settings().RigName = "None";
  auto& rig = bench.rig();
  rig.Command1_Click();
  EXPECT_EQ(rig.RigCommSettings, "56000,N,8,1");
  EXPECT_FALSE(rig.comComm1().IsOpen());
  EXPECT_EQ(rig.lblFreq.Caption(), "");
  EXPECT_EQ(bench.radio.line().ReadAvailable(), "");
}

TEST(RigPort, YaesuIsWokenPolledAndToldToCloseOnUnload) {
  RigBench bench(Kind::kYaesu);
  bench.WriteRigSettings("Yaesu 890", "00 00 00 02 10", "");
  auto& rig = bench.rig();
  rig.Command1_Click();
  EXPECT_EQ(rig::HexDump(bench.radio.line().ReadAtLeast(10)), "00 00 00 00 00 00 00 00 02 10 ");
  rig.Unload();
  EXPECT_EQ(rig::HexDump(bench.radio.line().ReadAtLeast(5)), "00 00 00 00 80 ");
}

TEST(RigPort, IcomEchoesAreSkippedAndTheRequestsAlternate) {
  RigBench bench(Kind::kIcom);
  bench.WriteRigSettings("Icom", "FE FE 64 E0 03 FD", "FE FE 64 E0 04 FD");
  bench.radio.hertz = 3550000;
  bench.OpenAndAnswer();
  EXPECT_FLOAT_EQ(bench.rig().RigFrequency, 3.55f);
  EXPECT_EQ(bench.settings().CurrentBand, "80");
  bench.headless().Advance(250);
  EXPECT_EQ(rig::HexDump(bench.radio.line().ReadAtLeast(6)), "FE FE 64 E0 04 FD ");
}

TEST(RigPort, PegasusIsReadFromItsFolderOnEveryReadTick) {
  RigBench bench;
  bench.WriteRigSettings("Ten Tec Pegasus", "", "");
  const auto folder = bench.dir() / "pegasus";
  std::filesystem::create_directories(folder);
  bench.app().Settings().SaveSetting("Keystone", "Pegasus", "Folder", folder.string());
  WriteBytes(folder / "PEGASUS.OUT", "21.3,\"USB\"\r\n");
  bench.Open();
  bench.headless().Advance(250);
  EXPECT_FLOAT_EQ(bench.rig().RigFrequency, 21.3f);
  EXPECT_EQ(bench.rig().RigMode, "PH");
  EXPECT_EQ(bench.settings().CurrentBand, "15");
  EXPECT_FALSE(bench.rig().comComm1().IsOpen());
}

}  // namespace
}  // namespace ks::testing
