// The in-state window's duplicate checks: on entry, on leaving the call box, and the
// partial-duplicate list while a call is typed. Besides call, band and mode, the own county
// at the time of the contact takes part (a rover's contacts from another county are no
// duplicates), and the final check also the other station's county (a county-line station).
#include <algorithm>

#include "entry/duplicate_checks.h"
#include "entry/entry_line_rules.h"
#include "entry/entry_state.h"
#include "entry/recent_contacts.h"
#include "logstore/log_store.h"
#include "mainwin/main_window_state.h"
#include "mainwin/message_colors.h"
#include "mainwin/windows/Infrm.h"
#include "platform/forms/application.h"
#include "platform/io/clock.h"
#include "platform/vb/text.h"
#include "station/station_settings.h"

namespace ks {
namespace {

constexpr const char* kDupeWarningLead = "Dupe if not rover!  ";

bool SameBandAndMode(const LogRecord& r, const StationSettings& s) {
  return vb::EqualsNoCase(r.LogBand, s.CurrentBand) && vb::EqualsNoCase(r.LogMode, s.CurrentMode);
}

bool FromOwnCounty(const LogRecord& r, const StationSettings& s) { return vb::EqualsNoCase(r.LogCountySent, s.OwnCounty); }

constexpr std::int64_t kDupeHoldMs = 3000;

}  // namespace

// Fills an empty box from the record, wholly selected.
void Infrm::FillEmptyBoxes(const LogRecord& r) {
  if (txtSec.Text().empty()) {
    txtSec.SetText(r.LogCounty);
    SelectAllText(txtSec);
  }
  if (txtCntry.Text().empty()) {
    txtCntry.SetText(r.LogSPC);
    SelectAllText(txtCntry);
  }
}

void Infrm::DupCheckOnLog() {
  forms::Application& app = App();
  EntryState& entry = app.State<EntryState>();
  const StationSettings& settings = app.State<StationSettings>();
  const LogStore& store = app.State<LogStore>();
  entry.DupeFlag = 0;
  long duplicate = 0;
  for (long i : RecordsWithCall(store, txtCall.Text())) {
    const LogRecord& r = store.Records[static_cast<std::size_t>(i)];
    FillEmptyBoxes(r);
    if (SameBandAndMode(r, settings) && vb::EqualsNoCase(r.LogCounty, txtSec.Text()) && FromOwnCounty(r, settings)) {
      duplicate = i;
      break;
    }
  }
  if (duplicate == 0) return;
  const DupeMessageStyle style{.short_date = true, .rec_label = "  Rec#", .gap = " "};
  ShowDupeMessage(DuplicateMessage(kDuplicateLead, store.Records[static_cast<std::size_t>(duplicate)], duplicate, style));
  lblDupe.SetCaption("");
  app.Beep();
  PlayDupePrompt(app, settings.VoiceNavLevel);
  entry.DupeFlag = 1;
  const io::CivilTime now = app.Clock().LocalNow();
  entry.DupeHoldEndTick = app.Clock().TickMs() + kDupeHoldMs - now.millisecond;
  ClearEntryLine();
  // The message stays on the screen while the program holds after it.
  app.PaintNow();
}

void Infrm::DupCheck2() {
  forms::Application& app = App();
  EntryState& entry = app.State<EntryState>();
  const StationSettings& settings = app.State<StationSettings>();
  const LogStore& store = app.State<LogStore>();
  const bool list_previous = mnuListPrevious.Checked();
  entry.DupeFlag = 0;
  if (list_previous) ListView1.Clear();
  std::vector<forms::ListItem> rows;
  auto show_rows = [&] {
    if (list_previous) ListView1.SetItems(std::move(rows));
  };
  for (long i : RecordsWithCall(store, txtCall.Text())) {
    const LogRecord& r = store.Records[static_cast<std::size_t>(i)];
    if (list_previous) rows.push_back(InStateRow(i, r, settings.Rover == 1));
    FillEmptyBoxes(r);
    const bool same_contact = SameBandAndMode(r, settings) && FromOwnCounty(r, settings);
    // Only a station of the party state may be worked again from the same county (in another).
    if (same_contact && !vb::EqualsNoCase(r.LogSPC, settings.PartyState)) DupCheckOnLog();
    if (entry.DupeFlag == 1) return show_rows();
    if (same_contact) {
      ShowDupeMessage(DuplicateMessage(kDupeWarningLead, r, i, {.short_date = true, .rec_label = "   Rec#"}));
      lblDupe.SetCaption("");
      app.Beep();
      if (!list_previous) return show_rows();
    }
  }
  show_rows();
}

// Only the contacts logged from the own county in use count, so a rover may work a station
// again from the next county.
void Infrm::ShowPartialDupes(int key) {
  const std::string own_county = App().State<StationSettings>().OwnCounty;
  ShowPartialDupeList(key, [&own_county](const LogRecord& r) { return vb::EqualsNoCase(r.LogCountySent, own_county); });
}

// Holds the program, handling no events, until 3 seconds (in whole seconds of the time of
// day) after the duplicate was found, counted on the clock's tick, which never goes back.
void Infrm::ClearDupeFlag() {
  io::Clock& clock = App().Clock();
  EntryState& entry = App().State<EntryState>();
  for (std::int64_t left = entry.DupeHoldEndTick - clock.TickMs(); left > 0; left = entry.DupeHoldEndTick - clock.TickMs())
    clock.Sleep(static_cast<int>(std::min<std::int64_t>(left, 50)));
  entry.DupeFlag = 0;
}

}  // namespace ks
