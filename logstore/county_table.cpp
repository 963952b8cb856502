#include "logstore/county_table.h"

#include <utility>

#include "logstore/key_filters.h"
#include "logstore/table_values.h"
#include "platform/forms/application.h"
#include "platform/forms/controls.h"
#include "platform/io/files.h"
#include "platform/vb/line_format.h"
#include "platform/vb/text.h"
#include "station/station_settings.h"
#include "startup/user_folders.h"

namespace ks {
namespace {

constexpr int kSpace = 32;

// Reads the state's records into `table`; false (with the failure in the report) on any.
bool ReadCountyFile(vb::LineReader& reader, const std::string& state, CountyTable& table, FileReport& report) {
  TableValues values(reader, report);
  for (;;) {
    reader.SkipBlankLines();
    if (reader.AtEnd()) break;
    const std::size_t line = reader.LineNumber();
    values.StartRecord();
    auto coded_name = values.Text();
    auto abbrev = values.Text();
    if (values.Failed()) return false;
    if (vb::Left(*coded_name, 2) != state) continue;
    if (table.CountyCount >= kMaxCounties) {
      values.Fail(line, "more than " + std::to_string(kMaxCounties) + " counties of " + state + ".");
      return false;
    }
    table.CountyName.push_back(vb::Mid(*coded_name, 3));
    table.CountyAbbrev.push_back(std::move(*abbrev));
    ++table.CountyCount;
  }
  // A table without a county is no table: every county would be refused.
  if (table.CountyCount == 0) report.Add(0, "it holds no county of " + state + ".");
  return table.CountyCount > 0;
}

// Whether the first characters of `name` equal `typed` without regard to case.
bool BeginsWithNoCase(const std::string& name, const std::string& typed) {
  return name.size() >= typed.size() && vb::EqualsNoCase(std::string_view(name).substr(0, typed.size()), typed);
}

}  // namespace

FileReport LoadCountyTable(forms::Application& app) {
  CountyTable& table = app.State<CountyTable>();
  table = CountyTable{};
  std::string bytes;
  FileReport report = ReadWholeFile(WorkingFile(app, kCountyFileName), bytes, io::kTableFileMaxBytes);
  if (!report) return report;
  vb::LineReader reader(std::move(bytes));
  CountyTable loaded;
  if (ReadCountyFile(reader, app.State<StationSettings>().PartyState, loaded, report)) table = std::move(loaded);
  return report;
}

std::string ExpandCountyAbbrev(const CountyTable& table, std::string& typed) {
  typed = vb::UCase(typed);
  for (int i = 1; i <= table.CountyCount; ++i)
    if (table.CountyAbbrev[i] == typed) return table.CountyName[i];
  return {};
}

std::string ShortenCountyForCW(const CountyTable& table, const std::string& county) {
  if (county.empty()) return county;
  for (int i = 1; i <= table.CountyCount; ++i) {
    if (!vb::EqualsNoCase(table.CountyName[i], county)) continue;
    const std::string& abbrev = table.CountyAbbrev[i];
    return !abbrev.empty() && abbrev.size() < county.size() ? abbrev : county;
  }
  return county;
}

bool IsCountyName(const CountyTable& table, const std::string& text) {
  for (int i = 1; i <= table.CountyCount; ++i)
    if (vb::EqualsNoCase(table.CountyName[i], text)) return true;
  return false;
}

bool ExpandCountyCodeInBox(forms::TextBox& box, const CountyTable& table) {
  if (IsCountyName(table, box.Text())) return false;
  std::string typed = box.Text();
  const std::string name = ExpandCountyAbbrev(table, typed);
  if (name.empty()) return false;
  box.SetText(name);
  return true;
}

bool CountyTypeAhead(forms::TextBox& box, const CountyTable& table, int& key_ascii, CountyTypeAheadRule rule) {
  const bool kept_space = rule.space_keeps_text_at_start && key_ascii == kSpace;
  if (key_ascii > 0 && box.SelStart() == 0 && !kept_space) box.SetText("");
  if (box.Text().empty() && key_ascii > 0) CapitalizeKey(key_ascii);
  const int caret = box.SelStart();
  const int length = static_cast<int>(box.Text().size());
  if (caret > 0 && caret < length && box.Text()[static_cast<std::size_t>(caret - 1)] == ' ') CapitalizeKey(key_ascii);
  if (key_ascii <= 0) return false;
  std::string typed = box.Text().substr(0, static_cast<std::size_t>(caret));
  typed += static_cast<char>(key_ascii);
  for (int i = table.CountyCount; i >= 1; --i) {
    const std::string& name = table.CountyName[static_cast<std::size_t>(i)];
    if (!BeginsWithNoCase(name, typed)) continue;
    box.SetText(typed + name.substr(typed.size()));
    box.SetSelStart(static_cast<int>(typed.size()));
    box.SetSelLength(static_cast<int>(name.size() - typed.size()));
    key_ascii = 0;
    return true;
  }
  return false;
}

}  // namespace ks
