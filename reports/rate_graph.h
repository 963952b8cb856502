#pragma once
// The QSO-rate graph worked out from the log: the rate of each of 1500 steps of the time
// axis (contacts in the last ten minutes times six), gap-filled and smoothed, the band colour
// of each step, and the texts of the axis labels. Pure data; the window draws it.
#include <array>
#include <string>
#include <vector>

#include "logstore/log_store.h"
#include "platform/forms/types.h"

namespace ks {

inline constexpr int kRateSteps = 1500;
inline constexpr int kRateSlots = 1601;      // slots 0 to 1600
inline constexpr long kRateGraphMinimumQsos = 7;

// The six bands the legend names, in legend order; every other band is "Other".
inline constexpr std::array<const char*, 6> kRateGraphBands = {"160", "80", "40", "20", "15", "10"};

struct RateGraph {
  // False when nothing is to be drawn: a log spanning no time, or a curve with no height.
  bool drawable = false;
  std::vector<float> StepRate = std::vector<float>(kRateSlots, 0.0f);
  std::vector<float> StepRateShown = std::vector<float>(kRateSlots, 0.0f);
  std::vector<forms::Color> StepColor = std::vector<forms::Color>(kRateSlots, 0);
  float RateMin = 100000;
  float RateMax = -1;
  std::array<std::string, 15> time_labels;  // "hh:mm"; empty when not worked out
  std::array<std::string, 15> date_labels;  // "MM/DD"
  std::array<std::string, 17> rate_labels;  // "###0.0", index 0 at the time axis
};

// Works the graph out from records 1 to count. `band_colors` holds the colours of the six
// legend bands and, last, of "Other". Records whose date and time do not read, or whose
// time lies before the first record's or so far after the last one's that its step falls
// outside the slots, are left out.
RateGraph ComputeRateGraph(const std::vector<LogRecord>& records, long count,
                           const std::array<forms::Color, 7>& band_colors, forms::Color background);

}  // namespace ks
