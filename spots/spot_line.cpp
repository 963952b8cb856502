#include "spots/spot_line.h"

#include "platform/vb/number_text.h"
#include "platform/vb/text.h"

namespace ks {

bool IsSpotLine(std::string_view line) { return vb::EqualsNoCase(vb::Left(line, 2), "DX"); }

namespace {

bool EndsCall(char c) { return static_cast<unsigned char>(c) <= ' ' || c == 127; }

// A call goes into the call box as typing would put it there: it ends at the first blank or
// control character after it begins (a packet frame of several lines can run the next line
// into the columns), letters are capitals and a double quote, which the box refuses, is left
// out.
std::string CallAsTyped(std::string_view columns) {
  std::string call;
  while (!columns.empty() && EndsCall(columns.front())) columns.remove_prefix(1);
  for (const char c : columns) {
    if (EndsCall(c)) break;
    if (c == '"') continue;
    call += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  }
  return call;
}

}  // namespace

SpotLineFields CutSpotFields(std::string_view line) {
  return {vb::Trim(vb::Mid(line, 16, 9)), CallAsTyped(vb::Mid(line, 27, 13))};
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
