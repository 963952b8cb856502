// Voice navigation: the prompts from the working folder, the announcement of the level
// when the window loads, Done storing the level, and a prompt that cannot play.
#include <gtest/gtest.h>

#include "keying/keyer_services.h"
#include "keying/windows/BlindFrm.h"
#include "station/station_settings.h"
#include "tests/keying/keying_fixture.h"

namespace ks::testing {
namespace {

class VoiceNavigationTest : public KeyingTest {
 protected:
  VoiceNavigationTest() {
    for (const char* name : {"Call", "Points", "NavEn", "NavDis", "Dupe"}) WriteWav(std::string(name) + ".wav", 700);
  }
  std::vector<std::string> Played() {
    std::vector<std::string> names;
    for (io::VirtualSoundPlayer* player : devices->players) {
      for (const std::string& path : player->played) names.push_back(std::filesystem::path(path).stem().string());
    }
    return names;
  }
};

TEST_F(VoiceNavigationTest, LoadAnnouncesTheStoredLevel) {
  const struct {
    int level;
    std::vector<std::string> played;
  } cases[] = {{0, {"NavDis"}}, {1, {"NavEn", "Call"}}, {2, {"NavEn"}}, {3, {}}};
  for (const auto& c : cases) {
    app().State<StationSettings>().VoiceNavLevel = static_cast<std::uint8_t>(c.level);
    devices->players.clear();
    app().Get<BlindFrm>();
    EXPECT_EQ(Played(), c.played) << c.level;
    app().Get<BlindFrm>().Unload();
  }
}

TEST_F(VoiceNavigationTest, CallOnlyWaitsForTheEndOfTheAnnouncement) {
  const std::int64_t start = h.clock().TickMs();
  app().Get<BlindFrm>().Option2.SetValue(true);
  EXPECT_GE(h.clock().TickMs() - start, 700);
  EXPECT_EQ(Played().back(), "Call");
}

TEST_F(VoiceNavigationTest, PromptsPlayFromTheWorkingFolderAndCutEachOther) {
  KeyerServices& keyers = Keyers(app());
  keyers.BlindKeyPhone("Dupe");
  EXPECT_TRUE(keyers.PromptPlaying());
  EXPECT_EQ(keyers.PromptLengthMs(), 701);
  h.Advance(300);
  keyers.BlindKeyPhone("Points");
  EXPECT_EQ(Played().back(), "Points");
  h.Advance(701);
  EXPECT_FALSE(keyers.PromptPlaying());
  EXPECT_EQ(keyers.PromptLengthMs(), 0);
}

TEST_F(VoiceNavigationTest, MissingPromptPlaysNothingSilently) {
  KeyerServices& keyers = Keyers(app());
  keyers.BlindKeyPhone("SerNum");
  EXPECT_FALSE(keyers.PromptPlaying());
  EXPECT_TRUE(h.dialogs().message_boxes.empty());
}

TEST_F(VoiceNavigationTest, DoneStoresTheChosenLevel) {
  BlindFrm& blind = app().Get<BlindFrm>();
  blind.Option3.SetValue(true);
  EXPECT_EQ(app().State<StationSettings>().VoiceNavLevel, 0);
  blind.Command1.Press();
  EXPECT_EQ(app().State<StationSettings>().VoiceNavLevel, 2);
  EXPECT_TRUE(std::filesystem::exists(work() / "QSOpref.txt"));
}

TEST_F(VoiceNavigationTest, SuppliedPromptsArePlayableWavs) {
  for (const char* name : {"Call", "Points", "SerNum", "RstSnt", "County", "SPC", "Dupe", "NavDis", "NavEn"}) {
    std::string why;
    const auto sound = io::LoadWavFile((SuppliedData() / (std::string(name) + ".wav")).string(), why);
    ASSERT_TRUE(sound) << name << ": " << why;
    EXPECT_GT(sound->info.DurationMs(), 200) << name;
    EXPECT_LT(sound->info.DurationMs(), 4000) << name;
  }
}

}  // namespace
}  // namespace ks::testing
