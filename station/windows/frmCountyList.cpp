#include "station/windows/frmCountyList.h"

#include <utility>
#include <vector>

#include "logstore/county_table.h"
#include "platform/forms/application.h"
#include "platform/forms/controls.h"
#include "station/station_settings.h"
#include "station/windows/county_windows_common.h"

namespace ks {
namespace {

constexpr float kColumnWidth = 1300;

}  // namespace

frmCountyList::frmCountyList(forms::Application& app) : forms::Form(app, "frmCountyList") {
  Design();
  ListView1.Click = [this] { ListView1_Click(); };
}

void frmCountyList::Design() {
  SetCaption("County List");
  Move(0, 0, 3000, 5400);
  ListView1.Move(0, 0, ScaleWidth(), ScaleHeight());
  ListView1.GridLines = true;
}

void frmCountyList::Form_Load() {
  FitByNewWidth(*this, forms::FitRule::FontRatio::WidthCapped);
  // The picker stands in the upper part of the screen: a sixth of the free height above it.
  const forms::Screen& screen = App().GetScreen();
  SetTop((screen.height - Height()) / 6);
  ListView1.Move(0, 0, ScaleWidth(), ScaleHeight());
  const float width_ratio = screen.width / forms::kDesignScreenWidth;
  ListView1.AddColumn("County", kColumnWidth * width_ratio);
  ListView1.AddColumn("Abbreviation", kColumnWidth * width_ratio);
  FillCounties();
}

void frmCountyList::FillCounties() {
  const CountyTable& table = App().State<CountyTable>();
  std::vector<forms::ListItem> rows;
  rows.reserve(static_cast<std::size_t>(table.CountyCount));
  for (int i = 1; i <= table.CountyCount; ++i) {
    forms::ListItem row;
    row.text = table.CountyName[static_cast<std::size_t>(i)];
    row.SetSubItem(1, table.CountyAbbrev[static_cast<std::size_t>(i)]);
    rows.push_back(std::move(row));
  }
  ListView1.SetItems(std::move(rows));
}

// A click that leaves no row selected has no county to pass on and changes nothing.
void frmCountyList::ListView1_Click() {
  const int selected = ListView1.SelectedIndex();
  if (selected < 1) return;
  PutCountyIntoMainWindow(App(), ListView1.Item(selected).text);
  Hide();
}

void PutCountyIntoMainWindow(forms::Application& app, const std::string& county) {
  const bool out_of_state = app.State<StationSettings>().OutOfState != 0;
  forms::Form* main_window = app.FindForm(out_of_state ? "Outfrm" : "Infrm");
  if (main_window == nullptr) return;
  forms::Control* box = main_window->FindControl("txtSec");
  if (box == nullptr || box->Kind() != forms::ControlKind::TextBox) return;
  static_cast<forms::TextBox*>(box)->SetText(county);
}

}  // namespace ks
