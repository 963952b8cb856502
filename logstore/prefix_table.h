#pragma once
// The call-prefix table: entries 1 to PrefixCount in the order of arrlpre2.txt, each a prefix
// with its country, continent and position. The setup window loads it once per run; the
// in-state window's call lookup and the spot lookup read it.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "startup/file_reports.h"

namespace ks::forms {
class Application;
}

namespace ks {

struct PrefixEntry {
  std::string PrefixCode;
  std::string PrefixCountry;
  std::string PrefixContinent;
  float PrefixLongitude = 0;  // degrees, positive to the west
  float PrefixLatitude = 0;
};

// app.State<PrefixTable>()
struct PrefixTable {
  // Entries[0] is never an entry; entries are Entries[1] .. Entries[PrefixCount].
  std::vector<PrefixEntry> Entries = std::vector<PrefixEntry>(1);
  std::int32_t PrefixCount = 0;

  // Searching from the last entry down to the first, the entry whose country begins with
  // `typed` (without regard to case); null when none does.
  const PrefixEntry* LastCountryStartingWith(std::string_view typed) const;
};

inline constexpr const char* kPrefixFileName = "arrlpre2.txt";
inline constexpr std::int32_t kMaxPrefixEntries = 10000;

// Finds arrlpre2.txt in the shared folder, else the data folder, else the working directory,
// and reads it whole into the table: per record the prefix, country, continent, longitude and
// latitude, then three values that are not kept. A missing file leaves the table empty and
// is no failure. The report names the file and, for a record that cannot be read or the one
// past the 10000th, its line; the records read whole before that stay in the table.
FileReport LoadPrefixTable(forms::Application& app);

}  // namespace ks
