// Logging a contact in the in-state window: the checks in order (required fields, section,
// county, duplicate), the store with the own county at the time, the multipliers, the list,
// the score and the rates, and for a rover on a county line the re-logging for each further
// county.
#include "entry/entry_state.h"
#include "entry/instate_multipliers.h"
#include "logstore/county_table.h"
#include "logstore/log_store.h"
#include "mainwin/main_window_state.h"
#include "mainwin/message_colors.h"
#include "mainwin/section_table.h"
#include "mainwin/windows/Infrm.h"
#include "platform/forms/application.h"
#include "platform/vb/parse.h"
#include "platform/vb/text.h"
#include "station/station_settings.h"
#include "station/windows/frmCountyChangeRover.h"

namespace ks {

void Infrm::Mains() {
  LineEntry entry_in_progress(*this);
  if (!entry_in_progress.Began()) return;
  forms::Application& app = App();
  if (txtPostConTime.Visible() && !CheckPostContestEntry()) return;
  EntryState& entry = app.State<EntryState>();
  entry.InvalidSectionFlag = 0;
  if (!vb::IsNumeric(txtPts.Text())) txtPts.SetText("0");
  // A rover's county-line entry with "Increment serial # sent for each" ticked takes the next
  // sent serial, not the one of the contact it repeats.
  const bool next_serial = RoverRelogIndex != 0 && app.Get<frmCountyChangeRover>().Check1.Value() == 1;
  if (!next_serial) TakeSerialOfSameStation();
  if (!ExchangeIsPartyState()) txtSec.SetText("");
  if (!app.State<RunState>().LoggedOn) cmdLogOn_Click();
  bool stored = false;
  if (!CheckFieldsUnlessRefused()) {
    std::string typed = txtSec.Text();
    if (const std::string name = ExpandCountyAbbrev(app.State<CountyTable>(), typed); !name.empty())
      txtSec.SetText(name);
    DupCheckOnLog();
    app.State<RunState>().InvalidCountyFlag = 0;
    if (!txtSec.Text().empty()) CheckCountyValid();
    const bool line_checked = entry.MissingFieldFlag == 0 && entry.InvalidSectionFlag == 0 &&
                              app.State<RunState>().InvalidCountyFlag == 0;
    stored = line_checked && entry.DupeFlag == 0;
    if (stored) StoreEntry();
    if (line_checked) ClearEntryLine();
  }
  app.DoEvents();
  lblDupe.SetBackColor(forms::colors::kButtonFace);
  lblDupe.SetCaption("");
  UpdateQSORates();
  app.State<MainWindowState>().NextQSOFrequency.clear();
  entry_in_progress.ChecksDone();
  // A county line's further counties repeat a contact that was stored, never a refused one.
  if (stored && app.State<StationSettings>().Rover == 1 && app.Get<frmCountyChangeRover>().List1.ListCount() > 1 &&
      RoverRelogIndex == 0)
    LogRoverCounties();
}

// The required fields, then the section. A failing check sends the focus to its box, and
// when that leaves the call box, the call box's own duplicate check may refuse the line (and
// empty it): the refusal stands, as if found below, and no later check runs on the emptied
// line. True when the line was refused so.
bool Infrm::CheckFieldsUnlessRefused() {
  EntryState& entry = App().State<EntryState>();
  entry.DupeFlag = 0;
  CheckRequiredFields();
  if (entry.DupeFlag == 0 && !vb::EqualsNoCase(txtCntry.Text(), "PA") && txtCntry.Text().size() < 4) CheckSection();
  return entry.DupeFlag == 1;
}

// Each failing test beeps, shows its message and takes the focus; the last one's remain.
void Infrm::CheckRequiredFields() {
  EntryState& entry = App().State<EntryState>();
  entry.MissingFieldFlag = 0;
  auto fail = [&](const char* message, forms::TextBox& box) {
    if (entry.DupeFlag == 1) return;  // refused as the focus left the call box
    App().Beep();
    lblDialog.SetCaption(message);
    entry.MissingFieldFlag = 1;
    box.SetFocus();
  };
  // A county is needed for "PA" only; "EPA" and "WPA" may leave it empty.
  if (vb::EqualsNoCase(txtCntry.Text(), App().State<StationSettings>().PartyState) && txtSec.Text().empty())
    fail("Need County!", txtSec);
  if (txtRSTR.Text().empty()) fail("Need Serial!", txtRSTR);
  if (txtCall.Text().size() < 3) fail("Need Call Sign!", txtCall);
  if (txtCntry.Text().empty()) fail("Need Country!", txtCntry);
}

void Infrm::CheckSection() {
  EntryState& entry = App().State<EntryState>();
  entry.InvalidSectionFlag = FindSection(App(), txtCntry.Text()) != 0 ? 0 : 1;
  if (entry.InvalidSectionFlag == 0) {
    if (Label19.Caption().empty()) Label19.SetCaption("NA");
    return;
  }
  App().Beep();
  lblDialog.SetCaption("Invalid Section!");
  txtCntry.SetFocus();
}

// The in-state window also keeps the exchange and the own county at the time.
void Infrm::StoreEntry() {
  forms::Application& app = App();
  LogRecord r = EntryLineRecord();
  r.LogSPC = txtCntry.Text();
  r.LogCountySent = app.State<StationSettings>().OwnCounty;
  StoreEntryLineContact(r);
  if (!r.LogCounty.empty()) AddCountyWorked();
  ListRecentContacts();
  // The same rule of what counts as a DX country as the recount's.
  if (CountsAsDXCountry(r.LogSPC)) AddDXWorked();
  if (r.LogSPC.size() < 4) MarkMultiplierWorked();
  app.DoEvents();
  ShowScore();
}

void Infrm::ClearEntryLine() {
  for (forms::TextBox* box : {&txtRSTS, &txtCntry, &txtCall, &txtRSTR, &txtSec, &txtPts}) box->SetText("");
  ClearPlaceReadouts();
  lblStation(4).SetEnabled(false);
  txtCall.SetFocus();
}

}  // namespace ks
