#pragma once
// A contest-like log for the benchmarks: calls of the usual shapes (K3ABC, WA2XYZ, N1AB),
// the 67 counties of the supplied county table, the eight bands and four modes in contest
// proportions, serials that count up, and stamps in time order, a contact every 20 seconds
// from the start of the contest. The same seed gives the same log.
#include <random>
#include <string>
#include <vector>

#include "logstore/log_store.h"
#include "platform/vb/datetime.h"
#include "platform/vb/format.h"

namespace ks::bench {

class ContestLog {
 public:
  explicit ContestLog(std::vector<std::string> counties, unsigned seed = 7)
      : counties_(std::move(counties)), random_(seed) {}

  std::string Call() {
    static const char* const kPrefixes[] = {"K", "W", "N", "KA", "KB", "KC", "KD", "WA", "WB", "AA", "AB", "VE"};
    std::string call = kPrefixes[random_() % std::size(kPrefixes)];
    call += static_cast<char>('0' + random_() % 10);
    const int letters = 1 + static_cast<int>(random_() % 3);
    for (int i = 0; i < letters; ++i) call += static_cast<char>('A' + random_() % 26);
    return call;
  }

  LogRecord Record(long n) {
    static const char* const kBands[] = {"80", "40", "40", "20", "20", "20", "15", "10", "160", "6", "2"};
    LogRecord r;
    r.LogCall = Call();
    r.LogCounty = counties_[random_() % counties_.size()];
    r.LogSerialSent = std::to_string(n);
    const vb::DateTime moment = Moment(n);
    r.LogDate = vb::Format(moment, "yyyy/mm/dd");
    r.LogTime = vb::Format(moment, "hh:mm:ss");
    const unsigned mode = random_() % 20;
    r.LogMode = mode < 11 ? "PH" : mode < 19 ? "CW" : (mode == 19 ? "RY" : "PK");
    r.LogBand = kBands[random_() % std::size(kBands)];
    r.LogPoints = r.LogMode == "PH" ? 1 : 2;
    r.LogSerialReceived = std::to_string(1 + random_() % 800);
    r.LogFrequency = random_() % 3 == 0 ? "14.250" : "";
    return r;
  }

  // The stamp of contact n: every 20 seconds from 16:00 UTC on the contest's first day.
  static vb::DateTime Moment(long n) {
    return vb::AddSeconds(vb::DateTime{2026, 10, 10, 16, 0, 0}, 20LL * n).value_or(vb::DateTime{});
  }

  std::string Text(long count) {
    std::string text;
    for (long n = 1; n <= count; ++n) text += FormatLogLine(Record(n));
    return text;
  }

 private:
  std::vector<std::string> counties_;
  std::mt19937 random_;
};

}  // namespace ks::bench
