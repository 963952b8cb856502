// Appending, rewriting and deleting records, and what happens when log.txt cannot be written:
// the operator is told the file and the reason, the file keeps what it had, and the next
// write puts the whole log on the disk.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/logstore/log_fixture.h"
#include "startup/notices.h"
#include "tests/support/file_size_limit.h"

namespace ks::testing {
namespace {

namespace fs = std::filesystem;

class LogWrite : public LogFixture {
 protected:
  // Three contacts on the disk and in memory.
  void LoadThree() {
    WriteLog(FormatLogLine(a_) + FormatLogLine(b_) + FormatLogLine(c_));
    app().Dispatch([&] { LoadLogFile(app()); });
    ASSERT_EQ(store().QSOCount, 3);
  }
  std::string Lines(std::initializer_list<LogRecord> records) {
    std::string bytes;
    for (const auto& r : records) bytes += FormatLogLine(r);
    return bytes;
  }
  size_t FilesInWorkingFolder() {
    return static_cast<size_t>(std::distance(fs::directory_iterator(work()), fs::directory_iterator()));
  }
  const forms::MessageBoxRequest& OnlyMessage() {
    EXPECT_EQ(dialogs().message_boxes.size(), 1u);
    return dialogs().message_boxes.at(0);
  }

  LogRecord a_ = Contact("K3AAA", "Adams", 1, "1");
  LogRecord b_ = Contact("K3BBB", "Bucks", 2, "2");
  LogRecord c_ = Contact("K3CCC", "Centre", 1, "3");
  LogRecord d_ = Contact("K3DDD", "Dauphin", 2, "4");
};

TEST_F(LogWrite, AnAppendAddsTheNewestRecordAsOneLine) {
  ASSERT_TRUE(Log(a_));  // log.txt is made when missing
  ASSERT_TRUE(Log(b_));
  EXPECT_EQ(ReadLog(), Lines({a_, b_}));
  EXPECT_TRUE(dialogs().message_boxes.empty());
}

TEST_F(LogWrite, ARewriteWritesRecordsOneToQSOCount) {
  LoadThree();
  store().Records[2].LogCounty = "Butler";  // an edit
  ASSERT_TRUE(RewriteLogFile(app()));
  LogRecord edited = b_;
  edited.LogCounty = "Butler";
  EXPECT_EQ(ReadLog(), Lines({a_, edited, c_}));
  store().QSOCount = 0;
  ASSERT_TRUE(RewriteLogFile(app()));
  EXPECT_EQ(ReadLog(), "");
}

TEST_F(LogWrite, DeletingARecordMovesTheLaterOnesDown) {
  const struct {
    long n;
    std::vector<LogRecord> left;
  } cases[] = {{1, {b_, c_}}, {2, {a_, c_}}, {3, {a_, b_}}};
  for (const auto& c : cases) {
    LoadThree();
    ASSERT_TRUE(DeleteLogRecord(app(), c.n));
    EXPECT_EQ(InMemory(), c.left) << c.n;
    EXPECT_EQ(ReadLog(), Lines({c.left[0], c.left[1]})) << c.n;
  }
}

TEST_F(LogWrite, ARecordNumberOutsideTheLogDeletesNothing) {
  LoadThree();
  for (long n : {0L, 4L, -1L}) EXPECT_TRUE(DeleteLogRecord(app(), n));
  EXPECT_EQ(InMemory(), (std::vector<LogRecord>{a_, b_, c_}));
  EXPECT_EQ(ReadLog(), Lines({a_, b_, c_}));
}

// A log.txt whose last record has no line end (saved by an editor that adds none), or ends in
// another way a log may: the next contact goes on a line of its own, and the log read again
// holds both.
TEST_F(LogWrite, AnAppendBeginsALineOfItsOwnWhateverEndsTheFile) {
  const std::string record = FormatLogLine(a_).substr(0, FormatLogLine(a_).size() - 2);  // without CR LF
  for (const std::string& end : {"", "\r\n", "\n", "\r", "   ", "\r\n\r\n", "\x1A", "\r\n\x1A"}) {
    WriteLog(record + end);
    store() = LogStore{};
    ASSERT_FALSE(LoadEndsProgram()) << end;
    ASSERT_TRUE(Log(b_));
    store() = LogStore{};
    ASSERT_FALSE(LoadEndsProgram()) << ReadLog();
    EXPECT_EQ(InMemory(), (std::vector<LogRecord>{a_, b_})) << ReadLog();
  }
}

// A text of memory may hold a line end (a spot's call cut from a frame of several lines, put
// in the call box): the record still goes to the file as one line, appended or rewritten, and
// the log reads back with every record, that text without its line end.
TEST_F(LogWrite, ALineEndInsideATextStaysOffTheFile) {
  for (const std::string end : {"\r", "\n", "\r\n"}) {
    LogRecord odd = b_;
    odd.LogCall = "K3" + end + "BBB";
    odd.LogFrequency = "7.025" + end;
    fs::remove(LogPath());
    store() = LogStore{};
    ASSERT_TRUE(Log(a_));
    ASSERT_TRUE(Log(odd));
    ASSERT_TRUE(Log(c_));
    store() = LogStore{};
    ASSERT_FALSE(LoadEndsProgram()) << ReadLog();
    LogRecord read = b_;
    read.LogFrequency = "7.025";
    EXPECT_EQ(InMemory(), (std::vector<LogRecord>{a_, read, c_})) << ReadLog();
    store().Records[2] = odd;  // as the contact editor stores it
    ASSERT_TRUE(RewriteLogFile(app()));
    store() = LogStore{};
    ASSERT_FALSE(LoadEndsProgram()) << ReadLog();
    EXPECT_EQ(InMemory(), (std::vector<LogRecord>{a_, read, c_})) << ReadLog();
  }
}

// An append is the entry line's: its failure opens no window to take the keys typed on, and
// the notice of the contacts held in memory only counts them until the disk takes them all.
TEST_F(LogWrite, AFailedAppendIsToldByANoticeThatCountsTheContactsUntilTheyAreWritten) {
  fs::create_directory(LogPath());  // log.txt is a folder: it cannot be opened for appending
  EXPECT_FALSE(Log(a_));
  EXPECT_EQ(app().State<Notices>().Of(kLogNoticeSource), "1 QSO in memory only!");
  EXPECT_FALSE(Log(b_));
  EXPECT_EQ(app().State<Notices>().Of(kLogNoticeSource), "2 QSOs in memory only!");
  EXPECT_TRUE(dialogs().message_boxes.empty());
  EXPECT_EQ(store().QSOCount, 2);
  EXPECT_TRUE(store().FileBehind);

  fs::remove(LogPath());
  ASSERT_TRUE(Log(c_));
  EXPECT_EQ(ReadLog(), Lines({a_, b_, c_}));
  EXPECT_FALSE(store().FileBehind);
  EXPECT_EQ(app().State<Notices>().Of(kLogNoticeSource), "");
}

TEST_F(LogWrite, AFullDiskLeavesTheFileAsItWasOnAppend) {
  LoadThree();
  const std::string before = ReadLog();
  {
    FileSizeLimit disk_full(before.size() + 10);  // room for part of a line only
    EXPECT_FALSE(Log(d_));
  }
  EXPECT_EQ(ReadLog(), before);
  EXPECT_EQ(app().State<Notices>().Of(kLogNoticeSource), "1 QSO in memory only!");
  EXPECT_EQ(InMemory(), (std::vector<LogRecord>{a_, b_, c_, d_}));
}

TEST_F(LogWrite, AFullDiskLeavesTheOldFileWholeOnRewrite) {
  LoadThree();
  const std::string before = ReadLog();
  store().Records[1].LogCall = "K3AAAA";
  {
    FileSizeLimit disk_full(40);
    EXPECT_FALSE(RewriteLogFile(app()));
  }
  EXPECT_EQ(ReadLog(), before);
  EXPECT_EQ(FilesInWorkingFolder(), 1u);  // no temporary file left beside it
  EXPECT_EQ(OnlyMessage().text.rfind("The log file could not be written\r\n" + LogPath().string() + "\r\nFile too large", 0), 0u);
  EXPECT_EQ(app().State<Notices>().Of(kLogNoticeSource), "log.txt not written!");  // an edit, no contact

  ASSERT_TRUE(Log(d_));  // the disk has room again: the whole log goes out
  LogRecord edited = a_;
  edited.LogCall = "K3AAAA";
  EXPECT_EQ(ReadLog(), Lines({edited, b_, c_, d_}));
}

TEST_F(LogWrite, AWorkingFolderThatIsGoneIsReported) {
  app().State<Folders>().WorkingDir = work() / "gone";
  store().QSOCount = 1;
  EXPECT_FALSE(RewriteLogFile(app()));
  EXPECT_NE(OnlyMessage().text.find((work() / "gone" / "log.txt").string()), std::string::npos);
  EXPECT_NE(OnlyMessage().text.find("No such file or directory"), std::string::npos);
}

TEST_F(LogWrite, AReloadAfterAFailedWriteSaysThatTheUnwrittenChangesAreGone) {
  LoadThree();
  {
    FileSizeLimit disk_full(1);
    EXPECT_FALSE(DeleteLogRecord(app(), 2));
  }
  app().Dispatch([&] { LoadLogFile(app()); });
  ASSERT_EQ(dialogs().message_boxes.size(), 2u);
  EXPECT_NE(dialogs().message_boxes[1].text.find("Those changes are no longer in the log."), std::string::npos);
  EXPECT_EQ(dialogs().message_boxes[1].title, "Log File Error");
  EXPECT_EQ(InMemory(), (std::vector<LogRecord>{a_, b_, c_}));
  EXPECT_FALSE(store().FileBehind);
}

}  // namespace
}  // namespace ks::testing
