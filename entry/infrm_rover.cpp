// A rover on a county line: after each contact it stores, the in-state window enters the
// same contact again, with no points, once for each further county of the rover's list, with
// that county as the own county.
#include "entry/entry_state.h"
#include "entry/recent_contacts.h"
#include "logstore/log_store.h"
#include "mainwin/windows/Infrm.h"
#include "platform/forms/application.h"
#include "station/station_settings.h"
#include "station/windows/frmCountyChangeRover.h"

namespace ks {

void Infrm::LogRoverCounties() {
  forms::Application& app = App();
  frmCountyChangeRover& rover = app.Get<frmCountyChangeRover>();
  StationSettings& settings = app.State<StationSettings>();
  const int counties = rover.List1.ListCount();
  for (int i = 1; i < counties; ++i) {
    RoverRelogIndex = static_cast<std::uint8_t>(i);
    settings.OwnCounty = rover.List1.List(i);
    Label25.SetCaption(settings.OwnCounty);
    if (!RelogLastContact(rover.Check1.Value() == 1)) {
      // A refused repeat (a duplicate from that county) ends the line, whatever the
      // exchange: no further county is entered, and the line is left empty for the next call.
      ClearEntryLine();
      break;
    }
  }
  // The own county is the list's first again, whatever happened above, and the sent serial
  // the next one: a refused repeat must not hand the serial it carried on to the next contact.
  settings.OwnCounty = rover.List1.List(0);
  Label25.SetCaption(settings.OwnCounty);
  Label1.SetCaption(NextSerialText(app.State<LogStore>()));
  RoverRelogIndex = 0;
}

bool Infrm::RelogLastContact(bool next_serial) {
  forms::Application& app = App();
  const LogStore& store = app.State<LogStore>();
  const LogRecord last = store.Records[static_cast<std::size_t>(store.QSOCount)];
  mnuRecall_Click();
  // The recall leaves the call box for the county box, which checks the call: a contact
  // already logged from this county may be refused there.
  if (app.State<EntryState>().DupeFlag != 0) return false;
  txtSec.SetText(last.LogCounty);
  // The exchange goes back too, or a USA or Canadian station would be refused.
  txtCntry.SetText(last.LogSPC);
  app.SendTab();
  app.DoEvents();
  // Unticked, each county's entry carries the serials of the contact it repeats; ticked, it
  // takes the next sent serial, which the list has just put in Label1.
  if (!next_serial) {
    Label1.SetCaption(last.LogSerialSent);
    txtRSTR.SetText(last.LogSerialReceived);
  }
  txtPts.SetText("0");
  const long stored_before = store.QSOCount;
  Mains();
  return store.QSOCount != stored_before;
}

}  // namespace ks
