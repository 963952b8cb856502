// Every family's replies, as real byte strings, against the frequency and mode they give.
#include <gtest/gtest.h>

#include <map>

#include "rig/protocol/families.h"
#include "rig/protocol/hex.h"
#include "rig/protocol/parsers.h"

namespace ks::rig {
namespace {

std::string Hex(std::string_view spaced) { return SpacedHexToBytes(spaced); }

struct ReplyCase {
  const char* name;
  const char* family;
  std::string reply;
  std::uint8_t alternate;  // 1: the frequency request was last
  float frequency;         // expected; the reading starts at 1.0 "AM"
  const char* mode;
  int vfo = 10;
};

class Replies : public ::testing::TestWithParam<ReplyCase> {};

TEST_P(Replies, GiveFrequencyAndMode) {
  const auto& c = GetParam();
  const auto& family = FindRigFamily(c.family);
  ASSERT_EQ(family.name, c.family);
  RigRequests requests;
  // The family's preset requests, as the rig window fills them in.
  static const std::map<std::string, RigRequests> kPresets = {
      {"Kenwood", {"FA;", "MD;"}}, {"Elecraft", {"FA;", "MD;"}}, {"Kenwood 2", {"IF;", ""}},
      {"Yaesu FTdx9000", {"FA;", "MD0;"}}};
  if (auto it = kPresets.find(c.family); it != kPresets.end()) requests = it->second;
  RigReading reading{1.0f, "AM"};
  ParseReply(family, c.reply, requests, c.alternate, reading);
  EXPECT_FLOAT_EQ(reading.frequency, c.frequency);
  EXPECT_EQ(reading.mode, c.mode);
  EXPECT_EQ(reading.kenwood_vfo, c.vfo);
}

// The answer to "IF;": the frequency from position 2, the mode at 29 and the VFO at 30.
std::string IfReply(char mode, char vfo) {
  std::string reply = "IF00014250000" + std::string(24, '0') + ";";
  reply[29] = mode;
  reply[30] = vfo;
  return reply;
}

std::vector<ReplyCase> Cases() {
  return {
      {"KenwoodFrequencyAndMode", "Kenwood", "FA00014250000;MD3;", 0, 14.25f, "CW"},
      {"KenwoodMode7IsCw", "Kenwood", "MD7;", 0, 1.0f, "CW"},
      {"KenwoodMode2IsPhone", "Elecraft", "MD2;", 0, 1.0f, "PH"},
      {"KenwoodNoSemicolonTooShort", "Kenwood", "FA00014250000", 0, 1.0f, "AM"},
      {"KenwoodSplitReplyKeepsOld", "Kenwood", "FA000142", 0, 1.0f, "AM"},
      {"KenwoodGarbageDigits", "Kenwood", "FA0001425X000;", 0, 1.0f, "AM"},
      {"KenwoodModeLetterIsPhone", "Kenwood", "MDX;", 0, 1.0f, "PH"},
      {"KenwoodMergedWithNoise", "Kenwood", "?;FA00007040000;MD3;FA00014000000;", 0, 7.04f, "CW"},
      {"Kenwood2StatusRecord", "Kenwood 2", IfReply('3', '0'), 0, 14.25f, "CW", 0},
      {"Kenwood2Mode7IsPhoneVfoB", "Kenwood 2", IfReply('7', '1'), 0, 14.25f, "PH", 1},
      {"Kenwood2EndsBeforeMode", "Kenwood 2", "IF00014250000 ", 0, 14.25f, "PH"},
      {"Kenwood2TooShort", "Kenwood 2", "IF000142500", 0, 1.0f, "AM"},
      {"FTdx9000Frequency", "Yaesu FTdx9000", "FA14250000;", 1, 14.25f, "AM"},
      {"FTdx9000SevenDigits", "Yaesu FTdx9000", "FA1425000;", 1, 1.0f, "AM"},
      {"FTdx9000ModeCw", "Yaesu FTdx9000", "MD03;", 0, 1.0f, "CW"},
      {"FTdx9000ModeLetterIsPhone", "Yaesu FTdx9000", "MD0C;", 0, 1.0f, "PH"},
      {"FTdx9000Both", "Yaesu FTdx9000", "FA07040000;MD02;", 0, 7.04f, "PH"},
      {"OrionFrequencyAfterNoise", "Ten Tec Orion", "xx@AF14250000\r@RMM3", 0, 14.25f, "CW"},
      {"OrionNoCarriageReturn", "Ten Tec Orion", "@AF14250000", 0, 1.0f, "AM"},
      {"OrionModePhone", "Ten Tec Orion", "@RMM0", 0, 1.0f, "PH"},
      {"OrionEmptyFrequency", "Ten Tec Orion", "@AF\r", 0, 1.0f, "AM"},
      {"IcomEchoThenAnswer", "Icom", Hex("FE FE 64 E0 03 FD FE FE E0 64 03 00 00 25 14 00 FD"), 1, 14.25f, "AM"},
      {"IcomEchoAlone", "Icom", Hex("FE FE 64 E0 03 FD"), 1, 1.0f, "AM"},
      {"IcomModeCw", "Icom", Hex("FE FE 64 E0 04 FD FE FE E0 64 04 03 01 FD"), 0, 1.0f, "CW"},
      {"IcomModeFirstByte01", "Ten Tec Omni VI", Hex("FE FE E0 04 04 01 03 FD"), 0, 1.0f, "PH"},
      {"IcomCutAfterAddress", "Icom", Hex("FE FE E0"), 1, 1.0f, "AM"},
      {"Icom735FourBytes", "Icom 735", Hex("FE FE E0 04 03 00 00 25 14 FD"), 1, 14.25f, "AM"},
      {"IcomHexLetterDigits", "Icom", Hex("FE FE E0 64 03 00 0A 25 14 00 FD"), 1, 1.0f, "AM"},
      {"Yaesu20mCw", "Yaesu", Hex("01 42 50 00 82"), 0, 14.25f, "CW"},
      {"Yaesu40mPhone", "Yaesu", Hex("00 70 40 00 00"), 0, 7.04f, "PH"},
      {"YaesuModeByteLetter", "Yaesu", Hex("01 42 50 00 0A"), 0, 1.0f, "AM"},
      {"YaesuHalfMegahertz", "Yaesu", Hex("00 05 00 00 01"), 0, 0.5f, "PH"},
      {"YaesuFourBytes", "Yaesu", Hex("01 42 50 00"), 0, 1.0f, "AM"},
      {"YaesuOtherMode", "Yaesu", Hex("01 42 50 00 10"), 0, 14.25f, "AM"},
      {"Yaesu920", "Yaesu 920", Hex("00 00 D9 70 10 00 00 01"), 0, 14.25f, "CW"},
      {"Yaesu920ModeOther", "Yaesu 920", Hex("00 00 D9 70 10 00 00 0A"), 0, 14.25f, "PH"},
      {"Yaesu920Short", "Yaesu 920", Hex("00 00 D9 70 10"), 0, 14.25f, "PH"},
      {"Yaesu890", "Yaesu 890", Hex("00 00 15 BE 68 00 00 02"), 0, 14.25f, "CW"},
      {"Yaesu890Mode8Unchanged", "Yaesu 890", Hex("00 00 15 BE 68 00 00 08"), 0, 14.25f, "AM"},
      {"Yaesu890ShortModeUnchanged", "Yaesu 890", Hex("00 00 15 BE 68 00"), 0, 14.25f, "AM"},
      {"Yaesu990", "Yaesu 990", Hex("00 15 BE 68 00 00 00 01"), 0, 14.25f, "PH"},
      {"Yaesu1000D", "Yaesu 1000 D", Hex("00 0A BE 00 00 00 00 02"), 0, 7.04f, "CW"},
      {"Yaesu1000", "Yaesu 1000", Hex("00 01 5B E6 80 00 00 03"), 0, 14.25f, "PH"},
      {"Yaesu1000FourBytes", "Yaesu 1000", Hex("00 01 5B E6"), 0, 1.0f, "AM"},
      {"Yaesu757", "Yaesu 757 GX II", Hex("00 00 00 00 00 00 50 42 01 02"), 0, 14.25f, "CW"},
      {"Yaesu757Fm", "Yaesu 757 GX II", Hex("00 00 00 00 00 00 50 42 01 05"), 0, 14.25f, "FM"},
      {"Yaesu757PartialRecord", "Yaesu 757 GX II", Hex("00 00 00 00 00 00 50 42"), 0, 1.0f, "AM"},
      {"TenTecFrequency", "Ten Tec Fnt Pnl", Hex("41 00 D9 70 10 0D"), 1, 14.25f, "AM"},
      {"TenTecFourBytes", "Ten Tec Fnt Pnl", Hex("41 00 D9 70"), 1, 1.0f, "AM"},
      {"TenTecModeCw", "Ten Tec Fnt Pnl", Hex("4D 03 0D"), 0, 1.0f, "CW"},
      {"TenTecModePhone", "Ten Tec Fnt Pnl", Hex("4D 34 0D"), 0, 1.0f, "PH"},
      {"TenTecModeOther", "Ten Tec Fnt Pnl", Hex("4D 05 0D"), 0, 1.0f, "AM"},
      {"OtherParsesNothing", "Other", "FA00014250000;", 0, 1.0f, "AM"},
  };
}

INSTANTIATE_TEST_SUITE_P(Families, Replies, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(KenwoodFrequency, TakesItsKeyFromTheRequestAndNeedsThreeCharacters) {
  RigReading reading{1.0f, ""};
  ParseKenwoodFrequency("IF00014250000;", RigRequests{"IF;", ""}, reading);
  EXPECT_FLOAT_EQ(reading.frequency, 14.25f);
  ParseKenwoodFrequency("FA00007000000;", RigRequests{"FA", ""}, reading);
  EXPECT_FLOAT_EQ(reading.frequency, 14.25f);
}

struct SubBandCase {
  float frequency;
  const char* mode;
};

TEST(ModeFromFrequency, SubBandsOpenAtTheirEdges) {
  for (const auto& c : std::vector<SubBandCase>{{3.55f, "CW"}, {3.6f, "XX"}, {7.2f, "PH"}, {10.12f, "CW"},
                                                {1.84f, "XX"}, {5.33f, "XX"}, {146.52f, "PH"}, {28.3f, "XX"},
                                                {28.31f, "PH"}, {50.05f, "CW"}}) {
    std::string mode = "XX";
    ModeFromFrequency(c.frequency, mode);
    EXPECT_EQ(mode, c.mode) << c.frequency;
  }
}

}  // namespace
}  // namespace ks::rig
