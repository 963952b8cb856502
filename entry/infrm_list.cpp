// The in-state window's recent-contacts list (with the rover's "County Sent" column), its
// contact editor, and the commands that put earlier data back into the entry line: Recall and
// a click on the DX-country list or on either county list.
#include "entry/entry_state.h"
#include "entry/recent_contacts.h"
#include "keying/keying_state.h"
#include "logstore/log_store.h"
#include "mainwin/windows/Infrm.h"
#include "platform/forms/application.h"
#include "platform/vb/parse.h"
#include "platform/vb/text.h"
#include "reports/windows/DEEditInfrm.h"
#include "station/station_settings.h"

namespace ks {

void Infrm::ListRecentContacts() {
  const LogStore& store = App().State<LogStore>();
  const bool rover = App().State<StationSettings>().Rover == 1;
  RefillRecentContacts(ListView1, store, App().State<EntryState>().ListAllContacts != 0,
                       [rover](long number, const LogRecord& r) { return InStateRow(number, r, rover); });
  Label1.SetCaption(NextSerialText(store));
}

void Infrm::ShowContactEditor() {
  App().Get<DEEditInfrm>().ShowModal();
  if (auto* editor = App().IfLoaded<DEEditInfrm>()) editor->Unload();
}

void Infrm::List1_Click() {
  txtCntry.SetText(List1.Text());
  txtCntry.SetFocus();
}

void Infrm::List2_Click() {
  txtSec.SetText(List2.Text());
  txtCntry.SetText(App().State<StationSettings>().PartyState);
  txtSec.SetFocus();
}

void Infrm::List3_Click() {
  txtSec.SetText(List3.Text());
  txtCntry.SetText(App().State<StationSettings>().PartyState);
  txtSec.SetFocus();
}

void Infrm::Label25_Change() { App().State<KeyingState>().MacroCounty = vb::UCase(Label25.Caption()); }

}  // namespace ks
