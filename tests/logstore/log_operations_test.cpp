// Every log that loads, through every operation of the log store that writes it: the log read
// again holds the records it should, the others unchanged, and what the store does not mean
// to change (the bytes before an append, a backup copy) is kept byte for byte. Over the
// committed inputs of the log-text fuzz target and a table of hand-made edge logs.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "logstore/log_file_format.h"
#include "tests/logstore/edge_logs.h"
#include "tests/logstore/log_fixture.h"

namespace ks::testing {
namespace {

namespace fs = std::filesystem;

std::vector<LogBytes> CorpusLogs() {
  std::vector<LogBytes> logs;
  const fs::path corpus = fs::path(KEYSTONE_SOURCE_DIR) / "fuzz" / "corpus" / "log_text";
  for (const auto& entry : fs::directory_iterator(corpus)) {
    logs.push_back({"corpus_" + entry.path().filename().string(), ReadBytes(entry.path())});
  }
  std::sort(logs.begin(), logs.end(), [](const LogBytes& x, const LogBytes& y) { return x.name < y.name; });
  return logs;
}

// Only the logs that read: a log that is refused is the loader's tests' concern.
std::vector<LogBytes> LogsThatLoad() {
  std::vector<LogBytes> logs = EdgeLogs();
  for (LogBytes& log : CorpusLogs()) logs.push_back(std::move(log));
  std::erase_if(logs, [](const LogBytes& log) {
    std::vector<LogRecord> records(1);
    return !ParseLogText(log.bytes, records).ok;
  });
  return logs;
}

class LogOperations : public LogFixture, public ::testing::WithParamInterface<LogBytes> {
 protected:
  // Puts the log on the disk and loads it; its records.
  std::vector<LogRecord> LoadParam() {
    WriteLog(GetParam().bytes);
    Reload();
    return InMemory();
  }
  void Reload() {
    app().Dispatch([&] { LoadLogFile(app()); });
    EXPECT_FALSE(app().Ended()) << (dialogs().message_boxes.empty() ? "" : dialogs().message_boxes.back().text);
  }
  // The log as a fresh load reads it from the disk.
  std::vector<LogRecord> OnDisk() {
    std::vector<LogRecord> records(1);
    const LogParseResult read = ParseLogText(ReadLog(), records);
    EXPECT_TRUE(read.ok) << read.line << ": " << read.reason;
    return {records.begin() + 1, records.begin() + 1 + read.count};
  }
  std::vector<fs::path> Copies() const {
    std::vector<fs::path> copies;
    if (!fs::exists(data() / kBackupFolderName)) return copies;
    for (const auto& entry : fs::directory_iterator(data() / kBackupFolderName)) copies.push_back(entry.path());
    return copies;
  }
  void ExpectNothingTold() {
    EXPECT_TRUE(dialogs().message_boxes.empty()) << dialogs().message_boxes.front().text;
    EXPECT_FALSE(store().FileBehind);
  }
};

TEST_P(LogOperations, AnAppendKeepsTheFileBeforeItAndReadsAsOneRecordMore) {
  std::vector<LogRecord> expected = LoadParam();
  const LogRecord added = Contact("N3XYZ", "York", 2, "7");
  ASSERT_TRUE(Log(added));
  expected.push_back(added);
  const std::string& before = GetParam().bytes;
  // A file that ends in a DOS end-of-file mark is written whole, without it.
  if (!before.ends_with('\x1A')) {
    EXPECT_TRUE(ReadLog().starts_with(before));
  }
  EXPECT_EQ(OnDisk(), expected);
  Reload();
  EXPECT_EQ(InMemory(), expected);
  // And one more, after the first.
  ASSERT_TRUE(Log(added));
  expected.push_back(added);
  EXPECT_EQ(OnDisk(), expected);
  ExpectNothingTold();
}

TEST_P(LogOperations, AnEditOrADeleteChangesThatRecordOnly) {
  std::vector<LogRecord> expected = LoadParam();
  if (expected.empty()) GTEST_SKIP() << "no record to change";
  const std::size_t middle = expected.size() / 2;
  store().Records[middle + 1].LogCounty = "Butler";
  expected[middle].LogCounty = "Butler";
  ASSERT_TRUE(RewriteLogFile(app()));
  EXPECT_EQ(OnDisk(), expected);
  ASSERT_TRUE(DeleteLogRecord(app(), static_cast<long>(middle) + 1));
  expected.erase(expected.begin() + static_cast<long>(middle));
  EXPECT_EQ(OnDisk(), expected);
  Reload();
  EXPECT_EQ(InMemory(), expected);
  ExpectNothingTold();
}

TEST_P(LogOperations, TheCloseTimeBackupIsTheLogByteForByte) {
  const std::vector<LogRecord> expected = LoadParam();
  store().QSOCountAtLoad = -1;  // the count differs from the first load's
  BackupLogFile(app());
  if (expected.empty()) {
    EXPECT_TRUE(Copies().empty());
    return;
  }
  ASSERT_EQ(Copies().size(), 1u);
  EXPECT_EQ(ReadBytes(Copies()[0]), GetParam().bytes);
  EXPECT_EQ(ReadLog(), GetParam().bytes);
  ExpectNothingTold();
}

TEST_P(LogOperations, ANewLogCopiesTheOldByteForByteAndLeavesAnEmptyLog) {
  LoadParam();
  dialogs().AnswerInputBox("YES");
  app().Dispatch([&] { StartNewLog(app()); });
  if (GetParam().bytes.empty()) {
    EXPECT_TRUE(Copies().empty());
  } else {
    ASSERT_EQ(Copies().size(), 1u);
    EXPECT_EQ(ReadBytes(Copies()[0]), GetParam().bytes);
  }
  EXPECT_EQ(ReadLog(), "");
  EXPECT_EQ(store().QSOCount, 0);
  ExpectNothingTold();
}

TEST_P(LogOperations, AReloadChangesNothing) {
  const std::vector<LogRecord> expected = LoadParam();
  Reload();
  app().DispatchTimerTick([&] { LoadLogFile(app()); });
  EXPECT_EQ(InMemory(), expected);
  EXPECT_EQ(ReadLog(), GetParam().bytes);
  ExpectNothingTold();
}

std::string CaseName(const ::testing::TestParamInfo<LogBytes>& info) {
  std::string name = info.param.name;
  for (char& c : name)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return name;
}

INSTANTIATE_TEST_SUITE_P(Logs, LogOperations, ::testing::ValuesIn(LogsThatLoad()), CaseName);

}  // namespace
}  // namespace ks::testing
