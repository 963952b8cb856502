// What the setup window's load does with the clock and with missing or broken files.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <optional>
#include <string>

#include "keying/windows/CWFrm.h"
#include "keying/windows/PhoneFrm.h"
#include "logstore/prefix_table.h"
#include "logstore/state_table.h"
#include "mainwin/windows/Infrm.h"
#include "mainwin/windows/Outfrm.h"
#include "tests/station_setup/setup_run.h"

namespace ks::setup_test {
namespace {

TEST(SetupLoad, OffersTheClocksOffsetWhenTheStoredOneDiffers) {
  struct Case {
    int local_offset_minutes;
    float stored;
    const char* recommended;  // nullptr: nothing is asked
  };
  const Case cases[] = {
      {-300, 5, nullptr}, {-300, 4, "5"}, {-330, 4, "5.5"}, {570, 4, "-9.5"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.local_offset_minutes);
    SetupRun run;
    run.CopyStartingFiles();
    StationSettings settings = SampleSettings();
    settings.UTCOffset = c.stored;
    run.WritePrefs(settings);
    run.headless.clock().SetLocalOffsetMinutes(c.local_offset_minutes);
    frmStationID& setup = run.OpenSetup();  // the unscripted input box takes its default answer
    const auto& asked = run.dialogs().input_boxes;
    if (c.recommended == nullptr) {
      EXPECT_TRUE(asked.empty());
      EXPECT_EQ(run.app().State<StationSettings>().UTCOffset, c.stored);
      continue;
    }
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].title, "Update the Local Time / UTC Offset?");
    EXPECT_EQ(asked[0].default_text, c.recommended);
    const float accepted = std::stof(c.recommended);
    EXPECT_EQ(run.app().State<StationSettings>().UTCOffset, accepted);
    EXPECT_EQ(setup.Text6.Text(), c.recommended);
    settings.UTCOffset = accepted;
    SetupRun expected;
    expected.WritePrefs(settings);
    EXPECT_EQ(run.ReadWorking("QSOpref.txt"), expected.ReadWorking("QSOpref.txt"));
  }
}

TEST(SetupLoad, TheOffsetQuestionShowsBothClocksAndBothOffsets) {
  SetupRun run;
  run.CopyStartingFiles();
  StationSettings settings = SampleSettings();
  settings.UTCOffset = 4;
  run.WritePrefs(settings);
  run.OpenSetup();
  ASSERT_EQ(run.dialogs().input_boxes.size(), 1u);
  EXPECT_EQ(run.dialogs().input_boxes[0].prompt,
            "Would you like to adjust the UTC offset for your local time setting?\r\n\r\n"
            "Current System Time: 17:00\r\n\r\n"
            "Current Local Time: 12:00\r\n\r\n"
            "Current Offset: 4\r\n\r\n"
            "Recommended Offset: 5\r\n\r\n"
            "Please click OK to accept the recommended change or Cancel to keep the current setting.");
}

TEST(SetupLoad, TheOperatorsAnswerToTheOffsetQuestion) {
  struct Case {
    std::optional<std::string> answer;  // nothing: Cancel
    float kept;
    bool rewritten;
    bool told = false;  // a number no clock's offset can be
  };
  const Case cases[] = {{std::nullopt, 4, false}, {"soon", 4, false}, {"", 4, false}, {"6", 6, true},
                        {"-24", -24, true},       {"1E30", 4, false, true}, {"-24.5", 4, false, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answer.value_or("<cancel>"));
    SetupRun run;
    run.CopyStartingFiles();
    StationSettings settings = SampleSettings();
    settings.UTCOffset = 4;
    run.WritePrefs(settings);
    const std::string before = run.ReadWorking("QSOpref.txt");
    run.dialogs().AnswerInputBox(c.answer);
    run.OpenSetup();
    EXPECT_EQ(run.app().State<StationSettings>().UTCOffset, c.kept);
    EXPECT_EQ(run.ReadWorking("QSOpref.txt") != before, c.rewritten);
    ASSERT_EQ(run.dialogs().message_boxes.size(), c.told ? 1u : 0u);
    if (c.told) {
      EXPECT_EQ(run.dialogs().message_boxes[0].text,
                "\"" + *c.answer +
                    "\" is not a UTC offset: the hours added to local time to give UTC are a number from -24 to "
                    "24.\r\n\r\nThe offset stays 4.");
    }
  }
}

// Each failure names its file, the line and the reason; the files after it that do not
// depend on it are still read; the settings stay on screen, so Done writes back what the
// file held.
TEST(SetupLoad, AFailingFileIsNamedAndTheOthersAreStillRead) {
  struct Case {
    const char* what;
    const char* file;
    std::optional<std::string> bytes;  // nothing: the file is removed
    const char* detail;                // after the path; nullptr: no message
  };
  const Case cases[] = {
      {"states.txt missing", "states.txt", std::nullopt, "No such file or directory"},
      {"states.txt short", "states.txt", "\"AK\",61.385,152.2683\r\n", "Line 2: the file ends after 1 of the 50 states."},
      {"wave2.txt missing", "wave2.txt", std::nullopt, "No such file or directory"},
      {"wave2.txt short", "wave2.txt", "\"\"\r\n\"\"\r\n\"\"\r\n", "Line 4: the file ends before its 13 values are read."},
      {"arrlpre2.txt broken", "arrlpre2.txt", "\"K\",\"USA\",\"NA\",west,38,5,8,5\r\n",
       "Line 1: \"west\" is not a number."},
      {"arrlpre2.txt missing", "arrlpre2.txt", std::nullopt, nullptr},
      {"cw.txt missing", "cw.txt", std::nullopt, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetupRun run;
    run.CopyStartingFiles();
    run.WritePrefs(SampleSettings());
    const std::string stored = run.ReadWorking("QSOpref.txt");
    std::string wave = "\"f1.wav\"\r\n";
    for (int i = 2; i <= 10; ++i) wave += "\"\"\r\n";
    run.WriteWorking("wave2.txt", wave + "0\r\n\"0\"\r\n\"&H378\"\r\n");
    if (c.bytes) {
      run.WriteWorking(c.file, *c.bytes);
    } else {
      run.RemoveWorking(c.file);
    }
    frmStationID& setup = run.OpenSetup();
    const auto& messages = run.dialogs().message_boxes;
    ASSERT_EQ(messages.size(), c.detail ? 1u : 0u);
    if (c.detail) {
      EXPECT_EQ(messages[0].text, "Error opening file\r\n\r\n" + (run.work / c.file).string() + "\r\n" + c.detail);
      EXPECT_EQ(messages[0].title, "Error opeining file");
      EXPECT_EQ(messages[0].buttons, 0);
    }
    const std::string failed = c.file;
    // The supplied files hold 50 states and "QRL?" for F9.
    EXPECT_EQ(run.app().State<StateTable>().Entries.size() == 51u, failed != "states.txt");
    EXPECT_EQ(run.app().Get<PhoneFrm>().Text1.Text() == "f1.wav", failed != "wave2.txt");
    EXPECT_EQ(run.app().Get<CWFrm>().Text9.Text() == "QRL?", failed != "cw.txt");
    EXPECT_EQ(setup.Text1.Text(), "W3ABC");
    EXPECT_EQ(setup.Text8.Text(), "Lehigh");
    EXPECT_EQ(setup.Text3.Text(), "75.5");
    EXPECT_TRUE(setup.Option1.Value());
    EXPECT_TRUE(setup.Option4.Value());
    EXPECT_TRUE(setup.optState(37).Value());

    setup.Command1.ClickBy();
    EXPECT_EQ(run.ReadWorking("QSOpref.txt"), stored);
    EXPECT_TRUE(run.app().IsLoaded<Infrm>());
  }
}

// A named pipe in place of a data file fails at once, as an unreadable file does, instead of
// holding the program before any window.
TEST(SetupLoad, ANamedPipeInPlaceOfAFileIsToldAsUnreadable) {
  for (const char* file : {"QSOpref.txt", "arrlpre2.txt", "states.txt", "wave2.txt", "cw.txt"}) {
    SCOPED_TRACE(file);
    SetupRun run;
    run.CopyStartingFiles();
    run.WritePrefs(SampleSettings());
    run.RemoveWorking(file);
    ASSERT_EQ(::mkfifo((run.work / file).c_str(), 0644), 0);
    run.OpenSetup();
    const auto& messages = run.dialogs().message_boxes;
    if (std::string(file) == "cw.txt") {
      EXPECT_TRUE(messages.empty()) << "a cw.txt that cannot be read is passed over";
      continue;
    }
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text,
              "Error opening file\r\n\r\n" + (run.work / file).string() + "\r\n" + io::kNotARegularFile);
    EXPECT_TRUE(fs::is_fifo(run.work / file));
  }
}

// A word where the UTC offset belongs costs that one value: the operating time, colours and
// rig stored after it survive Done, and the message names the file and the line.
TEST(SetupLoad, ABadValueInTheSettingsFileCostsOnlyThatValue) {
  SetupRun run;
  run.CopyStartingFiles();
  StationSettings stored = SampleSettings();
  stored.TimeOnTotal = 7200;
  stored.MultWorkedColor = 65280;
  stored.MultRemainingColor = 16711680;
  stored.RigName = "Elecraft K3";
  run.WritePrefs(stored);
  std::string file = run.ReadWorking("QSOpref.txt");
  file.replace(file.find("\r\n5\r\n"), 5, "\r\nfive\r\n");
  run.WriteWorking("QSOpref.txt", file);

  frmStationID& setup = run.OpenSetup();
  ASSERT_EQ(run.dialogs().message_boxes.size(), 1u);
  EXPECT_EQ(run.dialogs().message_boxes[0].text, "Error opening file\r\n\r\n" + (run.work / "QSOpref.txt").string() +
                                                     "\r\nLine 11: \"five\" is not a UTC offset of -24 to 24 hours; 5 is used instead.");
  EXPECT_TRUE(run.dialogs().input_boxes.empty()) << "the start-up offset, 5, is the clock's";
  EXPECT_EQ(setup.Text6.Text(), "5");
  setup.Command1.ClickBy();

  StationSettings expected = stored;
  expected.UTCOffset = 5;
  SetupRun written;
  written.WritePrefs(expected);
  EXPECT_EQ(run.ReadWorking("QSOpref.txt"), written.ReadWorking("QSOpref.txt"));
}

TEST(SetupLoad, AMissingSettingsFileIsReportedAndTheWindowStillWorks) {
  SetupRun run;
  run.CopyStartingFiles();
  run.RemoveWorking("QSOpref.txt");
  frmStationID& setup = run.OpenSetup();
  ASSERT_EQ(run.dialogs().message_boxes.size(), 1u);
  EXPECT_EQ(run.dialogs().message_boxes[0].text,
            "Error opening file\r\n\r\n" + (run.work / "QSOpref.txt").string() + "\r\nNo such file or directory");
  EXPECT_TRUE(run.dialogs().input_boxes.empty()) << "no stored offset to check";
  EXPECT_TRUE(run.app().IsLoaded<PhoneFrm>()) << "the keyer files are still read";
  EXPECT_EQ(setup.Text1.Text(), "");
  setup.Text1.SetFocus();
  setup.TypeText("k3xyz\r");
  EXPECT_EQ(run.app().State<StationSettings>().OwnCall, "K3XYZ");
  EXPECT_FALSE(run.app().IsLoaded<frmStationID>());
  EXPECT_TRUE(run.app().IsLoaded<Outfrm>()) << "with nothing chosen, Done takes the station to be outside";
}

}  // namespace
}  // namespace ks::setup_test
