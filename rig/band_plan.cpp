#include "rig/band_plan.h"

#include "platform/vb/line_format.h"

namespace ks::rig {
namespace {

// The next row, or nothing at the end or at a value that cannot be read.
std::optional<BandPlanRow> ReadRow(vb::LineReader& reader) {
  BandPlanRow row;
  auto band = reader.ReadText();
  auto license_class = reader.ReadText();
  auto mode = reader.ReadText();
  auto low = reader.ReadSingle();
  auto high = reader.ReadSingle();
  if (!band || !license_class || !mode || !low || !high) return std::nullopt;
  return BandPlanRow{*band, *license_class, *mode, *low, *high};
}

}  // namespace

BandPlan ParseBandPlan(std::string bytes) {
  BandPlan plan;
  vb::LineReader reader(std::move(bytes));
  auto date = reader.ReadText();
  if (!date) return plan;
  plan.effective_date = *date;
  reader.SkipBlankLines();
  while (!reader.AtEnd()) {
    if (plan.rows.size() == kBandPlanRows) {
      plan.too_long = true;
      return plan;
    }
    auto row = ReadRow(reader);
    if (!row) return plan;
    plan.rows.push_back(std::move(*row));
    reader.SkipBlankLines();
  }
  plan.complete = true;
  return plan;
}

std::vector<BandPlanRow> ExtraClassRows(std::string bytes) {
  std::vector<BandPlanRow> rows;
  vb::LineReader reader(std::move(bytes));
  if (!reader.ReadText()) return rows;  // the effective date
  reader.SkipBlankLines();
  while (!reader.AtEnd() && rows.size() < kBandPlanRows) {
    auto row = ReadRow(reader);
    if (!row) break;
    if (row->license_class == "E") rows.push_back(std::move(*row));
    reader.SkipBlankLines();
  }
  return rows;
}

void LookupBandPlan(const std::vector<BandPlanRow>& rows, float frequency, std::string& mode) {
  for (const auto& row : rows) {
    if (!(frequency > row.low && frequency < row.high)) continue;
    if (row.band == "160") {
      mode.clear();
    } else if (row.mode == "PH") {
      mode = (row.band == "80" || row.band == "40") ? "LSB" : "USB";
    } else {
      mode = row.mode;
    }
    return;
  }
}

}  // namespace ks::rig
