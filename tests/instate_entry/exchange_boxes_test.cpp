// The in-state window's look-up while a call is typed, and its exchange and county boxes, as
// an operator types into them.
#include <gtest/gtest.h>

#include "entry/bearing_distance.h"
#include "tests/instate_entry/infrm_fixture.h"

namespace ks::testing {
namespace {

class InStateLookupTest : public InfrmTest {};

TEST_F(InStateLookupTest, AGermanCallShowsCountryContinentBearingAndDistance) {
  Infrm& w = OpenLoggedOn();
  w.TypeText("DL1ABC");
  EXPECT_EQ(w.txtCntry.Text(), "Fed. Rep. of Germany");
  EXPECT_EQ(w.Label19.Caption(), "EU");
  // DL's place in the table: 51 N, 10 E.
  const BearingDistance expected = ComputeBearingDistance(40.79f, 77.86f, 51.0f, -10.0f);
  EXPECT_EQ(w.Label22.Caption(), BearingText(expected));
  EXPECT_EQ(w.Label23.Caption(), DistanceText(expected));
  EXPECT_EQ(w.Label22.Caption(), "48 ");
  EXPECT_EQ(w.Label23.Caption(), "4,025 ");
  EXPECT_TRUE(w.Label3.Visible()) << "a DX country not worked yet is new";
}

TEST_F(InStateLookupTest, AUsaCallLeavesTheExchangeToTheOperator) {
  Infrm& w = OpenLoggedOn();
  w.TypeText("W1AW");
  EXPECT_EQ(w.txtCntry.Text(), "");
  EXPECT_EQ(w.Label19.Caption(), "NA");
  EXPECT_EQ(w.Label22.Caption(), "");
  EXPECT_EQ(w.Label23.Caption(), "");
}

TEST_F(InStateLookupTest, AlaskaIsProposedAsItsStateCode) {
  Infrm& w = OpenLoggedOn();
  w.TypeText("KL7AB");
  EXPECT_EQ(w.txtCntry.Text(), "AK");
  EXPECT_EQ(w.Label19.Caption(), "NA");
  EXPECT_FALSE(w.Label3.Visible());
}

TEST_F(InStateLookupTest, AnUnknownPrefixSaysNotFoundAndEmptiesThePlace) {
  Infrm& w = OpenLoggedOn();
  w.TypeText("DL");
  EXPECT_EQ(w.Label19.Caption(), "EU");
  w.txtCall.SetText("QQ1A");
  EXPECT_EQ(w.txtCntry.Text(), "Not Found");
  EXPECT_EQ(w.Label19.Caption(), "");
  EXPECT_EQ(w.Label22.Caption(), "");
  w.txtCall.SetText("");
  EXPECT_EQ(w.txtCntry.Text(), "Not Found");
  EXPECT_FALSE(w.Label3.Visible());
}

class ExchangeBoxTest : public InfrmTest {};

TEST_F(ExchangeBoxTest, ProposesThePartyStateAndCapitalisesAbbreviations) {
  Infrm& w = OpenLoggedOn();
  w.txtCntry.SetFocus();
  EXPECT_EQ(w.txtCntry.Text(), "PA");
  EXPECT_EQ(w.txtCntry.SelLength(), 2);
  EXPECT_TRUE(w.lblStation(4).Enabled());
  w.TypeText("o");
  EXPECT_EQ(w.txtCntry.Text(), "O");
  w.TypeText("h");
  EXPECT_EQ(w.txtCntry.Text(), "OH");
  EXPECT_FALSE(w.lblStation(4).Enabled());
  // Space moves on; the county box passes a station outside the state on to the points.
  w.TypeText(" ");
  EXPECT_EQ(w.txtCntry.Text(), "OH");
  EXPECT_EQ(w.ActiveControl(), &w.txtPts);
}

TEST_F(ExchangeBoxTest, PartyStateKeepsTheCountyBox) {
  Infrm& w = OpenLoggedOn();
  w.txtCntry.SetFocus();
  w.TypeText(" ");
  EXPECT_EQ(w.ActiveControl(), &w.txtSec);
  EXPECT_TRUE(w.lblStation(4).Enabled());
}

TEST_F(ExchangeBoxTest, CompletesCountriesFromTheEndOfTheTable) {
  Infrm& w = OpenLoggedOn();
  w.txtCntry.SetFocus();
  w.TypeText("sou");
  EXPECT_EQ(w.txtCntry.Text(), "SOU");
  w.TypeText("t");
  EXPECT_EQ(w.txtCntry.Text(), "South Africa");
  EXPECT_EQ(w.txtCntry.SelStart(), 4);
  EXPECT_EQ(w.txtCntry.SelText(), "h Africa");
  EXPECT_EQ(w.Label19.Caption(), "AF");
  EXPECT_FALSE(w.Label22.Caption().empty());
  // A blank inside a name continues the completion.
  w.TypeText("h C");
  EXPECT_EQ(w.txtCntry.Text(), "South Cook Islands");
  EXPECT_EQ(w.Label19.Caption(), "OC");
  EXPECT_EQ(w.ActiveControl(), &w.txtCntry);
  EXPECT_TRUE(w.Label3.Visible());
}

TEST_F(ExchangeBoxTest, ABlankThatContinuesNoNameMovesToTheCounty) {
  Infrm& w = OpenLoggedOn();
  w.txtCntry.SetFocus();
  w.TypeText("japan");
  EXPECT_EQ(w.txtCntry.Text(), "Japan");
  w.txtCntry.SetSelStart(5);
  w.TypeText(" ");
  EXPECT_EQ(w.txtCntry.Text(), "Japan");
  EXPECT_EQ(w.ActiveControl(), &w.txtPts);
}

TEST_F(ExchangeBoxTest, NewIsHiddenForWorkedAndNorthAmericanCountries) {
  Infrm& w = OpenWith({InStateContact("JA1ABC", "Japan")});
  w.List1.AddItem("Japan");
  struct Case {
    const char* exchange;
    bool shown;
  };
  for (const Case& c : {Case{"Japan", false}, Case{"JAPAN", false}, Case{"Canada", false}, Case{"Hawaii", false},
                        Case{"Not Found", false}, Case{"USA", false}, Case{"Switzerland", true}, Case{"OH", false}}) {
    w.txtCntry.SetText(c.exchange);
    EXPECT_EQ(w.Label3.Visible(), c.shown) << c.exchange;
  }
}

class CountyBoxTest : public InfrmTest {};

TEST_F(CountyBoxTest, CompletesFromTheLastMatchingCountyAndSpaceAccepts) {
  Infrm& w = OpenLoggedOn();
  w.txtCntry.SetFocus();
  w.TypeText(" ");
  ASSERT_EQ(w.ActiveControl(), &w.txtSec);
  w.TypeText("c");
  EXPECT_EQ(w.txtSec.Text(), "Cumberland");
  EXPECT_EQ(w.txtSec.SelText(), "umberland");
  w.TypeText("e");
  EXPECT_EQ(w.txtSec.Text(), "Centre");
  w.TypeText(" ");
  EXPECT_EQ(w.txtSec.Text(), "Centre");
  EXPECT_EQ(w.ActiveControl(), &w.txtPts);
}

TEST_F(CountyBoxTest, AnEpaOrWpaExchangeTakesACountyToo) {
  Infrm& w = OpenLoggedOn();
  w.txtCntry.SetFocus();
  w.TypeText("wpa ");
  EXPECT_EQ(w.txtCntry.Text(), "WPA");
  EXPECT_EQ(w.ActiveControl(), &w.txtSec);
  w.TypeText("al");
  EXPECT_EQ(w.txtSec.Text(), "Allegheny");
}

}  // namespace
}  // namespace ks::testing
