// The element table against the Morse code, the word space, and the engine's timing on a
// recording line: element lengths at the set speed, a speed of 0, the three timing
// methods, and the line released however a character ends.
#include <gtest/gtest.h>

#include <map>

#include "keying/morse_engine.h"
#include "keying/morse_table.h"
#include "keying/windows/CWFrm.h"
#include "tests/keying/keying_fixture.h"

namespace ks::testing {
namespace {

// Dots and dashes of an element string, checked for well-formed gaps and letter space.
std::string Sign(std::string_view elements) {
  std::string sign;
  std::size_t i = 0;
  while (i < elements.size() && elements[i] == '1') {
    std::size_t run = 0;
    while (i < elements.size() && elements[i] == '1') ++run, ++i;
    if (run == 1) sign += '.';
    else if (run == 3) sign += '-';
    else return "bad mark";
    std::size_t gap = 0;
    while (i < elements.size() && elements[i] == '0') ++gap, ++i;
    if (i == elements.size()) return gap == 3 ? sign : "bad letter space";
    if (gap != 1) return "bad gap";
  }
  return "bad";
}

TEST(MorseTable, EverySignIsTheMorseCode) {
  const std::map<char, std::string> code = {
      {'A', ".-"},     {'B', "-..."},   {'C', "-.-."},   {'D', "-.."},     {'E', "."},      {'F', "..-."},
      {'G', "--."},    {'H', "...."},   {'I', ".."},     {'J', ".---"},    {'K', "-.-"},    {'L', ".-.."},
      {'M', "--"},     {'N', "-."},     {'O', "---"},    {'P', ".--."},    {'Q', "--.-"},   {'R', ".-."},
      {'S', "..."},    {'T', "-"},      {'U', "..-"},    {'V', "...-"},    {'W', ".--"},    {'X', "-..-"},
      {'Y', "-.--"},   {'Z', "--.."},   {'0', "-----"},  {'1', ".----"},   {'2', "..---"},  {'3', "...--"},
      {'4', "....-"},  {'5', "....."},  {'6', "-...."},  {'7', "--..."},   {'8', "---.."},  {'9', "----."},
      {'.', ".-.-.-"}, {',', "--..--"}, {'?', "..--.."}, {'/', "-..-."},
      // BT twice, AR, SK, KN and CL.
      {'-', "-...-"},  {'=', "-...-"},  {'[', ".-.-."},  {']', "...-.-"},  {';', "-.--."},  {'\\', "-.-..-.."},
  };
  for (const auto& [c, sign] : code) EXPECT_EQ(Sign(ElementString(c)), sign) << c;
  EXPECT_EQ(ElementString(' '), "00000000");
  EXPECT_EQ(ElementString('a'), ElementString('A'));
  for (const char none : {'!', '(', '+', '"', '\xE9'}) EXPECT_EQ(ElementString(none), "") << none;
}

TEST(MorseTable, WordSpaceAdjustment) {
  const struct {
    double adjust;
    std::size_t units;
  } cases[] = {{0, 8}, {2, 10}, {2.7, 10}, {-3, 5}, {-8, 0}, {-20, 0}, {-2.5, 6}, {-1.5, 6}};
  for (const auto& c : cases) EXPECT_EQ(CharacterElements(' ', c.adjust).size(), c.units) << c.adjust;
  EXPECT_EQ(CharacterElements('E', 5), "1000");
}

class EngineTest : public KeyingTest {
 protected:
  EngineTest() {
    cw().Option3.SetValue(true);  // the parallel port, which opens without a serial device
  }
  CWFrm& cw() { return app().Get<CWFrm>(); }
};

TEST_F(EngineTest, ELetterAtThirteenWpm) {
  cw().Transmit('E');
  EXPECT_EQ(Timeline(), (std::vector<std::string>{"LPT+ 0.0", "LPT- 92.3"}));
  EXPECT_NEAR(devices->waits.now, 4 * 1200.0 / 13, 1e-6);
}

TEST_F(EngineTest, ElementsFollowTheSpeedBox) {
  cw().Text11.SetText("20");
  cw().Transmit('k');
  EXPECT_EQ(Elements(60, devices->waits.now), "111010111000");
  EXPECT_FALSE(LineDownAtEnd());
}

// The engine keys the speeds a WinKeyer takes, 5 to 99 WPM; any other speed (a fraction of
// one, 0, below, thousands, as cw.txt or a pasted text may give it) keys nothing and takes no
// time, by every timing method.
TEST_F(EngineTest, OnlySpeedsFromFiveToNinetyNineKey) {
  const struct {
    const char* speed;
    const char* key_up_at;  // the end of the E's dot; null: nothing keyed
  } cases[] = {{"5", "240.0"},     {"99", "12.1"},  {"12.5", "96.0"}, {"4.99", nullptr},  {"4", nullptr},
               {"0.00001", nullptr}, {"1E-300", nullptr}, {"0", nullptr}, {"-3", nullptr},  {"99.01", nullptr},
               {"100", nullptr},     {"1E300", nullptr}};
  cw().optLoop.SetValue(true);  // calibrates
  for (forms::OptionButton* method : {&cw().optTimer, &cw().OptSleep, &cw().optLoop}) {
    method->SetValue(true);
    for (const auto& c : cases) {
      devices->waits.now = 0;
      devices->transitions.clear();
      cw().Text11.SetText(c.speed);
      cw().Transmit('E');
      if (c.key_up_at == nullptr) {
        EXPECT_TRUE(devices->transitions.empty()) << c.speed << " " << method->Name();
        EXPECT_EQ(devices->waits.now, 0) << c.speed << " " << method->Name();
      } else if (method == &cw().optTimer) {
        EXPECT_EQ(Timeline(), (std::vector<std::string>{"LPT+ 0.0", std::string("LPT- ") + c.key_up_at})) << c.speed;
      } else {
        EXPECT_EQ(Timeline().size(), 2u) << c.speed << " " << method->Name();
      }
    }
  }
}

// However many steps the loop count asks for, no wait of the engine outlasts the unit of the
// slowest speed it keys; nor does the machine's own counting loop.
TEST_F(EngineTest, ALoopCountOfAnySizeWaitsNoLongerThanTheSlowestUnit) {
  cw().optLoop.SetValue(true);
  cw().Text11.SetText("5");
  cw().txtLoop.SetText("1E300");
  devices->waits.now = 0;  // after the calibration
  cw().Transmit('E');
  EXPECT_EQ(Timeline(), (std::vector<std::string>{"LPT+ 0.0", "LPT- 240.0"}));
  EXPECT_DOUBLE_EQ(devices->waits.now, 4 * kLongestUnitMs);

  SystemUnitWaits machine;
  const double start = machine.NowMs();
  machine.CountLoop(1e300, 20);
  const double took = machine.NowMs() - start;
  EXPECT_GE(took, 20);
  EXPECT_LT(took, 2000);
}

TEST_F(EngineTest, EachTimingMethodTimesOneUnit) {
  cw().Text11.SetText("12");  // 100 ms
  cw().optLoop.SetValue(true);  // calibrates: 100000 steps a millisecond
  EXPECT_EQ(cw().LoopsPer60ms, 6000000);
  EXPECT_EQ(cw().txtLoop.Text(), "6000000");
  for (forms::OptionButton* method : {&cw().optTimer, &cw().OptSleep, &cw().optLoop}) {
    devices->waits.now = 0;
    devices->transitions.clear();
    method->SetValue(true);
    cw().Transmit('T');
    EXPECT_EQ(Elements(100, devices->waits.now), "111000") << method->Name();
    EXPECT_NEAR(devices->waits.now, 600, 1e-6) << method->Name();
  }
}

TEST_F(EngineTest, LineIsReleasedWhenAnElementFails) {
  devices->waits.fail_at_wait = 2;  // in the middle of the dash of "T"
  cw().Transmit('T');
  EXPECT_EQ(Timeline(), (std::vector<std::string>{"LPT+ 0.0", "LPT- 92.3"}));
  EXPECT_FALSE(LineDownAtEnd());
  devices->waits.fail_at_wait = 0;
  cw().Transmit('E');  // the next character starts afresh
  EXPECT_EQ(devices->transitions.size(), 4u);
}

TEST_F(EngineTest, CharactersWithoutSignAndNoKeyingSendNothing) {
  cw().Transmit('(');
  keying().CWKeying = kKeyingNone;
  cw().Transmit('E');
  EXPECT_TRUE(devices->transitions.empty());
  EXPECT_EQ(devices->waits.now, 0);
}

TEST_F(EngineTest, ExclamationLogsOnlyWithACall) {
  FakeEntryWindow& window = entry();
  cw().Transmit('!');
  EXPECT_EQ(window.mains, 0);
  window.txtCall.SetText("W3ABC");
  cw().Transmit('!');
  EXPECT_EQ(window.mains, 1);
  EXPECT_TRUE(devices->transitions.empty());
  keying().CWKeying = kKeyingNone;
  cw().Transmit('!');
  EXPECT_EQ(window.mains, 1);
}

TEST_F(EngineTest, SerialKeyingWithoutPortKeysNothingAndTellsOnce) {
  cw().Option1.SetValue(true);  // RTS, port box "0"
  cw().Transmit('E');
  EXPECT_TRUE(devices->transitions.empty());
  EXPECT_TRUE(h.dialogs().message_boxes.empty());
}

TEST_F(EngineTest, InvalidSerialPortIsReportedAndTheWindowShown) {
  MapPort(7, (dir / "no-such-device").string());
  cw().Option2.SetValue(true);
  cw().Text10.SetText("7");
  bool shown = false;
  h.loop().ScriptModal("CWFrm", [&](forms::Form& form) {
    shown = true;
    form.Hide();
  });
  cw().Transmit('E');
  ASSERT_EQ(h.dialogs().message_boxes.size(), 1u);
  EXPECT_EQ(h.dialogs().message_boxes[0].text,
            "The port you have selected for CW keying is invalid.  Please select another or enter 0 for none.");
  EXPECT_EQ(h.dialogs().message_boxes[0].title, "Invalid port.");
  EXPECT_TRUE(shown);
  EXPECT_TRUE(devices->transitions.empty());
}

}  // namespace
}  // namespace ks::testing
