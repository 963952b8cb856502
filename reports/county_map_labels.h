#pragma once
// The county labels of the county map: each county's name as its label carries it, and the
// label's rectangle in twips within the map picture (data/CountyMap.bmp), wholly inside that
// county. The table is generated with the picture by tools/county_map/make_county_map.mjs.
#include <array>
#include <cstddef>

namespace ks {

struct CountyMapLabel {
  const char* name;
  int left;
  int top;
  int width;
  int height;
};

inline constexpr std::size_t kCountyMapLabelCount = 67;
inline constexpr const char* kCountyMapPicture = "CountyMap.bmp";

extern const std::array<CountyMapLabel, kCountyMapLabelCount> kCountyMapLabels;

}  // namespace ks
