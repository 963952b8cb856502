// Every family's replies, as real byte strings, against the frequency and mode they give:
// the answers shaped as the radios send them (after Hamlib's simulators and drivers: padded
// number fields, the CI-V bus's echo of the request, the Yaesu records), beside the noise, cut
// and overlong replies that are refused.
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
  bool taken;              // a well-formed answer was found
  float frequency;         // expected; the reading starts at 1.0 "AM", which no answer gives
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
  const ReplyTaken taken = ParseReply(family, c.reply, requests, c.alternate, reading);
  EXPECT_EQ(taken.answer, c.taken);
  EXPECT_EQ(taken.frequency, c.frequency != 1.0f) << "a frequency answer";
  EXPECT_FLOAT_EQ(reading.frequency, c.frequency);
  EXPECT_EQ(reading.mode, c.mode);
  EXPECT_EQ(reading.kenwood_vfo, c.vfo);
}

// The answer to "IF;": 38 characters, the frequency from position 2, the mode at 29 and the
// VFO at 30.
std::string IfReply(char mode, char vfo) {
  std::string reply = "IF00014250000" + std::string(24, '0') + ";";
  reply[29] = mode;
  reply[30] = vfo;
  return reply;
}

// A binary status record of `length` bytes that begins with the bytes given.
std::string Record(std::size_t length, std::string_view spaced) {
  std::string bytes = Hex(spaced);
  bytes.resize(length, '\0');
  return bytes;
}

std::vector<ReplyCase> Cases() {
  return {
      {"KenwoodFrequencyAndMode", "Kenwood", "FA00014250000;MD3;", 0, true, 14.25f, "CW"},
      {"KenwoodMode7IsCw", "Kenwood", "MD7;", 0, true, 1.0f, "CW"},
      {"KenwoodMode2IsPhone", "Elecraft", "MD2;", 0, true, 1.0f, "PH"},
      {"KenwoodNoSemicolonTooShort", "Kenwood", "FA00014250000", 0, false, 1.0f, "AM"},
      {"KenwoodSplitReplyKeepsOld", "Kenwood", "FA000142", 0, false, 1.0f, "AM"},
      {"KenwoodGarbageDigits", "Kenwood", "FA0001425X000;", 0, false, 1.0f, "AM"},
      {"KenwoodFrequencyTooLong", "Kenwood", "FA99999999999999999999;", 0, false, 1.0f, "AM"},
      {"KenwoodModeLetter", "Kenwood", "MDX;", 0, false, 1.0f, "AM"},
      {"KenwoodModeNoise", "Kenwood", "MD-7;", 0, false, 1.0f, "AM"},
      {"KenwoodModeTwoDigits", "Kenwood", "MD37;", 0, false, 1.0f, "AM"},
      {"KenwoodGoodFrequencyBadMode", "Kenwood", "FA00014250000;MD-7;", 0, true, 14.25f, "AM"},
      {"KenwoodBrokenThenWhole", "Kenwood", "FA0070;FA00014250000;", 0, true, 14.25f, "AM"},
      {"KenwoodMergedWithNoise", "Kenwood", "?;FA00007040000;MD3;FA00014000000;", 0, true, 7.04f, "CW"},
      // Hamlib's Kenwood and Elecraft simulators: "FA%011d;" and "MD%d;".
      {"ElecraftFrequencyAndMode", "Elecraft", "FA00014074000;MD3;", 0, true, 14.074f, "CW"},
      {"KenwoodBlankPaddedFrequency", "Kenwood", "FA    7040000;", 0, true, 7.04f, "AM"},
      {"KenwoodInnerBlank", "Kenwood", "FA0000704 000;", 0, false, 1.0f, "AM"},
      {"KenwoodSignInFrequency", "Kenwood", "FA-0007040000;", 0, false, 1.0f, "AM"},
      {"KenwoodPointInFrequency", "Kenwood", "FA0000007.040;", 0, false, 1.0f, "AM"},
      {"KenwoodBlankAfterDigits", "Kenwood", "FA0007040000 ;", 0, false, 1.0f, "AM"},
      {"Kenwood2StatusRecord", "Kenwood 2", IfReply('3', '0'), 0, true, 14.25f, "CW", 0},
      {"Kenwood2Mode7IsPhoneVfoB", "Kenwood 2", IfReply('7', '1'), 0, true, 14.25f, "PH", 1},
      {"Kenwood2EndsBeforeMode", "Kenwood 2", "IF00014250000 ", 0, false, 1.0f, "AM"},
      {"Kenwood2RecordShort", "Kenwood 2", "IF00014250000" + std::string(23, '0') + ";", 0, false, 1.0f, "AM"},
      {"Kenwood2ModeLetter", "Kenwood 2", IfReply('X', '0'), 0, false, 1.0f, "AM"},
      {"Kenwood2TooShort", "Kenwood 2", "IF000142500", 0, false, 1.0f, "AM"},
      // The status records of Hamlib's Elecraft simulator and of a Kenwood (blanks in the
      // fields between).
      {"Kenwood2ElecraftRecord", "Kenwood 2", "IF00007230000     -000000 0001000001 ;", 0, true, 7.23f, "PH", 0},
      {"Kenwood2KenwoodRecord", "Kenwood 2", "IF00010138698     +00000000002000000 ;", 0, true, 10.1387f, "PH", 0},
      {"FTdx9000Frequency", "Yaesu FTdx9000", "FA14250000;", 1, true, 14.25f, "AM"},
      {"FTdx9000SevenDigits", "Yaesu FTdx9000", "FA1425000;", 1, false, 1.0f, "AM"},
      {"FTdx9000NineDigits", "Yaesu FTdx9000", "FA142500000;", 1, false, 1.0f, "AM"},
      {"FTdx9000ModeCw", "Yaesu FTdx9000", "MD03;", 0, true, 1.0f, "CW"},
      {"FTdx9000ModeLetterIsPhone", "Yaesu FTdx9000", "MD0C;", 0, true, 1.0f, "PH"},
      {"FTdx9000ModeNoise", "Yaesu FTdx9000", "MD0-;", 0, false, 1.0f, "AM"},
      {"FTdx9000Both", "Yaesu FTdx9000", "FA07040000;MD02;", 0, true, 7.04f, "PH"},
      {"FTdx9000BlankPadded", "Yaesu FTdx9000", "FA 7040000;", 1, true, 7.04f, "AM"},
      {"FTdx9000ModeOnly", "Yaesu FTdx9000", "MD03;", 1, true, 1.0f, "CW"},
      {"OrionFrequencyAfterNoise", "Ten Tec Orion", "xx@AF14250000\r@RMM3\r", 0, true, 14.25f, "CW"},
      {"OrionNoCarriageReturn", "Ten Tec Orion", "@AF14250000", 0, false, 1.0f, "AM"},
      {"OrionModePhone", "Ten Tec Orion", "@RMM0\r", 0, true, 1.0f, "PH"},
      {"OrionModeCut", "Ten Tec Orion", "@RMM3", 0, false, 1.0f, "AM"},
      {"OrionEmptyFrequency", "Ten Tec Orion", "@AF\r", 0, false, 1.0f, "AM"},
      {"OrionLetterInFrequency", "Ten Tec Orion", "@AF1425O000\r", 0, false, 1.0f, "AM"},
      {"OrionFrequencyTooLong", "Ten Tec Orion", "@AF99999999999999\r", 0, false, 1.0f, "AM"},
      // Hamlib's Orion simulator answers ?AF as "@AF%8d\r" and ?RMM as "@RMM%d\r": below 10 MHz
      // a blank stands before the seven digits; its driver reads the field with "%8u".
      {"OrionBelowTenMegahertzBlankPadded", "Ten Tec Orion", "@AF 7040000\r@RMM0\r", 0, true, 7.04f, "PH"},
      {"OrionBelowTenMegahertzZeroPadded", "Ten Tec Orion", "@AF07040000\r", 0, true, 7.04f, "AM"},
      {"OrionTwentyMetres", "Ten Tec Orion", "@AF14074000\r@RMM2\r", 0, true, 14.074f, "CW"},
      {"OrionHundredSixtyMetres", "Ten Tec Orion", "@AF 1840000\r", 0, true, 1.84f, "AM"},
      {"OrionBlanksOnly", "Ten Tec Orion", "@AF        \r", 0, false, 1.0f, "AM"},
      {"OrionInnerBlank", "Ten Tec Orion", "@AF 704 000\r", 0, false, 1.0f, "AM"},
      {"OrionBlankAfterDigits", "Ten Tec Orion", "@AF7040000 \r", 0, false, 1.0f, "AM"},
      {"OrionSign", "Ten Tec Orion", "@AF-7040000\r", 0, false, 1.0f, "AM"},
      {"OrionPoint", "Ten Tec Orion", "@AF  7.0400\r", 0, false, 1.0f, "AM"},
      {"OrionGigahertz", "Ten Tec Orion", "@AF1000000000\r", 0, false, 1.0f, "AM"},
      {"OrionDigitLost", "Ten Tec Orion", "@AF1407400\r", 0, false, 1.0f, "AM"},
      {"OrionCutThenWhole", "Ten Tec Orion", "@AF 70\r@AF14074000\r", 0, true, 14.074f, "AM"},
      {"IcomEchoThenAnswer", "Icom", Hex("FE FE 64 E0 03 FD FE FE E0 64 03 00 00 25 14 00 FD"), 1, true, 14.25f, "AM"},
      {"IcomEchoAlone", "Icom", Hex("FE FE 64 E0 03 FD"), 1, false, 1.0f, "AM"},
      // An IC-7300 (address 94) on a CI-V bus: the echo of the request, then the answer.
      {"IcomEchoThen40m", "Icom", Hex("FE FE 94 E0 03 FD FE FE E0 94 03 00 00 04 07 00 FD"), 1, true, 7.04f, "AM"},
      {"IcomEchoThenModeCw", "Icom", Hex("FE FE 94 E0 04 FD FE FE E0 94 04 03 01 FD"), 0, true, 1.0f, "CW"},
      // Hamlib's Icom simulator answers in the request's frame, its addresses unswapped.
      {"IcomSimulatorFrame", "Icom", Hex("FE FE 94 E0 03 00 40 07 14 00 FD"), 1, true, 14.074f, "AM"},
      {"IcomModeAnswerInFrequencyTurn", "Icom", Hex("FE FE 94 E0 04 FD FE FE E0 94 04 03 01 FD"), 1, false, 1.0f, "AM"},
      {"IcomModeCw", "Icom", Hex("FE FE 64 E0 04 FD FE FE E0 64 04 03 01 FD"), 0, true, 1.0f, "CW"},
      {"IcomModeFirstByte01", "Ten Tec Omni VI", Hex("FE FE E0 04 04 01 03 FD"), 0, true, 1.0f, "PH"},
      {"IcomModeThreeBytes", "Icom", Hex("FE FE E0 64 04 03 01 01 FD"), 0, false, 1.0f, "AM"},
      {"IcomCutAfterAddress", "Icom", Hex("FE FE E0"), 1, false, 1.0f, "AM"},
      {"Icom735FourBytes", "Icom 735", Hex("FE FE E0 04 03 00 00 25 14 FD"), 1, true, 14.25f, "AM"},
      {"IcomFourBytes", "Icom", Hex("FE FE E0 64 03 00 25 14 00 FD"), 1, false, 1.0f, "AM"},
      {"IcomSixBytes", "Icom", Hex("FE FE E0 64 03 00 00 25 14 00 00 FD"), 1, false, 1.0f, "AM"},
      {"IcomHexLetterDigits", "Icom", Hex("FE FE E0 64 03 00 0A 25 14 00 FD"), 1, false, 1.0f, "AM"},
      {"IcomFrameCutByAnother", "Icom", Hex("FE FE E0 64 03 00 00 FE FE E0 64 03 00 00 04 07 00 FD"), 1, true,
       7.04f, "AM"},
      {"Yaesu20mCw", "Yaesu", Hex("01 42 50 00 82"), 0, true, 14.25f, "CW"},
      {"Yaesu40mPhone", "Yaesu", Hex("00 70 40 00 00"), 0, true, 7.04f, "PH"},
      {"YaesuModeByteLetter", "Yaesu", Hex("01 42 50 00 0A"), 0, false, 1.0f, "AM"},
      {"YaesuHalfMegahertz", "Yaesu", Hex("00 05 00 00 01"), 0, true, 0.5f, "PH"},
      // Hamlib's FT-817 simulator answers its read command 03 with 01 40 74 00 03.
      {"YaesuFt817Answer", "Yaesu", Hex("01 40 74 00 03"), 0, true, 14.074f, "CW"},
      // The tail of a record that came late, then the head of the next: refused by length
      // only when the two do not make five bytes, hence the emptied input before a request.
      {"YaesuTailAndHead", "Yaesu", Hex("00 02 01 40 74 00"), 0, false, 1.0f, "AM"},
      {"YaesuFourBytes", "Yaesu", Hex("01 42 50 00"), 0, false, 1.0f, "AM"},
      {"YaesuSixBytes", "Yaesu", Hex("01 42 50 00 82 00"), 0, false, 1.0f, "AM"},
      {"YaesuFrequencyNotDecimal", "Yaesu", Hex("01 4A 50 00 82"), 0, false, 1.0f, "AM"},
      {"YaesuOtherMode", "Yaesu", Hex("01 42 50 00 10"), 0, true, 14.25f, "AM"},
      {"Yaesu920", "Yaesu 920", Record(28, "00 00 D9 70 10 00 00 01"), 0, true, 14.25f, "CW"},
      {"Yaesu920ModeOther", "Yaesu 920", Record(28, "00 00 D9 70 10 00 00 04"), 0, true, 14.25f, "PH"},
      {"Yaesu920ModeLetter", "Yaesu 920", Record(28, "00 00 D9 70 10 00 00 0A"), 0, false, 1.0f, "AM"},
      {"Yaesu920Short", "Yaesu 920", Hex("00 00 D9 70 10"), 0, false, 1.0f, "AM"},
      {"Yaesu890", "Yaesu 890", Record(19, "00 00 15 BE 68 00 00 02"), 0, true, 14.25f, "CW"},
      {"Yaesu890Mode8Unchanged", "Yaesu 890", Record(19, "00 00 15 BE 68 00 00 08"), 0, true, 14.25f, "AM"},
      {"Yaesu890PartialRecord", "Yaesu 890", Hex("00 00 15 BE 68 00 00 02"), 0, false, 1.0f, "AM"},
      {"Yaesu890RecordAndNoise", "Yaesu 890", Record(20, "00 00 15 BE 68 00 00 02"), 0, false, 1.0f, "AM"},
      {"Yaesu990", "Yaesu 990", Record(16, "00 15 BE 68 00 00 00 01"), 0, true, 14.25f, "PH"},
      {"Yaesu1000DBothVfos", "Yaesu 1000 D", Record(32, "00 0A BE 00 00 00 00 02"), 0, true, 7.04f, "CW"},
      {"Yaesu1000", "Yaesu 1000", Record(16, "00 01 5B E6 80 00 00 03"), 0, true, 14.25f, "PH"},
      {"Yaesu1000FourBytes", "Yaesu 1000", Hex("00 01 5B E6"), 0, false, 1.0f, "AM"},
      {"Yaesu757", "Yaesu 757 GX II", Record(75, "00 00 00 00 00 00 50 42 01 02"), 0, true, 14.25f, "CW"},
      {"Yaesu757Fm", "Yaesu 757 GX II", Record(75, "00 00 00 00 00 00 50 42 01 05"), 0, true, 14.25f, "FM"},
      {"Yaesu757PartialRecord", "Yaesu 757 GX II", Hex("00 00 00 00 00 00 50 42 01 02"), 0, false, 1.0f, "AM"},
      {"Yaesu757NotDecimal", "Yaesu 757 GX II", Record(75, "00 00 00 00 00 00 5A 42 01 02"), 0, false, 1.0f, "AM"},
      {"TenTecFrequency", "Ten Tec Fnt Pnl", Hex("41 00 D9 70 10 0D"), 1, true, 14.25f, "AM"},
      {"TenTecFourBytes", "Ten Tec Fnt Pnl", Hex("41 00 D9 70"), 1, false, 1.0f, "AM"},
      {"TenTecNoCarriageReturn", "Ten Tec Fnt Pnl", Hex("41 00 D9 70 10 00"), 1, false, 1.0f, "AM"},
      {"TenTecModeAnswerInFrequencyTurn", "Ten Tec Fnt Pnl", Hex("4D 33 33 0D 00 0D"), 1, false, 1.0f, "AM"},
      {"TenTecModeCw", "Ten Tec Fnt Pnl", Hex("4D 03 0D"), 0, true, 1.0f, "CW"},
      {"TenTecModePhone", "Ten Tec Fnt Pnl", Hex("4D 34 0D"), 0, true, 1.0f, "PH"},
      {"TenTecMainAndSubMode", "Ten Tec Fnt Pnl", Hex("4D 33 31 0D"), 0, true, 1.0f, "CW"},
      {"TenTecModeOther", "Ten Tec Fnt Pnl", Hex("4D 05 0D"), 0, false, 1.0f, "AM"},
      {"OtherParsesNothing", "Other", "FA00014250000;", 0, true, 1.0f, "AM"},
      // Zero hertz is no frequency in any family; a mode in the same reply still is a mode.
      {"KenwoodZeroFrequencyModeRead", "Kenwood", "FA00000000000;MD3;", 0, true, 1.0f, "CW"},
      {"KenwoodBlankPaddedZero", "Elecraft", "FA          0;", 0, false, 1.0f, "AM"},
      {"KenwoodZeroThenWhole", "Kenwood", "FA00000000000;FA00014250000;", 0, true, 14.25f, "AM"},
      {"Kenwood2ZeroRecord", "Kenwood 2", "IF00000000000" + std::string(24, '0') + ";", 0, false, 1.0f, "AM"},
      {"FTdx9000Zero", "Yaesu FTdx9000", "FA00000000;", 1, false, 1.0f, "AM"},
      {"OrionZero", "Ten Tec Orion", "@AF00000000\r@RMM3\r", 0, true, 1.0f, "CW"},
      {"OrionBlankPaddedZero", "Ten Tec Orion", "@AF       0\r", 0, false, 1.0f, "AM"},
      {"IcomZero", "Icom", Hex("FE FE E0 64 03 00 00 00 00 00 FD"), 1, false, 1.0f, "AM"},
      {"Icom735Zero", "Icom 735", Hex("FE FE E0 04 03 00 00 00 00 FD"), 1, false, 1.0f, "AM"},
      {"YaesuFiveZeroBytes", "Yaesu", Hex("00 00 00 00 00"), 0, false, 1.0f, "AM"},
      {"YaesuZeroFrequencyCw", "Yaesu", Hex("00 00 00 00 02"), 0, false, 1.0f, "AM"},
      {"YaesuTenHertz", "Yaesu", Hex("00 00 00 01 02"), 0, true, 0.00001f, "CW"},
      {"Yaesu757Zero", "Yaesu 757 GX II", Record(75, "00 00 00 00 00 00 00 00 00 02"), 0, false, 1.0f, "AM"},
      {"Yaesu890Zero", "Yaesu 890", Record(19, "00 00 00 00 00 00 00 02"), 0, false, 1.0f, "AM"},
      {"Yaesu920Zero", "Yaesu 920", Record(28, "00 00 00 00 00 00 00 01"), 0, false, 1.0f, "AM"},
      {"Yaesu990Zero", "Yaesu 990", Record(16, ""), 0, false, 1.0f, "AM"},
      {"Yaesu1000Zero", "Yaesu 1000", Record(32, ""), 0, false, 1.0f, "AM"},
      {"TenTecZero", "Ten Tec Fnt Pnl", Hex("41 00 00 00 00 0D"), 1, false, 1.0f, "AM"},
  };
}

INSTANTIATE_TEST_SUITE_P(Families, Replies, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(KenwoodFrequency, TakesItsKeyFromTheRequestAndNeedsThreeCharacters) {
  RigReading reading{1.0f, ""};
  EXPECT_TRUE(ParseKenwoodFrequency(IfReply('3', '0'), RigRequests{"IF;", ""}, reading));
  EXPECT_FLOAT_EQ(reading.frequency, 14.25f);
  EXPECT_FALSE(ParseKenwoodFrequency("IF00007000000;", RigRequests{"IF;", ""}, reading));  // not the whole record
  EXPECT_FALSE(ParseKenwoodFrequency("FA00007000000;", RigRequests{"FA", ""}, reading));
  EXPECT_FLOAT_EQ(reading.frequency, 14.25f);
}

// PEGASUS.OUT as its control program leaves it, and as a read finds it while the program
// rewrites it in place: only what stands before a line end is read.
TEST(PegasusOut, ANumberIsTakenOnlyWithItsLineEnd) {
  const struct {
    const char* text;
    bool taken;
    float frequency;  // the reading starts at 1.0 "AM"
    const char* mode;
  } cases[] = {
      {"21.03,\"USB\"\r\n", true, 21.03f, "PH"},
      {"14.025,\"CW\"\r\n", true, 14.025f, "CW"},
      {"7.04\r\nCW\r\n", true, 7.04f, "CW"},
      {"7.04,\"\"\r\n", true, 7.04f, ""},
      {"7.04\r", true, 7.04f, "AM"},
      {"21.03\r\n", true, 21.03f, "AM"},
      {"21.03\r\nC", true, 21.03f, "AM"},  // the mode's line not yet whole
      {"", false, 1.0f, "AM"},
      {"2", false, 1.0f, "AM"},
      {"21.03", false, 1.0f, "AM"},
      {"21.03,", false, 1.0f, "AM"},
      {"21.03,\"C", false, 1.0f, "AM"},
      {"21.03,\"CW\"", false, 1.0f, "AM"},
      {"0\r\n", false, 1.0f, "AM"},
      {"0,\"CW\"\r\n", false, 1.0f, "AM"},
      {"-7.04\r\n", false, 1.0f, "AM"},
      {"abc\r\n", false, 1.0f, "AM"},
  };
  for (const auto& c : cases) {
    RigReading reading{1.0f, "AM"};
    EXPECT_EQ(ParsePegasusOut(c.text, reading), c.taken) << c.text;
    EXPECT_FLOAT_EQ(reading.frequency, c.frequency) << c.text;
    EXPECT_EQ(reading.mode, c.mode) << c.text;
  }
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
