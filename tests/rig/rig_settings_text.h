#pragma once
// The rig settings file of the rig tests: a radio of `family` at 4800,N,8,2 on port 1,
// polled at `poll_rate` ("M": every 500 ms).
#include <string>

#include "rig/control/rig_cntrl_file.h"

namespace ks::testing {

inline std::string RigSettingsText(const std::string& family, const std::string& freq_request,
                                   const std::string& mode_request, int mode_by = 1,
                                   const std::string& poll_rate = "M") {
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
  file.poll_rate = poll_rate;
  file.rig_name = family;
  file.mode_by = mode_by;
  return rig::FormatRigSettings(file);
}

}  // namespace ks::testing
