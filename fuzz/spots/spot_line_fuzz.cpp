// A spot line from any source: its fields, its record text and list cells, the band-map
// caption and the country of its call. Nothing may read past the line.
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view line(reinterpret_cast<const char*>(data), size);
  const auto fields = ks::CutSpotFields(line);
  if (fields.frequency.size() > 9 || fields.call.size() > 13) std::abort();
  const std::string record = ks::SpotRecordText(line);
  const auto cells = ks::CutSpotListCells(ks::RecordBeforeReturn(record));
  if (cells.time.size() > 4 || cells.from.size() > 4 || cells.prefix.size() > 5) std::abort();
  const std::string label = ks::MakeSpotLabel(line);
  if (label.size() > line.size()) std::abort();
  std::string lookup_call;
  (void)ks::LookupSpotCountry(Table(), line, lookup_call);
  if (lookup_call.size() > line.size()) std::abort();
  ks::SpotStore store;
  store.Add(fields.call, 14.0f, {});
  return 0;
}
