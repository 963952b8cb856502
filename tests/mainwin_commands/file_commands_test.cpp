// New, Archive, Restore, Exit and the close of the main window: log.txt, QSOpref.txt and the
// BACKUP folder after each, and the dialogs the operator sees.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "keying/keying_devices.h"
#include "keying/keying_state.h"
#include "keying/windows/BlindFrm.h"
#include "keying/windows/CWFrm.h"
#include "keying/windows/PhoneFrm.h"
#include "keying/windows/frmWinKey.h"
#include "mainwin/windows/Form1.h"
#include "mainwin/windows/Infrm.h"
#include "mainwin/windows/Outfrm.h"
#include "platform/vb/constants.h"
#include "rig/windows/RigControlfrm.h"
#include "spots/windows/PacketSpotfrm.h"
#include "spots/windows/SpectrumMap.h"
#include "station/windows/frmCountyChangeRover.h"
#include "logstore/log_file_format.h"
#include "tests/keying/keying_fixture.h"
#include "tests/logstore/edge_logs.h"
#include "tests/mainwin_commands/main_window_fixture.h"

namespace ks::testing {
namespace {

using namespace ks::vb;

constexpr const char* kArchiveInfo =
    "This function is used to create a permanent copy of your currently open log file.  To open your log file at "
    "a later date, click File > Restore from Archive or Backup.";
constexpr const char* kRestoreInfo =
    "This action will open an archived log or backup file and creates a working file called log.txt.  If you make "
    "any changes to your archived data that you would like to permanently save, before you click File > New to "
    "start a new contest, be sure to click File > Archive to save your changes.";
constexpr const char* kRestoreQuestion =
    "Are you sure that you want to open an archived log?  This action will clear and replace existing QSO data.";
constexpr int kTimeOnTotalLine = 18;

class FileCommandsTest : public MainWindowTest {
 protected:
  std::vector<std::string> MessageTitles() {
    std::vector<std::string> titles;
    for (const auto& m : h.dialogs().message_boxes) titles.push_back(m.title);
    return titles;
  }
  fs::path backup() const { return data() / "BACKUP"; }
  // Five contacts in the log, where the first load found three.
  void GrowLogSinceLoad(MainWindow& w) {
    WriteBytes(work() / "log.txt", LogText(5));
    w.ReloadLog();
    ASSERT_EQ(store().QSOCount, 5);
    ASSERT_EQ(store().QSOCountAtLoad, 3);
  }
};

TEST_F(FileCommandsTest, NewWithYesEmptiesTheLogAndZeroesTheTime) {
  Outfrm& w = Open<Outfrm>();
  settings().TimeOnTotal = 3725;
  GrowLogSinceLoad(w);
  h.dialogs().AnswerInputBox("yes");
  ASSERT_TRUE(w.mnuNew.ChooseBy());
  EXPECT_EQ(ReadBytes(work() / "log.txt"), "");
  EXPECT_EQ(store().QSOCount, 0);
  EXPECT_EQ(w.lblttrack.Caption(), "00:00:00");
  EXPECT_EQ(PrefLine(kTimeOnTotalLine), "0");
  ASSERT_EQ(BackupFiles().size(), 1u);
  EXPECT_EQ(ReadBytes(backup() / BackupFiles()[0]), LogText(5));
}

TEST_F(FileCommandsTest, NewWithoutYesKeepsTheLogButReloadsAndStores) {
  for (const char* answer : {"no", "YES ", ""}) {
    SCOPED_TRACE(answer);
    Outfrm& w = Open<Outfrm>();
    settings().TimeOnTotal = 45;
    fs::remove(pref_file());
    WriteBytes(work() / "log.txt", LogText(2));
    h.dialogs().AnswerInputBox(std::string(answer));
    w.mnuNew.ChooseBy();
    EXPECT_EQ(ReadBytes(work() / "log.txt"), LogText(2));
    EXPECT_EQ(store().QSOCount, 2);  // re-read
    EXPECT_EQ(w.lblttrack.Caption(), "00:00:45");
    EXPECT_EQ(PrefLine(kTimeOnTotalLine), "45");
    EXPECT_TRUE(BackupFiles().empty());
  }
  ASSERT_FALSE(h.dialogs().input_boxes.empty());
  EXPECT_EQ(h.dialogs().input_boxes[0].title, "WARNING - Your existing log file will be ERASED!");
}

TEST_F(FileCommandsTest, ArchiveCopiesTheLogUnderTheProposedName) {
  Outfrm& w = Open<Outfrm>();
  const fs::path proposed = backup() / "K3ABC2013-10-12.log";
  h.dialogs().AnswerFileDialog({true, proposed.string()});
  ASSERT_TRUE(w.mnuArchive.ChooseBy());
  ASSERT_EQ(h.dialogs().message_boxes.size(), 1u);
  EXPECT_EQ(h.dialogs().message_boxes[0].text, kArchiveInfo);
  EXPECT_EQ(h.dialogs().message_boxes[0].title, "Archive Information");
  ASSERT_EQ(h.dialogs().file_dialogs.size(), 1u);
  const forms::FileDialogRequest& asked = h.dialogs().file_dialogs[0];
  EXPECT_TRUE(asked.save);
  EXPECT_EQ(asked.init_dir, backup().string());
  EXPECT_EQ(asked.file_name, proposed.string());
  EXPECT_EQ(asked.filter, "Log Files (*.log) | *.log");
  EXPECT_EQ(asked.flags & forms::CommonDialog::kOverwritePrompt, forms::CommonDialog::kOverwritePrompt);
  EXPECT_EQ(ReadBytes(proposed), LogText(3));
  EXPECT_EQ(store().QSOCount, 3);
}

// A contact whose append failed is in memory only, while log.txt lacks it: the archive, the
// operator's permanent copy, holds it all the same, and log.txt is left to the next write.
TEST_F(FileCommandsTest, ArchiveWhileAContactIsHeldInMemoryOnlyHoldsItToo) {
  Outfrm& w = Open<Outfrm>();
  store().Record(4) = store().Records[1];
  store().Record(4).LogCall = "K1ABC";
  store().QSOCount = 4;
  store().FileBehind = true;  // its append failed
  const fs::path archive = backup() / "K3ABC2013-10-12.log";
  h.dialogs().AnswerFileDialog({true, archive.string()});
  w.mnuArchive.ChooseBy();
  EXPECT_EQ(MessageTitles(), (std::vector<std::string>{"Archive Information"}));
  EXPECT_EQ(ReadBytes(archive), LogText(3) + FormatLogLine(store().Records[4]));
  EXPECT_EQ(ReadBytes(work() / "log.txt"), LogText(3));
  EXPECT_TRUE(store().FileBehind);
}

TEST_F(FileCommandsTest, ArchiveNamesTheCallPartOrYourCall) {
  Outfrm& w = Open<Outfrm>();
  settings().OwnCall = "/P";
  w.mnuArchive.ChooseBy();  // cancelled: nothing written, no message beyond the information
  EXPECT_EQ(h.dialogs().file_dialogs.at(0).file_name, (backup() / "YourCall2013-10-12.log").string());
  EXPECT_EQ(MessageTitles(), (std::vector<std::string>{"Archive Information"}));
  EXPECT_TRUE(BackupFiles().empty());
}

TEST_F(FileCommandsTest, ArchiveOfAnEmptyLogWritesAnEmptyArchive) {
  WriteBytes(work() / "log.txt", "");
  Outfrm& w = Open<Outfrm>();
  h.dialogs().AnswerFileDialog({true, (backup() / "empty.log").string()});
  w.mnuArchive.ChooseBy();
  EXPECT_TRUE(fs::exists(backup() / "empty.log"));
  EXPECT_EQ(ReadBytes(backup() / "empty.log"), "");
}

TEST_F(FileCommandsTest, ArchiveThatCannotBeWrittenIsReported) {
  Outfrm& w = Open<Outfrm>();
  h.dialogs().AnswerFileDialog({true, (dir / "no such folder" / "a.log").string()});
  w.mnuArchive.ChooseBy();
  ASSERT_EQ(MessageTitles(), (std::vector<std::string>{"Archive Information", "Error Archiving Log"}));
  EXPECT_FALSE(h.dialogs().message_boxes[1].text.empty());
  EXPECT_EQ(ReadBytes(work() / "log.txt"), LogText(3));
}

TEST_F(FileCommandsTest, RestoreReplacesAndReloadsTheLog) {
  WriteBytes(backup() / "201310121500.log", LogText(7, 10));
  Outfrm& w = Open<Outfrm>();
  h.dialogs().AnswerMessageBox(vbOK);
  h.dialogs().AnswerMessageBox(vbYes);
  h.dialogs().AnswerFileDialog({true, (backup() / "201310121500.log").string()});
  w.mnuRestore.ChooseBy();
  ASSERT_EQ(h.dialogs().message_boxes.size(), 2u);
  EXPECT_EQ(h.dialogs().message_boxes[0].text, kRestoreInfo);
  EXPECT_EQ(h.dialogs().message_boxes[0].title, "Opening Archived Data Information");
  EXPECT_EQ(h.dialogs().message_boxes[1].text, kRestoreQuestion);
  EXPECT_EQ(h.dialogs().message_boxes[1].title, "Are your sure?");
  EXPECT_EQ(h.dialogs().message_boxes[1].buttons & kMsgBoxButtonsMask, vbYesNo);
  const forms::FileDialogRequest& asked = h.dialogs().file_dialogs.at(0);
  EXPECT_FALSE(asked.save);
  EXPECT_EQ(asked.file_name, "");
  EXPECT_EQ(asked.init_dir, backup().string());
  EXPECT_EQ(asked.filter, "Log Files (*.log) | *.log");
  EXPECT_EQ(ReadBytes(work() / "log.txt"), LogText(7, 10));
  EXPECT_EQ(store().QSOCount, 7);
  EXPECT_EQ(store().Records[1].LogCall, "W10AW");
  EXPECT_TRUE(BackupFiles().size() == 1u);  // no copy of the replaced log
}

TEST_F(FileCommandsTest, RestoreAnsweredNoOrCancelledChangesNothing) {
  Outfrm& w = Open<Outfrm>();
  h.dialogs().AnswerMessageBox(vbOK);
  h.dialogs().AnswerMessageBox(vbNo);
  w.mnuRestore.ChooseBy();
  EXPECT_TRUE(h.dialogs().file_dialogs.empty());
  w.mnuRestore.ChooseBy();  // Yes, then the dialog is cancelled
  EXPECT_EQ(h.dialogs().file_dialogs.size(), 1u);
  EXPECT_EQ(MessageTitles().size(), 4u);
  EXPECT_EQ(ReadBytes(work() / "log.txt"), LogText(3));
  EXPECT_EQ(store().QSOCount, 3);
}

TEST_F(FileCommandsTest, RestoreOnAnEmptyLogDoesNotAsk) {
  WriteBytes(work() / "log.txt", "");
  WriteBytes(backup() / "K3ABC2013-10-11.log", LogText(2));
  Outfrm& w = Open<Outfrm>();
  h.dialogs().AnswerFileDialog({true, (backup() / "K3ABC2013-10-11.log").string()});
  w.mnuRestore.ChooseBy();
  EXPECT_EQ(MessageTitles(), (std::vector<std::string>{"Opening Archived Data Information"}));
  EXPECT_EQ(store().QSOCount, 2);
}

TEST_F(FileCommandsTest, RestoreRefusesAFileThatIsNotALog) {
  WriteBytes(backup() / "notes.log", "\"W1AW\",\"599\",\"not a number of points\r\n");
  Outfrm& w = Open<Outfrm>();
  h.dialogs().AnswerFileDialog({true, (backup() / "notes.log").string()});
  w.mnuRestore.ChooseBy();
  EXPECT_EQ(MessageTitles(), (std::vector<std::string>{"Opening Archived Data Information", "Are your sure?",
                                                       "Error Restoring Log"}));
  EXPECT_FALSE(app().Ended());
  EXPECT_EQ(ReadBytes(work() / "log.txt"), LogText(3));
  EXPECT_EQ(store().QSOCount, 3);
}

// An archive whose last record has no line end (an editor saved it so) is restored; the next
// contact typed goes on a line of its own, and the log read again holds all three.
TEST_F(FileCommandsTest, AContactLoggedAfterRestoringAFileWithoutItsLastLineEndIsALineOfItsOwn) {
  std::string archive = LogText(2, 10);
  archive.resize(archive.size() - 2);
  WriteBytes(backup() / "K3ABC2013-10-11.log", archive);
  Outfrm& w = Open<Outfrm>();
  h.dialogs().AnswerMessageBox(vbOK);
  h.dialogs().AnswerMessageBox(vbYes);
  h.dialogs().AnswerFileDialog({true, (backup() / "K3ABC2013-10-11.log").string()});
  w.mnuRestore.ChooseBy();
  ASSERT_EQ(store().QSOCount, 2);
  w.cmdLogOn.Press();
  w.txtCall.SetFocus();
  w.TypeText("K1ABC 5 y ");
  w.PressKey(vbKeyReturn);
  ASSERT_EQ(store().QSOCount, 3);
  w.ReloadLog();
  EXPECT_FALSE(app().Ended());
  ASSERT_EQ(store().QSOCount, 3);
  EXPECT_EQ(store().Records[2].LogCall, "W11AW");
  EXPECT_EQ(store().Records[3].LogCall, "K1ABC");
}

// A restore while a contact is held in memory only: the restored file is the log, as the
// operator agreed, and the log in memory is not written over it.
TEST_F(FileCommandsTest, ARestoreWhileAContactIsHeldInMemoryKeepsTheRestoredFile) {
  WriteBytes(backup() / "201310121500.log", LogText(7, 10));
  Outfrm& w = Open<Outfrm>();
  store().Record(4) = store().Records[1];
  store().Record(4).LogCall = "K1ABC";
  store().QSOCount = 4;
  store().FileBehind = true;  // its append failed
  h.dialogs().AnswerMessageBox(vbOK);
  h.dialogs().AnswerMessageBox(vbYes);
  h.dialogs().AnswerFileDialog({true, (backup() / "201310121500.log").string()});
  w.mnuRestore.ChooseBy();
  EXPECT_EQ(ReadBytes(work() / "log.txt"), LogText(7, 10));
  EXPECT_EQ(store().QSOCount, 7);
  EXPECT_FALSE(store().FileBehind);
}

TEST_F(FileCommandsTest, ExitLoggedOffStoresNothingAndMakesNoBackup) {
  Outfrm& w = Open<Outfrm>();
  GrowLogSinceLoad(w);
  fs::remove(pref_file());
  w.mnuExit.ChooseBy();
  EXPECT_TRUE(app().Ended());
  EXPECT_FALSE(fs::exists(pref_file()));
  EXPECT_TRUE(BackupFiles().empty());
}

TEST_F(FileCommandsTest, ExitLoggedOnStoresTheOperatingTime) {
  Outfrm& w = Open<Outfrm>();
  GrowLogSinceLoad(w);
  app().State<RunState>().LoggedOn = true;
  app().State<RunState>().TimeOnCurrent = 754;
  w.mnuExit.ChooseBy();
  EXPECT_TRUE(app().Ended());
  EXPECT_EQ(PrefLine(kTimeOnTotalLine), "754");
  EXPECT_FALSE(app().State<RunState>().LoggedOn);
  EXPECT_TRUE(BackupFiles().empty());
}

// The main window closed while a message is being sent. The close comes between two
// characters: the rest of the message is not sent, the keying line is keyed up (also one
// whose key-up the port refused at the end of the character) and the close goes on as any
// close does, with the backup and the operating time. The parameter is the number of
// key-ups the parallel port refuses.
class CloseWhileSendingTest : public FileCommandsTest, public ::testing::WithParamInterface<int> {};

TEST_P(CloseWhileSendingTest, TheCloseEndsTheMessageReleasesTheLineAndCloses) {
  auto owned = std::make_unique<RecordingDevices>(app(), h.clock());
  RecordingDevices& devices = *owned;
  UseKeyingDevices(app(), std::move(owned));
  Outfrm& w = app().Get<Outfrm>();
  GrowLogSinceLoad(w);
  app().State<RunState>().LoggedOn = true;
  app().State<RunState>().TimeOnCurrent = 60;
  CWFrm& cw = app().Get<CWFrm>();
  cw.Text1.SetText("EEEE");
  cw.Text11.SetText("12");  // 100 ms units
  cw.Option3.ClickBy();     // the parallel port
  devices.failing_key_ups = GetParam();
  // The operator closes the window as soon as the first character has gone.
  h.loop().Post([&w] { w.CloseBy(); });
  w.PressKey(vbKeyF1);

  EXPECT_TRUE(app().Ended());
  ASSERT_FALSE(devices.transitions.empty());
  EXPECT_FALSE(devices.transitions.back().down) << "the line is keyed up";
  EXPECT_EQ(std::count_if(devices.transitions.begin(), devices.transitions.end(),
                          [](const Transition& t) { return t.down; }),
            1)
      << "one character sent, the rest of the message dropped";
  EXPECT_EQ(devices.key_up_tries, GetParam() + 1) << "the refused key-up was tried again by the close";
  const KeyingState& keying = app().State<KeyingState>();
  EXPECT_TRUE(keying.CWBuffer.empty());
  EXPECT_EQ(keying.CWSending, 0);
  EXPECT_EQ(BackupFiles(), (std::vector<std::string>{"201310121530.log"}));
  EXPECT_EQ(PrefLine(kTimeOnTotalLine), "60");
}

INSTANTIATE_TEST_SUITE_P(RefusedKeyUps, CloseWhileSendingTest, ::testing::Values(0, 2));

TEST_F(FileCommandsTest, CloseUnloadsTheToolWindowsInOrderAndBacksUp) {
  Outfrm& w = Open<Outfrm>();
  GrowLogSinceLoad(w);
  app().Get<frmWinKey>();
  app().Get<Form1>();
  app().Get<RigControlfrm>();
  app().Get<SpectrumMap>();
  app().Get<PacketSpotfrm>();
  app().Get<BlindFrm>();
  app().Get<CWFrm>();
  app().Get<PhoneFrm>();
  app().State<RunState>().LoggedOn = true;
  app().State<RunState>().TimeOnCurrent = 60;
  view.events.clear();
  w.CloseBy();
  EXPECT_TRUE(app().Ended());
  std::vector<std::string> unloads(view.events.begin(), view.events.begin() + 8);
  EXPECT_EQ(unloads, (std::vector<std::string>{"unload PhoneFrm", "unload CWFrm", "unload BlindFrm",
                                               "unload PacketSpotfrm", "unload SpectrumMap", "unload RigControlfrm",
                                               "unload Form1", "unload frmWinKey"}));
  ASSERT_EQ(BackupFiles(), (std::vector<std::string>{"201310121530.log"}));
  EXPECT_EQ(ReadBytes(backup() / "201310121530.log"), LogText(5));
  EXPECT_EQ(PrefLine(kTimeOnTotalLine), "60");
}

TEST_F(FileCommandsTest, InStateCloseAlsoUnloadsTheRoverCountyWindow) {
  settings().OutOfState = 0;
  Infrm& w = Open<Infrm>();
  app().Get<frmWinKey>();
  app().Get<frmCountyChangeRover>();
  app().Get<Form1>();
  view.events.clear();
  w.CloseBy();
  std::vector<std::string> unloads(view.events.begin(), view.events.begin() + 3);
  EXPECT_EQ(unloads, (std::vector<std::string>{"unload Form1", "unload frmCountyChangeRover", "unload frmWinKey"}));
}

TEST_F(FileCommandsTest, CloseWithAnUnchangedCountMakesNoBackup) {
  Outfrm& w = Open<Outfrm>();
  w.CloseBy();
  EXPECT_TRUE(app().Ended());
  EXPECT_TRUE(BackupFiles().empty());
}

// Each edge log, restored from an archive: log.txt is the archive byte for byte, the log
// holds its records, and an archive made of it at once is that file again.
class RestoreEdgeLog : public FileCommandsTest, public ::testing::WithParamInterface<LogBytes> {};

TEST_P(RestoreEdgeLog, RestoredAndArchivedAgainByteForByte) {
  std::vector<LogRecord> expected(1);
  const LogParseResult read = ParseLogText(GetParam().bytes, expected);
  ASSERT_TRUE(read.ok) << read.reason;
  WriteBytes(backup() / "archived.log", GetParam().bytes);
  Outfrm& w = Open<Outfrm>();
  h.dialogs().AnswerMessageBox(vbOK);
  h.dialogs().AnswerMessageBox(vbYes);
  h.dialogs().AnswerFileDialog({true, (backup() / "archived.log").string()});
  w.mnuRestore.ChooseBy();
  ASSERT_FALSE(app().Ended());
  EXPECT_EQ(ReadBytes(work() / "log.txt"), GetParam().bytes);
  ASSERT_EQ(store().QSOCount, read.count);
  expected.resize(static_cast<std::size_t>(read.count) + 1);
  EXPECT_EQ(std::vector<LogRecord>(store().Records.begin(), store().Records.begin() + read.count + 1), expected);
  h.dialogs().AnswerFileDialog({true, (backup() / "again.log").string()});
  w.mnuArchive.ChooseBy();
  EXPECT_EQ(ReadBytes(backup() / "again.log"), GetParam().bytes);
  EXPECT_EQ(MessageTitles(), (std::vector<std::string>{"Opening Archived Data Information", "Are your sure?",
                                                       "Archive Information"}));
}

INSTANTIATE_TEST_SUITE_P(EdgeLogs, RestoreEdgeLog, ::testing::ValuesIn(EdgeLogs()),
                         [](const ::testing::TestParamInfo<LogBytes>& info) { return info.param.name; });

}  // namespace
}  // namespace ks::testing
