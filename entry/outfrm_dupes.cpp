// The out-of-state window's duplicate checks: on entry, on leaving the call box, and the
// partial-duplicate list while a call is typed. A duplicate has the same call, band, mode
// and county; a station worked again from another county is no duplicate.
#include "entry/duplicate_checks.h"
#include "entry/entry_line_rules.h"
#include "entry/entry_state.h"
#include "entry/recent_contacts.h"
#include "logstore/log_store.h"
#include "mainwin/main_window_state.h"
#include "mainwin/message_colors.h"
#include "mainwin/windows/Outfrm.h"
#include "platform/forms/application.h"
#include "platform/vb/text.h"
#include "station/station_settings.h"

namespace ks {
namespace {

constexpr const char* kDupeWarningLead = "Duplicate Unless Rover!  ";

}  // namespace

void Outfrm::DupCheckOnLog() {
  forms::Application& app = App();
  EntryState& entry = app.State<EntryState>();
  const StationSettings& settings = app.State<StationSettings>();
  const LogStore& store = app.State<LogStore>();
  entry.DupeFlag = 0;
  const DuplicateScan scan =
      ScanForDuplicate(store, txtCall.Text(), txtSec.Text(), settings.CurrentBand, settings.CurrentMode);
  if (scan.county_filled) {
    txtSec.SetText(scan.county);
    SelectAllText(txtSec);
  }
  if (scan.duplicate == 0) return;
  ShowDupeMessage(DuplicateMessage(kDuplicateLead, store.Records[static_cast<std::size_t>(scan.duplicate)],
                                   scan.duplicate));
  lblDupe.SetCaption("");
  app.Beep();
  PlayDupePrompt(app, settings.VoiceNavLevel);
  entry.DupeFlag = 1;
  txtCall.SetFocus();
  for (forms::TextBox* box : {&txtRSTS, &txtCntry, &txtCall, &txtRSTR, &txtSec}) box->SetText("");
  for (forms::Label* label : {&Label19, &Label22, &Label23}) label->SetCaption("");
}

void Outfrm::DupCheck2() {
  forms::Application& app = App();
  const StationSettings& settings = app.State<StationSettings>();
  const LogStore& store = app.State<LogStore>();
  const bool list_previous = mnuListPrevious.Checked();
  std::vector<forms::ListItem> rows;
  for (long i : RecordsWithCall(store, txtCall.Text())) {
    const LogRecord& r = store.Records[static_cast<std::size_t>(i)];
    if (list_previous) rows.push_back(OutOfStateRow(i, r));
    if (txtSec.Text().empty()) {
      txtSec.SetText(r.LogCounty);
      SelectAllText(txtSec);
    }
    if (vb::EqualsNoCase(r.LogBand, settings.CurrentBand) && vb::EqualsNoCase(r.LogMode, settings.CurrentMode)) {
      ShowDupeMessage(DuplicateMessage(kDupeWarningLead, r, i));
      app.Beep();
      if (!list_previous) return;
    }
  }
  if (list_previous) ListView1.SetItems(std::move(rows));
}

void Outfrm::ShowPartialDupes(int key) { ShowPartialDupeList(key); }

}  // namespace ks
