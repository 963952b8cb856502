// The in-state recount: sections, counties and at most one for DX, times the points, with the
// section grid's colours and the three multiplier lists.
#include <gtest/gtest.h>

#include "entry/score_format.h"
#include "mainwin/section_table.h"
#include "tests/instate_entry/infrm_fixture.h"

namespace ks::testing {
namespace {

class InStateScoreTest : public InfrmTest {
 protected:
  InStateScoreTest() { app().State<NumberSeparators>() = {true, ',', '.'}; }
  int WorkedGridLabels(Infrm& w) {
    int worked = 0;
    for (int i = 1; i <= kSectionRows; ++i) worked += w.Label10(i).ForeColor() == 0xFFu ? 1 : 0;
    return worked;
  }
};

TEST_F(InStateScoreTest, AnEmptyLogScoresNothing) {
  Infrm& w = OpenWith({});
  EXPECT_EQ(w.lblTotCon.Caption(), "0");
  EXPECT_EQ(w.lblSectogo.Caption(), "0");
  EXPECT_EQ(w.Label27.Caption(), "0.0");
  EXPECT_EQ(w.lblTotSec.Caption(), "0");
  EXPECT_EQ(w.lblTotScore.Caption(), "0.0");
  EXPECT_EQ(w.lblAQSO60.Caption(), "0");
  EXPECT_EQ(w.lblAQSO20.Caption(), "0");
  EXPECT_EQ(w.lblStation(5).Caption(), "DX - 0");
  EXPECT_EQ(w.lblStation(8).Caption(), "Cnty Wkd - 0");
  EXPECT_EQ(w.lblStation(7).Caption(), "Cnty Rem - 67");
  EXPECT_EQ(WorkedGridLabels(w), 0);
  EXPECT_EQ(w.Label1.Caption(), "001");
}

struct ScoreCase {
  const char* name;
  std::vector<LogRecord> log;
  int sections;
  const char* counties_worked;
  const char* dx;
  const char* multipliers;
  const char* score;
};

class InStateScoreTableTest : public InStateScoreTest, public ::testing::WithParamInterface<ScoreCase> {};

TEST_P(InStateScoreTableTest, RecountsTheMultipliers) {
  const ScoreCase& c = GetParam();
  Infrm& w = OpenWith(c.log);
  EXPECT_EQ(WorkedGridLabels(w), c.sections);
  EXPECT_EQ(app().State<InStateTallies>().MultWorkedCount, c.sections);
  EXPECT_EQ(w.lblStation(8).Caption(), c.counties_worked);
  EXPECT_EQ(w.lblStation(5).Caption(), c.dx);
  EXPECT_EQ(w.lblTotSec.Caption(), c.multipliers);
  EXPECT_EQ(w.lblTotScore.Caption(), c.score);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InStateScoreTableTest,
    ::testing::Values(
        ScoreCase{"SectionOnSeveralBandsOnce",
                  {InStateContact("W1AW", "CT"), InStateContact("W1AW", "ct", "", "40"), InStateContact("K1ABC", "CT", "", "20", "PH")},
                  1, "Cnty Wkd - 0", "DX - 0", "1", "5.0"},
        ScoreCase{"PaWithACountyIsACountyOnly", {InStateContact("K3XYZ", "PA", "York")}, 0, "Cnty Wkd - 1", "DX - 0", "1", "2.0"},
        ScoreCase{"EpaWithACountyIsBoth", {InStateContact("K3XYZ", "EPA", "Bucks")}, 1, "Cnty Wkd - 1", "DX - 0", "2", "4.0"},
        ScoreCase{"CountyOnceOverBandsAndModes",
                  {InStateContact("K3XYZ", "PA", "York"), InStateContact("K3XYZ", "PA", "york", "40", "PH")},
                  0, "Cnty Wkd - 1", "DX - 0", "1", "3.0"},
        ScoreCase{"ManyDXCountriesAddOne",
                  {InStateContact("DL1A", "Fed. Rep. of Germany"), InStateContact("JA1A", "Japan"), InStateContact("G3A", "England")},
                  0, "Cnty Wkd - 0", "DX - 3", "1", "6.0"},
        // Only a real country is DX, in the recount as after an entry.
        ScoreCase{"NorthAmericaAndNotFoundAreNoDX",
                  {InStateContact("VE3A", "Canada"), InStateContact("KH6A", "Hawaii"), InStateContact("QQ1A", "Not Found"),
                   InStateContact("W1AW", "USA")},
                  0, "Cnty Wkd - 0", "DX - 0", "0", "0.0"},
        ScoreCase{"EverythingTogether",
                  {InStateContact("W1AW", "CT"), InStateContact("K3A", "WPA", "Centre"), InStateContact("K3B", "PA", "Erie"),
                   InStateContact("DL1A", "Fed. Rep. of Germany")},
                  2, "Cnty Wkd - 2", "DX - 1", "5", "40.0"}),
    [](const ::testing::TestParamInfo<ScoreCase>& info) { return std::string(info.param.name); });

TEST_F(InStateScoreTest, CurrentModeCountsOnlyThatModesCounties) {
  Infrm& w = OpenWith({InStateContact("K3A", "PA", "York", "20", "PH"), InStateContact("K3B", "PA", "Erie", "20", "CW")});
  EXPECT_EQ(w.lblStation(8).Caption(), "Cnty Wkd - 2");
  w.Command1_Click();
  EXPECT_EQ(w.Command1.Caption(), "Crnt Mode");
  EXPECT_EQ(w.lblStation(8).Caption(), "Cnty Wkd - 1");
  ASSERT_EQ(w.List2.ListCount(), 1);
  EXPECT_EQ(w.List2.List(0), "Erie");
  EXPECT_EQ(w.lblStation(7).Caption(), "Cnty Rem - 66");
  settings().CurrentMode = "PH";
  w.ReloadLog();
  EXPECT_EQ(w.List2.List(0), "York");
  w.Command1_Click();
  EXPECT_EQ(w.lblStation(8).Caption(), "Cnty Wkd - 2");
}

TEST_F(InStateScoreTest, TheListsAreSortedAndACountyOutsideTheTableRemovesNothing) {
  Infrm& w = OpenWith({InStateContact("K3A", "PA", "York"), InStateContact("K3B", "PA", "Adams"),
                       InStateContact("K3C", "PA", "Atlantis"), InStateContact("JA1A", "Japan"),
                       InStateContact("DL1A", "Fed. Rep. of Germany")});
  EXPECT_EQ(w.List2.Items(), (std::vector<std::string>{"Adams", "Atlantis", "York"}));
  EXPECT_EQ(w.lblStation(7).Caption(), "Cnty Rem - 65");
  EXPECT_EQ(w.List1.Items(), (std::vector<std::string>{"Fed. Rep. of Germany", "Japan"}));
}

}  // namespace
}  // namespace ks::testing

namespace ks::testing {
namespace {

// The section grid: the mouse over a section shows its full name and its contacts on every
// band and mode, whatever the case the exchange was typed in; a click puts the section into
// the exchange box.
TEST_F(InStateScoreTest, TheSectionGridShowsItsCountsAndFillsTheExchangeBox) {
  settings().FormSizePercent = 50;
  Infrm& w = OpenWith({InStateContact("W1A", "CT"), InStateContact("W1B", "CT", "", "40", "PH"),
                       InStateContact("K2A", "NNY"), InStateContact("W1C", "ct")});
  int ct = 0;
  for (int i = 1; i <= kSectionRows; ++i)
    if (w.Label10(i).Caption() == "CT") ct = i;
  ASSERT_NE(ct, 0);
  EXPECT_TRUE(w.Label10(ct).MouseMoveBy(0));
  EXPECT_EQ(w.lblDupe.Caption(), "  Connecticut    Total = 3");
  EXPECT_FLOAT_EQ(w.lblDupe.FontSize(), 28800.0f * 8 / 9600 * 50 / 100) << "8 points a 9600-twip screen";

  w.txtCall.SetFocus();
  EXPECT_TRUE(w.Label10(ct).ClickBy());
  EXPECT_EQ(w.txtCntry.Text(), "CT");
  EXPECT_TRUE(w.txtCall.HasFocus()) << "the focus stays where it was";
}

}  // namespace
}  // namespace ks::testing
