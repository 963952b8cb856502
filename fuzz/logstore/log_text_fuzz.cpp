// The bytes of log.txt, as a damaged or hand-edited file may hold them. The rule: log.txt is
// read as written, or refused. A file that reads is read into records that one write and a
// second read give back equal, field for field, so that no rewrite of the log changes a
// contact; a file that does not read is refused with the line of its bad record and a reason.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "logstore/log_file_format.h"

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
  if (!reread.ok || reread.count != read.count) std::abort();
  for (long i = 1; i <= read.count; ++i)
    if (!(again[static_cast<std::size_t>(i)] == records[static_cast<std::size_t>(i)])) std::abort();
  return 0;
}
