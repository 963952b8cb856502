#pragma once
// The keyer windows' settings files in the working directory, one value per line in the
// settings line format:
//   wave2.txt  the nine sound files of F1 to F9 and the push-to-talk serial port (texts),
//              the push-to-talk line (0 RTS, 1 DTR, 2 parallel port), the F1 repeat
//              seconds and the parallel-port address;
//   cw.txt     the messages of F1 to F9, the keying serial port, the speed, the messages of
//              F10 and F11 and the word-space adjustment (texts), CWKeying (a byte), the
//              parallel-port address, the state of the "show CW text" box and the F1 repeat
//              seconds.
// Reading fills the windows' controls, loading each window hidden when it is not loaded.

#include "startup/file_reports.h"

namespace ks::forms {
class Application;
class Form;
}  // namespace ks::forms

namespace ks {

inline constexpr const char* kWaveFileName = "wave2.txt";
inline constexpr const char* kCWFileName = "cw.txt";

// Reads wave2.txt into PhoneFrm. The report names the file when it is missing or unreadable,
// and the line where it ends early or holds a repeat time the timer cannot take; the
// controls filled before that keep their new values.
FileReport LoadWaveSettings(forms::Application& app);

// Reads cw.txt into CWFrm and CWKeying. It stops quietly at the first value it cannot read
// or use; the controls after it keep what they held.
void LoadCWSettings(forms::Application& app);

// Writes CWFrm's settings to cw.txt and PhoneFrm's to wave2.txt, in the order the readers
// take them. A file that the station setup skipped reading (its load failed earlier) and
// that exists is left as it is, so Done cannot overwrite stored settings with the design
// values; the operator is told. False when nothing was written.
bool SaveCWSettings(forms::Application& app);
bool SaveWaveSettings(forms::Application& app);

// Every text box of a keyer window goes into its settings file, so each drops a typed
// double quote, which the file could not hold.
void DropQuotesTypedIntoBoxes(forms::Form& window);

}  // namespace ks
