#pragma once
// PackSpot.txt: the spotting window's 14 settings, one value a line in the settings-file
// format. Read when the window loads, written only by its Done.
#include <cstdint>
#include <filesystem>
#include <string>

namespace ks {

inline constexpr const char* kPackSpotFileName = "PackSpot.txt";

struct PackSpotSettings {
  std::string TNCBaud;
  std::string TNCParity;
  std::string TNCDataBits;
  std::string TNCStopBits;
  std::uint8_t TNCPort = 0;
  std::string TNCPowerLine;
  std::string SpotSource;
  int ConvToHex = 0;  // the "Convert to Hex" box
  std::uint8_t TNCHandshaking = 0;
  int DXOnly = 0;  // the "List DX Only" box, kept but never applied
  bool ListChosen = false;  // "List" rather than "Band Map"
  std::string HexCharacter;
  std::string TelnetPort;
  std::string TelnetHost;
  friend bool operator==(const PackSpotSettings&, const PackSpotSettings&) = default;
};

struct PackSpotRead {
  bool found = false;     // the file exists
  bool complete = false;  // all 14 values were read
  int values_read = 0;    // the values read before the first that failed
  PackSpotSettings settings;  // the values read; the rest keep their defaults
};

// The port lines that the window itself can write (0 when the TNC was never opened) or a
// damaged file may hold are brought into 1 to 10 here, so the load goes on.
PackSpotRead ReadPackSpotFile(const std::filesystem::path& folder);
std::string FormatPackSpotFile(const PackSpotSettings& settings);
bool WritePackSpotFile(const std::filesystem::path& folder, const PackSpotSettings& settings);

}  // namespace ks
