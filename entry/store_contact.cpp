#include "entry/store_contact.h"

#include "entry/entry_state.h"
#include "entry/log_tallies.h"
#include "logstore/log_store.h"
#include "platform/forms/application.h"

namespace ks {

bool StoreContact(forms::Application& app, const LogRecord& record) {
  LogStore& store = app.State<LogStore>();
  const long n = store.QSOCount + 1;
  store.Record(n) = record;
  store.QSOCount = n;
  CountContact(store, app.State<EntryState>(), record.LogMode, record.LogPoints);
  return AppendLogRecord(app);
}

}  // namespace ks
