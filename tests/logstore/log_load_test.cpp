// Loading log.txt: the record layout, blank lines, bad files, no limit on the log's size,
// the tallies a load resets and QSOCountAtLoad.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cctype>
#include <filesystem>

#include "tests/logstore/log_fixture.h"

namespace ks::testing {
namespace {

namespace fs = std::filesystem;

LogRecord EveryFieldSet() {
  LogRecord r;
  r.LogCall = "K3ABC";
  r.LogRSTSent = "599";
  r.LogRSTReceived = "579";
  r.LogSPC = "EPA";
  r.LogCounty = "Allegheny";
  r.LogStateOverride = "OH";
  r.LogCountySent = "York";
  r.LogSpare8 = "s8";
  r.LogSpare9 = "s9";
  r.LogSpare10 = "s10";
  r.LogSerialSent = "17";
  r.LogDate = "2026/10/10";
  r.LogTime = "16:05:33";
  r.LogMode = "CW";
  r.LogBand = "40";
  r.LogPoints = 2;
  r.LogSpare17 = "s17";
  r.LogSpare18 = "s18";
  r.LogSerialReceived = "45";
  r.LogFrequency = "7.035";
  return r;
}

const char* const kEveryFieldLine =
    "\"K3ABC\",\"599\",\"579\",\"EPA\",\"Allegheny\",\"OH\",\"York\",\"s8\",\"s9\",\"s10\",\"17\","
    "\"2026/10/10\",\"16:05:33\",\"CW\",\"40\",2,\"s17\",\"s18\",\"45\",\"7.035\"\r\n";

using LogLoad = LogFixture;

TEST_F(LogLoad, RecordLayoutIsOneLineOfTwentyValues) {
  EXPECT_EQ(FormatLogLine(EveryFieldSet()), kEveryFieldLine);
  EXPECT_EQ(FormatLogLine(LogRecord{}),
            "\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",0,\"\",\"\",\"\",\"\"\r\n");
}

TEST_F(LogLoad, PointsAreBareNumbers) {
  const struct {
    double points;
    const char* text;
  } cases[] = {{1, ",1,"}, {2, ",2,"}, {0.5, ",.5,"}, {1.5, ",1.5,"}};
  for (const auto& c : cases) {
    LogRecord r;
    r.LogPoints = c.points;
    EXPECT_NE(FormatLogLine(r).find(c.text), std::string::npos) << c.points;
  }
}

TEST_F(LogLoad, ReadsEveryFieldOfALine) {
  WriteLog(std::string(kEveryFieldLine) + kEveryFieldLine);
  ASSERT_FALSE(LoadEndsProgram());
  ASSERT_EQ(store().QSOCount, 2);
  EXPECT_EQ(store().Records[1], EveryFieldSet());
  EXPECT_EQ(store().Records[2], EveryFieldSet());
  EXPECT_EQ(store().Records[0], LogRecord{});
}

TEST_F(LogLoad, ALogWrittenByTheProgramReadsBackTheSame) {
  std::vector<LogRecord> logged = {EveryFieldSet(), Contact("W1AW", "Erie", 1, "2"), Contact("N3XYZ", "Bucks", 2, "3")};
  logged[1].LogFrequency = "";
  logged[2].LogPoints = 0.5;
  for (const auto& r : logged) ASSERT_TRUE(Log(r));
  ASSERT_FALSE(LoadEndsProgram());
  EXPECT_EQ(InMemory(), logged);
  ASSERT_TRUE(RewriteLogFile(app()));
  ASSERT_FALSE(LoadEndsProgram());
  EXPECT_EQ(InMemory(), logged);
}

TEST_F(LogLoad, BlankLinesArePassedOver) {
  const std::string a = FormatLogLine(Contact("K3AAA", "Adams"));
  const std::string b = FormatLogLine(Contact("K3BBB", "Bucks"));
  const struct {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"an empty line at the end", a + b + "\r\n"},
      {"blank lines between records", a + "\r\n  \r\n" + b},
      {"blanks after the last line end", a + b + "   "},
      {"LF line ends", a.substr(0, a.size() - 2) + "\n\n" + b},
      // An old DOS editor ends the file with Ctrl-Z.
      {"Ctrl-Z after the last line end", a + b + "\x1A"},
      {"Ctrl-Z after an empty last line", a + b + "\r\n\x1A"},
      {"Ctrl-Z right after the last record", a + b.substr(0, b.size() - 2) + "\x1A"},
      {"Ctrl-Z on a line of its own that a record follows", a + "\x1A\r\n" + b},
  };
  for (const auto& c : cases) {
    WriteLog(c.bytes);
    ASSERT_FALSE(LoadEndsProgram()) << c.what;
    ASSERT_EQ(store().QSOCount, 2) << c.what;
    EXPECT_EQ(store().Records[1].LogCall, "K3AAA") << c.what;
    EXPECT_EQ(store().Records[2].LogCall, "K3BBB") << c.what;
  }
}

// An editor puts a byte-order mark before the text of a file it saves.
TEST_F(LogLoad, AByteOrderMarkBeforeTheFirstRecordIsPassedOver) {
  const LogRecord first = Contact("K1ABC", "Erie");
  const LogRecord second = Contact("W3LPL", "York");
  for (const std::string& before : {std::string("\xEF\xBB\xBF"), std::string("\xEF\xBB\xBF\r\n  \r\n")}) {
    WriteLog(before + FormatLogLine(first) + FormatLogLine(second));
    ASSERT_FALSE(LoadEndsProgram());
    EXPECT_EQ(InMemory(), (std::vector<LogRecord>{first, second}));
    ASSERT_TRUE(RewriteLogFile(app()));
    EXPECT_EQ(ReadLog(), FormatLogLine(first) + FormatLogLine(second));
  }
}

TEST_F(LogLoad, AnEmptyLogLoadsWithoutContacts) {
  WriteLog("\x1A");
  ASSERT_FALSE(LoadEndsProgram()) << "a file of a DOS end-of-file mark alone holds nothing";
  EXPECT_EQ(store().QSOCount, 0);
  WriteLog("");
  ASSERT_FALSE(LoadEndsProgram());
  EXPECT_EQ(store().QSOCount, 0);
  EXPECT_EQ(store().QSOCountAtLoad, 0);
  EXPECT_TRUE(dialogs().message_boxes.empty());
}

// A good record of the out-of-state window, and the same cut at byte `keep`.
std::string GoodLine() {
  LogRecord r = Contact("K3AAA", "Adams");
  r.LogFrequency = "14.250";
  return FormatLogLine(r);
}
std::string Cut(std::size_t keep) { return GoodLine().substr(0, keep); }
// The good record with `extra` more values, or with the last `missing` values taken off.
std::string WithExtraValues(int extra) {
  std::string line = GoodLine().substr(0, GoodLine().size() - 2);
  for (int i = 0; i < extra; ++i) line += ",\"x\"";
  return line + "\r\n";
}
std::string WithoutValues(int missing) {
  std::string line = GoodLine().substr(0, GoodLine().size() - 2);
  for (int i = 0; i < missing; ++i) line.erase(line.rfind(','));
  return line + "\r\n";
}

// `text` as an editor saves it in UTF-16: little or big end first, with or without its mark.
std::string Utf16(const std::string& text, bool little_end, bool mark) {
  std::string bytes = mark ? (little_end ? "\xFF\xFE" : "\xFE\xFF") : "";
  for (char c : text) bytes += little_end ? std::string{c, '\0'} : std::string{'\0', c};
  return bytes;
}
constexpr const char* kUtf16Refusal =
    "Line 1: the file is UTF-16 text (two bytes to a character); the log is 8-bit text. Save it again as ANSI "
    "or UTF-8 text.";

struct BadLog {
  const char* what;
  std::string bytes;  // the file's content; empty with `pipe` or `missing`
  const char* detail;  // after the path: where and why
  bool missing = false;
  bool pipe = false;
};

class LogLoadFailure : public LogFixture, public ::testing::WithParamInterface<BadLog> {};

// The message keeps its text and title and adds the file's full path, the line of the bad
// record and the reason; the program ends and the file is left as it was.
TEST_P(LogLoadFailure, TellsTheFileTheLineAndTheReasonAndEndsLeavingTheFileAlone) {
  const BadLog& bad = GetParam();
  if (bad.pipe) {
    ASSERT_EQ(::mkfifo(LogPath().c_str(), 0644), 0);
  }
  if (!bad.missing && !bad.pipe) WriteLog(bad.bytes);
  EXPECT_TRUE(LoadEndsProgram());  // a named pipe fails at once rather than hanging
  ASSERT_EQ(dialogs().message_boxes.size(), 1u);
  EXPECT_EQ(dialogs().message_boxes[0].text, "Error opening file.\r\n\r\n" + LogPath().string() + "\r\n" + bad.detail);
  EXPECT_EQ(dialogs().message_boxes[0].title, "File Error");
  if (bad.missing) {
    EXPECT_FALSE(fs::exists(LogPath()));
  } else if (bad.pipe) {
    EXPECT_TRUE(fs::is_fifo(LogPath()));
  } else {
    EXPECT_EQ(ReadLog(), bad.bytes);
  }
}

INSTANTIATE_TEST_SUITE_P(
    BadLogs, LogLoadFailure,
    ::testing::Values(
        BadLog{"missing", "", "No such file or directory", true},
        BadLog{"UTF-16 little end first with its mark", Utf16(GoodLine() + GoodLine(), true, true), kUtf16Refusal},
        BadLog{"UTF-16 big end first with its mark", Utf16(GoodLine(), false, true), kUtf16Refusal},
        BadLog{"UTF-16 little end first without a mark", Utf16(GoodLine(), true, false), kUtf16Refusal},
        BadLog{"UTF-16 big end first without a mark", Utf16(GoodLine(), false, false), kUtf16Refusal},
        BadLog{"named pipe", "", "Not a regular file", false, true},
        BadLog{"points not a number",
               "\"K3A\",\"\",\"\",\"\",\"Erie\",\"\",\"\",\"\",\"\",\"\",\"1\",\"2026/10/10\",\"16:05\",\"PH\",\"40\",x,"
               "\"\",\"\",\"1\",\"\"\r\n",
               "Line 1: the points value \"x\" is not a number."},
        BadLog{"points empty",
               "\"K3A\",\"\",\"\",\"\",\"Erie\",\"\",\"\",\"\",\"\",\"\",\"1\",\"2026/10/10\",\"16:05\",\"PH\",\"40\",,"
               "\"\",\"\",\"1\",\"\"\r\n",
               "Line 1: the points value \"\" is not a number."},
        BadLog{"record cut short at the end", WithoutValues(4),
               "Line 1: the line holds 16 values; a record is one line of 20."},
        BadLog{"twenty-one values then nineteen", GoodLine() + WithExtraValues(1) + WithoutValues(1),
               "Line 2: the line holds 21 values; a record is one line of 20."},
        BadLog{"nineteen values then twenty-one", GoodLine() + WithoutValues(1) + WithExtraValues(1),
               "Line 2: the line holds 19 values; a record is one line of 20."},
        BadLog{"a comma after the last value", GoodLine() + WithExtraValues(0).insert(GoodLine().size() - 2, ","),
               "Line 2: the line holds 21 values; a record is one line of 20."},
        BadLog{"last line cut by a power failure", GoodLine() + Cut(30),
               "Line 2: the line holds 7 values; a record is one line of 20."},
        BadLog{"last line cut inside its last text", GoodLine() + Cut(GoodLine().size() - 4),
               "Line 2: the line ends inside a text, before its closing quote."},
        BadLog{"last line cut after a comma", GoodLine() + Cut(GoodLine().size() - 10),
               "Line 2: the file ends in the middle of this line."},
        BadLog{"bad line after blank lines", GoodLine() + "\r\n  \r\n" + WithoutValues(2),
               "Line 4: the line holds 18 values; a record is one line of 20."},
        // A double quote inside a text would end it early and the rest would be lost at the
        // next rewrite of the file.
        BadLog{"a stray double quote in the call", GoodLine() + "\"K1\"A\"UHA\"" + GoodLine().substr(7),
               "Line 2: value 1, \"K1\"A\"UHA\", holds a double quote inside its text."},
        // The writer drops a double quote inside a text: read, the call would change at the
        // next rewrite without a word.
        BadLog{"a double quote inside an unquoted call", GoodLine() + "ZL3\"TAO" + GoodLine().substr(7),
               "Line 2: value 1, ZL3\"TAO, holds a double quote inside its text."},
        BadLog{"text after a closing quote", "\"K3A\",\"\",\"\",\"\",\"Erie\" Co,\"\",\"\",\"\",\"\",\"\",\"1\","
               "\"2026/10/10\",\"16:05\",\"PH\",\"40\",1,\"\",\"\",\"1\",\"\"\r\n",
               "Line 1: value 5, \"Erie\" Co, has text after its closing quote."},
        // Points are written with 15 significant digits; more would be lost at the next rewrite.
        BadLog{"points of more digits than the log keeps",
               "\"K3A\",\"\",\"\",\"\",\"Erie\",\"\",\"\",\"\",\"\",\"\",\"1\",\"2026/10/10\",\"16:05\",\"PH\",\"40\","
               "1.0000000000000002,\"\",\"\",\"1\",\"\"\r\n",
               "Line 1: the points value \"1.0000000000000002\" has more digits than the log keeps."}),
    [](const ::testing::TestParamInfo<BadLog>& info) {
      std::string name = info.param.what;
      for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
      return name;
    });

TEST_F(LogLoad, HoldsAsManyContactsAsTheOperatorLogs) {
  constexpr long kContacts = 100000;
  const std::string rest = FormatLogLine(Contact("", "York")).substr(2);  // after the empty call
  std::string bytes;
  for (long n = 1; n <= kContacts; ++n) bytes.append("\"K3N").append(std::to_string(n)).append("\"").append(rest);
  WriteLog(bytes);
  ASSERT_FALSE(LoadEndsProgram());
  ASSERT_EQ(store().QSOCount, kContacts);
  EXPECT_EQ(store().Records[kContacts].LogCall, "K3N100000");
  EXPECT_EQ(store().Records[11001].LogCall, "K3N11001");
  EXPECT_EQ(store().Records[11001].LogCounty, "York");
  ++store().QSOCount;
  store().Record(store().QSOCount) = Contact("W3NEW", "Erie");
  ASSERT_TRUE(AppendLogRecord(app()));
  ASSERT_FALSE(LoadEndsProgram());
  EXPECT_EQ(store().QSOCount, kContacts + 1);
}

TEST_F(LogLoad, AReloadReplacesTheRecordsAndDropsTheRest) {
  WriteLog(FormatLogLine(Contact("K3AAA", "Adams")) + FormatLogLine(Contact("K3BBB", "Bucks")) +
           FormatLogLine(Contact("K3CCC", "Centre")));
  ASSERT_FALSE(LoadEndsProgram());
  WriteLog(FormatLogLine(Contact("W3XX", "Erie")));
  ASSERT_FALSE(LoadEndsProgram());
  EXPECT_EQ(store().QSOCount, 1);
  EXPECT_EQ(store().Records.size(), 2u);
  EXPECT_EQ(store().Records[1], Contact("W3XX", "Erie"));
}

TEST_F(LogLoad, ResetsTheTalliesOfContactEntry) {
  WriteLog(FormatLogLine(Contact("K3AAA", "Adams", 2)));
  store().TotalPoints = 55;
  InStateTallies& tallies = app().State<InStateTallies>();
  tallies.DXCountryCount[1] = 3;
  tallies.DXCountryCount[7] = 4;
  tallies.MultWorkedCount = 9;
  tallies.MultWorkedFlags[1][5] = 1;
  tallies.MultWorkedFlags[8][100] = 1;
  tallies.MultWorkedFlags[0][5] = 1;  // slot 0 and index 0 are not the load's
  tallies.MultWorkedFlags[3][0] = 1;
  ASSERT_FALSE(LoadEndsProgram());
  EXPECT_EQ(store().TotalPoints, 0);
  EXPECT_EQ(tallies.DXCountryCount[1], 0);
  EXPECT_EQ(tallies.DXCountryCount[7], 0);
  EXPECT_EQ(tallies.MultWorkedCount, 0);
  EXPECT_EQ(tallies.MultWorkedFlags[1][5], 0);
  EXPECT_EQ(tallies.MultWorkedFlags[8][100], 0);
  EXPECT_EQ(tallies.MultWorkedFlags[0][5], 1);
  EXPECT_EQ(tallies.MultWorkedFlags[3][0], 1);
}

TEST_F(LogLoad, QSOCountAtLoadIsSetByTheFirstLoadThatFindsContacts) {
  WriteLog("");
  ASSERT_FALSE(LoadEndsProgram());
  EXPECT_EQ(store().QSOCountAtLoad, 0);
  WriteLog(FormatLogLine(Contact("K3AAA", "Adams")) + FormatLogLine(Contact("K3BBB", "Bucks")));
  ASSERT_FALSE(LoadEndsProgram());
  EXPECT_EQ(store().QSOCountAtLoad, 2);
  ASSERT_TRUE(Log(Contact("K3CCC", "Centre")));
  ASSERT_FALSE(LoadEndsProgram());
  EXPECT_EQ(store().QSOCount, 3);
  EXPECT_EQ(store().QSOCountAtLoad, 2);
}

TEST_F(LogLoad, TheLogIsFoundWithoutRegardToCaseSoThereIsOneLog) {
  const fs::path mixed_case = work() / "Log.txt";
  WriteFile(mixed_case, FormatLogLine(Contact("K3AAA", "Adams")));
  ASSERT_FALSE(LoadEndsProgram());
  EXPECT_EQ(store().QSOCount, 1);
  ASSERT_TRUE(Log(Contact("K3BBB", "Bucks")));
  ASSERT_TRUE(DeleteLogRecord(app(), 1));
  EXPECT_EQ(ReadBytes(mixed_case), FormatLogLine(Contact("K3BBB", "Bucks")));
  EXPECT_EQ(std::distance(fs::directory_iterator(work()), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace ks::testing
