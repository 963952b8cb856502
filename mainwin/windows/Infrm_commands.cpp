// The menu items that only the in-state window offers: the multiplier colours and, for a
// rover, the own county. Both store the settings after their window closes, also when the
// operator chose nothing.
#include "mainwin/tool_windows.h"
#include "mainwin/windows/Infrm.h"
#include "station/station_settings.h"
#include "station/windows/Form6.h"
#include "station/windows/frmCountyChange.h"

namespace ks {

void Infrm::WireInStateMenus() {
  mnuColors->Click = [this] { mnuColors_Click(); };
  mnuChangeCounty->Click = [this] { mnuChangeCounty_Click(); };
}

// The multiplier displays are redrawn with the chosen colours.
void Infrm::mnuColors_Click() {
  ShowModalThenUnload<Form6>(App());
  WritePrefFile(App());
  ReloadLog();
}

void Infrm::mnuChangeCounty_Click() {
  ShowModalThenUnload<frmCountyChange>(App());
  WritePrefFile(App());
  Label25.SetCaption(App().State<StationSettings>().OwnCounty);
}

}  // namespace ks
