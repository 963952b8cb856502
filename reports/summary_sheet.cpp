#include "reports/summary_sheet.h"

#include <optional>

#include "platform/vb/parse.h"
#include "platform/vb/text.h"
#include "reports/qso_line.h"

namespace ks {

ScoreGroups CountScoreGroups(const std::vector<LogRecord>& records, long count) {
  ScoreGroups g;
  for (long i = 1; i <= count && i < static_cast<long>(records.size()); ++i) {
    const LogRecord& r = records[static_cast<std::size_t>(i)];
    if (r.LogPoints <= 0) continue;
    const std::string mode = vb::UCase(r.LogMode);
    if (mode == "CW") {
      const bool low = vb::EqualsNoCase(r.LogBand, "160") || vb::EqualsNoCase(r.LogBand, "80");
      (low ? g.low_cw : g.other_cw) += 1;
      (low ? g.low_cw_points : g.other_cw_points) += r.LogPoints;
    } else if (mode == "PH") {
      ++g.phone;
    } else if (mode == "RY") {
      ++g.rtty;
      g.rtty_points += r.LogPoints;
    } else if (mode == "PK") {
      ++g.psk;
      g.psk_points += r.LogPoints;
    }
  }
  return g;
}

int BonusMultiplier(bool novice_tech, bool qrp) {
  const int bonus = (novice_tech ? 3 : 0) + (qrp ? 2 : 0);
  return bonus == 0 ? 1 : bonus;
}

namespace {

std::string N(double value) { return PlainNumber(value); }
// A number written alone: one space before it and one after.
std::string Alone(double value) { return ColumnText().Number(value).Text(); }

// A score line with its right-hand column at column 40.
std::string ScoreLine(const std::string& left, const std::string& right) {
  return ColumnText().Add(left).At(40, right).Text() + "\r\n";
}

}  // namespace

long TotalMultipliers(const SummaryEntry& e) {
  if (e.out_of_state) return e.counties;
  return e.counties + e.sections + (e.any_dx ? 1 : 0);
}

SummaryText SummarySheet(const std::vector<LogRecord>& records, long count, const SummaryEntry& e) {
  const std::optional<double> special = vb::CDbl(e.special_event_bonus);
  const std::optional<double> rover = vb::CDbl(e.rover_bonus);
  if (!special || !rover) return {"", "A bonus box does not hold a number."};
  const ScoreGroups g = CountScoreGroups(records, count);
  const long dx = e.out_of_state ? 0 : (e.any_dx ? 1 : 0);
  const long sections = e.out_of_state ? 0 : e.sections;
  const long multipliers = TotalMultipliers(e);
  const double raw = g.Points() * static_cast<double>(multipliers);
  const int bonus = BonusMultiplier(e.novice_tech, e.qrp);
  const double total = bonus * raw;
  std::string t = "PENNSYLVANIA QSO PARTY\r\nOFFICIAL SUMMARY AND SCORE SHEET\r\n\r\n";
  t += "Call: " + e.own_call + "  Section: " + e.own_section + "  County: " + e.own_county + "\r\n\r\n";
  if (!e.operators.empty()) t += "Operators: " + e.operators + "\r\n\r\n";
  t += "Name: " + e.name + "\r\nPA Club Affiliation: " + e.club + "\r\nADDRESS: " + e.address1 + "\r\n";
  t += "ADDRESS: " + e.address2 + "\r\nADDRESS: (e-mail) " + e.email + "\r\n\r\n";
  t += "ENTRY CLASS: " + e.category + "    STATION: " + e.station + "   POWER: " + e.power + "\r\n\r\n";
  t += "SCORE CALCULATION\r\n\r\n";
  t += ScoreLine("160 and 80 CW = " + N(g.low_cw) + " X 2.0 = " + N(g.low_cw_points), "  Counties = " + N(e.counties));
  t += ScoreLine("Other CW = " + N(g.other_cw) + " X 2.0 = " + N(g.other_cw_points), "  Sections = " + N(sections));
  t += ScoreLine("SSB & FM = " + N(g.phone) + " X 1.0 = " + N(g.phone), "  DX = " + N(dx));
  t += "RTTY = " + N(g.rtty) + " X 2.0 = " + N(g.rtty_points) + "\r\n";
  t += "PSK = " + N(g.psk) + " X 2.0 = " + N(g.psk_points) + "\r\n\r\n";
  t += "Total QSOs = " + N(g.Qsos()) + "   Total Points " + N(g.Points()) + " X Total Multipliers = " +
       N(multipliers) + "\r\n";
  t += "Total Raw Score = " + Alone(raw) + "\r\n\r\n";
  t += "Bonus Multiplier " + N(bonus) + " X Raw Score " + N(raw) + " = " + Alone(total) + "\r\n";
  t += "Special Event Station Bonus = " + N(*special / 200) + " X 200 = " + e.special_event_bonus + "\r\n";
  t += "Mobile and Rover Bonus = " + N(*rover / 500) + " X 500 = " + e.rover_bonus + "\r\n\r\n";
  t += "FINAL SCORE = Total Score + Bonus Points = " + Alone(total + *rover + *special) + "\r\n\r\n";
  if (!e.soapbox.empty()) t += "\r\nSOAPBOX: " + e.soapbox + "\r\n";
  t += "Send Log and Dupe Sheet with Summary Sheet to:\r\n";
  t += "PA QSO Party Log Checker\r\n";
  t += "The sponsoring club named in this year's rules\r\n";
  t += "The post-office box given in the rules\r\n";
  t += "Town, PA and ZIP code as given in the rules\r\n";
  return {t, ""};
}

}  // namespace ks
