#include "logstore/state_table.h"

#include <optional>

#include "platform/forms/application.h"
#include "platform/io/files.h"
#include "platform/vb/line_format.h"
#include "startup/user_folders.h"

namespace ks {
namespace {

std::optional<StateEntry> ReadStateRecord(vb::LineReader& in) {
  auto code = in.ReadText();
  auto latitude = code ? in.ReadSingle() : std::nullopt;
  auto longitude = latitude ? in.ReadSingle() : std::nullopt;
  if (!longitude) return std::nullopt;
  return StateEntry{std::move(*code), *latitude, *longitude};
}

}  // namespace

bool LoadStateTable(forms::Application& app) {
  StateTable& table = app.State<StateTable>();
  table = StateTable{};
  std::string bytes;
  if (!io::ReadFile(WorkingFile(app, kStateFileName), bytes)) return false;
  vb::LineReader in(std::move(bytes));
  for (int state = 1; state <= kStateCount; ++state) {
    std::optional<StateEntry> entry = ReadStateRecord(in);
    if (!entry) return false;
    table.Entries.push_back(std::move(*entry));
  }
  return true;
}

}  // namespace ks
