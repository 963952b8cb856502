// The bytes of every family's poll requests and set commands.
#include <gtest/gtest.h>

#include "rig/protocol/families.h"
#include "rig/protocol/hex.h"

namespace ks::rig {
namespace {

std::string Hex(std::string_view spaced) { return SpacedHexToBytes(spaced); }

const RigRequests kKenwood{"FA;", "MD;"};
const RigRequests kIcom{"FE FE 64 E0 03 FD", "FE FE 64 E0 04 FD"};
const RigRequests kFTdx{"FA;", "MD0;"};

struct FrequencyCase {
  const char* family;
  RigRequests requests;
  float mhz;
  std::string bytes;
  std::uint8_t vfo = 0;
};

TEST(SetFrequency, EachFamilySendsItsCommand) {
  const std::vector<FrequencyCase> cases = {
      {"Kenwood", kKenwood, 14.25f, "FA00014250000;"},
      {"Kenwood", {"FB;", ""}, 7.2f, "FB00007200000;"},
      {"Kenwood 2", {"IF;", ""}, 14.25f, "FA00014250000;", 0},
      {"Kenwood 2", {"IF;", ""}, 14.25f, "FB00014250000;", 1},
      {"Elecraft", {"", ""}, 14.25f, "FA00014250000;"},
      {"Yaesu FTdx9000", kFTdx, 14.25f, "FA14250000;"},
      {"Yaesu FTdx9000", kFTdx, 144.125f, "FA144125000;"},
      {"Icom", kIcom, 14.25f, Hex("FE FE 64 E0 05 00 00 25 14 00 FD")},
      {"Icom 735", kIcom, 7.04f, Hex("FE FE 64 E0 05 00 00 04 07 00 FD")},
      {"Ten Tec Omni VI", {"FE FE 04 E0 03 FD", ""}, 3.5f, Hex("FE FE 04 E0 05 00 00 50 03 00 FD")},
      {"Icom", {"FE FE", ""}, 14.25f, ""},  // no address to send to
      {"Yaesu", {}, 14.25f, Hex("01 42 50 00 01")},
      {"Yaesu", {}, 144.3f, Hex("14 43 00 00 01")},
      {"Yaesu", {}, 0.5f, Hex("00 05 00 00 01")},
      {"Yaesu 890", {}, 14.25f, Hex("00 50 42 01 0A")},
      {"Yaesu 990", {}, 14.25f, Hex("00 50 42 01 0A")},
      {"Yaesu 1000 D", {}, 14.25f, Hex("00 50 42 01 0A")},
      {"Yaesu 1000", {}, 14.25f, Hex("00 50 42 01 0A")},
      {"Yaesu 757 GX II", {}, 14.25f, Hex("00 50 42 01 0A")},
      {"Ten Tec Fnt Pnl", {}, 14.25f, Hex("2A 41 00 D9 70 10 0D")},
      {"Ten Tec Orion", {}, 14.25f, "*AF14250000\r"},
      {"Ten Tec Orion", {}, 7.0235f, "*AF7023500\r"},
      {"Ten Tec Orion", {}, 0.1f, "*AF100000\r"},
      {"Ten Tec Pegasus", {}, 14.25f, ""},
      {"Other", {}, 14.25f, ""},
      {"None", {}, 14.25f, ""},
      {"Kenwood", kKenwood, -1.0f, "FA00000000000;"},
      {"Kenwood", kKenwood, 3.4e38f, "FA999999999999999;"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(HexDump(SetFrequencyCommand(FindRigFamily(c.family), c.mhz, c.requests, c.vfo)), HexDump(c.bytes))
        << c.family << " " << c.mhz;
  }
}

TEST(SetFrequency, WaitsOfTheFamilies) {
  EXPECT_EQ(FindRigFamily("Yaesu 1000").wait_before_ms, 10);
  EXPECT_EQ(FindRigFamily("Icom").wait_before_ms, 140);
  EXPECT_EQ(FindRigFamily("Ten Tec Omni VI").second_wait_ms, 220);
  EXPECT_EQ(FindRigFamily("Elecraft").second_wait_ms, 1000);
  EXPECT_TRUE(FindRigFamily("Elecraft").events_between_waits);
  EXPECT_EQ(FindRigFamily("Kenwood").wait_before_ms, 205);
  EXPECT_EQ(RigFamilies().size(), 19u);
  EXPECT_EQ(FindRigFamily("kenwood").name, "None");  // names are exact
}

struct ModeCase {
  const char* family;
  RigRequests requests;
  const char* mode;
  std::string bytes;
};

TEST(SetMode, EachFamilySendsItsCommandOrNothing) {
  const std::vector<ModeCase> cases = {
      {"Kenwood", kKenwood, "CW", "MD3;"},     {"Kenwood 2", kKenwood, "LSB", "MD1;"},
      {"Elecraft", kKenwood, "FSK", "MD6;"},  {"Kenwood", kKenwood, "CW-R", ""},
      {"Yaesu FTdx9000", kFTdx, "CW", "MD03;"}, {"Yaesu FTdx9000", kFTdx, "CW-R", "MD07;"},
      {"Yaesu FTdx9000", kFTdx, "FSK", ""},
      {"Icom", kIcom, "CW", Hex("FE FE 64 E0 06 03 FD")}, {"Ten Tec Omni VI", kIcom, "RTTY-R", Hex("FE FE 64 E0 06 08 FD")},
      {"Icom", kIcom, "DIG", ""},
      {"Yaesu", {}, "USB", Hex("01 00 00 00 07")},  {"Yaesu", {}, "PKT", Hex("0C 00 00 00 07")},
      {"Yaesu", {}, "CW-R", ""},
      {"Yaesu 890", {}, "FM", Hex("00 00 00 06 0C")}, {"Yaesu 1000", {}, "CW-R", Hex("00 00 00 03 0C")},
      {"Yaesu 890", {}, "DIG", ""},
      {"Icom 735", kIcom, "CW", ""}, {"Ten Tec Orion", {}, "CW", ""}, {"Ten Tec Fnt Pnl", {}, "CW", ""},
      {"Kenwood", kKenwood, "cw", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(HexDump(SetModeCommand(FindRigFamily(c.family), c.mode, c.requests)), HexDump(c.bytes))
        << c.family << " " << c.mode;
  }
}

struct PollCase {
  const char* family;
  RigRequests requests;
  std::uint8_t alternate_before;
  std::optional<PollRequest> request;  // the bytes, and whether they ask for the frequency
  std::uint8_t alternate_after;
  bool convert_to_hex = false;
};

TEST(PollRequests, EachFamilyWritesItsRequests) {
  const std::vector<PollCase> cases = {
      {"Kenwood", kKenwood, 0, PollRequest{"FA;MD;", true}, 0},
      {"Kenwood 2", {"IF;", ""}, 0, PollRequest{"IF;", true}, 0},
      {"Kenwood", {"", ""}, 0, PollRequest{"", false}, 0},
      {"Kenwood", {"", "MD;"}, 0, PollRequest{"MD;", false}, 0},
      {"Icom", kIcom, 0, PollRequest{Hex("FE FE 64 E0 03 FD"), true}, 1},
      {"Icom", kIcom, 1, PollRequest{Hex("FE FE 64 E0 04 FD"), false}, 0},
      // Too short: skipped, and the turn moves on.
      {"Icom", {"FE FE 64 E0 03 F", "x"}, 0, PollRequest{"", false}, 1},
      {"Icom", {"FE FE 64 E0 0X FD", ""}, 0, std::nullopt, 0},
      {"Yaesu", {"00 00 00 00 03", ""}, 0, PollRequest{Hex("00 00 00 00 03"), true}, 0},
      {"Yaesu 890", {"00 00 00 02 10", "00 00 00 00 01"}, 1, PollRequest{Hex("00 00 00 02 10"), true}, 1},
      {"Yaesu FTdx9000", kFTdx, 0, PollRequest{"FA;", true}, 1},
      {"Yaesu FTdx9000", kFTdx, 1, PollRequest{"MD0;", false}, 0},
      {"Yaesu FTdx9000", {"F", ""}, 0, PollRequest{"", false}, 1},
      {"Ten Tec Fnt Pnl", {"3F 41 0D", "3F 4D 0D"}, 0, PollRequest{Hex("3F 41 0D"), true}, 1},
      {"Ten Tec Orion", {"?AF", "?RMM"}, 0, PollRequest{"?AF\r?RMM\r", true}, 0},
      {"Ten Tec Pegasus", {"x", "y"}, 0, PollRequest{"", false}, 0},
      {"None", kKenwood, 0, PollRequest{"", false}, 0},
      // Its replies are only shown: no request of it is a frequency request.
      {"Other", {"3F 41", "0D"}, 0, PollRequest{Hex("3F 41 0D"), false}, 0, true},
      {"Other", {"3F 41", "0D"}, 0, PollRequest{"3F 410D", false}, 0, false},
  };
  for (const auto& c : cases) {
    std::uint8_t alternate = c.alternate_before;
    auto request = PollRequestBytes(FindRigFamily(c.family), c.requests, alternate, c.convert_to_hex);
    EXPECT_EQ(request.has_value(), c.request.has_value()) << c.family << " " << c.requests.freq;
    if (request && c.request) {
      EXPECT_EQ(request->bytes, c.request->bytes) << c.family << " " << c.requests.freq;
      EXPECT_EQ(request->asks_frequency, c.request->asks_frequency) << c.family << " " << c.requests.freq;
    }
    EXPECT_EQ(alternate, c.alternate_after) << c.family << " " << c.requests.freq;
  }
}

}  // namespace
}  // namespace ks::rig
