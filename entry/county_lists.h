#pragma once
// The county multipliers as two sorted list boxes, "Counties Worked" and "Counties To Go",
// and their captions: rebuilt from the log by a recount, merged one county at a time after
// a new contact. A county counts once, whatever its band and mode and the case it was typed
// in, and is listed as the first record that brought it spelled it; a logged county that is
// not in the table counts as worked and takes nothing off the to-go list.
#include <functional>
#include <string>

namespace ks::forms {
class Label;
class ListBox;
}  // namespace ks::forms

namespace ks {

struct CountyTable;
struct LogRecord;
struct LogStore;

// Which records bring their county into the lists (every record unless given).
using CountyRecordFilter = std::function<bool(const LogRecord&)>;

// Empties both lists; fills `to_go` with the table's names and `worked` with every county of
// the log, once, then takes each worked county off `to_go`. One pass over the log.
void RebuildCountyLists(forms::ListBox& worked, forms::ListBox& to_go, const CountyTable& table,
                        const LogStore& store, const CountyRecordFilter& filter = {});

// Adds `county` to `worked` unless it is there (without regard to case) and takes it off
// `to_go` when it is there. Nothing happens for an empty county.
void MergeCountyWorked(forms::ListBox& worked, forms::ListBox& to_go, const std::string& county);

// "Counties Worked - n" and "Counties To Go - n".
void ShowCountyListCounts(forms::Label& worked_caption, forms::Label& to_go_caption, const forms::ListBox& worked,
                          const forms::ListBox& to_go);

}  // namespace ks
