#pragma once
// Playing a WAV file in the background on the desktop's default sound output: start it,
// ask whether it still plays, stop it. The system player uses ALSA; where no sound device
// exists (a server, a CI machine) Play fails with a message saying so. The virtual player
// plays for the file's real duration on a virtual clock, for tests.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/io/wav.h"

namespace ks::io {

class Clock;

class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  // Stops whatever plays and starts `path`; returns at once. False, with the reason in
  // `why`, when the file cannot be read, is not a playable WAV or no sound device answers.
  virtual bool Play(const std::string& path, std::string& why) = 0;
  virtual bool Playing() = 0;
  virtual void Stop() = 0;
};

// Files larger than this are refused rather than read whole.
inline constexpr std::size_t kMaxWavBytes = 64u * 1024u * 1024u;

std::unique_ptr<SoundPlayer> MakeSystemSoundPlayer();

class VirtualSoundPlayer final : public SoundPlayer {
 public:
  explicit VirtualSoundPlayer(const Clock& clock) : clock_(clock) {}
  bool Play(const std::string& path, std::string& why) override;
  bool Playing() override;
  void Stop() override { end_ms_ = 0; }
  // The files started, in order.
  std::vector<std::string> played;

 private:
  const Clock& clock_;
  std::int64_t end_ms_ = 0;
};

// Reads a whole WAV file (refusing one above kMaxWavBytes) and its header; nothing, with
// the reason in `why`, when it cannot be read or is not a playable WAV.
std::optional<WavInfo> LoadWavFile(const std::string& path, std::string& bytes, std::string& why);

}  // namespace ks::io
