// Lines out of received text, the repeat filter and the limit of the shown text.
#include <gtest/gtest.h>

#include <vector>

#include "spots/line_intake.h"

namespace ks {
namespace {

std::vector<std::string> Drain(LineAssembler& lines) {
  std::vector<std::string> out;
  while (auto line = lines.NextLine()) out.push_back(*line);
  return out;
}

TEST(LineAssemblerTest, LinesSplitAtEveryPointComeOutWhole) {
  const std::string text = "DX de A:  14025.0  K1ABC\r\nhello\r\nDX de B:   7010.0  W2XYZ\r\n";
  for (std::size_t cut = 0; cut <= text.size(); ++cut) {
    LineAssembler lines;
    lines.Append(text.substr(0, cut));
    auto got = Drain(lines);
    lines.Append(text.substr(cut));
    for (auto& l : Drain(lines)) got.push_back(l);
    ASSERT_EQ(got.size(), 3u) << "cut at " << cut;
    EXPECT_EQ(got[0], "DX de A:  14025.0  K1ABC\r\n");
    EXPECT_EQ(got[2], "DX de B:   7010.0  W2XYZ\r\n");
  }
}

TEST(LineAssemblerTest, TextWithoutALineFeedWaits) {
  LineAssembler lines;
  lines.Append("DX de A: 14025.0 K1ABC\r");
  EXPECT_FALSE(lines.NextLine());
  lines.Append("\n");
  EXPECT_EQ(lines.NextLine(), "DX de A: 14025.0 K1ABC\r\n");
}

TEST(LineAssemblerTest, ASourceThatNeverEndsALineCannotGrowThePendingText) {
  LineAssembler lines;
  for (int i = 0; i < 1000; ++i) lines.Append(std::string(1000, 'x'));
  EXPECT_LE(lines.Pending().size(), LineAssembler::kDefaultMaxPending);
  lines.Append("tail\n");
  const auto line = lines.NextLine();
  ASSERT_TRUE(line);
  EXPECT_LE(line->size(), LineAssembler::kDefaultMaxPending + 5);
  EXPECT_EQ(line->substr(line->size() - 5), "tail\n");
}

TEST(LineAssemblerTest, CompleteLinesBeforeALongTailAreKept) {
  LineAssembler lines;
  lines.Append("first\n" + std::string(50000, 'y'));
  EXPECT_EQ(lines.NextLine(), "first\n");
  EXPECT_LE(lines.Pending().size(), LineAssembler::kDefaultMaxPending);
}

TEST(LineAssemblerTest, ASpotAfterAPromptBeginsALineOfItsOwn) {
  const std::string prompt = "K3ZZZ de NODE 11-Dec-2026 0230Z dxspider >";
  const std::string a = "DX de W3LPL:   14025.0  K1ABC        CQ                 0231Z\r\n";
  const std::string b = "DX de K1TTT:    7010.5  VP9XY        599                0232Z\r\n";
  struct Case {
    std::string waiting;  // text that arrived earlier without a line end
    std::string block;    // the next block
    std::string shown;    // the block as it went into the lines
    std::vector<std::string> lines;
  };
  const std::vector<Case> cases = {
      {"login: ", a, "\r\n" + a, {"login: \r\n", a}},
      {prompt, "dx de A:   7010.0  W2XYZ\r\n", "\r\ndx de A:   7010.0  W2XYZ\r\n",
       {prompt + "\r\n", "dx de A:   7010.0  W2XYZ\r\n"}},
      // Prompt and spot in one read, also after other lines and twice in a row.
      {"", prompt + a, prompt + "\r\n" + a, {prompt + "\r\n", a}},
      {"", "Hello W1AW\r\nlogin: " + a + prompt + b, "Hello W1AW\r\nlogin: \r\n" + a + prompt + "\r\n" + b,
       {"Hello W1AW\r\n", "login: \r\n", a, prompt + "\r\n", b}},
      // The prompt's end and the spot in one read, or the spot's start cut off after the prompt.
      {prompt.substr(0, 20), prompt.substr(20) + a, prompt.substr(20) + "\r\n" + a, {prompt + "\r\n", a}},
      {prompt + "DX d", a.substr(4), a.substr(4), {prompt + "\r\n", a}},
      // The start of a spot waits for its rest, even when the rest begins with "DX"; a spot line
      // that names another spotter is not cut.
      {"DX de A:  14025.0  K1ABC  big ", "DXpedition\r\n", "DXpedition\r\n", {"DX de A:  14025.0  K1ABC  big DXpedition\r\n"}},
      {"DX de A:  14025.0  K1ABC  QRZ ", "DX de B\r\n", "DX de B\r\n", {"DX de A:  14025.0  K1ABC  QRZ DX de B\r\n"}},
      {"", "DX de A:  14025.0  K1ABC  via DX de W1AW\r\n", "DX de A:  14025.0  K1ABC  via DX de W1AW\r\n",
       {"DX de A:  14025.0  K1ABC  via DX de W1AW\r\n"}},
      {"hello ", "world\r\n", "world\r\n", {"hello world\r\n"}},
      {"", a, a, {a}},
  };
  for (const Case& c : cases) {
    LineAssembler lines;
    EXPECT_EQ(lines.AppendBlock(c.waiting), c.waiting);
    EXPECT_TRUE(Drain(lines).empty()) << c.waiting;
    EXPECT_EQ(lines.AppendBlock(c.block), c.shown) << c.waiting << "|" << c.block;
    EXPECT_EQ(Drain(lines), c.lines) << c.waiting << "|" << c.block;
    EXPECT_EQ(lines.Pending(), "") << c.waiting << "|" << c.block;
  }
}

TEST(RepeatFilterTest, ALineWithinTheLast801CharactersIsARepeat) {
  const std::string line = "DX de A: 14025.0 K1ABC\r\n";
  EXPECT_TRUE(IsRecentRepeat(line, "xx" + line + "yy"));
  EXPECT_TRUE(IsRecentRepeat("dx DE a: 14025.0 k1abc\r\n", line));  // case is ignored
  EXPECT_TRUE(IsRecentRepeat("ABC\r\n", "some XABC\r\n"));          // also as the end of a longer line
  const std::string shown = line + std::string(801 - line.size(), '-');
  EXPECT_TRUE(IsRecentRepeat(line, shown));          // just inside
  EXPECT_FALSE(IsRecentRepeat(line, shown + "-"));   // one character further back
  EXPECT_FALSE(IsRecentRepeat(line, ""));
}

TEST(ShownTextTest, PassingTenThousandCutsToTheLastNineThousand) {
  std::string exact(10000, 'a');
  EXPECT_FALSE(TrimShownText(exact));
  EXPECT_EQ(exact.size(), 10000u);
  std::string over = std::string(1, 'b') + std::string(10000, 'a');
  EXPECT_TRUE(TrimShownText(over));
  EXPECT_EQ(over, std::string(9000, 'a'));
}

}  // namespace
}  // namespace ks
