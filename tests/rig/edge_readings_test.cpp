// Readings at their edge: a Yaesu record that a serial link delivers in two pieces, a radio
// that reports zero hertz or whose frequency answers are never read, and PEGASUS.OUT caught
// while its control program rewrites it. None of them moves the band or gives a contact a
// frequency the radio did not report.
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "logstore/log_store.h"
#include "platform/vb/constants.h"
#include "reports/adif_export.h"
#include "tests/rig/rig_fixture.h"

namespace ks::testing {
namespace {

using Kind = SimulatedRadio::Kind;

// A USB, network or Bluetooth serial link: each answer goes out in two pieces, the first
// `latency_ms` after the request and the rest `gap_ms` after the first, on virtual time.
class SplittingLink {
 public:
  SplittingLink(RigBench& bench, size_t head, int latency_ms, int gap_ms) : bench_(bench) {
    bench.radio.deliver = [this, head, latency_ms, gap_ms](const std::string& answer) {
      const auto now = bench_.headless().clock().TickMs();
      due_.emplace(now + latency_ms, answer.substr(0, head));
      due_.emplace(now + latency_ms + gap_ms, answer.substr(head));
    };
  }
  // The radio answers whole again (what is on its way still arrives).
  void Mend() { bench_.radio.deliver = nullptr; }

  // Runs the poll for `ms` in steps of 10 ms, the radio answering each request as it comes;
  // `check` runs after every step.
  void Run(int ms, const std::function<void()>& check = [] {}) {
    for (int t = 0; t < ms; t += 10) {
      bench_.headless().Advance(10);
      bench_.radio.Serve(2);
      const auto now = bench_.headless().clock().TickMs();
      for (auto it = due_.begin(); it != due_.end() && it->first <= now; it = due_.erase(it)) {
        bench_.radio.line().Write(it->second);
      }
      check();
    }
  }

 private:
  RigBench& bench_;
  std::multimap<std::int64_t, std::string> due_;
};

// Each five-byte record comes in two pieces, the second after more than a poll tick, landing
// after the next request: read together, the tail of one record and the head of the next give
// 14.202 MHz (2+3), 700.142 (1+4) or 20.070 (4+1) for a radio on 7.00142 MHz.
TEST(YaesuRecordInTwoPieces, NeverMovesTheBandAndIsReadAgainOnceRecordsComeWhole) {
  const struct {
    const char* name;
    size_t head;
  } splits[] = {{"2+3", 2}, {"1+4", 1}, {"4+1", 4}};
  for (const auto& split : splits) {
    RigBench bench(Kind::kYaesu);
    bench.WriteRigSettings("Yaesu", "00 00 00 00 03", "", 1, "F");  // a tick every 50 ms
    bench.radio.hertz = 7001420;
    bench.Open();
    bench.radio.Serve();
    bench.headless().Advance(50);
    ASSERT_FLOAT_EQ(bench.rig().RigFrequency, 7.00142f) << split.name;
    ASSERT_EQ(bench.settings().CurrentBand, "40") << split.name;
    auto& next_frequency = bench.app().State<MainWindowState>().NextQSOFrequency;

    SplittingLink link(bench, split.head, 40, 70);
    int moved = 0;
    link.Run(3000, [&] {
      if (bench.settings().CurrentBand != "40" || bench.rig().RigFrequency != 7.00142f || next_frequency != "7.001") {
        ++moved;
      }
    });
    EXPECT_EQ(moved, 0) << split.name << ": read " << bench.rig().RigFrequency << " on band "
                        << bench.settings().CurrentBand;

    link.Mend();
    bench.radio.hertz = 14250000;
    link.Run(2000);
    EXPECT_FLOAT_EQ(bench.rig().RigFrequency, 14.25f) << split.name;
    EXPECT_EQ(bench.settings().CurrentBand, "20") << split.name;
  }
}

// Zero hertz is no reading, and a radio whose frequency is not read gives none: the contact
// logged meanwhile is stored, and exported, as it is without a radio.
TEST(NoFrequencyRead, AContactIsStoredAsWithoutARadio) {
  const struct {
    const char* name;
    Kind kind;
    const char* family;
    const char* freq_request;
    const char* mode_request;
    long long hertz;
    std::string (*noise)(const std::string& answer);
    const char* mode;  // the mode the contact goes on: the radio's where its mode answers are read
  } cases[] = {
      {"no radio", Kind::kKenwood, "None", "", "", 0, nullptr, "CW"},
      {"Kenwood FA00000000000;", Kind::kKenwood, "Kenwood", "FA;", "MD;", 0, nullptr, "PH"},
      {"Orion @AF00000000", Kind::kOrion, "Ten Tec Orion", "?AF", "?RMM", 7040000,
       [](const std::string& a) { return a.rfind("@AF", 0) == 0 ? std::string("@AF00000000\r") : a; }, "PH"},
      {"Yaesu five zero bytes", Kind::kYaesu, "Yaesu", "00 00 00 00 03", "", 7040000,
       [](const std::string&) { return std::string(5, '\0'); }, "CW"},
      {"Icom zero hertz", Kind::kIcom, "Icom", "FE FE 64 E0 03 FD", "FE FE 64 E0 04 FD", 0, nullptr, "CW"},
      // Its mode answers are read; its frequency answers have a digit the family does not take.
      {"Kenwood frequency never read", Kind::kKenwood, "Kenwood", "FA;", "MD;", 7040000,
       [](const std::string& a) { return a.rfind("FA", 0) == 0 ? std::string("FA000007040000;") : a; }, "PH"},
  };
  for (const auto& c : cases) {
    RigBench bench(c.kind);
    bench.WriteRigSettings(c.family, c.freq_request, c.mode_request);
    bench.radio.hertz = c.hertz;
    bench.radio.kenwood_mode = 2;
    bench.radio.orion_mode = 0;
    bench.radio.line_noise = c.noise;
    MainWindow& w = bench.Open();
    if (std::string(c.family) != "None") {
      bench.radio.Serve();
      bench.headless().Advance(250);
      for (int i = 0; i < 3; ++i) bench.PollCycle();
    }
    EXPECT_EQ(bench.settings().CurrentBand, "20") << c.name;
    w.txtCall.SetFocus();
    w.TypeText("k3xyz 42 y ");
    w.PressKey(vb::vbKeyReturn);
    const LogStore& store = bench.app().State<LogStore>();
    ASSERT_EQ(store.QSOCount, 4) << c.name;
    const LogRecord& contact = store.Records[4];
    EXPECT_EQ(contact.LogCall, "K3XYZ") << c.name;
    EXPECT_EQ(contact.LogFrequency, "") << c.name;
    EXPECT_EQ(contact.LogBand, "20") << c.name;
    EXPECT_EQ(contact.LogMode, c.mode) << c.name;
    EXPECT_EQ(AdifRecord(contact, {}, {}).find("<Freq"), std::string::npos) << c.name;
  }
}

// The control program rewrites PEGASUS.OUT in place: a read may find any head of the new
// text. Only a number whose line end is there is taken.
TEST(PegasusFileRewritten, AHalfWrittenFileGivesNoReading) {
  RigBench bench;
  const auto folder = bench.UsePegasusFolder();
  const std::string text = "21.03,\"CW\"\r\n";
  WriteBytes(folder / "PEGASUS.OUT", text);
  bench.Open();
  bench.headless().Advance(250);
  ASSERT_FLOAT_EQ(bench.rig().RigFrequency, 21.03f);
  ASSERT_EQ(bench.settings().CurrentBand, "15");
  ASSERT_EQ(bench.settings().CurrentMode, "CW");
  for (size_t written = 0; written <= text.size(); ++written) {
    WriteBytes(folder / "PEGASUS.OUT", text.substr(0, written));
    bench.headless().Advance(500);  // a send tick and a read tick
    EXPECT_FLOAT_EQ(bench.rig().RigFrequency, 21.03f) << text.substr(0, written);
    EXPECT_EQ(bench.settings().CurrentBand, "15") << text.substr(0, written);
    EXPECT_EQ(bench.settings().CurrentMode, "CW") << text.substr(0, written);
  }
  // A line of its own for each value, as PEGASUS.IN is written: the frequency's line is whole
  // before the mode's.
  WriteBytes(folder / "PEGASUS.OUT", "7.04\r\nUS");
  bench.headless().Advance(500);
  EXPECT_FLOAT_EQ(bench.rig().RigFrequency, 7.04f);
  EXPECT_EQ(bench.settings().CurrentBand, "40");
  EXPECT_EQ(bench.settings().CurrentMode, "CW");
}

}  // namespace
}  // namespace ks::testing
