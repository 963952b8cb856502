#include "entry/log_tallies.h"

#include "entry/entry_state.h"
#include "logstore/log_store.h"
#include "platform/forms/application.h"
#include "platform/vb/text.h"

namespace ks {

void CountContact(LogStore& store, EntryState& entry, std::string_view mode, double points) {
  store.TotalPoints = static_cast<float>(static_cast<double>(store.TotalPoints) + points);
  if (vb::EqualsNoCase(mode, "PH")) {
    entry.PHQSOCount += 1;
  } else if (vb::EqualsNoCase(mode, "CW")) {
    entry.CWQSOCount += 1;
  } else {
    entry.OtherQSOCount += 1;
  }
}

void RecountTallies(forms::Application& app) {
  LogStore& store = app.State<LogStore>();
  EntryState& entry = app.State<EntryState>();
  store.TotalPoints = 0;
  entry.PHQSOCount = entry.CWQSOCount = entry.OtherQSOCount = 0;
  for (long i = 1; i <= store.QSOCount; ++i) {
    const LogRecord& r = store.Record(i);
    CountContact(store, entry, r.LogMode, r.LogPoints);
  }
}

bool ReloadLogKeepingMemory(forms::Application& app) {
  bool loaded = true;
  if (app.State<LogStore>().FileBehind && !RewriteLogFile(app)) {
    loaded = false;  // the rewrite told the operator; memory is all there is
  } else {
    LoadLogFile(app);
  }
  RecountTallies(app);
  return loaded;
}

}  // namespace ks
