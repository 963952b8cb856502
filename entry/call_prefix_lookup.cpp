#include "entry/call_prefix_lookup.h"

#include <algorithm>
#include <cstdint>

#include "platform/vb/text.h"

namespace ks {
namespace {

// The first character of a text in the table's order (case ignored); 0 for an empty text,
// which orders before every character.
unsigned char FirstKey(std::string_view text) {
  if (text.empty()) return 0;
  const auto c = static_cast<unsigned char>(text.front());
  return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 'a' + 'A') : c;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && vb::EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

// Where the call's block is guessed to start: its first letter's place if the prefixes spread
// evenly over A to Z (anything before A counts as A), backed up in steps of 5 to the edge of
// the block. Kept within 1 .. count, so a character after Z or a short table cannot reach
// past the table.
std::int32_t StartOfScan(const PrefixTable& table, std::int32_t count, std::string_view call) {
  const int c = std::max<int>(static_cast<unsigned char>(call.front()), 'A');
  auto s = static_cast<std::int32_t>(static_cast<long long>(count) * (c - 64) / 26);
  s = std::clamp<std::int32_t>(s, 1, count);
  const unsigned char first = FirstKey(call);
  while (FirstKey(table.Entries[static_cast<std::size_t>(s)].PrefixCode) == first) {
    s = std::max<std::int32_t>(s - 5, 1);
    if (s == 1) break;
  }
  return s;
}

// The longest prefix that begins the call, scanning from `start` away from the block's edge
// until the scan leaves the call's first character; of equally long ones the first met.
std::int32_t LongestPrefix(const PrefixTable& table, std::int32_t count, std::string_view call, std::int32_t start) {
  const unsigned char first = FirstKey(call);
  const bool downwards = FirstKey(table.Entries[static_cast<std::size_t>(start)].PrefixCode) > first;
  const std::int32_t step = downwards ? -1 : 1;
  const std::int32_t end = downwards ? 0 : count + 1;
  std::int32_t best = 0;
  std::size_t best_length = 0;
  for (std::int32_t k = start; k != end; k += step) {
    const std::string& code = table.Entries[static_cast<std::size_t>(k)].PrefixCode;
    if (code.size() > best_length && StartsWithNoCase(call, code)) {
      best = k;
      best_length = code.size();
    }
    const unsigned char key = FirstKey(code);
    if (downwards ? key < first : key > first) break;
  }
  return best;
}

const PrefixEntry* FirstUsaEntry(const PrefixTable& table) {
  for (std::int32_t i = 1; i <= table.PrefixCount; ++i) {
    if (vb::EqualsNoCase(table.Entries[static_cast<std::size_t>(i)].PrefixCountry, "USA"))
      return &table.Entries[static_cast<std::size_t>(i)];
  }
  return nullptr;
}

bool IsUsaOrCanada(std::string_view country) {
  return vb::EqualsNoCase(country, "USA") || vb::EqualsNoCase(country, "Canada");
}

}  // namespace

std::string_view CallPartToLookUp(std::string_view call) {
  const std::size_t slash = call.find('/');
  if (slash == std::string_view::npos) return call;
  const std::size_t after = call.size() - slash - 1;
  if (after > 1 && static_cast<double>(after) < static_cast<double>(call.size()) / 2) return call.substr(slash + 1);
  return call;
}

CallPrefixMatch FindCallPrefix(const PrefixTable& table, std::string_view call) {
  CallPrefixMatch match;
  const std::string_view lookup = CallPartToLookUp(call);
  if (lookup.empty()) return match;
  // The entries that are really there, whatever the count says.
  const std::int32_t count = std::min<std::int32_t>(table.PrefixCount, static_cast<std::int32_t>(table.Entries.size()) - 1);
  std::int32_t best = 0;
  if (count >= 1) best = LongestPrefix(table, count, lookup, StartOfScan(table, count, lookup));
  if (best == 0) {
    match.outcome = CallPrefixMatch::Outcome::NotFound;
    match.exchange = kPrefixNotFound;
    return match;
  }
  const PrefixEntry& entry = table.Entries[static_cast<std::size_t>(best)];
  if (IsUsaOrCanada(entry.PrefixCountry)) {
    match.outcome = CallPrefixMatch::Outcome::NorthAmerica;
    return match;
  }
  match.outcome = CallPrefixMatch::Outcome::Located;
  if (StartsWithNoCase(call, "KG4") && (call.size() == 4 || call.size() > 5)) {
    match.place = FirstUsaEntry(table);
    return match;
  }
  match.place = &entry;
  if (vb::EqualsNoCase(entry.PrefixCountry, "Alaska")) {
    match.exchange = "AK";
  } else if (vb::EqualsNoCase(entry.PrefixCountry, "Hawaii")) {
    match.exchange = "HI";
  } else {
    match.exchange = entry.PrefixCountry;
  }
  return match;
}

}  // namespace ks
