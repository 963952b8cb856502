// The voice keyer on the machine's sound output when that output is a sound server, as on
// most desktops: a PulseAudio daemon of the test's own with a null sink, reached through
// ALSA's pulse plugin. A message ends when its stream has drained, F1 repeats, and
// push-to-talk drops; a sink that never plays still drops push-to-talk within a second of
// the message's length, and a new key is not held up by it.
//
// The sound plays on the machine's clock, so the window's timers are run on it too.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "keying/windows/PhoneFrm.h"
#include "platform/io/sound.h"
#include "tests/keying/keying_fixture.h"
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
    if (server_) server_->Suspend(false);
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

}  // namespace
}  // namespace ks::testing
