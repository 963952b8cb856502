// The main window's DX area: spots handed over by the spotting window go into the spot store
// and the spot list; clicks on the list and on the band-map panel. The band map itself is in
// main_window_dx_area_map.cpp, the layout of the strip in main_window_dx_area_layout.cpp.
#include "logstore/prefix_table.h"
#include "mainwin/local_time.h"
#include "mainwin/main_window.h"
#include "mainwin/tool_windows.h"
#include "platform/forms/application.h"
#include "platform/vb/parse.h"
#include "platform/vb/text.h"
#include "rig/windows/RigControlfrm.h"
#include "spots/spot_country.h"
#include "spots/spot_line.h"
#include "spots/spot_store.h"
#include "spots/windows/PacketSpotfrm.h"
#include "spots/windows/SpectrumMap.h"
#include "station/station_settings.h"

namespace ks {

namespace {
constexpr int kSpotListRows = 200;
}  // namespace

void MainWindow::WireDXArea() {
  txtDX.Click = [this] { txtDX_Click(); };
  txtDX.DblClick = [this] { txtDX_DblClick(); };
  lblDX.Click = [this] { lblDX_Click(); };
  lblDX.DblClick = [this] { lblDX_DblClick(); };
  for (auto& [index, label] : lblDXSpot) {
    // The spot captions stand on the dark panel in their age colours.
    label->Transparent = true;
    label->TextAlign = forms::Alignment::Center;
    const int i = index;
    label->MouseDown = [this, i](int button, int, float, float) { lblDXSpot_MouseDown(i, button); };
    label->MouseMove = [this, i](int, int, float, float) { lblDXSpot_MouseMove(i); };
  }
}

void MainWindow::BandMapSpots(std::string& qDXSpotCall, std::string& qDXSpotFreq, std::string& qDXSpotRecord) {
  const auto khz = vb::CDbl(qDXSpotFreq);
  if (!khz) return;
  const std::string record(RecordBeforeReturn(qDXSpotRecord));
  const double mhz = *khz / 1000;
  App().State<SpotStore>().Add(qDXSpotCall, static_cast<float>(mhz), LocalNow(App()));
  if (lblDX.Visible()) DisplayBandMapLabels();
  if (SpectrumMap* map = App().IfLoaded<SpectrumMap>(); map != nullptr && map->Visible()) map->BandMapLabelDisplay();

  if (txtDX.ItemCount() >= kSpotListRows) txtDX.RemoveItem(kSpotListRows);
  std::string& lookup_call = App().State<SpotLookupState>().LookupCall;
  const std::string country = LookupSpotCountry(App().State<PrefixTable>(), qDXSpotCall, lookup_call);
  const SpotListCells cells = CutSpotListCells(record);
  const int row = txtDX.AddItem(qDXSpotCall, 1);
  txtDX.UpdateItem(row, [&](forms::ListItem& item) {
    item.SetSubItem(1, SpotFrequencyText(mhz));
    item.SetSubItem(2, country);
    item.SetSubItem(3, "");
    item.SetSubItem(4, cells.comments);
    item.SetSubItem(5, cells.prefix);
    item.SetSubItem(6, cells.time);
    item.SetSubItem(7, cells.from);
  });
}

void MainWindow::txtDX_Click() {
  if (txtCall.Usable()) txtCall.SetFocus();
  const int row = txtDX.SelectedIndex();
  if (txtDX.ItemCount() < 1 || row < 1) return;
  const auto mhz = vb::CSng(txtDX.Item(row).SubItem(1));
  if (!mhz) return;
  if (!vb::EqualsNoCase(App().State<StationSettings>().RigName, "None")) {
    float copy = *mhz;
    App().Get<RigControlfrm>().ChangeFrequency(copy);
  }
  if (txtCall.Usable()) txtCall.SetFocus();
  txtCall.SetText(txtDX.Item(row).text);
}

void MainWindow::txtDX_DblClick() { ShowModalThenUnload<SpectrumMap>(App()); }

void MainWindow::lblDX_Click() { ShowModeless<PacketSpotfrm>(App()); }

void MainWindow::lblDX_DblClick() { ShowModalThenUnload<SpectrumMap>(App()); }

}  // namespace ks
