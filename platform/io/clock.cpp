#include "platform/io/clock.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <thread>

namespace ks::io {
namespace {

// Days from 1970-01-01 to the given proleptic Gregorian date (Howard Hinnant's algorithm).
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, int& y, int& m, int& d) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2));
}

CivilTime FromTm(const std::tm& tm, int ms) {
  return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec, ms};
}

}  // namespace

std::int64_t ToEpochMs(const CivilTime& t) {
  const std::int64_t days = DaysFromCivil(t.year, static_cast<unsigned>(t.month), static_cast<unsigned>(t.day));
  return ((days * 24 + t.hour) * 60 + t.minute) * 60000 + t.second * 1000 + t.millisecond;
}

CivilTime FromEpochMs(std::int64_t ms) {
  std::int64_t days = ms / 86400000;
  std::int64_t rest = ms % 86400000;
  if (rest < 0) {
    rest += 86400000;
    --days;
  }
  CivilTime t;
  CivilFromDays(days, t.year, t.month, t.day);
  t.hour = static_cast<int>(rest / 3600000);
  t.minute = static_cast<int>(rest / 60000 % 60);
  t.second = static_cast<int>(rest / 1000 % 60);
  t.millisecond = static_cast<int>(rest % 1000);
  return t;
}

CivilTime SystemClock::LocalNow() const {
  const auto now = std::chrono::system_clock::now();
  const std::time_t t = std::chrono::system_clock::to_time_t(now);
  std::tm tm{};
  localtime_r(&t, &tm);
  const int ms = static_cast<int>(
      std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000);
  return FromTm(tm, ms);
}

CivilTime SystemClock::UtcNow() const {
  const auto now = std::chrono::system_clock::now();
  return FromEpochMs(std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count());
}

std::int64_t SystemClock::TickMs() const {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

void SystemClock::Sleep(int ms) {
  if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

VirtualClock::VirtualClock() : utc_ms_(ToEpochMs({2026, 5, 9, 16, 0, 0, 0})) {}

CivilTime VirtualClock::LocalNow() const {
  return FromEpochMs(utc_ms_ + static_cast<std::int64_t>(local_offset_minutes_) * 60000);
}

CivilTime VirtualClock::UtcNow() const { return FromEpochMs(utc_ms_); }

void VirtualClock::Advance(std::int64_t ms) {
  if (ms <= 0) return;
  utc_ms_ += ms;
  tick_ms_ += ms;
  std::erase_if(steps_, [this](const Step& s) {
    if (s.at_tick_ms > tick_ms_) return false;
    utc_ms_ += s.by_ms;
    return true;
  });
}

void VirtualClock::StepTimeOfDayAt(std::int64_t at_tick_ms, std::int64_t by_ms) {
  if (at_tick_ms <= tick_ms_) {
    utc_ms_ += by_ms;
    return;
  }
  steps_.push_back({at_tick_ms, by_ms});
}

void VirtualClock::SetUtc(const CivilTime& utc) { utc_ms_ = ToEpochMs(utc); }

}  // namespace ks::io
