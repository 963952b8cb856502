// The export for the general logger: the 16 values of each line, and the file written whole.
#include <gtest/gtest.h>

#include <string>

#include "reports/general_logger_export.h"
#include "tests/mainwin/main_window_fixture.h"
#include "tests/support/files.h"

namespace ks::testing {
namespace {

LogRecord Contact(std::string call, std::string spc, std::string county = "", std::string override_state = "") {
  LogRecord r;
  r.LogCall = std::move(call);
  r.LogSPC = std::move(spc);
  r.LogCounty = std::move(county);
  r.LogStateOverride = std::move(override_state);
  r.LogDate = "2013/10/12";
  r.LogTime = "14:05:33";
  r.LogMode = "PH";
  r.LogBand = "40";
  return r;
}

TEST(GeneralLoggerLine, DerivesStateAndCountryAndQuotesOnlyTheTexts) {
  const struct {
    LogRecord record;
    const char* country_and_state;
  } cases[] = {
      {Contact("W3XX", "", "Centre"), "\"USA\",\"PA\",\"Centre\""},
      {Contact("K8XX", "OH"), "\"USA\",\"OH\",\"\""},
      {Contact("KL7XX", "AK"), "\"Alaska\",\"AK\",\"\""},
      {Contact("VE3XX", "ON"), "\"Canada\",\"\",\"\""},
      {Contact("DL1XX", "Germany"), "\"Germany\",\"\",\"\""},
      {Contact("W3XX", "EPA"), "\"USA\",\"EPA\",\"\""},
      {Contact("N6XX", "OH", "", "HI"), "\"Hawaii\",\"HI\",\"\""},
      {Contact("w3xx", "PA"), "\"Canada\",\"\",\"\""},
  };
  for (const auto& c : cases) {
    const std::string expected = "\"" + c.record.LogCall +
                                 "\",\"2013/10/12\",\"40\",\"SSB\",\"100\",\"14:05:33\",\"\",\"\",," +
                                 c.country_and_state + ",,,,\"QSO Party Contest\"\r\n";
    EXPECT_EQ(GeneralLoggerLine(c.record, "100", "PA"), expected) << c.record.LogCall;
  }
  LogRecord digital = Contact("W3XX", "PA");
  digital.LogMode = "RY";
  EXPECT_NE(GeneralLoggerLine(digital, "", "PA").find(",\"DG\",\"\","), std::string::npos);
}

TEST(GeneralLoggerExport, WritesEveryContactAndSaysWhere) {
  MainWindowBench bench;
  bench.Open();
  LogStore& log = bench.app().State<LogStore>();
  log.Records = {LogRecord{}, Contact("W3XX", "", "Centre"), Contact("K8XX", "OH")};
  log.QSOCount = 2;
  bench.dialogs().AnswerInputBox("5");
  WriteLogExpFile(bench.app());
  const std::string text = ReadBytes(bench.dir() / "LogExp.txt");
  EXPECT_EQ(text, GeneralLoggerLine(log.Records[1], "5", "PA") + GeneralLoggerLine(log.Records[2], "5", "PA"));
  ASSERT_EQ(bench.CountMessages("Export Successful!"), 1);
  EXPECT_NE(bench.dialogs().message_boxes.back().text.find(bench.dir().path().string()), std::string::npos);
}

TEST(GeneralLoggerExport, AFileThatCannotBeWrittenIsToldAndKeptAsItWas) {
  MainWindowBench bench;
  bench.Open();
  std::filesystem::create_directory(bench.dir() / "LogExp.txt");  // a folder in the file's place
  WriteLogExpFile(bench.app());
  EXPECT_EQ(bench.CountMessages("Unable to write file."), 1);
  EXPECT_EQ(bench.CountMessages("Export Successful!"), 0);
  EXPECT_TRUE(std::filesystem::is_directory(bench.dir() / "LogExp.txt"));
}

TEST(GeneralLoggerExport, ItsMenuItemIsNeverOffered) {
  MainWindowBench bench;
  MainWindow& main = bench.Open();
  EXPECT_FALSE(main.mnuPellhamImport.Visible());
  EXPECT_FALSE(main.mnuPellhamImport.ChooseBy());
}

}  // namespace
}  // namespace ks::testing
