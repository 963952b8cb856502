// The CW window: cw.txt written by Done and read back, the per-user timing settings, the
// boxes when they are left, the buttons (Test on a line that cannot be raised among them)
// and the keying options.
#include <gtest/gtest.h>

#include "keying/keyer_files.h"
#include "keying/windows/CWFrm.h"
#include "keying/windows/frmWinKey.h"
#include "keying/windows/PhoneFrm.h"
#include "tests/keying/keying_fixture.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/pty_peer.h"

namespace ks::testing {
namespace {

class CWWindowTest : public KeyingTest {
 protected:
  CWFrm& cw() { return app().Get<CWFrm>(); }
  std::string Setting(const std::string& key) {
    return app().Settings().GetSetting("Corvane_Software", "Settings", key, "(none)");
  }
  std::vector<std::string> FileLines() {
    std::vector<std::string> lines;
    std::string all = ReadBytes(work() / "cw.txt"), line;
    for (const char c : all) {
      if (c == '\n') {
        lines.push_back(line);
        line.clear();
      } else if (c != '\r') {
        line += c;
      }
    }
    return lines;
  }
};

TEST_F(CWWindowTest, DoneWritesEighteenValuesThatReadBack) {
  cw().Text1.SetText("CQ PA DE $ $ K");
  cw().Text13.SetText("TU \"73\"");  // a quote the file cannot hold is dropped
  cw().Text11.SetText("28");
  cw().txtSpace.SetText("2");
  cw().Option3.SetValue(true);
  cw().Check1.SetValue(0);
  cw().txtCWLoop.SetText("4.5");
  cw().Show();
  cw().Command1.Press();
  EXPECT_FALSE(cw().Visible());
  const std::vector<std::string> lines = FileLines();
  ASSERT_EQ(lines.size(), 18u);
  EXPECT_EQ(lines[0], "\"CQ PA DE $ $ K\"");
  EXPECT_EQ(lines[8], "\"\"");
  EXPECT_EQ(lines[12], "\"TU 73\"");
  EXPECT_EQ(lines[14], "3");
  EXPECT_EQ(lines[16], "0");
  EXPECT_EQ(lines[17], "\"4.5\"");

  forms::Headless again;
  again.app().State<Folders>().WorkingDir = work();
  LoadCWSettings(again.app());
  CWFrm& read = again.app().Get<CWFrm>();
  EXPECT_EQ(read.Text1.Text(), "CQ PA DE $ $ K");
  EXPECT_EQ(read.Text9.Text(), "VVV DE ");
  EXPECT_EQ(read.Text13.Text(), "TU 73");
  EXPECT_EQ(read.Text11.Text(), "28");
  EXPECT_EQ(read.txtSpace.Text(), "2");
  EXPECT_TRUE(read.Option3.Value());
  EXPECT_EQ(read.Check1.Value(), 0);
  EXPECT_EQ(read.tmrRepeat.Interval(), 4500);
}

TEST_F(CWWindowTest, DoneKeepsAFileTheSetupCouldNotRead) {
  WriteBytes(work() / "cw.txt", "\"stored\"\r\n");
  keying().CWFileSkipped = true;
  cw().Command1.Press();
  EXPECT_EQ(ReadBytes(work() / "cw.txt"), "\"stored\"\r\n");
  ASSERT_EQ(h.dialogs().message_boxes.size(), 1u);
  EXPECT_EQ(Setting("UserCWSelection"), "(none)");
  // With no file to lose, Done writes.
  std::filesystem::remove(work() / "cw.txt");
  cw().Command1.Press();
  EXPECT_EQ(FileLines().size(), 18u);
}

// A keyer's settings file that cannot be written is named to the operator, and the old file
// stays whole.
TEST_F(CWWindowTest, DoneOnAFullDiskSaysSoAndKeepsTheOldFile) {
  struct Case {
    const char* file;
    forms::CommandButton& done;
  };
  const Case cases[] = {{"cw.txt", cw().Command1}, {"wave2.txt", app().Get<PhoneFrm>().Command1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    WriteBytes(work() / c.file, "\"stored\"\r\n");
    h.dialogs().message_boxes.clear();
    {
      FileSizeLimit disk_full(4);
      c.done.Press();
    }
    EXPECT_EQ(ReadBytes(work() / c.file), "\"stored\"\r\n");
    ASSERT_EQ(h.dialogs().message_boxes.size(), 1u);
    EXPECT_EQ(h.dialogs().message_boxes[0].title, "Settings Not Saved");
    EXPECT_NE(h.dialogs().message_boxes[0].text.find(c.file), std::string::npos);
  }
}

// The timing choice lives in the per-user store; a store that cannot be written is named, and
// cw.txt is still written.
TEST_F(CWWindowTest, DoneSaysSoWhenThePerUserStoreCannotBeWritten) {
  const std::filesystem::path store = app().Settings().Location("Corvane_Software");
  std::filesystem::create_directories(store);
  cw().Command1.Press();
  EXPECT_EQ(FileLines().size(), 18u);
  ASSERT_EQ(h.dialogs().message_boxes.size(), 1u);
  EXPECT_EQ(h.dialogs().message_boxes[0].title, "Settings Not Saved");
  EXPECT_NE(h.dialogs().message_boxes[0].text.find(store.string()), std::string::npos);
}

TEST_F(CWWindowTest, TimingChoiceIsKeptPerUser) {
  cw().OptSleep.SetValue(true);
  cw().txtLoop.SetText("1234");
  cw().Command1.Press();
  EXPECT_EQ(Setting("UserCWSelection"), "Sleep");
  EXPECT_EQ(Setting("UserCWLoopOffset"), "1234");
  cw().Unload();
  EXPECT_TRUE(cw().OptSleep.Value());
  EXPECT_EQ(cw().LoopsPer60ms, 1234);
  EXPECT_FALSE(cw().txtLoop.Enabled());
}

TEST_F(CWWindowTest, StoredChoiceIsComparedExactly) {
  app().Settings().SaveSetting("Corvane_Software", "Settings", "UserCWSelection", "loop");
  EXPECT_TRUE(cw().optTimer.Value());
  EXPECT_FALSE(cw().txtLoop.Enabled());
}

TEST_F(CWWindowTest, LoopButtonsScaleTheCount) {
  cw().txtLoop.SetText("1000");
  cw().cmdLoopFaster.Press();
  EXPECT_EQ(cw().txtLoop.Text(), "900");
  EXPECT_EQ(cw().LoopsPer60ms, 900);
  cw().cmdLoopSlower.Press();
  EXPECT_EQ(cw().txtLoop.Text(), "1000");
}

TEST_F(CWWindowTest, BoxesAreCorrectedWhenLeft) {
  const struct {
    forms::TextBox* box;
    const char* typed;
    const char* kept;
  } cases[] = {{&cw().Text11, "x", "0"}, {&cw().txtSpace, "-", "0"}, {&cw().txtCWLoop, "60", "0"},
               {&cw().txtCWLoop, "59.9", "59.9"}, {&cw().Text10, ":", "0"}};
  for (const auto& c : cases) {
    c.box->SetText(c.typed);
    c.box->LostFocus();
    EXPECT_EQ(c.box->Text(), c.kept) << c.box->Name() << " " << c.typed;
  }
  EXPECT_EQ(cw().tmrRepeat.Interval(), 59900);
}

TEST_F(CWWindowTest, WordSpaceStaysAtMinusEightOrAbove) {
  cw().txtSpace.SetText("-8");
  cw().Command5.Press();
  EXPECT_EQ(cw().txtSpace.Text(), "-8");
  cw().Command6.Press();
  EXPECT_EQ(cw().txtSpace.Text(), "-7");
}

TEST_F(CWWindowTest, KeyFiltersOfTheBoxes) {
  cw().Show();
  cw().Text1.SetFocus();
  cw().TypeText("cq\"x");
  EXPECT_EQ(cw().Text1.Text(), "CQX");
  cw().Text11.SetText("");
  cw().Text11.SetFocus();
  cw().TypeText("2a5.");
  EXPECT_EQ(cw().Text11.Text(), "25");
}

TEST_F(CWWindowTest, KeyingOptionsSetCWKeying) {
  const struct {
    forms::OptionButton* option;
    std::uint8_t keying;
  } cases[] = {{&cw().Option1, 1}, {&cw().Option2, 2}, {&cw().Option3, 3}, {&cw().Option5, 5}, {&cw().Option4, 0}};
  for (const auto& c : cases) {
    c.option->SetValue(true);
    EXPECT_EQ(keying().CWKeying, c.keying) << c.option->Name();
  }
  // WinKey showed its button and loaded its window, and the button stays.
  EXPECT_TRUE(cw().cmdConfWinkey.Visible());
  EXPECT_TRUE(app().IsLoaded<frmWinKey>());
  EXPECT_FALSE(app().Get<frmWinKey>().Visible());
}

TEST_F(CWWindowTest, TestSendsTheF9MessageOrAsksForAPort) {
  cw().Text9.SetText("E");
  cw().Option3.SetValue(true);
  cw().Command4.Press();
  EXPECT_EQ(devices->transitions.size(), 2u);
  EXPECT_FALSE(cw().Label23.Visible());
  cw().Option1.SetValue(true);
  cw().Command4.Press();
  ASSERT_EQ(h.dialogs().message_boxes.size(), 1u);
  EXPECT_EQ(h.dialogs().message_boxes[0].title, "A com port is required.");
  EXPECT_EQ(devices->transitions.size(), 2u);
}

// Test on a line that cannot be raised (a pseudo-terminal has no modem-control lines): the
// operator pressed Test in this window and is told in its notice label, where the main
// window may be out of sight, without a window that waits; "Sending!" does not stay. The
// next Test that keys takes the notice back.
TEST_F(CWWindowTest, TestOnALineThatCannotBeRaisedSaysSo) {
  PtyPeer peer;
  MapPort(2, peer.SlavePath());
  devices->modem_lines = false;
  entry();
  cw().Text9.SetText("VVV DE ");
  cw().Text10.SetText("2");
  cw().Option2.SetValue(true);
  cw().Command4.Press();
  const std::string notice =
      "CW stopped, nothing keyed: the DTR line of port 2 cannot be raised: the port has no modem-control "
      "lines. Not sent: \"VVV DE \"";
  EXPECT_TRUE(h.dialogs().message_boxes.empty());
  EXPECT_EQ(cw().lblNotice.Caption(), notice);
  EXPECT_EQ(cw().lblNotice.ToolTipText(), notice);
  EXPECT_EQ(entry().lblDialog.Caption(), CWFrm::kLineNotice);
  EXPECT_FALSE(cw().Label23.Visible());
  EXPECT_DOUBLE_EQ(devices->waits.now, 0);

  cw().Option3.SetValue(true);  // the parallel line keys
  cw().Text9.SetText("E");
  cw().Command4.Press();
  EXPECT_EQ(devices->transitions.size(), 2u);
  EXPECT_EQ(cw().lblNotice.Caption(), "");
  EXPECT_EQ(entry().lblDialog.Caption(), "");
  EXPECT_TRUE(h.dialogs().message_boxes.empty());
}

}  // namespace
}  // namespace ks::testing
