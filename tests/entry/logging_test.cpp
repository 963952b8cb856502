// Logging a contact in the out-of-state window, typed key by key as an operator would.
#include <gtest/gtest.h>

#include "entry/contact_clock.h"
#include "entry/entry_line_rules.h"
#include "keying/entry_window_link.h"
#include "logstore/county_table.h"
#include "tests/entry/entry_fixture.h"

namespace ks::testing {
namespace {

class LoggingTest : public OutfrmTest {
 protected:
  void Enter(Outfrm& w) { w.PressKey(vb::vbKeyReturn); }
  std::string LogFile() { return ReadBytes(work() / "log.txt"); }
};

TEST_F(LoggingTest, AContactTypedWithSpaceAndEnterIsStoredCountedAndShown) {
  Outfrm& w = OpenWith({});
  w.txtCall.SetFocus();
  w.TypeText("k3xyz 42 y");  // Space moves on; "y" completes to York
  EXPECT_EQ(w.txtSec.Text(), "York");
  EXPECT_TRUE(w.txtSec.HasFocus());
  w.TypeText(" ");
  EXPECT_TRUE(w.txtPts.HasFocus());
  EXPECT_EQ(w.txtPts.Text(), "2");
  Enter(w);
  EXPECT_EQ(LogFile(), "\"K3XYZ\",\"\",\"\",\"\",\"York\",\"\",\"\",\"\",\"\",\"\",\"001\",\"2013/10/12\",\"15:30:00\","
                       "\"CW\",\"20\",2,\"\",\"\",\"42\",\"\"\r\n");
  EXPECT_EQ(store().QSOCount, 1);
  EXPECT_TRUE(app().State<RunState>().LoggedOn);  // the first contact pressed Log "Time On"
  for (forms::TextBox* box : {&w.txtCall, &w.txtRSTR, &w.txtSec, &w.txtPts}) EXPECT_EQ(box->Text(), "");
  EXPECT_TRUE(w.txtCall.HasFocus());
  EXPECT_EQ(w.Label1.Caption(), "002");
  EXPECT_EQ(w.ListView1.Item(1).SubItem(1), "K3XYZ");
  EXPECT_EQ(w.lblStation(5).Caption(), "Counties Worked - 1");
  EXPECT_EQ(w.lblTotScore.Caption(), "2.0");
  EXPECT_EQ(w.lblAQSO60.Caption(), "1");
  EXPECT_EQ(w.lblAQSO20.Caption(), "3");
}

struct RefusalCase {
  const char* name;
  const char* call;
  const char* serial;
  const char* county;
  const char* message;
  const char* focus;
  int beeps;
};

class Refusal : public LoggingTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(Refusal, KeepsTheLineAndSaysWhy) {
  const RefusalCase& c = GetParam();
  Outfrm& w = LoggedOnWith({});
  w.txtCall.SetText(c.call);
  w.txtRSTR.SetText(c.serial);
  w.txtSec.SetText(c.county);
  w.Mains();
  EXPECT_EQ(w.lblDialog.Caption(), c.message);
  ASSERT_NE(w.ActiveControl(), nullptr);
  EXPECT_EQ(w.ActiveControl()->Name(), c.focus);
  EXPECT_EQ(h.dialogs().beeps, c.beeps);
  EXPECT_EQ(store().QSOCount, 0);
  EXPECT_EQ(w.txtCall.Text(), c.call);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Refusal,
    ::testing::Values(RefusalCase{"NoCounty", "K1ABC", "5", "", " is not a valid county!", "txtSec", 2},
                      RefusalCase{"NothingButACall", "K1ABC", "", "", " is not a valid county!", "txtSec", 3},
                      RefusalCase{"ShortCall", "K1", "", "York", "Need Call Sign!", "txtCall", 2},
                      RefusalCase{"NoSerial", "K1ABC", "", "York", "Need Serial!", "txtRSTR", 1},
                      RefusalCase{"NoSuchCounty", "K1ABC", "5", "Nowhere", "Nowhere is not a valid county!", "txtSec",
                                  1}),
    [](const auto& info) { return info.param.name; });

// The Morse sender logs the line when it sends "!", and it sends between the events that
// storing a contact lets run: the line being stored is not entered a second time.
TEST_F(LoggingTest, AnEntryAskedForWhileTheLineIsStoredDoesNotEnterItAgain) {
  Outfrm& w = LoggedOnWith({});
  w.TypeText("k3xyz 42 york");
  app().Loop().Post([this] { LogFromMessage(app()); });
  Enter(w);
  EXPECT_EQ(store().QSOCount, 1);
  EXPECT_EQ(LogFile().find("K3XYZ"), LogFile().rfind("K3XYZ"));
  EXPECT_EQ(w.lblDialog.Caption(), "") << "the stored line was checked again";
  EXPECT_EQ(h.dialogs().beeps, 0);
}

TEST_F(LoggingTest, AnAbbreviationIsStoredAsTheCountysName) {
  Outfrm& w = LoggedOnWith({});
  w.txtCall.SetText("K1ABC");
  w.txtRSTR.SetText("5");
  w.txtSec.SetText("mgy");
  w.txtPts.SetText("1.5");
  w.Mains();
  ASSERT_EQ(store().QSOCount, 1);
  EXPECT_EQ(store().Record(1).LogCounty, "Montgomery");
  EXPECT_EQ(store().Record(1).LogPoints, 1.5);
}

TEST_F(LoggingTest, TheStampIsTheLocalTimeShiftedToUtcFromOneReading) {
  settings().UTCOffset = 5;
  h.clock().SetLocalOffsetMinutes(-300);
  h.clock().SetUtc({2026, 12, 9, 2, 30, 17});  // 21:30:17 local on December 8
  const ContactStamp stamp = StampOf(StationUtcNow(app()));
  EXPECT_EQ(stamp.date, "2026/12/09");
  EXPECT_EQ(stamp.time, "02:30:17");
}

struct HandOffCase {
  const char* name;
  const char* typed;  // into the empty call box
  const char* call;
  const char* serial;
  const char* focus;
};

class HandOff : public LoggingTest, public ::testing::WithParamInterface<HandOffCase> {};

TEST_P(HandOff, ADigitAfterACompleteCallStartsTheSerial) {
  const HandOffCase& c = GetParam();
  Outfrm& w = LoggedOnWith({});
  w.TypeText(c.typed);
  EXPECT_EQ(w.txtCall.Text(), c.call);
  EXPECT_EQ(w.txtRSTR.Text(), c.serial);
  EXPECT_EQ(w.ActiveControl()->Name(), c.focus);
}

INSTANTIATE_TEST_SUITE_P(Cases, HandOff,
                         ::testing::Values(HandOffCase{"CompleteCall", "K1ABC5", "K1ABC", "5", "txtRSTR"},
                                           HandOffCase{"TwoDigits", "K1ABC57", "K1ABC", "57", "txtRSTR"},
                                           HandOffCase{"DigitLast", "KA15", "KA15", "", "txtCall"},
                                           HandOffCase{"TwoCharacters", "K15", "K15", "", "txtCall"},
                                           HandOffCase{"Portable", "K1ABC/3", "K1ABC/3", "", "txtCall"},
                                           HandOffCase{"FirstDigitOnly", "2ABC5", "2ABC5", "", "txtCall"},
                                           HandOffCase{"LetterInSerial", "K1ABC 5c", "K1ABC", "5", "txtSec"}),
                         [](const auto& info) { return info.param.name; });

TEST_F(LoggingTest, ALetterInTheSerialBoxStartsTheCountyCompleted) {
  Outfrm& w = LoggedOnWith({});
  w.TypeText("K1ABC 5c");
  EXPECT_EQ(w.txtSec.Text(), "Cumberland");  // the last county of the table with C
  EXPECT_EQ(w.txtSec.SelStart(), 1);
  EXPECT_EQ(w.txtSec.SelLength(), 9);
  w.TypeText("e ");
  EXPECT_EQ(w.txtSec.Text(), "Centre");
  EXPECT_TRUE(w.txtPts.HasFocus());
}

TEST_F(LoggingTest, SpaceInsideASanNameTypesTheSecondWord) {
  Outfrm& w = LoggedOnWith({});
  CountyTable& table = app().State<CountyTable>();
  for (const char* name : {"San Juan", "San Miguel"}) {
    table.CountyName.push_back(name);
    table.CountyAbbrev.push_back("");
    ++table.CountyCount;
  }
  w.txtSec.SetFocus();
  w.TypeText("san");
  EXPECT_EQ(w.txtSec.Text(), "San Miguel");
  w.TypeText(" j");
  EXPECT_EQ(w.txtSec.Text(), "San Juan");
  EXPECT_EQ(w.txtSec.SelStart(), 5);
  EXPECT_TRUE(w.txtSec.HasFocus());
}

TEST_F(LoggingTest, PointsFollowTheModeAndACountyLineRepeatScoresNone) {
  EXPECT_EQ(PointsForMode("ph"), "1");
  EXPECT_EQ(PointsForMode("RY"), "2");
  EXPECT_EQ(PointsForMode("PK"), "2");
  EXPECT_EQ(PointsForMode("AM"), std::nullopt);
  LogRecord last = Contact("K1ABC");
  last.LogSerialReceived = "17";
  last.LogSerialSent = "007";
  Outfrm& w = LoggedOnWith({last});
  w.TypeText("k1abc 17 ");
  EXPECT_EQ(w.txtPts.Text(), "0");
  w.TypeText("c");  // Cumberland
  w.txtSec.SetText("Adams");
  w.Mains();
  ASSERT_EQ(store().QSOCount, 2);
  EXPECT_EQ(store().Record(2).LogSerialSent, "007");
  EXPECT_EQ(store().Record(2).LogPoints, 0);
  EXPECT_EQ(w.Label1.Caption(), "008");
}

TEST_F(LoggingTest, EscAndClearEmptyTheLine) {
  Outfrm& w = LoggedOnWith({});
  w.TypeText("K1ABC 5");
  w.PressKey(vb::vbKeyEscape);
  EXPECT_EQ(w.txtCall.Text(), "");
  EXPECT_EQ(w.txtRSTR.Text(), "");
  EXPECT_TRUE(w.txtCall.HasFocus());
  w.TypeText("W2");
  w.mnuClear.ChooseBy();
  EXPECT_EQ(w.txtCall.Text(), "");
}

TEST_F(LoggingTest, RecallBringsBackTheLastContact) {
  Outfrm& w = LoggedOnWith({});
  w.mnuRecall.ChooseBy();
  EXPECT_EQ(w.txtCall.Text(), "");
  w.TypeText("K1ABC 5 y ");
  Enter(w);
  w.mnuRecall.ChooseBy();
  EXPECT_EQ(w.txtCall.Text(), "K1ABC");
  EXPECT_EQ(w.txtRSTR.Text(), "5");
  EXPECT_TRUE(w.txtSec.HasFocus());
  EXPECT_EQ(w.txtSec.Text(), "York");  // filled from the log when the call box was left
}

TEST_F(LoggingTest, PostContestTakesTheTypedDateAndTime) {
  Outfrm& w = LoggedOnWith({});
  w.mnuPostContest.ChooseBy();
  EXPECT_TRUE(w.txtPostConTime.Visible());
  w.txtPostConTime.SetFocus();
  w.TypeText("9a05");  // the letter is dropped
  w.txtPostConDate.SetFocus();
  EXPECT_EQ(w.txtPostConDate.Text(), "2013/10/12");  // today's local date
  w.txtCall.SetText("K1ABC");
  w.txtRSTR.SetText("5");
  w.txtSec.SetText("York");
  w.Mains();
  ASSERT_EQ(store().QSOCount, 1);
  EXPECT_EQ(store().Record(1).LogTime, "09:05");
  EXPECT_EQ(store().Record(1).LogDate, "2013/10/12");
  EXPECT_EQ(w.txtPostConTime.Text(), "09:05");  // kept for the next contact
}

struct PostContestCase {
  const char* name;
  const char* date;
  const char* time;
  const char* message;
};

class PostContestRefusal : public LoggingTest, public ::testing::WithParamInterface<PostContestCase> {};

TEST_P(PostContestRefusal, StoresNothing) {
  const PostContestCase& c = GetParam();
  Outfrm& w = LoggedOnWith({});
  w.mnuPostContest.ChooseBy();
  w.txtPostConDate.SetText(c.date);
  w.txtPostConTime.SetText(c.time);
  w.txtCall.SetText("K1ABC");
  w.txtRSTR.SetText("5");
  w.txtSec.SetText("York");
  w.Mains();
  EXPECT_EQ(w.lblDialog.Caption(), c.message);
  EXPECT_EQ(h.dialogs().beeps, 1);
  EXPECT_EQ(store().QSOCount, 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, PostContestRefusal,
                         ::testing::Values(PostContestCase{"BadDate", "2013/13/45", "905", "Invalid date format!"},
                                           PostContestCase{"BadTime", "2013/10/12", "2561", "Invalid time format!"}),
                         [](const auto& info) { return info.param.name; });

// A write that fails: log.txt is replaced by a folder of that name.
TEST_F(LoggingTest, AFailedAppendLosesNothingAndCountsTheContactOnce) {
  Outfrm& w = LoggedOnWith({Contact("W1AA")});
  fs::remove(work() / "log.txt");
  fs::create_directory(work() / "log.txt");
  w.TypeText("K1ABC 5 y ");
  Enter(w);
  EXPECT_EQ(CountMessagesTitled("Log File Error"), 0);  // told in the label, not in a box
  EXPECT_NE(w.lblDialog.Caption().find("1 QSO in memory only!"), std::string::npos) << w.lblDialog.Caption();
  EXPECT_EQ(store().QSOCount, 2);  // held in memory
  w.TypeText("K1ABC 5 y ");        // the operator tries again
  Enter(w);
  EXPECT_EQ(store().QSOCount, 2);
  EXPECT_EQ(w.lblDialog.Caption().rfind("Duplicate K1ABC", 0), 0u);
  fs::remove(work() / "log.txt");  // the disk is writable again
  w.TypeText("K2ABC 6 y ");
  Enter(w);
  EXPECT_EQ(store().QSOCount, 3);
  EXPECT_FALSE(store().FileBehind);
  const std::string file = LogFile();
  EXPECT_EQ(file.rfind("\"W1AA\"", 0), 0u);
  EXPECT_NE(file.find("\"K1ABC\""), std::string::npos);
  EXPECT_NE(file.find("\"K2ABC\""), std::string::npos);
}

}  // namespace
}  // namespace ks::testing
