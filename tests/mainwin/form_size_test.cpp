// The Form Size and Taskbar commands, and the form size applied by the load.
#include <gtest/gtest.h>

#include <optional>

#include "platform/vb/constants.h"
#include "tests/mainwin/main_window_fixture.h"

namespace ks {
namespace {

using testing::MainWindowBench;

const char* const kNumericTitle = "Numeric Values Required";
const char* const kRestartTitle = "For this setting to take effect please restart this program.";

struct FormSizeCase {
  std::optional<std::string> answer;
  int stored;  // -1: refused as not numeric
};

class FormSizeCommand : public ::testing::TestWithParam<FormSizeCase> {};

TEST_P(FormSizeCommand, ClampsRoundsAndStoresForTheNextStart) {
  MainWindowBench bench;
  bench.settings().FormSizePercent = 90;
  MainWindow& w = bench.Open();
  const float width = w.Width();
  bench.dialogs().AnswerInputBox(GetParam().answer);
  ASSERT_TRUE(w.mnuFormSize.ChooseBy());

  ASSERT_EQ(bench.dialogs().input_boxes.size(), 1u);
  const auto& asked = bench.dialogs().input_boxes[0];
  EXPECT_EQ(asked.prompt,
            "Enter the % of the screen you would like the form to cover.  Try between 90 and 100 for best results.  "
            "Values below 75 do not display well.");
  EXPECT_EQ(asked.title, "Please enter screen percentage.");
  EXPECT_EQ(asked.default_text, "90");
  const auto& last = bench.dialogs().message_boxes.back();
  if (GetParam().stored < 0) {
    EXPECT_EQ(last.title, kNumericTitle);
    EXPECT_EQ(last.text, "Please enter only numeric values.");
    EXPECT_EQ(bench.settings().FormSizePercent, 90);
  } else {
    EXPECT_EQ(last.title, kRestartTitle);
    EXPECT_EQ(last.text, "This program must be closed and restarted for this setting to take effect.");
    EXPECT_EQ(bench.settings().FormSizePercent, GetParam().stored);
    bench.settings().FormSizePercent = 0;
    ASSERT_TRUE(ReadPrefFile(bench.app()));
    EXPECT_EQ(bench.settings().FormSizePercent, GetParam().stored);
  }
  EXPECT_EQ(w.Width(), width);  // the open window keeps its size
}

INSTANTIATE_TEST_SUITE_P(Answers, FormSizeCommand,
                         ::testing::Values(FormSizeCase{"150", 100}, FormSizeCase{"100", 100}, FormSizeCase{"10", 30},
                                           FormSizeCase{"-5", 30}, FormSizeCase{"30", 30}, FormSizeCase{"55", 55},
                                           FormSizeCase{"75.5", 76}, FormSizeCase{"74.5", 74},
                                           FormSizeCase{"abc", -1}, FormSizeCase{"", -1},
                                           FormSizeCase{std::nullopt, -1}));

TEST(TaskbarCommand, RefusedBelowFullSize) {
  MainWindowBench bench;
  bench.settings().FormSizePercent = 80;
  MainWindow& w = bench.Open();
  ASSERT_TRUE(w.mnuTaskbar.ChooseBy());
  const auto& last = bench.dialogs().message_boxes.back();
  EXPECT_EQ(last.text, "The form size must be set to 100% to use the taskbar display option.");
  EXPECT_EQ(last.title, "Please set your form size to 100% to use this option.");
  EXPECT_EQ(bench.settings().TaskbarMode, 0);
  EXPECT_FALSE(w.mnuTaskbar.Checked());
}

TEST(TaskbarCommand, FitsTheWorkAreaAndBack) {
  forms::Screen screen = forms::Screen::FromPixels(1920, 1080);
  MainWindowBench bench;
  bench.app().SetScreen([&] {
    screen.work_height = 15600;
    return screen;
  }());
  MainWindow& w = bench.Open();
  const float top = w.txtCall.Top();
  const float height = w.List1.Height();
  const float comments = w.txtDX.Column(5).width;

  ASSERT_TRUE(w.mnuTaskbar.ChooseBy());
  EXPECT_EQ(bench.settings().TaskbarMode, 1);
  EXPECT_TRUE(w.mnuTaskbar.Checked());
  EXPECT_EQ(w.Left(), 0);
  EXPECT_EQ(w.Top(), 0);
  EXPECT_EQ(w.Height(), 15600);
  EXPECT_EQ(w.Width(), 28800);
  EXPECT_NEAR(w.txtCall.Top(), top * 15600 / 16200, 0.01f);
  EXPECT_NEAR(w.List1.Height(), height * 15600 / 16200, 0.5f);
  EXPECT_FLOAT_EQ(w.txtDX.Column(5).width, comments);
  EXPECT_TRUE(w.Visible());
  bench.settings().TaskbarMode = 9;
  ASSERT_TRUE(ReadPrefFile(bench.app()));
  EXPECT_EQ(bench.settings().TaskbarMode, 1);

  ASSERT_TRUE(w.mnuTaskbar.ChooseBy());
  EXPECT_EQ(bench.settings().TaskbarMode, 0);
  EXPECT_FALSE(w.mnuTaskbar.Checked());
  EXPECT_EQ(w.Height(), 16200);
  EXPECT_NEAR(w.txtCall.Top(), top, 0.01f);
}

TEST(FormSizeLoad, EightyPercentOfAWideScreen) {
  MainWindowBench full;
  MainWindow& at100 = full.Open();
  MainWindowBench bench;
  bench.settings().FormSizePercent = 80;
  MainWindow& w = bench.Open();
  EXPECT_EQ(w.Width(), 23040);
  EXPECT_EQ(w.Height(), 12960);
  EXPECT_EQ(w.Left(), 2880);
  EXPECT_EQ(w.Top(), 1620);
  for (forms::Control* c : {static_cast<forms::Control*>(&w.txtCall), static_cast<forms::Control*>(&w.ListView1),
                            static_cast<forms::Control*>(&w.cmdLogOn), static_cast<forms::Control*>(&w.lblDialog)}) {
    forms::Control* reference = at100.FindControl(c->Name());
    ASSERT_NE(reference, nullptr);
    SCOPED_TRACE(c->Name());
    EXPECT_FLOAT_EQ(c->Left(), reference->Left() * 80 / 100);
    EXPECT_FLOAT_EQ(c->Top(), reference->Top() * 80 / 100);
    EXPECT_FLOAT_EQ(c->Width(), reference->Width() * 80 / 100);
    EXPECT_FLOAT_EQ(c->FontSize(), reference->FontSize() * 80 / 100);
  }
  EXPECT_FLOAT_EQ(w.ListView1.Column(2).width, at100.ListView1.Column(2).width * 80 / 100);
  EXPECT_FLOAT_EQ(w.txtDX.Column(3).width, at100.txtDX.Column(3).width * 80 / 100);
  EXPECT_FLOAT_EQ(w.FontSize(), at100.FontSize() * 80 / 100);
}

// A hand-edited size that the Form Size command would never store is taken as 100 at load:
// the window covers the screen instead of having no size.
TEST(FormSizeLoad, ASizeOutsideThirtyToAHundredIsTakenAsAHundred) {
  const struct {
    int stored;
    int taken;
  } cases[] = {{0, 100}, {29, 100}, {101, 100}, {255, 100}, {30, 30}, {100, 100}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored);
    MainWindowBench bench;
    bench.settings().FormSizePercent = static_cast<std::uint8_t>(c.stored);
    MainWindow& w = bench.Open();
    EXPECT_EQ(bench.settings().FormSizePercent, c.taken);
    EXPECT_EQ(w.Width(), 28800 * c.taken / 100);
    EXPECT_TRUE(w.Visible());
  }
}

TEST(MainWindowEvents, MouseOverTheBackgroundBlanksTheDuplicateLabel) {
  MainWindowBench bench;
  MainWindow& w = bench.Open();
  w.Show();
  w.lblDupe.SetCaption("K1ABC");
  w.MouseMoveBy(0, 0, 100, 100);
  EXPECT_EQ(w.lblDupe.Caption(), "");
}

}  // namespace
}  // namespace ks
