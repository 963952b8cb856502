#include "spots/spot_line.h"

#include "platform/vb/number_text.h"
#include "platform/vb/text.h"

namespace ks {

bool IsSpotLine(std::string_view line) { return vb::EqualsNoCase(vb::Left(line, 2), "DX"); }

SpotLineFields CutSpotFields(std::string_view line) {
  return {vb::Trim(vb::Mid(line, 16, 9)), vb::Trim(vb::Mid(line, 27, 13))};
}

std::string SpotRecordText(std::string_view line) { return vb::Trim(vb::Mid(line, 4)); }

std::string_view RecordBeforeReturn(std::string_view record) {
  const auto cr = record.find('\r');
  return cr == std::string_view::npos ? record : record.substr(0, cr);
}

SpotListCells CutSpotListCells(std::string_view record) {
  SpotListCells cells;
  cells.comments = vb::Trim(vb::Mid(record, 1, 11)) + "  " + vb::Trim(vb::Mid(record, 35, 25));
  cells.prefix = vb::Trim(vb::Mid(record, 62, 5));
  cells.time = vb::Mid(record, 68, 4);
  cells.from = vb::Trim(vb::Mid(record, 73, 4));
  return cells;
}

std::string SpotFrequencyText(double mhz) { return vb::CStr(mhz); }

}  // namespace ks
