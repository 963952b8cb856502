#include "platform/io/sound.h"

#include <cmath>
#include <fstream>

#include "platform/io/clock.h"
#include "platform/io/wav.h"

namespace ks::io {

namespace {

bool ReadWavFile(const std::string& path, std::string& bytes, std::string& why) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) {
    why = path + " cannot be opened";
    return false;
  }
  const std::streamoff size = in.tellg();
  if (size < 0 || static_cast<std::size_t>(size) > kMaxWavBytes) {
    why = path + " is too large to play";
    return false;
  }
  bytes.resize(static_cast<std::size_t>(size));
  in.seekg(0);
  if (!in.read(bytes.data(), size)) {
    why = path + " cannot be read";
    return false;
  }
  return true;
}

}  // namespace

std::optional<WavInfo> LoadWavFile(const std::string& path, std::string& bytes, std::string& why) {
  if (!ReadWavFile(path, bytes, why)) return std::nullopt;
  std::optional<WavInfo> info = ReadWavHeader(bytes, why);
  if (!info) why = path + " cannot be played: " + why;
  return info;
}

bool VirtualSoundPlayer::Play(const std::string& path, std::string& why) {
  Stop();
  std::string bytes;
  const std::optional<WavInfo> info = LoadWavFile(path, bytes, why);
  if (!info) return false;
  played.push_back(path);
  end_ms_ = clock_.TickMs() + static_cast<std::int64_t>(std::ceil(info->DurationMs()));
  return true;
}

bool VirtualSoundPlayer::Playing() { return clock_.TickMs() < end_ms_; }

}  // namespace ks::io
