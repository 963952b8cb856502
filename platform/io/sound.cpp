#include "platform/io/sound.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "platform/io/clock.h"
#include "platform/io/wav.h"

namespace ks::io {

namespace {

// What a path that is not a regular file is, in the operator's words.
const char* KindOf(mode_t mode) {
  if (S_ISFIFO(mode)) return "a named pipe";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
  if (S_ISDIR(mode)) return "a folder";
  if (S_ISSOCK(mode)) return "a socket";
  return "not a plain file";
}

bool RefuseKind(const std::string& path, const struct stat& st, std::string& why) {
  if (S_ISREG(st.st_mode)) return false;
  why = path + " cannot be played: it is " + KindOf(st.st_mode) + ", not a sound file";
  return true;
}

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

// Reads the whole of a regular file; anything else is refused before it is opened (opening a
// named pipe waits for a writer, opening a serial device raises its modem lines).
bool ReadRegularFile(const std::string& path, std::string& bytes, std::string& why) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) {
    why = path + " cannot be opened (" + std::strerror(errno) + ")";
    return false;
  }
  if (RefuseKind(path, st, why)) return false;
  const Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (fd.get() < 0) {
    why = path + " cannot be opened (" + std::strerror(errno) + ")";
    return false;
  }
  // What was opened is checked again: the path may have been replaced meanwhile.
  if (::fstat(fd.get(), &st) != 0) {
    why = path + " cannot be read (" + std::strerror(errno) + ")";
    return false;
  }
  if (RefuseKind(path, st, why)) return false;
  if (st.st_size < 0 || static_cast<std::uintmax_t>(st.st_size) > kMaxWavBytes) {
    why = path + " is too large to play";
    return false;
  }
  bytes.resize(static_cast<std::size_t>(st.st_size));
  std::size_t got = 0;
  while (got < bytes.size()) {
    const ssize_t n = ::read(fd.get(), bytes.data() + got, bytes.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      why = path + " cannot be read (" + std::strerror(errno) + ")";
      return false;
    }
    if (n == 0) break;  // the file shrank while it was read: what it holds now is checked
    got += static_cast<std::size_t>(n);
  }
  bytes.resize(got);
  return true;
}

}  // namespace

std::optional<WavSound> LoadWavFile(const std::string& path, std::string& why) {
  WavSound sound;
  sound.path = path;
  if (!ReadRegularFile(path, sound.bytes, why)) return std::nullopt;
  std::optional<WavInfo> info = ReadWavHeader(sound.bytes, why);
  if (!info) {
    why = path + " cannot be played: " + why;
    return std::nullopt;
  }
  sound.info = *info;
  return sound;
}

bool VirtualSoundPlayer::Play(WavSound sound, std::string& /*why*/) {
  Stop();
  played.push_back(sound.path);
  end_ms_ = clock_.TickMs() + static_cast<std::int64_t>(std::ceil(sound.info.DurationMs()));
  return true;
}

bool VirtualSoundPlayer::Playing() { return clock_.TickMs() < end_ms_; }

}  // namespace ks::io
