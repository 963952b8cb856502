#include "logstore/log_file_format.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "platform/io/text_encoding.h"
#include "platform/vb/line_scanner.h"
#include "platform/vb/line_format.h"
#include "platform/vb/number_text.h"
#include "platform/vb/parse.h"
#include "startup/file_reports.h"

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

constexpr std::size_t kFieldCount = kFields.size();

// A value as the file holds it (quotes, and text after its closing quote, included), cut for
// a message.
std::string AsWritten(std::string_view value, bool quoted, std::string_view after_quote) {
  constexpr std::size_t kShown = 40;
  std::string raw = quoted ? "\"" + std::string(value) + "\"" + std::string(after_quote) : std::string(value);
  return raw.size() > kShown ? raw.substr(0, kShown) + "..." : raw;
}

// What is wrong with value `number` when the file holds it otherwise than the writer writes a
// text, so that a rewrite would change it: the writer drops a double quote inside a text, and
// what follows a closing quote would be lost.
std::optional<std::string> TextFault(std::size_t number, std::string_view value, bool quoted,
                                     std::string_view after_quote) {
  const bool inner_quote = quoted ? after_quote.find('"') != std::string_view::npos
                                  : value.find('"') != std::string_view::npos;
  if (!inner_quote && after_quote.empty()) return std::nullopt;
  return "value " + std::to_string(number) + ", " + AsWritten(value, quoted, after_quote) +
         (inner_quote ? ", holds a double quote inside its text." : ", has text after its closing quote.");
}

// The points as the writer writes them read back as the same number. Whole numbers below
// 10^15 always do; a value of more significant digits than the writer keeps does not.
bool PointsKeptByWrite(double points) {
  if (points == std::trunc(points) && std::fabs(points) < 1e15) return true;
  return vb::CDbl(vb::FormatDouble(points)) == points;
}

// Reads the values of one line into `record`, assigning each text into the string already
// there; the reason the line is no record, or nothing when it is one.
std::optional<std::string> ReadRecord(vb::LineScanner& scanner, LogRecord& record) {
  std::string_view value;
  std::size_t fields = 0;
  std::optional<std::string> fault;
  bool quoted = false;
  while (scanner.Next(value, quoted)) {
    if (fields < kFieldCount) {
      const TextField field = kFields[fields];
      if (field != nullptr) {
        (record.*field).assign(value.data(), value.size());
      } else if (const auto points = vb::CDbl(value)) {
        record.LogPoints = *points;
        if (!PointsKeptByWrite(*points) && !fault)
          fault = "the points value " + ShownValue(value) + " has more digits than the log keeps.";
      } else if (!fault) {
        fault = "the points value " + ShownValue(value) + " is not a number.";
      }
    }
    ++fields;
    if (scanner.LastUnclosed() && !fault) fault = "the line ends inside a text, before its closing quote.";
    if (!fault) fault = TextFault(fields, value, quoted, scanner.LastTextAfterQuote());
    if (scanner.LastEndedLine()) break;
    if (scanner.AtEnd()) {
      // A comma at the very end: the program ends every line with CR LF, so the file was cut.
      ++fields;
      if (!fault) fault = "the file ends in the middle of this line.";
    }
  }
  if (fields != kFieldCount) {
    return "the line holds " + std::to_string(fields) + " values; a record is one line of " +
           std::to_string(kFieldCount) + ".";
  }
  return fault;
}

// An old DOS editor ends a file with Ctrl-Z. As the last byte of the file it is passed over;
// so is one alone on a line that an append has since followed, as an empty line is. The
// position after such a mark at `position`, or `position` when there is none.
constexpr char kDosEndOfFile = '\x1A';
std::size_t AfterDosEndOfFile(std::string_view bytes, std::size_t position) {
  if (position >= bytes.size() || bytes[position] != kDosEndOfFile) return position;
  const std::size_t next = position + 1;
  if (next == bytes.size() || bytes[next] == '\r' || bytes[next] == '\n') return next;
  return position;
}

// The 1-based line on which byte `position` stands.
std::size_t LineAt(std::string_view bytes, std::size_t position) {
  std::size_t line = 1;
  for (std::size_t i = 0; i < position && i < bytes.size(); ++i) {
    if (bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n'))) ++line;
  }
  return line;
}

}  // namespace

std::string FormatLogLine(const LogRecord& record) {
  vb::LineWriter line;
  for (TextField field : kFields) {
    if (field == nullptr) {
      line.Double(record.LogPoints);
    } else {
      line.TextOnItsLine(record.*field);
    }
  }
  return line.Line();
}

LogParseResult ParseLogText(std::string_view bytes, std::vector<LogRecord>& records) {
  if (records.empty()) records.resize(1);
  records.reserve(bytes.size() / kShortestLineBytes + 2);
  LogParseResult result;
  if (io::LooksLikeUtf16(bytes)) {
    result.ok = false;
    result.line = 1;
    result.reason = "the file is UTF-16 text (two bytes to a character); the log is 8-bit text. Save it again "
                    "as ANSI or UTF-8 text.";
    return result;
  }
  if (bytes.ends_with(kDosEndOfFile)) bytes.remove_suffix(1);
  vb::LineScanner scanner(bytes);
  for (;;) {
    scanner.SkipBlankLines();
    if (const std::size_t after = AfterDosEndOfFile(bytes, scanner.Position()); after != scanner.Position()) {
      scanner = vb::LineScanner(bytes, after);
      continue;
    }
    if (scanner.AtEnd()) return result;
    const std::size_t slot = static_cast<std::size_t>(result.count) + 1;
    if (slot >= records.size()) records.emplace_back();
    const std::size_t start = scanner.Position();
    if (std::optional<std::string> fault = ReadRecord(scanner, records[slot])) {
      result.ok = false;
      result.line = LineAt(bytes, start);
      result.reason = std::move(*fault);
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
