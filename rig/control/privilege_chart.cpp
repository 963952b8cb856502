#include "rig/control/privilege_chart.h"

namespace ks::rig {
namespace {

bool ClassFollows(const std::vector<BandPlanRow>& rows, size_t whole_band, std::string_view license_class) {
  for (size_t j = whole_band + 1; j < rows.size() && rows[j].band == rows[whole_band].band; ++j) {
    if (rows[j].license_class == license_class) return true;
  }
  return false;
}

}  // namespace

PrivilegeChart BuildPrivilegeChart(const std::vector<BandPlanRow>& rows, std::string_view license_class) {
  PrivilegeChart chart;
  for (size_t i = 0; i < rows.size() && chart.bars.size() < kChartBars; ++i) {
    if (rows[i].license_class != "O" || !ClassFollows(rows, i, license_class)) continue;
    ChartBar bar{rows[i].band, 0, 0, rows[i].low, rows[i].high};
    for (const auto& row : rows) {
      if (row.band == bar.band) {
        bar.low = row.low;
        bar.high = row.high;
        break;
      }
    }
    if (!(bar.high != bar.low)) continue;  // no range to place segments in
    chart.bars.push_back(bar);
  }
  for (const auto& row : rows) {
    if (row.license_class != license_class) continue;
    for (size_t k = 0; k < chart.bars.size(); ++k) {
      const auto& bar = chart.bars[k];
      if (bar.band != row.band) continue;
      const float span = bar.high - bar.low;
      chart.segments.push_back({k, row.low, row.high, row.mode == "CW", (row.low - bar.low) / span,
                                (row.high - row.low) / span});
    }
  }
  return chart;
}

}  // namespace ks::rig
