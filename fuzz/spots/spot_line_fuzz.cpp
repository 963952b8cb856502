// A spot line from any source: its fields, its record text and list cells, the band-map
// caption and the country of its call. Nothing may read past the line.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "spots/spot_country.h"
#include "spots/spot_line.h"
#include "spots/spot_store.h"

namespace {

const ks::PrefixTable& Table() {
  static const ks::PrefixTable table = [] {
    ks::PrefixTable t;
    for (const char* code : {"1A", "4X", "9A", "DL", "K", "KG4", "KH6", "VE", "VP9", "W"}) {
      ks::PrefixEntry e;
      e.PrefixCode = code;
      e.PrefixCountry = std::string("country of ") + code;
      t.Entries.push_back(e);
    }
    t.PrefixCount = static_cast<std::int32_t>(t.Entries.size()) - 1;
    return t;
  }();
  return table;
}

// A label is cut from its call: a piece of the call, or the letters before the call's first
// digit followed by a piece that comes after its last slash ("K1ABC/4" gives "K4"). The second
// form may be longer than the call itself: "ABCD/-1" gives "ABCD/--1".
bool IsCutFromTheCall(std::string_view label, std::string_view call) {
  if (call.find(label) != std::string_view::npos) return true;
  const std::string_view head = call.substr(0, std::min(call.size(), call.find_first_of("0123456789")));
  const std::size_t slash = call.rfind('/');
  if (slash == std::string_view::npos || label.substr(0, head.size()) != head) return false;
  const std::string_view rest = label.substr(head.size());
  return !rest.empty() && call.substr(slash + 1).find(rest) != std::string_view::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view line(reinterpret_cast<const char*>(data), size);
  const auto fields = ks::CutSpotFields(line);
  if (fields.frequency.size() > 9 || fields.call.size() > 13) std::abort();
  const std::string record = ks::SpotRecordText(line);
  const auto cells = ks::CutSpotListCells(ks::RecordBeforeReturn(record));
  if (cells.time.size() > 4 || cells.from.size() > 4 || cells.prefix.size() > 5) std::abort();
  if (!IsCutFromTheCall(ks::MakeSpotLabel(line), line)) std::abort();
  std::string lookup_call;
  (void)ks::LookupSpotCountry(Table(), line, lookup_call);
  if (lookup_call.size() > line.size()) std::abort();
  ks::SpotStore store;
  store.Add(fields.call, 14.0f, {});
  return 0;
}
