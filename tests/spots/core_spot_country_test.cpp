// The country of a spotted call from the prefix table.
#include <gtest/gtest.h>

#include "spots/spot_country.h"

namespace ks {
namespace {

PrefixTable Table(std::initializer_list<std::pair<const char*, const char*>> entries) {
  PrefixTable table;
  for (const auto& [code, country] : entries) {
    PrefixEntry e;
    e.PrefixCode = code;
    e.PrefixCountry = country;
    table.Entries.push_back(e);
  }
  table.PrefixCount = static_cast<std::int32_t>(entries.size());
  return table;
}

// In ascending order of character codes, digits before letters, as the supplied file is.
const PrefixTable& Sample() {
  static const PrefixTable table =
      Table({{"1A", "Sov Mil Order of Malta"}, {"3D2", "Fiji"}, {"4X", "Israel"}, {"9A", "Croatia"},
             {"DL", "Germany"}, {"EA", "Spain"}, {"F", "France"}, {"G", "England"}, {"JA", "Japan"},
             {"K", "USA"}, {"KG4", "Guantanamo Bay"}, {"KH6", "Hawaii"}, {"KL7", "Alaska"}, {"PY", "Brazil"},
             {"VE", "Canada"}, {"VK", "Australia"}, {"VP9", "Bermuda"}, {"W", "USA"}, {"ZL", "New Zealand"}});
  return table;
}

struct CountryCase {
  const char* call;
  const char* country;
  const char* looked_up;
};

class LookupSpotCountryTest : public ::testing::TestWithParam<CountryCase> {};

TEST_P(LookupSpotCountryTest, FindsTheLongestPrefix) {
  std::string lookup_call = "left over";
  EXPECT_EQ(LookupSpotCountry(Sample(), GetParam().call, lookup_call), GetParam().country);
  EXPECT_EQ(lookup_call, GetParam().looked_up);
}

INSTANTIATE_TEST_SUITE_P(
    Calls, LookupSpotCountryTest,
    ::testing::Values(
        CountryCase{"K1ABC", "USA", "K1ABC"}, CountryCase{"KH6XYZ", "Hawaii", "KH6XYZ"},
        CountryCase{"K1ABC/VP9", "Bermuda", "VP9"},       // a short prefix after the slash
        CountryCase{"K1ABC/P", "USA", "K1ABC/P"},         // portable sign: the whole call
        CountryCase{"VP9/K1ABC", "Bermuda", "VP9/K1ABC"},  // 5 after the slash is not below 4.5
        CountryCase{"VE3/K1ABC/P", "Canada", "VE3/K1ABC/P"}, CountryCase{"KG4AB", "Guantanamo Bay", "KG4AB"},
        CountryCase{"KG4ABC", "USA", "KG4ABC"}, CountryCase{"4X1AB", "Israel", "4X1AB"},
        CountryCase{"3D2AG", "Fiji", "3D2AG"}, CountryCase{"1A0KM", "Sov Mil Order of Malta", "1A0KM"},
        CountryCase{"ZL2AB", "New Zealand", "ZL2AB"}, CountryCase{"QQ1A", "", "QQ1A"},
        CountryCase{"k1abc", "", "k1abc"}, CountryCase{"", "", ""}, CountryCase{"/", "", "/"},
        CountryCase{"\xff\x01", "", "\xff\x01"}));

TEST(LookupSpotCountryTest, AnEmptyTableGivesNothing) {
  std::string lookup_call;
  EXPECT_EQ(LookupSpotCountry(PrefixTable{}, "K1ABC", lookup_call), "");
}

TEST(LookupSpotCountryTest, KG4WithoutAnyMatchStaysEmpty) {
  std::string lookup_call;
  EXPECT_EQ(LookupSpotCountry(Table({{"A", "X"}, {"B", "Y"}}), "KG4ABC", lookup_call), "");
}

TEST(LookupSpotCountryTest, ACountBeyondTheEntriesReadsNoFurther) {
  PrefixTable table = Table({{"K", "USA"}});
  table.PrefixCount = 10000;
  std::string lookup_call;
  EXPECT_EQ(LookupSpotCountry(table, "K1ABC", lookup_call), "USA");
}

}  // namespace
}  // namespace ks
