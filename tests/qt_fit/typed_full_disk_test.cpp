// Contacts typed in a burst through the Qt view's own widgets while log.txt cannot take them
// (a full disk): no window opens after the first Enter to take the keys typed on, so every
// call lands in the entry line and is stored, held in memory and counted in the message
// label, and File > Exit writes them all once the disk has room.
#include <QLabel>
#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

#include "logstore/log_store.h"
#include "mainwin/windows/Outfrm.h"
#include "station/station_settings.h"
#include "tests/qt_fit/fit_bench.h"
#include "tests/qt_fit/typed_keys.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/files.h"

namespace ks::testing {
namespace {

class TypedFullDisk : public ::testing::Test {
 protected:
  TypedFullDisk() : bench(1366, 768) {
    bench.headless().loop().AlsoRunInDoEvents([this] { bench.qt_loop().DoEvents(); });
    StationSettings& s = bench.app().State<StationSettings>();
    s.OutOfState = 1;
    s.Rover = 0;
    window().Show();
    window().cmdLogOn.Press();  // QSOpref.txt is written before the disk fills
    window().txtCall.SetFocus();
    keys.Settle();
  }
  Outfrm& window() { return bench.app().Get<Outfrm>(); }
  std::string Shown(const forms::Label& label) {
    bench.view().Flush();
    return dynamic_cast<QLabel*>(bench.view().WidgetOf(label))->text().toStdString();
  }
  static std::vector<std::string> CallsOf(std::span<const LogRecord> records) {
    std::vector<std::string> calls;
    for (const LogRecord& r : records) calls.push_back(r.LogCall);
    return calls;
  }
  // The store's slots 1 to QSOCount.
  static std::vector<std::string> CallsOf(const LogStore& store) {
    return CallsOf(std::span(store.Records).subspan(1, static_cast<std::size_t>(store.QSOCount)));
  }
  std::vector<std::string> CallsInLogFile() { return CallsOf(ContactsInLogFile(bench)); }

  FitBench bench;
  TypedKeys keys{bench};
};

TEST_F(TypedFullDisk, CallsTypedOnAfterAFailedEnterAreStoredAndWrittenAtExit) {
  const LogStore& store = bench.app().State<LogStore>();
  const std::size_t boxes = bench.headless().dialogs().message_boxes.size();
  const std::vector<std::string> typed = {"K3XYZ", "W1ABC", "N2DEF"};
  {
    FileSizeLimit disk_full(ReadBytes(bench.work() / "log.txt").size() + 20);
    keys.Queue(window(), "k3xyz 42 y \rw1abc 7 y \rn2def 9 y \r");
    keys.Settle();
    EXPECT_EQ(bench.headless().dialogs().message_boxes.size(), boxes) << "a message box opened on Enter";
    EXPECT_EQ(CallsOf(store), typed);
    EXPECT_NE(Shown(window().lblDialog).find("3 QSOs in memory only!"), std::string::npos)
        << Shown(window().lblDialog);
  }
  window().mnuExit.ChooseBy();
  EXPECT_TRUE(bench.app().Ended());
  EXPECT_EQ(CallsInLogFile(), typed);
}

}  // namespace
}  // namespace ks::testing
