#pragma once
// The radio families the rig window offers, each as one row of numbers: how it is polled,
// which parser reads its replies, how a frequency and a mode are set and how long the radio
// needs before a set command. The poll cycle and the set commands only move these bytes.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rig/protocol/reading.h"

namespace ks::rig {

enum class PollStyle {
  kNone,           // nothing is sent
  kTextBoth,       // frequency then mode request, as text, in one tick
  kTextBothCr,     // the same, each followed by a carriage return
  kAlternateHex,   // frequency and mode request in turn, as hex pairs
  kAlternateText,  // frequency and mode request in turn, as text
  kFrequencyHex,   // the frequency request only, as hex pairs
  kOther,          // both requests as typed, or as hex with "Convert to Hex"
};

enum class ReplyKind {
  kNone, kKenwood, kKenwood2, kFTdx9000, kOrion, kIcom, kIcom735, kYaesu, kYaesu757,
  kYaesu890, kYaesu920, kYaesu990, kYaesu1000, kTenTecPanel, kPegasus,
};

enum class FrequencyCommand {
  kNone, kKenwood, kKenwood2, kElecraft, kFTdx9000, kIcom, kYaesu, kYaesu890, kTenTecPanel, kOrion, kPegasus,
};

enum class ModeCommands { kNone, kKenwood, kFTdx9000, kIcom, kYaesu, kYaesuStatus };

struct RigFamily {
  std::string_view name;
  PollStyle poll;
  int hex_pairs;           // pairs of each request of the hex styles
  size_t min_request;      // a request shorter than this is not sent
  ReplyKind reply;
  FrequencyCommand set_frequency;
  ModeCommands set_mode;
  int wait_before_ms;      // before the set-frequency command
  int second_wait_ms;      // a further wait, 0 for none
  bool events_between_waits;
};

// The 19 families in the order of the rig window's list ("None" first, "Other" last).
const std::vector<RigFamily>& RigFamilies();
// The family of that exact name; "None" for a name that is none of them.
const RigFamily& FindRigFamily(std::string_view name);

// What a send tick writes: the request bytes, and whether they hold a frequency request that
// the family's parsers read the answer of ("Other" has none: its replies are only shown).
struct PollRequest {
  std::string bytes;
  bool asks_frequency = false;
  friend bool operator==(const PollRequest&, const PollRequest&) = default;
};

// The request a send tick writes, given the family and the request texts; `alternate` says
// which request is due for the alternating families and is moved on. Nothing when a
// request that is due holds a pair that is not hexadecimal (then `alternate` is unchanged).
std::optional<PollRequest> PollRequestBytes(const RigFamily& family, const RigRequests& requests,
                                            std::uint8_t& alternate, bool convert_to_hex);

// The families whose replies are records of a fixed length with no end mark (the binary
// Yaesu ones): a record, or a piece of one, that comes in after its read tick would join the
// head of the next into one of the right length, so the input is emptied before each request
// and a cut record is let go whole before the next request (rig/control/cut_record_drain.h).
bool FixedLengthRecords(const RigFamily& family);

// What the parsers took from a reply.
struct ReplyTaken {
  // A well-formed answer (for "Other", whose replies are only shown, any reply); without one
  // the reply counts as no reply.
  bool answer = false;
  // Among them a frequency answer, on which the band of the next contact depends.
  bool frequency = false;
};

// Runs the family's parsers over a reply. `alternate` 1 means the frequency request was last.
ReplyTaken ParseReply(const RigFamily& family, std::string_view reply, const RigRequests& requests,
                      std::uint8_t alternate, RigReading& reading);

// The set-frequency command; empty when the family has none (or the Pegasus, which is set
// through its control program's file).
std::string SetFrequencyCommand(const RigFamily& family, float mhz, const RigRequests& requests,
                                std::uint8_t kenwood_vfo);
// The set-mode command ("CW", "LSB", "USB", "AM", "FM", "RTTY" ...); empty when the family
// has no command for that mode.
std::string SetModeCommand(const RigFamily& family, std::string_view mode, const RigRequests& requests);

}  // namespace ks::rig
