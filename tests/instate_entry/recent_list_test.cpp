// The in-state recent-contacts list, Recall and the clicks on the multiplier lists.
#include <gtest/gtest.h>

#include "keying/keying_state.h"
#include "tests/instate_entry/infrm_fixture.h"

namespace ks::testing {
namespace {

class InStateListTest : public InfrmTest {};

TEST_F(InStateListTest, ARoverSeesTheCountySentColumn) {
  settings().Rover = 1;
  LogRecord r = InStateContact("K3XYZ", "PA", "York");
  r.LogCountySent = "Blair";
  Infrm& w = OpenWith({InStateContact("W1AW", "CT"), r});
  ASSERT_EQ(w.ListView1.ColumnCount(), 11);
  EXPECT_EQ(w.ListView1.Column(11).text, "County Sent");
  ASSERT_EQ(w.ListView1.ItemCount(), 2);
  const forms::ListItem& top = w.ListView1.Item(1);
  EXPECT_EQ(top.text, "2");
  EXPECT_EQ(top.sub_items, (std::vector<std::string>{"K3XYZ", "5", "PA", "York", "001", "10/12 15:00", "CW", "20", "2", "Blair"}));
  w.mnuCopyListtoClipboard.Click();
  const std::string copied = h.dialogs().ClipboardText();
  EXPECT_EQ(copied.substr(0, copied.find("\r\n")), "Rec#\tCall\tRec\tSPC\tCounty\tSnt\tDate/Time\tMo\tBnd\tPts\tCounty Sent");
}

TEST_F(InStateListTest, AStationThatIsNoRoverHasTenColumns) {
  Infrm& w = OpenWith({InStateContact("W1AW", "CT")});
  EXPECT_EQ(w.ListView1.ColumnCount(), 10);
  EXPECT_EQ(w.ListView1.Item(1).sub_items.size(), 9u);
  EXPECT_EQ(w.Label1.Caption(), "002");
}

TEST_F(InStateListTest, RecallPutsTheLastCallAndSerialBack) {
  LogRecord last = InStateContact("K3XYZ", "PA", "York");
  last.LogSerialReceived = "17";
  Infrm& w = OpenLoggedOn({InStateContact("W1AW", "CT"), last});
  w.mnuRecall.Click();
  EXPECT_EQ(w.txtCall.Text(), "K3XYZ");
  EXPECT_EQ(w.txtRSTR.Text(), "17");
  EXPECT_EQ(app().State<KeyingState>().MacroCall, "K3XYZ");
  // Leaving the call box filled the exchange and county from the earlier contact.
  EXPECT_EQ(w.txtCntry.Text(), "PA");
  EXPECT_EQ(w.txtSec.Text(), "York");
}

TEST_F(InStateListTest, RecallWithAnEmptyLogDoesNothing) {
  Infrm& w = OpenLoggedOn();
  w.mnuRecall.Click();
  EXPECT_EQ(w.txtCall.Text(), "");
  EXPECT_EQ(w.ActiveControl(), &w.txtCall);
}

TEST_F(InStateListTest, ClickingACountyFillsTheCountyAndThePartyState) {
  Infrm& w = OpenLoggedOn({InStateContact("K3XYZ", "PA", "York")});
  w.List3.SetListIndex(0);
  EXPECT_EQ(w.txtSec.Text(), w.List3.List(0));
  EXPECT_EQ(w.txtCntry.Text(), "PA");
  EXPECT_EQ(w.ActiveControl(), &w.txtSec);
  w.List2.SetListIndex(0);
  EXPECT_EQ(w.txtSec.Text(), "York");
}

TEST_F(InStateListTest, ClickingADXCountryFillsTheExchange) {
  Infrm& w = OpenLoggedOn({InStateContact("JA1A", "Japan")});
  w.List1.SetListIndex(0);
  EXPECT_EQ(w.txtCntry.Text(), "Japan");
  EXPECT_EQ(w.ActiveControl(), &w.txtCntry);
}

TEST_F(InStateListTest, TheOwnCountyMacroFollowsTheLabel) {
  Infrm& w = OpenWith({});
  EXPECT_EQ(app().State<KeyingState>().MacroCounty, "CENTRE");
  w.Label25.SetCaption("Blair");
  EXPECT_EQ(app().State<KeyingState>().MacroCounty, "BLAIR");
}

}  // namespace
}  // namespace ks::testing
