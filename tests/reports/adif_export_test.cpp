// The ADIF export: each record's exact text, the DXCC table, the file written through the
// Save dialog, and a read-back by an ADIF reader of the test's own.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <map>
#include <string>
#include <vector>

#include "logstore/prefix_table.h"
#include "platform/vb/format.h"
#include "reports/adif_export.h"
#include "startup/user_folders.h"
#include "station/station_settings.h"
#include "tests/mainwin/main_window_fixture.h"
#include "tests/support/files.h"

namespace ks::testing {
namespace {

// An ADIF reader written from the format's rules, not from the writer: free text up to
// <EOH>, then fields <name:length[:type]>data, a record ended by <EOR>; names in any case.
std::vector<std::map<std::string, std::string>> ReadAdif(const std::string& text) {
  std::vector<std::map<std::string, std::string>> records;
  std::map<std::string, std::string> record;
  std::size_t at = 0;
  bool in_header = true;
  while ((at = text.find('<', at)) != std::string::npos) {
    const std::size_t close = text.find('>', at);
    if (close == std::string::npos) break;
    std::string spec = text.substr(at + 1, close - at - 1);
    for (char& c : spec) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    at = close + 1;
    if (spec == "EOH") {
      in_header = false;
      continue;
    }
    if (in_header) continue;
    if (spec == "EOR") {
      records.push_back(record);
      record.clear();
      continue;
    }
    const std::size_t colon = spec.find(':');
    if (colon == std::string::npos) continue;
    const std::size_t length = std::stoul(spec.substr(colon + 1));
    record[spec.substr(0, colon)] = text.substr(at, length);
    at += length;
  }
  return records;
}

DxccTable Table() {
  return {{"USA", "Canada", "Alaska", "Hawaii", "Germany", "Nowhere"}, {291, 1, 6, 110, 230, 0}};
}

LogRecord Record(std::string call, std::string spc, std::string county, std::string mode = "CW") {
  LogRecord r;
  r.LogCall = std::move(call);
  r.LogSPC = std::move(spc);
  r.LogCounty = std::move(county);
  r.LogDate = "2013/10/12";
  r.LogTime = "14:05:33";
  r.LogMode = std::move(mode);
  r.LogBand = "20";
  return r;
}

AdifOptions Options(std::string power = "100", std::string comment = "PA State QSO Party Contest") {
  AdifOptions o;
  o.power = std::move(power);
  o.comment = std::move(comment);
  o.program_version = "2.3";
  o.export_date = "10/14/2013";
  return o;
}

struct RecordCase {
  const char* name;
  LogRecord record;
  AdifOptions options;
  std::string text;
};

class AdifRecordText : public ::testing::TestWithParam<RecordCase> {};

TEST_P(AdifRecordText, IsExactly) {
  EXPECT_EQ(AdifRecord(GetParam().record, GetParam().options, Table()), GetParam().text);
}

LogRecord With(LogRecord r, void (*change)(LogRecord&)) {
  change(r);
  return r;
}

const std::string kLine1 = "<Call:4>W3XX <Qso_Date:8:d>20131012 <Band:3>20M <Mode:2>CW\r\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, AdifRecordText,
    ::testing::Values(
        RecordCase{"InStateCountyContact", Record("W3XX", "PA", "Allegheny"), Options(),
                   kLine1 + "<Tx_Pwr:3>100 <Time_On:4>1405 <DXCC:3>291 <State:2>PA <Cnty:12>PA,Allegheny "
                            "<Cont:2>NA <Comment:26>PA State QSO Party Contest\r\n<eor>\r\n\r\n"},
        RecordCase{"BothBoxesCancelled", Record("W3XX", "PA", "Allegheny"), Options("", ""),
                   kLine1 + "<Time_On:4>1405 <DXCC:3>291 <State:2>PA <Cnty:12>PA,Allegheny <Cont:2>NA <eor>\r\n\r\n"},
        RecordCase{"TrailingSpacesAreNotCounted",
                   With(Record("W3XX", "WPA", ""), [](LogRecord& r) { r.LogRSTSent = "599  "; }),
                   Options("50  ", ""),
                   kLine1 + "<Tx_Pwr:2>50 <Time_On:4>1405 <DXCC:3>291 <State:2>PA <Cont:2>NA <RST_Sent:3>599 "
                            "<eor>\r\n\r\n"},
        RecordCase{"OutOfStateLogTakesThePartyState", Record("W3XX", "", "Centre"), Options("", ""),
                   kLine1 + "<Time_On:4>1405 <DXCC:3>291 <State:2>PA <Cnty:9>PA,Centre <Cont:2>NA <eor>\r\n\r\n"},
        RecordCase{"SectionEbIsCalifornia", Record("W3XX", "EB", ""), Options("", ""),
                   kLine1 + "<Time_On:4>1405 <DXCC:3>291 <State:2>CA <Cont:2>NA <eor>\r\n\r\n"},
        RecordCase{"PacIsHawaii", Record("W3XX", "PAC", ""), Options("", ""),
                   kLine1 + "<Time_On:4>1405 <DXCC:3>110 <State:2>HI <Cont:2>NA <eor>\r\n\r\n"},
        RecordCase{"AkIsAlaska", Record("W3XX", "AK", ""), Options("", ""),
                   kLine1 + "<Time_On:4>1405 <DXCC:1>6 <State:2>AK <Cont:2>NA <eor>\r\n\r\n"},
        RecordCase{"ViHasNoState", Record("W3XX", "VI", ""), Options("", ""),
                   kLine1 + "<Time_On:4>1405 <DXCC:3>291 <Cont:2>NA <eor>\r\n\r\n"},
        RecordCase{"CanadaHasNoStateOrContinent", Record("VE3XX", "ON", ""), Options("", ""),
                   "<Call:5>VE3XX <Qso_Date:8:d>20131012 <Band:3>20M <Mode:2>CW\r\n<Time_On:4>1405 <DXCC:1>1 "
                   "<eor>\r\n\r\n"},
        RecordCase{"DxWithAMatch", Record("DL1XX", "Germany", ""), Options("", ""),
                   "<Call:5>DL1XX <Qso_Date:8:d>20131012 <Band:3>20M <Mode:2>CW\r\n<Time_On:4>1405 <DXCC:3>230 "
                   "<eor>\r\n\r\n"},
        RecordCase{"DxWithoutAMatchOrWithZero", Record("XX1XX", "Nowhere", ""), Options("", ""),
                   "<Call:5>XX1XX <Qso_Date:8:d>20131012 <Band:3>20M <Mode:2>CW\r\n<Time_On:4>1405 <eor>\r\n\r\n"},
        RecordCase{"PostContestTimeAndPhone",
                   With(Record("W3XX", "PA", "", "PH"), [](LogRecord& r) { r.LogTime = "7:05"; }), Options("", ""),
                   "<Call:4>W3XX <Qso_Date:8:d>20131012 <Band:3>20M <Mode:3>SSB\r\n<Time_On:4>0705 <DXCC:3>291 "
                   "<State:2>PA <Cont:2>NA <eor>\r\n\r\n"},
        RecordCase{"InvalidDateAndRttyAndFrequency",
                   With(Record("W3XX", "PA", "", "RY"),
                        [](LogRecord& r) {
                          r.LogDate = "2013/13/45";
                          r.LogTime = "23:59:59";
                          r.LogFrequency = " 14.080 ";
                        }),
                   Options("", ""),
                   "<Call:4>W3XX <Band:3>20M <Mode:4>RTTY\r\n<Freq:6>14.080 <Time_On:4>2359 <DXCC:3>291 "
                   "<State:2>PA <Cont:2>NA <eor>\r\n\r\n"},
        RecordCase{"PskWithItsSubmode", Record("W3XX", "PA", "", "PK"), Options("", ""),
                   "<Call:4>W3XX <Qso_Date:8:d>20131012 <Band:3>20M <Mode:3>PSK <Submode:5>PSK31\r\n<Time_On:4>1405 "
                   "<DXCC:3>291 <State:2>PA <Cont:2>NA <eor>\r\n\r\n"}),
    [](const ::testing::TestParamInfo<RecordCase>& info) { return std::string(info.param.name); });

TEST(DxccTable, ReadsUpToAThousandRecordsAndRefusesMore) {
  std::string bytes;
  for (int i = 0; i < 1000; ++i) bytes += "\"Country " + std::to_string(i) + "\"," + std::to_string(i) + "\r\n";
  std::string error;
  const std::optional<DxccTable> full = ParseDxccTable(bytes, error);
  ASSERT_TRUE(full.has_value()) << error;
  EXPECT_EQ(full->names.size(), 1000u);
  EXPECT_FALSE(ParseDxccTable(bytes + "\"One more\",1\r\n", error).has_value());
  EXPECT_NE(error.find("1000"), std::string::npos);
  EXPECT_FALSE(ParseDxccTable("\"Big\",70000\r\n", error).has_value()) << "a number beyond 16 bits";
}

TEST(DxccTable, TheSuppliedTableNumbersEveryCountryOfThePrefixTable) {
  std::string error;
  const std::optional<DxccTable> table = ParseDxccTable(ReadBytes(SuppliedData() / kDxccTableFileName), error);
  ASSERT_TRUE(table.has_value()) << error;
  forms::Headless headless;
  headless.app().State<Folders>().WorkingDir = SuppliedData();
  ASSERT_TRUE(LoadPrefixTable(headless.app()));
  const PrefixTable& prefixes = headless.app().State<PrefixTable>();
  std::vector<std::string> names = {"USA", "Canada", "Alaska", "Hawaii"};
  for (std::int32_t i = 1; i <= prefixes.PrefixCount; ++i)
    names.push_back(prefixes.Entries[static_cast<std::size_t>(i)].PrefixCountry);
  for (const std::string& name : names) {
    auto it = std::find(table->names.begin(), table->names.end(), name);
    ASSERT_NE(it, table->names.end()) << name;
    EXPECT_GT(table->numbers[static_cast<std::size_t>(it - table->names.begin())], 0) << name;
  }
  auto number = [&](const std::string& n) {
    return table->numbers[static_cast<std::size_t>(std::find(table->names.begin(), table->names.end(), n) -
                                                   table->names.begin())];
  };
  EXPECT_EQ(number("USA"), 291);
  EXPECT_EQ(number("Canada"), 1);
  EXPECT_EQ(number("Alaska"), 6);
  EXPECT_EQ(number("Hawaii"), 110);
}

class AdifExport : public ::testing::Test {
 protected:
  AdifExport() {
    CopySupplied(kDxccTableFileName, bench.dir().path());
    bench.app().State<RunState>().ProgramVersion = "2.3";
    bench.Open();
  }
  std::filesystem::path Target() { return bench.dir() / "data" / "PA.adi"; }
  void ChooseTarget() { bench.dialogs().AnswerFileDialog({true, Target().string(), 1}); }
  void Fill(int count) {
    LogStore& log = bench.app().State<LogStore>();
    log.Records.assign(1, LogRecord{});
    const char* modes[] = {"CW", "PH", "RY", "PK"};
    const char* bands[] = {"160", "80", "40", "20", "15", "10", "6", "2"};
    for (int i = 1; i <= count; ++i) {
      LogRecord r = Record("K" + std::to_string(i) + "ABC", "", "Centre", modes[i % 4]);
      r.LogBand = bands[i % 8];
      r.LogDate = "2013/10/" + std::to_string(12 + i % 2);
      r.LogTime = vb::Format(i % 24, "00") + ":" + vb::Format(i % 60, "00") + ":00";
      log.Records.push_back(r);
    }
    log.QSOCount = count;
  }
  // 300 contacts exported to Target() through the dialog.
  void ExportThreeHundred() {
    Fill(300);
    ChooseTarget();
    WriteADIFFile(bench.app());
    ASSERT_EQ(bench.CountMessages("File Written Successfully."), 1);
  }
  MainWindowBench bench;
};

// Every contact's call, date, time, band, mode and county as a reader of ADIF finds them.
void ExpectEveryContactIntact(const LogStore& log, const std::vector<std::map<std::string, std::string>>& records) {
  ASSERT_EQ(records.size(), static_cast<std::size_t>(log.QSOCount));
  const std::map<std::string, std::string> adif_modes = {{"CW", "CW"}, {"PH", "SSB"}, {"RY", "RTTY"}, {"PK", "PSK"}};
  for (std::size_t i = 0; i < records.size(); ++i) {
    const LogRecord& r = log.Records[i + 1];
    auto field = [&](const char* name) {
      auto it = records[i].find(name);
      return it == records[i].end() ? std::string("(missing)") : it->second;
    };
    EXPECT_EQ(field("CALL"), r.LogCall);
    EXPECT_EQ(field("QSO_DATE"), r.LogDate.substr(0, 4) + r.LogDate.substr(5, 2) + r.LogDate.substr(8, 2));
    EXPECT_EQ(field("TIME_ON"), r.LogTime.substr(0, 2) + r.LogTime.substr(3, 2));
    EXPECT_EQ(field("BAND"), r.LogBand + "M");
    EXPECT_EQ(field("MODE"), adif_modes.at(r.LogMode));
    EXPECT_EQ(field("CNTY"), "PA,Centre");
  }
}

TEST_F(AdifExport, AFewHundredContactsReadBackIntact) {
  ASSERT_NO_FATAL_FAILURE(ExportThreeHundred());
  const auto& dialog = bench.dialogs().file_dialogs.back();
  EXPECT_EQ(dialog.file_name, Target().string());
  EXPECT_EQ(dialog.filter, "ADIF Files (*.adi) | *.adi");
  const std::string text = ReadBytes(Target());
  EXPECT_EQ(text.rfind("Exported from Corvane's Leddon Logging Program 2.3\r\n", 0), 0u);
  ExpectEveryContactIntact(bench.app().State<LogStore>(), ReadAdif(text));
}

// The same file through a published ADIF parser (adif-parser-ts, installed by
// scripts/install-deps.sh with npm), which knows nothing of our writer.
TEST_F(AdifExport, AFewHundredContactsReadBackThroughAPublishedParser) {
  const std::filesystem::path reader = KEYSTONE_ADIF_READER;
  if (!std::filesystem::exists(reader.parent_path() / "node_modules" / "adif-parser-ts") ||
      std::system("node --version >/dev/null 2>&1") != 0)
    GTEST_SKIP() << "node or adif-parser-ts is not installed (scripts/install-deps.sh installs them)";
  ASSERT_NO_FATAL_FAILURE(ExportThreeHundred());
  const std::filesystem::path out = bench.dir() / "records.txt";
  const std::string command = "node '" + reader.string() + "' '" + Target().string() + "' > '" + out.string() + "'";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  // One record a line, its fields as NAME=value separated by tabs.
  std::vector<std::map<std::string, std::string>> records;
  std::istringstream lines(ReadBytes(out));
  for (std::string line; std::getline(lines, line);) {
    std::map<std::string, std::string>& record = records.emplace_back();
    std::istringstream fields(line);
    for (std::string field; std::getline(fields, field, '\t');) {
      const std::size_t eq = field.find('=');
      if (eq != std::string::npos) record[field.substr(0, eq)] = field.substr(eq + 1);
    }
  }
  ExpectEveryContactIntact(bench.app().State<LogStore>(), records);
}

TEST_F(AdifExport, AnEmptyLogGivesTheHeaderOnly) {
  Fill(0);
  ChooseTarget();
  WriteADIFFile(bench.app());
  const std::string text = ReadBytes(Target());
  EXPECT_TRUE(text.ends_with("\r\n\r\n<EOH>\r\n\r\n"));
  EXPECT_NE(text.find("Log exported on: 10/12/2013\r\n"), std::string::npos);
}

TEST_F(AdifExport, CancellingTheDialogWritesNothingAndSaysNothing) {
  Fill(3);
  WriteADIFFile(bench.app());
  EXPECT_FALSE(std::filesystem::exists(Target()));
  EXPECT_EQ(bench.CountMessages("Unable to write file."), 0);
  EXPECT_EQ(bench.CountMessages("File Written Successfully."), 0);
  EXPECT_EQ(bench.dialogs().input_boxes.size(), 2u);
  EXPECT_EQ(bench.dialogs().input_boxes[1].default_text, "PA State QSO Party Contest");
}

TEST_F(AdifExport, ATableTooLongOrMissingStopsTheExportWithAMessageAndNoFile) {
  Fill(3);
  std::string bytes;
  for (int i = 0; i <= 1000; ++i) bytes += "\"C" + std::to_string(i) + "\",1\r\n";
  WriteBytes(bench.dir() / kDxccTableFileName, bytes);
  ChooseTarget();
  WriteADIFFile(bench.app());
  EXPECT_EQ(bench.CountMessages("Unable to write file."), 1);
  EXPECT_EQ(bench.dialogs().beeps, 1);
  EXPECT_TRUE(bench.dialogs().file_dialogs.empty()) << "the table is read before the dialog";
  std::filesystem::remove(bench.dir() / kDxccTableFileName);
  WriteADIFFile(bench.app());
  EXPECT_EQ(bench.CountMessages("Unable to write file."), 2);
  EXPECT_FALSE(std::filesystem::exists(Target()));
}

TEST_F(AdifExport, AFolderThatCannotBeWrittenLeavesNoFileAndSaysWhy) {
  Fill(3);
  bench.dialogs().AnswerFileDialog({true, (bench.dir() / "no such folder" / "PA.adi").string(), 1});
  WriteADIFFile(bench.app());
  ASSERT_EQ(bench.CountMessages("Unable to write file."), 1);
  EXPECT_FALSE(bench.dialogs().message_boxes.back().text.empty());
  EXPECT_EQ(bench.CountMessages("File Written Successfully."), 0);
}

}  // namespace
}  // namespace ks::testing
