#include "mainwin/band_mode_rules.h"

#include "platform/vb/format.h"
#include "platform/vb/text.h"

namespace ks {
namespace {

struct BandRange {
  float lower;
  float upper;
};

// In the order of kBandCodes.
constexpr std::array<BandRange, 8> kBandRanges = {{
    {1.7999f, 2.0001f},
    {3.4999f, 4.0001f},
    {6.9999f, 7.3001f},
    {13.9999f, 14.3501f},
    {20.9999f, 21.4501f},
    {27.9999f, 29.7001f},
    {49.9999f, 54.0001f},
    {143.9999f, 148.0001f},
}};

template <std::size_t N>
int IndexOf(const std::array<const char*, N>& codes, std::string_view code) {
  for (std::size_t i = 0; i < N; ++i) {
    if (vb::EqualsNoCase(codes[i], code)) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace

int BandIndex(std::string_view band) { return IndexOf(kBandCodes, band); }
int ModeIndex(std::string_view mode) { return IndexOf(kModeCodes, mode); }

int BandIndexOfFrequency(float mhz) {
  for (std::size_t i = 0; i < kBandRanges.size(); ++i) {
    if (kBandRanges[i].lower < mhz && mhz < kBandRanges[i].upper) return static_cast<int>(i);
  }
  return -1;
}

std::string FrequencyText(float mhz) { return vb::Format(mhz, "#####.##0"); }

int NextBandIndex(std::string_view current_band) {
  const int i = BandIndex(current_band);
  return i < 0 ? -1 : (i + 1) % static_cast<int>(kBandCodes.size());
}

int NextModeIndex(std::string_view current_mode) {
  const int i = ModeIndex(current_mode);
  return i < 0 ? -1 : (i + 1) % static_cast<int>(kModeCodes.size());
}

int PolledModeIndex(std::string_view polled, std::string_view current_mode) {
  if (polled.empty() || vb::EqualsNoCase(polled, current_mode)) return -1;
  if (vb::EqualsNoCase(polled, "PH") || vb::EqualsNoCase(polled, "CW")) return ModeIndex(polled);
  return -1;
}

}  // namespace ks
