#include "spots/band_scale.h"

#include <cmath>

#include "platform/vb/format.h"
#include "platform/vb/parse.h"
#include "platform/vb/rounding.h"
#include "platform/vb/text.h"

namespace ks {

namespace {

struct NamedBand {
  const char* code;
  float low;
  float high;
};

constexpr NamedBand kMainBands[] = {
    {"160", 1.8f, 2.0f}, {"80", 3.5f, 4.0f},    {"40", 7.0f, 7.3f},     {"20", 14.0f, 14.35f},
    {"15", 21.0f, 21.45f}, {"10", 28.0f, 29.7f}, {"6", 50.0f, 54.0f},   {"2", 144.0f, 148.0f},
    {"1.25", 219.0f, 225.0f}, {"440", 420.0f, 450.0f},
};

constexpr BandEdges kSpectrumBandsTable[kSpectrumBands] = {
    {1.8f, 2.0f},    {3.5f, 4.0f},     {7.0f, 7.3f},   {10.1f, 10.15f}, {14.0f, 14.35f}, {18.068f, 18.168f},
    {21.0f, 21.45f}, {24.89f, 24.99f}, {28.0f, 29.7f}, {50.0f, 54.0f},  {144.0f, 148.0f},
};

}  // namespace

BandEdges MainBandEdges(std::string_view band_code) {
  for (const auto& band : kMainBands) {
    if (vb::EqualsNoCase(band.code, band_code)) return {band.low, band.high};
  }
  return {};
}

BandEdges SpectrumBandEdges(int band) {
  if (band < 0 || band >= kSpectrumBands) return {};
  return kSpectrumBandsTable[band];
}

int SpectrumBandOf(float mhz) {
  for (int k = 0; k < kSpectrumBands; ++k) {
    if (kSpectrumBandsTable[k].low < mhz && mhz < kSpectrumBandsTable[k].high) return k;
  }
  return -1;
}

void ZoomBandScale(const SpotStore& store, float& high, float& low) {
  float smallest = high;
  float largest = low;
  for (int s = 1; s < kSpotSlots; ++s) {
    const float f = store.SpotFreq[s];
    if (low < f && f < high) {
      if (f < smallest) smallest = f;
      if (f > largest) largest = f;
    }
  }
  if (largest > smallest) {
    high = static_cast<float>(static_cast<double>(largest) + 0.001);
    low = static_cast<float>(static_cast<double>(smallest) - 0.001);
  }
}

std::array<std::string, 5> ScaleCaptions(float low, float high) {
  std::array<std::string, 5> captions;
  const float span = high - low;
  for (int i = 0; i < 5; ++i) {
    const double v = static_cast<double>(span) * 0.25 * i + static_cast<double>(low);
    captions[i] = vb::Format(vb::RoundHalfEven(v, 3), "#.000");
  }
  return captions;
}

BandEdges EdgesFromCaptions(std::string_view low_caption, std::string_view high_caption) {
  return {static_cast<float>(vb::Val(low_caption)), static_cast<float>(vb::Val(high_caption))};
}

float SpotLabelLeft(float mhz, BandEdges span, float x1, float x2, float label_width) {
  const float width = span.high - span.low;
  if (width == 0) return x1 - label_width / 2;
  return (mhz - span.low) / width * (x2 - x1) - label_width / 2 + x1;
}

std::optional<forms::Color> SpotAgeColor(long long age_seconds) {
  if (age_seconds < 600) return kFreshSpotColor;
  if (age_seconds < 1800) return kRecentSpotColor;
  if (age_seconds < 3600) return kOldSpotColor;
  return std::nullopt;
}

long long SpotAgeSeconds(const vb::DateTime& arrived, const vb::DateTime& now) {
  return vb::DateDiffSeconds(arrived, now);
}

std::string SpotToolTip(const std::string& call, float mhz, const vb::DateTime& arrived, float utc_offset_hours) {
  const auto utc = vb::AddHoursToTheMinute(arrived, utc_offset_hours);
  const std::string time = utc ? vb::Format(*utc, "hh:mm:ss") : "";
  return call + "  " + vb::Format(mhz, "#.000") + "  " + time;
}

}  // namespace ks
