#include "platform/io/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>

#include "platform/io/text_encoding.h"

namespace ks::io {
namespace {

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualNoCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  return true;
}

// Writes all of `bytes` to an open descriptor.
bool WriteAll(int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

std::string TempNameBeside(const fs::path& path) {
  static thread_local std::mt19937 random{std::random_device{}()};
  return path.filename().string() + ".tmp" + std::to_string(random() % 1000000);
}

void SyncFolder(const fs::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
}

// The file that a write of `path` lands in: a symbolic link is followed to its target (a
// dangling link to the file it names), so the link stays and the file it points at changes.
FileResult FollowLinks(const fs::path& path, fs::path& target) {
  constexpr int kMaxLinks = 40;
  target = path;
  for (int hops = 0; hops < kMaxLinks; ++hops) {
    struct stat st {};
    if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return {};
    std::error_code ec;
    const fs::path next = fs::read_symlink(target, ec);
    if (ec) return FileResult::Failure(ec.message());
    target = next.is_absolute() ? next : target.parent_path() / next;
  }
  return FileResult::Failure(ErrorText(ELOOP));
}

// A replacement keeps the owner and the permissions of the file it replaces. Where the owner
// cannot be kept (only the superuser may give a file away), the new file stays the writer's.
void KeepOwnerAndMode(int fd, const fs::path& replaced) {
  struct stat st {};
  if (::stat(replaced.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return;
  if (::fchown(fd, st.st_uid, st.st_gid) != 0 && ::fchown(fd, static_cast<uid_t>(-1), st.st_gid) != 0) {
    // Neither owner nor group could be kept; the permissions below still are.
  }
  ::fchmod(fd, st.st_mode & 07777);
}

// The failure of a path that holds something other than a regular file.
FileResult NotARegularFile(const struct stat& st) {
  return FileResult::Failure(S_ISDIR(st.st_mode) ? ErrorText(EISDIR) : std::string(kNotARegularFile));
}

}  // namespace

FileResult OpenRegularFile(const fs::path& path, int flags, int& fd) {
  fd = -1;
  // What the path holds is looked at before anything opens it: opening a serial device
  // raises its modem lines. A path that is missing (or cannot be looked at) is left to the
  // open, which makes it or says why not.
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) return NotARegularFile(st);
  // Without O_NONBLOCK the open of a named pipe waits for its other end, and that of a
  // device may wait for the device; what was opened is checked again, since the path may
  // have been replaced meanwhile.
  fd = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0644);
  if (fd < 0) return FileResult::Failure(ErrorText(errno));
  const int err = ::fstat(fd, &st) != 0 ? errno : 0;
  if (err != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    fd = -1;
    return err != 0 ? FileResult::Failure(ErrorText(err)) : NotARegularFile(st);
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  return {};
}

std::string ErrorText(int errnum) { return std::strerror(errnum); }

std::optional<fs::path> FindNoCase(const fs::path& folder, const std::string& name) {
  std::error_code ec;
  const fs::path exact = folder / name;
  if (fs::exists(exact, ec)) return exact;
  std::optional<fs::path> found;
  for (fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::string entry = it->path().filename().string();
    if (EqualNoCase(entry, name)) {
      if (!found || entry < found->filename().string()) found = folder / entry;
    }
  }
  return found;
}

fs::path ResolveNoCase(const fs::path& folder, const std::string& name) {
  if (auto found = FindNoCase(folder, name)) return *found;
  return folder / name;
}

fs::path ResolvePathNoCase(const fs::path& folder, const fs::path& relative) {
  fs::path current = folder;
  for (const auto& part : relative) {
    const std::string name = part.string();
    if (name.empty() || name == "/") continue;
    current = ResolveNoCase(current, name);
  }
  return current;
}

bool IsFile(const fs::path& path) {
  std::error_code ec;
  return fs::is_regular_file(path, ec);
}

bool IsFolder(const fs::path& path) {
  std::error_code ec;
  return fs::is_directory(path, ec);
}

FileResult ReadFile(const fs::path& path, std::string& bytes, std::size_t max_bytes) {
  bytes.clear();
  int fd = -1;
  if (auto opened = OpenRegularFile(path, O_RDONLY, fd); !opened) return opened;
  struct stat st {};
  const auto too_large = [&] {
    ::close(fd);
    bytes.clear();
    return FileResult::Failure(kFileTooLarge);
  };
  if (::fstat(fd, &st) == 0 && st.st_size > 0) {
    if (static_cast<std::uintmax_t>(st.st_size) > max_bytes) return too_large();
    bytes.reserve(static_cast<std::size_t>(st.st_size));
  }
  char buffer[1 << 16];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      const int err = errno;
      ::close(fd);
      return FileResult::Failure(ErrorText(err));
    }
    if (n == 0) break;
    bytes.append(buffer, static_cast<std::size_t>(n));
    if (bytes.size() > max_bytes) return too_large();  // it grew while it was read
  }
  ::close(fd);
  return {};
}

FileResult ReadTextFile(const fs::path& path, std::string& bytes, std::size_t max_bytes) {
  FileResult read = ReadFile(path, bytes, max_bytes);
  if (read && bytes.starts_with(kUtf8ByteOrderMark)) bytes.erase(0, kUtf8ByteOrderMark.size());
  return read;
}

FileResult WriteFileAtomic(const fs::path& path, const std::string& bytes) {
  fs::path target;
  if (auto followed = FollowLinks(path, target); !followed) return followed;
  const fs::path folder = target.parent_path();
  const fs::path temp = folder / TempNameBeside(target);
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) return FileResult::Failure(ErrorText(errno));
  KeepOwnerAndMode(fd, target);
  if (!WriteAll(fd, bytes) || ::fsync(fd) != 0) {
    const int err = errno;
    ::close(fd);
    ::unlink(temp.c_str());
    return FileResult::Failure(ErrorText(err));
  }
  if (::close(fd) != 0 || ::rename(temp.c_str(), target.c_str()) != 0) {
    const int err = errno;
    ::unlink(temp.c_str());
    return FileResult::Failure(ErrorText(err));
  }
  SyncFolder(folder);
  return {};
}

FileResult AppendFileDurable(const fs::path& path, const std::string& bytes) {
  int fd = -1;
  if (auto opened = OpenRegularFile(path, O_WRONLY | O_CREAT | O_APPEND, fd); !opened) return opened;
  struct stat st {};
  const bool sized = ::fstat(fd, &st) == 0;
  if (!WriteAll(fd, bytes) || ::fsync(fd) != 0) {
    const int err = errno;
    if (sized) {
      // Take back a partial line, so the file holds only whole records.
      if (::ftruncate(fd, st.st_size) == 0) ::fsync(fd);
    }
    ::close(fd);
    return FileResult::Failure(ErrorText(err));
  }
  if (::close(fd) != 0) return FileResult::Failure(ErrorText(errno));
  return {};
}

FileResult CopyFileReplacing(const fs::path& from, const fs::path& to, std::size_t max_bytes) {
  std::string bytes;
  if (auto read = ReadFile(from, bytes, max_bytes); !read) return read;
  return WriteFileAtomic(to, bytes);
}

FileResult MakeFolder(const fs::path& path) {
  if (::mkdir(path.c_str(), 0755) == 0) return {};
  const int err = errno;
  if (err == EEXIST && IsFolder(path)) return {};
  return FileResult::Failure(ErrorText(err));
}

}  // namespace ks::io
