#pragma once
// The country of a spotted call for the spot list: the country of the longest prefix of the
// prefix table with which the call begins, compared exactly (case counts). The table lists
// its prefixes in ascending order of character codes; the search starts from an estimate by
// the call's first character and scans only that character's block.
#include <string>
#include <string_view>

#include "logstore/prefix_table.h"

namespace ks {

// app.State<SpotLookupState>(): the call the spot-country look-up looked up last.
struct SpotLookupState {
  std::string LookupCall;
};

// `lookup_call` receives the call and then the part of it that was looked up (the prefix
// after a "/" in the second half of a call, such as "VP9" of "K1ABC/VP9"). Calls of six or
// more characters that begin with "KG4" and match a prefix are "USA".
std::string LookupSpotCountry(const PrefixTable& table, std::string_view call, std::string& lookup_call);

}  // namespace ks
