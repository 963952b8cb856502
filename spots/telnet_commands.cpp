#include "spots/telnet_commands.h"

namespace ks {

namespace {
constexpr unsigned char kInterpretAsCommand = 255;
constexpr unsigned char kSubnegotiationEnd = 240;
constexpr unsigned char kSubnegotiationBegin = 250;
constexpr unsigned char kFirstOptionVerb = 251;  // WILL, WONT, DO, DONT: 251 to 254
}  // namespace

std::string TelnetCommandFilter::Data(std::string_view received) {
  std::string data;
  data.reserve(received.size());
  for (const char c : received) {
    const auto byte = static_cast<unsigned char>(c);
    switch (state_) {
      case State::kData:
        if (byte == kInterpretAsCommand) {
          state_ = State::kCommand;
        } else {
          Text(c, data);
        }
        break;
      case State::kCommand:
        state_ = State::kData;
        if (byte == kInterpretAsCommand) Text(c, data);
        if (byte >= kFirstOptionVerb && byte != kInterpretAsCommand) state_ = State::kOption;
        if (byte == kSubnegotiationBegin) {
          state_ = State::kSubnegotiation;
          subnegotiated_ = 0;
        }
        break;
      case State::kOption:
        state_ = State::kData;
        break;
      case State::kSubnegotiation:
        if (byte == kInterpretAsCommand) state_ = State::kSubnegotiationCommand;
        if (++subnegotiated_ > kMaxSubnegotiation) state_ = State::kData;
        break;
      case State::kSubnegotiationCommand:
        if (byte == kSubnegotiationEnd) {
          state_ = State::kData;
          break;
        }
        // 255 255 inside is a data byte of the subnegotiation, and dropped with it.
        state_ = State::kSubnegotiation;
        if (++subnegotiated_ > kMaxSubnegotiation) state_ = State::kData;
        break;
    }
  }
  return data;
}

void TelnetCommandFilter::Text(char c, std::string& data) {
  const bool after_cr = after_cr_;
  after_cr_ = c == '\r';
  if (after_cr && (c == '\n' || c == '\0')) return;  // the rest of a line end already given
  data += c;
  if (c == '\r') data += '\n';
}

void TelnetCommandFilter::Reset() {
  state_ = State::kData;
  subnegotiated_ = 0;
  after_cr_ = false;
}

}  // namespace ks
