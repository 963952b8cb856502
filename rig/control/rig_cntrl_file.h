#pragma once
// RigCntrl.txt, the rig settings file: 14 values, one per line, in the settings-file line
// format (texts quoted, numbers bare). The mode request comes before the frequency request.
#include <optional>
#include <string>

namespace ks::rig {

struct RigSettingsFile {
  std::string baud;  // 5 characters, blank-padded ("4800 ")
  std::string parity, data_bits, stop_bits;
  std::string mode_request, freq_request;
  std::string comm_settings;
  int port_number = 1;
  std::string power_line, poll_rate;
  std::string rig_name;
  int convert_to_hex = 0;
  int use_frequency = 1;
  int mode_by = 1;  // 1 "Rig", 2 "Frequency", 3 "Don't Use"
};

// The values in file order. `count` tells how many values were read before the file ended
// or a value could not be read (14 for a whole file); the later fields keep their defaults.
struct RigSettingsRead {
  RigSettingsFile values;
  int count = 0;
};
RigSettingsRead ParseRigSettings(std::string bytes);
std::string FormatRigSettings(const RigSettingsFile& settings);

// Cut or blank-padded to exactly `width` characters.
std::string FixedWidth(const std::string& text, size_t width);

}  // namespace ks::rig
