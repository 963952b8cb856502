#include <gtest/gtest.h>
#include <sys/stat.h>

#include <functional>
#include <string>
#include <vector>

#include "station/station_settings.h"
#include "tests/station_setup/setup_run.h"
#include "tests/support/file_size_limit.h"

namespace ks::setup_test {
namespace {

// The lines of QSOpref.txt for SampleSettings changed as the first test changes them.
constexpr const char* kExpectedFile =
    "\"W3ABC\"\r\n\"PA\"\r\n\"USA\"\r\n\"EPA\"\r\n\"JOE\"\r\n\"SINGLE OP\"\r\n\"Lehigh\"\r\n\"\"\r\n"
    "\"CW\"\r\n\"40\"\r\n-4.5\r\n.5\r\n40.12346\r\n\"NA\"\r\n90\r\n40960\r\n255\r\n5\r\n"
    "\"PA\"\r\n0\r\n1\r\n2\r\n\"None\"\r\n0\r\n1\r\n";

TEST(SettingsFile, WritesTheTwentyFiveValuesLineByLine) {
  SetupRun run;
  StationSettings& s = run.app().State<StationSettings>();
  s = SampleSettings();
  s.OwnCity = "";
  s.UTCOffset = -4.5f;
  s.OwnLongitude = 0.5f;
  s.OwnLatitude = 40.123456f;
  s.TimeOnTotal = 5;
  s.VoiceNavLevel = 2;
  ASSERT_TRUE(WritePrefFile(run.app()));
  EXPECT_EQ(run.ReadWorking("QSOpref.txt"), kExpectedFile);
}

TEST(SettingsFile, ReadsBackWhatItWrote) {
  SetupRun run;
  StationSettings written = SampleSettings();
  written.OwnCity = "";
  written.UTCOffset = -9.5f;
  written.OwnLatitude = 40.12346f;  // seven digits, as the file keeps them
  written.MultWorkedColor = 16777215;
  written.OwnName = "JOE \"THE KEY\" SMITH";
  run.app().State<StationSettings>() = written;
  ASSERT_TRUE(WritePrefFile(run.app()));

  run.app().State<StationSettings>() = StationSettings{};
  ASSERT_TRUE(ReadPrefFile(run.app()));
  // A double quote is never written, so the text reads back whole without it.
  StationSettings expected = written;
  expected.OwnName = "JOE THE KEY SMITH";
  EXPECT_EQ(run.app().State<StationSettings>(), expected);
}

TEST(SettingsFile, AQuoteInsideAStoredTextEndsThatValueOnly) {
  SetupRun run;
  std::string file = kExpectedFile;
  file.replace(file.find("\"JOE\""), 5, "\"JOE \"THE KEY\" SMITH\"");
  run.WriteWorking("QSOpref.txt", file);
  ASSERT_TRUE(ReadPrefFile(run.app()));
  const StationSettings& s = run.app().State<StationSettings>();
  EXPECT_EQ(s.OwnName, "JOE ");
  EXPECT_EQ(s.OwnCategory, "SINGLE OP");
  EXPECT_EQ(s.UTCOffset, -4.5f);
  EXPECT_EQ(s.ListPrevious, 1);
}

// The lines of a file, and the file made of them again.
std::vector<std::string> SplitLines(const std::string& file) {
  std::vector<std::string> lines;
  for (std::size_t at = 0; at < file.size();) {
    const std::size_t end = file.find("\r\n", at);
    lines.push_back(file.substr(at, end - at));
    at = end + 2;
  }
  return lines;
}
std::string JoinLines(const std::vector<std::string>& lines) {
  std::string file;
  for (const std::string& line : lines) file += line + "\r\n";
  return file;
}

// Every value that can be read is kept; one that cannot, and every line a short file lacks,
// takes its start-up value, and the report names the line and the reason.
TEST(SettingsFile, ADamagedLineCostsOnlyItsOwnValue) {
  struct Case {
    const char* what;
    std::function<void(std::vector<std::string>&)> damage;
    std::function<void(StationSettings&)> expect;  // applied to the settings written
    std::vector<FileProblem> problems;
  };
  const StationSettings d = StartupSettings();
  const Case cases[] = {
      {"a word for the latitude", [](auto& l) { l[12] = "north"; }, [&](auto& s) { s.OwnLatitude = d.OwnLatitude; },
       {{13, "\"north\" is not a number; 0 is used instead."}}},
      {"a UTC offset no clock can have", [](auto& l) { l[10] = "1E30"; }, [&](auto& s) { s.UTCOffset = d.UTCOffset; },
       {{11, "\"1E30\" is not a UTC offset of -24 to 24 hours; 5 is used instead."}}},
      {"a UTC offset a day behind and more", [](auto& l) { l[10] = "-24.25"; },
       [&](auto& s) { s.UTCOffset = d.UTCOffset; },
       {{11, "\"-24.25\" is not a UTC offset of -24 to 24 hours; 5 is used instead."}}},
      {"a UTC offset of no number", [](auto& l) { l[10] = "NaN"; }, [&](auto& s) { s.UTCOffset = d.UTCOffset; },
       {{11, "\"NaN\" is not a UTC offset of -24 to 24 hours; 5 is used instead."}}},
      {"a UTC offset a whole day ahead", [](auto& l) { l[10] = "24"; }, [&](auto& s) { s.UTCOffset = 24; }, {}},
      {"a form size a byte cannot hold", [](auto& l) { l[14] = "900"; },
       [&](auto& s) { s.FormSizePercent = d.FormSizePercent; },
       {{15, "\"900\" is not a whole number from 0 to 255; 100 is used instead."}}},
      {"two bad colours", [](auto& l) { l[15] = "green"; l[16] = "99999999999"; },
       [&](auto& s) {
         s.MultWorkedColor = 40960;
         s.MultRemainingColor = 255;
       },
       {{16, "\"green\" is not a whole number; 40960 is used instead."},
        {17, "\"99999999999\" is not a whole number; 255 is used instead."}}},
      {"a second value on a line", [](auto& l) { l[0] += ",\"K3XX\""; }, [](auto&) {}, {}},
      {"a text without its closing quote", [](auto& l) { l[4] = "\"JOE"; }, [](auto&) {}, {}},
      {"a file cut after line 12", [](auto& l) { l.resize(12); },
       [&](auto& s) {
         const StationSettings kept = s;
         s = d;
         s.OwnCall = kept.OwnCall, s.OwnSPC = kept.OwnSPC, s.OwnCountry = kept.OwnCountry;
         s.OwnARRLSection = kept.OwnARRLSection, s.OwnName = kept.OwnName, s.OwnCategory = kept.OwnCategory;
         s.OwnCounty = kept.OwnCounty, s.OwnCity = kept.OwnCity, s.CurrentMode = kept.CurrentMode;
         s.CurrentBand = kept.CurrentBand, s.UTCOffset = kept.UTCOffset, s.OwnLongitude = kept.OwnLongitude;
       },
       {{13, "the file ends here; this line and the ones after it take their start-up values."}}},
      {"an empty file", [](auto& l) { l.clear(); }, [&](auto& s) { s = d; },
       {{1, "the file ends here; this line and the ones after it take their start-up values."}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetupRun run;
    run.WritePrefs(SampleSettings());
    std::vector<std::string> lines = SplitLines(run.ReadWorking("QSOpref.txt"));
    ASSERT_EQ(lines.size(), 25u);
    c.damage(lines);
    run.WriteWorking("QSOpref.txt", JoinLines(lines));
    run.app().State<StationSettings>().OwnCall = "memory";  // what the file holds replaces it

    const FileReport report = ReadPrefFile(run.app());
    StationSettings expected = SampleSettings();
    c.expect(expected);
    EXPECT_EQ(run.app().State<StationSettings>(), expected);
    EXPECT_EQ(report.path, run.work / "QSOpref.txt");
    ASSERT_EQ(report.problems.size(), c.problems.size());
    for (std::size_t i = 0; i < c.problems.size(); ++i) {
      EXPECT_EQ(report.problems[i].line, c.problems[i].line);
      EXPECT_EQ(report.problems[i].reason, c.problems[i].reason);
    }
  }
}

// An editor puts a byte-order mark before the text of a file it saves.
TEST(SettingsFile, AFileSavedWithAByteOrderMarkReadsWhole) {
  SetupRun run;
  run.WritePrefs(SampleSettings());
  run.WriteWorking("QSOpref.txt", "\xEF\xBB\xBF" + run.ReadWorking("QSOpref.txt"));
  const FileReport report = ReadPrefFile(run.app());
  EXPECT_TRUE(report.ok());
  EXPECT_EQ(run.app().State<StationSettings>(), SampleSettings());
}

TEST(SettingsFile, AFileThatCannotBeReadChangesNothing) {
  SetupRun run;
  run.app().State<StationSettings>() = SampleSettings();
  ASSERT_EQ(::mkfifo((run.work / "QSOpref.txt").c_str(), 0644), 0);
  const FileReport report = ReadPrefFile(run.app());
  EXPECT_TRUE(report.Unreadable());
  EXPECT_EQ(report.problems.at(0).reason, io::kNotARegularFile);
  EXPECT_EQ(run.app().State<StationSettings>(), SampleSettings());
}

// The write failures a read-only or a full working folder gives: the operator is told the
// file and the reason, and the file keeps what it held.
TEST(SettingsFile, AFailedWriteIsToldWithTheFileAndTheReason) {
  SetupRun run;
  run.WritePrefs(SampleSettings());
  const std::string stored = run.ReadWorking("QSOpref.txt");
  run.app().State<StationSettings>() = SampleSettings();
  run.app().State<StationSettings>().OwnCall = "K3NEW";
  {
    testing::FileSizeLimit disk_full(10);
    EXPECT_FALSE(WritePrefFile(run.app()));
  }
  EXPECT_EQ(run.ReadWorking("QSOpref.txt"), stored);
  run.app().State<Folders>().WorkingDir = run.work / "gone";
  EXPECT_FALSE(WritePrefFile(run.app()));

  const auto& messages = run.dialogs().message_boxes;
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].title, "Settings Not Saved");
  EXPECT_EQ(messages[0].text, SettingsWriteFailureText(run.work / "QSOpref.txt", "File too large"));
  EXPECT_EQ(messages[1].text, SettingsWriteFailureText(run.work / "gone" / "QSOpref.txt", "No such file or directory"));
  EXPECT_EQ(run.app().State<StationSettings>().OwnCall, "K3NEW") << "the settings in use stay";
}

}  // namespace
}  // namespace ks::setup_test
