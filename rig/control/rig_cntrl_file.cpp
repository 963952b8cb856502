#include "rig/control/rig_cntrl_file.h"

#include "platform/vb/line_format.h"

namespace ks::rig {

std::string FixedWidth(const std::string& text, size_t width) {
  std::string fixed = text.substr(0, width);
  fixed.resize(width, ' ');
  return fixed;
}

RigSettingsRead ParseRigSettings(std::string bytes) {
  RigSettingsRead read;
  auto& v = read.values;
  vb::LineReader reader(std::move(bytes));
  auto text = [&](std::string& field, size_t width = 0) {
    auto value = reader.ReadText();
    if (!value) return false;
    field = width ? FixedWidth(*value, width) : *value;
    ++read.count;
    return true;
  };
  auto number = [&](int& field) {
    auto value = reader.ReadLong();
    if (!value) return false;
    field = *value;
    ++read.count;
    return true;
  };
  (void)(text(v.baud, 5) && text(v.parity, 1) && text(v.data_bits, 1) && text(v.stop_bits, 1) &&
         text(v.mode_request) && text(v.freq_request) && text(v.comm_settings) && number(v.port_number) &&
         text(v.power_line) && text(v.poll_rate) && text(v.rig_name) && number(v.convert_to_hex) &&
         number(v.use_frequency) && number(v.mode_by));
  return read;
}

std::string FormatRigSettings(const RigSettingsFile& s) {
  std::string file;
  auto text = [&](const std::string& value) { file += vb::LineWriter().Text(value).Line(); };
  auto number = [&](long long value) { file += vb::LineWriter().Int(value).Line(); };
  text(FixedWidth(s.baud, 5));
  text(s.parity);
  text(s.data_bits);
  text(s.stop_bits);
  text(s.mode_request);
  text(s.freq_request);
  text(s.comm_settings);
  number(s.port_number);
  text(s.power_line);
  text(s.poll_rate);
  text(s.rig_name);
  number(s.convert_to_hex);
  number(s.use_frequency);
  number(s.mode_by);
  return file;
}

}  // namespace ks::rig
