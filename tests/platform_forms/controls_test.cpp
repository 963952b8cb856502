// Option groups, sorted lists, list views, control arrays, menus, dialogs and colours.
#include <gtest/gtest.h>

#include "platform/forms/headless.h"
#include "tests/platform_forms/test_window.h"

namespace ks::testing {
namespace {

using forms::Headless;

TEST(Options, OneChoicePerContainer) {
  Headless h;
  auto& f = h.app().Get<frmTest>();
  f.Show();
  int clicks = 0;
  f.Option2.Click = [&] { ++clicks; };
  f.Option1.SetValue(true);
  f.Option3.SetValue(true);
  f.Option2.ClickBy();
  EXPECT_FALSE(f.Option1.Value());
  EXPECT_TRUE(f.Option2.Value());
  EXPECT_TRUE(f.Option3.Value()) << "a button of another container keeps its choice";
  EXPECT_EQ(clicks, 1);
  f.Option2.ClickBy();
  EXPECT_EQ(clicks, 1) << "choosing the chosen button again is no change";
  f.Option4.ClickBy();
  EXPECT_FALSE(f.Option3.Value());
}

TEST(Options, DisabledButtonIgnoresTheOperator) {
  Headless h;
  auto& f = h.app().Get<frmTest>();
  f.Show();
  f.Frame1.SetEnabled(false);
  EXPECT_FALSE(f.Option1.ClickBy());
  EXPECT_FALSE(f.Option1.Value());
}

TEST(ListBoxes, SortedWithoutRegardToCase) {
  Headless h;
  auto& f = h.app().Get<frmTest>();
  f.List1.Sorted = true;
  for (const char* county : {"York", "adams", "Bucks", "ALLEGHENY", "Adams"}) f.List1.AddItem(county);
  const std::vector<std::string> expected{"adams", "Adams", "ALLEGHENY", "Bucks", "York"};
  EXPECT_EQ(f.List1.Items(), expected);
}

TEST(ListBoxes, SelectionFollowsItsItemAndClickFires) {
  Headless h;
  auto& f = h.app().Get<frmTest>();
  f.Show();
  int clicks = 0;
  f.List1.Click = [&] { ++clicks; };
  for (const char* item : {"b", "c"}) f.List1.AddItem(item);
  f.List1.SetListIndex(1);
  EXPECT_EQ(clicks, 1);
  f.List1.AddItem("a", 0);
  EXPECT_EQ(f.List1.ListIndex(), 2);
  EXPECT_EQ(f.List1.Text(), "c");
  f.List1.RemoveItem(2);
  EXPECT_EQ(f.List1.ListIndex(), -1);
  EXPECT_EQ(f.List1.List(7), "") << "outside the list reads as empty";
  f.List1.SelectBy(0);
  f.List1.SelectBy(0);
  EXPECT_EQ(clicks, 3) << "a click by the operator fires even on the selected item";
}

// The keys move the selection and, as the toolkit does, raise Click for each new item; a
// list that acts on its clicks can have the keys only choose. A key that leaves the
// selection where it is (Down on the last item) is no click.
TEST(ListBoxes, KeyboardSelectionClicksUnlessTurnedOff) {
  for (const bool click_on_keys : {true, false}) {
    SCOPED_TRACE(click_on_keys);
    Headless h;
    auto& f = h.app().Get<frmTest>();
    f.Show();
    int clicks = 0;
    f.List1.Click = [&] { ++clicks; };
    f.List1.ClickOnKeyboardSelect = click_on_keys;
    for (const char* item : {"a", "b"}) f.List1.AddItem(item);
    EXPECT_TRUE(f.List1.SelectByKey(0));
    EXPECT_TRUE(f.List1.SelectByKey(1));
    EXPECT_FALSE(f.List1.SelectByKey(1));
    EXPECT_EQ(f.List1.ListIndex(), 1);
    EXPECT_EQ(clicks, click_on_keys ? 2 : 0);
  }
}

TEST(ListViews, SortByColumnBothWays) {
  Headless h;
  auto& f = h.app().Get<frmTest>();
  auto& lv = f.ListView1;
  lv.AddColumn("Call", 1000);
  lv.AddColumn("County", 1000, forms::Alignment::Right);
  const std::vector<std::pair<std::string, std::string>> rows{{"W3AA", "york"}, {"K3ZZ", "Adams"}, {"N3MM", "Bucks"}};
  for (const auto& [call, county] : rows) {
    const int i = lv.AddItem(call);
    lv.UpdateItem(i, [&](forms::ListItem& item) { item.SetSubItem(1, county); });
  }
  lv.SetSelectedIndex(2);  // K3ZZ
  lv.SetSortKey(1);
  lv.SetSorted(true);
  EXPECT_EQ(lv.Item(1).text, "K3ZZ");
  EXPECT_EQ(lv.Item(3).text, "W3AA");
  EXPECT_EQ(lv.SelectedIndex(), 1) << "the selection stays with its item";
  lv.SetSortOrder(1);
  EXPECT_EQ(lv.Item(1).SubItem(1), "york");
  lv.SetSortKey(0);
  EXPECT_EQ(lv.Item(1).text, "W3AA");
  EXPECT_EQ(lv.Column(2).alignment, forms::Alignment::Right);
}

TEST(ListViews, ClickingAnItemSelectsItThenRaisesItemClick) {
  Headless h;
  auto& f = h.app().Get<frmTest>();
  f.Show();
  auto& lv = f.ListView1;
  lv.AddItem("one");
  lv.AddItem("two");
  int clicked = 0;
  lv.ItemClick = [&](int i) {
    clicked = i;
    EXPECT_EQ(lv.SelectedIndex(), i);
  };
  int column = 0;
  lv.AddColumn("A", 100);
  lv.ColumnClick = [&](int c) { column = c; };
  EXPECT_TRUE(lv.ClickItemBy(2));
  EXPECT_EQ(clicked, 2);
  EXPECT_FALSE(lv.ClickItemBy(3));
  lv.ClickColumnBy(1);
  EXPECT_EQ(column, 1);
}

TEST(ControlArrays, LoadAtRunTimeCopiesTheFirstElementHidden) {
  Headless h;
  auto& f = h.app().Get<frmTest>();
  auto& first = f.Label10.Design(1);
  first.Move(100, 200, 300, 400);
  first.SetFontSize(12);
  auto& added = f.Label10.Load(2);
  EXPECT_EQ(added.Index(), 2);
  EXPECT_EQ(added.Width(), 300);
  EXPECT_EQ(added.FontSize(), 12);
  EXPECT_FALSE(added.Visible());
  EXPECT_EQ(f.Label10.UBound(), 2);
  EXPECT_EQ(f.FindControl("Label10", 2), &added);
  f.Label10.Unload(2);
  EXPECT_EQ(f.FindControl("Label10", 2), nullptr);
}

TEST(Menus, AccessKeysAndChoosing) {
  Headless h;
  auto& f = h.app().Get<frmTest>();
  forms::Menu file{f, "mnuFile", nullptr, "&File"};
  forms::Menu exit{f, "mnuExit", &file, "E&xit"};
  int chosen = 0;
  exit.Click = [&] { ++chosen; };
  EXPECT_EQ(file.AccessKey(), 'F');
  EXPECT_EQ(exit.AccessKey(), 'X');
  EXPECT_TRUE(exit.ChooseBy());
  file.SetEnabled(false);
  EXPECT_FALSE(exit.ChooseBy()) << "a disabled parent menu offers nothing";
  EXPECT_EQ(chosen, 1);
  EXPECT_TRUE(f.HasMenuBar());
}

// A button answers its access key only while the operator could click it.
TEST(Buttons, AccessKeyFindsAButtonThatCanBeClicked) {
  Headless h;
  auto& f = h.app().Get<frmTest>();
  f.Show();
  forms::CommandButton done{f, "cmdDone", &f.Frame1};
  done.SetCaption("Fish && &Chips");
  f.Command1.SetCaption("&&Done");
  EXPECT_EQ(f.ButtonOfAccessKey('C'), &done);
  EXPECT_EQ(f.ButtonOfAccessKey('D'), nullptr) << "\"&&\" is a plain ampersand";
  f.Frame1.SetEnabled(false);
  EXPECT_EQ(f.ButtonOfAccessKey('C'), nullptr) << "its frame is disabled";
  f.Frame1.SetEnabled(true);
  done.SetVisible(false);
  EXPECT_EQ(f.ButtonOfAccessKey('C'), nullptr);
}

TEST(Dialogs, MessageBoxesAreRecordedWithTextAndTitle) {
  Headless h;
  h.dialogs().AnswerMessageBox(7);
  EXPECT_EQ(h.app().MsgBox("Open existing log?", 4, "Log File"), 7);
  EXPECT_EQ(h.app().MsgBox("Error opening file.", 0, "File Error"), 1);
  EXPECT_EQ(h.app().MsgBox("Sure?", 4), 6) << "unscripted: the first button";
  ASSERT_EQ(h.dialogs().message_boxes.size(), 3u);
  EXPECT_EQ(h.dialogs().message_boxes[1].text, "Error opening file.");
  EXPECT_EQ(h.dialogs().message_boxes[1].title, "File Error");
  EXPECT_EQ(h.dialogs().message_boxes[2].title, "Keystone");
}

TEST(Dialogs, InputBoxCancelGivesTheEmptyAnswer) {
  Headless h;
  h.dialogs().AnswerInputBox(std::nullopt);
  h.dialogs().AnswerInputBox("yes");
  EXPECT_EQ(h.app().InputBox("Type YES", "WARNING"), "");
  EXPECT_EQ(h.app().InputBox("Type YES", "WARNING"), "yes");
  EXPECT_EQ(h.app().InputBox("Offset?", "UTC", "5"), "5");
  EXPECT_EQ(h.dialogs().input_boxes[2].default_text, "5");
}

TEST(Dialogs, FileAndColourDialogsKeepTheirSettingsOnCancel) {
  Headless h;
  auto& f = h.app().Get<frmTest>();
  forms::CommonDialog cdb{f, "cdbFile"};
  cdb.FileName = "/tmp/old.log";
  cdb.Filter = "Log (*.log)|*.log";
  cdb.Flags = forms::CommonDialog::kOverwritePrompt;
  EXPECT_FALSE(cdb.ShowSave());
  EXPECT_EQ(cdb.FileName, "/tmp/old.log");
  EXPECT_TRUE(h.dialogs().file_dialogs[0].save);
  EXPECT_EQ(h.dialogs().file_dialogs[0].flags, 2);
  h.dialogs().AnswerFileDialog({true, "/tmp/new.log", 1});
  EXPECT_TRUE(cdb.ShowOpen());
  EXPECT_EQ(cdb.FileTitle(), "new.log");

  cdb.ColorValue = forms::Rgb(1, 2, 3);
  EXPECT_FALSE(cdb.ShowColor());
  EXPECT_EQ(cdb.ColorValue, forms::Rgb(1, 2, 3));
  EXPECT_EQ(h.dialogs().color_dialogs[0].initial, forms::colors::kBlack) << "no initial colour without the flag";
  h.dialogs().AnswerColorDialog({true, forms::Rgb(255, 0, 0)});
  cdb.Flags = forms::CommonDialog::kColorInit;
  EXPECT_TRUE(cdb.ShowColor());
  EXPECT_EQ(cdb.ColorValue, 255u) << "red lives in the low byte";
}

TEST(Pictures, DrawingIsRecordedAndCleared) {
  Headless h;
  auto& f = h.app().Get<frmTest>();
  forms::PictureBox pic{f, "Picture1"};
  pic.DrawLine(0, 0, 100, 100, forms::colors::kRed);
  pic.DrawText(10, 10, "Erie", forms::colors::kBlack);
  pic.FloodFill(50, 50, forms::colors::kGreen);
  ASSERT_EQ(pic.Drawing().size(), 3u);
  EXPECT_EQ(pic.Drawing()[1].text, "Erie");
  pic.Cls();
  EXPECT_TRUE(pic.Drawing().empty());
}

}  // namespace
}  // namespace ks::testing
