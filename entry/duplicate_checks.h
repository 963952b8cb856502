#pragma once
// The duplicate checks of both main windows, apart from the windows: the scan for a
// duplicate when a contact is entered (which also fills an empty county box from the log),
// the records that a warning on leaving the call box names, the partial-duplicate list
// built while a call is typed, the texts of their messages, and the "Dupe" prompt with its
// bounded wait. Calls, bands, modes and counties are compared without regard to case.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ks::forms {
class Application;
}

namespace ks {

struct LogRecord;
struct LogStore;

// A further condition on the records a window's checks consider (the in-state window's own
// county); every record counts when it is empty.
using DupeRecordFilter = std::function<bool(const LogRecord&)>;

struct DuplicateScan {
  long duplicate = 0;      // the record found, 0 when none
  std::string county;      // the county box as the scan left it
  bool county_filled = false;
};

// Records 1 to QSOCount in order: the first with `call` fills an empty `county`; the first
// with `call`, `band`, `mode` and the county is the duplicate, and the scan stops there.
DuplicateScan ScanForDuplicate(const LogStore& store, std::string_view call, std::string county,
                               std::string_view band, std::string_view mode, const DupeRecordFilter& filter = {});

// The records with `call`, in log order (those that also pass `filter`).
std::vector<long> RecordsWithCall(const LogStore& store, std::string_view call, const DupeRecordFilter& filter = {});

// The message naming record `number`: `lead`, the call as logged, the gap, the date, the gap,
// the time, `rec_label` and, two blanks after it, the number. With `short_date` the date
// shows as "mm/dd", else as stored. The two blanks are no-break spaces (0xA0), so that a
// message label that wraps the text never puts the number on a line of its own, away from
// "Rec#".
struct DupeMessageStyle {
  bool short_date = false;
  const char* rec_label = "   Rec#";
  const char* gap = "  ";  // between the call, the date and the time
};
inline constexpr const char* kRecNumberGap = "\xA0\xA0";
std::string DuplicateMessage(std::string_view lead, const LogRecord& record, long number,
                             const DupeMessageStyle& style = {});

inline constexpr const char* kDuplicateLead = "Duplicate ";

// The partial-duplicate list for the text `typed` (the call box's text and the key): the
// calls of this band and mode that begin with it, each followed by a blank, the later found
// in front; the scan stops once the list is longer than kPartialDupeListLimit characters.
inline constexpr std::size_t kPartialDupeListLimit = 100;
std::string PartialDupeList(const LogStore& store, std::string_view typed, std::string_view band,
                            std::string_view mode, const DupeRecordFilter& filter = {});

// Whether the second or the third character of a three-character call start is "/" or a
// digit (codes 47 to 57).
bool CallStartHasDigit(std::string_view typed);

// Starts the "Dupe" prompt; with voice navigation on, waits for its end without letting
// events run, but never longer than the prompt's length and one second.
void PlayDupePrompt(forms::Application& app, int voice_nav_level);

}  // namespace ks
