#pragma once
// The tallies both main windows keep over the log: the points (TotalPoints of the log
// store) and the contacts counted by mode (EntryState). A new contact adds to them; a
// reload recounts them from the log in memory.
#include <string_view>

namespace ks::forms {
class Application;
}

namespace ks {

struct EntryState;
struct LogRecord;
struct LogStore;

// Adds one contact: its points to TotalPoints, kept in single precision, and 1 to the count
// of its mode ("PH", "CW" or other, without regard to case).
void CountContact(LogStore& store, EntryState& entry, std::string_view mode, double points);

// Sets TotalPoints and the three counts from records 1 to QSOCount.
void RecountTallies(forms::Application& app);

// Reads log.txt again and recounts the tallies. When memory holds contacts the file lacks
// (a write failed), the whole log is written first; when that fails too the operator has
// been told, memory is kept as it is and the tallies are recounted from it. Returns false
// in that case.
bool ReloadLogKeepingMemory(forms::Application& app);

}  // namespace ks
