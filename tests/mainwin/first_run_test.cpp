// A first run as a new user starts it: the start-up, the setup window's Done, and the main
// window of either kind loaded, fitted, ticking and counting the operating time.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "logstore/log_store.h"
#include "mainwin/windows/Infrm.h"
#include "mainwin/windows/Outfrm.h"
#include "platform/forms/headless.h"
#include "startup/windows/frmSplash.h"
#include "startup/windows/supplied_files.h"
#include "station/station_settings.h"
#include "station/windows/frmStationID.h"
#include "tests/support/temp_dir.h"

namespace ks {
namespace {

namespace fs = std::filesystem;

class FirstRun : public ::testing::TestWithParam<bool> {};

TEST_P(FirstRun, SetupDoneOpensTheMainWindowWithClocksAndOperatingTime) {
  const bool in_state = GetParam();
  testing::TempDir home;
  testing::TempDir work;
  forms::Headless h(forms::Screen::FromPixels(1920, 1080));
  h.env().Set("HOME", home.path().string());
  h.clock().SetUtc({2013, 10, 12, 20, 0, 0});
  h.clock().SetLocalOffsetMinutes(-240);
  forms::Application& app = h.app();
  const fs::path data = fs::path(KEYSTONE_SOURCE_DIR) / "data";
  for (const auto& entry : fs::directory_iterator(data))
    if (entry.is_regular_file()) fs::copy_file(entry.path(), work / entry.path().filename().string());
  app.SetStartDirectory(work.path());
  app.State<SuppliedFiles>().Folder = data;

  app.Get<frmSplash>();
  frmStationID* setup = app.IfLoaded<frmStationID>();
  ASSERT_NE(setup, nullptr);
  ASSERT_TRUE(setup->Visible());
  setup->Text1.SetText("W3XYZ");
  setup->Text8.SetText("Centre");
  (in_state ? setup->Option1 : setup->Option2).ClickBy();
  ASSERT_TRUE(setup->Command1.ClickBy());
  h.loop().RunPosted();

  EXPECT_EQ(app.IfLoaded<frmStationID>(), nullptr);
  MainWindow* main = in_state ? static_cast<MainWindow*>(app.IfLoaded<Infrm>()) : app.IfLoaded<Outfrm>();
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(main->Visible());
  EXPECT_EQ(main->Width(), 28800);
  EXPECT_EQ(main->Height(), 16200);
  EXPECT_EQ(main->Label2.Caption(), "W3XYZ");
  bool asked = false;
  for (const auto& m : h.dialogs().message_boxes) asked = asked || m.title == "Open existing log?";
  EXPECT_TRUE(asked);
  EXPECT_EQ(app.State<LogStore>().QSOCount, 0);  // the supplied log is empty

  h.Advance(1000);
  const io::CivilTime now = h.clock().LocalNow();  // the logo window's timers took a few seconds
  char local[16];
  std::snprintf(local, sizeof local, "%d:%02d:%02d", now.hour % 12 == 0 ? 12 : now.hour % 12, now.minute, now.second);
  EXPECT_EQ(main->lblCurTime.Caption(), local);
  EXPECT_EQ(main->Label16.Caption(), "PM");
  EXPECT_EQ(main->lblttrack.Caption(), "00:00:00");
  ASSERT_TRUE(main->cmdLogOn.ClickBy());
  h.Advance(61000);
  EXPECT_EQ(main->lblttrack.Caption(), "00:01:01");
}

INSTANTIATE_TEST_SUITE_P(BothKinds, FirstRun, ::testing::Values(false, true));

}  // namespace
}  // namespace ks
