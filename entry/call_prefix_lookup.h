#pragma once
// Where a call is from, by the longest prefix of the prefix table that begins it, as the
// in-state window shows it while a call is typed.
//
// The table lists its prefixes in ascending order. The search starts where the call's first
// letter would stand if the table spread evenly over A to Z, backs up to the edge of that
// letter's block and scans only within it, so a lookup never walks the whole table.
#include <string>
#include <string_view>

#include "logstore/prefix_table.h"

namespace ks {

struct CallPrefixMatch {
  enum class Outcome {
    EmptyCall,     // nothing to look up
    Located,       // `place` is where the station is; `exchange` what the exchange box gets
    NorthAmerica,  // a station of the USA or Canada: its exchange is the operator's to type
    NotFound,      // no prefix begins the call; `exchange` is "Not Found"
  };
  Outcome outcome = Outcome::EmptyCall;
  // The entry whose continent and position are shown (Located only; null when the table
  // has no entry to show).
  const PrefixEntry* place = nullptr;
  std::string exchange;
};

inline constexpr const char* kPrefixNotFound = "Not Found";

// The part of a call that is looked up: the part behind a slash when that part is longer than
// one character and shorter than half the call, else the whole call.
std::string_view CallPartToLookUp(std::string_view call);

// Looks `call` up. A USA or Canadian prefix gives NorthAmerica; Alaska and Hawaii give the
// exchanges "AK" and "HI"; a "KG4" call of 4 or of 6 and more characters is a USA station and
// gives an empty exchange with the place of the table's first USA entry.
CallPrefixMatch FindCallPrefix(const PrefixTable& table, std::string_view call);

}  // namespace ks
