// The band map of the main window: the stored spots of the current band as short captions
// above the frequency axis, newest first, coloured by age.
#include "mainwin/local_time.h"
#include "mainwin/main_window.h"
#include "platform/forms/application.h"
#include "rig/windows/RigControlfrm.h"
#include "spots/band_scale.h"
#include "spots/spot_store.h"
#include "station/station_settings.h"

namespace ks {

namespace {
constexpr int kScaleLabels = 5;
constexpr float kAboveAxis = 0.004f;  // of the window's height
}  // namespace

void MainWindow::SetBandMapScale() {
  BandEdges edges = MainBandEdges(App().State<StationSettings>().CurrentBand);
  ZoomBandScale(App().State<SpotStore>(), edges.high, edges.low);
  const auto captions = ScaleCaptions(edges.low, edges.high);
  for (int i = 0; i < kScaleLabels; ++i) lblFreqSpot(i).SetCaption(captions[i]);
}

void MainWindow::DisplayBandMapLabels() {
  if (!lblDX.Visible()) return;
  for (auto& [index, label] : lblDXSpot) label->SetVisible(false);
  SetBandMapScale();
  const BandEdges span = EdgesFromCaptions(lblFreqSpot(0).Caption(), lblFreqSpot(kScaleLabels - 1).Caption());
  const SpotStore& store = App().State<SpotStore>();
  const float utc_offset = App().State<StationSettings>().UTCOffset;
  const vb::DateTime now = LocalNow(App());
  for (int i = kNewestSpotSlot; i >= 0; --i) {
    const float f = store.SpotFreq[i];
    if (!(span.low < f && f < span.high)) continue;
    forms::Label& label = lblDXSpot(i);
    label.SetToolTipText(SpotToolTip(store.SpotCall[i], f, store.SpotTime[i], utc_offset));
    label.SetCaption(store.SpotLabel[i]);
    label.SetTop(LineDX.Y1() - label.Height() - kAboveAxis * Height());
    label.SetLeft(SpotLabelLeft(f, span, LineDX.X1(), LineDX.X2(), label.Width()));
    const auto colour = SpotAgeColor(SpotAgeSeconds(store.SpotTime[i], now));
    if (!colour) return;  // an hour old: this spot and every older one stay hidden
    label.SetForeColor(*colour);
    label.SetVisible(true);
  }
}

void MainWindow::RedrawBandMap() {
  if (lblDX.Visible()) DisplayBandMapLabels();
}

void MainWindow::lblDXSpot_MouseDown(int Index, int Button) {
  SpotStore& store = App().State<SpotStore>();
  if (Index < 0 || Index >= kSpotSlots) return;
  if (Button == forms::kRightButton) {
    float copy = store.SpotFreq[Index];
    App().Get<RigControlfrm>().ChangeFrequency(copy);
    if (txtCall.Usable()) txtCall.SetFocus();
    txtCall.SetText(store.SpotCall[Index]);
    App().SendTab();
    return;
  }
  store.SpotFreq[Index] = 0;
  DisplayBandMapLabels();
}

void MainWindow::lblDXSpot_MouseMove(int Index) { lblDupe.SetCaption(lblDXSpot(Index).ToolTipText()); }

}  // namespace ks
