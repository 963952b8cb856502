#pragma once
// The out-of-state window over a log of chosen contacts, with the number separators pinned
// to "," and "." and the recording keyer services in place.
#include <string>
#include <vector>

#include "entry/entry_state.h"
#include "entry/score_format.h"
#include "keying/keying_state.h"
#include "reports/windows/DEEditOut.h"
#include "platform/vb/constants.h"
#include "logstore/log_store.h"
#include "mainwin/windows/Outfrm.h"
#include "tests/mainwin_commands/main_window_fixture.h"

namespace ks::testing {

// A contact on 20 m in CW from York, stamped 15:00:00 on the test's day unless changed.
inline LogRecord Contact(const std::string& call, const std::string& county = "York", const std::string& band = "20",
                         const std::string& mode = "CW") {
  LogRecord r;
  r.LogCall = call;
  r.LogCounty = county;
  r.LogBand = band;
  r.LogMode = mode;
  r.LogDate = "2013/10/12";
  r.LogTime = "15:00:00";
  r.LogSerialSent = "1";
  r.LogSerialReceived = "5";
  r.LogPoints = mode == "PH" ? 1 : 2;
  return r;
}

inline std::string LogOf(const std::vector<LogRecord>& records) {
  std::string text;
  for (const LogRecord& r : records) text += FormatLogLine(r);
  return text;
}

class OutfrmTest : public MainWindowTest {
 protected:
  OutfrmTest() { app().State<NumberSeparators>() = {true, ',', '.'}; }

  Outfrm& OpenWith(const std::vector<LogRecord>& records) {
    WriteBytes(work() / "log.txt", LogOf(records));
    return Open<Outfrm>();
  }
  // Opened, logged on, the focus in the call box, no beep and no keyer call counted yet.
  Outfrm& LoggedOnWith(const std::vector<LogRecord>& records) {
    Outfrm& w = OpenWith(records);
    w.cmdLogOn.ClickBy();
    w.txtCall.SetFocus();
    h.dialogs().beeps = 0;
    keyer->calls.clear();
    return w;
  }
  std::vector<std::string> Items(const forms::ListBox& list) const { return list.Items(); }
  int CountMessagesTitled(const std::string& title) {
    int n = 0;
    for (const auto& m : h.dialogs().message_boxes) n += m.title == title ? 1 : 0;
    return n;
  }
  // The record numbers of the list's rows, top first.
  std::vector<std::string> RowNumbers(const Outfrm& w) const {
    std::vector<std::string> rows;
    for (const auto& item : w.ListView1.Items()) rows.push_back(item.text);
    return rows;
  }
};

}  // namespace ks::testing
