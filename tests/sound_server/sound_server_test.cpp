// The voice keyer on the machine's sound output when that output is a sound server, as on
// most desktops: a PulseAudio daemon of the test's own with a null sink, reached through
// ALSA's pulse plugin. A message ends when its stream has drained, F1 repeats, and
// push-to-talk drops within 0.3 s of the message's length in every format a recorder makes
// and for the supplied prompts, also when the server never reports the drain; a sink that
// never plays still drops push-to-talk within a second of the message's length, and a new
// key is not held up by it.
//
// The sound plays on the machine's clock, so the window's timers are run on it too.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "keying/windows/PhoneFrm.h"
#include "platform/io/sound.h"
#include "tests/keying/keying_fixture.h"
#include "tests/support/files.h"
#include "tests/sound_server/pulse_null_sink.h"

namespace ks::testing {
namespace {

class SoundServerTest : public KeyingTest {
 protected:
  static void SetUpTestSuite() {
    folder_ = std::make_unique<TempDir>();
    server_ = std::make_unique<PulseNullSink>(folder_->path());
    if (!server_->Start(skip_) || !server_->AwaitPromptPlayback(skip_)) server_.reset();
  }
  static void TearDownTestSuite() {
    server_.reset();
    folder_.reset();
  }
  void SetUp() override {
    if (!server_) GTEST_SKIP() << "no sound server to play through: " << skip_;
    devices->machine_sound = true;
    phone().Option3.SetValue(true);  // push-to-talk on the parallel port
  }
  void TearDown() override {
    if (!server_) return;
    server_->Pause(false);
    server_->Suspend(false);
  }

  PhoneFrm& phone() { return app().Get<PhoneFrm>(); }
  void Press(int code) { phone().FKeyPhone(code); }
  bool Keyed() const { return LineDownAtEnd(); }

  // Runs the window's timers on the machine's clock until `done` says so or `limit_ms` has
  // passed; gives the milliseconds that passed.
  std::int64_t RunUntil(const std::function<bool()>& done, std::int64_t limit_ms) {
    const auto start = std::chrono::steady_clock::now();
    std::int64_t run = 0;
    for (;;) {
      const std::int64_t elapsed =
          std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
      h.Advance(elapsed - run);
      run = elapsed;
      if (done() || elapsed >= limit_ms) return elapsed;
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
  }

  static inline std::unique_ptr<TempDir> folder_;
  static inline std::unique_ptr<PulseNullSink> server_;
  static inline std::string skip_;
};

constexpr std::int64_t kLengthMs = 300;
// The test's own steps and a busy machine may add this to a time it measures.
constexpr std::int64_t kJitterMs = 60;

TEST_F(SoundServerTest, MessageEndsWithItsStreamRepeatsOnF1AndDropsPushToTalk) {
  phone().Text1.SetText(WriteWav("cq.wav", static_cast<int>(kLengthMs)));
  phone().txtPHLoop.SetText("0.2");
  phone().txtPHLoop.LostFocus();
  Press(112);
  for (int message = 1; message <= 2; ++message) {
    ASSERT_TRUE(Keyed()) << "message " << message;
    const std::int64_t dropped = RunUntil([this] { return !Keyed(); }, 3000);
    EXPECT_GE(dropped, kLengthMs - 20) << "message " << message << ": push-to-talk stays up while it plays";
    EXPECT_LT(dropped, kLengthMs + io::kSoundEndSlackMs - 300)
        << "message " << message << ": it ended by its stream, well before the bound";
    if (message == 1) {
      const std::int64_t repeated = RunUntil([this] { return Keyed(); }, 2000);
      EXPECT_GE(repeated, 200 - kJitterMs) << "F1 comes again after the repeat's 0.2 s";
      EXPECT_LE(repeated, 200 + 40 + kJitterMs);
    }
  }
  // Any key on the main window ends the repeat.
  keying().PhoneRepeat = 0;
  phone().tmrRepeat.SetEnabled(false);
  RunUntil([] { return false; }, 400);
  EXPECT_FALSE(Keyed());
}

TEST_F(SoundServerTest, SinkThatNeverPlaysStillDropsPushToTalkWithinASecondOfTheLength) {
  ASSERT_TRUE(server_->Suspend(true));
  phone().Text1.SetText(WriteWav("cq.wav", static_cast<int>(kLengthMs)));
  Press(112);
  ASSERT_TRUE(Keyed());
  const std::int64_t dropped = RunUntil([this] { return !Keyed(); }, 3000);
  EXPECT_GE(dropped, kLengthMs);
  EXPECT_LE(dropped, kLengthMs + 1000 + kJitterMs);
}

// A message shorter than the server's buffer is written at once and then waits for a drain
// that a suspended sink never finishes: the next key still starts at once.
TEST_F(SoundServerTest, KeyDuringAMessageThatNeverDrainsIsNotHeldUp) {
  ASSERT_TRUE(server_->Suspend(true));
  phone().Text2.SetText(WriteWav("short.wav", 50));
  Press(113);
  RunUntil([] { return false; }, 200);
  const auto before = std::chrono::steady_clock::now();
  Press(113);
  const auto took = std::chrono::steady_clock::now() - before;
  EXPECT_LT(took, std::chrono::milliseconds(700));
  EXPECT_TRUE(Keyed());
  const std::int64_t dropped = RunUntil([this] { return !Keyed(); }, 3000);
  EXPECT_LE(dropped, 50 + 1000 + kJitterMs);
}

// A WAV file of `ms` milliseconds of a 440 Hz tone at `rate` Hz, `channels` channels and
// `bits` bits.
std::string Tone(int rate, int channels, int bits, int ms) {
  const std::uint32_t frames = static_cast<std::uint32_t>(rate) * static_cast<std::uint32_t>(ms) / 1000;
  const std::uint32_t block = static_cast<std::uint32_t>(channels * bits / 8);
  std::string bytes = "RIFF";
  auto le = [&bytes](std::uint32_t v, int n) {
    for (int i = 0; i < n; ++i) bytes += static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  le(36 + frames * block, 4);
  bytes += "WAVEfmt ";
  le(16, 4);
  le(1, 2);
  le(static_cast<std::uint32_t>(channels), 2);
  le(static_cast<std::uint32_t>(rate), 4);
  le(static_cast<std::uint32_t>(rate) * block, 4);
  le(block, 2);
  le(static_cast<std::uint32_t>(bits), 2);
  bytes += "data";
  le(frames * block, 4);
  for (std::uint32_t i = 0; i < frames; ++i) {
    const double v = 0.3 * std::sin(2 * 3.14159265358979 * 440 * i / rate);
    for (int c = 0; c < channels; ++c) {
      if (bits == 8) {
        le(static_cast<std::uint32_t>(128 + std::lround(v * 127)), 1);  // 8-bit samples are unsigned
      } else {
        le(static_cast<std::uint32_t>(static_cast<std::int16_t>(std::lround(v * 32767))), 2);
      }
    }
  }
  return bytes;
}

// Push-to-talk drops within 0.3 s of a message's length, whatever its format: the formats
// a sound recorder makes and the supplied prompts (22.05 kHz, 16-bit mono).
TEST_F(SoundServerTest, PushToTalkDropsAtTheEndOfEveryFormat) {
  struct Case {
    std::string file;
    std::string bytes;  // empty: a supplied file
  };
  std::vector<Case> cases = {
      {"8k-8bit-mono.wav", Tone(8000, 1, 8, 430)},      {"8k-16bit-mono.wav", Tone(8000, 1, 16, 610)},
      {"11k-8bit-mono.wav", Tone(11025, 1, 8, 520)},    {"11k-16bit-stereo.wav", Tone(11025, 2, 16, 470)},
      {"22k-8bit-mono.wav", Tone(22050, 1, 8, 380)},    {"22k-16bit-mono.wav", Tone(22050, 1, 16, 750)},
      {"22k-16bit-stereo.wav", Tone(22050, 2, 16, 560)}, {"44k-8bit-stereo.wav", Tone(44100, 2, 8, 490)},
      {"44k-16bit-mono.wav", Tone(44100, 1, 16, 640)},  {"44k-16bit-stereo.wav", Tone(44100, 2, 16, 700)},
  };
  for (const char* prompt : {"Call", "Points", "SerNum", "RstSnt", "County", "SPC", "Dupe", "NavDis", "NavEn"}) {
    cases.push_back({std::string(prompt) + ".wav", ""});
  }
  for (const Case& c : cases) {
    if (c.bytes.empty()) {
      CopySupplied(c.file, work());
    } else {
      WriteBytes(work() / c.file, c.bytes);
    }
    std::string why;
    const std::optional<io::WavSound> sound = io::LoadWavFile((work() / c.file).string(), why);
    ASSERT_TRUE(sound) << why;
    const auto length = static_cast<std::int64_t>(sound->info.DurationMs());
    phone().Text2.SetText((work() / c.file).string());
    Press(113);
    ASSERT_TRUE(Keyed()) << c.file;
    const std::int64_t dropped = RunUntil([this] { return !Keyed(); }, length + 2000);
    std::printf("%-22s %5lld ms long: push-to-talk dropped %+lld ms after its length\n", c.file.c_str(),
                static_cast<long long>(length), static_cast<long long>(dropped - length));
    EXPECT_GE(dropped, length - 20) << c.file << ": push-to-talk stays up while it plays";
    EXPECT_LE(dropped, length + 300) << c.file;
  }
}

// A sound server that stops answering once the message's last sample is written never
// reports the stream drained: push-to-talk still drops at the end of the message, not a
// second later.
TEST_F(SoundServerTest, ServerThatNeverReportsTheDrainStillDropsPushToTalkAtTheEnd) {
  constexpr std::int64_t kLong = 1000;
  phone().Text2.SetText(WriteWav("long.wav", static_cast<int>(kLong)));
  Press(113);
  ASSERT_TRUE(Keyed());
  // The player keeps 0.1 s written ahead, so by now every sample has been written, and the
  // server has not yet played the last one.
  const std::int64_t paused = RunUntil([] { return false; }, kLong - 15);
  ASSERT_TRUE(server_->Pause(true));
  const std::int64_t dropped = paused + RunUntil([this] { return !Keyed(); }, 2000);
  ASSERT_TRUE(server_->Pause(false));
  EXPECT_LE(dropped, kLong + 300);
}

}  // namespace
}  // namespace ks::testing
