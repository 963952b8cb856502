#include "spots/spot_country.h"

#include <algorithm>
#include <cmath>

#include "platform/vb/text.h"

namespace ks {

namespace {

// The part of the call that is looked up: a short tail after the first "/" (a prefix such
// as "/VP9"), else the whole call.
std::string LookedUpPart(std::string_view call) {
  const long long p = vb::InStr(call, "/");
  if (p > 0) {
    const auto len = static_cast<long long>(call.size());
    const long long n = len - p;
    if (n > 1 && static_cast<double>(n) < static_cast<double>(len) / 2) return vb::Right(call, n);
  }
  return std::string(call);
}

class TableView {
 public:
  explicit TableView(const PrefixTable& t)
      : table_(t),
        count_(std::clamp<long long>(t.PrefixCount, 0,
                                     std::min<long long>(kMaxPrefixEntries, static_cast<long long>(t.Entries.size()) - 1))) {}
  long long Count() const { return count_; }
  // Entry 0 and entries past the count read as empty.
  const std::string& Code(long long i) const { return i >= 1 && i <= count_ ? table_.Entries[i].PrefixCode : empty_; }
  const std::string& Country(long long i) const {
    return i >= 1 && i <= count_ ? table_.Entries[i].PrefixCountry : empty_;
  }
  // The code's first character as an unsigned value; -1 (below every character) when empty.
  int First(long long i) const {
    const std::string& code = Code(i);
    return code.empty() ? -1 : static_cast<unsigned char>(code[0]);
  }

 private:
  const PrefixTable& table_;
  long long count_;
  std::string empty_;
};

long long StartIndex(const TableView& view, unsigned char first) {
  const int c = std::max<int>(first, 65);
  const double share = static_cast<double>(c - 64) / 26.0;
  return static_cast<long long>(std::floor(share * static_cast<double>(view.Count())));
}

}  // namespace

std::string LookupSpotCountry(const PrefixTable& table, std::string_view call, std::string& lookup_call) {
  std::string result;
  lookup_call = LookedUpPart(call);
  if (lookup_call.empty()) return result;
  const TableView view(table);
  const auto first = static_cast<unsigned char>(lookup_call[0]);
  long long s = StartIndex(view, first);
  // Step back by 5 while the entry still begins with the call's first character.
  while (true) {
    if (view.First(s) != first) break;
    s = std::max<long long>(s - 5, 1);
    if (s <= 1) break;
  }
  const bool backward = view.First(s) > first;
  long long best_index = 0;
  std::size_t best_length = 0;
  for (long long i = s; backward ? i >= 1 : i <= view.Count(); i += backward ? -1 : 1) {
    const std::string& code = view.Code(i);
    const std::size_t m = code.size();
    if (m > 0 && m <= lookup_call.size() && lookup_call.compare(0, m, code) == 0 && m > best_length) {
      best_index = i;
      best_length = m;
      result = view.Country(i);
    }
    if (!backward && view.First(i) > first) break;
    if (backward && view.First(i) < first) break;
  }
  if (best_index > 0 && lookup_call.size() > 5 && lookup_call.compare(0, 3, "KG4") == 0) result = "USA";
  return result;
}

}  // namespace ks
