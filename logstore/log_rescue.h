#pragma once
// The log held in memory when the program ends while log.txt lacks some of it (a full disk,
// a folder that cannot be written).
namespace ks::forms {
class Application;
}

namespace ks {

// Before the program ends: a log.txt behind memory is written again. When that fails too, the
// whole log goes to a file of its own in the BACKUP folder, else in the home folder, and the
// operator is told how many contacts log.txt lacks and which file holds them. True when the
// program may end; false when the log could be written nowhere: the operator has been told,
// and the program must stay open with the contacts in memory, since ending would lose them.
bool SecureLogBeforeEnd(forms::Application& app);

// The name of that file before the date and time (the rest as a backup copy's).
inline constexpr const char* kUnwrittenLogPrefix = "unwritten-";
inline constexpr const char* kUnwrittenLogTitle = "Log File Error";

}  // namespace ks
