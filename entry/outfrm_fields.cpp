// The out-of-state window's entry line: call, serial, county and points boxes, typed
// without Tab or mouse. Space moves on, a digit after a complete call jumps to the serial
// box, a letter in the serial box jumps to the county box, the county box completes names,
// and Enter anywhere logs the contact.
#include <string>

#include "entry/entry_line_rules.h"
#include "entry/entry_state.h"
#include "keying/keyer_services.h"
#include "keying/keying_state.h"
#include "logstore/county_table.h"
#include "logstore/key_filters.h"
#include "logstore/log_store.h"
#include "mainwin/windows/Outfrm.h"
#include "platform/forms/application.h"
#include "platform/vb/constants.h"
#include "platform/vb/parse.h"
#include "platform/vb/text.h"
#include "station/station_settings.h"

namespace ks {
namespace {

constexpr int kEnter = 13;
constexpr int kSpace = 32;
constexpr int kQuote = 34;

// A carried key becomes the box's whole text with the caret after it.
void StartWithKey(forms::TextBox& box, int key) {
  box.SetText(std::string(1, static_cast<char>(key)));
  box.SetSelStart(1);
}

int CarriedKeyCode(const EntryState& entry) { return static_cast<int>(vb::Val(entry.CarriedKey)); }

}  // namespace

void Outfrm::txtCall_KeyPress(int& KeyAscii) {
  forms::Application& app = App();
  EntryState& entry = app.State<EntryState>();
  const bool logged_on = app.State<RunState>().LoggedOn;
  const std::string text = txtCall.Text();
  lblDupe.SetFontSize(PartialDupeFontSize(app.GetScreen().width,
                                          static_cast<float>(app.State<StationSettings>().FormSizePercent)));
  if (text.size() < 2 && KeyAscii != kEnter) {
    txtCntry.SetText("");
    txtPts.SetText("");
    for (forms::Label* label : {&Label19, &Label22, &Label23}) label->SetCaption("");
  }
  if (KeyAscii == kQuote) KeyAscii = 0;
  // The focus moves on once this key is handled, so that the warning of the call box's
  // leave handling is not wiped by the partial-duplicate step below.
  bool move_on = false;
  if (CallHandsOnDigit(text, KeyAscii, txtCall.SelStart())) {
    entry.CarriedKey = std::to_string(KeyAscii);
    entry.FieldHandoff = kHandoffCallToSerial;
    int carried = KeyAscii;
    txtRSTR_KeyPress(carried);
    KeyAscii = 0;
    move_on = true;
  }
  if (text.size() < 3 && KeyAscii != kEnter && logged_on) lblDialog.SetCaption(" ");
  if (!logged_on) {
    lblDialog.SetCaption("Click Log \"Time On\"!");
    app.Beep();
  }
  if (KeyAscii == kEnter) {
    KeyAscii = 0;
    Mains();
    return;
  }
  if (KeyAscii == kSpace) {
    KeyAscii = 0;
    move_on = true;
  }
  CapitalizeKey(KeyAscii);
  ShowPartialDupes(KeyAscii);
  if (move_on) txtRSTR.SetFocus();
}

void Outfrm::txtCall_Change() { App().State<KeyingState>().MacroCall = txtCall.Text(); }

void Outfrm::txtCall_GotFocus() {
  ShowEditButtons(false);
  if (txtCall.Text().empty()) {
    txtRSTS.SetText("");
    txtRSTR.SetText("");
  }
  PlayFieldPrompt("Call", 1);
  const long count = App().State<LogStore>().QSOCount;
  if (txtCall.Text().empty() && ListView1.ItemCount() < count && ListView1.ItemCount() < 18) ListRecentContacts();
}

void Outfrm::txtCall_LostFocus() {
  if (txtCall.Text().empty()) return;
  if (auto points = PointsForMode(App().State<StationSettings>().CurrentMode)) txtPts.SetText(*points);
  DupCheck2();
}

void Outfrm::txtRSTR_KeyPress(int& KeyAscii) {
  EntryState& entry = App().State<EntryState>();
  if (KeyAscii > '9') {
    entry.CarriedKey = std::to_string(KeyAscii);
    entry.FieldHandoff = kHandoffSerialToCounty;
    int carried = KeyAscii;
    txtSec_KeyPress(carried);
    KeyAscii = kSpace;
  }
  if (entry.FieldHandoff == kHandoffCallToSerial) KeyAscii = CarriedKeyCode(entry);
  if (KeyAscii == kEnter) {
    KeyAscii = 0;
    Mains();
  } else {
    if (KeyAscii == kSpace) txtSec.SetFocus();
    FilterDigitKey(KeyAscii);
  }
  if (entry.FieldHandoff == kHandoffCallToSerial) {
    StartWithKey(txtRSTR, CarriedKeyCode(entry));
    entry.FieldHandoff = kHandoffNone;
  }
}

// The second and later entries of a county-line station score no points.
void Outfrm::txtRSTR_LostFocus() {
  const LogStore& store = App().State<LogStore>();
  if (store.QSOCount < 1 || static_cast<std::size_t>(store.QSOCount) >= store.Records.size()) return;
  const LogRecord& last = store.Records[static_cast<std::size_t>(store.QSOCount)];
  if (vb::EqualsNoCase(txtRSTR.Text(), last.LogSerialReceived) && vb::EqualsNoCase(txtCall.Text(), last.LogCall))
    txtPts.SetText("0");
}

void Outfrm::txtSec_KeyPress(int& KeyAscii) {
  EntryState& entry = App().State<EntryState>();
  if (KeyAscii == kQuote) KeyAscii = 0;
  if (entry.FieldHandoff == kHandoffSerialToCounty) KeyAscii = CarriedKeyCode(entry);
  if (KeyAscii == kEnter) {
    KeyAscii = 0;
    Mains();
  } else {
    CountyKey(KeyAscii);
  }
  if (entry.FieldHandoff == kHandoffSerialToCounty) {
    if (KeyAscii != 0) StartWithKey(txtSec, KeyAscii);
    entry.FieldHandoff = kHandoffNone;
  }
}

// Space accepts the county (at its end, or over a completion), except inside a name that
// goes on with a second word; any other key completes a county name.
void Outfrm::CountyKey(int& KeyAscii) {
  const std::string& text = txtSec.Text();
  const int caret = txtSec.SelStart();
  const int length = static_cast<int>(text.size());
  if (KeyAscii == kSpace && caret == length) {
    KeyAscii = 0;
    txtPts.SetFocus();
    return;
  }
  if (KeyAscii == kSpace && caret + 1 < length) {
    const bool second_word = vb::EqualsNoCase(vb::Left(text, 3), "San") && caret == 3;
    if (!second_word && text[static_cast<std::size_t>(caret)] != ' ') {
      KeyAscii = 0;
      txtPts.SetFocus();
      return;
    }
  }
  if (KeyAscii == 0) return;
  if (CountyTypeAhead(txtSec, App().State<CountyTable>(), KeyAscii, {.space_keeps_text_at_start = true}))
    App().State<EntryState>().FieldHandoff = kHandoffNone;
}

}  // namespace ks
