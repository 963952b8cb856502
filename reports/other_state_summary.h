#pragma once
// A summary sheet in the layout of another state's QSO party, which the submission-file window
// holds but never writes: the entrant, the entry's category, power, mode and licence class, the
// CW and phone contacts of 80 to 10 metres with their points, the multipliers and the score,
// the club, the declaration and the entrant's name and address.
#include <string>
#include <vector>

#include "logstore/log_store.h"

namespace ks {

struct OtherStateEntry {
  std::string own_call, own_state, own_county;
  std::string operators;
  std::string category, power, mode, license_class;
  long multipliers = 0;
  long power_multiplier = 1;
  std::string club;
  std::string name, address1, address2;
};

// The file's text, lines ended by CR LF.
std::string OtherStateSummary(const std::vector<LogRecord>& records, long count, const OtherStateEntry& entry);

// `file_name` with "sum" in place of its last three characters (the whole name when shorter).
std::string OtherStateSummaryFileName(const std::string& file_name);

}  // namespace ks
