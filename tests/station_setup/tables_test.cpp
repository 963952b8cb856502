#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "logstore/prefix_table.h"
#include "logstore/state_table.h"
#include "tests/station_setup/setup_run.h"

namespace ks::setup_test {
namespace {

std::string PrefixRecord(const std::string& prefix, const std::string& country) {
  return "\"" + prefix + "\",\"" + country + "\",\"NA\",75.5,40.25,5,8,5\r\n";
}

TEST(PrefixTable, IsSearchedInTheSharedFolderThenTheDataFolderThenTheWorkingDirectory) {
  struct Case {
    bool in_shared, in_data, in_working;
    const char* expected_country;  // nullptr: no file found
  };
  const Case cases[] = {
      {true, true, true, "Shared"},   {false, true, true, "Data"}, {false, false, true, "Working"},
      {false, true, false, "Data"},   {false, false, false, nullptr},
  };
  for (const Case& c : cases) {
    SetupRun run;
    // Names are matched without regard to case.
    if (c.in_shared) WriteBytes(run.shared / "ARRLPRE2.TXT", PrefixRecord("K", "Shared"));
    if (c.in_data) WriteBytes(run.data / "arrlpre2.txt", PrefixRecord("K", "Data"));
    if (c.in_working) run.WriteWorking("Arrlpre2.txt", PrefixRecord("K", "Working"));
    ASSERT_TRUE(LoadPrefixTable(run.app()));
    const PrefixTable& table = run.app().State<PrefixTable>();
    if (c.expected_country == nullptr) {
      EXPECT_EQ(table.PrefixCount, 0);
    } else {
      ASSERT_EQ(table.PrefixCount, 1);
      EXPECT_EQ(table.Entries[1].PrefixCountry, c.expected_country);
    }
  }
}

TEST(PrefixTable, KeepsTheFirstFiveValuesOfEachRecordInFileOrder) {
  SetupRun run;
  run.WriteWorking("arrlpre2.txt",
                   "\"CE\",\"Chile\",\"SA\",70.67,-33.45,14,12,-4\r\n\"VE\",\"Canada\",\"NA\",97,55,4,9,5\r\n\r\n");
  ASSERT_TRUE(LoadPrefixTable(run.app()));
  const PrefixTable& table = run.app().State<PrefixTable>();
  ASSERT_EQ(table.PrefixCount, 2);
  const PrefixEntry& chile = table.Entries[1];
  EXPECT_EQ(chile.PrefixCode, "CE");
  EXPECT_EQ(chile.PrefixCountry, "Chile");
  EXPECT_EQ(chile.PrefixContinent, "SA");
  EXPECT_EQ(chile.PrefixLongitude, 70.67f);
  EXPECT_EQ(chile.PrefixLatitude, -33.45f);
  EXPECT_EQ(table.Entries[2].PrefixCode, "VE");
}

TEST(PrefixTable, HoldsAtMostTenThousandEntries) {
  for (int records : {10000, 10001}) {
    SetupRun run;
    std::string file;
    for (int i = 0; i < records; ++i) file += PrefixRecord("P" + std::to_string(i), "Somewhere");
    run.WriteWorking("arrlpre2.txt", file);
    const FileReport report = LoadPrefixTable(run.app());
    EXPECT_EQ(report.ok(), records <= kMaxPrefixEntries) << records;
    if (!report) {
      EXPECT_EQ(report.problems.at(0).line, 10001u);
      EXPECT_EQ(report.problems.at(0).reason, "the table holds more than 10000 prefixes; the ones from here on are not read.");
    }
    EXPECT_EQ(run.app().State<PrefixTable>().PrefixCount, 10000);
  }
}

TEST(PrefixTable, ABrokenRecordFailsTheLoadAndKeepsTheWholeRecordsBeforeIt) {
  const struct {
    std::string record;
    std::size_t line;
    const char* reason;
  } cases[] = {
      {"\"XE\",\"Mexico\",\"NA\",west,23,6,10,6\r\n", 2, "\"west\" is not a number."},
      {"\"XE\",\"Mexico\",\"NA\"\r\n102,up,6,10,6\r\n", 3, "\"up\" is not a number."},
      {"\"XE\",\"Mexico\",\"NA\",102,23\r\n", 2, "the file ends in the middle of this record."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.record);
    SetupRun run;
    run.WriteWorking("arrlpre2.txt", PrefixRecord("K", "USA") + c.record);
    const FileReport report = LoadPrefixTable(run.app());
    EXPECT_EQ(report.path, run.work / "arrlpre2.txt");
    ASSERT_EQ(report.problems.size(), 1u);
    EXPECT_EQ(report.problems[0].line, c.line);
    EXPECT_EQ(report.problems[0].reason, c.reason);
    const PrefixTable& table = run.app().State<PrefixTable>();
    EXPECT_EQ(table.PrefixCount, 1);
    EXPECT_EQ(table.Entries.size(), 2u);
  }
}

TEST(PrefixTable, CompletesToTheLastCountryWithTheTypedBeginning) {
  PrefixTable table;
  for (const char* country : {"Chile", "Cuba", "USA", "Canada", "Mexico"}) {
    table.Entries.push_back({"X", country, "NA", 0, 0});
    ++table.PrefixCount;
  }
  struct Case {
    const char* typed;
    const char* expected;
  };
  const Case cases[] = {{"C", "Canada"}, {"cu", "Cuba"}, {"CH", "Chile"}, {"Cx", nullptr}, {"Canadas", nullptr}};
  for (const Case& c : cases) {
    const PrefixEntry* hit = table.LastCountryStartingWith(c.typed);
    if (c.expected == nullptr) {
      EXPECT_EQ(hit, nullptr) << c.typed;
    } else {
      ASSERT_NE(hit, nullptr) << c.typed;
      EXPECT_EQ(hit->PrefixCountry, c.expected);
    }
  }
}

std::string StateRecords(int count) {
  std::string file;
  for (int i = 0; i < count; ++i) file += "\"S" + std::to_string(i) + "\",40.5,77.25\r\n";
  return file;
}

TEST(StateTable, ReadsExactlyFiftyRecords) {
  SetupRun run;
  run.WriteWorking("states.txt", StateRecords(51));
  ASSERT_TRUE(LoadStateTable(run.app()));
  const StateTable& table = run.app().State<StateTable>();
  ASSERT_EQ(table.Entries.size(), 51u);
  EXPECT_EQ(table.Entries[1].StateCode, "S0");
  EXPECT_EQ(table.Entries[50].StateCode, "S49");
  EXPECT_EQ(table.Entries[50].StateLatitude, 40.5f);
  EXPECT_EQ(table.Entries[50].StateLongitude, 77.25f);
}

TEST(StateTable, AMissingShortOrBrokenFileSaysWhereAndWhy) {
  const struct {
    const char* what;
    std::optional<std::string> bytes;  // nothing: no file
    std::size_t line;
    std::string reason;
    std::size_t kept;  // states read whole before the failure
  } cases[] = {
      {"missing", std::nullopt, 0, "No such file or directory", 0},
      {"short", StateRecords(49), 50, "the file ends after 49 of the 50 states.", 49},
      {"a position that is no number", StateRecords(3) + "\"S3\",north,77\r\n" + StateRecords(46), 4,
       "\"north\" is not a number.", 3},
      {"a record cut short", StateRecords(49) + "\"S49\",40.5", 50, "the file ends in the middle of this record.", 49},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    SetupRun run;
    if (c.bytes) run.WriteWorking("states.txt", *c.bytes);
    const FileReport report = LoadStateTable(run.app());
    ASSERT_EQ(report.problems.size(), 1u);
    EXPECT_EQ(report.problems[0].line, c.line);
    EXPECT_EQ(report.problems[0].reason, c.reason);
    EXPECT_EQ(run.app().State<StateTable>().Entries.size(), c.kept + 1);
  }
}

}  // namespace
}  // namespace ks::setup_test
