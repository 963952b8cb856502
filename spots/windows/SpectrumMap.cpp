// The spectrum map's window: its design, the fitting to the screen and the work area, and
// the frequency scales of its eleven band lines. The spot labels are in
// SpectrumMap_spots.cpp.
#include "spots/windows/SpectrumMap.h"

#include <algorithm>
#include <string>

#include "platform/forms/application.h"
#include "spots/band_scale.h"
#include "spots/spot_store.h"

namespace ks {

namespace {

constexpr float kStripPitch = 600;
constexpr forms::Color kStripColor = forms::Rgb(0, 0, 128);

void MapLabelLook(forms::Label& label, float width, float height) {
  label.SetFont(forms::Font{"MS Serif", 6.75f});
  label.SetForeColor(forms::colors::kWhite);
  label.TextAlign = forms::Alignment::Center;
  label.Transparent = true;
  label.Move(0, 0, width, height);
  label.SetVisible(false);
}

template <typename Scale>
void ForEachControl(SpectrumMap& map, const Scale& scale) {
  for (forms::Control* c : map.Controls()) {
    if (c->Kind() == forms::ControlKind::Line) {
      auto& line = static_cast<forms::Line&>(*c);
      scale.Line(line);
    } else if (c->Kind() == forms::ControlKind::Label) {
      scale.Label(static_cast<forms::Label&>(*c));
    }
  }
}

}  // namespace

SpectrumMap::SpectrumMap(forms::Application& app) : forms::Form(app, "SpectrumMap") { Design(); }

void SpectrumMap::Design() {
  SetCaption(" HF Spectrum Map");
  MinButton = false;
  MaxButton = false;
  SetClientSize(9480, 6795);
  for (int k = 0; k < kSpectrumBands; ++k) {
    forms::Label& strip = lblHFSpots.Design(k);
    strip.SetBackColor(kStripColor);
    strip.Border = true;
    strip.Move(120, 120 + kStripPitch * static_cast<float>(k), 9255, 495);
  }
  for (int k = 0; k < kSpectrumBands; ++k) {
    const float y = 360 + kStripPitch * static_cast<float>(k);
    lineHFs_.push_back(std::make_unique<forms::Line>(*this, "lineHF", 360, y, 9120, y, nullptr, k));
    lineHFs_.back()->BorderColor = forms::colors::kWhite;
  }
  for (int s = 0; s < kSpotSlots; ++s) {
    forms::Label& spot = lblDXSpot.Design(s);
    MapLabelLook(spot, 600, 180);
    spot.SetCaption("DXLBL");
    spot.MouseDown = [this, s](int button, int shift, float x, float y) { lblDXSpot_MouseDown(s, button, shift, x, y); };
  }
  for (int j = 0; j < kSpectrumBands * 5; ++j) MapLabelLook(lblFreqSpot.Design(j), 615, j == 0 || j == 2 || j == 3 ? 180 : 255);
}

void SpectrumMap::Form_Load() {
  const forms::Screen& screen = App().GetScreen();
  const float sx = screen.width / 9600;
  const float sy = screen.height / 7200;
  SetWidth(Width() * sx);
  SetHeight(Height() * sy);
  const float font_ratio = sx > 1.5f ? 1.5f : sx;
  struct DesignScale {
    float sx, sy, font;
    void Line(forms::Line& l) const { l.SetEnds(l.X1() * sx, l.Y1() * sy, l.X2() * sx, l.Y2() * sy); }
    void Label(forms::Label& l) const {
      l.Move(l.Left() * sx, l.Top() * sy, l.Width() * sx, l.Height() * sy);
      l.SetFontSize(l.FontSize() * font);
    }
  };
  ForEachControl(*this, DesignScale{sx, sy, font_ratio});
  lblDXSpot(kNewestSpotSlot).ZOrderTop();
  BuildFrequencyScales();
  for (auto& [index, label] : lblFreqSpot) label->SetVisible(true);
  FitToWorkArea();
  App().DoEvents();
}

void SpectrumMap::FitToWorkArea() {
  const float h0 = Height();
  const float w0 = Width();
  const forms::Screen& screen = App().GetScreen();
  Move(0, 0, screen.work_width, screen.work_height);
  if (h0 <= 0 || w0 <= 0) return;
  struct AreaScale {
    float rx, ry;
    void Line(forms::Line& l) const { l.SetEnds(l.X1() * rx, l.Y1() * ry, l.X2() * rx, l.Y2() * ry); }
    void Label(forms::Label& l) const { l.Move(l.Left() * rx, l.Top() * ry, l.Width() * rx, l.Height() * ry); }
  };
  ForEachControl(*this, AreaScale{Width() / w0, Height() / h0});
}

void SpectrumMap::BuildFrequencyScales() {
  const SpotStore& store = App().State<SpotStore>();
  for (int k = 0; k < kSpectrumBands; ++k) {
    BandEdges edges = SpectrumBandEdges(k);
    ZoomBandScale(store, edges.high, edges.low);
    const auto captions = ScaleCaptions(edges.low, edges.high);
    const forms::Line& line = lineHF(k);
    for (int i = 0; i < 5; ++i) {
      forms::Label& label = lblFreqSpot(5 * k + i);
      label.SetCaption(captions[i]);
      label.SetTop(line.Y1() + 0.004f * Height());
      label.SetLeft(line.X1() + (line.X2() - line.X1()) * static_cast<float>(i) * 0.25f - label.Width() / 2);
    }
  }
}

void SpectrumMap::Form_Activate() { BandMapLabelDisplay(); }

}  // namespace ks
