// The bytes of log.txt, as a damaged or hand-edited file may hold them. The rules: log.txt is
// read as written, or refused. A file that reads is read into records that one write and a
// second read give back equal, field for field, so that no rewrite of the log changes a
// contact; a file that does not read is refused with the line of its bad record and a reason.
// And a file that reads, with one record appended as the log store appends it (a line end
// first when its last line has none), reads as the same records and that one more.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "logstore/log_file_format.h"
#include "platform/io/files.h"

namespace {

bool Same(const std::vector<ks::LogRecord>& a, const std::vector<ks::LogRecord>& b, long count) {
  for (long i = 1; i <= count; ++i)
    if (!(a[static_cast<std::size_t>(i)] == b[static_cast<std::size_t>(i)])) return false;
  return true;
}

// `bytes` (a log of `count` records, read into `records`) with `added` appended.
void CheckAppend(std::string_view bytes, const std::vector<ks::LogRecord>& records, long count,
                 const ks::LogRecord& added) {
  const std::string appended = std::string(bytes) + std::string(ks::io::LineEndBefore(bytes)) + ks::FormatLogLine(added);
  std::vector<ks::LogRecord> again(1);
  const ks::LogParseResult read = ks::ParseLogText(appended, again);
  if (!read.ok || read.count != count + 1 || !Same(again, records, count)) std::abort();
  if (!(again[static_cast<std::size_t>(count) + 1] == added)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::vector<ks::LogRecord> records(1);
  const ks::LogParseResult read = ks::ParseLogText(bytes, records);
  if (read.count < 0 || records.size() < static_cast<std::size_t>(read.count) + 1) std::abort();
  if (!read.ok) {
    if (read.line == 0 || read.reason.empty()) std::abort();
    return 0;
  }
  const std::string written = ks::FormatLogText(records, read.count);
  std::vector<ks::LogRecord> again(1);
  const ks::LogParseResult reread = ks::ParseLogText(written, again);
  if (!reread.ok || reread.count != read.count || !Same(again, records, read.count)) std::abort();

  // One contact as the entry windows store it, and the first record read, which may hold
  // anything a log can.
  ks::LogRecord contact;
  contact.LogCall = "N3XYZ";
  contact.LogCounty = "York";
  contact.LogSerialSent = "007";
  contact.LogDate = "2026/10/10";
  contact.LogTime = "16:05:33";
  contact.LogMode = "CW";
  contact.LogBand = "40";
  contact.LogPoints = 2;
  contact.LogSerialReceived = "12";
  // A file that ends in a DOS end-of-file mark takes no append: the log store writes it whole,
  // which the round trip above covers.
  if (bytes.ends_with('\x1A')) return 0;
  CheckAppend(bytes, records, read.count, contact);
  if (read.count > 0) CheckAppend(bytes, records, read.count, records[1]);
  return 0;
}
