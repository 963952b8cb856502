#include <gtest/gtest.h>

#include "station/station_settings.h"
#include "tests/station_setup/setup_run.h"

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

TEST(SettingsFile, AShortFileFailsAtItsFirstMissingLineKeepingWhatWasRead) {
  SetupRun run;
  const std::string file = kExpectedFile;
  std::size_t end = 0;
  for (int line = 0; line < 12; ++line) end = file.find("\r\n", end) + 2;
  run.WriteWorking("QSOpref.txt", file.substr(0, end));
  EXPECT_FALSE(ReadPrefFile(run.app()));
  const StationSettings& s = run.app().State<StationSettings>();
  EXPECT_EQ(s.OwnLongitude, 0.5f);
  EXPECT_EQ(s.OwnLatitude, 0.0f);
}

TEST(SettingsFile, AValueOfTheWrongKindFailsTheRead) {
  SetupRun run;
  std::string file = kExpectedFile;
  file.replace(file.find("90\r\n"), 2, "900");  // FormSizePercent is a byte
  run.WriteWorking("QSOpref.txt", file);
  EXPECT_FALSE(ReadPrefFile(run.app()));
}

TEST(SettingsFile, AFailedWriteReturnsFalseSilently) {
  SetupRun run;
  run.app().State<Folders>().WorkingDir = run.work / "missing";
  run.app().State<StationSettings>() = SampleSettings();
  EXPECT_FALSE(WritePrefFile(run.app()));
  EXPECT_TRUE(run.dialogs().message_boxes.empty());
}

}  // namespace
}  // namespace ks::setup_test
