// The out-of-state window's score: the recount of the whole log, the county multipliers,
// the score panel, the QSO rates and the recent-contacts list.
#include "entry/county_lists.h"
#include "entry/entry_state.h"
#include "entry/log_tallies.h"
#include "entry/recent_contacts.h"
#include "entry/score_format.h"
#include "logstore/county_table.h"
#include "logstore/log_store.h"
#include "mainwin/windows/Outfrm.h"
#include "platform/forms/application.h"
#include "reports/windows/DEEditOut.h"

namespace ks {

void Outfrm::ReloadLog() {
  ReloadLogKeepingMemory(App());
  RebuildCountyLists();
  ListRecentContacts();
  UpdateQSORates();
  ShowScore();
}

void Outfrm::RebuildCountyLists() {
  ks::RebuildCountyLists(List2, List1, App().State<CountyTable>(), App().State<LogStore>());
  ShowCountyListCounts(lblStation(5), lblStation(7), List2, List1);
}

void Outfrm::AddCountyWorked() {
  const LogStore& store = App().State<LogStore>();
  if (store.QSOCount < 1 || static_cast<std::size_t>(store.QSOCount) >= store.Records.size()) return;
  MergeCountyWorked(List2, List1, store.Records[static_cast<std::size_t>(store.QSOCount)].LogCounty);
  ShowCountyListCounts(lblStation(5), lblStation(7), List2, List1);
}

void Outfrm::ShowScore() {
  forms::Application& app = App();
  const NumberSeparators& separators = DisplaySeparators(app);
  const EntryState& entry = app.State<EntryState>();
  const float points = app.State<LogStore>().TotalPoints;
  const float multipliers = static_cast<float>(List2.ListCount());
  const float score = multipliers * points;
  lblTotCon.SetCaption(FormatScore(entry.PHQSOCount, "###,##0", separators));
  lblSectogo.SetCaption(FormatScore(entry.CWQSOCount, "###,##0", separators));
  Label27.SetCaption(FormatScore(points, "###,##0.0", separators));
  lblTotSec.SetCaption(FormatScore(multipliers, "###,##0", separators));
  lblTotScore.SetCaption(FormatScore(score, "###,###,###,##0.0", separators));
}

void Outfrm::ListRecentContacts() {
  const LogStore& store = App().State<LogStore>();
  RefillRecentContacts(ListView1, store, App().State<EntryState>().ListAllContacts != 0, OutOfStateRow);
  Label1.SetCaption(NextSerialText(store));
}

void Outfrm::ShowContactEditor() {
  App().Get<DEEditOut>().ShowModal();
  if (auto* editor = App().IfLoaded<DEEditOut>()) editor->Unload();
}

void Outfrm::List1_Click() {
  txtSec.SetText(List1.Text());
  txtCall.SetFocus();
}

void Outfrm::List2_Click() {
  txtSec.SetText(List2.Text());
  txtCall.SetFocus();
}

}  // namespace ks
