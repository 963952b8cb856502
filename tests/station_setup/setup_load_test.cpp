// What the setup window's load does with the clock and with missing or broken files.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "keying/windows/CWFrm.h"
#include "keying/windows/PhoneFrm.h"
#include "logstore/prefix_table.h"
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
  };
  const Case cases[] = {{std::nullopt, 4, false}, {"soon", 4, false}, {"", 4, false}, {"6", 6, true}};
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
  }
}

// Each failure keeps the settings on screen, so Done writes back what the file held.
TEST(SetupLoad, AFailingFileAfterTheSettingsStillShowsThemAndDoneKeepsThem) {
  struct Case {
    const char* what;
    const char* file;
    const char* bytes;  // nullptr: the file is removed
    bool message;
  };
  const Case cases[] = {
      {"states.txt missing", "states.txt", nullptr, true},
      {"states.txt short", "states.txt", "\"AK\",61.385,152.2683\r\n", true},
      {"wave2.txt missing", "wave2.txt", nullptr, true},
      {"wave2.txt short", "wave2.txt", "\"\"\r\n\"\"\r\n\"\"\r\n", true},
      {"arrlpre2.txt broken", "arrlpre2.txt", "\"K\",\"USA\",\"NA\",west,38,5,8,5\r\n", true},
      {"arrlpre2.txt missing", "arrlpre2.txt", nullptr, false},
      {"cw.txt missing", "cw.txt", nullptr, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetupRun run;
    run.CopyStartingFiles();
    run.WritePrefs(SampleSettings());
    const std::string stored = run.ReadWorking("QSOpref.txt");
    if (c.bytes == nullptr) {
      run.RemoveWorking(c.file);
    } else {
      run.WriteWorking(c.file, c.bytes);
    }
    frmStationID& setup = run.OpenSetup();
    const auto& messages = run.dialogs().message_boxes;
    ASSERT_EQ(messages.size(), c.message ? 1u : 0u);
    if (c.message) {
      EXPECT_EQ(messages[0].text, "Error opening file");
      EXPECT_EQ(messages[0].title, "Error opeining file");
      EXPECT_EQ(messages[0].buttons, 0);
    }
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

TEST(SetupLoad, AMissingSettingsFileIsReportedAndTheWindowStillWorks) {
  SetupRun run;
  run.CopyStartingFiles();
  run.RemoveWorking("QSOpref.txt");
  frmStationID& setup = run.OpenSetup();
  ASSERT_EQ(run.dialogs().message_boxes.size(), 1u);
  EXPECT_EQ(run.dialogs().message_boxes[0].text, "Error opening file");
  EXPECT_TRUE(run.dialogs().input_boxes.empty());
  EXPECT_FALSE(run.app().IsLoaded<PhoneFrm>());
  EXPECT_EQ(setup.Text1.Text(), "");
  setup.Text1.SetFocus();
  setup.TypeText("k3xyz\r");
  EXPECT_EQ(run.app().State<StationSettings>().OwnCall, "K3XYZ");
  EXPECT_FALSE(run.app().IsLoaded<frmStationID>());
  EXPECT_TRUE(run.app().IsLoaded<Outfrm>()) << "with nothing chosen, Done takes the station to be outside";
}

}  // namespace
}  // namespace ks::setup_test
