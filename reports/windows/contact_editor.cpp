#include "reports/windows/contact_editor.h"

#include <cmath>
#include <memory>
#include <vector>

#include "entry/entry_state.h"
#include "logstore/county_table.h"
#include "logstore/exchange_type_ahead.h"
#include "logstore/key_filters.h"
#include "logstore/log_store.h"
#include "logstore/prefix_table.h"
#include "mainwin/main_window.h"
#include "mainwin/section_table.h"
#include "platform/forms/application.h"
#include "platform/forms/form_resize.h"
#include "platform/vb/constants.h"
#include "platform/vb/number_text.h"
#include "platform/vb/parse.h"
#include "platform/vb/text.h"
#include "reports/contact_edit_rules.h"
#include "station/station_settings.h"
#include "station/windows/county_windows_common.h"

namespace ks {
namespace {

constexpr float kRowTop = 600;
constexpr float kRowStep = 420;
constexpr float kBoxLeft = 1560;
constexpr float kMarkLeft = 4080;

struct Row {
  forms::TextBox* box;
  const char* caption;
  forms::Label* mark;
};

long EditedRecord(forms::Application& app) { return std::lround(app.State<EntryState>().EditIndex); }

}  // namespace

ContactEditor::ContactEditor(forms::Application& app, std::string name, bool in_state)
    : forms::Form(app, std::move(name)), InState(in_state) {
  Design();
  Wire();
}

// One row per box from top to bottom, its caption on the left and its mark on the right;
// Done below the boxes and Delete Dupe at the top. The out-of-state editor's rows close up
// over the boxes it does not show.
void ContactEditor::Design() {
  SetCaption("Edit Contact Entry");
  lblTitle.SetCaption("Edit Contact:");
  lblTitle.SetFontBold(true);
  lblTitle.Move(240, 120, 2400, 315);
  const std::vector<Row> rows = {
      {&txtEditCall, "Callsign", &Label1},
      {&txtEditCk, "Ser Rec", nullptr},
      {&txtEditSec, "County", &Label7},
      {&txtEditPre, InState ? "SPC" : "County", &Label2},
      {&txtEditNum, InState ? "Ser Snt" : "Ser Sent", nullptr},
      {&txtEditDate, "Date", nullptr},
      {&txtEditTime, "Time", nullptr},
      {&txtEditBnd, "Mode", &Label3},
      {&Text1, "Band", &Label6},
      {&Text2, "Points", nullptr},
      {&Text3, "County Sent", &Label9},
  };
  int shown = 0;
  for (const Row& row : rows) {
    const bool visible = InState || (row.box != &txtEditSec && row.box != &Text3);
    row.box->SetVisible(visible);
    if (row.mark) row.mark->SetVisible(false);
    if (!visible) continue;
    const float top = kRowTop + kRowStep * static_cast<float>(shown++);
    captions_.push_back(std::make_unique<forms::Label>(*this, "lblCaption" + std::to_string(shown)));
    forms::Label& caption = *captions_.back();
    caption.SetCaption(row.caption);
    caption.Move(240, top + 30, 1215, 285);
    caption.TextAlign = forms::Alignment::Right;
    row.box->Move(kBoxLeft, top, 2400, 315);
    if (row.mark) {
      DesignInvalidMarker(*row.mark);
      row.mark->Move(kMarkLeft, top + 15, 1215, 285);
    }
  }
  Label1.SetCaption("  Dupe!");
  cmdDeleteDupe.SetCaption("Delete Dupe");
  cmdDeleteDupe.Move(kMarkLeft, 120, 1215, 375);
  cmdDeleteDupe.SetVisible(false);
  const float done_top = kRowTop + kRowStep * static_cast<float>(shown) + 120;
  cmdDone.SetCaption("Done");
  cmdDone.Move(2160, done_top, 1215, 435);
  SetClientSize(5535, done_top + 675);
}

void ContactEditor::Wire() {
  cmdDone.Click = [this] { cmdDone_Click(); };
  cmdDeleteDupe.Click = [this] { cmdDeleteDupe_Click(); };
  txtEditCall.KeyPress = [this](int& k) { txtEditCall_KeyPress(k); };
  txtEditCk.KeyPress = [this](int& k) { txtEditCk_KeyPress(k); };
  txtEditSec.KeyPress = [this](int& k) { txtEditSec_KeyPress(k); };
  txtEditPre.KeyPress = [this](int& k) { txtEditPre_KeyPress(k); };
  txtEditNum.KeyPress = [this](int& k) { txtEditNum_KeyPress(k); };
  txtEditDate.KeyPress = [this](int& k) { txtEditDate_KeyPress(k); };
  txtEditTime.KeyPress = [this](int& k) { txtEditTime_KeyPress(k); };
  txtEditBnd.KeyPress = [this](int& k) { txtEditBnd_KeyPress(k); };
  Text1.KeyPress = [this](int& k) { Text1_KeyPress(k); };
  Text2.KeyPress = [this](int& k) { Text2_KeyPress(k); };
  Text3.KeyPress = [this](int& k) { Text3_KeyPress(k); };
  txtEditDate.LostFocus = [this] { txtEditDate_LostFocus(); };
  txtEditTime.LostFocus = [this] { txtEditTime_LostFocus(); };
  txtEditBnd.LostFocus = [this] { txtEditBnd_LostFocus(); };
  Text1.LostFocus = [this] { Text1_LostFocus(); };
  Text2.LostFocus = [this] { Text2_LostFocus(); };
  if (InState) {
    txtEditSec.LostFocus = [this] { txtEditSec_LostFocus(); };
    Text3.LostFocus = [this] { Text3_LostFocus(); };
  } else {
    txtEditPre.LostFocus = [this] { txtEditPre_LostFocus(); };
  }
}

void ContactEditor::Form_Load() {
  forms::ResizeForm(*this);
  const LogStore& log = App().State<LogStore>();
  const long index = EditedRecord(App());
  if (index < 1 || index > log.QSOCount || index >= static_cast<long>(log.Records.size())) return;
  const LogRecord& r = log.Records[static_cast<std::size_t>(index)];
  txtEditCall.SetText(r.LogCall);
  txtEditCk.SetText(r.LogSerialReceived);
  if (InState) txtEditSec.SetText(r.LogCounty);
  txtEditPre.SetText(InState ? r.LogSPC : r.LogCounty);
  txtEditNum.SetText(r.LogSerialSent);
  txtEditDate.SetText(r.LogDate);
  txtEditTime.SetText(r.LogTime);
  txtEditBnd.SetText(r.LogMode);
  Text1.SetText(r.LogBand);
  Text2.SetText(vb::CStr(r.LogPoints));
  if (InState) Text3.SetText(r.LogCountySent);
}

void ContactEditor::Cap2(int& KeyAscii) { CapitalizeKey(KeyAscii); }
void ContactEditor::number(int& KeyAscii) { FilterDigitKey(KeyAscii); }

bool ContactEditor::QuoteAndEnter(int& KeyAscii) {
  if (KeyAscii == '"') KeyAscii = 0;
  if (KeyAscii == vb::vbKeyReturn) {
    KeyAscii = 0;
    cmdDone_Click();
  }
  return KeyAscii != 0;
}

// The call and the serials take what the main windows' call and serial boxes take.
void ContactEditor::txtEditCall_KeyPress(int& KeyAscii) {
  if (QuoteAndEnter(KeyAscii)) FilterCallKey(KeyAscii);
}
void ContactEditor::txtEditCk_KeyPress(int& KeyAscii) {
  if (QuoteAndEnter(KeyAscii)) number(KeyAscii);
}
void ContactEditor::txtEditNum_KeyPress(int& KeyAscii) {
  if (QuoteAndEnter(KeyAscii)) number(KeyAscii);
}
void ContactEditor::txtEditBnd_KeyPress(int& KeyAscii) {
  if (QuoteAndEnter(KeyAscii)) Cap2(KeyAscii);
}
void ContactEditor::Text1_KeyPress(int& KeyAscii) {
  if (QuoteAndEnter(KeyAscii)) Cap2(KeyAscii);
}
void ContactEditor::Text2_KeyPress(int& KeyAscii) {
  if (QuoteAndEnter(KeyAscii)) FilterPointsKey(KeyAscii);
}
void ContactEditor::txtEditDate_KeyPress(int& KeyAscii) {
  if (QuoteAndEnter(KeyAscii)) FilterDateKey(KeyAscii);
}
void ContactEditor::txtEditTime_KeyPress(int& KeyAscii) {
  if (QuoteAndEnter(KeyAscii)) FilterTimeKey(KeyAscii);
}

void ContactEditor::txtEditSec_KeyPress(int& KeyAscii) {
  if (!InState) {
    if (QuoteAndEnter(KeyAscii)) Cap2(KeyAscii);
    return;
  }
  CountyKeyPress(txtEditSec, KeyAscii);
}
void ContactEditor::txtEditPre_KeyPress(int& KeyAscii) {
  if (InState) {
    ExchangeKeyPress(KeyAscii);
  } else {
    CountyKeyPress(txtEditPre, KeyAscii);
  }
}
void ContactEditor::Text3_KeyPress(int& KeyAscii) { CountyKeyPress(Text3, KeyAscii); }

void ContactEditor::CountyKeyPress(forms::TextBox& box, int& KeyAscii) {
  if (!QuoteAndEnter(KeyAscii)) return;
  CountyTypeAhead(box, App().State<CountyTable>(), KeyAscii, {.space_keeps_text_at_start = true});
}

// The exchange takes the keys the main window's exchange box takes: a code stays the code
// typed, a country is proposed only once a fourth character is typed, and Space accepts what
// the box shows and moves on.
void ContactEditor::ExchangeKeyPress(int& KeyAscii) {
  if (!QuoteAndEnter(KeyAscii)) return;
  if (ExchangeTypeAhead(txtEditPre, App().State<PrefixTable>(), KeyAscii).move_on) txtEditNum.SetFocus();
}

bool ContactEditor::Active() const { return IsLoaded() && Visible() && !in_done_; }

bool ContactEditor::CheckListed(forms::TextBox& box, forms::Label& mark, bool listed) {
  mark.SetVisible(!listed);
  if (listed) return true;
  App().Beep();
  box.SetFocus();
  return false;
}

bool ContactEditor::CheckCounty(forms::TextBox& box, forms::Label& mark, bool empty_allowed) {
  const CountyTable& counties = App().State<CountyTable>();
  ExpandCountyCodeInBox(box, counties);
  const bool listed = (empty_allowed && box.Text().empty()) || IsCountyName(counties, box.Text());
  App().State<RunState>().InvalidCountyFlag = listed ? 0 : 1;
  return CheckListed(box, mark, listed);
}

bool ContactEditor::CheckDate() {
  if (LogDateOf(txtEditDate.Text())) return true;
  App().Beep();
  App().MsgBox("You have entered an invalid date format!", vb::vbOKOnly, "Invalid Date Format!");
  txtEditDate.SetFocus();
  return false;
}

bool ContactEditor::CheckTime() {
  if (LogTimeOf(txtEditTime.Text())) return true;
  App().Beep();
  App().MsgBox("You have entered an invalid time format!", vb::vbOKOnly, "Invalid Time Format!");
  txtEditTime.SetFocus();
  return false;
}

void ContactEditor::txtEditSec_LostFocus() {
  if (Active()) CheckCounty(txtEditSec, Label7, true);
}
void ContactEditor::txtEditPre_LostFocus() {
  if (Active()) CheckCounty(txtEditPre, Label2, false);
}
void ContactEditor::Text3_LostFocus() {
  if (Active()) CheckCounty(Text3, Label9, false);
}
void ContactEditor::txtEditBnd_LostFocus() {
  if (Active()) CheckListed(txtEditBnd, Label3, IsContestMode(txtEditBnd.Text()));
}
void ContactEditor::Text1_LostFocus() {
  if (Active()) CheckListed(Text1, Label6, IsContestBand(Text1.Text()));
}
void ContactEditor::txtEditDate_LostFocus() {
  if (Active()) CheckDate();
}
void ContactEditor::txtEditTime_LostFocus() {
  if (Active()) CheckTime();
}
void ContactEditor::Text2_LostFocus() {
  if (Active() && !vb::IsNumeric(Text2.Text())) Text2.SetText("0");
}

// Done checks every box, not only those the operator left: Enter in a box stores nothing
// that was not checked.
bool ContactEditor::CheckEveryBox() {
  if (!CheckTime() || !CheckDate()) return false;
  if (!CheckListed(txtEditBnd, Label3, IsContestMode(txtEditBnd.Text()))) return false;
  if (!CheckListed(Text1, Label6, IsContestBand(Text1.Text()))) return false;
  if (InState) return CheckCounty(txtEditSec, Label7, true) && CheckCounty(Text3, Label9, false);
  return CheckCounty(txtEditPre, Label2, false);
}

bool ContactEditor::IsDuplicate() {
  ContactKey key{txtEditCall.Text(), Text1.Text(), txtEditBnd.Text(), InState ? txtEditSec.Text() : txtEditPre.Text(),
                 std::nullopt};
  if (InState) key.county_sent = Text3.Text();
  const int duplicates = CountOtherRecordsMatching(App().State<LogStore>(), EditedRecord(App()), key);
  Label1.SetVisible(duplicates > 0);
  if (duplicates > 0) cmdDeleteDupe.SetVisible(true);
  for (int i = 0; i < duplicates; ++i) App().Beep();
  return duplicates > 0;
}

void ContactEditor::Store(LogRecord& r) const {
  auto stored = [this](const forms::TextBox& box) { return InState ? box.Text() : vb::Trim(box.Text()); };
  r.LogCall = stored(txtEditCall);
  r.LogSerialSent = stored(txtEditNum);
  r.LogSerialReceived = stored(txtEditCk);
  if (InState) {
    r.LogSPC = txtEditPre.Text();
    r.LogCounty = txtEditSec.Text();
    r.LogCountySent = Text3.Text();
  } else {
    r.LogCounty = stored(txtEditPre);
  }
  r.LogDate = LogDateOf(txtEditDate.Text()).value_or(txtEditDate.Text());
  r.LogTime = LogTimeOf(txtEditTime.Text()).value_or(txtEditTime.Text());
  r.LogMode = txtEditBnd.Text();
  r.LogBand = Text1.Text();
  r.LogPoints = vb::Val(Text2.Text());
}

void ContactEditor::cmdDone_Click() {
  in_done_ = true;
  const bool stored = Done();
  in_done_ = false;
  if (stored) Hide();
}

bool ContactEditor::Done() {
  if (InState && txtEditPre.Text().size() < 4) txtEditPre.SetText(vb::UCase(txtEditPre.Text()));
  if (!vb::IsNumeric(Text2.Text())) Text2.SetText("0");
  if (!CheckEveryBox()) return false;
  const bool duplicate = IsDuplicate();
  bool exchange_ok = true;
  if (InState) {
    exchange_ok = IsInStateExchange(txtEditPre.Text(), App().State<StationSettings>().PartyState,
                                    App().State<SectionTable>());
    Label2.SetVisible(!exchange_ok);
    if (!exchange_ok) App().Beep();
  }
  if (duplicate || !exchange_ok) return false;
  LogStore& log = App().State<LogStore>();
  const long index = EditedRecord(App());
  if (index < 1 || index > log.QSOCount || index >= static_cast<long>(log.Records.size())) return false;
  Store(log.Records[static_cast<std::size_t>(index)]);
  return true;
}

// The main window's Delete asks, and removes the record its list has selected: this one.
void ContactEditor::cmdDeleteDupe_Click() {
  Hide();
  Opener().cmdDelete_Click();
}

}  // namespace ks
