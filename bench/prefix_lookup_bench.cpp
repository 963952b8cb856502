// The call-prefix lookup of the in-state window, which runs on every key typed into the call
// box, against the supplied prefix table. Each call is timed on its own, so the slowest block
// of the table shows; a scan of the whole table is there as the ceiling.
#include <benchmark/benchmark.h>

#include <string>
#include <string_view>

#include "entry/call_prefix_lookup.h"
#include "logstore/prefix_table.h"
#include "platform/forms/headless.h"
#include "platform/vb/text.h"
#include "startup/user_folders.h"

namespace {

const ks::PrefixTable& SuppliedTable() {
  static const ks::PrefixTable table = [] {
    ks::forms::Headless headless;
    headless.app().State<ks::Folders>().DataFolder = std::string(KEYSTONE_SOURCE_DIR) + "/data";
    ks::LoadPrefixTable(headless.app());
    return headless.app().State<ks::PrefixTable>();
  }();
  return table;
}

// USA, Canada, Europe, Asia, a call starting with a digit, the A block (whose start is guessed
// inside the digit block, the longest walk) and the last block.
const char* const kCalls[] = {"W1AW", "VE3ABC", "DL1ABC", "JA1XYZ", "4X1AB", "A61ABC", "ZS6ABC", "KH6XYZ"};

void BM_FindCallPrefix(benchmark::State& state) {
  const ks::PrefixTable& table = SuppliedTable();
  const std::string call = kCalls[state.range(0)];
  for (auto _ : state) benchmark::DoNotOptimize(FindCallPrefix(table, call));
  state.SetLabel(call);
}
BENCHMARK(BM_FindCallPrefix)->DenseRange(0, std::size(kCalls) - 1);

// Every prefix of the table compared with the call: what the lookup avoids.
void BM_FullTableScan(benchmark::State& state) {
  const ks::PrefixTable& table = SuppliedTable();
  const std::string_view call = "A61ABC";
  for (auto _ : state) {
    std::size_t best = 0;
    for (int i = 1; i <= table.PrefixCount; ++i) {
      const std::string& code = table.Entries[static_cast<std::size_t>(i)].PrefixCode;
      if (code.size() > best && code.size() <= call.size() && ks::vb::EqualsNoCase(call.substr(0, code.size()), code))
        best = code.size();
    }
    benchmark::DoNotOptimize(best);
  }
}
BENCHMARK(BM_FullTableScan);

}  // namespace

BENCHMARK_MAIN();
