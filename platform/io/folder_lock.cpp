#include "platform/io/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace ks::io {

FolderLock FolderLock::Take(const std::filesystem::path& folder) {
  FolderLock lock;
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) {
    lock.error_ = std::strerror(errno);
    return lock;
  }
  if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
    lock.fd_ = fd;
    lock.state_ = State::Held;
    return lock;
  }
  const int failure = errno;
  ::close(fd);
  lock.error_ = std::strerror(failure);
  // Only a lock held by another is a refusal. Any other failure (ENOLCK, EOPNOTSUPP, a
  // network file system that will not lock a folder) means this folder cannot be locked.
  lock.state_ = failure == EWOULDBLOCK ? State::HeldElsewhere : State::NotLocked;
  return lock;
}

FolderLock::FolderLock(FolderLock&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)),
      state_(std::exchange(other.state_, State::NotLocked)),
      error_(std::move(other.error_)) {}

FolderLock& FolderLock::operator=(FolderLock&& other) noexcept {
  if (this != &other) {
    Release();
    fd_ = std::exchange(other.fd_, -1);
    state_ = std::exchange(other.state_, State::NotLocked);
    error_ = std::move(other.error_);
  }
  return *this;
}

FolderLock::~FolderLock() { Release(); }

void FolderLock::Release() {
  if (fd_ >= 0) ::close(fd_);  // closing the only descriptor of the open lets go of the lock
  fd_ = -1;
}

}  // namespace ks::io
