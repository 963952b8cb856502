// Starting a new log and the backup copies in the data folder's BACKUP folder: the typed
// confirmation, a copy before any non-empty log is erased, the rule of QSOCountAtLoad at
// shut-down, and copies named by the local date and time.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "station/station_settings.h"
#include "tests/logstore/log_fixture.h"

namespace ks::testing {
namespace {

namespace fs = std::filesystem;

// The virtual clock's local time is 2026-10-10 16:05.
const char* const kCopyName = "202610101605.log";

class LogBackup : public LogFixture {
 protected:
  void PutThreeOnDisk() {
    WriteLog(FormatLogLine(Contact("K3AAA", "Adams")) + FormatLogLine(Contact("K3BBB", "Bucks")) +
             FormatLogLine(Contact("K3CCC", "Centre")));
    three_ = ReadLog();
  }
  void Load() { app().Dispatch([&] { LoadLogFile(app()); }); }
  void NewLog(std::optional<std::string> answer) {
    dialogs().AnswerInputBox(std::move(answer));
    app().Dispatch([&] { StartNewLog(app()); });
  }
  fs::path Backup() const { return data() / "BACKUP"; }
  size_t CopiesMade() const {
    if (!fs::exists(Backup())) return 0;
    return static_cast<size_t>(std::distance(fs::directory_iterator(Backup()), fs::directory_iterator()));
  }

  std::string three_;
};

TEST_F(LogBackup, ANewLogAsksForYESInAnInputBox) {
  PutThreeOnDisk();
  NewLog("yes");
  ASSERT_EQ(dialogs().input_boxes.size(), 1u);
  EXPECT_EQ(dialogs().input_boxes[0].title, "WARNING - Your existing log file will be ERASED!");
  EXPECT_EQ(dialogs().input_boxes[0].prompt,
            "Are you sure that you want to start a new log file?  This function will ERASE the existing log "
            "file!\r\n\r\nTo verify that you want to start a new log file, please type: YES");
  EXPECT_EQ(dialogs().input_boxes[0].default_text, "");
}

struct Answer {
  std::optional<std::string> typed;
  bool erases;
};

class NewLogAnswer : public LogBackup, public ::testing::WithParamInterface<Answer> {};

TEST_P(NewLogAnswer, OnlyYESInAnyCaseErasesTheLog) {
  PutThreeOnDisk();
  Load();
  NewLog(GetParam().typed);
  EXPECT_EQ(ReadLog(), GetParam().erases ? "" : three_);
  EXPECT_EQ(store().QSOCount, GetParam().erases ? 0 : 3);
  EXPECT_TRUE(dialogs().message_boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(Answers, NewLogAnswer,
                         ::testing::Values(Answer{"YES", true}, Answer{"yes", true}, Answer{"Yes", true},
                                           Answer{"YES ", false}, Answer{" YES", false}, Answer{"Y", false},
                                           Answer{"", false}, Answer{std::nullopt, false}));

TEST_F(LogBackup, ANewLogAtStartUpCopiesTheOldLogFirst) {
  PutThreeOnDisk();  // not loaded yet: QSOCount and QSOCountAtLoad are 0
  app().State<StationSettings>().TimeOnTotal = 5400;
  app().State<RunState>().TimeOnCurrent = 5400;
  NewLog("YES");
  EXPECT_EQ(ReadBytes(Backup() / kCopyName), three_);
  EXPECT_EQ(ReadLog(), "");
  EXPECT_EQ(store().QSOCount, 0);
  EXPECT_EQ(app().State<StationSettings>().TimeOnTotal, 0);
  EXPECT_EQ(app().State<RunState>().TimeOnCurrent, 0);
  std::string prefs = ReadBytes(work() / "QSOpref.txt");
  EXPECT_NE(prefs.find("\r\n0\r\n\"\"\r\n"), std::string::npos) << prefs;  // TimeOnTotal, then PartyState
}

TEST_F(LogBackup, ANewLogWithNoContactAddedSinceTheLoadStillCopiesTheLog) {
  PutThreeOnDisk();
  Load();
  ASSERT_EQ(store().QSOCount, store().QSOCountAtLoad);
  NewLog("YES");
  EXPECT_EQ(ReadBytes(Backup() / kCopyName), three_);
  EXPECT_EQ(ReadLog(), "");
}

// A contact held in memory only (its append failed) is in the copy made before the log is
// erased: the copy is of the log in memory, not of the shorter log.txt.
TEST_F(LogBackup, ANewLogWhileAContactIsHeldInMemoryOnlyCopiesItToo) {
  PutThreeOnDisk();
  Load();
  fs::remove(LogPath());
  fs::create_directory(LogPath());  // log.txt is a folder: no append
  const LogRecord held = Contact("K3DDD", "Dauphin");
  ++store().QSOCount;
  store().Record(store().QSOCount) = held;
  ASSERT_FALSE(AppendLogRecord(app()));
  fs::remove(LogPath());
  WriteLog(three_);
  NewLog("YES");
  EXPECT_EQ(ReadBytes(Backup() / kCopyName), three_ + FormatLogLine(held));
  EXPECT_EQ(ReadLog(), "");
  EXPECT_FALSE(store().FileBehind);
}

TEST_F(LogBackup, AnEmptyLogNeedsNoCopy) {
  WriteLog("");
  NewLog("YES");
  EXPECT_EQ(CopiesMade(), 0u);
  EXPECT_TRUE(dialogs().message_boxes.empty());
}

TEST_F(LogBackup, WhenNoCopyCanBeMadeTheLogIsNotErased) {
  PutThreeOnDisk();
  Load();
  WriteFile(Backup(), "a file where the folder should be");
  NewLog("YES");
  EXPECT_EQ(ReadLog(), three_);
  EXPECT_EQ(store().QSOCount, 3);
  ASSERT_EQ(dialogs().message_boxes.size(), 1u);
  EXPECT_EQ(dialogs().message_boxes[0].title, "Log File Error");
  EXPECT_EQ(dialogs().message_boxes[0].text.rfind("The log could not be copied to the backup folder", 0), 0u);
  EXPECT_NE(dialogs().message_boxes[0].text.find("The log was not erased."), std::string::npos);
}

TEST_F(LogBackup, TheShutDownCopyIsMadeOnlyWhenTheCountDiffersFromTheFirstLoad) {
  PutThreeOnDisk();
  Load();
  BackupLogFile(app());
  EXPECT_EQ(CopiesMade(), 0u);
  ASSERT_TRUE(Log(Contact("K3DDD", "Dauphin")));
  BackupLogFile(app());
  EXPECT_EQ(ReadBytes(Backup() / kCopyName), ReadLog());
}

TEST_F(LogBackup, NoContactsMeansNoCopy) {
  WriteLog("");
  Load();
  BackupLogFile(app());
  EXPECT_EQ(CopiesMade(), 0u);
}

TEST_F(LogBackup, ACopyOfAnotherLogInTheSameMinuteIsNotReplaced) {
  PutThreeOnDisk();
  Load();
  ASSERT_TRUE(Log(Contact("K3DDD", "Dauphin")));
  BackupLogFile(app());
  const std::string first = ReadLog();
  BackupLogFile(app());  // the same log again: still one copy
  EXPECT_EQ(CopiesMade(), 1u);
  ASSERT_TRUE(Log(Contact("K3EEE", "Erie")));
  BackupLogFile(app());
  EXPECT_EQ(ReadBytes(Backup() / kCopyName), first);
  EXPECT_EQ(ReadBytes(Backup() / "202610101605-2.log"), ReadLog());
  clock().Advance(60 * 1000);
  BackupLogFile(app());
  EXPECT_EQ(ReadBytes(Backup() / "202610101606.log"), ReadLog());
}

TEST_F(LogBackup, TheBackupFolderIsFoundWithoutRegardToCase) {
  fs::create_directory(data() / "backup");
  PutThreeOnDisk();
  NewLog("YES");
  EXPECT_EQ(ReadBytes(data() / "backup" / kCopyName), three_);
  EXPECT_EQ(std::distance(fs::directory_iterator(data()), fs::directory_iterator()), 1);
}

TEST_F(LogBackup, AFailedShutDownCopyIsSilent) {
  PutThreeOnDisk();
  Load();
  ASSERT_TRUE(Log(Contact("K3DDD", "Dauphin")));
  app().State<Folders>().DataFolder.clear();
  BackupLogFile(app());
  EXPECT_TRUE(dialogs().message_boxes.empty());
  EXPECT_FALSE(fs::exists(work() / "BACKUP"));
}

}  // namespace
}  // namespace ks::testing
