#pragma once
// The main window of a station whose radio is on a pseudo-terminal named as port 1.
#include "mainwin/main_window_state.h"
#include "platform/io/settings_store.h"
#include "rig/control/rig_cntrl_file.h"
#include "rig/windows/RigControlfrm.h"
#include "rig/windows/frmFrequencyTest.h"
#include "tests/mainwin/main_window_fixture.h"
#include "tests/rig/simulated_radio.h"

namespace ks::testing {

class RigBench : public MainWindowBench {
 public:
  explicit RigBench(SimulatedRadio::Kind kind = SimulatedRadio::Kind::kKenwood) : radio(kind) {
    app().Settings().SaveSetting("Keystone", "SerialPorts", "Port1", radio.line().SlavePath());
    CopySupplied("BandPlan.txt", dir().path());
  }

  // Writes RigCntrl.txt for `family` at 4800,N,8,2 on port 1, polled every 500 ms.
  void WriteRigSettings(const std::string& family, const std::string& freq_request, const std::string& mode_request,
                        int mode_by = 1) {
    rig::RigSettingsFile file;
    file.baud = "4800";
    file.parity = "N";
    file.data_bits = "8";
    file.stop_bits = "2";
    file.freq_request = freq_request;
    file.mode_request = mode_request;
    file.comm_settings = "4800,N,8,2";
    file.port_number = 1;
    file.power_line = "N";
    file.poll_rate = "M";
    file.rig_name = family;
    file.mode_by = mode_by;
    WriteBytes(dir() / "RigCntrl.txt", rig::FormatRigSettings(file));
    settings().RigName = family;
  }

  RigControlfrm& rig() { return app().Get<RigControlfrm>(); }

  // The main window loads (its start of polling sends the first requests at once), the radio
  // answers and the read tick takes the answer.
  void OpenAndAnswer() {
    Open();
    radio.Serve();
    headless().Advance(250);
  }

  // One poll cycle: the send tick, the radio's answer, the read tick.
  void PollCycle() {
    headless().Advance(250);
    radio.Serve();
    headless().Advance(250);
  }

  SimulatedRadio radio;
};

}  // namespace ks::testing
