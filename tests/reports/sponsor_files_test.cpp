// The files for the sponsor, byte for byte against golden files (CR LF, Windows-1252, fixed
// columns), and the submission-file window that writes them. KEYSTONE_UPDATE_GOLDEN=1 rewrites
// the golden files from the writers; review every change before committing it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "logstore/county_table.h"
#include "logstore/log_store.h"
#include "reports/bonuses.h"
#include "reports/qso_line.h"
#include "reports/sponsor_files.h"
#include "reports/summary_sheet.h"
#include "reports/windows/DECabrilloIn.h"
#include "startup/user_folders.h"
#include "station/station_settings.h"
#include "tests/mainwin/main_window_fixture.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/files.h"

namespace ks::testing {
namespace {

const std::filesystem::path kGolden = std::filesystem::path(KEYSTONE_SOURCE_DIR) / "tests/reports/golden";

void ExpectGolden(const std::string& name, const std::string& text) {
  if (std::getenv("KEYSTONE_UPDATE_GOLDEN") != nullptr) WriteBytes(kGolden / name, text);
  EXPECT_EQ(text, ReadBytes(kGolden / name)) << name;
}

LogRecord Q(const char* call, const char* band, const char* mode, const char* date, const char* time,
            const char* sent, const char* received, const char* county, const char* spc, const char* county_sent,
            double points) {
  LogRecord r;
  r.LogCall = call;
  r.LogBand = band;
  r.LogMode = mode;
  r.LogDate = date;
  r.LogTime = time;
  r.LogSerialSent = sent;
  r.LogSerialReceived = received;
  r.LogCounty = county;
  r.LogSPC = spc;
  r.LogCountySent = county_sent;
  r.LogPoints = points;
  return r;
}

// An in-state rover: two own counties, contacts with counties, sections and DX, a duplicate,
// a repeated county-line entry with no points, a post-contest contact.
std::vector<LogRecord> InStateLog() {
  std::vector<LogRecord> log(1);
  const char* own[] = {"Northumberland", "Centre"};
  const char* bands[] = {"160", "80", "40", "20", "15", "10", "6", "2"};
  const char* modes[] = {"CW", "PH", "RY", "PK"};
  const char* counties[] = {"Allegheny", "Erie", "", "Mc Kean", "", "Philadelphia"};
  const char* spcs[] = {"PA", "PA", "EPA", "PA", "Fed. Rep. of Germany", "PA"};
  for (int i = 1; i <= 30; ++i) {
    const std::string call = (i % 7 == 0 ? "DL" : "W") + std::to_string(i % 10) + "A" + std::string(1, 'A' + i % 26);
    const std::string time = (i < 10 ? "1" : "") + std::to_string(i < 10 ? 4 : 15 + i / 20) + ":" +
                             std::to_string(10 + i) + ":0" + std::to_string(i % 10);
    log.push_back(Q(call.c_str(), bands[i % 8], modes[i % 4], "2013/10/12", time.c_str(), std::to_string(i).c_str(),
                    std::to_string(200 + i * 7).c_str(), counties[i % 6], spcs[i % 6], own[i < 12 ? 0 : 1],
                    modes[i % 4][0] == 'P' && modes[i % 4][1] == 'H' ? 1 : 2));
  }
  log.push_back(Q("W3AA", "40", "CW", "2013/10/13", "16:01:00", "31", "12", "Allegheny", "PA", "Centre", 2));
  log.push_back(Q("W3AA", "40", "CW", "2013/10/13", "16:02:00", "32", "12", "Allegheny", "PA", "Centre", 2));
  log.push_back(Q("K3ZZ", "20", "PH", "2013/10/13", "16:03:00", "33", "1234567", "Centre", "PA", "Centre", 0));
  log.push_back(Q("VE3XYZ", "40", "cw", "2013/10/13", "7:05", "34", "9", "", "ON", "Centre", 2));
  return log;
}

// An out-of-state station: counties only.
std::vector<LogRecord> OutOfStateLog() {
  std::vector<LogRecord> log(1);
  const char* counties[] = {"Allegheny", "Centre", "Northumberland", "York", "Erie"};
  for (int i = 1; i <= 24; ++i) {
    const std::string call = "K3" + std::string(1, 'A' + i % 5) + std::string(1, 'B' + i % 3);
    const std::string time = "1" + std::to_string(6 + i / 10) + ":" + std::to_string(10 + i) + ":00";
    log.push_back(Q(call.c_str(), i % 2 ? "40" : "80", i % 3 ? "CW" : "PH", "2013/10/12", time.c_str(),
                    std::to_string(i).c_str(), std::to_string(i + 40).c_str(), counties[i % 5], "", "",
                    i % 3 ? 2 : 1));
  }
  return log;
}

CountyTable Counties() {
  CountyTable t;
  for (auto [name, abbrev] : {std::pair{"Allegheny", "ALL"}, {"Centre", "CEN"}, {"Erie", "ERI"},
                              {"Mc Kean", "MCK"}, {"Northumberland", "NUM"}, {"Philadelphia", "PHI"},
                              {"York", "YOR"}}) {
    t.CountyName.push_back(name);
    t.CountyAbbrev.push_back(abbrev);
  }
  t.CountyCount = static_cast<int>(t.CountyName.size()) - 1;
  return t;
}

QsoLineOptions InState(bool abbreviations) {
  static const CountyTable counties = Counties();
  QsoLineOptions o;
  o.own_call = "N3KEY";
  o.own_county = "Centre";
  o.county_abbreviations = abbreviations;
  o.counties = &counties;
  return o;
}

QsoLineOptions OutOfState(std::string own_exchange) {
  QsoLineOptions o = InState(true);
  o.own_call = "W1AW";
  o.out_of_state = true;
  o.own_exchange = std::move(own_exchange);
  o.own_exchange_name = "Your ARRL Section";
  return o;
}

TEST(SponsorFiles, InStatePlainLogWithAndWithoutAbbreviations) {
  const auto log = InStateLog();
  const long n = static_cast<long>(log.size()) - 1;
  ExpectGolden("instate_plain_abbrev.log", PlainLog(log, n, "N3KEY", InState(true)).text);
  ExpectGolden("instate_plain_names.log", PlainLog(log, n, "N3KEY", InState(false)).text);
}

TEST(SponsorFiles, CabrilloLogHeaderAndLines) {
  const auto log = InStateLog();
  CabrilloHeader h;
  h.program_version = "2.3";
  h.own_call = "N3KEY";
  h.own_section = "WPA";
  h.party_state = "PA";
  h.category = "ROVER";
  h.power = " LOW";
  h.club = "Keystone Radio Club";
  h.claimed_score = 12345;
  h.name = "Pat Operator";
  h.address1 = "1 Main St";
  h.address2 = "State College, PA 16801";
  h.email = "pat@example.org";
  h.soapbox = "Fun \xE9t\xE9";  // Windows-1252 bytes pass through
  ExpectGolden("instate_cabrillo.log", CabrilloLog(log, static_cast<long>(log.size()) - 1, h, InState(true)).text);
  h.claimed_score.reset();
  const std::string no_score = CabrilloLog({LogRecord{}}, 0, h, InState(true)).text;
  EXPECT_EQ(no_score.find("CLAIMED-SCORE"), std::string::npos);
  EXPECT_TRUE(no_score.ends_with("SOAPBOX: Fun \xE9t\xE9\r\nEND-OF-LOG:\r\n"));
}

TEST(SponsorFiles, OutOfStateLogsSendTheSectionInThePlainLogAndTheStateInCabrillo) {
  const auto log = OutOfStateLog();
  const long n = static_cast<long>(log.size()) - 1;
  ExpectGolden("outstate_plain.log", PlainLog(log, n, "W1AW", OutOfState("CT")).text);
  const std::string line = *QsoLine(log[1], OutOfState("CT"));
  EXPECT_EQ(line.substr(45, 2), "CT");
}

// Log checkers split a QSO line at its blanks: whatever the log holds, the line keeps its
// eleven fields, the time its four digits, the mode one of CW, PH, RY and DG.
TEST(SponsorFiles, AQsoLineIsElevenFieldsALogCheckerReads) {
  const struct {
    const char* what;
    const char* mode;
    const char* time;
    const char* county;
    const char* spc;
    const char* fields;  // mode, time and exchange received
  } cases[] = {
      {"a county", "CW", "16:05:33", "Mc Kean", "PA", "CW 1605 MCK"},
      {"PSK is the digital mode", "PK", "16:05:33", "Erie", "PA", "DG 1605 ERI"},
      {"a mode in lower case", "ry", "16:05:33", "Erie", "PA", "RY 1605 ERI"},
      {"a post-contest time", "PH", "7:05", "York", "PA", "PH 0705 YOR"},
      {"a time of hours and minutes", "PH", "23:59", "York", "PA", "PH 2359 YOR"},
      {"a DX country of several words", "CW", "16:05:33", "", "Fed. Rep. of Germany", "CW 1605 DX"},
      {"a DX country of one word", "CW", "16:05:33", "", "Japan", "CW 1605 DX"},
      {"a section", "CW", "16:05:33", "", "EPA", "CW 1605 EPA"},
      {"a state", "CW", "16:05:33", "", "OH", "CW 1605 OH"},
  };
  for (const auto& c : cases) {
    const LogRecord r = Q("DL1ABC", "20", c.mode, "2013/10/12", c.time, "12", "345", c.county, c.spc, "Centre", 2);
    const std::string line = *QsoLine(r, InState(true));
    std::istringstream words(line);
    std::vector<std::string> fields{std::istream_iterator<std::string>(words), {}};
    ASSERT_EQ(fields.size(), 11u) << c.what << ": " << line;
    EXPECT_EQ(fields[2] + " " + fields[4] + " " + fields[10], c.fields) << c.what;
  }
  // Counties written in full: a name with a blank in it stays one field.
  const std::string full = *QsoLine(
      Q("DL1ABC", "20", "CW", "2013/10/12", "16:05:33", "12", "345", "Mc Kean", "PA", "Mc Kean", 2), InState(false));
  std::istringstream full_words(full);
  const std::vector<std::string> full_fields{std::istream_iterator<std::string>(full_words), {}};
  ASSERT_EQ(full_fields.size(), 11u) << full;
  EXPECT_EQ(full_fields[7] + " " + full_fields[10], "McKean McKean");
  std::string fault;
  EXPECT_FALSE(QsoLine(Q("K3A", "20", "CW", "2013/10/12", "25:00", "1", "1", "York", "PA", "Centre", 2), InState(true),
                       &fault));
  EXPECT_EQ(fault, "the time \"25:00\" is not a time.");
  std::vector<LogRecord> log = InStateLog();
  log[5].LogTime = "noon";
  EXPECT_EQ(PlainLog(log, 5, "N3KEY", InState(true)).error,
            "Contact 5 (W5AF, 2013/10/12, noon): the time \"noon\" is not a time.");
}

// A field that would be empty would leave the line ten fields, and one that holds a blank
// twelve, every field after it in the wrong place for a log checker: no file is made, and the
// message names what is wrong, the setup field once or else the contact and its field.
TEST(SponsorFiles, AQsoLineWithAFieldThatWouldBeEmptyOrHoldABlankIsNotWritten) {
  const struct {
    const char* what;
    void (*damage)(LogRecord&, QsoLineOptions&);
    const char* error;
  } cases[] = {
      {"a blank ARRL section in the setup", [](LogRecord&, QsoLineOptions& o) { o.own_exchange = "  "; },
       "\"Your ARRL Section\" is blank in the station setup, and every QSO line sends it."},
      {"a blank own call in the setup", [](LogRecord&, QsoLineOptions& o) { o.own_call = ""; },
       "\"Your Call Sign\" is blank in the station setup, and every QSO line sends it."},
      {"an empty received county", [](LogRecord& r, QsoLineOptions&) { r.LogCounty = ""; },
       "Contact 2 (K3CD, 2013/10/12, 16:12:00): the exchange received (county, section, state or country) is empty."},
      {"an empty call", [](LogRecord& r, QsoLineOptions&) { r.LogCall = " "; },
       "Contact 2 (2013/10/12, 16:12:00): the call is empty."},
      {"an empty serial received", [](LogRecord& r, QsoLineOptions&) { r.LogSerialReceived = ""; },
       "Contact 2 (K3CD, 2013/10/12, 16:12:00): the serial number received is empty."},
      {"an empty serial sent", [](LogRecord& r, QsoLineOptions&) { r.LogSerialSent = ""; },
       "Contact 2 (K3CD, 2013/10/12, 16:12:00): the serial number sent is empty."},
      {"an empty mode", [](LogRecord& r, QsoLineOptions&) { r.LogMode = ""; },
       "Contact 2 (K3CD, 2013/10/12, 16:12:00): the mode is empty."},
      {"a band outside the band table", [](LogRecord& r, QsoLineOptions&) { r.LogBand = "30"; },
       "Contact 2 (K3CD, 2013/10/12, 16:12:00): the band \"30\" is not one of the contest's bands."},
      // A blank inside a field would make two fields of it: refused as an empty field is.
      {"a call with a blank after it", [](LogRecord& r, QsoLineOptions&) { r.LogCall = "W1AW "; },
       "Contact 2 (W1AW , 2013/10/12, 16:12:00): the call \"W1AW \" holds a blank."},
      {"a call with a blank inside", [](LogRecord& r, QsoLineOptions&) { r.LogCall = "K1 A"; },
       "Contact 2 (K1 A, 2013/10/12, 16:12:00): the call \"K1 A\" holds a blank."},
      {"a serial received with a blank inside", [](LogRecord& r, QsoLineOptions&) { r.LogSerialReceived = "1 2"; },
       "Contact 2 (K3CD, 2013/10/12, 16:12:00): the serial number received \"1 2\" holds a blank."},
      {"a serial sent after a tab", [](LogRecord& r, QsoLineOptions&) { r.LogSerialSent = "\t7"; },
       "Contact 2 (K3CD, 2013/10/12, 16:12:00): the serial number sent \"\t7\" holds a blank."},
      {"a mode with a blank", [](LogRecord& r, QsoLineOptions&) { r.LogMode = "C W"; },
       "Contact 2 (K3CD, 2013/10/12, 16:12:00): the mode \"C W\" holds a blank."},
      {"an own call with a blank inside", [](LogRecord&, QsoLineOptions& o) { o.own_call = "W1 AW"; },
       "\"Your Call Sign\" of the station setup, \"W1 AW\", holds a blank, and every QSO line sends it."},
      {"a blank and an empty field in one contact",
       [](LogRecord& r, QsoLineOptions&) { r.LogCall = "K1 A", r.LogSerialSent = ""; },
       "Contact 2 (K1 A, 2013/10/12, 16:12:00): the serial number sent is empty; the call \"K1 A\" holds a blank."},
  };
  for (const auto& c : cases) {
    std::vector<LogRecord> log = OutOfStateLog();
    QsoLineOptions options = OutOfState("CT");
    c.damage(log[2], options);
    const long n = static_cast<long>(log.size()) - 1;
    EXPECT_EQ(PlainLog(log, n, "W1AW", options).error, c.error) << c.what;
    EXPECT_EQ(PlainLog(log, n, "W1AW", options).text, "") << c.what;
    EXPECT_EQ(CabrilloLog(log, n, CabrilloHeader{}, options).text, "") << c.what;
  }
  // The county an in-state station sent is the contact's own.
  std::vector<LogRecord> log = InStateLog();
  log[3].LogCountySent = "";
  EXPECT_EQ(PlainLog(log, 3, "N3KEY", InState(false)).error,
            "Contact 3 (W3AD, 2013/10/12, 14:13:03): the county sent is empty.");
  // Blanks inside a county's name are dropped, not refused: "Mc Kean" is written "McKean".
  std::vector<LogRecord> mc_kean = OutOfStateLog();
  mc_kean[2].LogCounty = "Mc Kean";
  EXPECT_EQ(PlainLog(mc_kean, static_cast<long>(mc_kean.size()) - 1, "W1AW", OutOfState("CT")).error, "");
  // With nothing logged there is no QSO line to write.
  EXPECT_EQ(PlainLog({LogRecord{}}, 0, "W1AW", OutOfState("")).error, "");
}

// Every contact that cannot be written is named in the one message, so that all can be
// mended before the next try; a setup county left blank is told once, with the contacts it
// left without a county sent.
TEST(SponsorFiles, EveryContactThatCannotBeWrittenIsNamedInOneMessage) {
  std::vector<LogRecord> log = OutOfStateLog();
  log[3].LogCall = "";
  log[9].LogSerialReceived = "4 1";
  log[20].LogTime = "noon";
  const long n = static_cast<long>(log.size()) - 1;
  const std::string all =
      "Contact 3 (2013/10/12, 16:13:00): the call is empty.\r\n"
      "Contact 9 (K3EB, 2013/10/12, 16:19:00): the serial number received \"4 1\" holds a blank.\r\n"
      "Contact 20 (K3AD, 2013/10/12, noon): the time \"noon\" is not a time.";
  EXPECT_EQ(PlainLog(log, n, "W1AW", OutOfState("CT")).error, all);
  EXPECT_EQ(CabrilloLog(log, n, CabrilloHeader{}, OutOfState("CT")).error, all);

  const struct {
    const char* what;
    std::vector<long> without_county_sent;
    const char* own_county;
    std::string error;
  } in_state[] = {
      {"every contact", {}, "", "\"Your County\" is blank in the station setup, so contacts 1 to 34 were logged with "
                                "no county sent.\r\nContact 5 (W5AF, 2013/10/12, noon): the time \"noon\" is not a time."},
      {"some contacts", {2, 3, 4, 7, 30}, " ",
       "\"Your County\" is blank in the station setup, so contacts 2 to 4, 7, 30 were logged with no county sent."
       "\r\nContact 5 (W5AF, 2013/10/12, noon): the time \"noon\" is not a time."},
      {"one contact, the setup county given", {7}, "Centre",
       "Contact 5 (W5AF, 2013/10/12, noon): the time \"noon\" is not a time.\r\n"
       "Contact 7 (DL7AH, 2013/10/12, 14:17:07): the county sent is empty."},
  };
  for (const auto& c : in_state) {
    std::vector<LogRecord> in_log = InStateLog();
    const long count = static_cast<long>(in_log.size()) - 1;
    if (c.without_county_sent.empty()) {
      for (long i = 1; i <= count; ++i) in_log[static_cast<std::size_t>(i)].LogCountySent = "";
    }
    for (long i : c.without_county_sent) in_log[static_cast<std::size_t>(i)].LogCountySent = "";
    in_log[5].LogTime = "noon";
    QsoLineOptions options = InState(false);
    options.own_county = c.own_county;
    EXPECT_EQ(PlainLog(in_log, count, "N3KEY", options).error, c.error) << c.what;
    EXPECT_EQ(CabrilloLog(in_log, count, CabrilloHeader{}, options).text, "") << c.what;
  }
}

TEST(SponsorFiles, DupeSheetsSortByCallAreaAndKeepDuplicatesTogether) {
  auto in = InStateLog();
  in.back().LogBand = "30";  // a band the sheet does not list
  ExpectGolden("instate_dupe.log", DupeSheet(in, static_cast<long>(in.size()) - 1, "N3KEY", false));
  const auto out = OutOfStateLog();
  ExpectGolden("outstate_dupe.log", DupeSheet(out, static_cast<long>(out.size()) - 1, "W1AW", true));
  EXPECT_LT(DupeSortKey("AA"), DupeSortKey("ZZ0A")) << "no digit before every digit";
  EXPECT_LT(DupeSortKey("ZZ0A"), DupeSortKey("A1A"));
}

TEST(SponsorFiles, SummarySheets) {
  const auto in = InStateLog();
  SummaryEntry e;
  e.own_call = "N3KEY";
  e.own_section = "WPA";
  e.own_county = "Centre";
  e.operators = "N3KEY K3ABC";
  e.name = "Pat Operator";
  e.club = "Keystone Radio Club";
  e.address1 = "1 Main St";
  e.address2 = "State College, PA 16801";
  e.email = "pat@example.org";
  e.soapbox = "Great fun";
  e.category = "NOVICE-TECH";
  e.station = "ROVER";
  e.power = " QRP";
  e.novice_tech = true;
  e.qrp = true;
  e.counties = 5;
  e.sections = 1;
  e.any_dx = true;
  e.rover_bonus = "1000";
  e.special_event_bonus = "450";
  ExpectGolden("instate_summary.log", SummarySheet(in, static_cast<long>(in.size()) - 1, e).text);
  const auto out = OutOfStateLog();
  SummaryEntry o;
  o.own_call = "W1AW";
  o.own_section = "CT";
  o.own_county = "";
  o.category = "SINGLE-OP";
  o.station = "HOME STATION";
  o.power = " HIGH";
  o.out_of_state = true;
  o.counties = 5;
  o.sections = 7;  // not counted for a station outside the state
  o.any_dx = true;
  ExpectGolden("outstate_summary.log", SummarySheet(out, static_cast<long>(out.size()) - 1, o).text);
}

TEST(SponsorFiles, ScoreGroupsAndBonuses) {
  std::vector<LogRecord> log(1);
  log.push_back(Q("W1A", "160", "cw", "2013/10/12", "10:00:00", "1", "1", "Erie", "", "Erie", 2));
  log.push_back(Q("W1B", "20", "PH", "2013/10/12", "10:00:00", "2", "1", "Erie", "", "Erie", 3));
  log.push_back(Q("W1C", "20", "CW", "2013/10/12", "10:00:00", "3", "1", "Erie", "", "erie", 0));
  log.push_back(Q("W1D", "20", "FM", "2013/10/12", "10:00:00", "4", "1", "Erie", "", "ERIE", 2));
  const ScoreGroups g = CountScoreGroups(log, 4);
  EXPECT_EQ(g.low_cw, 1);
  EXPECT_EQ(g.phone, 1);
  EXPECT_EQ(g.Qsos(), 2) << "no points, or an unknown mode, count nowhere";
  EXPECT_DOUBLE_EQ(g.Points(), 3) << "a phone contact is worth 1 point";
  EXPECT_EQ(BonusMultiplier(false, false), 1);
  EXPECT_EQ(BonusMultiplier(true, true), 5);
  // Own counties: 10 from one (letter case ignored), 9 from another.
  std::vector<LogRecord> rover(1);
  for (int i = 0; i < 10; ++i) rover.push_back(Q("W1A", "20", "CW", "", "", "", "", "", "", i % 2 ? "Erie" : "ERIE", 2));
  for (int i = 0; i < 9; ++i) rover.push_back(Q("W1A", "20", "CW", "", "", "", "", "", "", "York", 2));
  EXPECT_EQ(RoverCountyBonus(rover, 19), 500);
  rover.push_back(Q("W1A", "20", "CW", "", "", "", "", "", "", "york", 2));
  EXPECT_EQ(RoverCountyBonus(rover, 20), 1000);
  std::vector<LogRecord> many(1);
  for (int c = 0; c < 300; ++c)
    for (int i = 0; i < 10; ++i) many.push_back(Q("W1A", "20", "CW", "", "", "", "", "", "", std::to_string(c).c_str(), 2));
  EXPECT_EQ(RoverCountyBonus(many, 3000), 150000) << "more than 260 own counties are all counted";
  EXPECT_EQ(SpecialEventBonus(rover, 20, "w1a"), 4000);
  EXPECT_EQ(SpecialEventBonus(rover, 20, ""), 0);
}

// The window's buttons that ask where to write a file for the sponsor.
struct SheetWriter {
  const char* what;
  std::function<void(DECabrilloIn&)> press;
};
const SheetWriter kSheetWriters[] = {
    {"the plain log", [](DECabrilloIn& w) { w.Command1.ClickBy(); }},
    {"the dupe sheet", [](DECabrilloIn& w) { w.cmdWriteDupe.ClickBy(); }},
    {"the summary", [](DECabrilloIn& w) { w.cmdWriteSum.ClickBy(); }},
};

class SubmissionWindow : public ::testing::Test {
 protected:
  SubmissionWindow() {
    bench.settings().OutOfState = 1;
    bench.Open();
    LogStore& log = bench.app().State<LogStore>();
    log.Records = OutOfStateLog();
    log.QSOCount = static_cast<long>(log.Records.size()) - 1;
  }
  DECabrilloIn& Window() { return bench.app().Get<DECabrilloIn>(); }
  std::filesystem::path Data(const std::string& name) { return bench.dir() / "data" / name; }
  MainWindowBench bench;
};

TEST_F(SubmissionWindow, WritesThePlainLogWhereTheDialogPutsIt) {
  bench.settings().OwnCall = "  W1AW ";
  bench.settings().OwnARRLSection = "CT";
  bench.dialogs().AnswerFileDialog({true, Data("mine.log").string(), 1});
  Window().Command1.ClickBy();
  EXPECT_EQ(bench.dialogs().file_dialogs.back().file_name, Data("W1AWlog.log").string());
  EXPECT_EQ(ReadBytes(Data("mine.log")), ReadBytes(kGolden / "outstate_plain.log"));
  EXPECT_EQ(bench.CountMessages("File Written Successfully."), 1);
  EXPECT_EQ(bench.settings().OwnCall, "W1AW") << "the call is trimmed in place";
}

// Setup lets the ARRL section stay blank; the plain log then cannot be written.
TEST_F(SubmissionWindow, ABlankARRLSectionIsToldAndNoPlainLogIsWritten) {
  bench.settings().OwnCall = "W1AW";
  bench.settings().OwnARRLSection = "";
  bench.dialogs().AnswerFileDialog({true, Data("mine.log").string(), 1});
  Window().Command1.ClickBy();
  EXPECT_FALSE(std::filesystem::exists(Data("mine.log")));
  ASSERT_EQ(bench.CountMessages("Unable to write file."), 1);
  EXPECT_EQ(bench.dialogs().message_boxes.back().text,
            "\"Your ARRL Section\" is blank in the station setup, and every QSO line sends it.");
  EXPECT_EQ(bench.CountMessages("File Written Successfully."), 0);
}

TEST_F(SubmissionWindow, ACancelledDialogWritesNothingAndAFolderThatCannotBeWrittenIsTold) {
  Window().cmdWriteDupe.ClickBy();
  EXPECT_TRUE(std::filesystem::is_empty(bench.dir() / "data" / "BACKUP"));
  EXPECT_EQ(bench.CountMessages("File Written Successfully."), 0);
  EXPECT_EQ(bench.CountMessages("Unable to write file."), 0);
  bench.dialogs().AnswerFileDialog({true, (bench.dir() / "missing" / "x.log").string(), 1});
  Window().cmdWriteSum.ClickBy();
  EXPECT_EQ(bench.CountMessages("Unable to write file."), 1);
  EXPECT_EQ(bench.dialogs().beeps, 1);
  EXPECT_FALSE(std::filesystem::exists(bench.dir() / "missing"));
}

// A disk that fills while a file is written: the message names the file and the reason, no
// file is left under that name, and nothing is said to be written.
TEST_F(SubmissionWindow, AFileThatCannotBeWrittenIsToldByItsName) {
  bench.settings().OwnCall = "W1AW";
  bench.settings().OwnARRLSection = "CT";
  bench.settings().OwnSPC = "CT";
  const struct {
    const char* what;
    std::function<void(DECabrilloIn&)> press;
    std::filesystem::path written;
  } cases[] = {
      {"the plain log", [](DECabrilloIn& w) { w.Command1.ClickBy(); }, Data("mine.log")},
      {"the dupe sheet", [](DECabrilloIn& w) { w.cmdWriteDupe.ClickBy(); }, Data("mine.log")},
      // The Cabrillo writer has no control on the window; it is called as the window calls it.
      {"the Cabrillo log", [](DECabrilloIn& w) { w.Command4_Click(); }, bench.dir() / "W1AW.log"},
  };
  for (const auto& c : cases) {
    bench.dialogs().message_boxes.clear();
    bench.dialogs().AnswerFileDialog({true, Data("mine.log").string(), 1});
    {
      FileSizeLimit disk_full(64);
      c.press(Window());
    }
    ASSERT_EQ(bench.CountMessages("Unable to write file."), 1) << c.what;
    EXPECT_EQ(bench.dialogs().message_boxes.back().text,
              "The file could not be written:\r\n\r\n" + c.written.string() + "\r\n\r\nFile too large.")
        << c.what;
    EXPECT_FALSE(std::filesystem::exists(c.written)) << c.what;
    EXPECT_EQ(bench.CountMessages("File Written Successfully."), 0) << c.what;
    EXPECT_EQ(bench.CountMessages("Cabrillo Log File Written Successfully!"), 0) << c.what;
  }
}

// A place the chosen file cannot go: a folder of that name, or a folder that takes no new
// file. Each writer names the file in its message, claims nothing, and leaves the folder as
// it was (the folder of that name still a folder, no temporary file beside it).
TEST_F(SubmissionWindow, ANameTakenByAFolderOrAFolderThatTakesNoFileIsToldByName) {
  bench.settings().OwnCall = "W1AW";
  bench.settings().OwnARRLSection = "CT";
  bench.settings().OwnSPC = "CT";
  const std::filesystem::path locked = bench.dir() / "locked";
  std::filesystem::create_directories(locked);
  std::filesystem::permissions(locked, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  const bool root = ::geteuid() == 0;  // the superuser writes in any folder
  std::filesystem::create_directories(Data("taken.log"));
  for (const std::filesystem::path& target : {Data("taken.log"), locked / "mine.log"}) {
    if (root && target.parent_path() == locked) continue;
    for (const SheetWriter& c : kSheetWriters) {
      bench.dialogs().message_boxes.clear();
      bench.dialogs().AnswerFileDialog({true, target.string(), 1});
      c.press(Window());
      ASSERT_EQ(bench.CountMessages("Unable to write file."), 1) << c.what << " " << target;
      EXPECT_EQ(bench.dialogs().message_boxes.back().text.rfind("The file could not be written:\r\n\r\n" +
                                                                    target.string() + "\r\n\r\n", 0),
                0u)
          << bench.dialogs().message_boxes.back().text;
      EXPECT_EQ(bench.CountMessages("File Written Successfully."), 0) << c.what;
      EXPECT_TRUE(std::filesystem::is_empty(target.parent_path() == locked ? locked : Data("taken.log")));
    }
  }
  for (const auto& entry : std::filesystem::directory_iterator(Data("")))
    EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << entry.path();
  std::filesystem::permissions(locked, std::filesystem::perms::owner_all);
}

// The Save dialog can be taken to the working folder and the log named there: the log in use
// is never replaced by a file for the sponsor, under its name or one that differs in case.
TEST_F(SubmissionWindow, TheLogInUseIsNeverWrittenOver) {
  bench.settings().OwnCall = "W1AW";
  bench.settings().OwnARRLSection = "CT";
  const std::filesystem::path log = WorkingFile(bench.app(), kLogFileName);
  const std::string bytes = "\"W1AW\",\"\",\"\",\"\",\"Adams\"\r\n";
  WriteBytes(log, bytes);
  for (const std::filesystem::path& target : {log, log.parent_path() / "LOG.TXT"}) {
    for (const SheetWriter& c : kSheetWriters) {
      bench.dialogs().message_boxes.clear();
      bench.dialogs().AnswerFileDialog({true, target.string(), 1});
      c.press(Window());
      ASSERT_EQ(bench.CountMessages("Unable to write file."), 1) << c.what << " " << target;
      EXPECT_EQ(bench.dialogs().message_boxes.back().text,
                "The file could not be written:\r\n\r\n" + target.string() +
                    "\r\n\r\nIt is the contest log; choose another name.");
      EXPECT_EQ(bench.CountMessages("File Written Successfully."), 0) << c.what;
      EXPECT_EQ(ReadBytes(log), bytes) << c.what;
      EXPECT_FALSE(std::filesystem::exists(log.parent_path() / "LOG.TXT")) << c.what;
    }
  }
}

TEST_F(SubmissionWindow, TheSummaryKeepsTheEntrantsDetailsForTheNextOpening) {
  Window().Text5.SetText(" Pat Operator ");
  Window().Text2.SetText("Keystone Radio Club");
  bench.dialogs().AnswerFileDialog({true, Data("sum.log").string(), 1});
  Window().cmdWriteSum.ClickBy();
  ASSERT_TRUE(std::filesystem::exists(Data("sum.log")));
  const std::string sheet = ReadBytes(Data("sum.log"));
  const long worked = bench.app().Get<Outfrm>().List2.ListCount();
  EXPECT_NE(sheet.find("  Counties = " + std::to_string(worked) + "\r\n"), std::string::npos) << "Outfrm's county list";
  EXPECT_NE(sheet.find("  Sections = 0\r\n"), std::string::npos);
  Window().Unload();
  EXPECT_EQ(Window().Text5.Text(), "Pat Operator");
  EXPECT_EQ(Window().Text2.Text(), "Keystone Radio Club");
  EXPECT_EQ(Window().Text3.Text(), "0") << "not a rover";
}

// Four lines close a rectangle around the groups and boxes; the writers' buttons stand below.
TEST_F(SubmissionWindow, FourLinesFrameTheUpperPartWithTheButtonsBelow) {
  DECabrilloIn& w = Window();
  std::vector<std::pair<float, float>> ends;
  for (const forms::Line* line : {&w.Line1, &w.Line2, &w.Line3, &w.Line4}) {
    EXPECT_TRUE(line->Visible());
    EXPECT_TRUE(line->X1() == line->X2() || line->Y1() == line->Y2()) << line->Name() << " is level or upright";
    ends.emplace_back(line->X1(), line->Y1());
    ends.emplace_back(line->X2(), line->Y2());
  }
  const auto [left, right] = std::minmax({ends[0].first, ends[1].first, ends[4].first, ends[5].first});
  const auto [top, bottom] = std::minmax({ends[0].second, ends[2].second, ends[3].second, ends[6].second});
  for (const auto& corner : {std::pair{left, top}, {right, top}, {right, bottom}, {left, bottom}})
    EXPECT_EQ(std::count(ends.begin(), ends.end(), corner), 2) << "two lines meet at each corner";
  const std::vector<const forms::Control*> below = {&w.Command1, &w.cmdWriteDupe, &w.cmdWriteSum, &w.Command3};
  for (const forms::Control* c : w.Controls()) {
    if (!c->Visible() || c->Container() != nullptr || c->Kind() == forms::ControlKind::Line) continue;
    if (std::count(below.begin(), below.end(), c) == 1) {
      EXPECT_GT(c->Top(), bottom) << c->Name();
      continue;
    }
    EXPECT_TRUE(c->Left() > left && c->Left() + c->Width() < right && c->Top() > top && c->Top() + c->Height() < bottom)
        << c->Name() << " stands inside the rectangle";
  }
}

TEST_F(SubmissionWindow, CalculateCountsTheSpecialEventStationAndBoxesKeepNumbers) {
  bench.dialogs().AnswerInputBox("k3ab");
  Window().Command8.ClickBy();
  EXPECT_EQ(Window().Text4.Text(), std::to_string(200 * SpecialEventBonus(OutOfStateLog(), 24, "K3AB") / 200));
  Window().Text4.SetText("abc");
  Window().Text4_LostFocus();
  EXPECT_EQ(Window().Text4.Text(), "0");
  Window().Text3.SetText("-1.5");
  Window().Text3_LostFocus();
  EXPECT_EQ(Window().Text3.Text(), "-1.5");
}

}  // namespace
}  // namespace ks::testing
