#pragma once
// An exclusive advisory lock on a folder, held as long as the object (and so, kept for the
// run, as long as the process) lives. It is taken with flock on the folder's own descriptor:
// no file is made, the lock follows the folder whatever path names it, and the kernel lets go
// of it when the process ends, however it ends, so a crash leaves no stale lock. The
// descriptor is closed on exec, so a program started from this one never holds it on.
#include <filesystem>
#include <string>

namespace ks::io {

class FolderLock {
 public:
  enum class State {
    Held,            // this object holds the lock
    HeldElsewhere,   // another open of the folder (another process) holds it
    NotLocked,       // the folder could not be opened or its file system does not lock
  };

  // Tries once, without waiting.
  static FolderLock Take(const std::filesystem::path& folder);

  FolderLock() = default;
  FolderLock(FolderLock&& other) noexcept;
  FolderLock& operator=(FolderLock&& other) noexcept;
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;
  ~FolderLock();

  State state() const { return state_; }
  // What the system said when the state is not Held.
  const std::string& error() const { return error_; }

 private:
  void Release();

  int fd_ = -1;
  State state_ = State::NotLocked;
  std::string error_;
};

}  // namespace ks::io
