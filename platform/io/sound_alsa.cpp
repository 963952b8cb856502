// The system sound player on ALSA's default device: a thread writes the samples in short
// periods and watches a stop flag between them, so Stop ends the sound within a period.
#include <alsa/asoundlib.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "platform/io/sound.h"
#include "platform/io/wav.h"

namespace ks::io {
namespace {

// ALSA reports a missing card on stderr by itself; the player reports it in its own words.
void QuietAlsa(const char*, int, const char*, int, const char*, ...) {}

std::optional<snd_pcm_format_t> PcmFormat(int bits) {
  switch (bits) {
    case 8: return SND_PCM_FORMAT_U8;
    case 16: return SND_PCM_FORMAT_S16_LE;
    case 24: return SND_PCM_FORMAT_S24_3LE;
    case 32: return SND_PCM_FORMAT_S32_LE;
    default: return std::nullopt;
  }
}

class AlsaPlayer final : public SoundPlayer {
 public:
  AlsaPlayer() { snd_lib_error_set_handler(QuietAlsa); }
  ~AlsaPlayer() override { Stop(); }

  bool Play(const std::string& path, std::string& why) override {
    Stop();
    std::string bytes;
    const std::optional<WavInfo> info = LoadWavFile(path, bytes, why);
    if (!info) return false;
    snd_pcm_t* pcm = nullptr;
    int rc = snd_pcm_open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, 0);
    if (rc < 0) {
      why = std::string("No sound device is available to play on (") + snd_strerror(rc) + ").";
      return false;
    }
    rc = snd_pcm_set_params(pcm, *PcmFormat(info->bits_per_sample), SND_PCM_ACCESS_RW_INTERLEAVED,
                            static_cast<unsigned>(info->channels), static_cast<unsigned>(info->sample_rate), 1,
                            100000);
    if (rc < 0) {
      snd_pcm_close(pcm);
      why = std::string("The sound device cannot play ") + path + " (" + snd_strerror(rc) + ").";
      return false;
    }
    stop_ = false;
    playing_ = true;
    worker_ = std::thread([this, pcm, samples = std::move(bytes), info = *info] { Run(pcm, samples, info); });
    return true;
  }

  bool Playing() override { return playing_; }

  void Stop() override {
    stop_ = true;
    if (worker_.joinable()) worker_.join();
    playing_ = false;
  }

 private:
  void Run(snd_pcm_t* pcm, const std::string& bytes, const WavInfo& info) {
    const std::size_t frame = static_cast<std::size_t>(info.BlockAlign());
    const std::size_t period = static_cast<std::size_t>(info.sample_rate) / 50;  // 20 ms
    std::size_t at = info.data_offset;
    const std::size_t end = info.data_offset + info.data_size;
    while (!stop_ && at < end) {
      const std::size_t frames = std::min(period, (end - at) / frame);
      const snd_pcm_sframes_t written = snd_pcm_writei(pcm, bytes.data() + at, frames);
      if (written < 0) {
        if (snd_pcm_recover(pcm, static_cast<int>(written), 1) < 0) break;
        continue;
      }
      at += static_cast<std::size_t>(written) * frame;
    }
    // Let what the device holds play out, still listening for Stop.
    snd_pcm_sframes_t delay = 0;
    while (!stop_ && snd_pcm_delay(pcm, &delay) == 0 && delay > 0) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    snd_pcm_drop(pcm);
    snd_pcm_close(pcm);
    playing_ = false;
  }

  std::atomic<bool> stop_{false};
  std::atomic<bool> playing_{false};
  std::thread worker_;
};

}  // namespace

std::unique_ptr<SoundPlayer> MakeSystemSoundPlayer() { return std::make_unique<AlsaPlayer>(); }

}  // namespace ks::io
