// Bearing and distance, against an independent great-circle computation (haversine and the
// atan2 form of the initial course) on a sphere of the same radius.
#include "entry/bearing_distance.h"

#include <gtest/gtest.h>

#include <cmath>

namespace ks {
namespace {

constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180;
constexpr double kMilesPerRadian = 69.041 * 57.29577951;

struct Place {
  const char* name;
  float latitude;
  float longitude;  // positive to the west
};

constexpr Place kStateCollege{"State College", 40.79f, 77.86f};

double HaversineMiles(const Place& a, const Place& b) {
  const double p1 = a.latitude * kRadiansPerDegree, p2 = b.latitude * kRadiansPerDegree;
  const double dp = p2 - p1, dl = (static_cast<double>(b.longitude) - a.longitude) * kRadiansPerDegree;
  const double h = std::pow(std::sin(dp / 2), 2) + std::cos(p1) * std::cos(p2) * std::pow(std::sin(dl / 2), 2);
  return 2 * std::asin(std::sqrt(h)) * kMilesPerRadian;
}

double InitialCourse(const Place& a, const Place& b) {
  const double p1 = a.latitude * kRadiansPerDegree, p2 = b.latitude * kRadiansPerDegree;
  // East longitudes positive for the textbook formula.
  const double dl = (static_cast<double>(a.longitude) - b.longitude) * kRadiansPerDegree;
  const double y = std::sin(dl) * std::cos(p2);
  const double x = std::cos(p1) * std::sin(p2) - std::sin(p1) * std::cos(p2) * std::cos(dl);
  const double course = std::atan2(y, x) / kRadiansPerDegree;
  return course < 0 ? course + 360 : course;
}

class CityPairTest : public ::testing::TestWithParam<Place> {};

TEST_P(CityPairTest, MatchesTheGreatCircle) {
  const Place& to = GetParam();
  const BearingDistance result = ComputeBearingDistance(kStateCollege.latitude, kStateCollege.longitude, to.latitude, to.longitude);
  ASSERT_TRUE(result.bearing.has_value());
  EXPECT_NEAR(*result.bearing, InitialCourse(kStateCollege, to), 1e-4);
  EXPECT_NEAR(result.miles, HaversineMiles(kStateCollege, to), 1e-3);
  EXPECT_EQ(BearingText(result), std::to_string(std::lround(InitialCourse(kStateCollege, to))) + " ");
}

INSTANTIATE_TEST_SUITE_P(Cities, CityPairTest,
                         ::testing::Values(Place{"Berlin", 52.52f, -13.40f}, Place{"Tokyo", 35.68f, -139.69f},
                                           Place{"Sydney", -33.87f, -151.21f}, Place{"London", 51.51f, 0.13f},
                                           Place{"Honolulu", 21.31f, 157.86f}, Place{"BuenosAires", -34.60f, 58.38f},
                                           Place{"Philadelphia", 39.95f, 75.17f}),
                         [](const ::testing::TestParamInfo<Place>& info) { return std::string(info.param.name); });

struct TextCase {
  const char* name;
  float latitude;
  float longitude;
  const char* bearing;
  const char* miles;
};

class BearingTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(BearingTextTest, FormatsTheReadOuts) {
  const TextCase& c = GetParam();
  const BearingDistance result = ComputeBearingDistance(40.0f, 77.0f, c.latitude, c.longitude);
  EXPECT_EQ(BearingText(result), c.bearing);
  EXPECT_EQ(DistanceText(result), c.miles);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, BearingTextTest,
    ::testing::Values(
        // 10 degrees of arc is 690.41 miles.
        TextCase{"DueNorth", 50.0f, 77.0f, " ", "690 "}, TextCase{"DueSouth", 30.0f, 77.0f, "180 ", "690 "},
        TextCase{"OwnPosition", 40.0f, 77.0f, " ", " "},
        TextCase{"Antipode", -40.0f, -103.0f, " ", "12,427 "},
        TextCase{"JustEastOfNorthRoundsToNothing", 50.0f, 76.9f, " ", "690 "},
        TextCase{"JustWestOfNorth", 50.0f, 77.1f, "360 ", "690 "},
        TextCase{"WestAlongTheParallel", 40.0f, 87.0f, "273 ", "529 "}),
    [](const ::testing::TestParamInfo<TextCase>& info) { return std::string(info.param.name); });

// A target at the own position has neither direction nor distance, however the rounding of
// its cosine falls: each read-out is a single blank.
class OwnPositionTest : public ::testing::TestWithParam<Place> {};

TEST_P(OwnPositionTest, LeavesABlankInEachReadOut) {
  const Place& here = GetParam();
  const BearingDistance result = ComputeBearingDistance(here.latitude, here.longitude, here.latitude, here.longitude);
  EXPECT_FALSE(result.bearing.has_value());
  EXPECT_EQ(BearingText(result), " ");
  EXPECT_EQ(DistanceText(result), " ");
}

INSTANTIATE_TEST_SUITE_P(Places, OwnPositionTest,
                         ::testing::Values(Place{"StateCollege", 40.79f, 77.86f}, Place{"Williamsport", 41.2f, 77.1f},
                                           Place{"Hilo", 19.8f, 155.5f}, Place{"NearTheSouthPole", -87.187f, -179.993f}),
                         [](const ::testing::TestParamInfo<Place>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ks
