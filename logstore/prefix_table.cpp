#include "logstore/prefix_table.h"

#include <algorithm>
#include <optional>

#include "platform/forms/application.h"
#include "platform/io/files.h"
#include "platform/vb/line_format.h"
#include "logstore/table_values.h"
#include "platform/vb/text.h"
#include "startup/user_folders.h"

namespace ks {
namespace {

// The first of the shared folder, the data folder and the working directory that holds
// the prefix file. A folder of that name does not count; a pipe or a device does, and then
// fails to be read, as an unreadable file does.
std::optional<fs::path> FindPrefixFile(forms::Application& app) {
  const Folders& folders = app.State<Folders>();
  for (const fs::path& folder : {folders.SharedFolder, folders.DataFolder}) {
    if (folder.empty()) continue;
    if (auto found = io::FindNoCase(folder, kPrefixFileName); found && !io::IsFolder(*found)) return found;
  }
  const fs::path working = WorkingFile(app, kPrefixFileName);
  if (auto found = io::FindNoCase(working.parent_path(), kPrefixFileName); found && !io::IsFolder(*found))
    return found;
  return std::nullopt;
}

// One record: five kept values and three that are read and passed over.
std::optional<PrefixEntry> ReadPrefixRecord(TableValues& values) {
  PrefixEntry entry;
  values.StartRecord();
  auto code = values.Text();
  auto country = values.Text();
  auto continent = values.Text();
  auto longitude = values.Single();
  auto latitude = values.Single();
  for (int unused = 0; unused < 3; ++unused) values.Text();
  if (values.Failed()) return std::nullopt;
  entry.PrefixCode = std::move(*code);
  entry.PrefixCountry = std::move(*country);
  entry.PrefixContinent = std::move(*continent);
  entry.PrefixLongitude = *longitude;
  entry.PrefixLatitude = *latitude;
  return entry;
}

}  // namespace

const PrefixEntry* PrefixTable::LastCountryStartingWith(std::string_view typed) const {
  const std::int32_t last = std::min<std::int32_t>(PrefixCount, static_cast<std::int32_t>(Entries.size()) - 1);
  for (std::int32_t i = last; i >= 1; --i) {
    const std::string& country = Entries[static_cast<std::size_t>(i)].PrefixCountry;
    if (country.size() >= typed.size() && vb::EqualsNoCase(std::string_view(country).substr(0, typed.size()), typed))
      return &Entries[static_cast<std::size_t>(i)];
  }
  return nullptr;
}

FileReport LoadPrefixTable(forms::Application& app) {
  PrefixTable& table = app.State<PrefixTable>();
  table = PrefixTable{};
  const std::optional<fs::path> path = FindPrefixFile(app);
  if (!path) return {WorkingFile(app, kPrefixFileName), {}};
  std::string bytes;
  FileReport report = ReadWholeFile(*path, bytes, io::kTableFileMaxBytes);
  if (!report) return report;
  vb::LineReader in(std::move(bytes));
  TableValues values(in, report);
  for (;;) {
    in.SkipBlankLines();
    if (in.AtEnd()) return report;
    if (table.PrefixCount >= kMaxPrefixEntries) {
      report.Add(in.LineNumber(), "the table holds more than " + std::to_string(kMaxPrefixEntries) +
                                      " prefixes; the ones from here on are not read.");
      return report;
    }
    std::optional<PrefixEntry> entry = ReadPrefixRecord(values);
    if (!entry) return report;
    table.Entries.push_back(std::move(*entry));
    ++table.PrefixCount;
  }
}

}  // namespace ks
