#pragma once
// The QSO rates of both main windows: the contacts of the last 60 minutes and three times
// those of the last 20, by a walk from the newest record back that stops at the first
// record an hour old or older.
#include <optional>

#include "platform/vb/datetime.h"

namespace ks {

struct LogStore;

struct QsoRates {
  long last60 = 0;  // contacts younger than 3600 seconds
  long last20 = 0;  // 3 x the contacts younger than 1200 seconds
};

// Nothing when the walk meets a record whose date and time do not read as a moment (the
// labels then keep their old text). A record stamped later than `now_utc` counts in both.
std::optional<QsoRates> CountQsoRates(const LogStore& store, const vb::DateTime& now_utc);

}  // namespace ks
