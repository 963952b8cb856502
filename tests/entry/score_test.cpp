// The out-of-state window's recount: counts by mode, points, county lists, score, rates.
#include <gtest/gtest.h>

#include "entry/qso_rates.h"
#include "entry/score_format.h"
#include "logstore/county_table.h"
#include "tests/entry/entry_fixture.h"

namespace ks::testing {
namespace {

TEST_F(OutfrmTest, AnEmptyLogShowsZeroesAndEveryCountyToGo) {
  Outfrm& w = OpenWith({});
  EXPECT_EQ(w.lblTotCon.Caption(), "0");
  EXPECT_EQ(w.lblSectogo.Caption(), "0");
  EXPECT_EQ(w.Label27.Caption(), "0.0");
  EXPECT_EQ(w.lblTotSec.Caption(), "0");
  EXPECT_EQ(w.lblTotScore.Caption(), "0.0");
  EXPECT_EQ(w.lblAQSO60.Caption(), "0");
  EXPECT_EQ(w.lblAQSO20.Caption(), "0");
  EXPECT_EQ(w.lblStation(5).Caption(), "Counties Worked - 0");
  EXPECT_EQ(w.List2.ListCount(), 0);
  EXPECT_EQ(w.List1.ListCount(), app().State<CountyTable>().CountyCount);
  EXPECT_EQ(w.lblStation(7).Caption(), "Counties To Go - " + std::to_string(w.List1.ListCount()));
  EXPECT_EQ(w.Label1.Caption(), "001");
}

TEST_F(OutfrmTest, ACountyCountsOnceWhateverItsBandModeAndCase) {
  Outfrm& w = OpenWith({Contact("K1AA", "york", "20", "CW"), Contact("K1AB", "York", "40", "PH"),
                        Contact("K1AC", "Adams", "20", "RY"), Contact("K1AD", "Atlantis", "15", "PK")});
  EXPECT_EQ(Items(w.List2), (std::vector<std::string>{"Adams", "Atlantis", "york"}));
  const int table = app().State<CountyTable>().CountyCount;
  EXPECT_EQ(w.List1.ListCount(), table - 2);  // York and Adams are worked; Atlantis is no county
  for (const std::string& left : Items(w.List1)) {
    EXPECT_NE(left, "York");
    EXPECT_NE(left, "Adams");
  }
  EXPECT_EQ(w.lblStation(5).Caption(), "Counties Worked - 3");
  EXPECT_EQ(w.lblTotCon.Caption(), "1");   // PH
  EXPECT_EQ(w.lblSectogo.Caption(), "1");  // CW; RY and PK count in neither
  EXPECT_EQ(w.Label27.Caption(), "7.0");   // 2 + 1 + 2 + 2
  EXPECT_EQ(w.lblTotSec.Caption(), "3");
  EXPECT_EQ(w.lblTotScore.Caption(), "21.0");
}

TEST_F(OutfrmTest, ANewContactMergesItsCountyWithoutARebuild) {
  Outfrm& w = OpenWith({Contact("K1AA", "York")});
  const int to_go = w.List1.ListCount();
  store().Record(2) = Contact("K1AB", "ADAMS");
  store().QSOCount = 2;
  w.AddCountyWorked();
  store().Record(3) = Contact("K1AC", "adams");
  store().QSOCount = 3;
  w.AddCountyWorked();
  EXPECT_EQ(Items(w.List2), (std::vector<std::string>{"ADAMS", "York"}));
  EXPECT_EQ(w.List1.ListCount(), to_go - 1);
  EXPECT_EQ(w.lblStation(7).Caption(), "Counties To Go - " + std::to_string(to_go - 1));
}

TEST_F(OutfrmTest, AClickOnACountyListPutsTheCountyInTheBoxAndTheFocusInTheCall) {
  Outfrm& w = OpenWith({Contact("K1AA", "York")});
  w.List2.SelectBy(0);
  EXPECT_EQ(w.txtSec.Text(), "York");
  EXPECT_TRUE(w.txtCall.HasFocus());
  w.List1.SelectBy(0);
  EXPECT_EQ(w.txtSec.Text(), w.List1.List(0));
}

struct FormatCase {
  const char* name;
  double value;
  const char* pattern;
  NumberSeparators separators;
  const char* shown;
};

class ScoreFormat : public ::testing::TestWithParam<FormatCase> {};

TEST_P(ScoreFormat, GroupsByTheLocalesCharacters) {
  const FormatCase& c = GetParam();
  EXPECT_EQ(FormatScore(c.value, c.pattern, c.separators), c.shown);
}

const NumberSeparators kUS{true, ',', '.'};
const NumberSeparators kGerman{true, '.', ','};
INSTANTIATE_TEST_SUITE_P(
    Cases, ScoreFormat,
    ::testing::Values(FormatCase{"Zero", 0, "###,##0", kUS, "0"}, FormatCase{"ZeroPoints", 0, "###,##0.0", kUS, "0.0"},
                      FormatCase{"Hundreds", 999, "###,##0", kUS, "999"},
                      FormatCase{"Thousand", 1000, "###,##0", kUS, "1,000"},
                      FormatCase{"Score", 1234567.5, "###,###,###,##0.0", kUS, "1,234,567.5"},
                      FormatCase{"GermanThousand", 1000, "###,##0.0", kGerman, "1.000,0"},
                      FormatCase{"GermanScore", 1234567.5, "###,###,###,##0.0", kGerman, "1.234.567,5"}),
    [](const auto& info) { return info.param.name; });

TEST(SystemNumberSeparators, TheCLocaleGroupsAsTheDefault) {
  const NumberSeparators s = SystemNumberSeparators();
  EXPECT_TRUE(s.known);
  EXPECT_NE(s.group, s.point);
}

struct RateCase {
  const char* name;
  std::vector<std::string> stamps;  // "yyyy/mm/dd hh:mm:ss" of records 1, 2 ... (newest last)
  long last60;
  long last20;
  bool counted = true;
};

class QsoRatesWalk : public ::testing::TestWithParam<RateCase> {};

// The present moment is 2013/10/12 15:30:00 UTC.
TEST_P(QsoRatesWalk, CountsBackFromTheNewestRecord) {
  const RateCase& c = GetParam();
  LogStore store;
  for (const std::string& stamp : c.stamps) {
    LogRecord& r = store.Record(++store.QSOCount);
    r.LogDate = stamp.substr(0, 10);
    r.LogTime = stamp.size() > 11 ? stamp.substr(11) : "";
  }
  const auto rates = CountQsoRates(store, vb::DateTime{2013, 10, 12, 15, 30, 0});
  ASSERT_EQ(rates.has_value(), c.counted);
  if (!rates) return;
  EXPECT_EQ(rates->last60, c.last60);
  EXPECT_EQ(rates->last20, c.last20);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, QsoRatesWalk,
    ::testing::Values(
        RateCase{"Empty", {}, 0, 0},
        RateCase{"FourAndNine",
                 {"2013/10/12 14:35:00", "2013/10/12 14:40:00", "2013/10/12 14:45:00", "2013/10/12 14:50:00",
                  "2013/10/12 15:00:00", "2013/10/12 15:15:00", "2013/10/12 15:20:00", "2013/10/12 15:25:00",
                  "2013/10/12 15:29:59"},
                 9, 12},
        RateCase{"EdgeOf20Minutes", {"2013/10/12 15:10:00", "2013/10/12 15:10:01"}, 2, 3},
        RateCase{"EdgeOfTheHour", {"2013/10/12 14:30:01", "2013/10/12 14:30:00", "2013/10/12 15:00:00"}, 1, 0},
        RateCase{"StampedLater", {"2013/10/12 16:00:00"}, 1, 3},
        RateCase{"PostContestInOldMinutes", {"2013/10/12 15:29:00", "2013/10/11 09:15"}, 0, 0},
        RateCase{"BadDateStops", {"2013/10/12 15:29:00", "2013/13/45 10:00:00"}, 0, 0, false},
        RateCase{"BadDateBeyondTheHourIsNeverRead", {"garbage", "2013/10/12 14:00:00", "2013/10/12 15:29:00"}, 1, 3}),
    [](const auto& info) { return info.param.name; });

TEST_F(OutfrmTest, TheMinuteTimerRecountsTheRates) {
  Outfrm& w = OpenWith({Contact("K1AA")});  // 15:00:00, thirty minutes ago
  EXPECT_EQ(w.lblAQSO60.Caption(), "1");
  EXPECT_EQ(w.lblAQSO20.Caption(), "0");
  h.Advance(30 * 60 * 1000);
  EXPECT_EQ(w.lblAQSO60.Caption(), "0");
}

}  // namespace
}  // namespace ks::testing
