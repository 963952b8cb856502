#include "logstore/state_table.h"

#include <optional>

#include "logstore/table_values.h"
#include "platform/forms/application.h"
#include "platform/io/files.h"
#include "platform/vb/line_format.h"
#include "startup/user_folders.h"

namespace ks {
namespace {

std::optional<StateEntry> ReadStateRecord(TableValues& values) {
  values.StartRecord();
  auto code = values.Text();
  auto latitude = values.Single();
  auto longitude = values.Single();
  if (values.Failed()) return std::nullopt;
  return StateEntry{std::move(*code), *latitude, *longitude};
}

}  // namespace

FileReport LoadStateTable(forms::Application& app) {
  StateTable& table = app.State<StateTable>();
  table = StateTable{};
  std::string bytes;
  FileReport report = ReadWholeFile(WorkingFile(app, kStateFileName), bytes, io::kTableFileMaxBytes);
  if (!report) return report;
  vb::LineReader in(std::move(bytes));
  TableValues values(in, report);
  for (int state = 1; state <= kStateCount; ++state) {
    in.SkipBlankLines();
    if (in.AtEnd()) {
      report.Add(in.LineNumber(), "the file ends after " + std::to_string(state - 1) + " of the " +
                                      std::to_string(kStateCount) + " states.");
      return report;
    }
    std::optional<StateEntry> entry = ReadStateRecord(values);
    if (!entry) return report;
    table.Entries.push_back(std::move(*entry));
  }
  return report;
}

}  // namespace ks
