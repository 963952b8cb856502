// The bytes of log.txt, as a damaged or hand-edited file may hold them.
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
    // A bad record is named by its line and a reason.
    if (read.line == 0 || read.reason.empty()) std::abort();
    return 0;
  }
  // What was read is written so that it reads back as the same records.
  const std::string written = ks::FormatLogText(records, read.count);
  std::vector<ks::LogRecord> again(1);
  const ks::LogParseResult reread = ks::ParseLogText(written, again);
  if (!reread.ok || reread.count != read.count) std::abort();
  if (ks::FormatLogText(again, reread.count) != written) std::abort();
  return 0;
}
