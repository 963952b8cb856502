#pragma once
// The 50 states of the union with their positions, read from states.txt in the working
// directory by the setup window.
#include <string>
#include <vector>

#include "startup/file_reports.h"

namespace ks::forms {
class Application;
}

namespace ks {

struct StateEntry {
  std::string StateCode;  // two letters
  float StateLatitude = 0;
  float StateLongitude = 0;  // degrees, positive to the west
};

inline constexpr int kStateCount = 50;
inline constexpr const char* kStateFileName = "states.txt";

// app.State<StateTable>()
struct StateTable {
  // Entries[0] is never an entry; the states are Entries[1] .. Entries[50].
  std::vector<StateEntry> Entries = std::vector<StateEntry>(1);
};

// Reads the 50 records of states.txt. The report names the file when it is missing or
// unreadable, and the line where it ends early or holds a record that cannot be read; the
// records read whole before that stay in the table.
FileReport LoadStateTable(forms::Application& app);

}  // namespace ks
