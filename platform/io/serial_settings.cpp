// The settings text of a serial port and the device path of a port number.
#include <algorithm>
#include <array>
#include <charconv>
#include <string>
#include <vector>

#include "platform/io/serial_port.h"
#include "platform/io/settings_store.h"

namespace ks::io {
namespace {

// The rates a PC serial port was offered at; the kernel takes the odd ones (14400, 28800,
// 56000 ...) through its arbitrary-rate interface.
constexpr std::array kBaudRates = {110,   300,   600,   1200,  2400,  4800,   9600,   14400,
                                   19200, 28800, 38400, 56000, 57600, 115200, 128000, 256000};

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

std::optional<int> WholeNumber(std::string_view s) {
  int value = 0;
  if (s.empty() || s.size() > 9) return std::nullopt;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
  return value;
}

std::optional<SerialSettings> Refuse(std::string* why, std::string reason) {
  if (why) *why = std::move(reason);
  return std::nullopt;
}

}  // namespace

std::optional<SerialSettings> ParseSerialSettings(std::string_view text, std::string* why) {
  std::vector<std::string_view> parts;
  for (size_t start = 0;;) {
    size_t comma = text.find(',', start);
    parts.push_back(Trim(text.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start)));
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  const std::string shown(text);
  if (parts.size() != 4) return Refuse(why, "\"" + shown + "\" is not baud,parity,data bits,stop bits");
  SerialSettings s;
  auto baud = WholeNumber(parts[0]);
  if (!baud || std::find(kBaudRates.begin(), kBaudRates.end(), *baud) == kBaudRates.end())
    return Refuse(why, "unsupported baud rate \"" + std::string(parts[0]) + "\"");
  s.baud = *baud;
  if (parts[1].size() != 1) return Refuse(why, "unsupported parity \"" + std::string(parts[1]) + "\"");
  s.parity = static_cast<char>(std::toupper(static_cast<unsigned char>(parts[1][0])));
  if (std::string_view("NOEMS").find(s.parity) == std::string_view::npos)
    return Refuse(why, "unsupported parity \"" + std::string(parts[1]) + "\"");
  auto data = WholeNumber(parts[2]);
  if (!data || *data < 5 || *data > 8) return Refuse(why, "unsupported data bits \"" + std::string(parts[2]) + "\"");
  s.data_bits = *data;
  auto stop = WholeNumber(parts[3]);
  if (!stop || (*stop != 1 && *stop != 2)) return Refuse(why, "unsupported stop bits \"" + std::string(parts[3]) + "\"");
  s.stop_bits = *stop;
  return s;
}

std::string FormatSerialSettings(const SerialSettings& s) {
  return std::to_string(s.baud) + "," + s.parity + "," + std::to_string(s.data_bits) + "," + std::to_string(s.stop_bits);
}

std::string SerialDevicePath(const SettingsStore& store, int number) {
  return store.GetSetting("Keystone", "SerialPorts", "Port" + std::to_string(number),
                          "/dev/ttyS" + std::to_string(number - 1));
}

}  // namespace ks::io
