// The clocks and the operating time on virtual time.
#include <gtest/gtest.h>

#include "platform/io/files.h"
#include "tests/mainwin/main_window_fixture.h"

namespace ks {
namespace {

using testing::MainWindowBench;

TEST(MainWindowClocks, TickShowsLocalAmPmAndUtc) {
  MainWindowBench bench;  // 20:05:09 UTC, local five hours behind
  MainWindow& w = bench.Open();
  bench.headless().Advance(1000);
  EXPECT_EQ(w.lblCurTime.Caption(), "3:05:10");
  EXPECT_EQ(w.Label16.Caption(), "PM");
  EXPECT_EQ(w.lblutctime.Caption(), "20:05:10");
}

TEST(MainWindowClocks, UtcClockWrapsAtMidnight) {
  MainWindowBench bench;
  bench.headless().clock().SetUtc({2013, 10, 13, 3, 29, 59});  // 22:29:59 local
  MainWindow& w = bench.Open();
  bench.headless().Advance(1000);
  EXPECT_EQ(w.lblCurTime.Caption(), "10:30:00");
  EXPECT_EQ(w.lblutctime.Caption(), "03:30:00");
}

struct OperatingTimeCase {
  float seconds;
  const char* text;
};

class OperatingTimeText : public ::testing::TestWithParam<OperatingTimeCase> {};

TEST_P(OperatingTimeText, ShownAsHoursMinutesSeconds) {
  MainWindowBench bench;
  bench.settings().TimeOnTotal = GetParam().seconds;
  MainWindow& w = bench.Open();
  EXPECT_EQ(w.lblttrack.Caption(), GetParam().text);
  EXPECT_EQ(bench.app().State<RunState>().TimeOnCurrent, GetParam().seconds);
}

INSTANTIATE_TEST_SUITE_P(Totals, OperatingTimeText,
                         ::testing::Values(OperatingTimeCase{3725, "01:02:05"}, OperatingTimeCase{45, "00:00:45"},
                                           OperatingTimeCase{10, "00:00:10"}, OperatingTimeCase{0, "00:00:00"},
                                           OperatingTimeCase{360000, "00:00:00"},
                                           OperatingTimeCase{86399, "23:59:59"}));

TEST(MainWindowClocks, TimeOnCountsAndTimeOffStoresTheTotal) {
  MainWindowBench bench;
  bench.settings().TimeOnTotal = 3725;
  MainWindow& w = bench.Open();
  auto& run = bench.app().State<RunState>();

  bench.headless().Advance(5000);
  EXPECT_EQ(w.lblttrack.Caption(), "01:02:05");  // logged off: the label stays

  ASSERT_TRUE(w.cmdLogOn.ClickBy());
  EXPECT_TRUE(run.LoggedOn);
  EXPECT_EQ(w.cmdLogOn.Caption(), "&Log \"Time Off\"");
  EXPECT_EQ(w.lblDialog.Caption(), " ");
  EXPECT_TRUE(w.txtCall.HasFocus());
  bench.headless().Advance(65000);
  EXPECT_EQ(w.lblttrack.Caption(), "01:03:10");
  EXPECT_EQ(run.TimeOnCurrent, 3790);

  ASSERT_TRUE(w.cmdLogOn.ClickBy());
  EXPECT_FALSE(run.LoggedOn);
  EXPECT_EQ(w.cmdLogOn.Caption(), "&Log \"Time On\"");
  EXPECT_EQ(bench.settings().TimeOnTotal, 3790);
  // The local clock reads 15:06:19 on 10/12/2013; UTC is five hours on.
  EXPECT_EQ(w.lblDialog.Caption(), "Logged Off at 10/12/2013 20:06:19");
  bench.settings().TimeOnTotal = 0;
  ASSERT_TRUE(ReadPrefFile(bench.app()));
  EXPECT_EQ(bench.settings().TimeOnTotal, 3790);

  bench.headless().Advance(30000);
  EXPECT_EQ(w.lblttrack.Caption(), "01:03:10");
  ASSERT_TRUE(w.cmdLogOn.ClickBy());
  bench.headless().Advance(10000);
  EXPECT_EQ(w.lblttrack.Caption(), "01:03:20");  // continues from the stored total
}

TEST(MainWindowClocks, ClockSetBackShowsTheAbsoluteValue) {
  MainWindowBench bench;
  MainWindow& w = bench.Open();
  ASSERT_TRUE(w.cmdLogOn.ClickBy());
  bench.headless().clock().SetUtc({2013, 10, 12, 20, 4, 0});  // 70 s before Time On
  bench.headless().Advance(1000);
  EXPECT_EQ(w.lblttrack.Caption(), "00:01:08");
}

}  // namespace
}  // namespace ks
