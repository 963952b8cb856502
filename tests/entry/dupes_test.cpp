// The out-of-state window's duplicate checks: on entry, on leaving the call box, and the
// partial-duplicate list while a call is typed.
#include <gtest/gtest.h>

#include "entry/duplicate_checks.h"
#include "mainwin/main_window_state.h"
#include "mainwin/message_colors.h"
#include "tests/entry/entry_fixture.h"

namespace ks::testing {
namespace {

using DupesTest = OutfrmTest;

TEST_F(DupesTest, TheSameCallBandModeAndCountyIsRefused) {
  Outfrm& w = LoggedOnWith({Contact("W1AA"), Contact("K1ABC", "York")});
  w.TypeText("k1abc 7 ");
  h.dialogs().beeps = 0;
  w.txtSec.SetText("YORK");
  w.PressKey(vb::vbKeyReturn);
  EXPECT_EQ(w.lblDialog.Caption(), "Duplicate K1ABC  2013/10/12  15:00:00   Rec#\xA0\xA0" "2");
  EXPECT_EQ(w.lblDialog.BackColor(), kDialogAlertColor);
  EXPECT_EQ(h.dialogs().beeps, 1);
  EXPECT_EQ(keyer->Joined(), "BlindKeyPhone Dupe");
  EXPECT_EQ(store().QSOCount, 2);
  for (forms::TextBox* box : {&w.txtCall, &w.txtRSTR, &w.txtSec, &w.txtPts}) EXPECT_EQ(box->Text(), "");
  EXPECT_TRUE(w.txtCall.HasFocus());
  EXPECT_EQ(app().State<EntryState>().DupeFlag, 1);
}

struct AcceptedCase {
  const char* name;
  const char* band;
  const char* county;
};

class NotADuplicate : public DupesTest, public ::testing::WithParamInterface<AcceptedCase> {};

TEST_P(NotADuplicate, IsStored) {
  const AcceptedCase& c = GetParam();
  settings().CurrentBand = c.band;
  Outfrm& w = LoggedOnWith({Contact("K1ABC", "York", "20", "CW")});
  w.txtCall.SetText("K1ABC");
  w.txtRSTR.SetText("7");
  w.txtSec.SetText(c.county);
  w.Mains();
  EXPECT_EQ(store().QSOCount, 2);
}

INSTANTIATE_TEST_SUITE_P(Cases, NotADuplicate,
                         ::testing::Values(AcceptedCase{"AnotherBand", "40", "York"},
                                           AcceptedCase{"AnotherCounty", "20", "Adams"}),
                         [](const auto& info) { return info.param.name; });

TEST_F(DupesTest, LeavingTheCallBoxWarnsAndFillsTheCountyFromTheFirstContact) {
  Outfrm& w = LoggedOnWith({Contact("K1ABC", "Adams", "40", "PH"), Contact("K1ABC", "York", "20", "CW")});
  w.TypeText("k1abc ");
  EXPECT_EQ(w.lblDialog.Caption(), "Duplicate Unless Rover!  K1ABC  2013/10/12  15:00:00   Rec#\xA0\xA0" "2");
  EXPECT_EQ(w.lblDialog.BackColor(), kDialogAlertColor);
  EXPECT_EQ(w.txtSec.Text(), "Adams");
  EXPECT_EQ(w.txtSec.SelLength(), 5);
  EXPECT_EQ(h.dialogs().beeps, 1);
}

TEST_F(DupesTest, ListPreviousListsEveryEarlierContactWithTheCall) {
  Outfrm& w = LoggedOnWith({Contact("K1ABC", "Adams", "40", "PH"), Contact("W1AA"), Contact("K1ABC", "York"),
                            Contact("K1ABC", "Erie")});
  w.mnuListPrevious.ChooseBy();
  w.txtCall.SetFocus();
  h.dialogs().beeps = 0;
  w.TypeText("K1ABC ");
  EXPECT_EQ(RowNumbers(w), (std::vector<std::string>{"1", "3", "4"}));
  EXPECT_EQ(h.dialogs().beeps, 2);  // one for each on this band and mode
  EXPECT_EQ(w.lblDialog.Caption().find("Rec#\xA0\xA0" "4"), w.lblDialog.Caption().size() - 7);
  w.txtCall.SetText("");
  w.txtSec.SetFocus();
  w.txtCall.SetFocus();  // the empty call box brings the recent contacts back
  EXPECT_EQ(w.ListView1.ItemCount(), 4);
}

TEST_F(DupesTest, ThePartialListGrowsWithTheCallOfThisBandAndMode) {
  Outfrm& w = LoggedOnWith({Contact("K1ABC"), Contact("K1AXE", "York", "40"), Contact("K1ABD")});
  w.TypeText("K");
  EXPECT_EQ(w.lblDupe.Caption(), "K1ABD K1ABC ");
  EXPECT_EQ(w.lblDupe.BackColor(), kDialogNormalColor);
  w.TypeText("1A");
  EXPECT_EQ(w.lblDialog.Caption(), " ");
  w.TypeText("B");
  EXPECT_EQ(w.lblDialog.Caption(), "Possible Duplicate!");
  w.TypeText("C");
  EXPECT_EQ(w.lblDupe.Caption(), "K1ABC ");
  w.TypeText("X");
  EXPECT_EQ(w.lblDupe.Caption(), "");
  EXPECT_EQ(w.lblDupe.BackColor(), forms::colors::kButtonFace);
}

TEST_F(DupesTest, ThePartialListStopsOnceLongerThan100Characters) {
  std::vector<LogRecord> records;
  for (int i = 0; i < 40; ++i) records.push_back(Contact("K1A" + std::string(1, static_cast<char>('A' + i % 26)) +
                                                         std::string(1, static_cast<char>('A' + i / 26))));
  const std::string list = PartialDupeList([&] {
    LogStore store;
    for (const LogRecord& r : records) store.Record(++store.QSOCount) = r;
    return store;
  }(), "K1A", "20", "cw");
  EXPECT_EQ(list.size(), 102u);  // 17 calls of five characters and a blank
  EXPECT_EQ(list.substr(list.size() - 6), "K1AAA ");
  EXPECT_EQ(list.substr(0, 6), "K1AQA ");
}

TEST_F(DupesTest, AThirdCharacterWithoutADigitBeepsAlsoWithTheListOff) {
  Outfrm& w = LoggedOnWith({});
  w.cmdDup.ClickBy();
  EXPECT_EQ(w.cmdDup.Caption(), "Off");
  EXPECT_EQ(app().State<MainWindowState>().PartialDupeDisplay, 0);
  w.txtCall.SetFocus();
  w.TypeText("KAB");
  EXPECT_EQ(w.lblDialog.Caption(), "The second or third character is not numeric!");
  EXPECT_EQ(h.dialogs().beeps, 1);
}

TEST_F(DupesTest, TheDupePromptIsWaitedForAtMostItsLengthAndOneSecond) {
  settings().VoiceNavLevel = 1;
  Outfrm& w = LoggedOnWith({Contact("K1ABC")});
  keyer->prompt_ms = 700;
  keyer->prompt_never_ends = true;  // a player that never reports the end
  const std::int64_t start = h.clock().TickMs();
  w.txtCall.SetText("K1ABC");
  w.txtRSTR.SetText("1");
  w.txtSec.SetText("York");
  w.Mains();
  EXPECT_EQ(app().State<EntryState>().DupeFlag, 1);
  const std::int64_t waited = h.clock().TickMs() - start;
  EXPECT_GE(waited, 1700);
  EXPECT_LE(waited, 1710);
}

TEST_F(DupesTest, TheDupePromptIsWaitedForUntilItEnds) {
  settings().VoiceNavLevel = 2;
  Outfrm& w = LoggedOnWith({Contact("K1ABC")});
  keyer->prompt_ms = 400;
  const std::int64_t start = h.clock().TickMs();
  w.txtCall.SetText("K1ABC");
  w.txtRSTR.SetText("1");
  w.txtSec.SetText("York");
  w.Mains();
  const std::int64_t waited = h.clock().TickMs() - start;
  EXPECT_GE(waited, 400);
  EXPECT_LE(waited, 410);
}

}  // namespace
}  // namespace ks::testing
