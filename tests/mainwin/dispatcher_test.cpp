// The dispatcher reaches the main window that OutOfState chooses.
#include <gtest/gtest.h>

#include "mainwin/windows/Form1.h"
#include "platform/io/files.h"
#include "tests/mainwin/main_window_fixture.h"

namespace ks {
namespace {

using testing::MainWindowBench;

TEST(Form1, ForwardsToTheWindowThatOutOfStateChooses) {
  for (int out_of_state : {1, 0, 2}) {
    SCOPED_TRACE(out_of_state);
    MainWindowBench bench;
    bench.settings().OutOfState = static_cast<std::uint8_t>(out_of_state);
    Form1& dispatcher = bench.app().Get<Form1>();
    EXPECT_EQ(bench.app().IfLoaded<Outfrm>(), nullptr);
    EXPECT_EQ(bench.app().IfLoaded<Infrm>(), nullptr);
    dispatcher.PacketResize();  // the first call creates the chosen window
    EXPECT_EQ(bench.app().IfLoaded<Outfrm>() != nullptr, out_of_state != 0);
    EXPECT_EQ(bench.app().IfLoaded<Infrm>() != nullptr, out_of_state == 0);
    std::string call = "K1ABC", freq = "14025.0", record = "DX de W1AW: 14025.0 K1ABC";
    dispatcher.BandMapSpots(call, freq, record);
    dispatcher.DisplayBandMapLabels();
    EXPECT_EQ(bench.app().LoadedForms().size(), 2u);  // the dispatcher and one main window
  }
}

TEST(Form1, IsNeverShownAndStartsWithTheBandMapHidden) {
  MainWindowBench bench;
  Form1& dispatcher = bench.app().Get<Form1>();
  EXPECT_EQ(dispatcher.Caption(), "Form1");
  EXPECT_FALSE(dispatcher.Visible());
  EXPECT_FALSE(dispatcher.lblDX.Visible());
  dispatcher.txtCall.SetText("K1ABC");
  dispatcher.txtDX.SetText("spot");
  EXPECT_EQ(bench.app().LoadedForms().size(), 1u);
}

TEST(Form1, SavePrefWritesTheSettingsFile) {
  MainWindowBench bench;
  bench.settings().RigName = "Elecraft K3";
  bench.app().Get<Form1>().SavePref();
  bench.settings().RigName = "";
  ASSERT_TRUE(ReadPrefFile(bench.app()));
  EXPECT_EQ(bench.settings().RigName, "Elecraft K3");
}

}  // namespace
}  // namespace ks
