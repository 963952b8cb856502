// The out-of-state contact editor driven as an operator drives it, from Edit on the
// recent-contacts list to the rewritten log.txt.
#include <gtest/gtest.h>

#include <functional>

#include "reports/windows/DEEditOut.h"
#include "tests/entry/entry_fixture.h"

namespace ks::testing {
namespace {

class ContactEditorTest : public OutfrmTest {
 protected:
  // Opens the editor on list row `row` by a right click and lets `operate` work in it.
  void Edit(Outfrm& w, int row, const std::function<void(DEEditOut&)>& operate) {
    bool opened = false;
    h.loop().ScriptModal("DEEditOut", [&](forms::Form& form) {
      opened = true;
      operate(static_cast<DEEditOut&>(form));
    });
    w.ListView1.ClickItemBy(row, forms::kRightButton);
    EXPECT_TRUE(opened);
    EXPECT_FALSE(app().IsLoaded<DEEditOut>());
  }
  // The operator replaces the whole text of a box by typing.
  static void Retype(DEEditOut& editor, forms::TextBox& box, const std::string& keys) {
    box.SetFocus();
    box.SetSelStart(0);
    box.SetSelLength(static_cast<int>(box.Text().size()));
    editor.TypeText(keys);
  }
  std::vector<LogRecord> Three() { return {Contact("K1AA"), Contact("K2BB"), Contact("K3CC")}; }
};

TEST_F(ContactEditorTest, ACountyChangedByTypeAheadIsStoredAndOnlyThatRecordIsRewritten) {
  Outfrm& w = OpenWith(Three());
  // Rows are newest first: row 2 is record 2.
  Edit(w, 2, [&](DEEditOut& e) {
    EXPECT_EQ(e.Caption(), "Edit Contact Entry");
    EXPECT_EQ(e.txtEditCall.Text(), "K2BB");
    EXPECT_EQ(e.txtEditPre.Text(), "York");
    EXPECT_EQ(e.Text2.Text(), "2");
    EXPECT_FALSE(e.txtEditSec.Visible());
    EXPECT_FALSE(e.Text3.Visible());
    e.txtEditPre.SetFocus();
    e.txtEditPre.SetSelStart(0);
    e.TypeText("ce");
    EXPECT_EQ(e.txtEditPre.Text(), "Centre");
    EXPECT_EQ(e.txtEditPre.SelStart(), 2);
    e.PressKey(vb::vbKeyReturn);
  });
  std::vector<LogRecord> expected = Three();
  expected[1].LogCounty = "Centre";
  EXPECT_EQ(ReadBytes(work() / "log.txt"), LogOf(expected));
  EXPECT_EQ(w.ListView1.Item(2).SubItem(3), "Centre");
}

TEST_F(ContactEditorTest, AnInvalidBandIsRefusedOnLeavingAndOnEnterInItsOwnBox) {
  Outfrm& w = OpenWith(Three());
  Edit(w, 1, [&](DEEditOut& e) {
    Retype(e, e.Text1, "30");
    e.TabBy();
    EXPECT_EQ(h.dialogs().beeps, 1);
    EXPECT_TRUE(e.Label6.Visible());
    EXPECT_EQ(e.ActiveControl(), &e.Text1);
    // Enter without leaving the box: still checked, nothing stored, the editor stays.
    e.PressKey(vb::vbKeyReturn);
    EXPECT_EQ(h.dialogs().beeps, 2);
    EXPECT_TRUE(e.Visible());
    // The focus cannot leave the band box until it holds a band.
    Retype(e, e.Text1, "6");
    Retype(e, e.txtEditBnd, "ssb");
    EXPECT_FALSE(e.Label6.Visible());
    e.TabBy();
    EXPECT_TRUE(e.Label3.Visible()) << "SSB is no mode of the log";
    Retype(e, e.txtEditBnd, "ry");
    e.PressKey(vb::vbKeyReturn);
    EXPECT_FALSE(e.Visible());
  });
  std::vector<LogRecord> expected = Three();
  expected[2].LogMode = "RY";
  expected[2].LogBand = "6";
  EXPECT_EQ(ReadBytes(work() / "log.txt"), LogOf(expected));
}

TEST_F(ContactEditorTest, AnUnchangedRecordIsNoDuplicateOfItself) {
  Outfrm& w = OpenWith(Three());
  Edit(w, 3, [&](DEEditOut& e) { e.cmdDone.ClickBy(); });
  EXPECT_EQ(h.dialogs().beeps, 0);
  EXPECT_EQ(ReadBytes(work() / "log.txt"), LogOf(Three()));
}

TEST_F(ContactEditorTest, ADuplicateIsShownAndDeleteDupeRemovesTheEditedRecord) {
  std::vector<LogRecord> log = {Contact("K1AA"), Contact("K1AA", "Centre"), Contact("K1AA"), Contact("K4DD")};
  Outfrm& w = OpenWith(log);
  Edit(w, 3, [&](DEEditOut& e) {  // record 2, from Centre
    Retype(e, e.txtEditPre, "york");
    e.cmdDone.ClickBy();
    EXPECT_TRUE(e.Label1.Visible());
    EXPECT_EQ(e.Label1.Caption(), "  Dupe!");
    EXPECT_TRUE(e.cmdDeleteDupe.Visible());
    EXPECT_EQ(h.dialogs().beeps, 2) << "one beep for each record it duplicates";
    EXPECT_TRUE(e.Visible());
    h.dialogs().AnswerMessageBox(vb::vbYes);
    e.cmdDeleteDupe.ClickBy();
  });
  EXPECT_EQ(ReadBytes(work() / "log.txt"), LogOf({log[0], log[2], log[3]}));
  EXPECT_EQ(store().QSOCount, 3);
}

TEST_F(ContactEditorTest, DateAndTimeAreStoredInTheLogsFormsAndBadOnesAreRefused) {
  Outfrm& w = OpenWith(Three());
  Edit(w, 1, [&](DEEditOut& e) {
    Retype(e, e.txtEditDate, "2013/13/45");
    e.TabBy();
    ASSERT_EQ(h.dialogs().message_boxes.size(), 1u);
    EXPECT_EQ(h.dialogs().message_boxes[0].title, "Invalid Date Format!");
    EXPECT_EQ(e.ActiveControl(), &e.txtEditDate);
    Retype(e, e.txtEditDate, "10/13/2013");
    Retype(e, e.txtEditTime, "9:05");
    Retype(e, e.txtEditCall, "k3zz");
    e.txtEditCall.SetText(" K3ZZ ");
    e.PressKey(vb::vbKeyReturn);
    EXPECT_FALSE(e.Visible());
  });
  const LogRecord& r = store().Record(3);
  EXPECT_EQ(r.LogDate, "2013/10/13");
  EXPECT_EQ(r.LogTime, "09:05:00");
  EXPECT_EQ(r.LogCall, "K3ZZ") << "the out-of-state editor trims the call";
}

// What would split a call or a serial into two fields of the QSO line is never typed in: the
// boxes take what the main window's call and serial boxes take.
TEST_F(ContactEditorTest, TheCallAndSerialBoxesRefuseBlanksCommasAndQuotes) {
  const struct {
    forms::TextBox DEEditOut::*box;
    const char* typed;
    const char* kept;
  } cases[] = {
      {&DEEditOut::txtEditCall, "k3 zz,'\"/p", "K3ZZ/P"},
      {&DEEditOut::txtEditCk, "1 2,3a\"'-4", "1234"},
      {&DEEditOut::txtEditNum, "0 0,7x", "007"},
  };
  Outfrm& w = OpenWith(Three());
  Edit(w, 1, [&](DEEditOut& e) {
    for (const auto& c : cases) {
      Retype(e, e.*c.box, c.typed);
      EXPECT_EQ((e.*c.box).Text(), c.kept) << c.typed;
    }
    e.PressKey(vb::vbKeyReturn);
  });
  const LogRecord& r = store().Record(3);
  EXPECT_EQ(r.LogCall, "K3ZZ/P");
  EXPECT_EQ(r.LogSerialReceived, "1234");
  EXPECT_EQ(r.LogSerialSent, "007");
}

TEST_F(ContactEditorTest, PointsTakeOnlyANumberAndClosingTheWindowStoresNothing) {
  Outfrm& w = OpenWith(Three());
  Edit(w, 1, [&](DEEditOut& e) {
    Retype(e, e.Text2, "1x.5");
    EXPECT_EQ(e.Text2.Text(), "1.5");
    e.Text2.SetText("abc");  // pasted
    e.TabBy();
    EXPECT_EQ(e.Text2.Text(), "0");
    Retype(e, e.txtEditCall, "W9XYZ");
    e.Hide();  // closed without Done
  });
  EXPECT_EQ(ReadBytes(work() / "log.txt"), LogOf(Three()));
}

}  // namespace
}  // namespace ks::testing
