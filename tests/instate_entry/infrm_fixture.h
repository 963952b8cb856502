#pragma once
// The in-state window of a Pennsylvania station at State College (Centre county) over a log of
// chosen contacts, with the supplied prefix table loaded, on the test's virtual clock.
#include <string>
#include <vector>

#include "entry/entry_state.h"
#include "logstore/log_store.h"
#include "logstore/prefix_table.h"
#include "mainwin/windows/Infrm.h"
#include "platform/vb/constants.h"
#include "tests/mainwin_commands/main_window_fixture.h"

namespace ks::testing {

// A contact on 20 m in CW, worked from Centre, stamped 15:00:00 on the test's day.
inline LogRecord InStateContact(const std::string& call, const std::string& exchange, const std::string& county = "",
                                const std::string& band = "20", const std::string& mode = "CW") {
  LogRecord r;
  r.LogCall = call;
  r.LogSPC = exchange;
  r.LogCounty = county;
  r.LogCountySent = "Centre";
  r.LogBand = band;
  r.LogMode = mode;
  r.LogDate = "2013/10/12";
  r.LogTime = "15:00:00";
  r.LogSerialSent = "001";
  r.LogSerialReceived = "5";
  r.LogPoints = mode == "PH" ? 1 : 2;
  return r;
}

class InfrmTest : public MainWindowTest {
 protected:
  InfrmTest() {
    StationSettings& s = settings();
    s.OutOfState = 0;
    s.OwnCall = "K3ABC";
    s.OwnSPC = "PA";
    s.OwnARRLSection = "WPA";
    s.OwnCounty = "Centre";
    s.OwnLatitude = 40.79f;
    s.OwnLongitude = 77.86f;
    s.MultWorkedColor = 0xFF;
    s.MultRemainingColor = 0xC0C0C0;
    CopySupplied(kPrefixFileName, work());
    LoadPrefixTable(app());
  }

  Infrm& OpenWith(const std::vector<LogRecord>& records) {
    std::string text;
    for (const LogRecord& r : records) text += FormatLogLine(r);
    WriteBytes(work() / "log.txt", text);
    return Open<Infrm>();
  }
  // Loads the window over an empty log, logged on, with the focus in the call box.
  Infrm& OpenLoggedOn(const std::vector<LogRecord>& records = {}) {
    Infrm& w = OpenWith(records);
    w.Show();
    if (!app().State<RunState>().LoggedOn) w.cmdLogOn.Press();
    w.txtCall.SetFocus();
    return w;
  }
  EntryState& entry() { return app().State<EntryState>(); }
  std::string LogFile() { return ReadBytes(work() / "log.txt"); }
};

}  // namespace ks::testing
