#pragma once
// The main window of a station whose radio is on a pseudo-terminal named as port 1.
#include <filesystem>

#include "mainwin/main_window_state.h"
#include "platform/io/settings_store.h"
#include "rig/windows/RigControlfrm.h"
#include "rig/windows/frmFrequencyTest.h"
#include "tests/mainwin/main_window_fixture.h"
#include "tests/rig/rig_settings_text.h"
#include "tests/rig/simulated_radio.h"

namespace ks::testing {

class RigBench : public MainWindowBench {
 public:
  explicit RigBench(SimulatedRadio::Kind kind = SimulatedRadio::Kind::kKenwood) : radio(kind) {
    app().Settings().SaveSetting("Keystone", "SerialPorts", "Port1", radio.line().SlavePath());
    CopySupplied("BandPlan.txt", dir().path());
  }

  // Writes RigCntrl.txt for `family` (tests/rig/rig_settings_text.h) and selects it.
  void WriteRigSettings(const std::string& family, const std::string& freq_request, const std::string& mode_request,
                        int mode_by = 1, const std::string& poll_rate = "M") {
    WriteBytes(dir() / "RigCntrl.txt", RigSettingsText(family, freq_request, mode_request, mode_by, poll_rate));
    settings().RigName = family;
  }

  RigControlfrm& rig() { return app().Get<RigControlfrm>(); }

  // Selects the Pegasus radio, reached through the files of its control program, in a folder
  // of the bench made for them; returns that folder.
  std::filesystem::path UsePegasusFolder() {
    WriteRigSettings("Ten Tec Pegasus", "", "");
    const std::filesystem::path folder = dir() / "pegasus";
    std::filesystem::create_directories(folder);
    app().Settings().SaveSetting("Keystone", "Pegasus", "Folder", folder.string());
    return folder;
  }

  // The main window loads (its start of polling sends the first requests at once), the radio
  // answers and the read tick takes the answer.
  void OpenAndAnswer() {
    Open();
    radio.Serve();
    headless().Advance(250);
  }

  // One poll cycle of ticks `tick_ms` apart: the send tick, the radio's answer (when the
  // request comes within `serve_ms`), the read tick.
  void PollCycle(int tick_ms = 250, int serve_ms = 500) {
    headless().Advance(tick_ms);
    radio.Serve(serve_ms);
    headless().Advance(tick_ms);
  }

  SimulatedRadio radio;
};

}  // namespace ks::testing
