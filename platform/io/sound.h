#pragma once
// Playing a WAV file in the background on the desktop's default sound output: start it,
// ask whether it still plays, stop it. The file is read and checked first (LoadWavFile), so
// that a caller can refuse a file that cannot be played before it keys a transmitter. The
// system player uses ALSA; where no sound device exists (a server, a CI machine) Play fails
// with a message saying so. The virtual player plays for the file's real duration on a
// virtual clock, for tests.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/io/wav.h"

namespace ks::io {

class Clock;

// A WAV file read whole and checked: ready to play.
struct WavSound {
  std::string path;
  WavInfo info;
  std::string bytes;
};

// A sound counts as ended no later than its length plus this, whatever the device says, so
// that a watch looking every 40 ms drops push-to-talk within a second of the sound's length.
inline constexpr int kSoundEndSlackMs = 900;

// Files larger than this are refused rather than read whole.
inline constexpr std::size_t kMaxWavBytes = 64u * 1024u * 1024u;

// Reads a WAV file without ever waiting on it: only a regular file is opened (a named pipe,
// a device or a folder is refused by its kind before anything opens it), the open does not
// block, a file above kMaxWavBytes is refused, and the header is checked. Nothing, with the
// reason in `why`, when it cannot be read or is not a playable WAV.
std::optional<WavSound> LoadWavFile(const std::string& path, std::string& why);

class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  // Stops whatever plays and starts `sound`; returns at once. False, with the reason in
  // `why`, when no sound device answers or the device cannot play it. Playing is false
  // once the sound has been played out, and kSoundEndSlackMs after its length at the latest.
  virtual bool Play(WavSound sound, std::string& why) = 0;
  virtual bool Playing() = 0;
  virtual void Stop() = 0;
};

std::unique_ptr<SoundPlayer> MakeSystemSoundPlayer();

class VirtualSoundPlayer final : public SoundPlayer {
 public:
  explicit VirtualSoundPlayer(const Clock& clock) : clock_(clock) {}
  bool Play(WavSound sound, std::string& why) override;
  bool Playing() override;
  void Stop() override { end_ms_ = 0; }
  // The files started, in order.
  std::vector<std::string> played;

 private:
  const Clock& clock_;
  std::int64_t end_ms_ = 0;
};

}  // namespace ks::io
