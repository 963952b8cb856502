// The keyer windows' settings files as the start-up reads them into the hidden windows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "keying/keyer_files.h"
#include "keying/keying_state.h"
#include "keying/windows/CWFrm.h"
#include "keying/windows/PhoneFrm.h"
#include "tests/station_setup/setup_run.h"

namespace ks::setup_test {
namespace {

// One value per line.
std::string Lines(const std::vector<std::string>& values) {
  std::string file;
  for (const std::string& value : values) file += value + "\r\n";
  return file;
}

std::vector<std::string> WaveValues(const std::string& line, const std::string& repeat) {
  return {"\"f1.wav\"", "\"f2.wav\"", "\"\"", "\"\"", "\"\"", "\"\"", "\"\"", "\"\"", "\"f9.wav\"", "\"2\"",
          line,         repeat,       "\"&H278\""};
}

TEST(KeyerFiles, TheVoiceFileFillsThePhoneWindow) {
  SetupRun run;
  run.WriteWorking("wave2.txt", Lines(WaveValues("1", "3")));
  ASSERT_TRUE(LoadWaveSettings(run.app()));
  PhoneFrm& phone = run.app().Get<PhoneFrm>();
  EXPECT_EQ(phone.Text1.Text(), "f1.wav");
  EXPECT_EQ(phone.Text9.Text(), "f9.wav");
  EXPECT_EQ(phone.Text10.Text(), "2");
  EXPECT_TRUE(phone.Option2.Value());
  EXPECT_EQ(phone.txtPHLoop.Text(), "3");
  EXPECT_EQ(phone.tmrRepeat.Interval(), 3000);
  EXPECT_FALSE(phone.tmrRepeat.Enabled());
  EXPECT_EQ(phone.Text11.Text(), "&H278");
}

TEST(KeyerFiles, ThePushToTalkLineChoosesItsButton) {
  struct Case {
    const char* value;
    int chosen;  // 1 to 3, 0 for none
  };
  for (const Case c : {Case{"0", 1}, Case{"1", 2}, Case{"2", 3}, Case{"7", 0}}) {
    SetupRun run;
    run.WriteWorking("wave2.txt", Lines(WaveValues(c.value, "0")));
    ASSERT_TRUE(LoadWaveSettings(run.app()));
    PhoneFrm& phone = run.app().Get<PhoneFrm>();
    EXPECT_EQ(phone.Option1.Value(), c.chosen == 1) << c.value;
    EXPECT_EQ(phone.Option2.Value(), c.chosen == 2) << c.value;
    EXPECT_EQ(phone.Option3.Value(), c.chosen == 3) << c.value;
  }
}

TEST(KeyerFiles, ARepeatTheTimerCannotTakeFailsTheVoiceFile) {
  for (const char* repeat : {"66", "-1", "\"often\""}) {
    SetupRun run;
    run.WriteWorking("wave2.txt", Lines(WaveValues("0", repeat)));
    EXPECT_FALSE(LoadWaveSettings(run.app())) << repeat;
  }
}

std::vector<std::string> CWValues(const std::string& f9, const std::string& keying, const std::string& check) {
  return {"\"CQ PA W3ABC\"", "\"$ 599\"", "\"\"", "\"\"",  "\"\"",  "\"\"", "\"\"", "\"\"", f9,
          "\"1\"",           "\"25\"",    "\"F10\"", "\"F11\"", "\"2\"", keying, "\"&H3BC\"", check, "\"1.5\""};
}

TEST(KeyerFiles, TheCWFileFillsTheCWWindowAndTheKeyingChoice) {
  SetupRun run;
  run.WriteWorking("cw.txt", Lines(CWValues("\"\"", "2", "1")));
  LoadCWSettings(run.app());
  CWFrm& cw = run.app().Get<CWFrm>();
  EXPECT_EQ(cw.Text1.Text(), "CQ PA W3ABC");
  EXPECT_EQ(cw.Text2.Text(), "$ 599");
  EXPECT_EQ(cw.Text9.Text(), "VVV DE ");  // an empty F9 message
  EXPECT_EQ(cw.Text10.Text(), "1");
  EXPECT_EQ(cw.Text11.Text(), "25");
  EXPECT_EQ(cw.Text12.Text(), "F10");
  EXPECT_EQ(cw.Text13.Text(), "F11");
  EXPECT_EQ(cw.txtSpace.Text(), "2");
  EXPECT_EQ(run.app().State<KeyingState>().CWKeying, 2);
  EXPECT_EQ(cw.Text14.Text(), "&H3BC");
  EXPECT_EQ(cw.Check1.Value(), 1);
  EXPECT_EQ(cw.txtCWLoop.Text(), "1.5");
  EXPECT_EQ(cw.tmrRepeat.Interval(), 1500);
  EXPECT_TRUE(cw.Option2.Value());
}

TEST(KeyerFiles, TheKeyingByteChoosesItsButton) {
  struct Case {
    const char* keying;
    int chosen;  // 1 to 5
  };
  // A byte without a button chooses none, so "None", chosen when the window loads, stays.
  for (const Case c : {Case{"0", 4}, Case{"1", 1}, Case{"2", 2}, Case{"3", 3}, Case{"5", 5}, Case{"4", 4}}) {
    SetupRun run;
    run.WriteWorking("cw.txt", Lines(CWValues("\"VVV\"", c.keying, "0")));
    LoadCWSettings(run.app());
    CWFrm& cw = run.app().Get<CWFrm>();
    const forms::OptionButton* buttons[] = {&cw.Option1, &cw.Option2, &cw.Option3, &cw.Option4, &cw.Option5};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(buttons[i]->Value(), c.chosen == i + 1) << c.keying << " " << i + 1;
  }
}

TEST(KeyerFiles, AShortOrBrokenCWFileStopsQuietlyWhereItFails) {
  SetupRun run;
  std::vector<std::string> values = CWValues("\"VVV\"", "300", "0");  // no byte holds 300
  run.WriteWorking("cw.txt", Lines(values));
  LoadCWSettings(run.app());
  CWFrm& cw = run.app().Get<CWFrm>();
  EXPECT_EQ(cw.txtSpace.Text(), "2");
  EXPECT_EQ(cw.Text14.Text(), "&H378");  // as designed
  EXPECT_EQ(cw.Text11.Text(), "25");

  SetupRun short_run;
  values.resize(10);
  short_run.WriteWorking("cw.txt", Lines(values));
  LoadCWSettings(short_run.app());
  CWFrm& cut = short_run.app().Get<CWFrm>();
  EXPECT_EQ(cut.Text10.Text(), "1");
  EXPECT_EQ(cut.Text11.Text(), "13");
  EXPECT_TRUE(short_run.dialogs().message_boxes.empty());
}

TEST(KeyerFiles, TheKeyerBoxesDropATypedDoubleQuote) {
  SetupRun run;
  CWFrm& cw = run.app().Get<CWFrm>();
  cw.Show();
  cw.Text1.SetFocus();
  cw.TypeText("CQ \"PA\"");
  EXPECT_EQ(cw.Text1.Text(), "CQ PA");
  PhoneFrm& phone = run.app().Get<PhoneFrm>();
  phone.Show();
  phone.Text1.SetFocus();
  phone.TypeText("\"f1.wav\"");
  EXPECT_EQ(phone.Text1.Text(), "f1.wav");
}

}  // namespace
}  // namespace ks::setup_test
