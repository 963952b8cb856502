#pragma once
// The multipliers of a station inside the party state: the sections of the section table
// received as exchange, the party-state counties received, and DX countries, which together
// count as one multiplier at most. The recount after a reload and the update after each new
// contact use these same rules, so the score never changes on a mere reload.
#include <string_view>

namespace ks {

struct InStateTallies;
struct LogStore;
struct SectionTable;

// An exchange that names a DX country: longer than three characters and none of the names the
// prefix look-up gives to stations of the USA, Canada, Alaska and Hawaii or to an unknown call.
bool CountsAsDXCountry(std::string_view exchange);

// The index of the section an exchange names (1 to SectionCount), 0 for none. Only exchanges
// shorter than four characters can name one; "PA" is no section, "EPA" and "WPA" are.
int SectionOfExchange(const SectionTable& sections, std::string_view exchange);

// Clears the section flags (slot 1, whose index is the section's) and sets those of every
// section that records 1 to QSOCount received, on any band and in any mode.
void RebuildSectionFlags(InStateTallies& tallies, const SectionTable& sections, const LogStore& store);

// The number of sections whose flag is set; also stored as MultWorkedCount.
long CountSectionsWorked(InStateTallies& tallies);

// Sets the flag of the section `exchange` names. Returns that section's index when it was not
// worked before (MultWorkedCount then goes up by one), else 0.
int MarkSectionWorked(InStateTallies& tallies, const SectionTable& sections, std::string_view exchange);

// The multiplier total: the sections worked, the counties worked, and 1 when at least one DX
// country was worked.
long InStateMultipliers(long sections_worked, long counties_worked, long dx_countries_worked);

}  // namespace ks
