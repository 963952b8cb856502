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

std::optional<PollRequest> PollRequestBytes(const RigFamily& family, const RigRequests& requests,
                                            std::uint8_t& alternate, bool convert_to_hex) {
  auto due = [&](const std::string& request) { return request.size() >= family.min_request; };
  PollRequest out;
  switch (family.poll) {
    case P::kNone:
      break;
    case P::kTextBoth:
    case P::kTextBothCr: {
      const char* end = family.poll == P::kTextBothCr ? "\r" : "";
      out.asks_frequency = due(requests.freq);
      if (due(requests.freq)) out.bytes += requests.freq + end;
      if (due(requests.mode)) out.bytes += requests.mode + end;
      break;
    }
    case P::kOther:
      if (due(requests.freq)) out.bytes += OtherRequest(requests.freq, convert_to_hex);
      if (due(requests.mode)) out.bytes += OtherRequest(requests.mode, convert_to_hex);
      break;
    case P::kFrequencyHex:
      if (due(requests.freq)) {
        auto request = HexPairsToBytes(requests.freq, family.hex_pairs);
        if (!request) return std::nullopt;
        out = {*request, true};
      }
      break;
    case P::kAlternateHex:
    case P::kAlternateText: {
      const std::string& request = alternate == 0 ? requests.freq : requests.mode;
      if (due(request)) {
        if (family.poll == P::kAlternateText) {
          out.bytes = request;
        } else if (auto converted = HexPairsToBytes(request, family.hex_pairs)) {
          out.bytes = *converted;
        } else {
          return std::nullopt;
        }
        out.asks_frequency = alternate == 0;
      }
      alternate = alternate == 0 ? 1 : 0;
      break;
    }
  }
  return out;
}

bool FixedLengthRecords(const RigFamily& family) { return family.poll == P::kFrequencyHex; }

ReplyTaken ParseReply(const RigFamily& family, std::string_view reply, const RigRequests& requests,
                      std::uint8_t alternate, RigReading& reading) {
  // A parser whose answer carries the frequency (alone or with the mode), or only the mode.
  auto frequency = [](bool taken) { return ReplyTaken{taken, taken}; };
  auto mode = [](bool taken) { return ReplyTaken{taken, false}; };
  auto both = [](bool frequency_taken, bool mode_taken) {
    return ReplyTaken{frequency_taken || mode_taken, frequency_taken};
  };
  switch (family.reply) {
    case R::kNone: return {true, false};  // "Other": the reply is only shown
    case R::kPegasus: return {};
    case R::kKenwood: {
      const bool f = ParseKenwoodFrequency(reply, requests, reading);
      return both(f, ParseKenwoodMode(reply, reading));
    }
    case R::kKenwood2: return frequency(ParseKenwood2Reply(reply, reading));
    case R::kFTdx9000: {
      const bool f = ParseFTdx9000Frequency(reply, requests, reading);
      return both(f, ParseFTdx9000Mode(reply, requests, reading));
    }
    case R::kOrion: {
      const bool f = ParseOrionFrequency(reply, reading);
      return both(f, ParseOrionMode(reply, reading));
    }
    case R::kIcom:
    case R::kIcom735:
      return alternate == 1 ? frequency(ParseIcomFrequency(reply, family.reply == R::kIcom735, reading))
                            : mode(ParseIcomMode(reply, reading));
    case R::kYaesu: return frequency(ParseYaesuReply(reply, reading));
    case R::kYaesu757: return frequency(ParseYaesu757Reply(reply, reading));
    case R::kYaesu890: return frequency(ParseYaesu890Reply(reply, reading));
    case R::kYaesu920: return frequency(ParseYaesu920Reply(reply, reading));
    case R::kYaesu990: return frequency(ParseYaesu990Reply(reply, reading));
    case R::kYaesu1000: return frequency(ParseYaesu1000Reply(reply, reading));
    case R::kTenTecPanel:
      return alternate == 1 ? frequency(ParseTenTecFrequency(reply, reading)) : mode(ParseTenTecMode(reply, reading));
  }
  return {};
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
