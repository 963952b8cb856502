#pragma once
// The export for the maker's general logger: LogExp.txt in the working directory, one line of
// 16 values per contact. Its menu item is never offered; the export is complete all the same.
#include <string>
#include <vector>

#include "logstore/log_store.h"

namespace ks::forms {
class Application;
}

namespace ks {

inline constexpr const char* kGeneralLoggerFileName = "LogExp.txt";

// The line of one contact, CR LF included.
std::string GeneralLoggerLine(const LogRecord& record, const std::string& power, const std::string& party_state);

// Asks for a power value, writes LogExp.txt whole and says where it is; a file that cannot be
// written is told ("Unable to write file.") and the old file is kept.
void WriteLogExpFile(forms::Application& app);

}  // namespace ks
