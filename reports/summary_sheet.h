#pragma once
// The official summary and score sheet: the score groups of the log, the multipliers, the
// bonus multiplier and bonus points, and the text of the sheet.
#include <string>
#include <vector>

#include "logstore/log_store.h"

namespace ks {

struct SummaryEntry {
  std::string own_call, own_section, own_county;
  std::string operators, name, club, address1, address2, email, soapbox;
  std::string category, station, power;  // texts of the option groups
  bool novice_tech = false;
  bool qrp = false;
  bool out_of_state = false;
  long counties = 0;  // entries of the main window's worked-county list
  long sections = 0;  // in-state: sections worked
  bool any_dx = false;  // in-state: any DX country worked
  std::string rover_bonus = "0";          // the rover and mobile box as typed
  std::string special_event_bonus = "0";  // the special-event box as typed
};

struct ScoreGroups {
  long low_cw = 0, other_cw = 0, phone = 0, rtty = 0, psk = 0;  // contacts
  double low_cw_points = 0, other_cw_points = 0, rtty_points = 0, psk_points = 0;
  long Qsos() const { return low_cw + other_cw + phone + rtty + psk; }
  double Points() const { return low_cw_points + other_cw_points + static_cast<double>(phone) + rtty_points + psk_points; }
};

// The groups of records 1 to count that carry points (a phone contact counts 1 point).
ScoreGroups CountScoreGroups(const std::vector<LogRecord>& records, long count);

// Counties, and for a station inside the state also the sections and one for any DX.
long TotalMultipliers(const SummaryEntry& entry);

// 3 for Novice / Tech, plus 2 for QRP; 1 when neither.
int BonusMultiplier(bool novice_tech, bool qrp);

struct SummaryText {
  std::string text;
  std::string error;  // a bonus box that does not read as a number
};

SummaryText SummarySheet(const std::vector<LogRecord>& records, long count, const SummaryEntry& entry);

}  // namespace ks
