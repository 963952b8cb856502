#pragma once
// Run state of contact entry shared by both main windows and by the windows that work on
// one logged contact: the checks' flags, the duplicate found last, the entry line's key
// hand-off, the contact being edited, the list's "All" switch and the counts by mode.
#include <cstdint>
#include <string>

namespace ks {

// app.State<EntryState>()
struct EntryState {
  // Raised by the checks of one entry; each blocks the storing of that entry.
  int MissingFieldFlag = 0;
  int InvalidCountyFlag = 0;
  int InvalidSectionFlag = 0;
  int DupeFlag = 0;
  // The clock's tick at which the hold after the last duplicate found ends: the third whole second of
  // the time of day after it, measured on the tick, which a change of the time of day (a time
  // server setting the clock back) does not move.
  std::int64_t DupeHoldEndTick = 0;

  // The entry line's hand-off of one key into the next box within the same keystroke:
  // 0 none, 4 a digit from the call box to the serial box, 3 a key from the serial box to
  // the county box (2 from the sent-report box to the exchange box, in-state only).
  int FieldHandoff = 0;
  // The carried key's character code as decimal digits ("53" for the digit 5).
  std::string CarriedKey;

  // 1 while the recent-contacts list shows every contact, 0 for the last 20.
  int ListAllContacts = 0;
  // The record number of the contact an editor works on.
  float EditIndex = 0;

  // The contacts counted by mode: "PH", "CW" and every other mode.
  float PHQSOCount = 0;
  float CWQSOCount = 0;
  float OtherQSOCount = 0;
};

// Field hand-off codes.
inline constexpr int kHandoffNone = 0;
inline constexpr int kHandoffReportToExchange = 2;
inline constexpr int kHandoffSerialToCounty = 3;
inline constexpr int kHandoffCallToSerial = 4;

}  // namespace ks
