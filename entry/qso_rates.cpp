#include "entry/qso_rates.h"

#include <string>

#include "logstore/log_store.h"

namespace ks {

std::optional<QsoRates> CountQsoRates(const LogStore& store, const vb::DateTime& now_utc) {
  QsoRates rates;
  long short_count = 0;
  std::string moment_text;
  for (long i = store.QSOCount; i >= 1; --i) {
    if (static_cast<std::size_t>(i) >= store.Records.size()) return std::nullopt;
    const LogRecord& r = store.Records[static_cast<std::size_t>(i)];
    moment_text.assign(r.LogDate).append(" ").append(r.LogTime);
    const std::optional<vb::DateTime> moment = vb::CDate(moment_text);
    if (!moment) return std::nullopt;
    const long long age = vb::DateDiffSeconds(*moment, now_utc);
    if (age < 1200) ++short_count;
    if (age >= 3600) break;
    ++rates.last60;
  }
  rates.last20 = 3 * short_count;
  return rates;
}

}  // namespace ks
