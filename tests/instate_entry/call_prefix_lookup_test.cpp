// The call-prefix lookup against the supplied prefix table.
#include "entry/call_prefix_lookup.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/instate_entry/prefix_table_fixture.h"

namespace ks {
namespace {

using Outcome = CallPrefixMatch::Outcome;

struct LookupCase {
  const char* name;
  const char* call;
  Outcome outcome;
  const char* exchange;   // for Located and NotFound
  const char* continent;  // of the place shown, for Located
};

class CallPrefixLookupTest : public ::testing::TestWithParam<LookupCase> {};

TEST_P(CallPrefixLookupTest, FindsTheStationsPlace) {
  const LookupCase& c = GetParam();
  const CallPrefixMatch match = FindCallPrefix(testing::SuppliedPrefixTable(), c.call);
  EXPECT_EQ(match.outcome, c.outcome);
  if (c.outcome == Outcome::Located || c.outcome == Outcome::NotFound) {
    EXPECT_EQ(match.exchange, c.exchange);
  }
  if (c.outcome == Outcome::Located) {
    ASSERT_NE(match.place, nullptr);
    EXPECT_EQ(match.place->PrefixContinent, c.continent);
  } else {
    EXPECT_EQ(match.place, nullptr);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Calls, CallPrefixLookupTest,
    ::testing::Values(
        LookupCase{"UsaCall", "W1AW", Outcome::NorthAmerica, "", ""},
        LookupCase{"UsaTwoLetterPrefix", "AA3B", Outcome::NorthAmerica, "", ""},
        LookupCase{"CanadianCall", "VE3ABC", Outcome::NorthAmerica, "", ""},
        LookupCase{"Alaska", "KL7XYZ", Outcome::Located, "AK", "NA"},
        LookupCase{"Hawaii", "KH6ABC", Outcome::Located, "HI", "OC"},
        LookupCase{"Germany", "DL1ABC", Outcome::Located, "Fed. Rep. of Germany", "EU"},
        LookupCase{"LongerPrefixWins", "KL9KAB", Outcome::Located, "Republic of Korea", "AS"},
        LookupCase{"LongestOfThree", "3G0XAB", Outcome::Located, "San Felix & San Ambrosio", "SA"},
        LookupCase{"ShorterWhenLongerDoesNotMatch", "3G0ABC", Outcome::Located, "Easter Island", "SA"},
        LookupCase{"StartsWithDigit", "4X1AB", Outcome::Located, "Israel", "AS"},
        LookupCase{"DigitAtEndOfDigitBlock", "9A1AA", Outcome::Located, "Croatia", "EU"},
        LookupCase{"FirstEntryOfTable", "1A0KM", Outcome::Located, "Sov Mil Order of Malta", "EU"},
        LookupCase{"LastBlockOfTable", "ZS6ABC", Outcome::Located, "South Africa", "AF"},
        LookupCase{"ShortPartBehindSlash", "DL1ABC/W1", Outcome::NorthAmerica, "", ""},
        LookupCase{"PartBehindSlashLookedUp", "W1AW/KH6", Outcome::Located, "HI", "OC"},
        LookupCase{"PortableMarkIgnored", "DL1ABC/P", Outcome::Located, "Fed. Rep. of Germany", "EU"},
        LookupCase{"LongPartBehindSlashLooksUpWhole", "DL/W1ABC", Outcome::Located, "Fed. Rep. of Germany", "EU"},
        LookupCase{"HalfBehindSlashLooksUpWhole", "G/W1A", Outcome::Located, "England", "EU"},
        LookupCase{"Kg4OfFourIsUsa", "KG4A", Outcome::Located, "", "NA"},
        LookupCase{"Kg4OfFiveIsGuantanamo", "KG4AB", Outcome::Located, "Guantanamo Bay", "NA"},
        LookupCase{"Kg4OfSixIsUsa", "KG4ABC", Outcome::Located, "", "NA"},
        LookupCase{"NoPrefix", "QQ1ABC", Outcome::NotFound, "Not Found", ""},
        LookupCase{"LowerCase", "dl1abc", Outcome::Located, "Fed. Rep. of Germany", "EU"},
        LookupCase{"CharacterPastZ", "~1AB", Outcome::NotFound, "Not Found", ""},
        LookupCase{"Empty", "", Outcome::EmptyCall, "", ""}),
    [](const ::testing::TestParamInfo<LookupCase>& info) { return std::string(info.param.name); });

TEST(CallPrefixLookup, KG4StationsShowTheFirstUsaEntry) {
  const PrefixTable& table = testing::SuppliedPrefixTable();
  const CallPrefixMatch match = FindCallPrefix(table, "KG4XYZ");
  ASSERT_NE(match.place, nullptr);
  EXPECT_EQ(match.place->PrefixCode, "AA");
  EXPECT_EQ(match.place->PrefixCountry, "USA");
}

// The longest prefix of the whole table that begins the call; the first in table order of
// equally long ones.
const PrefixEntry* LongestByFullScan(const PrefixTable& table, const std::string& call) {
  const PrefixEntry* best = nullptr;
  for (int i = 1; i <= table.PrefixCount; ++i) {
    const PrefixEntry& e = table.Entries[static_cast<std::size_t>(i)];
    if (call.compare(0, e.PrefixCode.size(), e.PrefixCode) == 0 && (!best || e.PrefixCode.size() > best->PrefixCode.size()))
      best = &e;
  }
  return best;
}

// The block scan finds what a scan of the whole table finds, for a call on every prefix.
TEST(CallPrefixLookup, AgreesWithAFullScanForEveryPrefix) {
  const PrefixTable& table = testing::SuppliedPrefixTable();
  ASSERT_GT(table.PrefixCount, 7000);
  int checked = 0;
  for (int i = 1; i <= table.PrefixCount; ++i) {
    const std::string call = table.Entries[static_cast<std::size_t>(i)].PrefixCode + "1XY";
    if (call.rfind("KG4", 0) == 0) continue;
    const PrefixEntry* expected = LongestByFullScan(table, call);
    ASSERT_NE(expected, nullptr) << call;
    const CallPrefixMatch match = FindCallPrefix(table, call);
    const std::string& country = expected->PrefixCountry;
    if (country == "USA" || country == "Canada") {
      EXPECT_EQ(match.outcome, Outcome::NorthAmerica) << call;
    } else {
      EXPECT_EQ(match.place, expected) << call << " gave " << (match.place ? match.place->PrefixCode : "none");
    }
    ++checked;
  }
  EXPECT_GT(checked, 7000);
}

// A table much shorter than the alphabet: a call whose first character lies past Z must not
// start the scan outside it.
TEST(CallPrefixLookup, ShortTableKeepsTheStartInside) {
  PrefixTable table;
  for (const char* code : {"A", "B", "Z"}) {
    table.Entries.push_back(PrefixEntry{code, std::string("Land ") + code, "EU", 0, 0});
    ++table.PrefixCount;
  }
  EXPECT_EQ(FindCallPrefix(table, "Z1A").exchange, "Land Z");
  EXPECT_EQ(FindCallPrefix(table, "z1a").exchange, "Land Z");
  EXPECT_EQ(FindCallPrefix(table, "A1A").exchange, "Land A");
  EXPECT_EQ(FindCallPrefix(table, "{1A").outcome, Outcome::NotFound);
  EXPECT_EQ(FindCallPrefix(PrefixTable{}, "DL1A").outcome, Outcome::NotFound);
}

}  // namespace
}  // namespace ks
