#include "logstore/prefix_table.h"

#include <algorithm>
#include <optional>

#include "platform/forms/application.h"
#include "platform/io/files.h"
#include "platform/vb/line_format.h"
#include "platform/vb/text.h"
#include "startup/user_folders.h"

namespace ks {
namespace {

// The first of the shared folder, the data folder and the working directory that holds
// the prefix file.
std::optional<fs::path> FindPrefixFile(forms::Application& app) {
  const Folders& folders = app.State<Folders>();
  for (const fs::path& folder : {folders.SharedFolder, folders.DataFolder}) {
    if (folder.empty()) continue;
    if (auto found = io::FindNoCase(folder, kPrefixFileName); found && io::IsFile(*found)) return found;
  }
  const fs::path working = WorkingFile(app, kPrefixFileName);
  if (io::IsFile(working)) return working;
  return std::nullopt;
}

// One record: five kept values and three that are read and passed over.
std::optional<PrefixEntry> ReadPrefixRecord(vb::LineReader& in) {
  PrefixEntry entry;
  auto code = in.ReadText();
  auto country = code ? in.ReadText() : std::nullopt;
  auto continent = country ? in.ReadText() : std::nullopt;
  auto longitude = continent ? in.ReadSingle() : std::nullopt;
  auto latitude = longitude ? in.ReadSingle() : std::nullopt;
  if (!latitude) return std::nullopt;
  for (int unused = 0; unused < 3; ++unused) {
    if (!in.ReadText()) return std::nullopt;
  }
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

bool LoadPrefixTable(forms::Application& app) {
  PrefixTable& table = app.State<PrefixTable>();
  table = PrefixTable{};
  const std::optional<fs::path> path = FindPrefixFile(app);
  if (!path) return true;
  std::string bytes;
  if (!io::ReadFile(*path, bytes)) return false;
  vb::LineReader in(std::move(bytes));
  for (;;) {
    in.SkipBlankLines();
    if (in.AtEnd()) return true;
    if (table.PrefixCount >= kMaxPrefixEntries) return false;
    std::optional<PrefixEntry> entry = ReadPrefixRecord(in);
    if (!entry) return false;
    table.Entries.push_back(std::move(*entry));
    ++table.PrefixCount;
  }
}

}  // namespace ks
