// Logging a contact in the out-of-state window: the checks in order, the store, the
// tallies, the append, the list, the county lists, the score and the rates; and the
// post-contest mode, in which the operator types the date and time of earlier contacts.
#include "entry/entry_line_rules.h"
#include "entry/entry_state.h"
#include "logstore/county_table.h"
#include "logstore/log_store.h"
#include "mainwin/main_window_state.h"
#include "mainwin/message_colors.h"
#include "mainwin/windows/Outfrm.h"
#include "platform/forms/application.h"
#include "platform/vb/format.h"
#include "platform/vb/parse.h"
#include "platform/vb/text.h"
#include "station/station_settings.h"

namespace ks {
void Outfrm::Mains() {
  const LineEntry entry_in_progress(*this);
  if (!entry_in_progress.Began()) return;
  forms::Application& app = App();
  if (txtPostConTime.Visible() && !CheckPostContestEntry()) return;
  if (!app.State<RunState>().LoggedOn) cmdLogOn_Click();
  if (!vb::IsNumeric(txtPts.Text())) txtPts.SetText("0");
  CheckRequiredFields();
  std::string typed = txtSec.Text();
  if (const std::string name = ExpandCountyAbbrev(app.State<CountyTable>(), typed); !name.empty()) txtSec.SetText(name);
  CheckCountyValid();
  DupCheckOnLog();
  TakeSerialOfSameStation();
  const EntryState& entry = app.State<EntryState>();
  const bool line_checked =
      entry.MissingFieldFlag == 0 && entry.InvalidSectionFlag == 0 && app.State<RunState>().InvalidCountyFlag == 0;
  if (line_checked && entry.DupeFlag == 0) StoreEntry();
  if (line_checked) ClearEntryLine();
  app.DoEvents();
  lblDupe.SetBackColor(forms::colors::kButtonFace);
  lblDupe.SetCaption("");
  UpdateQSORates();
  app.State<MainWindowState>().NextQSOFrequency.clear();
}

// Each failing test beeps, shows its message and takes the focus; the last one's remain.
void Outfrm::CheckRequiredFields() {
  EntryState& entry = App().State<EntryState>();
  entry.MissingFieldFlag = 0;
  auto fail = [&](const char* message, forms::TextBox& box) {
    App().Beep();
    lblDialog.SetCaption(message);
    entry.MissingFieldFlag = 1;
    box.SetFocus();
  };
  if (txtSec.Text().empty()) fail("Need County!", txtSec);
  if (txtRSTR.Text().empty()) fail("Need Serial!", txtRSTR);
  if (txtCall.Text().size() < 3) fail("Need Call Sign!", txtCall);
}

void Outfrm::StoreEntry() {
  forms::Application& app = App();
  StoreEntryLineContact(EntryLineRecord());
  ListRecentContacts();
  AddCountyWorked();
  app.DoEvents();
  ShowScore();
}

void Outfrm::ClearEntryLine() {
  for (forms::TextBox* box : {&txtRSTS, &txtCntry, &txtCall, &txtRSTR, &txtSec, &txtPts}) box->SetText("");
  for (forms::Label* label : {&Label19, &Label22, &Label23}) label->SetCaption("");
  txtCall.SetFocus();
}

}  // namespace ks
