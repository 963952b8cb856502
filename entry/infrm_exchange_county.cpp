// The in-state window's exchange box (state, province, section or DX country, completed from
// the prefix table's country names) and county box (completed from the county table).
#include "entry/entry_state.h"
#include "entry/instate_multipliers.h"
#include "keying/keyer_services.h"
#include "logstore/county_table.h"
#include "logstore/exchange_type_ahead.h"
#include "logstore/key_filters.h"
#include "logstore/prefix_table.h"
#include "mainwin/windows/Infrm.h"
#include "platform/forms/application.h"
#include "platform/vb/text.h"
#include "station/station_settings.h"

namespace ks {
namespace {

bool ListHolds(const forms::ListBox& list, const std::string& text) {
  for (int i = 0; i < list.ListCount(); ++i) {
    if (vb::EqualsNoCase(list.List(i), text)) return true;
  }
  return false;
}

}  // namespace

bool Infrm::ExchangeIsPartyState() const {
  const std::string& exchange = txtCntry.Text();
  return vb::EqualsNoCase(exchange, App().State<StationSettings>().PartyState) || vb::EqualsNoCase(exchange, "WPA") ||
         vb::EqualsNoCase(exchange, "EPA");
}

// The "County" caption follows the exchange; "New" marks a DX country not worked yet.
void Infrm::txtCntry_Change() {
  lblStation(4).SetEnabled(ExchangeIsPartyState());
  const std::string& exchange = txtCntry.Text();
  Label3.SetVisible(CountsAsDXCountry(exchange) && !ListHolds(List1, exchange));
}

// An empty box proposes the party state, selected so that typing replaces it.
void Infrm::txtCntry_GotFocus() {
  PlayFieldPrompt("SPC", 2);
  if (!txtCntry.Text().empty()) return;
  txtCntry.SetText(App().State<StationSettings>().PartyState);
  txtCntry.SetSelStart(0);
  txtCntry.SetSelLength(static_cast<int>(txtCntry.Text().size()));
}

void Infrm::txtCntry_KeyPress(int& KeyAscii) {
  EntryState& entry = App().State<EntryState>();
  if (KeyAscii == '"') KeyAscii = 0;
  if (KeyAscii == '\r') {
    KeyAscii = 0;
    Mains();
  }
  // A letter typed in the serial box starts the exchange.
  if (entry.FieldHandoff == kHandoffSerialToCounty) {
    txtCntry.SetText(std::string(1, static_cast<char>(KeyAscii)));
    txtCntry.SetSelStart(1);
    entry.FieldHandoff = kHandoffNone;
  }
  const ExchangeKeyOutcome outcome = ExchangeTypeAhead(txtCntry, App().State<PrefixTable>(), KeyAscii);
  if (const PrefixEntry* country = outcome.country) {
    Label19.SetCaption(country->PrefixContinent);
    ShowBearingDistance(country->PrefixLatitude, country->PrefixLongitude);
  }
  if (outcome.move_on) txtSec.SetFocus();
}

// The county is passed over unless the exchange names the party state or one of its sections.
void Infrm::txtSec_GotFocus() {
  if (!ExchangeIsPartyState()) {
    txtPts.SetFocus();
    lblStation(4).SetEnabled(false);
  } else {
    lblStation(4).SetEnabled(true);
  }
  PlayFieldPrompt("County", 2);
}

void Infrm::txtSec_KeyPress(int& KeyAscii) {
  if (KeyAscii == '"') KeyAscii = 0;
  if (KeyAscii == '\r') {
    KeyAscii = 0;
    Mains();
    return;
  }
  if (KeyAscii == ' ') {
    // Space accepts the name shown and moves on, unless it continues a name of several words.
    const std::string& text = txtSec.Text();
    const auto caret = static_cast<std::size_t>(txtSec.SelStart());
    const bool at_end = caret >= text.size();
    const bool inside_word = text.size() >= caret + 2 && text[caret] != ' ';
    if (at_end || inside_word) {
      KeyAscii = 0;
      txtPts.SetFocus();
      return;
    }
  }
  CountyTypeAhead(txtSec, App().State<CountyTable>(), KeyAscii, CountyTypeAheadRule{.space_keeps_text_at_start = true});
}

}  // namespace ks
