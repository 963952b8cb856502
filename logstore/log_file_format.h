#pragma once
// The bytes of log.txt and the records they hold: one line per record, its 20 values in the
// settings line format (19 texts between double quotes and the points as a bare number).
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "logstore/log_store.h"

namespace ks {

struct LogParseResult {
  long count = 0;  // records read into slots 1 .. count
  bool ok = true;
  std::size_t line = 0;  // when not ok: the line of the bad record (from 1) ...
  std::string reason;    // ... and what is wrong with it
};

// Reads every record of `bytes` into records[1], records[2] ..., reusing the slots already
// there and growing the vector as needed (slot 0 is left alone). Each record is one line of
// exactly 20 values; lines that hold only blanks, a byte-order mark before the first, and a
// DOS end-of-file mark (Ctrl-Z) alone on its line are passed over. A UTF-16 file is refused
// as such at its line 1. A line that is no record stops the reading with ok false, its line and the
// reason: no record is ever taken in part. So is a line that FormatLogText would not give back
// as it stands, so that the records read are the records that a rewrite reads back: another
// number of values, a points value that is not a number or has more digits than the writer
// keeps, a text cut off before its closing quote, a double quote inside a text (quoted or
// not), text after a closing quote.
LogParseResult ParseLogText(std::string_view bytes, std::vector<LogRecord>& records);

// Records 1 to `count` as the bytes of log.txt.
std::string FormatLogText(const std::vector<LogRecord>& records, long count);

}  // namespace ks
