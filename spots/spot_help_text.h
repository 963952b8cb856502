#pragma once
// The help texts of the spotting window, one per source choice, and the packet engine's
// download address that its help and its failure message give.
#include <string>
#include <string_view>

namespace ks {

inline constexpr const char* kAGWDownloadAddress = "https://www.sv2agw.com/downloads/";

// The help for the source list's text ("None", "TNC", "Telnet", "AGW Packet Engine"; any
// case); empty text for anything else. Each paragraph is followed by an empty line.
std::string SpotHelpText(std::string_view source);

}  // namespace ks
