// Band and mode from the menus, the band and mode labels and the rig poll's calls through
// the dispatcher: the settings file is rewritten and the log reloaded on every command.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mainwin/main_window_state.h"
#include "mainwin/windows/Form1.h"
#include "mainwin/windows/Infrm.h"
#include "mainwin/windows/Outfrm.h"
#include "tests/mainwin_commands/main_window_fixture.h"

namespace ks::testing {
namespace {

constexpr int kBandLine = 10;  // CurrentBand's line in QSOpref.txt
constexpr int kModeLine = 9;   // CurrentMode's line

class BandModeTest : public MainWindowTest {
 protected:
  // Which band and mode items carry a check mark, as "20/CW".
  static std::string Checked(const MainWindow& w) {
    std::string bands, modes;
    for (const forms::Menu* item : w.BandItems)
      if (item->Checked()) bands += (bands.empty() ? "" : "+") + item->Caption();
    for (const forms::Menu* item : w.ModeItems)
      if (item->Checked()) modes += (modes.empty() ? "" : "+") + item->Caption();
    return bands + "/" + modes;
  }
  // Removes the settings file and puts two more contacts into log.txt behind the window's
  // back, so that a command's rewrite and reload can be seen.
  void PrepareToSeeRewriteAndReload() {
    fs::remove(pref_file());
    WriteBytes(work() / "log.txt", LogText(5));
  }
  bool RewroteAndReloaded() { return fs::exists(pref_file()) && store().QSOCount == 5; }
};

TEST_F(BandModeTest, BandMenuSelectsStoresAndReloads) {
  Outfrm& w = Open<Outfrm>();
  ASSERT_EQ(store().QSOCount, 3);
  PrepareToSeeRewriteAndReload();
  ASSERT_TRUE(w.mnuBand40Ch.ChooseBy());
  EXPECT_EQ(settings().CurrentBand, "40");
  EXPECT_EQ(w.Label24.Caption(), "40");
  EXPECT_EQ(Checked(w), "40/&CW");
  EXPECT_EQ(PrefLine(kBandLine), "\"40\"");
  EXPECT_TRUE(RewroteAndReloaded());
}

TEST_F(BandModeTest, ChoosingTheCurrentBandStillRewritesAndReloads) {
  Outfrm& w = Open<Outfrm>();
  PrepareToSeeRewriteAndReload();
  ASSERT_TRUE(w.mnuBand20Ch.ChooseBy());
  EXPECT_EQ(Checked(w), "20/&CW");
  EXPECT_TRUE(RewroteAndReloaded());
}

TEST_F(BandModeTest, ModeMenuSelectsStoresAndReloads) {
  Outfrm& w = Open<Outfrm>();
  PrepareToSeeRewriteAndReload();
  ASSERT_TRUE(w.mnuPSK.ChooseBy());
  EXPECT_EQ(settings().CurrentMode, "PK");
  EXPECT_EQ(w.Label30.Caption(), "PK");
  EXPECT_EQ(Checked(w), "20/PS&K");
  EXPECT_EQ(PrefLine(kModeLine), "\"PK\"");
  EXPECT_TRUE(RewroteAndReloaded());
}

TEST_F(BandModeTest, BandLabelCyclesThroughTheEightBands) {
  settings().CurrentBand = "160";
  Outfrm& w = Open<Outfrm>();
  std::vector<std::string> passed;
  for (int i = 0; i < 8; ++i) {
    w.Label24.ClickBy();
    passed.push_back(w.Label24.Caption() + " " + Checked(w));
  }
  EXPECT_EQ(passed, (std::vector<std::string>{"80 80/&CW", "40 40/&CW", "20 20/&CW", "15 15/&CW", "10 10/&CW",
                                              "6 6/&CW", "2 2/&CW", "160 160/&CW"}));
  EXPECT_EQ(PrefLine(kBandLine), "\"160\"");
}

TEST_F(BandModeTest, ModeLabelCyclesThroughTheFourModes) {
  settings().CurrentMode = "cw";  // as an edited settings file may hold it
  Outfrm& w = Open<Outfrm>();
  std::vector<std::string> passed;
  for (int i = 0; i < 4; ++i) {
    w.Label30.ClickBy();
    passed.push_back(w.Label30.Caption() + " " + Checked(w));
  }
  EXPECT_EQ(passed, (std::vector<std::string>{"PH 20/&PH", "RY 20/&RTTY", "PK 20/PS&K", "CW 20/&CW"}));
}

TEST_F(BandModeTest, LabelsDoNothingForCodesOutsideTheCycles) {
  settings().CurrentBand = "30";
  settings().CurrentMode = "AM";
  Outfrm& w = Open<Outfrm>();
  fs::remove(pref_file());
  w.Label24.ClickBy();
  w.Label30.ClickBy();
  EXPECT_EQ(settings().CurrentBand, "30");
  EXPECT_EQ(settings().CurrentMode, "AM");
  EXPECT_FALSE(fs::exists(pref_file()));
  // The menus still work and replace the unknown codes.
  w.mnuSSB.ChooseBy();
  EXPECT_EQ(settings().CurrentMode, "PH");
}

TEST_F(BandModeTest, PolledFrequencySwitchesBandOnlyWhenItDiffers) {
  struct Case {
    const char* band_before;
    float mhz;
    const char* band_after;
    bool rewritten;
    const char* next_frequency;
  };
  const Case cases[] = {
      {"20", 14.2f, "20", false, "14.200"},     {"20", 7.1f, "40", true, "7.100"},
      {"20", 2.0001f, "20", false, "2.000"},    {"20", 1.7999f, "20", false, "1.800"},
      {"20", 10.12f, "20", false, "10.120"},    {"20", 10368.1f, "20", false, "10368.100"},
      {"20", 0.5f, "20", false, ".500"},        {"40", 144.2f, "2", true, "144.200"},
      {"10", 28.0005f, "10", false, "28.001"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mhz);
    settings().CurrentBand = c.band_before;
    Outfrm& w = app().Get<Outfrm>();
    fs::remove(pref_file());
    float polled = c.mhz;
    app().Get<Form1>().BandFreqConversion(polled);
    EXPECT_EQ(polled, c.mhz);
    EXPECT_EQ(settings().CurrentBand, c.band_after);
    if (c.rewritten) {
      EXPECT_EQ(w.Label24.Caption(), c.band_after);
    }
    EXPECT_EQ(fs::exists(pref_file()), c.rewritten);
    EXPECT_EQ(app().State<MainWindowState>().NextQSOFrequency, c.next_frequency);
  }
}

TEST_F(BandModeTest, PolledModeSelectsOnlyADifferentPhoneOrCw) {
  struct Case {
    const char* mode_before;
    const char* polled;
    const char* mode_after;
    bool rewritten;
  };
  const Case cases[] = {
      {"RY", "PH", "PH", true}, {"PK", "CW", "CW", true}, {"CW", "ph", "PH", true}, {"ph", "PH", "ph", false},
      {"CW", "AM", "CW", false}, {"PH", "FM", "PH", false}, {"CW", "", "CW", false},
  };
  Outfrm& w = Open<Outfrm>();
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.polled) + " over " + c.mode_before);
    settings().CurrentMode = c.mode_before;
    fs::remove(pref_file());
    std::string polled = c.polled;
    app().Get<Form1>().ModeSelection(polled);
    EXPECT_EQ(polled, c.polled);
    EXPECT_EQ(settings().CurrentMode, c.mode_after);
    EXPECT_EQ(fs::exists(pref_file()), c.rewritten);
    if (c.rewritten) {
      EXPECT_EQ(w.Label30.Caption(), c.mode_after);
    }
  }
}

TEST_F(BandModeTest, InStateWindowRerunsTheExchangeBoxWhenACallIsTyped) {
  settings().OutOfState = 0;
  Infrm& w = Open<Infrm>();
  int reruns = 0;
  w.txtCntry.Change = [&] { ++reruns; };
  w.mnuBand80Ch.ChooseBy();
  w.mnuSSB.ChooseBy();
  EXPECT_EQ(reruns, 0);
  w.txtCall.SetText("W1AW");
  reruns = 0;  // typing the call fills the exchange box itself; only the menus count here
  w.mnuBand40Ch.ChooseBy();
  w.mnuDigital.ChooseBy();
  EXPECT_EQ(reruns, 2);
  EXPECT_EQ(Checked(w), "40/&RTTY");
}

}  // namespace
}  // namespace ks::testing
