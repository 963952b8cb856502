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

// The notice of a radio whose frequency is no longer read, where the operator looks: after
// the message of the main window's message label.
bool NoticeShown(RigBench& bench, const char* notice = RigControlfrm::kSilenceNotice) {
  return bench.Open().lblDialog.Caption().find(notice) != std::string::npos;
}

TEST_F(KenwoodPoll, ASilentRadioIsToldWhereTheOperatorLooksAndItsNextAnswerIsTakenAtOnce) {
  bench.rig().Show();
  OpenAndAnswer();  // the last good reply
  ASSERT_EQ(bench.rig().lblFreq.Caption(), "7.04000");
  const size_t boxes = bench.dialogs().message_boxes.size();  // the load's question
  bench.radio.silent = true;
  for (int i = 0; i < 9; ++i) bench.PollCycle();  // 4.5 seconds without a reply
  EXPECT_FALSE(NoticeShown(bench));
  bench.PollCycle();
  EXPECT_TRUE(NoticeShown(bench)) << bench.Open().lblDialog.Caption();
  EXPECT_EQ(bench.rig().lblFreq.Caption(), "No Response");
  for (int i = 0; i < 20; ++i) bench.PollCycle();
  EXPECT_TRUE(NoticeShown(bench));
  EXPECT_EQ(bench.dialogs().message_boxes.size(), boxes) << "a message box took the keys";
  EXPECT_TRUE(bench.rig().tmrGetData.Enabled());
  EXPECT_EQ(bench.settings().CurrentBand, "40");

  bench.radio.silent = false;  // back, and on 20 m phone: the next poll takes it
  bench.radio.hertz = 14250000;
  bench.radio.kenwood_mode = 2;
  bench.PollCycle();
  EXPECT_EQ(bench.settings().CurrentBand, "20");
  EXPECT_EQ(bench.settings().CurrentMode, "PH");
  EXPECT_FALSE(NoticeShown(bench));
  EXPECT_EQ(bench.rig().lblFreq.Caption(), "14.25000");

  bench.radio.silent = true;  // a later silence is told again
  for (int i = 0; i < 10; ++i) bench.PollCycle();
  EXPECT_TRUE(NoticeShown(bench));
  EXPECT_EQ(bench.dialogs().message_boxes.size(), boxes);
}

TEST_F(KenwoodPoll, TheNoticeStaysAfterTheMessagesOfTheEntryLineAndGoesWithTheSilence) {
  OpenAndAnswer();
  MainWindow& w = bench.Open();
  bench.radio.silent = true;
  for (int i = 0; i < 10; ++i) bench.PollCycle();
  ASSERT_TRUE(NoticeShown(bench));
  w.lblDialog.SetCaption("Duplicate K3XYZ 10/12 15:00:00  Rec#  2");  // the entry line's message
  EXPECT_EQ(w.lblDialog.Caption(), "Duplicate K3XYZ 10/12 15:00:00  Rec#  2  No frequency from the rig!");
  w.ClearEntryFields();
  EXPECT_EQ(w.lblDialog.Caption(), "No frequency from the rig!");
  w.lblDialog.SetCaption("Possible Duplicate!");
  bench.radio.silent = false;
  bench.PollCycle();
  EXPECT_EQ(w.lblDialog.Caption(), "Possible Duplicate!");  // the notice goes, the message stays
}

// Only frequency requests that went out count, and only a frequency answer ends a silence.
struct SilenceCase {
  const char* name;
  Kind kind;
  const char* family;
  const char* freq_request;
  const char* mode_request;
  const char* poll_rate;
  int tick_ms;
  std::string (*noise)(const std::string& answer);  // the radio is silent when null
  int cycles;                                       // poll cycles after the last frequency answer
  bool told;
};

class Silence : public ::testing::TestWithParam<SilenceCase> {};

TEST_P(Silence, IsToldOnlyForFrequencyRequestsThatWentUnanswered) {
  const SilenceCase& c = GetParam();
  RigBench bench(c.kind);
  bench.WriteRigSettings(c.family, c.freq_request, c.mode_request, 1, c.poll_rate);
  bench.radio.hertz = 7040000;
  bench.Open();
  bench.radio.Serve(100);
  bench.headless().Advance(c.tick_ms);
  const size_t boxes = bench.dialogs().message_boxes.size();
  if (c.noise != nullptr) {
    bench.radio.line_noise = c.noise;
  } else {
    bench.radio.silent = true;
  }
  for (int i = 0; i < c.cycles; ++i) bench.PollCycle(c.tick_ms, 100);
  EXPECT_EQ(NoticeShown(bench), c.told) << bench.Open().lblDialog.Caption();
  EXPECT_EQ(bench.dialogs().message_boxes.size(), boxes);
}

std::string DamageFrequency(const std::string& answer) {
  return answer.rfind("FA", 0) == 0 ? "FA0000704O000;" : answer;
}

INSTANTIATE_TEST_SUITE_P(
    Polls, Silence,
    ::testing::Values(
        SilenceCase{"KenwoodFourAndAHalfSeconds", Kind::kKenwood, "Kenwood", "FA;", "MD;", "M", 250, nullptr, 9, false},
        SilenceCase{"KenwoodFiveSeconds", Kind::kKenwood, "Kenwood", "FA;", "MD;", "M", 250, nullptr, 10, true},
        // Every ten seconds: one missed answer is no silence, three are.
        SilenceCase{"TenSecondPollOneMissed", Kind::kKenwood, "Kenwood", "FA;", "MD;", "R", 5000, nullptr, 1, false},
        SilenceCase{"TenSecondPollTwoMissed", Kind::kKenwood, "Kenwood", "FA;", "MD;", "R", 5000, nullptr, 2, false},
        SilenceCase{"TenSecondPollThreeMissed", Kind::kKenwood, "Kenwood", "FA;", "MD;", "R", 5000, nullptr, 3, true},
        // Its mode answers are read, its frequency answers never: the band is not followed.
        SilenceCase{"ModeReadFrequencyNot", Kind::kKenwood, "Kenwood", "FA;", "MD;", "M", 250, DamageFrequency, 12,
                    true},
        // Nothing asks for the frequency: the set-up works as configured.
        SilenceCase{"KenwoodWithoutFrequencyRequest", Kind::kKenwood, "Kenwood", "", "MD;", "M", 250, nullptr, 20,
                    false},
        SilenceCase{"OtherWithEmptyRequests", Kind::kKenwood, "Other", "", "", "M", 250, nullptr, 20, false},
        SilenceCase{"OtherWithRequests", Kind::kKenwood, "Other", "FA;", "MD;", "M", 250, nullptr, 20, false},
        // The frequency is asked every other cycle: three go unanswered in six cycles, the five
        // seconds take ten.
        SilenceCase{"IcomFiveSeconds", Kind::kIcom, "Icom", "FE FE 64 E0 03 FD", "FE FE 64 E0 04 FD", "M", 250, nullptr,
                    10, true},
        SilenceCase{"IcomTenSecondPollTwoMissed", Kind::kIcom, "Icom", "FE FE 64 E0 03 FD", "FE FE 64 E0 04 FD", "R",
                    5000, nullptr, 4, false},
        SilenceCase{"YaesuRecord", Kind::kYaesu, "Yaesu", "00 00 00 00 03", "", "M", 250, nullptr, 10, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(KenwoodPoll, AnUnpluggedRadioIsToldOnceAndPollingStops) {
  OpenAndAnswer();
  const size_t boxes = bench.dialogs().message_boxes.size();
  bench.radio.line().Hangup();
  bench.headless().Advance(2000);
  EXPECT_TRUE(NoticeShown(bench, RigControlfrm::kPortLostNotice)) << bench.Open().lblDialog.Caption();
  EXPECT_EQ(bench.rig().lblFreq.Caption(), "No Response");
  EXPECT_EQ(bench.dialogs().message_boxes.size(), boxes);
  EXPECT_FALSE(bench.rig().tmrGetData.Enabled());
  EXPECT_FALSE(bench.rig().comComm1().IsOpen());
  bench.headless().Advance(2000);
  EXPECT_TRUE(NoticeShown(bench, RigControlfrm::kPortLostNotice));
  bench.rig().Command2_Click();  // "End Test": the operator has seen it
  EXPECT_FALSE(NoticeShown(bench, RigControlfrm::kPortLostNotice));
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

// A Yaesu slower than the poll: of each record only the head comes before the read tick, the
// tail after it. The tail goes before the next request, so it never joins the next record's
// head into five bytes of the right digits; the frequency stays as last read until the radio
// answers in time again and the line has been quiet for a second.
TEST(RigPort, ASlowYaesusLateTailIsDroppedBeforeTheNextRequest) {
  RigBench bench(Kind::kYaesu);
  bench.WriteRigSettings("Yaesu", "00 00 00 00 03", "");
  bench.radio.hertz = 14250000;
  bench.OpenAndAnswer();
  ASSERT_FLOAT_EQ(bench.rig().RigFrequency, 14.25f);
  bench.radio.hertz = 7040000;
  bench.radio.answer_in_time = 3;
  for (int i = 0; i < 4; ++i) {
    bench.PollCycle();
    bench.radio.SendLate();
    EXPECT_FLOAT_EQ(bench.rig().RigFrequency, 14.25f) << "cycle " << i;
  }
  bench.radio.answer_in_time = 0;
  for (int i = 0; i < 3; ++i) bench.PollCycle();
  EXPECT_FLOAT_EQ(bench.rig().RigFrequency, 7.04f);
  EXPECT_EQ(bench.settings().CurrentBand, "40");
}

TEST(RigPort, PegasusIsReadFromItsFolderOnEveryReadTick) {
  RigBench bench;
  const auto folder = bench.UsePegasusFolder();
  WriteBytes(folder / "PEGASUS.OUT", "21.3,\"USB\"\r\n");
  bench.Open();
  bench.headless().Advance(250);
  EXPECT_FLOAT_EQ(bench.rig().RigFrequency, 21.3f);
  EXPECT_EQ(bench.rig().RigMode, "PH");
  EXPECT_EQ(bench.settings().CurrentBand, "15");
  EXPECT_FALSE(bench.rig().comComm1().IsOpen());
}

// The control program's file fails under the poll: its folder gone, the file a folder, or
// text that does not read as a frequency. The poll goes on without a window, the band stays
// where the radio last was, the silence is told after five seconds, and the file mended is
// taken at the next read tick.
TEST(RigPort, APegasusFileThatFailsIsToldAsASilentRadio) {
  const struct {
    const char* name;
    void (*spoil)(const std::filesystem::path& folder);
  } cases[] = {
      {"folder gone", [](const std::filesystem::path& folder) { std::filesystem::remove_all(folder); }},
      {"file is a folder",
       [](const std::filesystem::path& folder) {
         std::filesystem::remove(folder / "PEGASUS.OUT");
         std::filesystem::create_directory(folder / "PEGASUS.OUT");
       }},
      {"garbage", [](const std::filesystem::path& folder) { WriteBytes(folder / "PEGASUS.OUT", "\x01\xff,,\"\r\n"); }},
  };
  for (const auto& c : cases) {
    RigBench bench;
    const auto folder = bench.UsePegasusFolder();
    WriteBytes(folder / "PEGASUS.OUT", "21.3,\"USB\"\r\n");
    bench.Open();
    bench.headless().Advance(250);
    ASSERT_EQ(bench.settings().CurrentBand, "15") << c.name;
    const std::size_t boxes = bench.dialogs().message_boxes.size();

    c.spoil(folder);
    bench.headless().Advance(6000);
    EXPECT_TRUE(NoticeShown(bench)) << c.name << ": " << bench.Open().lblDialog.Caption();
    EXPECT_EQ(bench.settings().CurrentBand, "15") << c.name;
    EXPECT_TRUE(bench.rig().tmrGetData.Enabled()) << c.name;
    EXPECT_EQ(bench.dialogs().message_boxes.size(), boxes) << c.name;

    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    WriteBytes(folder / "PEGASUS.OUT", "7.04,\"LSB\"\r\n");
    bench.headless().Advance(1000);
    EXPECT_EQ(bench.settings().CurrentBand, "40") << c.name;
    EXPECT_FALSE(NoticeShown(bench)) << c.name;
  }
}

}  // namespace
}  // namespace ks::testing
