// Cutting spot lines and the spot-list cells.
#include <gtest/gtest.h>

#include <vector>

#include "spots/spot_line.h"
#include "tests/spots/spot_lines.h"

namespace ks {
namespace {

using testing::ClusterSpot;

TEST(SpotLineTest, FrequencyAndCallComeFromTheirColumns) {
  const std::string line = ClusterSpot("W3LPL", "14025.0", "K1ABC") + "\r\n";
  ASSERT_TRUE(IsSpotLine(line));
  const auto fields = CutSpotFields(line);
  EXPECT_EQ(fields.frequency, "14025.0");
  EXPECT_EQ(fields.call, "K1ABC");
}

// The call is what typing it into the call box gives: one word in capitals, whatever else the
// columns carry.
TEST(SpotLineTest, TheCallIsOneWordAsTheCallBoxTakesItTyped) {
  const std::string head = "DX de K1TTT:   14025.0    ";  // the call from column 27
  struct Case {
    std::string columns;
    std::string call;
  };
  for (const Case& c : std::vector<Case>{{"W1AW/P       CQ", "W1AW/P"},
                                         {"k1abc", "K1ABC"},
                                         {"W1AW\r\nDX de N", "W1AW"},
                                         {"\tW1AW\t", "W1AW"},
                                         {"W1AW CQ DX", "W1AW"},
                                         {"W1\"AW", "W1AW"},
                                         {std::string("K1\0ZZ", 5), "K1"},
                                         {"\x7f", ""}}) {
    SCOPED_TRACE(c.columns);
    EXPECT_EQ(CutSpotFields(head + c.columns).call, c.call);
  }
}

TEST(SpotLineTest, OnlyLinesThatBeginWithDXInAnyCaseAreSpots) {
  EXPECT_TRUE(IsSpotLine("dx de N1MM: ..."));
  EXPECT_TRUE(IsSpotLine("Dx"));
  EXPECT_FALSE(IsSpotLine(" DX de"));
  EXPECT_FALSE(IsSpotLine("D"));
  EXPECT_FALSE(IsSpotLine(""));
}

TEST(SpotLineTest, ShortOrOddLinesGiveEmptyFieldsAndNeverReadPastTheEnd) {
  for (const std::string& line : std::vector<std::string>{"DX", "DX de K1", std::string("DX\0\0\0\xff", 6), std::string(20, 'D')}) {
    const auto fields = CutSpotFields(line);
    EXPECT_LE(fields.frequency.size(), 9u);
    EXPECT_LE(fields.call.size(), 13u);
  }
  EXPECT_EQ(CutSpotFields("DX de K1").call, "");
  EXPECT_EQ(SpotRecordText("DX"), "");
}

TEST(SpotLineTest, ListCellsOfARealSpot) {
  const std::string line = ClusterSpot("W3LPL", "14025.0", "K1ABC", "CW 599 up 2") + "\r\n";
  const std::string record = SpotRecordText(line);
  const auto cells = CutSpotListCells(RecordBeforeReturn(record));
  EXPECT_EQ(cells.comments, "de W3LPL:  CW 599 up 2");
  EXPECT_EQ(cells.time, "1902");
  EXPECT_EQ(cells.from, "FN20");
}

TEST(SpotLineTest, AShortRecordGivesEmptyCells) {
  const auto cells = CutSpotListCells("de K1:  14025.0  W2XYZ");
  EXPECT_EQ(cells.comments, "de K1:  140  ");
  EXPECT_EQ(cells.prefix, "");
  EXPECT_EQ(cells.time, "");
  EXPECT_EQ(cells.from, "");
}

TEST(SpotLineTest, NothingAfterACarriageReturnReachesACell) {
  EXPECT_EQ(RecordBeforeReturn("abc\rdef\r"), "abc");
  EXPECT_EQ(RecordBeforeReturn("abc"), "abc");
}

TEST(SpotLineTest, FrequencyTextIsTheShortestForm) {
  EXPECT_EQ(SpotFrequencyText(14025.0 / 1000), "14.025");
  EXPECT_EQ(SpotFrequencyText(14025.5 / 1000), "14.0255");
  EXPECT_EQ(SpotFrequencyText(50125.0 / 1000), "50.125");
}

}  // namespace
}  // namespace ks
