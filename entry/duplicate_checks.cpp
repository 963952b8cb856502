#include "entry/duplicate_checks.h"

#include "keying/keyer_services.h"
#include "logstore/log_store.h"
#include "platform/forms/application.h"
#include "platform/io/clock.h"
#include "platform/vb/datetime.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"

namespace ks {
namespace {

constexpr int kPromptPollMs = 10;
constexpr int kPromptGraceMs = 1000;

bool StartsWithNoCase(std::string_view text, std::string_view start) {
  return text.size() >= start.size() && vb::EqualsNoCase(text.substr(0, start.size()), start);
}

long LastRecord(const LogStore& store) {
  return std::min<long>(store.QSOCount, static_cast<long>(store.Records.size()) - 1);
}

}  // namespace

DuplicateScan ScanForDuplicate(const LogStore& store, std::string_view call, std::string county,
                               std::string_view band, std::string_view mode, const DupeRecordFilter& filter) {
  DuplicateScan scan;
  const long last = LastRecord(store);
  for (long i = 1; i <= last; ++i) {
    const LogRecord& r = store.Records[static_cast<std::size_t>(i)];
    if (!vb::EqualsNoCase(r.LogCall, call) || (filter && !filter(r))) continue;
    if (county.empty() && !r.LogCounty.empty()) {
      county = r.LogCounty;
      scan.county_filled = true;
    }
    if (vb::EqualsNoCase(r.LogBand, band) && vb::EqualsNoCase(r.LogMode, mode) &&
        vb::EqualsNoCase(r.LogCounty, county)) {
      scan.duplicate = i;
      break;
    }
  }
  scan.county = std::move(county);
  return scan;
}

std::vector<long> RecordsWithCall(const LogStore& store, std::string_view call, const DupeRecordFilter& filter) {
  std::vector<long> found;
  const long last = LastRecord(store);
  for (long i = 1; i <= last; ++i) {
    const LogRecord& r = store.Records[static_cast<std::size_t>(i)];
    if (vb::EqualsNoCase(r.LogCall, call) && (!filter || filter(r))) found.push_back(i);
  }
  return found;
}

std::string DuplicateMessage(std::string_view lead, const LogRecord& record, long number,
                             const DupeMessageStyle& style) {
  std::string date = record.LogDate;
  if (style.short_date) {
    if (const auto moment = vb::CDate(record.LogDate)) date = vb::Format(*moment, "mm/dd");
  }
  std::string text(lead);
  text.append(record.LogCall).append(style.gap).append(date).append(style.gap).append(record.LogTime);
  return text.append(style.rec_label).append(kRecNumberGap).append(std::to_string(number));
}

std::string PartialDupeList(const LogStore& store, std::string_view typed, std::string_view band,
                            std::string_view mode, const DupeRecordFilter& filter) {
  std::string list;
  const long last = LastRecord(store);
  for (long i = 1; i <= last && list.size() <= kPartialDupeListLimit; ++i) {
    const LogRecord& r = store.Records[static_cast<std::size_t>(i)];
    if (!StartsWithNoCase(r.LogCall, typed) || !vb::EqualsNoCase(r.LogMode, mode) ||
        !vb::EqualsNoCase(r.LogBand, band) || (filter && !filter(r)))
      continue;
    list.insert(0, r.LogCall + " ");
  }
  return list;
}

bool CallStartHasDigit(std::string_view typed) {
  auto digit_or_slash = [](char c) { return c >= '/' && c <= '9'; };
  return typed.size() >= 3 && (digit_or_slash(typed[1]) || digit_or_slash(typed[2]));
}

void PlayDupePrompt(forms::Application& app, int voice_nav_level) {
  KeyerServices& keyers = Keyers(app);
  keyers.BlindKeyPhone("Dupe");
  if (voice_nav_level == 0) return;
  io::Clock& clock = app.Clock();
  const std::int64_t deadline = clock.TickMs() + keyers.PromptLengthMs() + kPromptGraceMs;
  while (keyers.PromptPlaying() && clock.TickMs() < deadline) clock.Sleep(kPromptPollMs);
}

}  // namespace ks
