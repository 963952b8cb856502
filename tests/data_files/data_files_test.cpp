// The supplied data files load through the program's own loaders and hold what the program
// relies on.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "keying/keyer_files.h"
#include "keying/windows/CWFrm.h"
#include "logstore/prefix_table.h"
#include "logstore/state_table.h"
#include "platform/forms/headless.h"
#include "startup/user_folders.h"
#include "station/station_settings.h"

namespace ks {
namespace {

class DataFiles : public ::testing::Test {
 protected:
  DataFiles() { app().State<Folders>().WorkingDir = fs::path(KEYSTONE_SOURCE_DIR) / "data"; }
  forms::Application& app() { return headless_.app(); }

 private:
  forms::Headless headless_;
};

TEST_F(DataFiles, TheStateTableHoldsTheFiftyStates) {
  ASSERT_TRUE(LoadStateTable(app()));
  const StateTable& table = app().State<StateTable>();
  ASSERT_EQ(table.Entries.size(), 51u);
  std::set<std::string> codes;
  for (std::size_t i = 1; i < table.Entries.size(); ++i) {
    const StateEntry& state = table.Entries[i];
    EXPECT_EQ(state.StateCode.size(), 2u) << i;
    codes.insert(state.StateCode);
    // Latitudes north, longitudes west of Greenwich (Alaska's Aleutians stay below 180).
    EXPECT_GT(state.StateLatitude, 18) << state.StateCode;
    EXPECT_LT(state.StateLatitude, 72) << state.StateCode;
    EXPECT_GT(state.StateLongitude, 66) << state.StateCode;
    EXPECT_LT(state.StateLongitude, 180) << state.StateCode;
  }
  EXPECT_EQ(codes.size(), 50u);
  EXPECT_TRUE(codes.count("PA"));
}

TEST_F(DataFiles, ThePrefixTableIsSortedWithinItsLimitAndNamesItsCountriesFully) {
  ASSERT_TRUE(LoadPrefixTable(app()));
  const PrefixTable& table = app().State<PrefixTable>();
  ASSERT_GT(table.PrefixCount, 0);
  EXPECT_LE(table.PrefixCount, kMaxPrefixEntries);
  std::set<std::string> countries;
  for (std::int32_t i = 1; i <= table.PrefixCount; ++i) {
    const PrefixEntry& entry = table.Entries[static_cast<std::size_t>(i)];
    if (i > 1) {
      EXPECT_LT(table.Entries[static_cast<std::size_t>(i - 1)].PrefixCode, entry.PrefixCode) << i;
    }
    countries.insert(entry.PrefixCountry);
    // A DX country is told from a section or state by its length.
    if (entry.PrefixCountry != "USA") {
      EXPECT_GE(entry.PrefixCountry.size(), 4u) << entry.PrefixCode;
    }
    EXPECT_FALSE(entry.PrefixContinent.empty()) << entry.PrefixCode;
  }
  for (const char* needed : {"USA", "Canada", "Alaska", "Hawaii"}) EXPECT_TRUE(countries.count(needed)) << needed;
}

TEST_F(DataFiles, TheStartingSettingsAndKeyerFilesRead) {
  ASSERT_TRUE(ReadPrefFile(app()));
  EXPECT_EQ(app().State<StationSettings>().PartyState, "PA");
  EXPECT_TRUE(LoadWaveSettings(app()));
  LoadCWSettings(app());
  // The keying choice is made only once all the values of cw.txt are read.
  EXPECT_TRUE(app().Get<CWFrm>().Option4.Value());
}

}  // namespace
}  // namespace ks
