// The set-mode commands of the families that have them, as one table by mode.
#include "rig/protocol/commands.h"
#include "rig/protocol/families.h"
#include "rig/protocol/hex.h"

namespace ks::rig {
namespace {

// Per mode: the Kenwood text, the FTdx9000 digit (after the key from the mode request),
// the two Icom bytes, the Yaesu bytes and the bytes of the later Yaesu models, as hex text.
// An empty entry: the family has no command for that mode.
struct ModeRow {
  std::string_view mode, kenwood, ftdx9000_digit, icom, yaesu, yaesu_status;
};

constexpr ModeRow kModes[] = {
    {"CW", "MD3;", "3", "0603", "0200000007", "000000020C"},
    {"CW-R", "", "7", "0607", "", "000000030C"},
    {"LSB", "MD1;", "1", "0600", "0000000007", "000000000C"},
    {"USB", "MD2;", "2", "0601", "0100000007", "000000010C"},
    {"AM", "MD5;", "5", "0602", "0400000007", "000000040C"},
    {"FM", "MD4;", "4", "0605", "0800000007", "000000060C"},
    {"RTTY", "MD6;", "6", "0604", "0A00000007", "000000080C"},
    {"RTTY-R", "", "", "0608", "", ""},
    {"FSK", "MD6;", "", "", "", ""},
    {"DIG", "", "", "", "0A00000007", ""},
    {"PKT", "", "", "", "0C00000007", "0000000A0C"},
};

}  // namespace

std::string SetModeCommand(const RigFamily& family, std::string_view mode, const RigRequests& requests) {
  const ModeRow* row = nullptr;
  for (const auto& r : kModes)
    if (r.mode == mode) row = &r;
  if (!row) return "";
  switch (family.set_mode) {
    case ModeCommands::kNone: return "";
    case ModeCommands::kKenwood: return std::string(row->kenwood);
    case ModeCommands::kFTdx9000:
      return row->ftdx9000_digit.empty() ? "" : requests.mode.substr(0, 3) + std::string(row->ftdx9000_digit) + ";";
    case ModeCommands::kIcom:
      if (row->icom.empty() || IcomAddress(requests).empty()) return "";
      return HexToBytes("FEFE" + IcomAddress(requests) + "E0" + std::string(row->icom) + "FD");
    case ModeCommands::kYaesu: return HexToBytes(row->yaesu);
    case ModeCommands::kYaesuStatus: return HexToBytes(row->yaesu_status);
  }
  return "";
}

}  // namespace ks::rig
