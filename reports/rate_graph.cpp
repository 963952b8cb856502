#include "reports/rate_graph.h"

#include <cmath>
#include <optional>

#include "platform/vb/datetime.h"
#include "platform/vb/format.h"
#include "platform/vb/rounding.h"

namespace ks {
namespace {

constexpr long long kRateWindowSeconds = 600;
constexpr int kGapSearch = 15;
constexpr int kSmoothing = 7;

std::optional<vb::DateTime> ContactTime(const LogRecord& r) { return vb::CDate(r.LogDate + " " + r.LogTime); }

forms::Color BandColor(const std::string& band, const std::array<forms::Color, 7>& colors) {
  for (std::size_t b = 0; b < kRateGraphBands.size(); ++b)
    if (band == kRateGraphBands[b]) return colors[b];
  return colors[6];
}

void WriteTimeLabels(RateGraph& g, const vb::DateTime& first, long long span) {
  for (int k = 0; k < 15; ++k) {
    const auto offset = static_cast<long long>(vb::RoundHalfEven(static_cast<double>(k) * static_cast<double>(span) / 14));
    const std::optional<vb::DateTime> at = vb::AddSeconds(first, offset);
    if (!at) continue;
    g.time_labels[static_cast<std::size_t>(k)] = vb::Format(*at, "hh:nn");
    g.date_labels[static_cast<std::size_t>(k)] = vb::Format(*at, "mm/dd");
  }
}

// Raw rates: each contact's slot takes six times the contacts of the ten minutes up to it.
void PlaceContacts(RateGraph& g, const std::vector<std::optional<vb::DateTime>>& times, const std::vector<LogRecord>& records,
                   long count, double seconds_per_step, const std::array<forms::Color, 7>& colors) {
  const vb::DateTime& first = *times[1];
  for (long i = 1; i <= count; ++i) {
    const auto& ti = times[static_cast<std::size_t>(i)];
    if (!ti) continue;
    int in_window = 0;
    for (long j = i; j >= 1; --j) {
      const auto& tj = times[static_cast<std::size_t>(j)];
      if (!tj) continue;
      if (vb::DateDiffSeconds(*tj, *ti) >= kRateWindowSeconds) break;
      ++in_window;
    }
    const double position =
        i == 1 ? 1.0 : static_cast<double>(vb::DateDiffSeconds(first, *ti)) / seconds_per_step;
    const double slot = vb::RoundHalfEven(position);
    if (!(slot >= 0 && slot < kRateSlots)) continue;  // out of time order: no place on the axis
    const auto k = static_cast<std::size_t>(slot);
    g.StepRate[k] = static_cast<float>(6 * in_window);
    g.StepColor[k] = BandColor(records[static_cast<std::size_t>(i)].LogBand, colors);
  }
}

// A gap of up to 15 empty steps before a rate ramps from the step before it to that rate.
void FillGaps(RateGraph& g) {
  for (int i = 2; i <= kRateSteps; ++i) {
    if (g.StepRate[i] != 0) {
      g.StepRateShown[i] = g.StepRate[i];
      continue;
    }
    int n = 0;
    for (int m = i + 1; m <= i + kGapSearch; ++m)
      if (g.StepRate[m] > 0) {
        n = m;
        break;
      }
    if (n == 0) continue;
    const float from = g.StepRate[i - 1], to = g.StepRate[n];
    for (int m = i; m < n; ++m) {
      const float value = from + static_cast<float>(m - i) * (to - from) / static_cast<float>(n - i);
      g.StepRate[m] = value;
      g.StepRateShown[m] = value;
    }
  }
}

void Smooth(RateGraph& g) {
  for (int i = kSmoothing; i <= kRateSteps; ++i) {
    float sum = 0;
    int positive = 0;
    for (int m = i - kSmoothing + 1; m <= i; ++m)
      if (g.StepRate[m] > 0) {
        sum += g.StepRate[m];
        ++positive;
      }
    if (positive > 0) g.StepRateShown[i] = sum / static_cast<float>(positive);
  }
}

// A step with a rate takes the colour carried from the step before when it has none of its
// own (the background); a step without a rate breaks the carry.
void CarryColors(RateGraph& g, forms::Color background) {
  forms::Color carried = forms::colors::kBlack;
  for (int i = 1; i <= kRateSteps; ++i) {
    if (g.StepRateShown[i] > 0) {
      if (g.StepColor[i] == background) {
        g.StepColor[i] = carried;
      } else {
        carried = g.StepColor[i];
      }
    } else {
      carried = background;
    }
  }
}

}  // namespace

RateGraph ComputeRateGraph(const std::vector<LogRecord>& records, long count,
                           const std::array<forms::Color, 7>& band_colors, forms::Color background) {
  RateGraph g;
  count = std::min<long>(count, static_cast<long>(records.size()) - 1);
  std::fill(g.StepColor.begin() + 1, g.StepColor.begin() + 1511, background);
  if (count < 1) return g;
  std::vector<std::optional<vb::DateTime>> times(static_cast<std::size_t>(count) + 1);
  for (long i = 1; i <= count; ++i) times[static_cast<std::size_t>(i)] = ContactTime(records[static_cast<std::size_t>(i)]);
  const auto& first = times[1];
  const auto& last = times[static_cast<std::size_t>(count)];
  if (!first || !last) return g;
  const long long span = vb::DateDiffSeconds(*first, *last);
  WriteTimeLabels(g, *first, span);
  if (span <= 0) return g;  // no time to spread the contacts over
  const double seconds_per_step = static_cast<double>(span) / kRateSteps;
  g.StepRate[1] = 6;
  g.StepRateShown[1] = 6;
  PlaceContacts(g, times, records, count, seconds_per_step, band_colors);
  FillGaps(g);
  Smooth(g);
  for (int i = 1; i <= kRateSteps; ++i) {
    g.RateMin = std::min(g.RateMin, g.StepRateShown[i]);
    g.RateMax = std::max(g.RateMax, g.StepRateShown[i]);
  }
  CarryColors(g, background);
  for (int k = 0; k <= 16; ++k)
    g.rate_labels[static_cast<std::size_t>(k)] =
        vb::Format(g.RateMin + static_cast<float>(k) * (g.RateMax - g.RateMin) / 16.0f, "###0.0");
  g.drawable = g.RateMax > g.RateMin;
  return g;
}

}  // namespace ks
