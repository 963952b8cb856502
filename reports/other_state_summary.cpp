#include "reports/other_state_summary.h"

#include <array>

#include "platform/vb/text.h"
#include "reports/qso_line.h"

namespace ks {

std::string OtherStateSummary(const std::vector<LogRecord>& records, long count, const OtherStateEntry& e) {
  static constexpr std::array<const char*, 5> kBands = {"80", "40", "20", "15", "10"};
  const std::string end = "\r\n";
  std::string text = "STATE QSO PARTY SUMMARY SHEET" + end + end;
  text += ColumnText(false).At(1, "Call: " + e.own_call).At(25, "State: " + e.own_state).At(40, "County: " + e.own_county).Text() +
          end;
  text += "Operators: " + e.operators + end + end;
  text += ColumnText(false)
              .At(1, "Category: " + e.category)
              .At(30, "Power: " + e.power)
              .At(45, "Mode: " + e.mode)
              .At(60, "License: " + e.license_class)
              .Text() +
          end + end;
  text += ColumnText(false).At(1, "Band").At(12, "CW QSOs").At(24, "Phone QSOs").Text() + end;
  long cw_total = 0;
  long phone_total = 0;
  for (const char* band : kBands) {
    long cw = 0;
    long phone = 0;
    for (long i = 1; i <= count && i < static_cast<long>(records.size()); ++i) {
      const LogRecord& r = records[static_cast<std::size_t>(i)];
      if (!vb::EqualsNoCase(r.LogBand, band)) continue;
      if (vb::EqualsNoCase(r.LogMode, "CW")) ++cw;
      if (vb::EqualsNoCase(r.LogMode, "PH")) ++phone;
    }
    cw_total += cw;
    phone_total += phone;
    text += ColumnText(false).At(1, band).At(12, std::to_string(cw)).At(24, std::to_string(phone)).Text() + end;
  }
  text += ColumnText(false).At(1, "Total").At(12, std::to_string(cw_total)).At(24, std::to_string(phone_total)).Text() +
          end + end;
  const long points = 2 * cw_total + phone_total;
  const long subtotal = points * e.multipliers;
  text += "QSO Points (2 per CW QSO, 1 per Phone QSO) = " + std::to_string(points) + end;
  text += "Total Points = " + std::to_string(points) + end;
  text += "Multipliers = " + std::to_string(e.multipliers) + end;
  text += "Subtotal = " + std::to_string(points) + " x " + std::to_string(e.multipliers) + " = " +
          std::to_string(subtotal) + end;
  text += "Power Multiplier = " + std::to_string(e.power_multiplier) + end;
  text += "Final Score = " + std::to_string(subtotal * e.power_multiplier) + end + end;
  text += "Club or School: " + e.club + end + end;
  text += "I have observed all competition rules as well as all regulations for amateur radio in my country." + end;
  text += "My report is correct and true to the best of my knowledge." + end + end;
  text += "Name: " + e.name + end + "Address: " + e.address1 + end + "Address: " + e.address2 + end;
  return text;
}

std::string OtherStateSummaryFileName(const std::string& file_name) {
  return (file_name.size() > 3 ? file_name.substr(0, file_name.size() - 3) : std::string()) + "sum";
}

}  // namespace ks
