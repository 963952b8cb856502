// The WinKeyer's protocol against a simulated keyer on a pseudo-terminal: the open with its
// echo test and version, each command's bytes, the status the keyer reports, and bytes the
// keyer sends that mean nothing.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>
#include <string>

#include "platform/io/serial_port.h"
#include "platform/io/settings_store.h"
#include "platform/io/winkeyer.h"
#include "tests/keying/simulated_winkeyer.h"
#include "tests/support/temp_dir.h"

namespace ks::testing {
namespace {

constexpr int kPort = 7;

class WinKeyerProtocol : public ::testing::Test {
 protected:
  // A keyer object whose port kPort is the simulator's line.
  std::unique_ptr<io::WinKeyer> KeyerOn(const std::string& device) {
    store.SaveSetting("Keystone", "SerialPorts", "Port" + std::to_string(kPort), device);
    return std::make_unique<io::WinKeyer>(io::MakePosixSerialPort(store), 200);
  }
  TempDir dir;
  io::IniSettingsStore store{dir.path()};
};

TEST_F(WinKeyerProtocol, OpenChecksTheEchoThenOpensTheHostSessionAndGivesTheVersion) {
  SimulatedWinKeyer sim;
  auto keyer = KeyerOn(sim.SlavePath());
  std::uint8_t version = 0;
  EXPECT_EQ(keyer->Open(version, kPort), io::kWinKeySuccess);
  EXPECT_EQ(version, 31);
  EXPECT_EQ(Hex(sim.Received(5)), "00 04 55 00 02");
  EXPECT_EQ(keyer->Open(version, kPort), io::kWinKeyAlreadyOpen);
  keyer->Close();
  EXPECT_EQ(Hex(sim.Received(7)), "00 04 55 00 02 00 03");
  EXPECT_FALSE(keyer->IsOpen());
}

TEST_F(WinKeyerProtocol, OpenSaysWhyNoKeyerAnswered) {
  const struct {
    SimulatedWinKeyer::Behaviour behaviour;
    int status;
  } cases[] = {{SimulatedWinKeyer::Behaviour::Mute, io::kWinKeyNoEchoResponse},
               {SimulatedWinKeyer::Behaviour::WrongEcho, io::kWinKeyEchoMismatch}};
  for (const auto& c : cases) {
    SimulatedWinKeyer sim(c.behaviour);
    auto keyer = KeyerOn(sim.SlavePath());
    std::uint8_t version = 0;
    EXPECT_EQ(keyer->Open(version, kPort), c.status);
    EXPECT_EQ(version, 0);
    EXPECT_FALSE(keyer->IsOpen());
  }
  auto keyer = KeyerOn((dir.path() / "no-such-tty").string());
  std::uint8_t version = 0;
  EXPECT_EQ(keyer->Open(version, kPort), io::kWinKeyComOpenFailed);
}

TEST_F(WinKeyerProtocol, EachCommandsBytes) {
  SimulatedWinKeyer sim;
  auto keyer = KeyerOn(sim.SlavePath());
  std::uint8_t version = 0;
  ASSERT_EQ(keyer->Open(version, kPort), io::kWinKeySuccess);
  const struct {
    std::function<void(io::WinKeyer&)> call;
    const char* bytes;
  } cases[] = {
      {[](io::WinKeyer& k) { k.Wpm(25); }, "02 19"},       {[](io::WinKeyer& k) { k.Weight(45); }, "03 2D"},
      {[](io::WinKeyer& k) { k.LeadTail(3, 12); }, "04 03 0C"}, {[](io::WinKeyer& k) { k.Ratio(50); }, "17 32"},
      {[](io::WinKeyer& k) { k.PinConfig(6); }, "09 06"},  {[](io::WinKeyer& k) { k.SetMode(16); }, "0E 10"},
      {[](io::WinKeyer& k) { k.ClearBuffer(); }, "0A"},    {[](io::WinKeyer& k) { k.Backspace(); }, "08"},
      // Control codes and command bytes in a message never reach the keyer.
      {[](io::WinKeyer& k) { k.Char('\x0A'); k.Char('\x02'); k.Char('|'); k.Char('K'); }, "4B"},
      {[](io::WinKeyer& k) { k.GetStatus(); k.ClearBuffer(); }, "0A"},
  };
  std::size_t seen = sim.Received(5).size();
  for (const auto& c : cases) {
    c.call(*keyer);
    const std::string expected = c.bytes;
    const std::size_t count = (expected.size() + 1) / 3;
    const std::string all = sim.Received(seen + count);
    EXPECT_EQ(Hex(all.substr(seen)), expected);
    seen = all.size();
  }
}

TEST_F(WinKeyerProtocol, TheStatusFollowsWhatTheKeyerReports) {
  SimulatedWinKeyer sim;
  auto keyer = KeyerOn(sim.SlavePath());
  std::uint8_t version = 0;
  ASSERT_EQ(keyer->Open(version, kPort), io::kWinKeySuccess);
  EXPECT_EQ(keyer->GetStatus(), 0);
  keyer->Char('E');
  sim.Received(6);
  // The keyer reports busy, echoes the character and reports idle: then it is idle again.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
  while (keyer->StatusesSeen() < 2 && std::chrono::steady_clock::now() < deadline) {
    keyer->GetStatus();
    std::this_thread::yield();
  }
  EXPECT_EQ(keyer->StatusesSeen(), 2);
  EXPECT_EQ(keyer->GetStatus(), 0);
}

TEST_F(WinKeyerProtocol, AFullKeyerSaysSoAndAnUnpluggedOneFails) {
  SimulatedWinKeyer sim(SimulatedWinKeyer::Behaviour::FullThenSilent);
  auto keyer = KeyerOn(sim.SlavePath());
  std::uint8_t version = 0;
  ASSERT_EQ(keyer->Open(version, kPort), io::kWinKeySuccess);
  EXPECT_EQ(keyer->GetStatus(), io::kWinKeyFull);
  sim.Unplug();
  keyer->GetStatus();
  keyer->Char('A');
  EXPECT_FALSE(keyer->Failure().empty());
}

TEST(WinKeyerDecode, OnlyStatusBytesChangeTheState) {
  const struct {
    std::string bytes;
    bool busy, full;
    int statuses;
  } cases[] = {
      {"", false, false, 0},
      {"\xC4", true, false, 1},
      {"\xC5", true, true, 1},
      {"\xC4\xC0", false, false, 2},
      {"\x80\xBF\x41\x7F", false, false, 0},      // speed pot and echoes
      {"\xE7\xFF\xF0", false, false, 0},          // no status byte starts with 111
      {std::string("\x00\xC4", 2), true, false, 1},
  };
  for (const auto& c : cases) {
    io::winkey::KeyerState state;
    io::winkey::Decode(c.bytes, state);
    EXPECT_EQ(state.busy, c.busy) << Hex(c.bytes);
    EXPECT_EQ(state.full, c.full) << Hex(c.bytes);
    EXPECT_EQ(state.statuses, c.statuses) << Hex(c.bytes);
  }
}

}  // namespace
}  // namespace ks::testing
