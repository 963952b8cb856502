#pragma once
// The texts of the files for the sponsor, worked out from the log alone: the Cabrillo log, the
// plain log and the dupe sheet. Each is the whole file, lines ended by CR LF, in the log's
// single-byte code; nothing when a record's date or time does not read (the error names the
// record).
#include <optional>
#include <string>
#include <vector>

#include "logstore/log_store.h"
#include "reports/qso_line.h"

namespace ks {

// The entry details of the submission-file window that the Cabrillo header needs.
struct CabrilloHeader {
  std::string program_version;
  std::string own_call;
  std::string own_section;
  std::string party_state;
  std::string category;  // "SINGLE-OP" ...
  std::string power;     // " LOW" ...
  std::string club;
  std::optional<long long> claimed_score;  // left out when nothing
  std::string operators;
  std::string name, address1, address2, email, soapbox;
};

// "<call>.log" for a call of 1 to 10 letters and digits (any case), "ASCIICab.txt" otherwise.
std::string CabrilloFileName(const std::string& own_call);

struct SponsorText {
  std::string text;
  std::string error;  // set when the text could not be made
};

SponsorText CabrilloLog(const std::vector<LogRecord>& records, long count, const CabrilloHeader& header,
                        const QsoLineOptions& lines);
SponsorText PlainLog(const std::vector<LogRecord>& records, long count, const std::string& own_call,
                     const QsoLineOptions& lines);

// The dupe sheet: the calls of each band and mode, sorted by call area, then call.
std::string DupeSheet(const std::vector<LogRecord>& records, long count, const std::string& own_call,
                      bool out_of_state);

// The dupe sheet's plain layout: no title or heads, the bands "160" to "2" and "1.25", "70",
// "33", "23", the modes "CW", "DIG" and "SSB" (so of this log only the CW groups fill), the
// calls alone.
std::string AsciiDupeSheet(const std::vector<LogRecord>& records, long count);

// "<call>.dup" for a call of 1 to 10 letters and digits (any case), "ASCIIDup.txt" otherwise.
std::string AsciiDupeFileName(const std::string& own_call);

// The sort key of a call on the dupe sheet: its first digit, then the whole call; a space
// before a call without a digit.
std::string DupeSortKey(const std::string& call);

}  // namespace ks
