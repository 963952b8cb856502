#include "spots/pack_spot_file.h"

#include <algorithm>
#include <functional>

#include "platform/io/files.h"
#include "platform/vb/line_format.h"

namespace ks {

namespace {

// Reads the values in file order; stops at the first that is missing or of the wrong type.
class ValueSteps {
 public:
  explicit ValueSteps(vb::LineReader& reader, int& count) : reader_(reader), count_(count) {}
  bool Text(std::string& into) { return Take(reader_.ReadText(), into); }
  bool Byte(std::uint8_t& into) { return Take(reader_.ReadByte(), into); }
  bool Int(int& into) {
    const auto v = reader_.ReadInteger();
    if (!v) return false;
    into = *v;
    ++count_;
    return true;
  }
  bool Bool(bool& into) { return Take(reader_.ReadBool(), into); }

 private:
  template <typename T, typename U>
  bool Take(const std::optional<T>& value, U& into) {
    if (!value) return false;
    into = *value;
    ++count_;
    return true;
  }
  vb::LineReader& reader_;
  int& count_;
};

}  // namespace

PackSpotRead ReadPackSpotFile(const std::filesystem::path& folder) {
  PackSpotRead read;
  const auto path = io::FindNoCase(folder, kPackSpotFileName);
  if (!path) return read;
  std::string bytes;
  if (!io::ReadFile(*path, bytes, io::kSettingsFileMaxBytes)) return read;
  read.found = true;
  vb::LineReader reader(std::move(bytes));
  ValueSteps step(reader, read.values_read);
  auto& s = read.settings;
  read.complete = step.Text(s.TNCBaud) && step.Text(s.TNCParity) && step.Text(s.TNCDataBits) &&
                  step.Text(s.TNCStopBits) && step.Byte(s.TNCPort) && step.Text(s.TNCPowerLine) &&
                  step.Text(s.SpotSource) && step.Int(s.ConvToHex) && step.Byte(s.TNCHandshaking) &&
                  step.Int(s.DXOnly) && step.Bool(s.ListChosen) && step.Text(s.HexCharacter) &&
                  step.Text(s.TelnetPort) && step.Text(s.TelnetHost);
  if (read.values_read >= 5) s.TNCPort = std::clamp<std::uint8_t>(s.TNCPort, 1, 10);
  return read;
}

std::string FormatPackSpotFile(const PackSpotSettings& s) {
  std::string text;
  const auto line = [&text](const std::function<void(vb::LineWriter&)>& value) {
    vb::LineWriter w;
    value(w);
    text += w.Line();
  };
  line([&](auto& w) { w.Text(s.TNCBaud); });
  line([&](auto& w) { w.Text(s.TNCParity); });
  line([&](auto& w) { w.Text(s.TNCDataBits); });
  line([&](auto& w) { w.Text(s.TNCStopBits); });
  line([&](auto& w) { w.Int(s.TNCPort); });
  line([&](auto& w) { w.Text(s.TNCPowerLine); });
  line([&](auto& w) { w.Text(s.SpotSource); });
  line([&](auto& w) { w.Int(s.ConvToHex); });
  line([&](auto& w) { w.Int(s.TNCHandshaking); });
  line([&](auto& w) { w.Int(s.DXOnly); });
  line([&](auto& w) { w.Bool(s.ListChosen); });
  line([&](auto& w) { w.Text(s.HexCharacter); });
  line([&](auto& w) { w.Text(s.TelnetPort); });
  line([&](auto& w) { w.Text(s.TelnetHost); });
  return text;
}

bool WritePackSpotFile(const std::filesystem::path& folder, const PackSpotSettings& settings) {
  return io::WriteFileAtomic(io::ResolveNoCase(folder, kPackSpotFileName), FormatPackSpotFile(settings)).ok();
}

}  // namespace ks
