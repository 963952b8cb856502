#pragma once
// The spot line every source delivers: "DX" in columns 1 and 2 (any case), the frequency in
// kHz in columns 16 to 24, the call in columns 27 to 39 and the record text from column 4 on.
// Any bytes and any length are safe: a field past the end of a short line is empty.
#include <string>
#include <string_view>

namespace ks {

struct SpotLineFields {
  std::string frequency;  // kHz as text, spaces trimmed
  std::string call;       // as typed into the call box: to the first blank or control
                          // character, in capitals, without double quotes
};

// The line begins with "DX", compared ignoring case.
bool IsSpotLine(std::string_view line);
// The frequency and the call, cut at their columns (counted from the line's first character).
SpotLineFields CutSpotFields(std::string_view line);
// The line without its first three characters, spaces trimmed at both ends.
std::string SpotRecordText(std::string_view line);

// The cells of one spot-list row, cut from the record text (itself cut before its first
// carriage return).
struct SpotListCells {
  std::string comments;  // spotter part, two spaces, comment part
  std::string prefix;
  std::string time;
  std::string from;
};
SpotListCells CutSpotListCells(std::string_view record);

// The record text up to its first carriage return.
std::string_view RecordBeforeReturn(std::string_view record);

// A frequency in MHz as the list shows it: the shortest text of the value (14.025, 14.0255).
std::string SpotFrequencyText(double mhz);

}  // namespace ks
