#include "logstore/log_file_format.h"

#include <algorithm>
#include <array>

#include "platform/vb/line_scanner.h"
#include "platform/vb/line_format.h"
#include "platform/vb/parse.h"

namespace ks {
namespace {

// The 20 values of a line in file order; the one empty entry is the points, a number.
using TextField = std::string LogRecord::*;
constexpr std::array<TextField, 20> kFields = {
    &LogRecord::LogCall,          &LogRecord::LogRSTSent,    &LogRecord::LogRSTReceived,
    &LogRecord::LogSPC,           &LogRecord::LogCounty,     &LogRecord::LogStateOverride,
    &LogRecord::LogCountySent,    &LogRecord::LogSpare8,     &LogRecord::LogSpare9,
    &LogRecord::LogSpare10,       &LogRecord::LogSerialSent, &LogRecord::LogDate,
    &LogRecord::LogTime,          &LogRecord::LogMode,       &LogRecord::LogBand,
    nullptr,                      &LogRecord::LogSpare17,    &LogRecord::LogSpare18,
    &LogRecord::LogSerialReceived, &LogRecord::LogFrequency};

// The shortest line of a record: 19 empty texts, a one-digit number, 19 commas and CR LF.
// Reserving the file size over this never falls short for a well-formed log.
constexpr std::size_t kShortestLineBytes = 19 * 2 + 1 + 19 + 2;

// Reads one record into `record`, assigning each text into the string already there.
bool ReadRecord(vb::LineScanner& scanner, LogRecord& record) {
  std::string_view value;
  for (TextField field : kFields) {
    if (!scanner.Next(value)) return false;
    if (field != nullptr) {
      (record.*field).assign(value.data(), value.size());
      continue;
    }
    const auto points = vb::CDbl(value);
    if (!points) return false;
    record.LogPoints = *points;
  }
  return true;
}

}  // namespace

std::string FormatLogLine(const LogRecord& record) {
  vb::LineWriter line;
  for (TextField field : kFields) {
    if (field == nullptr) {
      line.Double(record.LogPoints);
    } else {
      line.Text(record.*field);
    }
  }
  return line.Line();
}

LogParseResult ParseLogText(std::string_view bytes, std::vector<LogRecord>& records) {
  if (records.empty()) records.resize(1);
  records.reserve(bytes.size() / kShortestLineBytes + 2);
  vb::LineScanner scanner(bytes);
  LogParseResult result;
  for (;;) {
    scanner.SkipBlankLines();
    if (scanner.AtEnd()) return result;
    const std::size_t slot = static_cast<std::size_t>(result.count) + 1;
    if (slot >= records.size()) records.emplace_back();
    if (!ReadRecord(scanner, records[slot])) {
      result.ok = false;
      return result;
    }
    ++result.count;
  }
}

std::string FormatLogText(const std::vector<LogRecord>& records, long count) {
  std::string out;
  const long last = std::min<long>(count, static_cast<long>(records.size()) - 1);
  out.reserve(static_cast<std::size_t>(std::max(last, 0L)) * 128);
  for (long i = 1; i <= last; ++i) out += FormatLogLine(records[static_cast<std::size_t>(i)]);
  return out;
}

}  // namespace ks
