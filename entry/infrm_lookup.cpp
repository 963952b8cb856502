// The in-state window's look-up of where the station being entered is: its country into the
// exchange box (for a DX station), its continent, and the bearing and distance from here.
#include "entry/bearing_distance.h"
#include "entry/call_prefix_lookup.h"
#include "logstore/prefix_table.h"
#include "mainwin/windows/Infrm.h"
#include "platform/forms/application.h"
#include "platform/vb/text.h"
#include "station/station_settings.h"

namespace ks {

void Infrm::LookupCallPrefix() {
  using Outcome = CallPrefixMatch::Outcome;
  const CallPrefixMatch match = FindCallPrefix(App().State<PrefixTable>(), txtCall.Text());
  if (match.outcome != Outcome::EmptyCall) {
    if (match.outcome == Outcome::Located) {
      txtCntry.SetText(match.exchange);
      if (match.place) {
        Label19.SetCaption(match.place->PrefixContinent);
        ShowBearingDistance(match.place->PrefixLatitude, match.place->PrefixLongitude);
      }
    } else {
      // The exchange of a USA or Canadian station is a section the operator types.
      if (match.outcome == Outcome::NotFound) txtCntry.SetText(match.exchange);
      ClearPlaceReadouts();
      if (match.outcome == Outcome::NorthAmerica) Label19.SetCaption("NA");
    }
    txtCntry.SetSelLength(static_cast<int>(txtCntry.Text().size()));
  }
  if (vb::EqualsNoCase(txtCntry.Text(), kPrefixNotFound)) ClearPlaceReadouts();
}

void Infrm::ShowBearingDistance(float latitude, float longitude) {
  const StationSettings& settings = App().State<StationSettings>();
  const BearingDistance result = ComputeBearingDistance(settings.OwnLatitude, settings.OwnLongitude, latitude, longitude);
  Label22.SetCaption(BearingText(result));
  Label23.SetCaption(DistanceText(result));
}

void Infrm::ClearPlaceReadouts() {
  for (forms::Label* label : {&Label22, &Label23, &Label19}) label->SetCaption("");
}

}  // namespace ks
