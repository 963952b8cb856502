// The keyers' devices on this machine: WAV headers from untrusted bytes, WAV files read
// without waiting on what is not a file, the parallel port's addresses and its refusal
// where there is none, and the sound player where no sound device may exist.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>

#include "platform/io/clock.h"
#include "platform/io/parallel_port.h"
#include "platform/io/sound.h"
#include "platform/io/wav.h"
#include "tests/support/files.h"
#include "tests/support/idle_fifo.h"
#include "tests/support/temp_dir.h"

namespace ks::testing {
namespace {

void Le(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A RIFF file with a format chunk and a data chunk that claims `claimed` bytes and holds `held`.
std::string Wave(std::uint16_t tag, std::uint16_t channels, std::uint32_t rate, std::uint16_t bits,
                 std::uint32_t claimed, std::uint32_t held, const std::string& before_data = "") {
  std::string fmt;
  Le(fmt, tag, 2);
  Le(fmt, channels, 2);
  Le(fmt, rate, 4);
  Le(fmt, rate * channels * bits / 8, 4);
  Le(fmt, channels * bits / 8, 2);
  Le(fmt, bits, 2);
  std::string body = "WAVEfmt ";
  Le(body, static_cast<std::uint32_t>(fmt.size()), 4);
  body += fmt + before_data + "data";
  Le(body, claimed, 4);
  body.append(held, '\x01');
  std::string file = "RIFF";
  Le(file, static_cast<std::uint32_t>(body.size()), 4);
  return file + body;
}

TEST(WavHeader, AcceptsPlayablePcm) {
  std::string why;
  const auto mono = io::ReadWavHeader(Wave(1, 1, 8000, 16, 16000, 16000), why);
  ASSERT_TRUE(mono) << why;
  EXPECT_EQ(mono->data_offset, 44u);
  EXPECT_EQ(mono->data_size, 16000u);
  EXPECT_DOUBLE_EQ(mono->DurationMs(), 1000);
  // An odd-length chunk before the data is padded to even; a half frame at the end is dropped.
  const auto padded = io::ReadWavHeader(Wave(1, 2, 22050, 8, 5, 5, std::string("LIST\x03\0\0\0abc\0", 12)), why);
  ASSERT_TRUE(padded) << why;
  EXPECT_EQ(padded->data_offset, 56u);
  EXPECT_EQ(padded->data_size, 4u);
}

TEST(WavHeader, RefusesWhatItCannotPlayOrThatClaimsTooMuch) {
  const struct {
    std::string bytes;
    const char* reason;
  } cases[] = {
      {"", "not a WAV"},
      {"RIFF\0\0\0\0AVI LIST", "not a WAV"},
      {Wave(3, 1, 8000, 32, 8, 8), "not plain PCM"},
      {Wave(1, 0, 8000, 16, 8, 8), "0 channels"},
      {Wave(1, 1, 8000, 12, 8, 8), "12-bit"},
      {Wave(1, 1, 10, 16, 8, 8), "sample rate"},
      {Wave(1, 1, 8000, 16, 0xFFFFFFF0u, 8), "more bytes than the file holds"},
      {Wave(1, 1, 8000, 16, 8, 8).substr(0, 40), "no sound data"},
  };
  for (const auto& c : cases) {
    std::string why;
    EXPECT_FALSE(io::ReadWavHeader(c.bytes, why)) << c.reason;
    EXPECT_NE(why.find(c.reason), std::string::npos) << why;
  }
}

TEST(ParallelPort, UsualAddressesNameThePorts) {
  EXPECT_EQ(io::ParallelPortNumber(0x378), 0);
  EXPECT_EQ(io::ParallelPortNumber(0x278), 1);
  EXPECT_EQ(io::ParallelPortNumber(0x3BC), 2);
  EXPECT_FALSE(io::ParallelPortNumber(888 + 2));
  std::string why;
  EXPECT_FALSE(io::OpenParallelPort(0x300, 2, why));
  EXPECT_NE(why.find("no parallel port at that address"), std::string::npos);
}

// Whatever the path names, the answer comes at once: a named pipe with no writer, a device
// or a folder is refused by its kind, before anything opens it.
TEST(WavFile, RefusesWhatCannotBePlayedWithoutWaitingOnIt) {
  TempDir dir;
  WriteBytes(dir / "text.wav", "not a wave");
  std::filesystem::create_directory(dir / "folder.wav");
  IdleFifo fifo(dir / "pipe.wav");
  const struct {
    std::string path;
    const char* reason;
  } cases[] = {
      {(dir / "text.wav").string(), "cannot be played: it is not a WAV file"},
      {(dir / "missing.wav").string(), "cannot be opened"},
      {(dir / "folder.wav").string(), "cannot be played: it is a folder"},
      {"/dev/null", "cannot be played: it is a device"},
      {fifo.path().string(), "cannot be played: it is a named pipe"},
  };
  for (const auto& c : cases) {
    std::string why;
    {
      IdleFifo::Watch watch(fifo, std::chrono::milliseconds(1000));
      EXPECT_FALSE(io::LoadWavFile(c.path, why)) << c.path;
    }
    EXPECT_NE(why.find(c.path + " " + c.reason), std::string::npos) << why;
  }
  EXPECT_FALSE(fifo.WaitedOn());
}

TEST(WavFile, ReadsAPlayableFileWhole) {
  TempDir dir;
  WriteBytes(dir / "beep.wav", Wave(1, 2, 8000, 16, 3200, 3200));  // 100 ms of stereo
  std::string why;
  const std::optional<io::WavSound> sound = io::LoadWavFile((dir / "beep.wav").string(), why);
  ASSERT_TRUE(sound) << why;
  EXPECT_EQ(sound->path, (dir / "beep.wav").string());
  EXPECT_EQ(sound->bytes.size(), std::filesystem::file_size(dir / "beep.wav"));
  EXPECT_DOUBLE_EQ(sound->info.DurationMs(), 100);
}

TEST(SoundPlayer, PlaysOrSaysThereIsNoDevice) {
  TempDir dir;
  WriteBytes(dir / "beep.wav", Wave(1, 1, 8000, 16, 1600, 1600));  // 100 ms
  std::string why;
  std::optional<io::WavSound> sound = io::LoadWavFile((dir / "beep.wav").string(), why);
  ASSERT_TRUE(sound) << why;
  std::unique_ptr<io::SoundPlayer> player = io::MakeSystemSoundPlayer();
  if (player->Play(std::move(*sound), why)) {
    player->Stop();
    EXPECT_FALSE(player->Playing());
  } else {
    EXPECT_NE(why.find("No sound device"), std::string::npos) << why;
    // A reason, not a sentence: the voice keyer's notice puts it inside its own sentence.
    EXPECT_NE(why.back(), '.') << why;
  }
}

TEST(VirtualSoundPlayer, PlaysForTheFilesDuration) {
  TempDir dir;
  WriteBytes(dir / "second.wav", Wave(1, 1, 8000, 16, 16000, 16000));
  io::VirtualClock clock;
  io::VirtualSoundPlayer player(clock);
  std::string why;
  std::optional<io::WavSound> sound = io::LoadWavFile((dir / "second.wav").string(), why);
  ASSERT_TRUE(sound) << why;
  ASSERT_TRUE(player.Play(std::move(*sound), why)) << why;
  clock.Advance(999);
  EXPECT_TRUE(player.Playing());
  clock.Advance(1);
  EXPECT_FALSE(player.Playing());
}

}  // namespace
}  // namespace ks::testing
