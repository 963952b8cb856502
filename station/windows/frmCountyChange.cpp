#include "station/windows/frmCountyChange.h"

#include "logstore/county_table.h"
#include "platform/forms/application.h"
#include "platform/vb/constants.h"
#include "station/station_settings.h"
#include "station/windows/county_windows_common.h"
#include "station/windows/frmCountyChangeRover.h"

namespace ks {

frmCountyChange::frmCountyChange(forms::Application& app) : forms::Form(app, "frmCountyChange") {
  Design();
  Command1.Click = [this] { Command1_Click(); };
  cmdMultipleCounties.Click = [this] { cmdMultipleCounties_Click(); };
  Text1.GotFocus = [this] { Text1_GotFocus(); };
  Text1.KeyPress = [this](int& k) { Text1_KeyPress(k); };
  Text1.LostFocus = [this] { Text1_LostFocus(); };
}

// From top to bottom: the prompt, the box with its marker, the rover button, Done.
void frmCountyChange::Design() {
  SetCaption("County Change");
  Move(0, 0, 5400, 2880);
  Label1.SetCaption("Please enter your current county:");
  Label1.Move(240, 240, 4800, 285);
  Text1.Move(240, 600, 2895, 375);
  Text1.SetFontSize(9.75f);
  DesignInvalidMarker(Label2);
  Label2.Move(3240, 645, 1215, 285);
  cmdMultipleCounties.SetCaption("&Rovers on County Lines Click to Add Multiple Counties");
  cmdMultipleCounties.Move(240, 1140, 4800, 435);
  Command1.SetCaption("Done");
  Command1.Move(1972, 1800, 1335, 435);
}

void frmCountyChange::Form_Load() {
  FitByNewWidth(*this, forms::FitRule::FontRatio::WidthCapped);
  Text1.SetText(App().State<StationSettings>().OwnCounty);
}

void frmCountyChange::Text1_GotFocus() { SelectToEnd(Text1); }

void frmCountyChange::Text1_KeyPress(int& KeyAscii) {
  if (KeyAscii == vb::vbKeyReturn) {
    KeyAscii = 0;
    Command1_Click();
    return;
  }
  CountyTypeAhead(Text1, App().State<CountyTable>(), KeyAscii);
}

void frmCountyChange::Text1_LostFocus() {
  if (IsLoaded() && Visible()) CheckCountyBox(Text1, Label2);
}

void frmCountyChange::Command1_Click() {
  ExpandCountyCodeInBox(Text1, App().State<CountyTable>());
  App().State<StationSettings>().OwnCounty = Text1.Text();
  WritePrefFile(App());
  Hide();
}

void frmCountyChange::cmdMultipleCounties_Click() {
  App().Get<frmCountyChangeRover>().ShowModal();
  if (IsLoaded()) Command1_Click();
}

}  // namespace ks
