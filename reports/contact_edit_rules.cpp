#include "reports/contact_edit_rules.h"

#include <algorithm>

#include "logstore/key_filters.h"
#include "logstore/log_store.h"
#include "mainwin/band_mode_rules.h"
#include "mainwin/section_table.h"
#include "platform/vb/constants.h"
#include "platform/vb/datetime.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"

namespace ks {
namespace {

bool IsDigit(int key) { return key >= '0' && key <= '9'; }

// A time typed alone reads as that time on the toolkit's day zero.
bool IsTimeAlone(const vb::DateTime& moment) {
  const vb::DateTime day_zero;
  return moment.year == day_zero.year && moment.month == day_zero.month && moment.day == day_zero.day;
}

}  // namespace

void FilterCallKey(int& key_ascii) {
  if (key_ascii == ' ' || key_ascii == ',' || key_ascii == '\'' || key_ascii == '"') key_ascii = 0;
  CapitalizeKey(key_ascii);
}

void FilterPointsKey(int& key_ascii) {
  CapitalizeKey(key_ascii);
  if (key_ascii != vb::vbKeyBack && (key_ascii < '.' || key_ascii > '9')) key_ascii = 0;
}

void FilterDateKey(int& key_ascii) {
  if (key_ascii != vb::vbKeyBack && key_ascii != '/' && !IsDigit(key_ascii)) key_ascii = 0;
}

void FilterTimeKey(int& key_ascii) {
  if (key_ascii != vb::vbKeyBack && key_ascii != ':' && !IsDigit(key_ascii)) key_ascii = 0;
}

bool IsContestBand(std::string_view band) { return BandIndex(band) >= 0; }
bool IsContestMode(std::string_view mode) { return ModeIndex(mode) >= 0; }

bool IsInStateExchange(const std::string& spc, const std::string& party_state, const SectionTable& sections) {
  if (spc.empty()) return false;
  if (vb::EqualsNoCase(spc, party_state) || spc.size() >= 4) return true;
  const int count = static_cast<int>(sections.SectionCount);
  for (int i = 1; i <= count && i < static_cast<int>(sections.SectionAbbrev.size()); ++i)
    if (vb::EqualsNoCase(spc, sections.SectionAbbrev[static_cast<std::size_t>(i)])) return true;
  return false;
}

std::optional<std::string> LogDateOf(std::string_view typed) {
  const std::optional<vb::DateTime> moment = vb::CDate(typed);
  if (!moment || IsTimeAlone(*moment)) return std::nullopt;
  return vb::Format(*moment, "yyyy/mm/dd");
}

std::optional<std::string> LogTimeOf(std::string_view typed) {
  const std::optional<vb::DateTime> moment = vb::CDate(typed);
  if (!moment || !IsTimeAlone(*moment)) return std::nullopt;
  return vb::Format(*moment, "hh:mm:ss");
}

int CountOtherRecordsMatching(const LogStore& log, long edit_index, const ContactKey& key) {
  int matches = 0;
  const long last = std::min<long>(log.QSOCount, static_cast<long>(log.Records.size()) - 1);
  for (long i = 1; i <= last; ++i) {
    if (i == edit_index) continue;
    const LogRecord& r = log.Records[static_cast<std::size_t>(i)];
    if (!vb::EqualsNoCase(r.LogCall, key.call) || !vb::EqualsNoCase(r.LogBand, key.band) ||
        !vb::EqualsNoCase(r.LogMode, key.mode) || !vb::EqualsNoCase(r.LogCounty, key.county))
      continue;
    if (key.county_sent && !vb::EqualsNoCase(r.LogCountySent, *key.county_sent)) continue;
    ++matches;
  }
  return matches;
}

}  // namespace ks
