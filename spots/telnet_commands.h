#pragma once
// The Telnet protocol's commands in a cluster's byte stream. A cluster's Telnet server may put
// commands between the lines it sends: byte 255 followed by a command byte, an option
// negotiation (255, then 251 to 254, then the option) or a subnegotiation (255 250 ... 255 240).
// They are no text: shown, they are boxes, and before a "DX de " they hide the spot.
#include <cstddef>
#include <string>
#include <string_view>

namespace ks {

class TelnetCommandFilter {
 public:
  // A subnegotiation that has run this long without its end is taken as no subnegotiation:
  // the bytes after it are text again, so that a lost end cannot swallow the spots for good.
  static constexpr std::size_t kMaxSubnegotiation = 512;

  // The data of `received` without the commands in it. A command cut by the end of one read
  // is finished by the next. 255 255 stands for a data byte 255 and gives it. Negotiations are
  // not answered: a server goes on without an answer, and a cluster sends its spots either way.
  // A carriage return ends its line at once and comes out as CR LF, since a server may end
  // its lines with CR LF, with CR NUL (a bare carriage return in the protocol's terms) or with
  // a lone CR; the LF or NUL that follows a CR, in this read or the next, goes. A lone LF
  // stays as it is.
  std::string Data(std::string_view received);
  // A new connection begins with data.
  void Reset();

 private:
  enum class State { kData, kCommand, kOption, kSubnegotiation, kSubnegotiationCommand };
  // Takes a data byte, line ends made CR LF.
  void Text(char c, std::string& data);

  State state_ = State::kData;
  std::size_t subnegotiated_ = 0;
  // The last data byte was a CR, given as CR LF.
  bool after_cr_ = false;
};

}  // namespace ks
