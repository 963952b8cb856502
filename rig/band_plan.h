#pragma once
// The band plan of licence privileges (BandPlan.txt): the effective date, then rows of
// band, class, mode, low and high edge (MHz), read value by value. Rig control keeps the
// Extra-class rows to choose the mode of a frequency it moves the radio to; the privileges
// chart draws the rows of every class.
#include <string>
#include <string_view>
#include <vector>

namespace ks::rig {

struct BandPlanRow {
  std::string band;           // "160", "80", ... "2"
  std::string license_class;  // "N", "T", "P", "G", "A", "E", or "O" for the band's whole range
  std::string mode;           // "CW", "PH" or a mode the radios know
  float low = 0;
  float high = 0;
};

// Both readers hold at most this many rows.
inline constexpr size_t kBandPlanRows = 200;

struct BandPlan {
  std::string effective_date;
  std::vector<BandPlanRow> rows;
  bool complete = false;  // false: the file was unreadable or ended inside a row
  bool too_long = false;  // more rows than the readers hold; `rows` has the first ones
};

// Reads every row of the file's bytes, in file order, up to kBandPlanRows rows.
BandPlan ParseBandPlan(std::string bytes);

// The Extra-class rows ("E", exactly) of the bytes, at most kBandPlanRows of them; a row
// that cannot be read ends the list there.
std::vector<BandPlanRow> ExtraClassRows(std::string bytes);

// The mode to set for a frequency: that of the first row holding it strictly between its
// edges, "PH" turned into the band's usual sideband (LSB below 10 MHz, USB above and on the
// 60 m channels); nothing for 160 m; `mode` as it was when no row holds it.
void LookupBandPlan(const std::vector<BandPlanRow>& rows, float frequency, std::string& mode);

}  // namespace ks::rig
