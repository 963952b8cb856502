#pragma once
// Frequency scales of the two band maps: the band tables, the zoom to the stored spots, the
// five scale captions of a band, where a spot stands on an axis, the age colours and the
// tool tip of a spot. No window is needed for any of it.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "platform/forms/types.h"
#include "platform/vb/datetime.h"
#include "spots/spot_store.h"

namespace ks {

struct BandEdges {
  float low = 0;
  float high = 0;
};

// The main window's band map: the edges of a band code ("160" ... "2", "1.25", "440");
// a code not in the table gives 0 and 0.
BandEdges MainBandEdges(std::string_view band_code);

// The spectrum map's eleven lines, 160 m to 2 m.
inline constexpr int kSpectrumBands = 11;
BandEdges SpectrumBandEdges(int band);
// The line whose design range holds the frequency strictly inside; -1 for none.
int SpectrumBandOf(float mhz);

// Fits the edges to the stored spots strictly inside them (slots 1 to 49): with at least two
// different frequencies the span runs 1 kHz past the lowest and the highest; otherwise the
// edges stay.
void ZoomBandScale(const SpotStore& store, float& high, float& low);

// The captions of the five scale labels at the quarter points, "#.000" to the nearest
// 0.001 (halfway to the even digit).
std::array<std::string, 5> ScaleCaptions(float low, float high);

// The captions of a band's current span as band maps read them back.
BandEdges EdgesFromCaptions(std::string_view low_caption, std::string_view high_caption);

// The left edge of a label of `label_width` centred over `mhz` on an axis from x1 to x2
// spanning lo to hi.
float SpotLabelLeft(float mhz, BandEdges span, float x1, float x2, float label_width);

// The text colour of a spot of this age in whole seconds; nothing from an hour on (the spot
// is not shown and the redraw ends there).
std::optional<forms::Color> SpotAgeColor(long long age_seconds);
inline constexpr forms::Color kFreshSpotColor = 0x80FFFF;
inline constexpr forms::Color kRecentSpotColor = 0xFFFFFF;
inline constexpr forms::Color kOldSpotColor = 0xC0C0C0;

// Whole seconds from the arrival to now.
long long SpotAgeSeconds(const vb::DateTime& arrived, const vb::DateTime& now);

// "call  14.025  19:02:03": the call, the frequency and the arrival time in UTC.
std::string SpotToolTip(const std::string& call, float mhz, const vb::DateTime& arrived, float utc_offset_hours);

}  // namespace ks
