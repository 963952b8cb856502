// The radio moves to another band, and the main window writes QSOpref.txt and reads log.txt
// again from the poll's timer. A file that fails then is told in a notice after the message
// label's message, never in a message box (it would take the keys being typed into the call
// box): the band follows the radio, the log in memory stays whole, the program goes on, and
// the notice goes with the next band change once the file is mended.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "logstore/log_store.h"
#include "tests/rig/rig_fixture.h"

namespace ks::testing {
namespace {

namespace fs = std::filesystem;

TEST(PollFileFailures, AFileThatFailsWhenTheRadioMovesIsToldInANotice) {
  const auto log = [](RigBench& b) { return b.dir() / "log.txt"; };
  const struct {
    const char* name;
    std::function<void(RigBench&)> spoil;
    std::function<void(RigBench&)> mend;
    const char* notice;
  } cases[] = {
      {"QSOpref.txt cannot be written", [](RigBench& b) { fs::create_directory(b.dir() / "QSOpref.txt"); },
       [](RigBench& b) { fs::remove(b.dir() / "QSOpref.txt"); }, "QSOpref.txt not saved!"},
      // A contact's append failed before; the whole log cannot be written either.
      {"log.txt behind and not writable",
       [&](RigBench& b) {
         b.app().State<LogStore>().FileBehind = true;
         fs::remove(log(b));
         fs::create_directory(log(b));
       },
       [&](RigBench& b) { fs::remove(log(b)); }, "log.txt not written!"},
      {"log.txt gone", [&](RigBench& b) { fs::remove(log(b)); }, [](RigBench& b) { b.WriteLog(3); },
       "log.txt could not be read!"},
      {"log.txt with a line that cannot be read",
       [&](RigBench& b) { WriteBytes(log(b), ReadBytes(log(b)) + "K3XYZ,\"Adams\"\r\n"); },
       [](RigBench& b) { b.WriteLog(3); }, "log.txt could not be read!"},
  };
  for (const auto& c : cases) {
    RigBench bench;
    bench.WriteRigSettings("Kenwood", "FA;", "MD;");
    bench.radio.hertz = 14025000;
    bench.OpenAndAnswer();
    MainWindow& window = bench.Open();
    ASSERT_EQ(bench.settings().CurrentBand, "20") << c.name;
    const std::size_t boxes = bench.dialogs().message_boxes.size();  // the load's question

    c.spoil(bench);
    bench.radio.hertz = 7040000;
    bench.PollCycle();
    EXPECT_EQ(bench.settings().CurrentBand, "40") << c.name;
    EXPECT_EQ(bench.dialogs().message_boxes.size(), boxes) << c.name << ": a message box opened from the poll";
    EXPECT_NE(window.lblDialog.Caption().find(c.notice), std::string::npos) << c.name << ": "
                                                                          << window.lblDialog.Caption();
    EXPECT_EQ(bench.app().State<LogStore>().QSOCount, 3) << c.name;
    EXPECT_EQ(bench.app().State<LogStore>().Records[3].LogCall, "K3XYZ") << c.name << ": the log in memory changed";
    EXPECT_FALSE(bench.app().Ended()) << c.name;

    c.mend(bench);
    bench.radio.hertz = 14025000;
    bench.PollCycle();
    EXPECT_EQ(bench.settings().CurrentBand, "20") << c.name;
    EXPECT_EQ(window.lblDialog.Caption().find(c.notice), std::string::npos) << c.name << ": "
                                                                          << window.lblDialog.Caption();
    EXPECT_EQ(bench.dialogs().message_boxes.size(), boxes) << c.name;
    EXPECT_EQ(bench.app().State<LogStore>().QSOCount, 3) << c.name;
  }
}

}  // namespace
}  // namespace ks::testing
