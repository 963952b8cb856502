// The help page shows ReadSQSO.txt of the working folder whole, read afresh each time.
#include <gtest/gtest.h>

#include "station/windows/Form5.h"
#include "tests/county_windows/window_fixture.h"

namespace ks::testing {
namespace {

using HelpPage = WindowFixture;

TEST_F(HelpPage, ShowsTheHelpTextWithItsLineBreaks) {
  io::WriteFileAtomic(work() / kHelpFileName, "KEYSTONE\r\n\r\nPress Enter to log.\r\n");
  ShowModalWith<Form5>("Form5", [&](Form5& f) {
    EXPECT_EQ(f.Caption(), "Help Page");
    EXPECT_EQ(f.Text1.Text(), "KEYSTONE\r\n\r\nPress Enter to log.\r\n");
    EXPECT_TRUE(f.Text1.MultiLine);
    EXPECT_TRUE(f.Text1.Locked);
    EXPECT_EQ(f.Text1.BackColor(), forms::Rgb(224, 224, 224));
    EXPECT_TRUE(f.Command1.HasFocus());
    EXPECT_FALSE(f.Command2.Visible());
    f.Text1.SetFocus();
    f.TypeText("x");
    EXPECT_EQ(f.Text1.Text(), "KEYSTONE\r\n\r\nPress Enter to log.\r\n");  // read-only
    f.Command1.ClickBy();
    EXPECT_FALSE(f.Visible());
  });
}

// An editor may put a byte-order mark before the text; it is no character of the page.
TEST_F(HelpPage, AByteOrderMarkAtTheHeadOfTheFileIsNotShown) {
  io::WriteFileAtomic(work() / kHelpFileName, "\xEF\xBB\xBFKEYSTONE\r\n");
  ShowModalWith<Form5>("Form5", [&](Form5& f) {
    EXPECT_EQ(f.Text1.Text(), "KEYSTONE\r\n");
    f.Command1.ClickBy();
  });
}

TEST_F(HelpPage, ShowsTheSuppliedHelpFileWhole) {
  std::string supplied;
  ASSERT_TRUE(io::ReadFile(std::filesystem::path(KEYSTONE_SOURCE_DIR) / "data" / kHelpFileName, supplied, io::kTableFileMaxBytes).ok());
  io::WriteFileAtomic(work() / "readsqso.TXT", supplied);  // found without regard to case
  ShowModalWith<Form5>("Form5", [&](Form5& f) { EXPECT_EQ(f.Text1.Text(), supplied); });
}

TEST_F(HelpPage, AMissingOrEmptyFileGivesAnEmptyPageWithoutAMessage) {
  ShowModalWith<Form5>("Form5", [&](Form5& f) { EXPECT_EQ(f.Text1.Text(), ""); });
  app().Get<Form5>().Unload();
  io::WriteFileAtomic(work() / kHelpFileName, "");
  ShowModalWith<Form5>("Form5", [&](Form5& f) { EXPECT_EQ(f.Text1.Text(), ""); });
  EXPECT_TRUE(dialogs().message_boxes.empty());
}

}  // namespace
}  // namespace ks::testing
