#include "entry/county_lists.h"

#include "entry/no_case_set.h"
#include "logstore/county_table.h"
#include "logstore/log_store.h"
#include "platform/forms/controls.h"
#include "platform/vb/text.h"

namespace ks {
namespace {

// Position of the first item equal to `text` without regard to case; -1 when none.
int FindNoCase(const forms::ListBox& list, const std::string& text) {
  for (int i = 0; i < list.ListCount(); ++i)
    if (vb::EqualsNoCase(list.List(i), text)) return i;
  return -1;
}

}  // namespace

void RebuildCountyLists(forms::ListBox& worked, forms::ListBox& to_go, const CountyTable& table,
                        const LogStore& store, const CountyRecordFilter& filter) {
  NoCaseSet counties;
  const long last = std::min<long>(store.QSOCount, static_cast<long>(store.Records.size()) - 1);
  for (long i = 1; i <= last; ++i) {
    const LogRecord& r = store.Records[static_cast<std::size_t>(i)];
    if (!r.LogCounty.empty() && (!filter || filter(r))) counties.Add(r.LogCounty);
  }
  to_go.Clear();
  const int count = std::min<int>(table.CountyCount, static_cast<int>(table.CountyName.size()) - 1);
  NoCaseSet taken;  // a name the table holds twice leaves the to-go list once
  for (int i = 1; i <= count; ++i) {
    const std::string& name = table.CountyName[static_cast<std::size_t>(i)];
    if (counties.Contains(name) && taken.Add(name)) continue;
    to_go.AddItem(name);
  }
  worked.Clear();
  for (const std::string& county : counties.Items()) worked.AddItem(county);
}

void MergeCountyWorked(forms::ListBox& worked, forms::ListBox& to_go, const std::string& county) {
  if (county.empty()) return;
  if (FindNoCase(worked, county) < 0) worked.AddItem(county);
  if (const int at = FindNoCase(to_go, county); at >= 0) to_go.RemoveItem(at);
}

void ShowCountyListCounts(forms::Label& worked_caption, forms::Label& to_go_caption, const forms::ListBox& worked,
                          const forms::ListBox& to_go) {
  worked_caption.SetCaption("Counties Worked - " + std::to_string(worked.ListCount()));
  to_go_caption.SetCaption("Counties To Go - " + std::to_string(to_go.ListCount()));
}

}  // namespace ks
