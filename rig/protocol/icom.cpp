// Icom CI-V frames: FE FE, two address bytes, a command, data bytes, FD. A reply may hold
// the echo of the request as well as the answer; addresses are not checked. A frame is taken
// only whole, with the data its command carries: five packed-decimal bytes of frequency (four
// for the 735), one or two bytes of mode.
#include <algorithm>
#include <vector>

#include "rig/protocol/hex.h"
#include "rig/protocol/commands.h"
#include "rig/protocol/parsers.h"

namespace ks::rig {
namespace {

constexpr char kPreamble = '\xFE';
constexpr char kEnd = '\xFD';

// A frame between its preamble and its end: addresses, command, data.
struct Frame {
  unsigned char command;
  std::string_view data;
};

// The whole frames of the reply, in order. A frame cut off by the end of the reply, or by
// the preamble of another (two stations talking at once), is left out.
std::vector<Frame> WholeFrames(std::string_view reply) {
  std::vector<Frame> frames;
  size_t at = reply.find("\xFE\xFE");
  while (at != std::string_view::npos) {
    size_t body = at + 2;
    while (body < reply.size() && reply[body] == kPreamble) ++body;
    const size_t end = reply.find(kEnd, body);
    if (end == std::string_view::npos) break;
    const std::string_view inside = reply.substr(body, end - body);
    if (const size_t cut = inside.find(kPreamble); cut != std::string_view::npos) {
      at = reply.find("\xFE\xFE", body + cut);
      continue;
    }
    if (inside.size() >= 3) frames.push_back({static_cast<unsigned char>(inside[2]), inside.substr(3)});
    at = reply.find("\xFE\xFE", end + 1);
  }
  return frames;
}

// The data of the last whole frame of `command` that `well_formed` accepts, the radio's
// latest answer.
template <typename Check>
std::optional<std::string_view> LastAnswer(std::string_view reply, unsigned char command, Check well_formed) {
  std::optional<std::string_view> answer;
  for (const Frame& frame : WholeFrames(reply))
    if (frame.command == command && well_formed(frame.data)) answer = frame.data;
  return answer;
}

}  // namespace

std::string FormatIcomFrequency(std::string_view digits) {
  // The digits from `from`, as many of `count` as there are.
  auto d = [&](size_t from, size_t count) { return digits.substr(std::min(from, digits.size()), count); };
  std::string text;
  if (d(0, 1) != "0") text += d(0, 1);
  if (d(0, 2) != "00") text += d(1, 1);
  if (d(0, 3) != "000") text += d(2, 1);
  text += d(3, 1);
  text += '.';
  text += d(4, 6);
  return text;
}

bool ParseIcomFrequency(std::string_view reply, bool four_byte_frequency, RigReading& reading) {
  const size_t length = four_byte_frequency ? 4 : 5;
  const auto data = LastAnswer(reply, 0x03, [&](std::string_view d) { return d.size() == length && PackedDecimal(d); });
  if (!data) return false;
  std::string digits;  // most significant byte first: the frame sends the least first
  for (char byte : *data) digits.insert(0, BytesToHexDigits(std::string_view(&byte, 1)));
  const auto value = ReadDecimal(FormatIcomFrequency(digits));
  return value && TakeFrequency(static_cast<float>(four_byte_frequency ? *value / 100 : *value), reading);
}

// The mode byte (03 is CW, every other mode phone), with or without the filter byte.
bool ParseIcomMode(std::string_view reply, RigReading& reading) {
  const auto data = LastAnswer(reply, 0x04, [](std::string_view d) {
    return (d.size() == 1 || d.size() == 2) && PackedDecimal(d.substr(0, 1));
  });
  if (!data) return false;
  reading.mode = (*data)[0] == '\x03' ? "CW" : "PH";
  return true;
}

}  // namespace ks::rig

namespace ks::rig {

std::string IcomAddress(const RigRequests& requests) {
  auto address = Slice(requests.freq, 6, 2);
  return address && ReadHex(*address) ? std::string(*address) : "";
}

// FE FE, the address, E0 05, ten digits of hertz packed least significant byte first, FD.
std::string IcomSetFrequency(float mhz, const RigRequests& requests) {
  const std::string address = IcomAddress(requests);
  if (address.empty()) return "";
  const std::string digits = ZeroPadded(MhzToUnits(mhz, 1e6), 10);
  std::string packed;
  for (size_t i = digits.size(); i >= 2 && packed.size() < 10; i -= 2) packed += digits.substr(i - 2, 2);
  return HexToBytes("FEFE" + address + "E005" + packed + "FD");
}

}  // namespace ks::rig
