// The recent-contacts list: refill, next serial, edit, delete, sort and copy.
#include <gtest/gtest.h>

#include "entry/recent_contacts.h"
#include "tests/entry/entry_fixture.h"

namespace ks::testing {
namespace {

std::vector<LogRecord> Numbered(int count) {
  std::vector<LogRecord> records;
  for (int i = 1; i <= count; ++i) {
    LogRecord r = Contact("K" + std::to_string(i) + "AA");
    r.LogSerialSent = std::to_string(i);
    records.push_back(r);
  }
  return records;
}

TEST_F(OutfrmTest, TheListShowsTheLast20NewestFirstOrAll) {
  Outfrm& w = OpenWith(Numbered(21));
  std::vector<std::string> last20;
  for (int i = 21; i >= 2; --i) last20.push_back(std::to_string(i));
  EXPECT_EQ(RowNumbers(w), last20);
  EXPECT_EQ(w.cmdList.Caption(), "Last 20");
  w.cmdList.ClickBy();
  EXPECT_EQ(w.cmdList.Caption(), "All");
  EXPECT_EQ(w.ListView1.ItemCount(), 21);
  EXPECT_EQ(w.ListView1.Item(21).text, "1");
  EXPECT_TRUE(w.txtCall.HasFocus());
  w.cmdList.ClickBy();
  EXPECT_EQ(w.ListView1.ItemCount(), 20);
}

TEST_F(OutfrmTest, ARowHoldsTheContactInTheColumnsOrder) {
  LogRecord r = Contact("W3XYZ", "Centre", "40", "PH");
  r.LogSerialSent = "007";
  r.LogSerialReceived = "123";
  r.LogDate = "2013/10/12";
  r.LogTime = "09:05:33";
  r.LogPoints = 1.5;
  Outfrm& w = OpenWith({r});
  const forms::ListItem& row = w.ListView1.Item(1);
  EXPECT_EQ(row.text, "1");
  EXPECT_EQ(row.sub_items,
            (std::vector<std::string>{"W3XYZ", "123", "Centre", "007", "10/12 09:05", "PH", "40", "1.5"}));
  EXPECT_EQ(w.Label1.Caption(), "008");
  EXPECT_EQ(app().State<KeyingState>().MacroSerial, "8");
}

struct SerialCase {
  const char* name;
  std::string last_sent;
  int count;
  const char* next;
};

class NextSerial : public ::testing::TestWithParam<SerialCase> {};

TEST_P(NextSerial, FollowsTheLastSentSerial) {
  const SerialCase& c = GetParam();
  LogStore store;
  for (int i = 1; i <= c.count; ++i) store.Record(++store.QSOCount).LogSerialSent = "5";
  if (c.count > 0) store.Record(c.count).LogSerialSent = c.last_sent;
  EXPECT_EQ(NextSerialText(store), c.next);
}

INSTANTIATE_TEST_SUITE_P(Cases, NextSerial,
                         ::testing::Values(SerialCase{"EmptyLog", "", 0, "001"}, SerialCase{"Padded", "007", 1, "008"},
                                           SerialCase{"Seven", "7", 3, "008"}, SerialCase{"Carry", "099", 2, "100"},
                                           SerialCase{"Long", "1234", 2, "1235"},
                                           SerialCase{"NotANumber", "abc", 41, "042"}),
                         [](const auto& info) { return info.param.name; });

TEST(SerialMacro, IsTheWholeNumberWithoutLeadingZeros) {
  EXPECT_EQ(SerialMacroText("012"), "12");
  EXPECT_EQ(SerialMacroText(" 007 "), "7");
  EXPECT_EQ(SerialMacroText("A12"), "A12");
}

TEST_F(OutfrmTest, DeleteRemovesTheSelectedRecordFromMemoryAndFile) {
  std::vector<LogRecord> records = Numbered(3);
  Outfrm& w = OpenWith(records);
  EXPECT_FALSE(w.cmdDelete.Visible());
  w.ListView1.ClickItemBy(2);  // record 2 (rows are 3, 2, 1)
  EXPECT_TRUE(w.cmdDelete.Visible());
  h.dialogs().AnswerMessageBox(vb::vbYes);
  w.cmdDelete.ClickBy();
  ASSERT_EQ(h.dialogs().message_boxes.size(), 1u);
  EXPECT_EQ(h.dialogs().message_boxes[0].text, "Are you sure?");
  EXPECT_EQ(h.dialogs().message_boxes[0].title, "Are you sure?");
  EXPECT_EQ(ReadBytes(work() / "log.txt"), LogOf({records[0], records[2]}));
  EXPECT_EQ(store().QSOCount, 2);
  EXPECT_EQ(store().Record(2).LogCall, "K3AA");
  EXPECT_EQ(RowNumbers(w), (std::vector<std::string>{"2", "1"}));
  EXPECT_FALSE(w.cmdEdit.Visible());
  EXPECT_FALSE(w.cmdDelete.Visible());
}

TEST_F(OutfrmTest, DeletingTheNewestLowersTheNextSerial) {
  Outfrm& w = OpenWith(Numbered(3));
  EXPECT_EQ(w.Label1.Caption(), "004");
  w.ListView1.ClickItemBy(1);
  h.dialogs().AnswerMessageBox(vb::vbYes);
  w.cmdDelete.ClickBy();
  EXPECT_EQ(w.Label1.Caption(), "003");
}

TEST_F(OutfrmTest, AnsweringNoKeepsTheLogAndHidesTheButtons) {
  Outfrm& w = OpenWith(Numbered(3));
  w.ListView1.ClickItemBy(1);
  h.dialogs().AnswerMessageBox(vb::vbNo);
  w.cmdDelete.ClickBy();
  EXPECT_EQ(store().QSOCount, 3);
  EXPECT_EQ(ReadBytes(work() / "log.txt"), LogOf(Numbered(3)));
  EXPECT_FALSE(w.cmdEdit.Visible());
  EXPECT_FALSE(w.cmdDelete.Visible());
}

TEST_F(OutfrmTest, ARightClickOpensTheEditorThenWritesAndReloadsTheLog) {
  Outfrm& w = OpenWith(Numbered(3));
  bool edited = false;
  h.loop().ScriptModal("DEEditOut", [&](forms::Form& editor) {
    EXPECT_EQ(app().State<EntryState>().EditIndex, 2.0f);
    store().Record(2).LogCounty = "Centre";  // what the editor writes back
    edited = true;
    editor.Hide();
  });
  w.ListView1.ClickItemBy(2, forms::kRightButton);
  EXPECT_TRUE(edited);
  EXPECT_FALSE(app().IsLoaded<DEEditOut>());
  std::vector<LogRecord> records = Numbered(3);
  records[1].LogCounty = "Centre";
  EXPECT_EQ(ReadBytes(work() / "log.txt"), LogOf(records));
  EXPECT_EQ(w.ListView1.Item(2).SubItem(3), "Centre");
  EXPECT_EQ(w.List2.ListCount(), 2);
}

TEST_F(OutfrmTest, ARightClickOnAnEmptyListDoesNothing) {
  Outfrm& w = OpenWith({});
  w.ListView1.MouseUpBy(forms::kRightButton);
  EXPECT_FALSE(app().IsLoaded<DEEditOut>());
}

TEST_F(OutfrmTest, AHeaderClickSortsOnceAsText) {
  Outfrm& w = OpenWith(Numbered(11));
  w.ListView1.ClickColumnBy(1);
  EXPECT_EQ(RowNumbers(w), (std::vector<std::string>{"1", "10", "11", "2", "3", "4", "5", "6", "7", "8", "9"}));
  w.ListView1.ClickColumnBy(1);
  EXPECT_EQ(RowNumbers(w)[1], "10");
  EXPECT_FALSE(w.ListView1.Sorted());
}

TEST_F(OutfrmTest, CopyPutsTheHeaderAndTheRowsOldestFirstOnTheClipboard) {
  std::vector<LogRecord> records = Numbered(2);
  records[1].LogTime = "15:07:09";
  Outfrm& w = OpenWith(records);
  w.mnuCopyListtoClipboard.ChooseBy();
  EXPECT_EQ(h.dialogs().ClipboardText(),
            "Rec#\tCall\tRec\tCounty\tSnt\tDate/Time\tMo\tBnd\tPts\r\n"
            "1\tK1AA\t5\tYork\t1\t10/12 15:00\tCW\t20\t2\r\n"
            "2\tK2AA\t5\tYork\t2\t10/12 15:07\tCW\t20\t2\r\n");
}

TEST_F(OutfrmTest, CopyingAnEmptyListCopiesTheHeader) {
  Outfrm& w = OpenWith({});
  w.mnuCopyListtoClipboard.ChooseBy();
  EXPECT_EQ(h.dialogs().ClipboardText(), "Rec#\tCall\tRec\tCounty\tSnt\tDate/Time\tMo\tBnd\tPts\r\n");
}

TEST_F(OutfrmTest, ListPreviousIsSwitchedAndStored) {
  Outfrm& w = OpenWith({});
  w.mnuListPrevious.ChooseBy();
  EXPECT_TRUE(w.mnuListPrevious.Checked());
  EXPECT_EQ(settings().ListPrevious, 1);
  EXPECT_EQ(PrefLine(25), "1");
  w.mnuListPrevious.ChooseBy();
  EXPECT_EQ(settings().ListPrevious, 0);
}

// A write that fails: log.txt is replaced by a folder of that name.
TEST_F(OutfrmTest, AReloadWhileTheFileIsBehindWritesItFirstAndOtherwiseKeepsMemory) {
  Outfrm& w = OpenWith(Numbered(2));
  store().Record(3) = Contact("K3AA", "Adams");
  store().QSOCount = 3;
  store().FileBehind = true;  // an append of record 3 failed
  fs::remove(work() / "log.txt");
  fs::create_directory(work() / "log.txt");
  w.mnuBand40Ch.ChooseBy();  // the band change reloads
  EXPECT_EQ(store().QSOCount, 3);
  EXPECT_EQ(w.ListView1.ItemCount(), 3);
  EXPECT_EQ(w.List2.ListCount(), 2);
  EXPECT_EQ(CountMessagesTitled("Log File Error"), 1);

  fs::remove(work() / "log.txt");  // the disk is writable again
  w.mnuBand20Ch.ChooseBy();
  EXPECT_EQ(store().QSOCount, 3);
  EXPECT_FALSE(store().FileBehind);
  std::vector<LogRecord> all = Numbered(2);
  all.push_back(Contact("K3AA", "Adams"));
  EXPECT_EQ(ReadBytes(work() / "log.txt"), LogOf(all));
}

}  // namespace
}  // namespace ks::testing
