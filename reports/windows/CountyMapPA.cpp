#include "reports/windows/CountyMapPA.h"

#include <random>
#include <string>
#include <vector>

#include "logstore/county_table.h"
#include "logstore/log_store.h"
#include "mainwin/windows/Infrm.h"
#include "mainwin/windows/Outfrm.h"
#include "platform/forms/application.h"
#include "platform/io/clock.h"
#include "reports/county_map.h"
#include "reports/county_map_labels.h"
#include "startup/windows/supplied_files.h"
#include "station/station_settings.h"

namespace ks {

CountyMapPA::CountyMapPA(forms::Application& app) : forms::Form(app, "CountyMapPA") {
  Design();
  Timer1.Tick = [this] { Timer1_Timer(); };
}

void CountyMapPA::Design() {
  SetCaption(" Pennsylvania County Map");
  SetClientSize(9225, 5325);
  Picture1.Move(0, 60, 9210, 5235);
  Picture1.SetBackColor(forms::colors::kWhite);
  const forms::Font label_font{"Arial", 6.75f};
  for (std::size_t k = 0; k < kCountyMapLabels.size(); ++k) {
    const CountyMapLabel& spot = kCountyMapLabels[k];
    forms::Label& label = lblCounty.Design(static_cast<int>(k));
    label.Move(static_cast<float>(spot.left), static_cast<float>(spot.top), static_cast<float>(spot.width),
               static_cast<float>(spot.height));
    label.SetFont(label_font);
    label.SetBackColor(forms::colors::kWhite);
    label.SetCaption(spot.name);
  }
  Label1.Move(2400, 75, 4200, 255);
  Label1.SetFont(forms::Font{"Arial", 8.25f, true});
  Label1.Transparent = true;
  Label1.TextAlign = forms::Alignment::Center;
  Label1.SetCaption("Counties change color when worked.");
}

void CountyMapPA::Form_Load() {
  const forms::Screen& screen = App().GetScreen();
  Move((screen.width - Width()) / 2, (screen.height - Height()) / 2, Width(), Height());
  Picture1.SetPicture(SuppliedFile(App(), kCountyMapPicture).string());
  for (auto& [k, label] : lblCounty) {
    label->SetToolTipText(label->Caption());
    label->SetCaption("");
    label->SetTransparent(true);
  }
  if (App().State<LogStore>().QSOCount > 0) Label1.SetVisible(false);
}

void CountyMapPA::Timer1_Timer() {
  Timer1.SetEnabled(false);
  if (App().State<StationSettings>().OutOfState == 1) {
    ColorOutfrmCounties();
  } else {
    ColorInfrmCounties();
  }
}

void CountyMapPA::ColorOutfrmCounties() { ColorCountiesOf(App().IfLoaded<Outfrm>()); }
void CountyMapPA::ColorInfrmCounties() { ColorCountiesOf(App().IfLoaded<Infrm>()); }

void CountyMapPA::ColorCountiesOf(forms::Form* main_window) {
  if (main_window == nullptr) return;
  const forms::ListBox& worked = static_cast<MainWindow*>(main_window)->List2;
  std::vector<CountyHotSpot> spots;
  for (const auto& [k, label] : lblCounty)
    spots.push_back({label->ToolTipText(), label->Left(), label->Top(), label->Width(), label->Height()});
  // Fresh colours at every opening.
  std::minstd_rand random(static_cast<std::minstd_rand::result_type>(App().Clock().TickMs() & 0x7FFFFFFF) + 1u);
  ColorWorkedCounties(Picture1, spots, App().State<CountyTable>().CountyCount, worked.Items(), random);
}

}  // namespace ks
