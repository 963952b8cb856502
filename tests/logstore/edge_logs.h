#pragma once
// Hand-made logs at the edges of what log.txt may hold, as editors and other programs leave
// it: each reads as a log.
#include <string>
#include <vector>

#include "logstore/log_store.h"
#include "tests/logstore/log_fixture.h"

namespace ks::testing {

struct LogBytes {
  std::string name;
  std::string bytes;
};

inline std::vector<LogBytes> EdgeLogs() {
  const std::string a = FormatLogLine(Contact("K3AAA", "Adams"));
  const std::string b = FormatLogLine(Contact("K3BBB", "Bucks"));
  const std::string a_no_end = a.substr(0, a.size() - 2);
  const std::string b_no_end = b.substr(0, b.size() - 2);
  LogRecord comma = Contact("K3CCC", "Centre, East");
  comma.LogSpare17 = ",,,";
  LogRecord long_fields = Contact("K3LLL", std::string(200000, 'x'));
  long_fields.LogSpare18 = std::string(70000, 'y');
  return {
      {"empty", ""},
      {"two_records", a + b},
      {"no_final_line_end", a + b_no_end},
      {"one_record_no_line_end", a_no_end},
      {"lf_only", a_no_end + "\n" + b_no_end + "\n"},
      {"cr_only", a_no_end + "\r" + b_no_end + "\r"},
      {"cr_only_no_final", a_no_end + "\r" + b_no_end},
      {"bom", "\xEF\xBB\xBF" + a + b},
      {"bom_only", "\xEF\xBB\xBF"},
      {"ctrl_z_after_line_end", a + b + "\x1A"},
      {"ctrl_z_no_line_end", a + b_no_end + "\x1A"},
      {"ctrl_z_on_a_line_then_record", a + "\x1A\r\n" + b},
      {"blank_lines", "\r\n" + a + "\r\n   \r\n" + b + "\r\n"},
      {"commas_inside_fields", a + FormatLogLine(comma) + b},
      {"very_long_line", a + FormatLogLine(long_fields) + b},
  };
}

}  // namespace ks::testing
