// What the main window's load sets from the stored settings, the question about the existing
// log, the county table and the rig.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "logstore/county_table.h"
#include "mainwin/main_window_state.h"
#include "mainwin/section_table.h"
#include "platform/io/files.h"
#include "platform/vb/constants.h"
#include "rig/windows/RigControlfrm.h"
#include "tests/mainwin/main_window_fixture.h"

namespace ks {
namespace {

using testing::MainWindowBench;

const char* const kAskLogTitle = "Open existing log?";

// The settings go through QSOpref.txt as the setup window leaves them.
void StoreAndReadBack(MainWindowBench& bench) {
  ASSERT_TRUE(WritePrefFile(bench.app()));
  bench.settings() = StationSettings{};
  ASSERT_TRUE(ReadPrefFile(bench.app()));
}

struct ModeBandCase {
  const char* mode;
  const char* band;
  int checked_mode;  // index into ModeItems
  int checked_band;  // index into BandItems, -1 for none
  const char* band_label;
};

class StoredModeAndBand : public ::testing::TestWithParam<ModeBandCase> {};

TEST_P(StoredModeAndBand, CheckOneModeAndAtMostOneBand) {
  const ModeBandCase c = GetParam();
  MainWindowBench bench;
  bench.settings().CurrentMode = c.mode;
  bench.settings().CurrentBand = c.band;
  StoreAndReadBack(bench);
  MainWindow& w = bench.Open();
  EXPECT_EQ(w.Label30.Caption(), c.mode);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(w.ModeItems[i]->Checked(), i == c.checked_mode) << i;
  for (int i = 0; i < 8; ++i) EXPECT_EQ(w.BandItems[i]->Checked(), i == c.checked_band) << i;
  EXPECT_EQ(w.Label24.Caption(), c.band_label);
}

INSTANTIATE_TEST_SUITE_P(Settings, StoredModeAndBand,
                         ::testing::Values(ModeBandCase{"CW", "160", 0, 0, "160"}, ModeBandCase{"ph", "20", 1, 3, "20"},
                                           ModeBandCase{"PH", "2", 1, 7, "2"}, ModeBandCase{"RY", "6", 2, 6, "6"},
                                           ModeBandCase{"pk", "80", 3, 1, "80"},
                                           ModeBandCase{"AM", "17", 0, -1, "160"},
                                           ModeBandCase{"", "", 0, -1, "160"}));

TEST(MainWindowLoad, OutOfStateShowsSectionOrStateAndKeepsCallWhenEmpty) {
  MainWindowBench bench;
  bench.settings().OwnARRLSection = "";
  bench.settings().OwnSPC = "OH";
  bench.settings().OwnCall = "";
  MainWindow& w = bench.Open();
  EXPECT_EQ(w.Label25.Caption(), "OH");
  EXPECT_EQ(w.Label2.Caption(), "CALL");
  EXPECT_FALSE(w.Label3.Visible());
  EXPECT_EQ(w.lblDialog.Caption(), "Select a band and mode. Click Log \"Time On\" below!");
  EXPECT_EQ(bench.app().State<MainWindowState>().PartialDupeDisplay, 1);
  EXPECT_EQ(bench.app().State<SectionTable>().SectionCount, 0);
  EXPECT_EQ(w.txtSec.ToolTipText(), "Enter each county of a county line contact as a seperate QSO.");
}

TEST(MainWindowLoad, InStateShowsOwnCountyPartyStateAndEmptyCall) {
  MainWindowBench bench;
  bench.settings().OutOfState = 0;
  bench.settings().OwnCall = "";
  bench.settings().ListPrevious = 1;
  auto& w = static_cast<Infrm&>(bench.Open());
  EXPECT_EQ(w.Label25.Caption(), "Centre");
  EXPECT_EQ(w.Label2.Caption(), "");
  EXPECT_EQ(w.lblStation(4).Caption(), "PA County");
  const std::string tip = "Enter PA in the St / Prv / Country field to enable the County field";
  EXPECT_EQ(w.lblStation(4).ToolTipText(), tip);
  EXPECT_EQ(w.txtSec.ToolTipText(), tip);
  EXPECT_EQ(w.ListView1.ToolTipText(), "Click record to edit or delete.");
  EXPECT_TRUE(w.mnuListPrevious.Checked());
  EXPECT_EQ(w.lblDialog.Caption(), "Select a band, mode and Click Log \"Time On\"!");
}

TEST(MainWindowLoad, InStateFillsSectionTableAndGrid) {
  MainWindowBench bench;
  bench.settings().OutOfState = 0;
  auto& w = static_cast<Infrm&>(bench.Open());
  auto& app = bench.app();
  EXPECT_EQ(app.State<SectionTable>().SectionCount, 84);
  EXPECT_EQ(w.Label10.Count(), 84);
  EXPECT_EQ(w.Label10(8).Caption(), "NNY");
  EXPECT_EQ(w.Label10(79).Caption(), "EPA");
  EXPECT_EQ(w.Label10(79).ToolTipText(), "Eastern Pennsylvania");
  EXPECT_EQ(w.Label10(84).ToolTipText(), "Yukon");
  EXPECT_EQ(FindSection(app, "epa"), 79);
  EXPECT_EQ(FindSection(app, "WPA"), 80);
  EXPECT_EQ(FindSection(app, "EP"), 0);
  EXPECT_EQ(FindSection(app, "PA"), 0);
  EXPECT_EQ(w.Label14.Caption(), "6");
  EXPECT_EQ(w.lblSecSix.Caption(), "7");
}

TEST(MainWindowLoad, RoverGetsCountySentColumnAndChangeCounty) {
  for (int rover : {0, 1}) {
    SCOPED_TRACE(rover);
    MainWindowBench bench;
    bench.settings().OutOfState = 0;
    bench.settings().Rover = static_cast<std::uint8_t>(rover);
    MainWindow& w = bench.Open();
    EXPECT_EQ(w.ListView1.ColumnCount(), rover == 1 ? 11 : 10);
    EXPECT_EQ(w.ListView1.Column(10).text, "Pts");
    if (rover == 1) {
      EXPECT_EQ(w.ListView1.Column(11).text, "County Sent");
    }
    ASSERT_NE(w.mnuChangeCounty, nullptr);
    EXPECT_EQ(w.mnuChangeCounty->Enabled(), rover == 1);
  }
}

TEST(MainWindowLoad, OutOfStateColumns) {
  MainWindowBench bench;
  MainWindow& w = bench.Open();
  const char* headers[] = {"Rec#", "Call", "Rec", "County", "Snt", "Date/Time", "Mo", "Bnd", "Pts"};
  ASSERT_EQ(w.ListView1.ColumnCount(), 9);
  for (int i = 0; i < 9; ++i) EXPECT_EQ(w.ListView1.Column(i + 1).text, headers[i]);
  const char* spots[] = {"Call", "Frequency", "QTH", "Status", "Comments", "Prefix", "Time", "From"};
  ASSERT_EQ(w.txtDX.ColumnCount(), 8);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(w.txtDX.Column(i + 1).text, spots[i]);
  EXPECT_EQ(w.txtDX.Column(2).alignment, forms::Alignment::Right);
  EXPECT_EQ(w.txtDX.Column(4).alignment, forms::Alignment::Center);
  EXPECT_FALSE(w.txtDX.Visible());
  EXPECT_FALSE(w.lblDX.Visible());
}

TEST(MainWindowLoad, YesKeepsTheLogAndLoadsIt) {
  MainWindowBench bench;
  bench.dialogs().AnswerMessageBox(vb::vbYes);
  MainWindow& w = bench.Open();
  ASSERT_EQ(bench.CountMessages(kAskLogTitle), 1);
  const auto& ask = bench.dialogs().message_boxes[0];
  EXPECT_EQ(ask.text,
            "Do you want to continue an existing contest? (Yes opens your existing log, No erases any existing log "
            "and starts a new log.)");
  EXPECT_EQ(ask.buttons, vb::vbYesNo + vb::vbQuestion);
  EXPECT_TRUE(bench.dialogs().input_boxes.empty());
  EXPECT_EQ(bench.app().State<LogStore>().QSOCount, 3);
  EXPECT_FALSE(w.cmdEdit.Visible());
  EXPECT_FALSE(w.cmdDelete.Visible());
}

struct NoAnswerCase {
  std::optional<std::string> typed;
  bool emptied;
};

class AnswerNo : public ::testing::TestWithParam<NoAnswerCase> {};

TEST_P(AnswerNo, OnlyTypedYesStartsANewLog) {
  MainWindowBench bench;
  bench.settings().TimeOnTotal = 3725;
  bench.dialogs().AnswerMessageBox(vb::vbNo);
  bench.dialogs().AnswerInputBox(GetParam().typed);
  MainWindow& w = bench.Open();
  EXPECT_EQ(bench.dialogs().input_boxes.size(), 1u);
  const bool emptied = GetParam().emptied;
  EXPECT_EQ(bench.app().State<LogStore>().QSOCount, emptied ? 0 : 3);
  EXPECT_EQ(std::filesystem::file_size(bench.dir() / "log.txt") == 0, emptied);
  EXPECT_EQ(bench.settings().TimeOnTotal, emptied ? 0 : 3725);
  EXPECT_EQ(w.lblttrack.Caption(), emptied ? "00:00:00" : "01:02:05");
  EXPECT_FALSE(w.cmdEdit.Visible());
  EXPECT_FALSE(w.cmdDelete.Visible());
}

INSTANTIATE_TEST_SUITE_P(Typed, AnswerNo,
                         ::testing::Values(NoAnswerCase{"YES", true}, NoAnswerCase{"yes", true},
                                           NoAnswerCase{"Yes", true}, NoAnswerCase{"no", false},
                                           NoAnswerCase{"YES ", false}, NoAnswerCase{"", false},
                                           NoAnswerCase{std::nullopt, false}));

// A missing or bad county table is reported, and the load still asks about the log, loads
// and counts it and shows the operating time.
TEST(MainWindowLoad, UnreadableCountyTableIsReportedAndTheLogStillLoads) {
  for (const char* content : {static_cast<const char*>(nullptr), "\"PAAdams\"\r\n"}) {
    SCOPED_TRACE(content ? "incomplete record" : "missing file");
    MainWindowBench bench;
    std::filesystem::remove(bench.dir() / "county2.txt");
    if (content) std::ofstream(bench.dir() / "county2.txt", std::ios::binary) << content;
    bench.settings().TimeOnTotal = 45;
    MainWindow& w = bench.Open();
    ASSERT_EQ(bench.CountMessages("County Table Error"), 1);
    EXPECT_NE(bench.dialogs().message_boxes[0].text.find("county2.txt"), std::string::npos);
    EXPECT_EQ(bench.CountMessages(kAskLogTitle), 1);
    EXPECT_EQ(bench.app().State<LogStore>().QSOCount, 3);
    EXPECT_EQ(w.lblttrack.Caption(), "00:00:45");
    EXPECT_TRUE(w.Visible());
  }
}

TEST(MainWindowLoad, ReadableCountyTableIsLoadedWithoutMessage) {
  MainWindowBench bench;
  bench.Open();
  EXPECT_EQ(bench.CountMessages("County Table Error"), 0);
  EXPECT_EQ(bench.app().State<CountyTable>().CountyCount, 67);
}

TEST(MainWindowLoad, RigPollingStartsOnlyWithARig) {
  for (const char* rig : {"None", "none", "Kenwood TS-2000"}) {
    SCOPED_TRACE(rig);
    MainWindowBench bench;
    bench.settings().RigName = rig;
    bench.Open();
    RigControlfrm* rig_window = bench.app().IfLoaded<RigControlfrm>();
    EXPECT_EQ(rig_window != nullptr, std::string(rig) == "Kenwood TS-2000");
    if (rig_window) {
      EXPECT_FALSE(rig_window->Visible());
    }
  }
}

}  // namespace
}  // namespace ks
