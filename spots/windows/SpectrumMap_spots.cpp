// The spots of the spectrum map: each stored spot as a caption standing on the line of its
// band, coloured by age; a right click tunes and enters the call, any other click removes it.
#include "mainwin/local_time.h"
#include "mainwin/windows/Infrm.h"
#include "mainwin/windows/Outfrm.h"
#include "platform/forms/application.h"
#include "rig/windows/RigControlfrm.h"
#include "spots/band_scale.h"
#include "spots/spot_store.h"
#include "spots/windows/SpectrumMap.h"
#include "station/station_settings.h"

namespace ks {

void SpectrumMap::BandMapLabelDisplay() {
  const forms::BusyPointer busy(*this);  // the arrow returns on every way out, the stop included
  for (auto& [index, label] : lblDXSpot) label->SetVisible(false);
  BuildFrequencyScales();
  const SpotStore& store = App().State<SpotStore>();
  const float utc_offset = App().State<StationSettings>().UTCOffset;
  const vb::DateTime now = LocalNow(App());
  for (int i = kNewestSpotSlot; i >= 0; --i) {
    forms::Label& label = lblDXSpot(i);
    const float f = store.SpotFreq[i];
    label.SetToolTipText(SpotToolTip(store.SpotCall[i], f, store.SpotTime[i], utc_offset));
    label.SetCaption(store.SpotLabel[i]);
    const int k = SpectrumBandOf(f);
    if (k >= 0) {
      const forms::Line& line = lineHF(k);
      const BandEdges span = EdgesFromCaptions(lblFreqSpot(5 * k).Caption(), lblFreqSpot(5 * k + 4).Caption());
      label.SetTop(line.Y1() - label.Height());
      label.SetLeft(SpotLabelLeft(f, span, line.X1(), line.X2(), label.Width()));
    }
    const auto colour = SpotAgeColor(SpotAgeSeconds(store.SpotTime[i], now));
    if (!colour) return;  // an hour old: this spot and every older one stay hidden
    label.SetForeColor(*colour);
    if (k >= 0) label.SetVisible(true);
  }
}

void SpectrumMap::lblDXSpot_MouseDown(int Index, int Button, int Shift, float X, float Y) {
  (void)Shift;
  (void)X;
  (void)Y;
  if (Index < 0 || Index >= kSpotSlots) return;
  SpotStore& store = App().State<SpotStore>();
  if (Button != forms::kRightButton) {
    store.SpotFreq[Index] = 0;
    BandMapLabelDisplay();
    return;
  }
  float copy = store.SpotFreq[Index];
  App().Get<RigControlfrm>().ChangeFrequency(copy);
  MainWindow& main = App().State<StationSettings>().OutOfState != 0 ? static_cast<MainWindow&>(App().Get<Outfrm>())
                                                                    : static_cast<MainWindow&>(App().Get<Infrm>());
  main.txtCall.SetText(store.SpotCall[Index]);
  Hide();
  if (main.txtCall.Usable()) main.txtCall.SetFocus();
}

}  // namespace ks
