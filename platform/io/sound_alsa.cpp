// The system sound player on ALSA's default device. A worker thread writes the samples a
// short period at a time without ever blocking, watching a stop flag between periods, and
// then lets the stream drain. The sound has ended when the first of two things says so:
//  - the stream's own state (it leaves running and draining), on a hardware device, a file
//    sink and a sound server such as PulseAudio or PipeWire alike;
//  - the stream's count of what it still holds, read once the last sample is written: the
//    sound ends that long after the write, plus kHeardGrace. A sound server answers a
//    drain only when its sink wakes after the stream's last sample, which a sink that sleeps
//    (an idle null sink, a server just started, a server that has stopped) does a second
//    or more late or never; its count of what it holds is right to a few milliseconds.
//    The count is not waited on to fall to 0: a sound server's never does.
//
// Whatever the device says, the sound counts as ended no later than its length plus
// kSoundEndSlackMs, and Stop never waits long for a worker caught in a device that hangs.
#include <alsa/asoundlib.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "platform/io/sound.h"
#include "platform/io/wav.h"

namespace ks::io {
namespace {

using SteadyClock = std::chrono::steady_clock;

// How long Stop waits for the worker to finish before leaving it to end on its own.
constexpr auto kStopWait = std::chrono::milliseconds(250);
constexpr int kPollMs = 10;
// How long after the stream's own count says the last sample is heard the sound still
// counts as playing: the count is read a moment before that sample leaves the device.
constexpr auto kHeardGrace = std::chrono::milliseconds(120);

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

// What the player and its worker share; the worker keeps it alive as long as it runs.
struct Playback {
  std::atomic<bool> stop{false};
  // When the stream's count says the last sample is heard, in steady-clock ticks; 0 while
  // not known.
  std::atomic<SteadyClock::rep> heard_by{0};
  std::mutex mutex;
  std::condition_variable finished;
  bool done = false;

  void MarkDone() {
    {
      std::lock_guard lock(mutex);
      done = true;
    }
    finished.notify_all();
  }
  bool Done() {
    std::lock_guard lock(mutex);
    return done;
  }
  // True once the stream's count says the last sample has been heard, with kHeardGrace.
  bool Heard(SteadyClock::time_point now) const {
    const SteadyClock::rep at = heard_by;
    return at != 0 && now >= SteadyClock::time_point(SteadyClock::duration(at)) + kHeardGrace;
  }
  // Waits up to `limit` for the worker to finish; true when it has.
  bool WaitDone(std::chrono::milliseconds limit) {
    std::unique_lock lock(mutex);
    return finished.wait_for(lock, limit, [this] { return done; });
  }
};

// Writes every sample frame of `sound`; false when stopped, past `give_up` or the device failed.
bool WriteAll(snd_pcm_t* pcm, const WavSound& sound, Playback& playback, SteadyClock::time_point give_up) {
  const std::size_t frame = static_cast<std::size_t>(sound.info.BlockAlign());
  const std::size_t period = static_cast<std::size_t>(sound.info.sample_rate) / 50;  // 20 ms
  std::size_t at = sound.info.data_offset;
  const std::size_t end = sound.info.data_offset + sound.info.data_size;
  while (at + frame <= end) {
    if (playback.stop || SteadyClock::now() >= give_up) return false;
    const std::size_t frames = std::min(period, (end - at) / frame);
    const snd_pcm_sframes_t written = snd_pcm_writei(pcm, sound.bytes.data() + at, frames);
    if (written == -EAGAIN) {
      snd_pcm_wait(pcm, 2 * kPollMs);
    } else if (written < 0) {
      if (snd_pcm_recover(pcm, static_cast<int>(written), 1) < 0) return false;
    } else {
      at += static_cast<std::size_t>(written) * frame;
    }
  }
  return true;
}

// Starts a stream that holds less than its start threshold (a short sound) and notes when
// the stream's count of the frames it still holds says the last one is heard.
void NoteWhenHeard(snd_pcm_t* pcm, int rate, Playback& playback) {
  if (snd_pcm_state(pcm) == SND_PCM_STATE_PREPARED && snd_pcm_start(pcm) < 0) return;
  snd_pcm_sframes_t held = 0;
  if (snd_pcm_delay(pcm, &held) < 0 || held < 0 || rate <= 0) return;
  const auto left = std::chrono::microseconds(static_cast<std::int64_t>(held) * 1000000 / rate);
  playback.heard_by = (SteadyClock::now() + left).time_since_epoch().count();
}

// Lets what the stream holds play out, until its own state says it has: a drained stream
// goes back to setup, and one that ran dry stops with an underrun.
void Drain(snd_pcm_t* pcm, Playback& playback, SteadyClock::time_point give_up) {
  const int rc = snd_pcm_drain(pcm);  // a kernel device answers -EAGAIN and drains on
  if (rc < 0 && rc != -EAGAIN) return;
  while (!playback.stop && SteadyClock::now() < give_up) {
    snd_pcm_avail_update(pcm);  // brings the state of a plugin stream up to date
    const snd_pcm_state_t state = snd_pcm_state(pcm);
    if (state != SND_PCM_STATE_DRAINING && state != SND_PCM_STATE_RUNNING) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(kPollMs));
  }
}

void Run(std::shared_ptr<Playback> playback, snd_pcm_t* pcm, WavSound sound, SteadyClock::time_point give_up) {
  if (WriteAll(pcm, sound, *playback, give_up)) {
    NoteWhenHeard(pcm, sound.info.sample_rate, *playback);
    Drain(pcm, *playback, give_up);
  }
  snd_pcm_drop(pcm);
  snd_pcm_close(pcm);
  playback->MarkDone();
}

class AlsaPlayer final : public SoundPlayer {
 public:
  AlsaPlayer() { snd_lib_error_set_handler(QuietAlsa); }
  ~AlsaPlayer() override { Stop(); }

  bool Play(WavSound sound, std::string& why) override {
    Stop();
    const auto ends_by = SteadyClock::now() + std::chrono::milliseconds(static_cast<std::int64_t>(
                                                  sound.info.DurationMs() + kSoundEndSlackMs));
    snd_pcm_t* pcm = nullptr;
    int rc = snd_pcm_open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK);
    if (rc < 0) {
      why = std::string("No sound device is available to play on (") + snd_strerror(rc) + ")";
      return false;
    }
    rc = snd_pcm_set_params(pcm, *PcmFormat(sound.info.bits_per_sample), SND_PCM_ACCESS_RW_INTERLEAVED,
                            static_cast<unsigned>(sound.info.channels), static_cast<unsigned>(sound.info.sample_rate),
                            1, 100000);
    if (rc < 0) {
      snd_pcm_close(pcm);
      why = std::string("The sound device cannot play ") + sound.path + " (" + snd_strerror(rc) + ")";
      return false;
    }
    playback_ = std::make_shared<Playback>();
    ends_by_ = ends_by;
    worker_ = std::thread(Run, playback_, pcm, std::move(sound), ends_by);
    return true;
  }

  bool Playing() override {
    if (!playback_ || playback_->Done()) return false;
    const auto now = SteadyClock::now();
    return now < ends_by_ && !playback_->Heard(now);
  }

  void Stop() override {
    if (!playback_) return;
    playback_->stop = true;
    // A worker held up inside the device finishes on its own; it owns all it uses.
    if (playback_->WaitDone(kStopWait)) {
      worker_.join();
    } else {
      worker_.detach();
    }
    playback_.reset();
  }

 private:
  std::shared_ptr<Playback> playback_;
  SteadyClock::time_point ends_by_;
  std::thread worker_;
};

}  // namespace

std::unique_ptr<SoundPlayer> MakeSystemSoundPlayer() { return std::make_unique<AlsaPlayer>(); }

}  // namespace ks::io
