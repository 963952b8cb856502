// The Telnet commands taken out of a cluster's stream, whole or cut anywhere between reads.
#include <gtest/gtest.h>

#include <string>

#include "spots/telnet_commands.h"

namespace ks {
namespace {

const std::string IAC(1, '\xff');

TEST(TelnetCommandFilterTest, CommandsGoAndTextStaysHoweverTheReadsCutThem) {
  const struct {
    const char* what;
    std::string received;
    std::string data;
  } cases[] = {
      {"plain text", "DX de K3ZZZ:\r\n", "DX de K3ZZZ:\r\n"},
      {"negotiations of each kind", IAC + "\xfb\x01" + "a" + IAC + "\xfc\x03" + IAC + "\xfd\x18" + IAC + "\xfe\x1f" + "b",
       "ab"},
      {"two-byte commands (go ahead, no operation, are you there)",
       "a" + IAC + "\xf9" + "b" + IAC + "\xf1" + IAC + "\xf6" + "c", "abc"},
      {"a subnegotiation with an escaped 255 in it", "a" + IAC + "\xfa\x18\x01" + IAC + IAC + "x" + IAC + "\xf0" + "b",
       "ab"},
      {"an escaped 255 in the text is the byte 255", "a" + IAC + IAC + "b", "a\xff" "b"},
      {"a subnegotiation end outside one", "a" + IAC + "\xf0" + "b", "ab"},
      {"control bytes are text here; the window drops them", std::string("\0\0DX\a\r\n", 7),
       std::string("\0\0DX\a\r\n", 7)},
  };
  for (const auto& c : cases) {
    for (std::size_t cut = 0; cut <= c.received.size(); ++cut) {
      TelnetCommandFilter filter;
      std::string data = filter.Data(c.received.substr(0, cut));
      data += filter.Data(c.received.substr(cut));
      EXPECT_EQ(data, c.data) << c.what << ", cut at " << cut;
    }
  }
}

TEST(TelnetCommandFilterTest, ASubnegotiationWithoutItsEndGivesTheTextBackAfterItsBound) {
  TelnetCommandFilter filter;
  const std::string endless = IAC + "\xfa\x18" + std::string(TelnetCommandFilter::kMaxSubnegotiation, 'x');
  EXPECT_EQ(filter.Data(endless), "");
  EXPECT_EQ(filter.Data("DX de K3ZZZ:\r\n"), "DX de K3ZZZ:\r\n");
}

TEST(TelnetCommandFilterTest, ANewConnectionBeginsWithText) {
  TelnetCommandFilter filter;
  EXPECT_EQ(filter.Data(IAC + "\xfa"), "");
  filter.Reset();
  EXPECT_EQ(filter.Data("DX"), "DX");
}

}  // namespace
}  // namespace ks
