// BandPlan.txt of any bytes: both readers and the look-up over what they kept.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "rig/band_plan.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string bytes(reinterpret_cast<const char*>(data), size);
  auto plan = ks::rig::ParseBandPlan(bytes);
  if (plan.rows.size() > ks::rig::kBandPlanRows) std::abort();
  auto extra = ks::rig::ExtraClassRows(bytes);
  if (extra.size() > ks::rig::kBandPlanRows) std::abort();
  for (float frequency : {1.9f, 3.7f, 7.1f, 14.2f, 50.1f}) {
    std::string mode;
    ks::rig::LookupBandPlan(extra, frequency, mode);
  }
  return 0;
}
