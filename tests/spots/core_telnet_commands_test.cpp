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
      // Each way a server ends its lines gives lines the window can cut, with no line end
      // doubled and none waiting for the byte after it.
      {"lines ended by a lone CR", "DX a\rDX b\r", "DX a\r\nDX b\r\n"},
      {"lines ended by CR NUL", std::string("DX a\r\0DX b\r\0", 12), "DX a\r\nDX b\r\n"},
      {"lines ended by a lone LF", "DX a\nDX b\n", "DX a\nDX b\n"},
      {"lines ended by LF CR", "DX a\n\rDX b\n\r", "DX a\n\r\nDX b\n\r\n"},
      {"a command between CR and LF", "DX a\r" + IAC + "\xf9\nDX b\r\n", "DX a\r\nDX b\r\n"},
      {"an escaped 255 after a CR", "a\r" + IAC + IAC + "\n", "a\r\n\xff\n"},
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
  EXPECT_EQ(filter.Data("\r"), "\r\n");
  filter.Reset();
  EXPECT_EQ(filter.Data("\nDX"), "\nDX");  // an LF after a CR of the connection before is text
}

}  // namespace
}  // namespace ks
