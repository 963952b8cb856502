#include "rig/protocol/families.h"

#include "rig/protocol/commands.h"
#include "rig/protocol/hex.h"
#include "rig/protocol/parsers.h"

namespace ks::rig {
namespace {

using P = PollStyle;
using R = ReplyKind;
using F = FrequencyCommand;
using M = ModeCommands;

const std::vector<RigFamily> kFamilies = {
    // name               poll                pairs min  reply           set frequency     set mode        wait 2nd  events
    {"None",             P::kNone,          0, 0,  R::kNone,        F::kNone,        M::kNone,        0,   0,    false},
    {"Elecraft",         P::kTextBoth,      0, 1,  R::kKenwood,     F::kElecraft,    M::kKenwood,     205, 1000, true},
    {"Icom",             P::kAlternateHex,  6, 17, R::kIcom,        F::kIcom,        M::kIcom,        140, 0,    false},
    {"Icom 735",         P::kAlternateHex,  6, 17, R::kIcom735,     F::kIcom,        M::kNone,        140, 0,    false},
    {"Kenwood",          P::kTextBoth,      0, 1,  R::kKenwood,     F::kKenwood,     M::kKenwood,     205, 0,    false},
    {"Kenwood 2",        P::kTextBoth,      0, 1,  R::kKenwood2,    F::kKenwood2,    M::kKenwood,     205, 0,    false},
    {"Ten Tec Omni VI",  P::kAlternateHex,  6, 17, R::kIcom,        F::kIcom,        M::kIcom,        140, 220,  false},
    {"Ten Tec Orion",    P::kTextBothCr,    0, 1,  R::kOrion,       F::kOrion,       M::kNone,        205, 0,    false},
    {"Ten Tec Fnt Pnl",  P::kAlternateHex,  3, 7,  R::kTenTecPanel, F::kTenTecPanel, M::kNone,        205, 0,    false},
    {"Ten Tec Pegasus",  P::kNone,          0, 0,  R::kPegasus,     F::kPegasus,     M::kNone,        205, 0,    false},
    {"Yaesu",            P::kFrequencyHex,  5, 14, R::kYaesu,       F::kYaesu,       M::kYaesu,       205, 0,    false},
    {"Yaesu 757 GX II",  P::kFrequencyHex,  5, 14, R::kYaesu757,    F::kYaesu890,    M::kYaesuStatus, 205, 0,    false},
    {"Yaesu 890",        P::kFrequencyHex,  5, 14, R::kYaesu890,    F::kYaesu890,    M::kYaesuStatus, 205, 0,    false},
    {"Yaesu 920",        P::kFrequencyHex,  5, 14, R::kYaesu920,    F::kYaesu890,    M::kYaesuStatus, 205, 0,    false},
    {"Yaesu 990",        P::kFrequencyHex,  5, 14, R::kYaesu990,    F::kYaesu890,    M::kYaesuStatus, 205, 0,    false},
    {"Yaesu 1000 D",     P::kFrequencyHex,  5, 14, R::kYaesu990,    F::kYaesu890,    M::kYaesuStatus, 205, 0,    false},
    {"Yaesu 1000",       P::kFrequencyHex,  5, 14, R::kYaesu1000,   F::kYaesu890,    M::kYaesuStatus, 10,  0,    false},
    {"Yaesu FTdx9000",   P::kAlternateText, 0, 2,  R::kFTdx9000,    F::kFTdx9000,    M::kFTdx9000,    205, 0,    false},
    {"Other",            P::kOther,         0, 1,  R::kNone,        F::kNone,        M::kNone,        0,   0,    false},
};

// Text of one request for the "Other" family.
std::string OtherRequest(const std::string& request, bool convert_to_hex) {
  return convert_to_hex ? SpacedHexToBytes(request) : request;
}

}  // namespace

const std::vector<RigFamily>& RigFamilies() { return kFamilies; }

const RigFamily& FindRigFamily(std::string_view name) {
  for (const auto& family : kFamilies)
    if (family.name == name) return family;
  return kFamilies.front();
}

std::optional<std::string> PollRequestBytes(const RigFamily& family, const RigRequests& requests,
                                            std::uint8_t& alternate, bool convert_to_hex) {
  auto due = [&](const std::string& request) { return request.size() >= family.min_request; };
  std::string bytes;
  switch (family.poll) {
    case P::kNone:
      break;
    case P::kTextBoth:
    case P::kTextBothCr: {
      const char* end = family.poll == P::kTextBothCr ? "\r" : "";
      if (due(requests.freq)) bytes += requests.freq + end;
      if (due(requests.mode)) bytes += requests.mode + end;
      break;
    }
    case P::kOther:
      if (due(requests.freq)) bytes += OtherRequest(requests.freq, convert_to_hex);
      if (due(requests.mode)) bytes += OtherRequest(requests.mode, convert_to_hex);
      break;
    case P::kFrequencyHex:
      if (due(requests.freq)) {
        auto request = HexPairsToBytes(requests.freq, family.hex_pairs);
        if (!request) return std::nullopt;
        bytes = *request;
      }
      break;
    case P::kAlternateHex:
    case P::kAlternateText: {
      const std::string& request = alternate == 0 ? requests.freq : requests.mode;
      if (due(request)) {
        if (family.poll == P::kAlternateText) {
          bytes = request;
        } else if (auto converted = HexPairsToBytes(request, family.hex_pairs)) {
          bytes = *converted;
        } else {
          return std::nullopt;
        }
      }
      alternate = alternate == 0 ? 1 : 0;
      break;
    }
  }
  return bytes;
}

bool ParseReply(const RigFamily& family, std::string_view reply, const RigRequests& requests,
                std::uint8_t alternate, RigReading& reading) {
  switch (family.reply) {
    case R::kNone: return true;  // "Other": the reply is only shown, and any reply is one
    case R::kPegasus: return false;
    case R::kKenwood: {
      const bool frequency = ParseKenwoodFrequency(reply, requests, reading);
      return ParseKenwoodMode(reply, reading) || frequency;
    }
    case R::kKenwood2: return ParseKenwood2Reply(reply, reading);
    case R::kFTdx9000: return ParseFTdx9000Reply(reply, requests, reading);
    case R::kOrion: {
      const bool frequency = ParseOrionFrequency(reply, reading);
      return ParseOrionMode(reply, reading) || frequency;
    }
    case R::kIcom:
    case R::kIcom735:
      return alternate == 1 ? ParseIcomFrequency(reply, family.reply == R::kIcom735, reading)
                            : ParseIcomMode(reply, reading);
    case R::kYaesu: return ParseYaesuReply(reply, reading);
    case R::kYaesu757: return ParseYaesu757Reply(reply, reading);
    case R::kYaesu890: return ParseYaesu890Reply(reply, reading);
    case R::kYaesu920: return ParseYaesu920Reply(reply, reading);
    case R::kYaesu990: return ParseYaesu990Reply(reply, reading);
    case R::kYaesu1000: return ParseYaesu1000Reply(reply, reading);
    case R::kTenTecPanel:
      return alternate == 1 ? ParseTenTecFrequency(reply, reading) : ParseTenTecMode(reply, reading);
  }
  return false;
}

std::string SetFrequencyCommand(const RigFamily& family, float mhz, const RigRequests& requests,
                                std::uint8_t kenwood_vfo) {
  switch (family.set_frequency) {
    case F::kNone: case F::kPegasus: return "";
    case F::kKenwood: return KenwoodSetFrequency(mhz, requests);
    case F::kKenwood2: return Kenwood2SetFrequency(mhz, kenwood_vfo);
    case F::kElecraft: return ElecraftSetFrequency(mhz);
    case F::kFTdx9000: return FTdx9000SetFrequency(mhz, requests);
    case F::kIcom: return IcomSetFrequency(mhz, requests);
    case F::kYaesu: return YaesuSetFrequency(mhz);
    case F::kYaesu890: return Yaesu890SetFrequency(mhz);
    case F::kTenTecPanel: return TenTecPanelSetFrequency(mhz);
    case F::kOrion: return OrionSetFrequency(mhz);
  }
  return "";
}

}  // namespace ks::rig
