#include "reports/bonuses.h"

#include <map>

#include "platform/vb/text.h"

namespace ks {

long RoverCountyBonus(const std::vector<LogRecord>& records, long count) {
  std::map<std::string, long> contacts;  // by the county in upper case
  for (long i = 1; i <= count && i < static_cast<long>(records.size()); ++i) {
    const std::string& county = records[static_cast<std::size_t>(i)].LogCountySent;
    if (!county.empty()) ++contacts[vb::UCase(county)];
  }
  long activated = 0;
  for (const auto& [county, n] : contacts) activated += n > 9 ? 1 : 0;
  return 500 * activated;
}

long SpecialEventBonus(const std::vector<LogRecord>& records, long count, const std::string& call) {
  long worked = 0;
  for (long i = 1; i <= count && i < static_cast<long>(records.size()); ++i)
    worked += vb::EqualsNoCase(records[static_cast<std::size_t>(i)].LogCall, call) ? 1 : 0;
  return 200 * worked;
}

}  // namespace ks
