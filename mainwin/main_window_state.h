#pragma once
// Run state of the main window that other windows and areas read: the start of the running
// operating period, the partial-duplicate switch and the frequency of the latest rig poll.
#include <string>

#include "platform/vb/datetime.h"

namespace ks {

// app.State<MainWindowState>()
struct MainWindowState {
  vb::DateTime TimeOnStart;        // local moment of the latest Log "Time On"
  int PartialDupeDisplay = 0;      // 1 while the call box lists partial duplicates
  std::string NextQSOFrequency;    // taken by the next logged contact
};

}  // namespace ks
