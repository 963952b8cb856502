#include "startup/one_copy.h"

#include "platform/forms/application.h"
#include "platform/vb/constants.h"

namespace ks {

std::optional<io::FolderLock> ClaimWorkingFolder(forms::Application& app) {
  io::FolderLock lock = io::FolderLock::Take(app.StartDirectory());
  if (lock.state() != io::FolderLock::State::HeldElsewhere) return lock;
  app.MsgBox("Another copy of the program is already running in this working folder:\r\n\r\n" +
                 app.StartDirectory().string() +
                 "\r\n\r\nA second copy could write over the contacts the first one logs. This copy will close.",
             vb::vbOKOnly + vb::vbExclamation, kAlreadyRunningTitle);
  return std::nullopt;
}

}  // namespace ks
