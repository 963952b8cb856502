// The in-state window's call, serial, points and sent-report boxes: Space moves on, Enter
// logs, a digit typed after a complete call starts the serial, a letter typed in the serial
// box starts the exchange.
#include "entry/entry_line_rules.h"
#include "entry/entry_state.h"
#include "keying/keying_state.h"
#include "logstore/key_filters.h"
#include "logstore/log_store.h"
#include "mainwin/windows/Infrm.h"
#include "platform/forms/application.h"
#include "platform/forms/key_queue.h"
#include "platform/forms/types.h"
#include "platform/vb/parse.h"
#include "platform/vb/text.h"
#include "station/station_settings.h"

namespace ks {
namespace {

// Fewer rows than that means the list shows the earlier contacts of one call.
constexpr int kListRefillRows = 18;

}  // namespace

// The call is published for the Morse macros and looked up as it is typed.
void Infrm::txtCall_Change() {
  App().State<KeyingState>().MacroCall = txtCall.Text();
  LookupCallPrefix();
}

void Infrm::txtCall_GotFocus() {
  ShowEditButtons(false);
  const bool empty = txtCall.Text().empty();
  if (empty) {
    txtRSTS.SetText("");
    txtRSTR.SetText("");
  }
  PlayFieldPrompt("Call", 1);
  const LogStore& store = App().State<LogStore>();
  if (empty && ListView1.ItemCount() < store.QSOCount && ListView1.ItemCount() < kListRefillRows) ListRecentContacts();
}

void Infrm::txtCall_KeyPress(int& KeyAscii) {
  forms::Application& app = App();
  EntryState& entry = app.State<EntryState>();
  const bool logged_on = app.State<RunState>().LoggedOn;
  const std::string text = txtCall.Text();
  lblDupe.SetFontSize(PartialDupeFontSize(app.GetScreen().width, app.State<StationSettings>().FormSizePercent));
  if (text.size() < 2) {
    txtCntry.SetText("");
    txtPts.SetText("");
    ClearPlaceReadouts();
  }
  if (KeyAscii == '"') KeyAscii = 0;
  // The focus moves on once this key is handled: the duplicate check of the call box's leave
  // handling then writes the message last, and the partial-duplicate step cannot wipe it.
  bool move_on = false;
  if (CallHandsOnDigit(text, KeyAscii, txtCall.SelStart())) {
    entry.CarriedKey = std::to_string(KeyAscii);
    entry.FieldHandoff = kHandoffCallToSerial;
    int carried = KeyAscii;
    txtRSTR_KeyPress(carried);
    KeyAscii = 0;
    move_on = true;
  }
  if (text.size() < 3 && logged_on) lblDialog.SetCaption(" ");
  if (!logged_on) {
    lblDialog.SetCaption("Click Log \"Time On\"!");
    app.Beep();
  }
  if (KeyAscii == '\r') {
    KeyAscii = 0;
    Mains();
  } else if (KeyAscii == ' ' && entry.FieldHandoff != kHandoffCallToSerial) {
    KeyAscii = 0;
    move_on = true;
  }
  CapitalizeKey(KeyAscii);
  ShowPartialDupes(KeyAscii);
  bool refused_on_leaving = false;
  if (move_on) {
    const bool call_checked = !txtCall.Text().empty();
    txtRSTR.SetFocus();
    refused_on_leaving = call_checked && entry.DupeFlag == 1;
  }
  if (entry.DupeFlag == 1) HoldAfterDuplicate(refused_on_leaving);
}

// The hold after a duplicate, with the keys typed meanwhile waiting. A line refused as the
// call box was left goes on being typed during the hold: those keys go with it, up to its
// own Enter or to the first key that is no typing (Esc, a function or arrow key, a menu's
// Alt key), with which the operator, warned, goes on to the next station; that key and the
// keys after it are struck as typed after the hold. Typing keys with neither after them are
// the rest of the refused line too: the next line starts empty in the call box.
void Infrm::HoldAfterDuplicate(bool refused_on_leaving) {
  forms::Application& app = App();
  const forms::KeyHold hold = HoldKeys();
  ClearDupeFlag();
  if (!refused_on_leaving) return;
  app.DoEvents();  // the keys typed during the hold come in, and wait
  app.Keys().DropRestOfLine(*this);
}

// The duplicate warning, then the points by mode (also when the warning emptied the line).
// Tab, which leaves the call box without a key press of its own, holds after a line refused
// so, as Space does (in the key handler); a line refused as the focus is moved otherwise
// holds at the next key typed into the call box.
void Infrm::txtCall_LostFocus() {
  bool refused = false;
  if (!txtCall.Text().empty()) {
    DupCheck2();
    refused = App().State<EntryState>().DupeFlag == 1;
  }
  if (const std::optional<std::string> points = PointsForMode(App().State<StationSettings>().CurrentMode))
    txtPts.SetText(*points);
  const forms::KeyQueue::Key* key = App().Keys().Striking();
  if (refused && key != nullptr && key->form == this && key->key_code == forms::kTab && !key->sent)
    HoldAfterDuplicate(true);
}

void Infrm::txtRSTR_GotFocus() { PlayFieldPrompt("SerNum", 2); }

void Infrm::txtRSTR_KeyPress(int& KeyAscii) {
  EntryState& entry = App().State<EntryState>();
  if (KeyAscii > '9') {
    entry.CarriedKey = std::to_string(KeyAscii);
    entry.FieldHandoff = kHandoffSerialToCounty;
    CapitalizeKey(KeyAscii);
    int carried = KeyAscii;
    txtCntry_KeyPress(carried);
    KeyAscii = ' ';
  }
  if (entry.FieldHandoff == kHandoffCallToSerial) KeyAscii = static_cast<int>(vb::Val(entry.CarriedKey));
  if (KeyAscii == '\r') {
    KeyAscii = 0;
    txtRSTR_LostFocus();
    Mains();
  } else {
    if (KeyAscii == ' ') txtCntry.SetFocus();
    FilterDigitKey(KeyAscii);
  }
  if (entry.FieldHandoff == kHandoffCallToSerial) {
    txtRSTR.SetText(std::string(1, static_cast<char>(KeyAscii)));
    txtRSTR.SetSelStart(1);
    entry.FieldHandoff = kHandoffNone;
  }
}

// The same call and serial as the last contact (a county line's second county) scores none.
void Infrm::txtRSTR_LostFocus() {
  const LogStore& store = App().State<LogStore>();
  if (store.QSOCount < 1 || static_cast<std::size_t>(store.QSOCount) >= store.Records.size()) return;
  const LogRecord& last = store.Records[static_cast<std::size_t>(store.QSOCount)];
  if (vb::EqualsNoCase(last.LogSerialReceived, txtRSTR.Text()) && vb::EqualsNoCase(last.LogCall, txtCall.Text()))
    txtPts.SetText("0");
}

// The hidden sent report is what the Morse report macro sends.
void Infrm::txtRSTS_Change() { App().State<KeyingState>().MacroRST = txtRSTS.Text(); }

}  // namespace ks
