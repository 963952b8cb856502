#pragma once
// The keyer windows over a fresh working folder on virtual time, with doubles of their
// devices: Morse waits that move a virtual millisecond clock, keying lines that record each
// transition with its time, and a sound player that plays for a WAV's real duration on the
// application's virtual clock. Serial ports are real ports on pseudo-terminals.
//
// A pseudo-terminal has no modem-control lines, so DTR and RTS cannot be watched at the
// far end: the recording line stands in for the line itself. With `modem_lines` false the
// program's own line is used instead, on a port that really has none to raise, like a
// three-wire port or adapter. The parallel port is the program's own keying line over a
// simulated control register that records what it is written and can refuse key-ups, as a
// failing device does; there is one at &H378 (its transitions named "LPT") and one at
// &H278 ("LPT2").
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "keying/entry_window_link.h"
#include "keying/keying_devices.h"
#include "keying/keying_state.h"
#include "logstore/county_table.h"
#include "platform/forms/application.h"
#include "platform/forms/controls.h"
#include "platform/forms/headless.h"
#include "platform/io/parallel_port.h"
#include "platform/io/serial_port.h"
#include "platform/io/settings_store.h"
#include "platform/io/sound.h"
#include "startup/notices.h"
#include "startup/user_folders.h"
#include "station/station_settings.h"
#include "tests/support/files.h"
#include "tests/support/temp_dir.h"

namespace ks::testing {

struct Transition {
  std::string line;  // "DTR", "RTS" or "LPT"
  bool down;
  double at_ms;
};

// Virtual Morse time, in milliseconds with fractions. `fail_at_wait` makes the n-th wait
// (1-based) throw, as a failure in the middle of an element would.
class VirtualWaits final : public UnitWaits {
 public:
  double now = 0;
  int waits = 0;
  int fail_at_wait = 0;
  // Runs at each SleepMs: a test's way to act while code waits (unplug a device, say).
  std::function<void()> on_sleep;
  double loop_steps_per_ms = 100000;  // the speed of the counting loop
  double NowMs() override { return now; }
  void WaitUntil(double deadline) override {
    Count();
    if (deadline > now) now = deadline;
  }
  void SleepMs(std::int64_t ms) override {
    Count();
    now += static_cast<double>(ms);
    if (on_sleep) on_sleep();
  }
  void CountLoop(double steps, double limit_ms) override {
    Count();
    now += std::min(steps / loop_steps_per_ms, limit_ms);
  }
  double TimeLoop(double steps) override {
    const double start = now;
    now += steps / loop_steps_per_ms;
    return now - start;
  }

 private:
  void Count() {
    if (++waits == fail_at_wait) throw std::runtime_error("failed mid-element");
  }
};

// A WAV file of `ms` milliseconds of silence (8 kHz, 16-bit mono).
inline std::string SilentWav(int ms) {
  const std::uint32_t data = static_cast<std::uint32_t>(ms) * 16;
  std::string bytes = "RIFF";
  auto le = [&bytes](std::uint32_t v, int n) {
    for (int i = 0; i < n; ++i) bytes += static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  le(36 + data, 4);
  bytes += "WAVEfmt ";
  le(16, 4);
  le(1, 2);
  le(1, 2);
  le(8000, 4);
  le(16000, 4);
  le(2, 2);
  le(16, 2);
  bytes += "data";
  le(data, 4);
  bytes.append(data, '\0');
  return bytes;
}

class RecordingLine final : public KeyLine {
 public:
  RecordingLine(std::string name, std::vector<Transition>& log, VirtualWaits& waits, io::SerialPort* port = nullptr)
      : name_(std::move(name)), log_(log), waits_(waits), port_(port) {}
  // As the port's own line: a write the port fails is not made, and one that finds the
  // port's device gone (the port closes itself) loses the line.
  void Write(bool down) override {
    if (port_ != nullptr && port_->IsOpen()) {
      const io::SerialResult set = name_ == "DTR" ? port_->SetDtr(down) : port_->SetRts(down);
      if (!set && !port_->IsOpen()) {
        throw KeyLineLost("the " + name_ + " line of port " + std::to_string(port_->PortNumber()) + " is lost (" +
                          set.error + ")");
      }
      if (!set) throw std::runtime_error(set.error);
    }
    log_.push_back({name_, down, waits_.now});
  }

 private:
  std::string name_;
  std::vector<Transition>& log_;
  VirtualWaits& waits_;
  io::SerialPort* port_;
};

// The parallel port's control register. Each value written is kept as a transition
// ("LPT", down for key-down); while `failing_key_ups` is above 0 a key-up is refused (and
// counted down), so the register keeps its key-down value.
class SimulatedParallelPort final : public io::ParallelPort {
 public:
  SimulatedParallelPort(std::string name, std::vector<Transition>& log, VirtualWaits& waits, int& failing_key_ups,
                        int& key_up_tries)
      : name_(std::move(name)),
        log_(log),
        waits_(waits),
        failing_key_ups_(failing_key_ups),
        key_up_tries_(key_up_tries) {}
  bool WriteControl(std::uint8_t value, std::string& why) override {
    if (value == kParallelKeyUp) {
      ++key_up_tries_;
      if (failing_key_ups_ > 0) {
        --failing_key_ups_;
        why = "the device refused the write";
        return false;
      }
    }
    log_.push_back({name_, value == kParallelKeyDown, waits_.now});
    return true;
  }

 private:
  std::string name_;
  std::vector<Transition>& log_;
  VirtualWaits& waits_;
  int& failing_key_ups_;
  int& key_up_tries_;
};

class RecordingDevices final : public KeyingDevices {
 public:
  RecordingDevices(forms::Application& app, const io::Clock& clock) : app_(app), clock_(clock) {}
  std::unique_ptr<io::SerialPort> NewSerialPort() override { return io::MakePosixSerialPort(app_.Settings()); }
  std::unique_ptr<KeyLine> ModemLine(io::SerialPort& port, ModemSignal signal) override {
    if (!modem_lines) return SerialPortLine(port, signal);
    return std::make_unique<RecordingLine>(signal == ModemSignal::DTR ? "DTR" : "RTS", transitions, waits, &port);
  }
  std::unique_ptr<KeyLine> ParallelLine(int address, std::string& why) override {
    if (address != 0x378 && address != 0x278) {
      why = "no port there";
      return nullptr;
    }
    return ParallelPortLine(std::make_unique<SimulatedParallelPort>(address == 0x378 ? "LPT" : "LPT2", transitions,
                                                                    waits, failing_key_ups, key_up_tries));
  }
  UnitWaits& Waits() override { return waits; }
  std::unique_ptr<io::SoundPlayer> NewSoundPlayer() override {
    if (machine_sound) return io::MakeSystemSoundPlayer();
    auto player = std::make_unique<io::VirtualSoundPlayer>(clock_);
    players.push_back(player.get());
    return player;
  }

  VirtualWaits waits;
  std::vector<Transition> transitions;
  bool modem_lines = true;  // false: the serial keying lines are the program's own
  int failing_key_ups = 0;  // the parallel ports refuse this many key-ups
  int key_up_tries = 0;
  std::vector<io::VirtualSoundPlayer*> players;
  bool machine_sound = false;  // players on the machine's sound output instead

 private:
  forms::Application& app_;
  const io::Clock& clock_;
};

// The key-down and key-up runs of one line in whole units of `unit_ms`, as an element
// string ("1" down, "0" up), from its first transition to `end_ms`.
inline std::string ElementsOf(const std::vector<Transition>& t, double unit_ms, double end_ms) {
  std::string out;
  for (std::size_t i = 0; i < t.size(); ++i) {
    const double until = i + 1 < t.size() ? t[i + 1].at_ms : end_ms;
    const long units = std::lround((until - t[i].at_ms) / unit_ms);
    out.append(static_cast<std::size_t>(std::max(0L, units)), t[i].down ? '1' : '0');
  }
  return out;
}

// Stands in for the active main window: a call box, a message label, and Mains counted. The
// label shows the newest notice as it goes up (the main window puts it after its message).
class FakeEntryWindow final : public forms::Form, public EntryWindowLink {
 public:
  explicit FakeEntryWindow(forms::Application& app) : forms::Form(app, "Outfrm") {
    app.State<Notices>().Changed = [this, &app] { lblDialog.SetCaption(app.State<Notices>().Newest()); };
  }
  void Mains() override { ++mains; }
  forms::TextBox& CallBox() override { return txtCall; }
  forms::Label& DialogLabel() override { return lblDialog; }
  forms::TextBox txtCall{*this, "txtCall"};
  forms::Label lblDialog{*this, "lblDialog"};
  int mains = 0;
};

class KeyingTest : public ::testing::Test {
 protected:
  KeyingTest() {
    std::filesystem::create_directories(work());
    CopySupplied("county2.txt", work());
    app().State<Folders>().WorkingDir = work();
    app().State<StationSettings>().OutOfState = 1;
    app().State<StationSettings>().PartyState = "PA";
    LoadCountyTable(app());
    auto owned = std::make_unique<RecordingDevices>(app(), h.clock());
    devices = owned.get();
    UseKeyingDevices(app(), std::move(owned));
  }

  forms::Application& app() { return h.app(); }
  KeyingState& keying() { return app().State<KeyingState>(); }
  std::filesystem::path work() const { return dir / "work"; }
  FakeEntryWindow& entry() { return app().Get<FakeEntryWindow>(); }
  // Names serial port `number` as the device at `path`.
  void MapPort(int number, const std::string& path) {
    app().Settings().SaveSetting("Keystone", "SerialPorts", "Port" + std::to_string(number), path);
  }

  // The transitions as "LPT+ 0" (down at 0 ms) and "LPT- 92.3", times rounded to 0.1 ms.
  std::vector<std::string> Timeline() const {
    std::vector<std::string> out;
    for (const Transition& t : devices->transitions) {
      char at[32];
      std::snprintf(at, sizeof at, "%.1f", t.at_ms);
      out.push_back(t.line + (t.down ? "+ " : "- ") + at);
    }
    return out;
  }
  std::string Elements(double unit_ms, double end_ms) const { return ElementsOf(devices->transitions, unit_ms, end_ms); }
  static std::string Wav(int ms) { return SilentWav(ms); }
  std::string WriteWav(const std::string& name, int ms) {
    WriteBytes(work() / name, Wav(ms));
    return (work() / name).string();
  }
  // "+" when `line` ("LPT", "RTS", ...) was last written down, "-" when up, "" never.
  std::string LastState(const std::string& line) const {
    std::string last;
    for (const Transition& t : devices->transitions) {
      if (t.line == line) last = t.down ? "+" : "-";
    }
    return last;
  }
  // The keyers' notices taken back and the main window's message label emptied.
  void ClearNotices() {
    for (const char* source : {kCWNoticeSource, kVoiceNoticeSource}) app().State<Notices>().Set(source, "");
    entry().lblDialog.SetCaption("");
  }
  bool LineDownAtEnd() const { return !devices->transitions.empty() && devices->transitions.back().down; }

  forms::Headless h{forms::Screen::FromPixels(1920, 1080)};
  TempDir dir;
  RecordingDevices* devices = nullptr;
};

}  // namespace ks::testing
