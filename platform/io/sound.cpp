#include "platform/io/sound.h"

#include <sys/stat.h>

#include <cmath>

#include "platform/io/clock.h"
#include "platform/io/files.h"
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

// Reads the whole of a regular file of at most kMaxWavBytes (ReadFile opens nothing else);
// the reason in the operator's words when it cannot.
bool ReadWavBytes(const std::string& path, std::string& bytes, std::string& why) {
  const FileResult read = ReadFile(path, bytes, kMaxWavBytes);
  if (read) return true;
  struct stat st {};
  if (read.error == kFileTooLarge) {
    why = path + " is too large to play";
  } else if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
    why = path + " cannot be played: it is " + KindOf(st.st_mode) + ", not a sound file";
  } else {
    why = path + " cannot be opened (" + read.error + ")";
  }
  return false;
}

}  // namespace

std::optional<WavSound> LoadWavFile(const std::string& path, std::string& why) {
  WavSound sound;
  sound.path = path;
  if (!ReadWavBytes(path, sound.bytes, why)) return std::nullopt;
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
