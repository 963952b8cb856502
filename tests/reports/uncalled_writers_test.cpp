// The two writers of the submission-file window that no control calls: the dupe sheet in its
// plain layout and the summary sheet in the layout of another state's QSO party.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mainwin/windows/Outfrm.h"
#include "reports/other_state_summary.h"
#include "reports/sponsor_files.h"
#include "reports/windows/DECabrilloIn.h"
#include "station/station_settings.h"
#include "tests/mainwin/main_window_fixture.h"
#include "tests/support/files.h"

namespace ks::testing {
namespace {

std::vector<LogRecord> SmallLog() {
  struct Row {
    const char* call;
    const char* band;
    const char* mode;
  };
  const Row rows[] = {{"W3XYZ", "40", "CW"}, {"K1ABC", "40", "CW"}, {"N2AA", "20", "PH"},
                      {"k1abc", "40", "CW"}, {"KB0XX", "160", "CW"}, {"DL1AB", "20", "CW"}, {"VE3X", "20", "RY"}};
  std::vector<LogRecord> log(1);
  for (const Row& row : rows) {
    LogRecord r;
    r.LogCall = row.call;
    r.LogBand = row.band;
    r.LogMode = row.mode;
    r.LogCounty = "Centre";
    log.push_back(r);
  }
  return log;
}

TEST(AsciiDupeSheet, ListsTheCwCallsAloneByBandSortedWithoutTitleOrHeads) {
  const auto log = SmallLog();
  EXPECT_EQ(AsciiDupeSheet(log, 7),
            "160  CW\r\nKB0XX\r\n\r\n160  CW Total Contacts  1 \r\n\r\n\r\n"
            "40  CW\r\nK1ABC\r\nk1abc\r\nW3XYZ\r\n\r\n40  CW Total Contacts  3 \r\n\r\n\r\n"
            "20  CW\r\nDL1AB\r\n\r\n20  CW Total Contacts  1 \r\n\r\n\r\n");
  EXPECT_EQ(AsciiDupeSheet(log, 0), "");
}

TEST(UncalledWriters, FileNames) {
  EXPECT_EQ(AsciiDupeFileName("W3ABC"), "W3ABC.dup");
  EXPECT_EQ(AsciiDupeFileName("W3ABC/P"), "ASCIIDup.txt");
  EXPECT_EQ(AsciiDupeFileName(""), "ASCIIDup.txt");
  EXPECT_EQ(AsciiDupeFileName("ABCDEFGHIJK"), "ASCIIDup.txt");
  EXPECT_EQ(OtherStateSummaryFileName("/data/W3ABC.log"), "/data/W3ABC.sum");
  EXPECT_EQ(OtherStateSummaryFileName("ab"), "sum");
}

TEST(OtherStateSummary, CountsCwAndPhoneOf80To10MetresAndWorksOutTheScore) {
  OtherStateEntry e;
  e.own_call = "W3ABC";
  e.own_state = "NY";
  e.own_county = "Albany";
  e.category = "SINGLE-OP";
  e.power = "QRP";
  e.mode = "MIXED";
  e.license_class = "OTHER";
  e.multipliers = 3;
  e.power_multiplier = 2;
  e.club = "Keystone Radio Club";
  e.name = "Pat Operator";
  const std::string sheet = OtherStateSummary(SmallLog(), 7, e);
  EXPECT_EQ(sheet.substr(0, sheet.find("\r\n\r\nBand")),
            "STATE QSO PARTY SUMMARY SHEET\r\n\r\n"
            "Call: W3ABC             State: NY      County: Albany\r\n"
            "Operators: \r\n\r\n"
            "Category: SINGLE-OP          Power: QRP     Mode: MIXED    License: OTHER");
  // 160 m and RTTY are not in the table: 40 m has 3 CW, 20 m 1 CW and 1 phone.
  EXPECT_NE(sheet.find("\r\n40         3           0\r\n20         1           1\r\n"), std::string::npos) << sheet;
  EXPECT_NE(sheet.find("\r\nTotal      4           1\r\n"), std::string::npos) << sheet;
  EXPECT_NE(sheet.find("QSO Points (2 per CW QSO, 1 per Phone QSO) = 9\r\n"), std::string::npos);
  EXPECT_NE(sheet.find("Subtotal = 9 x 3 = 27\r\nPower Multiplier = 2\r\nFinal Score = 54\r\n"), std::string::npos);
  EXPECT_NE(sheet.find("Club or School: Keystone Radio Club\r\n"), std::string::npos);
  EXPECT_TRUE(sheet.ends_with("Name: Pat Operator\r\nAddress: \r\nAddress: \r\n"));
}

class UncalledWritersWindow : public ::testing::Test {
 protected:
  UncalledWritersWindow() {
    bench.settings().OutOfState = 1;
    bench.settings().OwnCall = " W1AW ";
    bench.Open();
    LogStore& log = bench.app().State<LogStore>();
    log.Records = SmallLog();
    log.QSOCount = 7;
  }
  DECabrilloIn& Window() { return bench.app().Get<DECabrilloIn>(); }
  MainWindowBench bench;
};

TEST_F(UncalledWritersWindow, TheAsciiDupeSheetGoesToTheWorkingFolderWithoutADialog) {
  Window().WriteASCIIDupeSheet();
  EXPECT_EQ(ReadBytes(bench.dir() / "W1AW.dup"), AsciiDupeSheet(SmallLog(), 7));
  EXPECT_TRUE(bench.dialogs().file_dialogs.empty());
  ASSERT_EQ(bench.CountMessages("File Successfully written."), 1);
  EXPECT_EQ(bench.dialogs().message_boxes.back().text,
            "W1AW.dup has been successfully written to " + bench.dir().path().string());
}

TEST_F(UncalledWritersWindow, TheOtherStatesSummaryReadsTheHiddenGroupsAndTellsAFailure) {
  EXPECT_FALSE(Window().Frame3.Visible());
  EXPECT_FALSE(Window().Frame4.Visible());
  Window().Option12.SetValue(true);
  Window().WriteOtherStateSummary((bench.dir() / "W1AW.log").string());
  const std::string sheet = ReadBytes(bench.dir() / "W1AW.sum");
  EXPECT_NE(sheet.find("Mode: CW "), std::string::npos);
  EXPECT_NE(sheet.find("License: OTHER"), std::string::npos);
  EXPECT_NE(sheet.find("Multipliers = " + std::to_string(bench.app().Get<Outfrm>().List2.ListCount())),
            std::string::npos);
  EXPECT_EQ(bench.CountMessages("Error writing summary file."), 0);

  Window().WriteOtherStateSummary((bench.dir() / "missing" / "W1AW.log").string());
  ASSERT_EQ(bench.CountMessages("Error writing summary file."), 1);
  EXPECT_EQ(bench.dialogs().message_boxes.back().text.rfind("There was an error writing the summary file.", 0), 0u);
  EXPECT_FALSE(std::filesystem::exists(bench.dir() / "missing"));
}

}  // namespace
}  // namespace ks::testing
