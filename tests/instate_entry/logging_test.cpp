// Logging in-state contacts key by key: the hand-offs, the checks and their messages, the
// duplicate keys with the own county, the stored line, the score and the rover's county line.
#include <gtest/gtest.h>

#include "entry/score_format.h"
#include "station/windows/frmCountyChangeRover.h"
#include "tests/instate_entry/infrm_fixture.h"

namespace ks::testing {
namespace {

class InStateLoggingTest : public InfrmTest {
 protected:
  InStateLoggingTest() { app().State<NumberSeparators>() = {true, ',', '.'}; }
  void Enter(Infrm& w) { w.TypeText("\r"); }
  const LogRecord& Record(long n) { return store().Records[static_cast<std::size_t>(n)]; }
  // Fills the line as given and runs Mains.
  void Fill(Infrm& w, const char* call, const char* serial, const char* exchange, const char* county,
            const char* points = "2") {
    w.txtCall.SetText(call);
    w.txtRSTR.SetText(serial);
    w.txtCntry.SetText(exchange);
    w.txtSec.SetText(county);
    w.txtPts.SetText(points);
    w.Mains();
  }
};

TEST_F(InStateLoggingTest, ASectionContactTypedByKeyboardIsStoredInTheLogLayout) {
  Infrm& w = OpenLoggedOn();
  w.TypeText("w1aw5");  // the digit after a complete call starts the serial
  EXPECT_EQ(w.txtCall.Text(), "W1AW");
  EXPECT_EQ(w.txtRSTR.Text(), "5");
  EXPECT_EQ(w.ActiveControl(), &w.txtRSTR);
  w.TypeText(" ");
  EXPECT_EQ(w.txtCntry.Text(), "PA");
  w.TypeText("ct ");
  EXPECT_EQ(w.ActiveControl(), &w.txtPts);
  EXPECT_EQ(w.txtPts.Text(), "2");
  Enter(w);
  ASSERT_EQ(store().QSOCount, 1);
  EXPECT_EQ(LogFile(), "\"W1AW\",\"\",\"\",\"CT\",\"\",\"\",\"Centre\",\"\",\"\",\"\",\"001\",\"2013/10/12\",\"15:30:00\","
                       "\"CW\",\"20\",2,\"\",\"\",\"5\",\"\"\r\n");
  EXPECT_EQ(w.txtCall.Text(), "");
  EXPECT_EQ(w.ActiveControl(), &w.txtCall);
  EXPECT_EQ(w.Label1.Caption(), "002");
  EXPECT_EQ(w.lblTotSec.Caption(), "1");
  EXPECT_EQ(w.lblTotScore.Caption(), "2.0");
}

TEST_F(InStateLoggingTest, APennsylvaniaContactTakesItsCounty) {
  Infrm& w = OpenLoggedOn();
  w.TypeText("n3xyz7  ce ");
  EXPECT_EQ(w.txtSec.Text(), "Centre");
  Enter(w);
  ASSERT_EQ(store().QSOCount, 1);
  EXPECT_EQ(Record(1).LogSPC, "PA");
  EXPECT_EQ(Record(1).LogCounty, "Centre");
  EXPECT_EQ(w.lblStation(8).Caption(), "Cnty Wkd - 1");
  EXPECT_EQ(w.lblTotSec.Caption(), "1");
}

TEST_F(InStateLoggingTest, ADXContactTakesItsCountryFromTheCall) {
  Infrm& w = OpenLoggedOn();
  w.TypeText("dl1abc9 ");
  EXPECT_EQ(w.txtCntry.Text(), "Fed. Rep. of Germany");
  w.TypeText(" ");
  EXPECT_EQ(w.ActiveControl(), &w.txtPts);
  Enter(w);
  ASSERT_EQ(store().QSOCount, 1);
  EXPECT_EQ(Record(1).LogSPC, "Fed. Rep. of Germany");
  EXPECT_EQ(w.lblStation(5).Caption(), "DX - 1");
  EXPECT_EQ(w.lblTotSec.Caption(), "1");
}

TEST_F(InStateLoggingTest, ALetterInTheSerialBoxStartsTheExchange) {
  Infrm& w = OpenLoggedOn();
  w.TypeText("w1aw12o");
  EXPECT_EQ(w.txtRSTR.Text(), "12");
  EXPECT_EQ(w.txtCntry.Text(), "O");
  EXPECT_EQ(w.ActiveControl(), &w.txtCntry);
  w.TypeText("h");
  EXPECT_EQ(w.txtCntry.Text(), "OH");
}

TEST_F(InStateLoggingTest, RefusalsNameTheFaultAndTakeTheFocus) {
  struct Case {
    const char* call;
    const char* serial;
    const char* exchange;
    const char* county;
    const char* message;
    forms::TextBox Infrm::*focus;
  };
  const Case cases[] = {
      {"W3AAA", "1", "PA", "", "Need County!", &Infrm::txtSec},
      {"W3AAA", "", "CT", "", "Need Serial!", &Infrm::txtRSTR},
      {"W3", "1", "CT", "", "Need Call Sign!", &Infrm::txtCall},
      {"W3AAA", "1", "XYZ", "", "Invalid Section!", &Infrm::txtCntry},
      // "Need Country!" is written, then the section check of the empty exchange.
      {"W3AAA", "1", "", "", "Invalid Section!", &Infrm::txtCntry},
      {"W3AAA", "1", "PA", "Gotham", "Gotham is not a valid county!", &Infrm::txtSec},
  };
  Infrm& w = OpenLoggedOn();
  for (const Case& c : cases) {
    const int beeps = h.dialogs().beeps;
    Fill(w, c.call, c.serial, c.exchange, c.county);
    EXPECT_EQ(w.lblDialog.Caption(), c.message) << c.call << " " << c.exchange;
    EXPECT_EQ(w.ActiveControl(), &(w.*c.focus)) << c.message;
    EXPECT_GT(h.dialogs().beeps, beeps);
    EXPECT_EQ(store().QSOCount, 0);
  }
}

TEST_F(InStateLoggingTest, AnAbbreviatedCountyIsStoredByItsName) {
  Infrm& w = OpenLoggedOn();
  Fill(w, "K3AAA", "3", "EPA", "nha");
  ASSERT_EQ(store().QSOCount, 1);
  EXPECT_EQ(Record(1).LogCounty, "Northampton");
  Fill(w, "K3BBB", "4", "OH", "Chester");
  EXPECT_EQ(Record(2).LogCounty, "") << "a station outside the state has no county";
}

TEST_F(InStateLoggingTest, TheSameContactFromTheSameOwnCountyIsADuplicate) {
  Infrm& w = OpenLoggedOn({InStateContact("W1AW", "CT"), InStateContact("K3XYZ", "PA", "York")});
  // Leaving the call box of a section station already runs the final check.
  w.txtCall.SetText("W1AW");
  w.txtRSTR.SetFocus();
  EXPECT_EQ(w.lblDialog.Caption(), "Duplicate W1AW 10/12 15:00:00  Rec#\xA0\xA0" "1");
  EXPECT_EQ(w.lblDialog.BackColor(), 255u);
  EXPECT_EQ(w.txtCall.Text(), "");
  EXPECT_EQ(w.ActiveControl(), &w.txtCall);
  EXPECT_NE(keyer->Joined().find("BlindKeyPhone Dupe"), std::string::npos);
  EXPECT_EQ(entry().DupeFlag, 1);
  // The next key in the call box waits out the 3 seconds first.
  const std::int64_t before = h.clock().TickMs();
  w.TypeText("k");
  EXPECT_GE(h.clock().TickMs() - before, 2000);
  EXPECT_LE(h.clock().TickMs() - before, 3050);
  EXPECT_EQ(entry().DupeFlag, 0);
  EXPECT_EQ(w.txtCall.Text(), "K");
  // A Pennsylvania station in the same county is refused on Enter.
  w.txtCall.SetText("");
  Fill(w, "K3XYZ", "9", "PA", "York");
  EXPECT_EQ(w.lblDialog.Caption(), "Duplicate K3XYZ 10/12 15:00:00  Rec#\xA0\xA0" "2");
  EXPECT_EQ(store().QSOCount, 2);
}

// A time server that sets the clock back, or on, during the hold neither stretches nor cuts
// it: it ends within its 3 seconds of the duplicate.
TEST_F(InStateLoggingTest, TheHoldAfterADuplicateKeepsItsSecondsWhenTheClockIsSet) {
  Infrm& w = OpenLoggedOn({InStateContact("W1AW", "CT")});
  for (const std::int64_t step_ms : {-60000, 60000}) {
    h.clock().StepTimeOfDayAt(h.clock().TickMs() + 500, step_ms);
    const std::int64_t before = h.clock().TickMs();
    w.TypeText("w1aw ");  // refused as Space leaves the call box
    EXPECT_GE(h.clock().TickMs() - before, 2000) << step_ms;
    EXPECT_LE(h.clock().TickMs() - before, 3000) << step_ms;
    EXPECT_EQ(entry().DupeFlag, 0);
    EXPECT_EQ(w.ActiveControl(), &w.txtCall);
  }
}

TEST_F(InStateLoggingTest, ACountyLineStationInAnotherCountyIsWarnedThenStored) {
  Infrm& w = OpenLoggedOn({InStateContact("K3XYZ", "PA", "York")});
  w.txtCall.SetText("K3XYZ");
  w.txtRSTR.SetFocus();
  EXPECT_EQ(w.lblDialog.Caption(), "Dupe if not rover!  K3XYZ  10/12  15:00:00   Rec#\xA0\xA0" "1");
  EXPECT_EQ(w.txtSec.Text(), "York");
  EXPECT_EQ(w.txtCntry.Text(), "PA");
  Fill(w, "K3XYZ", "5", "PA", "Adams");
  EXPECT_EQ(store().QSOCount, 2);
}

TEST_F(InStateLoggingTest, AnotherOwnCountyIsNoDuplicate) {
  Infrm& w = OpenLoggedOn({InStateContact("W1AW", "CT")});
  settings().OwnCounty = "Blair";
  w.txtCall.SetText("W1AW");
  w.txtRSTR.SetFocus();
  EXPECT_EQ(w.lblDialog.Caption().find("Dup"), std::string::npos);
  Fill(w, "W1AW", "5", "CT", "");
  ASSERT_EQ(store().QSOCount, 2);
  EXPECT_EQ(Record(2).LogCountySent, "Blair");
}

TEST_F(InStateLoggingTest, ThePartialListShowsCallsOfThisBandModeAndOwnCounty) {
  LogRecord other_county = InStateContact("W3ZZZ", "CT");
  other_county.LogCountySent = "Blair";
  Infrm& w = OpenLoggedOn({InStateContact("W3ABC", "CT"), InStateContact("W3XYZ", "CT"),
                           InStateContact("W3QQQ", "CT", "", "40"), other_county});
  w.TypeText("w3");
  EXPECT_EQ(w.lblDupe.Caption(), "W3XYZ W3ABC ");
  w.TypeText("x");
  EXPECT_EQ(w.lblDupe.Caption(), "W3XYZ ");
  EXPECT_EQ(w.lblDialog.Caption(), " ");
  w.TypeText("y");
  EXPECT_EQ(w.lblDialog.Caption(), "Possible Duplicate!");
}

TEST_F(InStateLoggingTest, NotLoggedOnEveryKeyAsksForTimeOnAndEnterLogsOn) {
  Infrm& w = OpenWith({});
  w.Show();
  w.txtCall.SetFocus();
  w.TypeText("w");
  EXPECT_EQ(w.lblDialog.Caption(), "Click Log \"Time On\"!");
  w.txtCall.SetText("W1AW");
  w.txtRSTR.SetText("5");
  w.txtCntry.SetText("CT");
  w.Mains();
  EXPECT_TRUE(app().State<RunState>().LoggedOn);
  EXPECT_EQ(store().QSOCount, 1);
}

TEST_F(InStateLoggingTest, TheScoreTypedEqualsTheScoreReloadedAndABandChangeKeepsIt) {
  Infrm& w = OpenLoggedOn();
  Fill(w, "W1AW", "1", "CT", "");
  Fill(w, "K3AAA", "2", "WPA", "Centre");
  Fill(w, "DL1AA", "3", "Fed. Rep. of Germany", "");
  Fill(w, "JA1AA", "4", "Japan", "");
  Fill(w, "VE3AA", "5", "ON", "");
  ASSERT_EQ(store().QSOCount, 5);
  const std::string typed = w.lblTotScore.Caption();
  EXPECT_EQ(w.lblTotSec.Caption(), "5");  // CT, WPA, ON, Centre, DX
  EXPECT_EQ(typed, "50.0");
  w.mnuBand40Ch.Click();
  EXPECT_EQ(w.lblTotScore.Caption(), typed);
  EXPECT_EQ(w.lblStation(5).Caption(), "DX - 2");
}

TEST_F(InStateLoggingTest, ARoverOnACountyLineLogsOnceForEachCounty) {
  settings().Rover = 1;
  settings().OwnCounty = "Adams";
  Infrm& w = OpenLoggedOn();
  frmCountyChangeRover& rover = app().Get<frmCountyChangeRover>();
  for (const char* county : {"Centre", "Adams", "Blair"}) rover.List1.AddItem(county);
  Fill(w, "W1AW", "5", "CT", "");
  ASSERT_EQ(store().QSOCount, 3);
  const char* own[] = {"Adams", "Blair", "Centre"};
  for (long i = 1; i <= 3; ++i) {
    EXPECT_EQ(Record(i).LogCall, "W1AW");
    EXPECT_EQ(Record(i).LogSPC, "CT");
    EXPECT_EQ(Record(i).LogCountySent, own[i - 1]);
    EXPECT_EQ(Record(i).LogPoints, i == 1 ? 2 : 0);
    EXPECT_EQ(Record(i).LogSerialSent, "001");
    EXPECT_EQ(Record(i).LogSerialReceived, "5");
  }
  EXPECT_EQ(settings().OwnCounty, "Adams");
  EXPECT_EQ(w.Label25.Caption(), "Adams");
  // A DX station, with the serial incremented for each county.
  rover.Check1.SetValue(1);
  Fill(w, "DL1AA", "6", "Fed. Rep. of Germany", "");
  ASSERT_EQ(store().QSOCount, 6);
  EXPECT_EQ(Record(4).LogSerialSent, "002");
  EXPECT_EQ(Record(5).LogSerialSent, "003");
  EXPECT_EQ(Record(6).LogSerialSent, "004");
  EXPECT_EQ(Record(6).LogCountySent, "Centre");
  // The same contact again is a duplicate from the first county, and nothing more is logged.
  Fill(w, "W1AW", "5", "CT", "");
  EXPECT_EQ(store().QSOCount, 6);
  EXPECT_EQ(settings().OwnCounty, "Adams");
}

// A county line where the contact was already logged from the second county: that repeat
// is refused, the line ends there whatever the exchange, and the next contact takes the next
// sent serial, never the serial the refused repeat carried.
struct RefusedRepeat {
  const char* name;
  const char* call;
  const char* exchange;
  const char* county;
  const char* typed;
};

class RefusedRepeatTest : public InStateLoggingTest, public ::testing::WithParamInterface<RefusedRepeat> {};

TEST_P(RefusedRepeatTest, EndsTheCountyLineAndGivesItsSerialBack) {
  const RefusedRepeat& c = GetParam();
  settings().Rover = 1;
  settings().OwnCounty = "Juniata";
  LogRecord earlier = InStateContact(c.call, c.exchange, c.county);
  earlier.LogCountySent = "Mifflin";
  Infrm& w = OpenLoggedOn({earlier});
  frmCountyChangeRover& rover = app().Get<frmCountyChangeRover>();
  for (const char* county : {"Perry", "Juniata", "Mifflin"}) rover.List1.AddItem(county);
  ASSERT_EQ(w.Label1.Caption(), "002");
  w.TypeText(c.typed);
  ASSERT_EQ(store().QSOCount, 2) << "stored from Juniata only";
  EXPECT_EQ(Record(2).LogCountySent, "Juniata");
  EXPECT_EQ(Record(2).LogSerialSent, "002");
  EXPECT_EQ(w.lblDialog.Caption().rfind("Duplicate ", 0), 0u) << w.lblDialog.Caption();
  EXPECT_EQ(w.Label1.Caption(), "003");
  EXPECT_EQ(settings().OwnCounty, "Juniata");
  for (const forms::TextBox* box : {&w.txtCall, &w.txtRSTR, &w.txtCntry, &w.txtSec, &w.txtPts})
    EXPECT_EQ(box->Text(), "") << box->Name();
  EXPECT_EQ(w.ActiveControl(), &w.txtCall);

  w.TypeText("ja1aa9\r");
  ASSERT_EQ(store().QSOCount, 5) << "the next contact is entered from each county of the line";
  for (long i = 3; i <= 5; ++i) EXPECT_EQ(Record(i).LogSerialSent, "003");
  EXPECT_EQ(w.Label1.Caption(), "004");
}

INSTANTIATE_TEST_SUITE_P(
    Exchanges, RefusedRepeatTest,
    ::testing::Values(RefusedRepeat{"DX", "DL1AA", "Fed. Rep. of Germany", "", "dl1aa7\r"},
                      RefusedRepeat{"Section", "W1AW", "CT", "", "w1aw7 ct\r"},
                      RefusedRepeat{"PartyState", "W3KKK", "PA", "Adams", "w3kkk7 pa ad\r"}),
    [](const ::testing::TestParamInfo<RefusedRepeat>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ks::testing

namespace ks::testing {
namespace {

class InStatePostContestTest : public InfrmTest {};

TEST_F(InStatePostContestTest, TheTypedDateAndTimeAreStored) {
  Infrm& w = OpenLoggedOn();
  w.mnuPostContest.Click();
  ASSERT_TRUE(w.txtPostConDate.Visible());
  w.txtPostConDate.SetFocus();
  EXPECT_EQ(w.txtPostConDate.Text(), "2013/10/12");
  EXPECT_EQ(w.txtPostConDate.SelLength(), 10);
  w.txtPostConTime.SetText("905");
  w.txtCall.SetText("W1AW");
  w.txtRSTR.SetText("5");
  w.txtCntry.SetText("CT");
  w.txtPostConDate.SetFocus();
  EXPECT_EQ(w.txtPostConDate.SelLength(), 10) << "selected again on every visit";
  w.TypeText("\r");
  ASSERT_EQ(store().QSOCount, 1);
  EXPECT_EQ(store().Records[1].LogDate, "2013/10/12");
  EXPECT_EQ(store().Records[1].LogTime, "09:05");
  w.txtPostConDate.SetText("2013/13/45");
  w.txtCall.SetText("W2AW");
  w.txtRSTR.SetText("5");
  w.txtCntry.SetText("CT");
  w.Mains();
  EXPECT_EQ(w.lblDialog.Caption(), "Invalid date format!");
  EXPECT_EQ(store().QSOCount, 1);
}

}  // namespace
}  // namespace ks::testing
