#include "station/windows/frmCountyChangeRover.h"

#include <algorithm>

#include "logstore/county_table.h"
#include "platform/forms/application.h"
#include "platform/vb/constants.h"
#include "platform/vb/text.h"
#include "station/station_settings.h"
#include "station/windows/county_windows_common.h"
#include "station/windows/frmCountyChange.h"

namespace ks {

frmCountyChangeRover::frmCountyChangeRover(forms::Application& app) : forms::Form(app, "frmCountyChangeRover") {
  Design();
  Command1.Click = [this] { Command1_Click(); };
  Check1.Click = [this] { Check1_Click(); };
  List1.Click = [this] { List1_Click(); };
  List1.GotFocus = [this] { List1_GotFocus(); };
  List1.KeyDown = [this](int& k, int shift) { List1_KeyDown(k, shift); };
  List1.KeyPress = [this](int& k) { List1_KeyPress(k); };
  Text1.GotFocus = [this] { Text1_GotFocus(); };
  Text1.KeyPress = [this](int& k) { Text1_KeyPress(k); };
}

// From top to bottom: the prompt, the list, the box with its marker, the hint, the tick box,
// Done.
void frmCountyChangeRover::Design() {
  SetCaption("County Change for Rovers");
  Move(0, 0, 4800, 5160);
  Label1.SetCaption("Please enter your current counties.  Click on listed counties to remove.");
  Label1.WordWrap = true;
  Label1.Move(240, 120, 4200, 450);
  List1.Sorted = true;
  // A click removes the county clicked; the keys only choose one, for Delete or Enter.
  List1.ClickOnKeyboardSelect = false;
  List1.Move(240, 660, 4200, 1965);
  Text1.Move(240, 2760, 2775, 375);
  Text1.SetFontSize(9.75f);
  DesignInvalidMarker(Label2);
  Label2.Move(3120, 2805, 1215, 285);
  Label3.SetCaption("Type the county and the press enter to add to the list.");
  Label3.Move(240, 3210, 4200, 285);
  Check1.SetCaption("Increment serial # sent for each");
  Check1.Move(240, 3570, 4200, 315);
  Command1.SetCaption("&Done");
  Command1.Move(1672, 4080, 1335, 435);
}

void frmCountyChangeRover::Form_Load() {
  FitByNewWidth(*this, forms::FitRule::FontRatio::WidthCapped);
  Text1.SetText(App().State<StationSettings>().OwnCounty);
}

void frmCountyChangeRover::Text1_GotFocus() { SelectToEnd(Text1); }

void frmCountyChangeRover::Text1_KeyPress(int& KeyAscii) {
  if (KeyAscii == vb::vbKeyReturn) {
    KeyAscii = 0;
    ValidateRoverCounty();
    if (!Label2.Visible()) AddRoverCounty();
    return;
  }
  CountyTypeAhead(Text1, App().State<CountyTable>(), KeyAscii);
}

// A county already in the line would only enter every contact from it twice over.
void frmCountyChangeRover::ValidateRoverCounty() {
  CheckCountyBox(Text1, Label2, [this](const std::string& county) { return IsListed(county); });
}

bool frmCountyChangeRover::IsListed(const std::string& county) const {
  for (const std::string& listed : List1.Items())
    if (vb::EqualsNoCase(listed, county)) return true;
  return false;
}

void frmCountyChangeRover::AddRoverCounty() {
  List1.AddItem(Text1.Text());
  Text1.SetText("");
}

void frmCountyChangeRover::List1_Click() { RemoveSelectedCounty(); }

// The focus arriving by the keyboard chooses the first county, where the list shows it.
void frmCountyChangeRover::List1_GotFocus() {
  if (List1.ListIndex() < 0) List1.SelectByKey(0);
}

// Delete removes the chosen county and the keyboard goes on in the list: the county after it
// (or the last) is chosen, for the arrows or a further Delete.
void frmCountyChangeRover::List1_KeyDown(int& KeyCode, int) {
  if (KeyCode != vb::vbKeyDelete) return;
  KeyCode = 0;
  const int chosen = List1.ListIndex();
  if (chosen < 0) return;
  List1.RemoveItem(chosen);
  if (List1.ListCount() > 0) List1.SelectByKey(std::min(chosen, List1.ListCount() - 1));
}

void frmCountyChangeRover::List1_KeyPress(int& KeyAscii) {
  if (KeyAscii != vb::vbKeyReturn) return;
  KeyAscii = 0;
  if (List1.ListIndex() >= 0) RemoveSelectedCounty();
}

void frmCountyChangeRover::RemoveSelectedCounty() {
  if (List1.ListIndex() >= 0) List1.RemoveItem(List1.ListIndex());
  Command1.SetFocus();
}

void frmCountyChangeRover::Check1_Click() { Command1.SetFocus(); }

void frmCountyChangeRover::Command1_Click() {
  if (List1.ListCount() > 0) {
    if (auto* own_county = App().IfLoaded<frmCountyChange>()) own_county->Text1.SetText(List1.List(0));
  }
  Hide();
}

}  // namespace ks
