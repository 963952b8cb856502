#pragma once
// The counties of the party state (county2.txt), the look-ups on them, and the type-ahead
// that completes a county name while it is typed into a county box.
#include <string>
#include <vector>

#include "startup/file_reports.h"

namespace ks::forms {
class Application;
class TextBox;
}  // namespace ks::forms

namespace ks {

// app.State<CountyTable>(): entries 1 to CountyCount in file order; slot 0 is empty.
struct CountyTable {
  std::vector<std::string> CountyName = std::vector<std::string>(1);
  std::vector<std::string> CountyAbbrev = std::vector<std::string>(1);
  int CountyCount = 0;
};

inline constexpr const char* kCountyFileName = "county2.txt";
inline constexpr int kMaxCounties = 1000;

// Fills the table with the records of county2.txt (working directory) whose first value
// begins with PartyState exactly: the rest of that value is the name, the second value the
// abbreviation. Blank lines are passed over. The table is left empty, and the report names
// the file (and the line, for a record) when the file is missing or unreadable, a record is
// incomplete, the state has more than kMaxCounties, or it has no county at all.
FileReport LoadCountyTable(forms::Application& app);

// The full name for an abbreviation, or "" when none matches. `typed` is upper-cased in the
// caller's variable first; the match is then exact.
std::string ExpandCountyAbbrev(const CountyTable& table, std::string& typed);

// The county as the CW keyer sends it: the abbreviation when the text names a county
// (without regard to case) whose abbreviation is not empty and shorter; the text otherwise.
std::string ShortenCountyForCW(const CountyTable& table, const std::string& county);

// Whether `text` equals a county name without regard to case.
bool IsCountyName(const CountyTable& table, const std::string& text);

// Puts the county's name in place of a county code that `box` holds (in any letter case), so
// that a box which takes a county takes the codes stations send as well; any other text stays
// as it is. True when the text was replaced.
bool ExpandCountyCodeInBox(forms::TextBox& box, const CountyTable& table);

// What a county box leaves out of the type-ahead.
struct CountyTypeAheadRule {
  // A Space typed at the start of the box leaves its text alone instead of emptying it.
  bool space_keeps_text_at_start = false;
};

// The type-ahead rule of every county box, run from its KeyPress handler on the typed code
// `key_ascii`: a key typed at the start replaces the whole text; the first letter of the box
// and of each further word becomes a capital; the text before the caret and the key complete
// to the name latest in the table that begins with them (without regard to case), with the
// rest of the name selected and the key consumed (set to 0). Returns true when it completed.
bool CountyTypeAhead(forms::TextBox& box, const CountyTable& table, int& key_ascii,
                     CountyTypeAheadRule rule = {});

}  // namespace ks
