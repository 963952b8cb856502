// The DX strip along the bottom of the main window: opened, switched between the spot list
// and the band map, and closed again by the spotting window's Done.
#include <algorithm>

#include "mainwin/main_window.h"
#include "mainwin/windows/Form1.h"
#include "platform/forms/application.h"
#include "platform/vb/text.h"
#include "spots/windows/PacketSpotfrm.h"

namespace ks {

namespace {

constexpr float kSqueeze = 0.9f;
constexpr float kRestore = 1.1111111f;
constexpr float kParkedTop = 1000;

bool Squeezable(forms::ControlKind kind) {
  using forms::ControlKind;
  return kind == ControlKind::Label || kind == ControlKind::TextBox || kind == ControlKind::CommandButton ||
         kind == ControlKind::ListBox || kind == ControlKind::ListView;
}

// Scales the heights and tops of the window's controls (and the ends of its lines); returns
// the lowest bottom edge among them.
float ScaleVertically(const std::vector<forms::Control*>& controls, float factor) {
  float lowest = 0;
  for (forms::Control* c : controls) {
    if (Squeezable(c->Kind())) {
      c->SetHeight(c->Height() * factor);
      c->SetTop(c->Top() * factor);
      lowest = std::max(lowest, c->Top() + c->Height());
    } else if (c->Kind() == forms::ControlKind::Line) {
      auto& line = static_cast<forms::Line&>(*c);
      line.SetEnds(line.X1(), line.Y1() * factor, line.X2(), line.Y2() * factor);
    }
  }
  return lowest;
}

}  // namespace

void MainWindow::PacketResize() {
  // Only the spotting window's Done lays the strip out, by that window's choices.
  PacketSpotfrm* spotting = App().IfLoaded<PacketSpotfrm>();
  if (spotting == nullptr) return;
  PacketSpotfrm& spots = *spotting;
  forms::Label& shown_flag = App().Get<Form1>().lblDX;
  const bool list_wanted = spots.OptList.Value();
  const bool no_source = vb::EqualsNoCase(spots.List1.Text(), "None");
  const auto show_band_map = [&](bool on) {
    lblDX.SetVisible(on);
    shown_flag.SetVisible(on);
    LineDX.SetVisible(on);
    for (auto& [index, label] : lblFreqSpot) label->SetVisible(on);
  };

  // Switch between the two views of an open strip.
  if (txtDX.Visible() && !list_wanted) {
    txtDX.SetVisible(false);
    show_band_map(true);
    for (auto& [index, label] : lblDXSpot) label->SetVisible(true);
  } else if (list_wanted && lblDX.Visible()) {
    txtDX.SetVisible(true);
    show_band_map(false);
    for (auto& [index, label] : lblDXSpot) label->SetVisible(false);
  }

  // Open: the rest of the window makes room at the bottom.
  if (!no_source && !txtDX.Visible() && !lblDX.Visible()) {
    const float top = ScaleVertically(Controls(), kSqueeze);
    FitCountyListHeights();
    txtDX.Move(0.01f * Width(), top, 0.97f * Width(), ScaleHeight() - top);
    lblDX.Move(txtDX.Left(), txtDX.Top(), txtDX.Width(), txtDX.Height());
    const float w = lblDXSpot(0).Width();
    const float axis_y = lblDX.Top() + lblDX.Height() / 2;
    LineDX.SetEnds(lblDX.Left() + w / 2, axis_y, lblDX.Left() + lblDX.Width() - w / 2, axis_y);
    for (auto& [index, label] : lblFreqSpot) label->SetTop(LineDX.Y1() + 0.004f * Height());
    SetBandMapScale();
    for (auto& [index, label] : lblFreqSpot) {
      label->SetLeft(LineDX.X1() + static_cast<float>(index) * 0.25f * (LineDX.X2() - LineDX.X1()) -
                     label->Width() / 2);
    }
    for (auto& [index, label] : lblDXSpot) label->SetVisible(false);
    txtDX.SetVisible(list_wanted);
    show_band_map(!list_wanted);
  }

  // Close: everything goes back where it was.
  if (no_source && (txtDX.Visible() || lblDX.Visible())) {
    ScaleVertically(Controls(), kRestore);
    FitCountyListHeights();
    txtDX.SetVisible(false);
    txtDX.SetTop(kParkedTop);
    show_band_map(false);
    lblDX.SetTop(kParkedTop);
    LineDX.SetEnds(LineDX.X1(), kParkedTop, LineDX.X2(), kParkedTop);
    for (auto& [index, label] : lblDXSpot) {
      label->SetVisible(false);
      label->SetTop(kParkedTop);
    }
    for (auto& [index, label] : lblFreqSpot) label->SetTop(kParkedTop);
  }
}

}  // namespace ks
