#pragma once
// What the contact editors check and store, apart from their windows: the key filters of the
// points, date and time boxes, the band, mode and exchange rules, the date and time in the
// log's own forms, and the duplicate scan over every other record of the log.
#include <optional>
#include <string>
#include <string_view>

namespace ks {

struct LogStore;
struct SectionTable;

// Call: a letter is capitalised; a blank, a comma, an apostrophe and a double quote are
// dropped, as the main windows' call box never takes them in. A call stays one field of the
// QSO line and of log.txt.
void FilterCallKey(int& key_ascii);
// Points: digits, "." and "/" pass, and Backspace; a lower-case letter is capitalised first
// and then dropped with every other key.
void FilterPointsKey(int& key_ascii);
// Date: the digits, "/" and Backspace pass. Time: the digits, ":" and Backspace pass.
void FilterDateKey(int& key_ascii);
void FilterTimeKey(int& key_ascii);

bool IsContestBand(std::string_view band);
bool IsContestMode(std::string_view mode);

// An in-state station's exchange: the party state, a DX country name (four characters or
// more), or one of the section abbreviations; never empty. Case is ignored.
bool IsInStateExchange(const std::string& spc, const std::string& party_state, const SectionTable& sections);

// The date of a date box as the log writes it ("yyyy/mm/dd"), and the time of a time box
// ("hh:mm:ss"); nothing when the text does not read as one. Each box must hold its own kind:
// a time alone in the date box is no date of the contact, nor a date in the time box.
std::optional<std::string> LogDateOf(std::string_view typed);
std::optional<std::string> LogTimeOf(std::string_view typed);

// The fields that make two contacts one: the call, band, mode and county, and for an
// in-state station also the county it sent.
struct ContactKey {
  std::string call;
  std::string band;
  std::string mode;
  std::string county;
  std::optional<std::string> county_sent;
};

// How many records other than `edit_index` (1-based) match the key, case ignored.
int CountOtherRecordsMatching(const LogStore& log, long edit_index, const ContactKey& key);

}  // namespace ks
