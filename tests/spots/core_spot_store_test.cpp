// The spot store and the band-map caption of a call.
#include <gtest/gtest.h>

#include "spots/spot_store.h"

namespace ks {
namespace {

struct LabelCase {
  const char* call;
  const char* label;
};

class MakeSpotLabelTest : public ::testing::TestWithParam<LabelCase> {};

TEST_P(MakeSpotLabelTest, GivesTheShortCaption) { EXPECT_EQ(MakeSpotLabel(GetParam().call), GetParam().label); }

INSTANTIATE_TEST_SUITE_P(
    Calls, MakeSpotLabelTest,
    ::testing::Values(LabelCase{"K1ABC", "K1"}, LabelCase{"ABCDE", "ABCDE"}, LabelCase{"K1A", "K1"},
                      LabelCase{"AB", ""}, LabelCase{"VE3/K1ABC", "VE3"}, LabelCase{"K1ABC/VE3", "VE3"},
                      LabelCase{"K1ABC/4", "K4"}, LabelCase{"K1ABC/10", "K10"}, LabelCase{"K1ABC/P", "P"},
                      LabelCase{"K1ABC/MM", "MM"}, LabelCase{"K1ABC/QRP", "QR"}, LabelCase{"K1ABC/", ""},
                      LabelCase{"ve3abc", "ve3"}, LabelCase{"4X1AB", "4X1"}, LabelCase{"", ""},
                      LabelCase{"DL/K1ABC", "DL"}, LabelCase{"VE3ABC/4", "VE4"}));

vb::DateTime At(int minute) { return {2024, 2, 17, 14, minute, 0}; }

TEST(SpotStoreTest, NewestGoesToTheLastSlotAndTheOldestDropsOut) {
  SpotStore store;
  for (int i = 1; i <= 51; ++i) store.Add("K" + std::to_string(i) + "AA", 14.0f + i / 1000.0f, At(i % 60));
  EXPECT_EQ(store.SpotCall[49], "K51AA");
  EXPECT_EQ(store.SpotLabel[49], "K51");
  EXPECT_EQ(store.SpotCall[0], "K2AA");  // K1AA fell out with the 51st spot
  EXPECT_FLOAT_EQ(store.SpotFreq[0], 14.002f);
  EXPECT_EQ(store.SpotLabel[0], "K2");
  EXPECT_EQ(store.SpotTime[48], At(50));
}

TEST(SpotStoreTest, ANewerSpotOfTheSameCallTakesTheOlderOffTheMaps) {
  SpotStore store;
  store.Add("K1ABC", 14.025f, At(1));
  store.Add("W2XYZ", 7.010f, At(2));
  store.Add("k1abc", 21.010f, At(3));
  EXPECT_EQ(store.SpotFreq[47], 0.0f);  // the first K1ABC
  EXPECT_EQ(store.SpotCall[47], "K1ABC");  // keeps its call, time and label
  EXPECT_FLOAT_EQ(store.SpotFreq[48], 7.010f);
  EXPECT_FLOAT_EQ(store.SpotFreq[49], 21.010f);
}

TEST(SpotStoreTest, OnlyTheMiddleOfThreeSpotsIsClearedByTheThird) {
  SpotStore store;
  store.Add("K1ABC", 14.025f, At(1));
  store.Add("K1ABC", 14.030f, At(2));
  store.SpotFreq[48] = 14.030f;  // pretend the first is cleared, the middle still shown
  store.Add("K1ABC", 14.035f, At(3));
  EXPECT_EQ(store.SpotFreq[48], 0.0f);
  EXPECT_FLOAT_EQ(store.SpotFreq[49], 14.035f);
}

TEST(SpotStoreTest, ASpotThatReachedSlotZeroIsNotSuperseded) {
  SpotStore store;
  store.Add("K1ABC", 14.025f, At(0));
  for (int i = 0; i < 48; ++i) store.Add("N" + std::to_string(i) + "X", 7.0f + i / 1000.0f, At(1));
  ASSERT_EQ(store.SpotCall[1], "K1ABC");
  store.Add("K1ABC", 21.0f, At(2));  // the shift moves the old spot into slot 0 first
  EXPECT_EQ(store.SpotCall[0], "K1ABC");
  EXPECT_FLOAT_EQ(store.SpotFreq[0], 14.025f);
}

}  // namespace
}  // namespace ks
