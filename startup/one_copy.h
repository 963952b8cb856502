#pragma once
// One copy of the program to a working folder. Two copies in one folder would each load the
// log and append to it, and the first edit or delete in either would write the log whole
// from its own memory over the contacts the other had logged. The start-up takes the folder's
// lock before any window opens or any file is read, and keeps it for the run.
#include <optional>

#include "platform/io/folder_lock.h"

namespace ks::forms {
class Application;
}

namespace ks {

inline constexpr const char* kAlreadyRunningTitle = "Program Already Running";

// Locks app.StartDirectory() for this run. When another copy holds it, tells the operator
// with one message box naming the folder and returns nothing: the program must end, having
// touched no file. When the folder cannot be locked (a file system without locks), the
// program goes on without the lock. Keep what this returns until the program ends.
std::optional<io::FolderLock> ClaimWorkingFolder(forms::Application& app);

}  // namespace ks
