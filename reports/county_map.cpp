#include "reports/county_map.h"

#include <algorithm>

#include "platform/vb/text.h"

namespace ks {

forms::Color RandomFillColor(std::minstd_rand& random) {
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  const int red = static_cast<int>(unit(random) * 254);
  const int green = static_cast<int>(unit(random) * 254);
  const int blue = static_cast<int>(unit(random) * 254);
  return forms::Rgb(red, green, blue);
}

int ColorWorkedCounties(forms::PictureBox& picture, const std::vector<CountyHotSpot>& spots, int county_count,
                        const std::vector<std::string>& worked, std::minstd_rand& random) {
  // The table may name more counties than the map has labels: only the labels are searched.
  const std::size_t searched = std::min(spots.size(), static_cast<std::size_t>(std::max(0, county_count)));
  int fills = 0;
  for (const std::string& county : worked) {
    for (std::size_t k = 0; k < searched; ++k) {
      const CountyHotSpot& spot = spots[k];
      if (!vb::EqualsNoCase(spot.name, county)) continue;
      const float x = spot.left + spot.width / 2;
      const float y = spot.top + spot.height / 2;
      picture.FloodFill(x, y, RandomFillColor(random));
      ++fills;
      break;
    }
  }
  return fills;
}

}  // namespace ks
