// The in-state window's score: sections, counties and at most one for DX, times the points;
// the recount from the log, the updates after each new contact, the section grid's colours,
// the three multiplier lists and the "All Modes" / "Crnt Mode" choice of counties.
#include "entry/county_lists.h"
#include "entry/entry_line_rules.h"
#include "entry/entry_state.h"
#include "entry/instate_multipliers.h"
#include "entry/log_tallies.h"
#include "entry/no_case_set.h"
#include "entry/score_format.h"
#include "logstore/county_table.h"
#include "logstore/log_store.h"
#include "mainwin/section_table.h"
#include "mainwin/windows/Infrm.h"
#include "platform/forms/application.h"
#include "platform/vb/text.h"
#include "station/station_settings.h"

namespace ks {
namespace {

constexpr const char* kAllModes = "All Modes";

const LogRecord* NewestRecord(const LogStore& store) {
  if (store.QSOCount < 1 || static_cast<std::size_t>(store.QSOCount) >= store.Records.size()) return nullptr;
  return &store.Records[static_cast<std::size_t>(store.QSOCount)];
}

int GridCount(forms::Application& app) {
  const int count = static_cast<int>(app.State<SectionTable>().SectionCount);
  return count > kSectionRows ? kSectionRows : count;
}

}  // namespace

void Infrm::ReloadLog() {
  ReloadLogKeepingMemory(App());
  const auto remaining = static_cast<forms::Color>(App().State<StationSettings>().MultRemainingColor);
  for (int i = 1; i <= GridCount(App()); ++i) Label10(i).SetForeColor(remaining);
  RebuildMultiplierFlags();
  RebuildCountyLists();
  UpdateQSORates();
  CountMultipliersWorked();
  RebuildDXList();
  ShowScore();
  ListRecentContacts();
}

void Infrm::RebuildMultiplierFlags() {
  RebuildSectionFlags(App().State<InStateTallies>(), App().State<SectionTable>(), App().State<LogStore>());
}

// With "Crnt Mode" only the contacts of the current mode bring their county in.
void Infrm::RebuildCountyLists() {
  CountyRecordFilter filter;
  if (Command1.Caption() != kAllModes) {
    const std::string mode = App().State<StationSettings>().CurrentMode;
    filter = [mode](const LogRecord& r) { return vb::EqualsNoCase(r.LogMode, mode); };
  }
  ks::RebuildCountyLists(List2, List3, App().State<CountyTable>(), App().State<LogStore>(), filter);
  ShowCountyListCounts();
}

void Infrm::CountMultipliersWorked() {
  InStateTallies& tallies = App().State<InStateTallies>();
  const auto worked = static_cast<forms::Color>(App().State<StationSettings>().MultWorkedColor);
  for (int i = 1; i <= GridCount(App()); ++i) {
    if (tallies.MultWorkedFlags[1][i] != 0) Label10(i).SetForeColor(worked);
  }
  CountSectionsWorked(tallies);
}

void Infrm::RebuildDXList() {
  NoCaseSet countries;
  const LogStore& store = App().State<LogStore>();
  for (long i = 1; i <= store.QSOCount && static_cast<std::size_t>(i) < store.Records.size(); ++i) {
    const std::string& exchange = store.Records[static_cast<std::size_t>(i)].LogSPC;
    if (CountsAsDXCountry(exchange)) countries.Add(exchange);
  }
  List1.Clear();
  for (const std::string& country : countries.Items()) List1.AddItem(country);
  ShowDXCount();
}

void Infrm::MarkMultiplierWorked() {
  const LogRecord* record = NewestRecord(App().State<LogStore>());
  if (!record) return;
  const int section = MarkSectionWorked(App().State<InStateTallies>(), App().State<SectionTable>(), record->LogSPC);
  if (section >= 1 && section <= GridCount(App()))
    Label10(section).SetForeColor(static_cast<forms::Color>(App().State<StationSettings>().MultWorkedColor));
}

// The mode is not looked at: a new contact is always in the current mode.
void Infrm::AddCountyWorked() {
  const LogRecord* record = NewestRecord(App().State<LogStore>());
  if (!record) return;
  MergeCountyWorked(List2, List3, record->LogCounty);
  ShowCountyListCounts();
}

void Infrm::AddDXWorked() {
  const LogRecord* record = NewestRecord(App().State<LogStore>());
  if (!record || !CountsAsDXCountry(record->LogSPC)) return;
  for (int i = 0; i < List1.ListCount(); ++i) {
    if (vb::EqualsNoCase(List1.List(i), record->LogSPC)) return;
  }
  List1.AddItem(record->LogSPC);
  ShowDXCount();
}

void Infrm::ShowCountyListCounts() {
  lblStation(8).SetCaption("Cnty Wkd - " + std::to_string(List2.ListCount()));
  lblStation(7).SetCaption("Cnty Rem - " + std::to_string(List3.ListCount()));
}

void Infrm::ShowDXCount() { lblStation(5).SetCaption("DX - " + std::to_string(List1.ListCount())); }

void Infrm::ShowScore() {
  forms::Application& app = App();
  const NumberSeparators& separators = DisplaySeparators(app);
  const EntryState& entry = app.State<EntryState>();
  const float points = app.State<LogStore>().TotalPoints;
  const auto multipliers = static_cast<float>(
      InStateMultipliers(app.State<InStateTallies>().MultWorkedCount, List2.ListCount(), List1.ListCount()));
  lblTotCon.SetCaption(FormatScore(entry.PHQSOCount, "###,##0", separators));
  lblSectogo.SetCaption(FormatScore(entry.CWQSOCount, "###,##0", separators));
  Label27.SetCaption(FormatScore(points, "###,##0.0", separators));
  lblTotSec.SetCaption(FormatScore(multipliers, "###,##0", separators));
  lblTotScore.SetCaption(FormatScore(multipliers * points, "###,###,###,##0.0", separators));
}

// Counties of every mode, or of the current mode only.
void Infrm::Command1_Click() {
  Command1.SetCaption(Command1.Caption() == kAllModes ? "Crnt Mode" : kAllModes);
  txtCall.SetFocus();
  App().DoEvents();
  ReloadLog();
}

void Infrm::Label10_Click(int Index) { txtCntry.SetText(Label10(Index).Caption()); }

void Infrm::Label10_MouseMove(int Index, int, int, float, float) {
  forms::Application& app = App();
  const LogStore& store = app.State<LogStore>();
  const std::string& section = Label10(Index).Caption();
  long n = 0;
  for (long i = 1; i <= store.QSOCount && i < static_cast<long>(store.Records.size()); ++i)
    if (vb::EqualsNoCase(store.Records[static_cast<std::size_t>(i)].LogSPC, section)) ++n;
  lblDupe.SetFontSize(ScreenScaledFontSize(8.0f, app.GetScreen().width,
                                           static_cast<float>(app.State<StationSettings>().FormSizePercent)));
  const SectionTable& table = app.State<SectionTable>();
  const std::string name = Index >= 0 && static_cast<std::size_t>(Index) < table.SectionName.size()
                               ? table.SectionName[static_cast<std::size_t>(Index)]
                               : std::string();
  lblDupe.SetCaption("  " + name + "    Total = " + std::to_string(n));
}

}  // namespace ks
