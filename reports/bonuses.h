#pragma once
// The bonus points of the submission-file window.
#include <string>
#include <vector>

#include "logstore/log_store.h"

namespace ks {

// 500 points for each own county (case ignored) with 10 or more contacts made from it. Any
// number of own counties is counted.
long RoverCountyBonus(const std::vector<LogRecord>& records, long count);

// 200 points for each contact with the special-event station (case ignored), duplicates
// included; none for an empty call.
long SpecialEventBonus(const std::vector<LogRecord>& records, long count, const std::string& call);

}  // namespace ks
