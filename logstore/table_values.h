#pragma once
// Reading the values of the supplied tables (prefixes, states, counties) with a reason for
// each failure, so that the operator is told what is wrong with a damaged table and where.
#include <optional>
#include <string>

#include "platform/vb/line_format.h"
#include "startup/file_reports.h"

namespace ks {

// Reads a table's values one after another; the first failure is noted in the report with
// the line of the value, and every read after it fails too.
class TableValues {
 public:
  TableValues(vb::LineReader& in, FileReport& report) : in_(in), report_(report) {}

  // Marks the start of a record, whose line a record cut short is told by.
  void StartRecord() { record_line_ = in_.LineNumber(); }
  std::optional<std::string> Text();
  std::optional<float> Single();
  bool Failed() const { return failed_; }
  // Notes a failure of the record that starts on `line`.
  void Fail(std::size_t line, std::string reason);

 private:
  vb::LineReader& in_;
  FileReport& report_;
  std::size_t record_line_ = 1;
  bool failed_ = false;
};

}  // namespace ks
