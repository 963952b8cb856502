// Contacts that log.txt cannot take (a full disk), typed key by key into either main window:
// the failure is told in the message label, not in a window that would take the keys typed
// on; the calls typed on are kept; and before the program ends, by File > Exit or by the close
// box, the contacts go onto the disk: into log.txt once there is room (and from it into the
// close's backup), else into a file of their own that the message names, and when they can
// go nowhere the program stays open.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "logstore/log_file_format.h"
#include "logstore/log_rescue.h"
#include "mainwin/main_window.h"
#include "mainwin/windows/Infrm.h"
#include "mainwin/windows/Outfrm.h"
#include "platform/vb/constants.h"
#include "startup/notices.h"
#include "tests/instate_entry/infrm_fixture.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/small_disk.h"

namespace ks::testing {
namespace {

class UnwrittenLogTest : public InfrmTest, public ::testing::WithParamInterface<const char*> {
 protected:
  bool OutOfState() const { return std::string(GetParam()) == "Outfrm"; }

  // The window of the parameter over the fixture's log of three contacts, logged on, the
  // focus in the call box.
  MainWindow& OpenLoggedOn() {
    settings().OutOfState = OutOfState() ? 1 : 0;
    MainWindow& w = OutOfState() ? static_cast<MainWindow&>(Open<Outfrm>()) : Open<Infrm>();
    w.Show();
    w.cmdLogOn.Press();
    w.txtCall.SetFocus();
    h.dialogs().message_boxes.clear();
    return w;
  }
  // Contact `n` typed as an operator types it, ended by Enter: a K2 call with a serial, York
  // on the out-of-state window and the section CT on the in-state one.
  static std::string CallOf(int n) {
    return std::string("K2") + static_cast<char>('A' + n / 26 % 26) + static_cast<char>('A' + n % 26);
  }
  void TypeContact(MainWindow& w, int n) {
    w.TypeText(CallOf(n) + (OutOfState() ? " 5 y " : "5 ct "));
    w.PressKey(vb::vbKeyReturn);
  }
  static std::vector<std::string> Calls(const std::vector<LogRecord>& records, long count) {
    std::vector<std::string> calls;
    for (long i = 1; i <= count; ++i) calls.push_back(records[static_cast<std::size_t>(i)].LogCall);
    return calls;
  }
  // The calls of a log file, in order; a file that does not read as a log fails the test.
  std::vector<std::string> CallsIn(const fs::path& file) {
    std::vector<LogRecord> records(1);
    const LogParseResult read = ParseLogText(ReadBytes(file), records);
    EXPECT_TRUE(read.ok) << file << ": " << read.reason;
    return Calls(records, read.count);
  }
  std::vector<std::string> CallsInMemory() { return Calls(store().Records, store().QSOCount); }
  std::vector<forms::MessageBoxRequest> BoxesTitled(const std::string& title) {
    std::vector<forms::MessageBoxRequest> boxes;
    for (const auto& m : h.dialogs().message_boxes)
      if (m.title == title) boxes.push_back(m);
    return boxes;
  }
  static bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
  }
  // Ends the program as the case says: File > Exit or the close box.
  void End(MainWindow& w, bool by_exit) {
    if (by_exit) {
      w.mnuExit.ChooseBy();
    } else {
      w.CloseBy();
    }
  }
};

// Three contacts typed on a disk that takes none of them, then one once it has room.
TEST_P(UnwrittenLogTest, AFullDiskOnEnterIsToldInTheLabelAndTheCallsTypedOnAreKept) {
  MainWindow& w = OpenLoggedOn();
  const std::string before = ReadBytes(work() / "log.txt");
  {
    FileSizeLimit disk_full(before.size() + 20);
    const char* notices[] = {"1 QSO in memory only!", "2 QSOs in memory only!", "3 QSOs in memory only!"};
    for (int n = 0; n < 3; ++n) {
      TypeContact(w, n);
      EXPECT_EQ(w.txtCall.Text(), "") << n;  // the line was taken and cleared
      EXPECT_TRUE(w.txtCall.HasFocus()) << n;
      EXPECT_TRUE(EndsWith(w.lblDialog.Caption(), notices[n])) << w.lblDialog.Caption();
    }
    w.TypeText("W9X");  // what the entry line writes into the label leaves the notice standing
    EXPECT_TRUE(EndsWith(w.lblDialog.Caption(), notices[2])) << w.lblDialog.Caption();
    w.PressKey(vb::vbKeyEscape);
    EXPECT_TRUE(EndsWith(w.lblDialog.Caption(), notices[2])) << w.lblDialog.Caption();
  }
  EXPECT_TRUE(h.dialogs().message_boxes.empty()) << h.dialogs().message_boxes.at(0).text;
  EXPECT_EQ(w.lblDialog.ToolTipText().rfind((work() / "log.txt").string() + " could not be written (File too large)", 0),
            0u)
      << w.lblDialog.ToolTipText();
  EXPECT_EQ(ReadBytes(work() / "log.txt"), before);
  EXPECT_EQ(CallsInMemory(), (std::vector<std::string>{"W1AW", "W2AW", "W3AW", "K2AA", "K2AB", "K2AC"}));

  TypeContact(w, 3);  // the disk has room again: the whole log goes out
  EXPECT_EQ(CallsIn(work() / "log.txt"),
            (std::vector<std::string>{"W1AW", "W2AW", "W3AW", "K2AA", "K2AB", "K2AC", "K2AD"}));
  EXPECT_EQ(w.lblDialog.Caption().find("in memory only"), std::string::npos) << w.lblDialog.Caption();
  EXPECT_EQ(w.lblDialog.ToolTipText(), "");
  EXPECT_FALSE(store().FileBehind);
}

// The working folder on a small disk that fills up while contacts are typed: they are typed
// until the label says they are held in memory only, and two more after that. Then the
// program is ended by File > Exit or the close box, with room made on the disk, or with the
// disk still full and the contacts' own file in the BACKUP folder or, where that cannot be
// made, in the home folder.
struct EndCase {
  const char* name;
  bool by_exit;
  bool room_made;
  bool backup_folder_usable;
};

class FullDiskAtEnd : public UnwrittenLogTest {
 protected:
  // Types contacts until the notice shows, then two more; the calls in memory.
  std::vector<std::string> TypeUntilHeldInMemory(MainWindow& w) {
    int n = 0;
    for (; n < 200 && !store().FileBehind; ++n) TypeContact(w, n);
    EXPECT_TRUE(store().FileBehind) << "the disk never filled";
    EXPECT_NE(w.lblDialog.Caption().find("1 QSO in memory only!"), std::string::npos) << w.lblDialog.Caption();
    TypeContact(w, n);
    TypeContact(w, n + 1);
    EXPECT_NE(w.lblDialog.Caption().find("3 QSOs in memory only!"), std::string::npos) << w.lblDialog.Caption();
    EXPECT_TRUE(BoxesTitled(kUnwrittenLogTitle).empty());
    EXPECT_EQ(store().QSOCount, 3 + n + 2);
    return CallsInMemory();
  }
  void Check(const EndCase& c) {
    // The folders off the small disk keep what an earlier case wrote there.
    const fs::path home = dir / "home";
    fs::remove_all(home);
    fs::remove_all(data() / "BACKUP");
    fs::create_directories(home);
    fs::create_directories(data() / "BACKUP");
    h.env().Set("HOME", home.string());
    if (!c.backup_folder_usable) app().State<Folders>().DataFolder = work() / "log.txt";  // a file, no folder
    MainWindow& w = OpenLoggedOn();
    SmallDisk::FillUp(work());
    const std::vector<std::string> typed = TypeUntilHeldInMemory(w);
    if (c.room_made) SmallDisk::MakeRoom(work());
    End(w, c.by_exit);
    EXPECT_TRUE(app().Ended());
    const std::vector<forms::MessageBoxRequest> told = BoxesTitled(kUnwrittenLogTitle);
    if (c.room_made) {
      EXPECT_TRUE(told.empty());
      EXPECT_EQ(CallsIn(work() / "log.txt"), typed);
      if (!c.by_exit) {
        ASSERT_EQ(BackupFiles(), (std::vector<std::string>{"201310121530.log"}));
        EXPECT_EQ(CallsIn(data() / "BACKUP" / "201310121530.log"), typed);
      } else {
        EXPECT_TRUE(BackupFiles().empty());  // File > Exit makes no backup
      }
      return;
    }
    const fs::path copy = (c.backup_folder_usable ? data() / "BACKUP" : home) / "unwritten-201310121530.log";
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].text.rfind("3 contacts could not be written to the log file\r\n" + (work() / "log.txt").string() +
                                     "\r\nNo space left on device\r\n",
                                 0),
              0u)
        << told[0].text;
    EXPECT_NE(told[0].text.find("\r\n" + copy.string() + "\r\n"), std::string::npos) << told[0].text;
    EXPECT_EQ(CallsIn(copy), typed);
    EXPECT_EQ(CallsIn(work() / "log.txt").size(), typed.size() - 3);
    if (c.backup_folder_usable) {
      // The copy of the whole log is the close's backup; no copy of the short log.txt is made.
      EXPECT_EQ(BackupFiles(), (std::vector<std::string>{"unwritten-201310121530.log"}));
    }
  }
};

TEST_P(FullDiskAtEnd, EveryContactTypedIsOnTheDiskWhenTheProgramEnds) {
  const EndCase cases[] = {
      {"exit with room made", true, true, true},
      {"close with room made", false, true, true},
      {"exit on a full disk", true, false, true},
      {"close on a full disk", false, false, true},
      {"exit on a full disk, no backup folder", true, false, false},
  };
  fs::remove(work() / kPrefixFileName);  // read at setup; too large for the small disk
  for (const EndCase& c : cases) {
    SCOPED_TRACE(c.name);
    SmallDisk::Run(work(), 64 * 1024, [&] { Check(c); });
    if (IsSkipped()) return;
  }
}

// With no room anywhere (every file is limited to less than the log), neither File > Exit nor
// the close box ends the program: it says so and stays open, its contacts in memory; once
// the disk has room, Exit writes them and ends.
TEST_P(UnwrittenLogTest, WithNoRoomAnywhereTheProgramStaysOpen) {
  const fs::path home = dir / "home";
  fs::create_directories(home);
  h.env().Set("HOME", home.string());
  MainWindow& w = OpenLoggedOn();
  {
    FileSizeLimit disk_full(ReadBytes(work() / "log.txt").size() + 20);
    TypeContact(w, 0);
    TypeContact(w, 1);
    for (bool by_exit : {true, false}) {
      End(w, by_exit);
      EXPECT_FALSE(app().Ended()) << by_exit;
      EXPECT_TRUE(w.IsLoaded()) << by_exit;
    }
  }
  const std::vector<forms::MessageBoxRequest> told = BoxesTitled(kUnwrittenLogTitle);
  ASSERT_EQ(told.size(), 2u);
  EXPECT_EQ(told[0].text.rfind("2 contacts could not be written to the log file\r\n", 0), 0u) << told[0].text;
  EXPECT_NE(told[0].text.find((data() / "BACKUP" / "unwritten-201310121530.log").string()), std::string::npos);
  EXPECT_NE(told[0].text.find((home / "unwritten-201310121530.log").string()), std::string::npos);
  EXPECT_TRUE(EndsWith(told[0].text, "The program stays open so that nothing is lost: make room on the disk, then end "
                                     "the program again."))
      << told[0].text;
  EXPECT_EQ(store().QSOCount, 5);
  EXPECT_TRUE(BackupFiles().empty());

  w.mnuExit.ChooseBy();
  EXPECT_TRUE(app().Ended());
  EXPECT_EQ(CallsIn(work() / "log.txt"), (std::vector<std::string>{"W1AW", "W2AW", "W3AW", "K2AA", "K2AB"}));
}

INSTANTIATE_TEST_SUITE_P(BothWindows, UnwrittenLogTest, ::testing::Values("Outfrm", "Infrm"),
                         [](const auto& info) { return std::string(info.param); });
INSTANTIATE_TEST_SUITE_P(BothWindows, FullDiskAtEnd, ::testing::Values("Outfrm", "Infrm"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace ks::testing
