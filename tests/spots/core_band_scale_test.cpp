// Band tables, zoom, scale captions, positions, age colours and tool tips of both maps.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "spots/band_scale.h"

namespace ks {
namespace {

using Captions = std::array<std::string, 5>;

SpotStore StoreWith(const std::vector<std::pair<int, float>>& slots) {
  SpotStore store;
  for (const auto& [slot, mhz] : slots) store.SpotFreq[slot] = mhz;
  return store;
}

Captions Scale(BandEdges edges, const SpotStore& store) {
  ZoomBandScale(store, edges.high, edges.low);
  return ScaleCaptions(edges.low, edges.high);
}

struct ScaleCase {
  const char* name;
  BandEdges band;
  std::vector<std::pair<int, float>> spots;
  Captions captions;
};

class ScaleTest : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(ScaleTest, CaptionsAtTheQuarterPoints) {
  EXPECT_EQ(Scale(GetParam().band, StoreWith(GetParam().spots)), GetParam().captions);
}

INSTANTIATE_TEST_SUITE_P(
    Bands, ScaleTest,
    ::testing::Values(
        ScaleCase{"Band160", SpectrumBandEdges(0), {}, {"1.800", "1.850", "1.900", "1.950", "2.000"}},
        ScaleCase{"Band80", MainBandEdges("80"), {}, {"3.500", "3.625", "3.750", "3.875", "4.000"}},
        // Single-precision edges: 14.2625 plus a little rounds up.
        ScaleCase{"Band20", SpectrumBandEdges(4), {}, {"14.000", "14.088", "14.175", "14.263", "14.350"}},
        ScaleCase{"Band30", SpectrumBandEdges(3), {}, {"10.100", "10.113", "10.125", "10.137", "10.150"}},
        ScaleCase{"Band2", MainBandEdges("2"), {}, {"144.000", "145.000", "146.000", "147.000", "148.000"}},
        ScaleCase{"UnknownBand", MainBandEdges("33"), {{49, 14.025f}}, {".000", ".000", ".000", ".000", ".000"}},
        ScaleCase{"TwoSpotsZoom", MainBandEdges("20"), {{48, 14.021f}, {49, 14.059f}},
                  {"14.020", "14.030", "14.040", "14.050", "14.060"}},
        ScaleCase{"FortyMetres", MainBandEdges("40"), {{10, 7.01f}, {20, 7.2f}},
                  {"7.009", "7.057", "7.105", "7.153", "7.201"}},
        ScaleCase{"PastTheDesignEdge", MainBandEdges("160"), {{3, 1.8004f}, {4, 1.9f}},
                  {"1.799", "1.825", "1.850", "1.876", "1.901"}},
        ScaleCase{"SingleSpot", MainBandEdges("20"), {{49, 14.1f}}, {"14.000", "14.088", "14.175", "14.263", "14.350"}},
        ScaleCase{"SameFrequencyTwice", MainBandEdges("20"), {{48, 14.1f}, {49, 14.1f}},
                  {"14.000", "14.088", "14.175", "14.263", "14.350"}},
        ScaleCase{"EdgesDoNotCount", MainBandEdges("20"), {{47, 14.0f}, {48, 14.35f}, {49, 14.1f}},
                  {"14.000", "14.088", "14.175", "14.263", "14.350"}},
        ScaleCase{"SlotZeroIsNotLookedAt", MainBandEdges("20"), {{0, 14.2f}, {49, 14.1f}},
                  {"14.000", "14.088", "14.175", "14.263", "14.350"}},
        ScaleCase{"OtherBandsDoNotCount", MainBandEdges("20"), {{48, 7.1f}, {49, 14.1f}},
                  {"14.000", "14.088", "14.175", "14.263", "14.350"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SpectrumBandTest, FrequenciesFindTheirLine) {
  EXPECT_EQ(SpectrumBandOf(10.125f), 3);
  EXPECT_EQ(SpectrumBandOf(24.9f), 7);
  EXPECT_EQ(SpectrumBandOf(14.001f), 4);
  EXPECT_EQ(SpectrumBandOf(14.0f), -1);
  EXPECT_EQ(SpectrumBandOf(14.35f), -1);
  EXPECT_EQ(SpectrumBandOf(5.3f), -1);
  EXPECT_EQ(SpectrumBandOf(3.4f), -1);
  EXPECT_EQ(SpectrumBandOf(0.0f), -1);
}

TEST(SpotPositionTest, ALabelIsCentredOverItsFrequency) {
  const BandEdges span = EdgesFromCaptions("14.024", "14.075");
  EXPECT_NEAR(SpotLabelLeft(14.025f, span, 1000, 6100, 400), 1000 + 100 - 200, 1);
  EXPECT_NEAR(SpotLabelLeft(14.074f, span, 1000, 6100, 400), 6100 - 100 - 200, 1);
  EXPECT_FLOAT_EQ(SpotLabelLeft(14.0f, BandEdges{}, 1000, 6100, 400), 800);  // no span: no division by 0
}

TEST(SpotAgeTest, ColoursByAge) {
  struct Case {
    long long age;
    std::optional<forms::Color> colour;
  };
  for (const Case& c : {Case{0, 0x80FFFF}, Case{599, 0x80FFFF}, Case{600, 0xFFFFFF}, Case{1799, 0xFFFFFF},
                        Case{1800, 0xC0C0C0}, Case{3599, 0xC0C0C0}, Case{3600, std::nullopt}}) {
    EXPECT_EQ(SpotAgeColor(c.age), c.colour) << c.age;
  }
}

TEST(SpotAgeTest, AgesCountFromTheLocalArrival) {
  EXPECT_EQ(SpotAgeSeconds({2024, 2, 17, 13, 2, 3}, {2024, 2, 17, 13, 12, 3}), 600);
  EXPECT_GE(SpotAgeSeconds(vb::DateTime{}, {2024, 2, 17, 13, 12, 3}), 3600);  // an empty slot
}

TEST(SpotToolTipTest, CallFrequencyAndUtcTime) {
  EXPECT_EQ(SpotToolTip("K1ABC", 14.025f, {2024, 2, 17, 14, 2, 3}, 5), "K1ABC  14.025  19:02:03");
  EXPECT_EQ(SpotToolTip("K1ABC", 7.0105f, {2024, 2, 17, 23, 2, 3}, 5.5f), "K1ABC  7.011  04:32:03");
}

}  // namespace
}  // namespace ks
