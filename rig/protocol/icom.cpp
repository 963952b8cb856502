// Icom CI-V frames: FE FE, two address bytes, a command, data bytes, FD. A reply may hold
// the echo of the request as well as the answer; addresses are not checked.
#include <algorithm>

#include "rig/protocol/hex.h"
#include "rig/protocol/commands.h"
#include "rig/protocol/parsers.h"

namespace ks::rig {
namespace {

enum class Frame { kIdle, kGotFirstFE, kGotSecondFE, kWaitForFD };

// Walks the frames of the reply; calls `data` for each data byte of a frame whose command
// is `command`, and stops when `data` returns false.
template <typename OnData>
void WalkFrames(std::string_view reply, unsigned char command, OnData data) {
  Frame state = Frame::kIdle;
  for (size_t i = 0; i < reply.size(); ++i) {
    const auto byte = static_cast<unsigned char>(reply[i]);
    switch (state) {
      case Frame::kIdle:
        if (byte == 0xFE) state = Frame::kGotFirstFE;
        break;
      case Frame::kGotFirstFE:
        if (byte == 0xFE) {
          state = Frame::kGotSecondFE;
          i += 2;  // the two address bytes
        } else {
          state = Frame::kIdle;
        }
        break;
      case Frame::kGotSecondFE:
        state = byte == command ? Frame::kWaitForFD : Frame::kIdle;
        break;
      case Frame::kWaitForFD:
        if (byte == 0xFD) {
          state = Frame::kIdle;
        } else if (!data(byte)) {
          return;
        }
        break;
    }
  }
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

void ParseIcomFrequency(std::string_view reply, bool four_byte_frequency, RigReading& reading) {
  std::string digits;
  WalkFrames(reply, 0x03, [&](unsigned char byte) {
    digits.insert(0, BytesToHexDigits(std::string(1, static_cast<char>(byte))));
    return true;
  });
  auto value = ReadDecimal(FormatIcomFrequency(digits));
  if (!value) return;
  reading.frequency = static_cast<float>(four_byte_frequency ? *value / 100 : *value);
}

void ParseIcomMode(std::string_view reply, RigReading& reading) {
  WalkFrames(reply, 0x04, [&](unsigned char byte) {
    reading.mode = byte == 0x03 ? "CW" : "PH";
    return false;
  });
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
