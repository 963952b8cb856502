#pragma once
// The recent-contacts list of both main windows, apart from the window: its refill (the
// last 20 or every contact, newest first), the next serial to send, the sort by a column
// header and the text that "&Copy Listed Items to Clipboard" copies. Each window gives the
// row of one record in its own columns; the row's text is always the record number, by
// which edit and delete find the record whatever the rows' order.
#include <functional>
#include <string>

#include "platform/forms/listview.h"

namespace ks {

struct LogRecord;
struct LogStore;

// The rows of the last 20 contacts unless `all`.
inline constexpr long kRecentContactRows = 20;

// The "Date/Time" cell: the date as "mm/dd", a blank, the time as "hh:nn"; a date or time
// that does not read as one is shown as stored.
std::string RecentDateTimeCell(const LogRecord& record);
// The "Pts" cell: the number's plain text ("2", "1.5").
std::string PointsCell(double points);

using RecentRowBuilder = std::function<forms::ListItem(long number, const LogRecord& record)>;

// The out-of-state window's row: call, received serial, county, sent serial, date and time,
// mode, band, points.
forms::ListItem OutOfStateRow(long number, const LogRecord& record);

// The in-state window's row: call, received serial, exchange, county, sent serial, date and
// time, mode, band, points and, for a rover, the own county at the time.
forms::ListItem InStateRow(long number, const LogRecord& record, bool rover);

// Replaces the rows by records QSOCount down to the first shown.
void RefillRecentContacts(forms::ListView& list, const LogStore& store, bool all, const RecentRowBuilder& row);

// The next serial to send, at least three characters: one more than the last record's sent
// serial when that reads as a number, else QSOCount + 1; "001" for an empty log.
std::string NextSerialText(const LogStore& store);

// What the serial macro of the CW messages holds for the serial label's caption: the
// caption without blanks, and as a whole number without leading zeros when it reads as one.
std::string SerialMacroText(const std::string& caption);

// Sorts the rows once by the text of the clicked column (1 the record number, 2 the first
// sub-item ...), ascending and without regard to case; later rows are not kept sorted.
void SortRecentContacts(forms::ListView& list, int column);

// The header line and the rows from the bottom row up, cells ended by Tab, lines by CR LF.
std::string RecentContactsCopyText(const forms::ListView& list);

// The record number a row stands for; 0 when there is no such row.
long RecordNumberOfRow(const forms::ListView& list, int row);

}  // namespace ks
