#pragma once
// What the band-privileges chart shows for one licence class: a bar per band whose
// whole-band row is followed, before the next band, by a row of the class; and the class's
// segments on every bar of their band.
#include <string>
#include <string_view>
#include <vector>

#include "rig/band_plan.h"

namespace ks::rig {

inline constexpr size_t kChartBars = 20;

struct ChartBar {
  std::string band;
  float low = 0, high = 0;  // of the first row of the file naming the band (the range the bar stands for)
  float range_low = 0, range_high = 0;  // of the band's whole-band row (its tooltip)
};

struct ChartSegment {
  size_t bar = 0;  // index into the bars
  float low = 0, high = 0;
  bool cw = false;  // "CW" exactly; anything else is phone
  // Left and width as fractions of the bar's width (not clipped to the bar).
  float left_fraction = 0, width_fraction = 0;
};

struct PrivilegeChart {
  std::vector<ChartBar> bars;
  std::vector<ChartSegment> segments;
};

// At most kChartBars bars; a band whose edges are equal gets none.
PrivilegeChart BuildPrivilegeChart(const std::vector<BandPlanRow>& rows, std::string_view license_class);

}  // namespace ks::rig
