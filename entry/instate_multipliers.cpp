#include "entry/instate_multipliers.h"

#include "logstore/log_store.h"
#include "mainwin/section_table.h"
#include "platform/vb/text.h"

namespace ks {
namespace {

constexpr int kSectionFlagSlot = 1;

int SectionCountOf(const SectionTable& sections) {
  const int count = static_cast<int>(sections.SectionCount);
  return count < 0 ? 0 : (count >= kSectionSlots ? kSectionSlots - 1 : count);
}

}  // namespace

bool CountsAsDXCountry(std::string_view exchange) {
  if (exchange.size() <= 3) return false;
  for (std::string_view not_dx : {"USA", "Canada", "Alaska", "Hawaii", "Not Found"}) {
    if (vb::EqualsNoCase(exchange, not_dx)) return false;
  }
  return true;
}

int SectionOfExchange(const SectionTable& sections, std::string_view exchange) {
  if (exchange.empty() || exchange.size() >= 4) return 0;
  const int count = SectionCountOf(sections);
  for (int i = 1; i <= count; ++i) {
    if (vb::EqualsNoCase(sections.SectionAbbrev[static_cast<std::size_t>(i)], exchange)) return i;
  }
  return 0;
}

void RebuildSectionFlags(InStateTallies& tallies, const SectionTable& sections, const LogStore& store) {
  for (auto& slot : tallies.MultWorkedFlags)
    for (int& flag : slot) flag = 0;
  for (long i = 1; i <= store.QSOCount; ++i) {
    const int section = SectionOfExchange(sections, store.Records[static_cast<std::size_t>(i)].LogSPC);
    if (section != 0) tallies.MultWorkedFlags[kSectionFlagSlot][section] = 1;
  }
}

long CountSectionsWorked(InStateTallies& tallies) {
  long count = 0;
  for (int i = 1; i < kSectionSlots; ++i) count += tallies.MultWorkedFlags[kSectionFlagSlot][i] != 0 ? 1 : 0;
  tallies.MultWorkedCount = count;
  return count;
}

int MarkSectionWorked(InStateTallies& tallies, const SectionTable& sections, std::string_view exchange) {
  const int section = SectionOfExchange(sections, exchange);
  if (section == 0 || tallies.MultWorkedFlags[kSectionFlagSlot][section] == 1) return 0;
  tallies.MultWorkedFlags[kSectionFlagSlot][section] = 1;
  ++tallies.MultWorkedCount;
  return section;
}

long InStateMultipliers(long sections_worked, long counties_worked, long dx_countries_worked) {
  return sections_worked + counties_worked + (dx_countries_worked > 0 ? 1 : 0);
}

}  // namespace ks
